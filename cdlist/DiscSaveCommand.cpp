#include "cdlist/DiscSaveCommand.h"

#include "cdlist/CdListPresenter.h"
#include "cdlist/CdText.h"
#include "cdlist/CueSheet.h"
#include "cdlist/DiscCodePage.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/DiscProject.h"
#include "cdlist/DiscTracks.h"
#include "cdlist/LabelLayout.h"
#include "cdlist/TrackTags.h"
#include "common/FileHelpers.h"
#include "common/MyCommonW.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/EventWait.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"

#include <QFileInfo>

#include <array>
#include <utility>

namespace lccd {
namespace {

constexpr int kWaitAfterTagWriteMs = 150;

// Writes the tags of the songs written to the project into their files, leaving files whose
// tags already hold these values alone and skipping songs whose file is missing. Returns what
// went wrong, one message per song.
QStringList writeSongTags(Mp3Infp& library, const DiscInfo& disc, const TrackRows& tracks) {
    const QString comment = lastPathComponent(disc.jacketPath);
    const int count = projectTrackCount(tracks);
    QStringList problems;
    for (int songNumber = 1; songNumber <= count; ++songNumber) {
        const TrackRow& song = tracks[size_t(songNumber - 1)];
        const QString path = existingFileInFolder(disc.folderPath, trimW(song.fileName))
                                 .value_or(songFilePath(disc.folderPath, trimW(song.fileName)));
        if (!QFileInfo(path).isFile())
            continue;
        const TagWriteResult result = WriteTrackTags(
            library, path, {song.title, song.performer, song.album, song.year, song.genre, comment},
            true);
        if (const QString problem = tagWriteProblem(path, result); !problem.isEmpty())
            problems.append(problem);
        if (result == TagWriteResult::Written || result == TagWriteResult::Failed)
            WaitWithEvents(kWaitAfterTagWriteMs);
    }
    return problems;
}

// Song files and a folder whose names the files cannot hold stop the save before it writes: a
// reload would not find them again.
bool namesFit(const DiscInfo& disc, const TrackRows& tracks) {
    const QStringList names = namesOutsideCodePage(disc, tracks);
    if (names.isEmpty())
        return true;
    ShowMessageBox(
        QStringLiteral("次の名前には保存できない文字 (Shift-JISにない文字) があるため、"
                       "保存を中止しました。名前を変えてから読み込み直してください。\n") +
            names.join(QLatin1Char('\n')),
        QStringLiteral("確認"), MessageBoxType::Ok | MessageBoxType::IconWarning);
    return false;
}

// Other values that would lose characters are written with "?" only when the user agrees.
bool valuesFit(const DiscInfo& disc, const TrackRows& tracks, bool writeLossy) {
    const QStringList values = valuesOutsideCodePage(disc, tracks);
    if (values.isEmpty() || writeLossy)
        return true;
    return AskOkCancel(
        QStringLiteral("次の項目には保存できない文字 (Shift-JISにない文字) があります。"
                       "「?」に置き換えて保存しますか。\n") +
            values.join(QLatin1Char('\n')),
        QStringLiteral("確認"));
}

// Writes the CD-TEXT file of the tracks the CUE sheet lists; returns what the user should know
// when the texts are too long for CD-TEXT and no file was written.
std::optional<QString> writeCdTextFile(const QString& path, const DiscInfo& disc,
                                       const TrackRows& tracks, bool noCut, StatusPanel& status) {
    const std::optional<QByteArray> packs =
        cdTextPacks(discCdText(disc, discTracks(disc, tracks, noCut, status)));
    if (!packs)
        return QStringLiteral("曲名と演者の文字が多すぎて CD-TEXT に入りきらないため、"
                              ".cdt は書き出していません");
    writeFileAtomically(path, cdTextFile(*packs));
    return std::nullopt;
}

// Clears the running flag however the save ends.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

bool DiscSaveCommand::checksPass() {
    const DiscInfo& disc = editor_.disc();
    const std::array<std::pair<const QString*, const char16_t*>, 3> checks = {{
        {&disc.discPerformer, u"演者がブランクです"},
        {&disc.folderBoxText, u"読み込みがされていません"},
        {&disc.albumTitle, u"アルバム名が設定されていません"},
    }};
    for (const auto& [text, message] : checks) {
        if (trimW(*text).isEmpty()) {
            editor_.ShowStatusMessage(QString::fromUtf16(message));
            return false;
        }
    }
    return true;
}

std::optional<QString> DiscSaveCommand::run(DiscSaveSettings& settings) {
    if (running_ || !checksPass())
        return std::nullopt;
    const RunningFlag running(running_);

    // The files describe the disc as it stood when the save began, even if the window changes
    // it while the save lets events through.
    const DiscInfo disc = editor_.disc();
    const TrackRows tracks = editor_.tracks().rows();
    const QString base = discFileBase(disc);

    std::optional<DiscLabelSheet> labelSheet;
    if (!settings.labelProduct.isEmpty()) {
        if (settings.labelSheets)
            labelSheet = settings.labelSheets(settings.labelProduct);
        if (!labelSheet) {
            editor_.ShowStatusMessage(
                QStringLiteral("ラベル用紙 %1 が見つかりません。オプション設定で選び直してください")
                    .arg(settings.labelProduct));
            return std::nullopt;
        }
    }
    if (!namesFit(disc, tracks) || !valuesFit(disc, tracks, settings.writeLossy))
        return std::nullopt;

    const QList<QByteArray> projectLines = discProjectLines(disc, tracks);
    const QStringList tagProblems =
        settings.setId3Tag ? writeSongTags(editor_.tagLibrary(), disc, tracks) : QStringList();
    writeFileAtomically(base + QStringLiteral(".txt"), joinLinesCrLf(projectLines));

    if (!settings.noCut && !tracks[0].isChecked() &&
        AskOkCancel(QStringLiteral("WAVファイルが[無分割]ではないですか"), QStringLiteral("確認")))
        settings.noCut = true;
    writeCueSheet(base + QStringLiteral(".cue"), disc, tracks, {settings.noCut, settings.addGap},
                  editor_.status());
    QString extensions = QStringLiteral(".txt .cue .csv");
    std::optional<QString> cdTextProblem;
    if (settings.writeCdText) {
        cdTextProblem = writeCdTextFile(base + QStringLiteral(".cdt"), disc, tracks, settings.noCut,
                                        editor_.status());
        if (!cdTextProblem)
            extensions += QStringLiteral(" .cdt");
    }

    const QString labelPath = base + QStringLiteral(".csv");
    writeLabelLayout(labelPath, loadLabelTemplate(settings.programPaths, settings.templateName),
                     disc, tracks, labelSheet ? &*labelSheet : nullptr);
    QStringList report =
        QStringList{QStringLiteral("保存しました: %1 (%2)").arg(base, extensions)} + tagProblems;
    if (cdTextProblem)
        report.append(*cdTextProblem);
    if (labelSheet && !labelSheet->message.isEmpty())
        report.append(labelSheet->message);
    editor_.ShowStatusMessage(report.join(QStringLiteral(" / ")));
    return labelPath;
}

} // namespace lccd
