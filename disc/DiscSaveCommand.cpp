#include "disc/DiscSaveCommand.h"

#include "common/FileHelpers.h"
#include "disc/AlbumTracks.h"
#include "disc/CdText.h"
#include "disc/CueSheet.h"
#include "disc/DiscCodePage.h"
#include "disc/DiscPaths.h"
#include "disc/DiscProject.h"
#include "disc/DiscSongTags.h"
#include "disc/DiscTracks.h"
#include "disc/LabelLayout.h"
#include "disc/SaveQuestions.h"
#include "platform/AppError.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <array>
#include <utility>

namespace lccd {
namespace {

// Song files whose names the disc's files cannot hold stop the save before it writes: a reload
// would not find them again.
bool namesFit(const TrackRows& tracks, SaveQuestions& questions) {
    const QStringList names = namesOutsideCodePage(tracks);
    if (names.isEmpty())
        return true;
    questions.namesDoNotFit(
        QStringLiteral("次の名前には保存できない文字 (Shift-JISにない文字) があるため、"
                       "保存を中止しました。名前を変えてから読み込み直してください。\n") +
        names.join(QLatin1Char('\n')));
    return false;
}

// Other values that would lose characters are written with "?" only when the user agrees.
bool valuesFit(const DiscInfo& disc, const TrackRows& tracks, bool writeLossy,
               SaveQuestions& questions) {
    const QStringList values = valuesOutsideCodePage(disc, tracks);
    if (values.isEmpty() || writeLossy)
        return true;
    return questions.writeLossyValues(
        QStringLiteral("次の項目には保存できない文字 (Shift-JISにない文字) があります。"
                       "「?」に置き換えて保存しますか。\n") +
        values.join(QLatin1Char('\n')));
}

// Why the save cannot begin: a box that must not be blank; nothing when all are filled.
std::optional<QString> blankBox(const DiscInfo& disc) {
    const std::array<std::pair<const QString*, const char16_t*>, 3> checks = {{
        {&disc.discPerformer, u"演者がブランクです"},
        {&disc.folderBoxText, u"読み込みがされていません"},
        {&disc.albumTitle, u"アルバム名が設定されていません"},
    }};
    for (const auto& [text, message] : checks)
        if (trimBlanks(*text).isEmpty())
            return QString::fromUtf16(message);
    return std::nullopt;
}

// An outcome that only says why nothing was written.
DiscSaveOutcome stopped(const QString& message) {
    DiscSaveOutcome outcome;
    outcome.message = message;
    return outcome;
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

DiscSaveOutcome DiscSaveCommand::run(DiscInfo disc, TrackRows tracks, LoadedSongs loadedSongs,
                                     DiscSaveSettings& settings) {
    if (running_)
        return {};
    if (const std::optional<QString> blank = blankBox(disc))
        return stopped(*blank);
    const RunningFlag running(running_);

    std::optional<DiscLabelSheet> labelSheet;
    if (!settings.cd.labelProduct.isEmpty()) {
        if (settings.labelSheets)
            labelSheet = settings.labelSheets(settings.cd.labelProduct);
        if (!labelSheet)
            return stopped(
                QStringLiteral("ラベル用紙 %1 が見つかりません。オプション設定で選び直してください")
                    .arg(settings.cd.labelProduct));
        if (!settings.cd.everyLabel)
            labelSheet->otherLabelCentres.clear();
    }
    if (!namesFit(tracks, questions_) || !valuesFit(disc, tracks, settings.writeLossy, questions_))
        return {};
    // The sheet of an album image that the songs come from is the user's, not the save's.
    const QString cuePath = discFileBase(disc) + QStringLiteral(".cue");
    if (albumSheetsOf(disc.folderPath, tracks).contains(cuePath))
        return stopped(QStringLiteral("CUEシート %1 は曲のアルバムイメージのシートのため、"
                                      "同じ名前では保存できません。アルバム名を変えてください")
                           .arg(lastPathComponent(cuePath)));

    // Every song is read and every question asked before anything is written.
    QList<SongTagUpdate> tagUpdates;
    bool takeProject = settings.projectTags == ProjectTagChoice::UseProject;
    if (settings.cd.setId3Tag) {
        tagUpdates = planSongTags(tags_, disc, discRowsOf(tracks), loadedSongs);
        if (settings.projectTags == ProjectTagChoice::Ask && anyProjectDifference(tagUpdates)) {
            const std::optional<bool> answer =
                questions_.takeProjectTags(projectOverSongsQuestion(tagUpdates));
            if (!answer)
                return {};
            takeProject = *answer;
        }
    }
    untaggedSongs_.clear();
    DiscSaveOutcome outcome;
    SaveReport report = writeFiles(disc, tracks, labelSheet ? &*labelSheet : nullptr,
                                   {tagUpdates, takeProject}, settings, outcome.notes);
    if (labelSheet && !labelSheet->message.isEmpty())
        report.lines.append(labelSheet->message);
    outcome.message = report.lines.join(QStringLiteral(" / "));
    outcome.messageStays = report.stays;
    outcome.labelPath = discFileBase(disc) + QStringLiteral(".csv");
    return outcome;
}

DiscSaveCommand::SaveReport
DiscSaveCommand::writeFiles(const DiscInfo& disc, const TrackRows& tracks,
                            const DiscLabelSheet* labelSheet, const SongTagWork& tags,
                            DiscSaveSettings& settings, DiscNotes& notes) {
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
            writeSongTags(tags_, tags.updates, tags.takeProject, questions_);
        untaggedSongs_ = tagged.failed;
        progress.tagged(tagged.written);
        writeFileAtomically(projectPath, joinLinesCrLf(projectLines));
        progress.written(projectPath);

        if (!settings.cd.noCut && !discRows[0].isChecked() &&
            questions_.folderIsUnsplit(QStringLiteral("WAVファイルが[無分割]ではないですか")))
            settings.cd.noCut = true;
        const QList<DiscTrack> discTrackList = discTracks(disc, discRows, settings.cd.noCut, notes);
        const bool wavFilesLeftOut = notes.contains({DiscNoteKind::WavFilesLeftOut, {}});
        // The sheet lists the same tracks: its notes are those above.
        DiscNotes sameNotes;
        writeCueSheet(cuePath, disc, discRows, settings.cd, sameNotes);
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
            lines.append(discNoteText({DiscNoteKind::WavFilesLeftOut, {}}));
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
