#include "cdlist/DiscSaveCommand.h"

#include "cdlist/AlbumTracks.h"
#include "cdlist/CdListPresenter.h"
#include "cdlist/CdText.h"
#include "cdlist/CueSheet.h"
#include "cdlist/DiscCodePage.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/DiscProject.h"
#include "cdlist/DiscSongTags.h"
#include "cdlist/DiscTracks.h"
#include "cdlist/LabelLayout.h"
#include "common/FileHelpers.h"
#include "platform/AppError.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"

#include <array>
#include <utility>

namespace lccd {
namespace {

// Song files whose names the disc's files cannot hold stop the save before it writes: a reload
// would not find them again.
bool namesFit(const TrackRows& tracks) {
    const QStringList names = namesOutsideCodePage(tracks);
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
                                       const QList<DiscTrack>& discTrackList) {
    const std::optional<QByteArray> packs = cdTextPacks(discCdText(disc, discTrackList));
    if (!packs)
        return QStringLiteral("曲名と演者の文字が多すぎて CD-TEXT に入りきらないため、"
                              ".cdt は書き出していません");
    writeFileAtomically(path, cdTextFile(*packs));
    return std::nullopt;
}

// The files a save writes, in order, and how far it got, so that a save stopped by a failure
// can tell what it wrote and what it did not.
class SaveProgress {
public:
    explicit SaveProgress(QStringList planned) : planned_(std::move(planned)) {}

    void written(const QString& path) { written_.append(path); }
    void leftOut(const QString& path) { planned_.removeAll(path); }
    void tagged(const QStringList& songs) { tagged_ = songs; }

    // The error's message, followed by the files written, those not written and the songs
    // already tagged.
    AppError stoppedBy(const AppError& error) const {
        QStringList lines{error.message()};
        lines.append(written_.isEmpty() ? QStringLiteral("保存したファイルはありません")
                                        : QStringLiteral("保存したファイル: ") + names(written_));
        QStringList notWritten = planned_;
        for (const QString& path : written_)
            notWritten.removeAll(path);
        if (!notWritten.isEmpty())
            lines.append(QStringLiteral("保存できなかったファイル: ") + names(notWritten));
        if (!tagged_.isEmpty())
            lines.append(QStringLiteral("タグを書き込んだ曲: ") + names(tagged_));
        return AppError(lines.join(QLatin1Char('\n')));
    }

private:
    static QString names(const QStringList& paths) {
        QStringList names;
        for (const QString& path : paths)
            names.append(lastPathComponent(path));
        return names.join(QStringLiteral(", "));
    }

    QStringList planned_;
    QStringList written_;
    QStringList tagged_;
};

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
        if (trimBlanks(*text).isEmpty()) {
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
    const LoadedSongs loadedSongs = editor_.loadedSongs();

    std::optional<DiscLabelSheet> labelSheet;
    if (!settings.cd.labelProduct.isEmpty()) {
        if (settings.labelSheets)
            labelSheet = settings.labelSheets(settings.cd.labelProduct);
        if (!labelSheet) {
            editor_.ShowStatusMessage(
                QStringLiteral("ラベル用紙 %1 が見つかりません。オプション設定で選び直してください")
                    .arg(settings.cd.labelProduct));
            return std::nullopt;
        }
        if (!settings.cd.everyLabel)
            labelSheet->otherLabelCentres.clear();
    }
    if (!namesFit(tracks) || !valuesFit(disc, tracks, settings.writeLossy))
        return std::nullopt;
    // The sheet of an album image that the songs come from is the user's, not the save's.
    const QString cuePath = discFileBase(disc) + QStringLiteral(".cue");
    if (albumSheetsOf(disc.folderPath, tracks).contains(cuePath)) {
        editor_.ShowStatusMessage(
            QStringLiteral("CUEシート %1 は曲のアルバムイメージのシートのため、"
                           "同じ名前では保存できません。アルバム名を変えてください")
                .arg(lastPathComponent(cuePath)));
        return std::nullopt;
    }

    // Every song is read and every question asked before anything is written.
    QList<SongTagUpdate> tagUpdates;
    bool takeProject = settings.projectTags == ProjectTagChoice::UseProject;
    if (settings.cd.setId3Tag) {
        tagUpdates = planSongTags(editor_.tagLibrary(), disc, discRowsOf(tracks), loadedSongs);
        if (settings.projectTags == ProjectTagChoice::Ask && anyProjectDifference(tagUpdates)) {
            const std::optional<bool> answer = askProjectOverSongs(tagUpdates);
            if (!answer)
                return std::nullopt;
            takeProject = *answer;
        }
    }
    untaggedSongs_.clear();
    SaveReport report = writeFiles(disc, tracks, labelSheet ? &*labelSheet : nullptr,
                                   {tagUpdates, takeProject}, settings);
    if (labelSheet && !labelSheet->message.isEmpty())
        report.lines.append(labelSheet->message);
    const QString text = report.lines.join(QStringLiteral(" / "));
    if (report.stays)
        editor_.status().showUntilReplaced(text);
    else
        editor_.ShowStatusMessage(text);
    return discFileBase(disc) + QStringLiteral(".csv");
}

DiscSaveCommand::SaveReport DiscSaveCommand::writeFiles(const DiscInfo& disc,
                                                        const TrackRows& tracks,
                                                        const DiscLabelSheet* labelSheet,
                                                        const SongTagWork& tags,
                                                        DiscSaveSettings& settings) {
    const QString base = discFileBase(disc);
    const QString projectPath = base + QStringLiteral(".txt");
    const QString cuePath = base + QStringLiteral(".cue");
    const QString cdTextPath = base + QStringLiteral(".cdt");
    const QString labelPath = base + QStringLiteral(".csv");
    SaveProgress progress(settings.cd.writeCdText
                              ? QStringList{projectPath, cuePath, cdTextPath, labelPath}
                              : QStringList{projectPath, cuePath, labelPath});
    // The project keeps every row; the disc's files leave out those that are no readable song.
    const TrackRows discRows = discRowsOf(tracks);
    try {
        const QList<QByteArray> projectLines = discProjectLines(disc, tracks);
        const SongTagOutcome tagged =
            writeSongTags(editor_.tagLibrary(), tags.updates, tags.takeProject);
        untaggedSongs_ = tagged.failed;
        progress.tagged(tagged.written);
        writeFileAtomically(projectPath, joinLinesCrLf(projectLines));
        progress.written(projectPath);

        if (!settings.cd.noCut && !discRows[0].isChecked() &&
            AskOkCancel(QStringLiteral("WAVファイルが[無分割]ではないですか"),
                        QStringLiteral("確認")))
            settings.cd.noCut = true;
        bool wavFilesLeftOut = false;
        const QList<DiscTrack> discTrackList =
            discTracks(disc, discRows, settings.cd.noCut, editor_.status(), &wavFilesLeftOut);
        writeCueSheet(cuePath, disc, discRows, {settings.cd.noCut, settings.cd.addGap},
                      editor_.status());
        progress.written(cuePath);
        QString extensions = QStringLiteral(".txt .cue .csv");
        std::optional<QString> cdTextProblem;
        if (settings.cd.writeCdText) {
            cdTextProblem = writeCdTextFile(cdTextPath, disc, discTrackList);
            if (cdTextProblem) {
                progress.leftOut(cdTextPath);
            } else {
                progress.written(cdTextPath);
                extensions += QStringLiteral(" .cdt");
            }
        }
        bool templateInUtf8 = false;
        writeLabelLayout(
            labelPath,
            loadLabelTemplate(settings.programPaths, settings.cd.templateName, &templateInUtf8),
            disc, discRows, labelSheet);

        // The message that WAV files were left out stays on the panel, ahead of the report.
        SaveReport report;
        report.stays = wavFilesLeftOut;
        QStringList& lines = report.lines;
        if (wavFilesLeftOut)
            lines.append(wavFilesLeftOutMessage());
        lines.append(QStringLiteral("保存しました: %1 (%2)").arg(base, extensions));
        lines += tagged.problems;
        if (!tagged.kept.isEmpty())
            lines.append(QStringLiteral("プロジェクトと違うタグはそのまま残しました: ") +
                         tagged.kept.join(QStringLiteral(", ")));
        if (cdTextProblem)
            lines.append(*cdTextProblem);
        if (templateInUtf8)
            lines.append(readAsUtf8Note(settings.cd.templateName));
        return report;
    } catch (const AppError& error) {
        throw progress.stoppedBy(error);
    }
}

} // namespace lccd
