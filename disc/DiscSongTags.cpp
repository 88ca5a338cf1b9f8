#include "disc/DiscSongTags.h"

#include "disc/DiscInfo.h"
#include "disc/DiscLog.h"
#include "disc/DiscPaths.h"
#include "disc/DiscProject.h"
#include "disc/SaveQuestions.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"

#include <QFileInfo>
#include <QMimeDatabase>

#include <algorithm>
#include <array>

namespace lccd {
namespace {

// The row's columns that are tags, with their names in the grid.
struct SongField {
    QString TrackRow::*column;
    QString TrackTags::*tag;
    const char16_t* name;
};
constexpr std::array<SongField, 5> kSongFields = {{
    {&TrackRow::title, &TrackTags::title, u"曲名"},
    {&TrackRow::performer, &TrackTags::performer, u"演者"},
    {&TrackRow::album, &TrackTags::album, u"アルバム"},
    {&TrackRow::year, &TrackTags::year, u"年"},
    {&TrackRow::genre, &TrackTags::genre, u"ジャンル"},
}};

// The project holds values trimmed and in code page 932, so a song's value read back from it
// is the trimmed value with "?" (or a look-alike) for the characters code page 932 lacks.
bool sameValue(const QString& value, const QString& songValue) {
    return value == songValue || value == trimBlanks(fromSjis(toSjis(songValue)));
}

// Whether tags would change anything in a song that shows these: an empty comment leaves the
// stored one.
bool changesSong(const TrackTags& tags, const TrackTags& shown) {
    const bool fieldChanged =
        std::any_of(kSongFields.begin(), kSongFields.end(),
                    [&](const SongField& field) { return tags.*field.tag != shown.*field.tag; });
    return fieldChanged || (!tags.comment.isEmpty() && tags.comment != shown.comment);
}

QString songPath(const DiscInfo& disc, const TrackRow& row) {
    const QString name = trimBlanks(row.fileName);
    return existingFileInFolder(disc.folderPath, name)
        .value_or(songFilePath(disc.folderPath, name));
}

bool anyEdited(const TrackRow& row, const LoadedSong* loaded) {
    return !loaded ||
           std::any_of(kSongFields.begin(), kSongFields.end(), [&](const SongField& field) {
               return row.*field.column != loaded->row.*field.column;
           });
}

std::optional<SongTagUpdate> planSong(Mp3Infp& library, const QString& path, const TrackRow& row,
                                      const LoadedSong* loaded, const QString& jacket) {
    SongTagUpdate update{path, {}, {}, {}, false};
    const std::optional<TrackTags> stored = readStoredTags(library, path);
    if (!stored) {
        // Nothing is known of the song's values: only the user's edits are worth a word.
        update.unreadable = anyEdited(row, loaded);
        return update.unreadable ? std::optional(update) : std::nullopt;
    }
    TrackTags shown = *stored;
    if (shown.title.isEmpty())
        shown.title = QFileInfo(path).completeBaseName(); // as the list shows an untitled song
    shown.comment.clear();
    update.keepingSongs = shown;
    update.takingProject = shown;
    for (const SongField& field : kSongFields) {
        const QString& value = row.*field.column;
        if (sameValue(value, shown.*field.tag))
            continue;
        const bool edited = !loaded || loaded->row.*field.column != value;
        const bool seeds =
            !edited && loaded->fromProject && !value.isEmpty() && ((*stored).*field.tag).isEmpty();
        if (edited || seeds) {
            update.keepingSongs.*field.tag = value;
            update.takingProject.*field.tag = value;
        } else if (loaded->fromProject && !value.isEmpty()) {
            update.takingProject.*field.tag = value;
            update.differingFields.append(QString::fromUtf16(field.name));
        }
    }
    if (!jacket.isEmpty() && (stored->comment.isEmpty() || isImageFileName(stored->comment))) {
        update.keepingSongs.comment = jacket;
        update.takingProject.comment = jacket;
    }
    shown.comment = stored->comment;
    if (!changesSong(update.keepingSongs, shown) && !changesSong(update.takingProject, shown))
        return std::nullopt;
    return update;
}

QString differenceLine(const SongTagUpdate& update) {
    return QStringLiteral("%1 (%2)").arg(lastPathComponent(update.path),
                                         update.differingFields.join(QStringLiteral(", ")));
}

} // namespace

QList<SongTagUpdate> planSongTags(Mp3Infp& library, const DiscInfo& disc, const TrackRows& tracks,
                                  const LoadedSongs& loaded) {
    const QString jacket = lastPathComponent(disc.jacketPath);
    const int count = projectTrackCount(tracks);
    QList<SongTagUpdate> updates;
    for (int songNumber = 1; songNumber <= count; ++songNumber) {
        const TrackRow& row = tracks[size_t(songNumber - 1)];
        const QString path = songPath(disc, row);
        if (!QFileInfo(path).isFile())
            continue;
        const auto found = loaded.constFind(row.fileName);
        const LoadedSong* asLoaded = found == loaded.cend() ? nullptr : &*found;
        if (std::optional<SongTagUpdate> update = planSong(library, path, row, asLoaded, jacket))
            updates.append(*update);
    }
    return updates;
}

bool anyProjectDifference(const QList<SongTagUpdate>& updates) {
    return std::any_of(updates.begin(), updates.end(), [](const SongTagUpdate& update) {
        return !update.differingFields.isEmpty();
    });
}

QString projectOverSongsQuestion(const QList<SongTagUpdate>& updates) {
    QStringList lines;
    for (const SongTagUpdate& update : updates)
        if (!update.differingFields.isEmpty())
            lines.append(differenceLine(update));
    return QStringLiteral("次の曲のタグは、読み込んだプロジェクトの内容と違います。\n") +
           lines.join(QLatin1Char('\n')) +
           QStringLiteral("\n\nプロジェクトの内容で曲のタグを書き換えますか。\n"
                          "「はい」: プロジェクトの内容で書き換えます\n"
                          "「いいえ」: 曲のタグをそのまま残します\n"
                          "「キャンセル」: 保存を中止します");
}

bool isImageFileName(const QString& comment) {
    static const QMimeDatabase mimeTypes;
    const QString name = trimBlanks(comment);
    return !name.isEmpty() && mimeTypes.mimeTypeForFile(name, QMimeDatabase::MatchExtension)
                                  .name()
                                  .startsWith(QLatin1String("image/"));
}

SongTagOutcome writeSongTags(Mp3Infp& library, const QList<SongTagUpdate>& updates,
                             bool takeProject, SaveQuestions& questions) {
    SongTagOutcome outcome;
    for (const SongTagUpdate& update : updates) {
        const TagWriteResult result =
            update.unreadable
                ? TagWriteResult::NoSong
                : WriteTrackTags(library, update.path,
                                 takeProject ? update.takingProject : update.keepingSongs, true);
        if (const QString problem = tagWriteProblem(update.path, result); !problem.isEmpty()) {
            outcome.failed.append(update.path);
            outcome.problems.append(problem);
        } else if (result == TagWriteResult::Written) {
            outcome.written.append(update.path);
        } else if (result == TagWriteResult::Unchanged) {
            qCDebug(lcDisc) << "the tags of" << update.path << "hold the values: left untouched";
        }
        if (!takeProject && !update.differingFields.isEmpty())
            outcome.kept.append(differenceLine(update));
        // Every song tried is told, whatever came of it, so that the window keeps up during a
        // long save.
        if (QFileInfo(update.path).isFile())
            questions.songTried();
    }
    return outcome;
}

} // namespace lccd
