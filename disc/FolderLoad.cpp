#include "disc/FolderLoad.h"

#include "common/FileHelpers.h"
#include "common/UndecodableNames.h"
#include "disc/AlbumTracks.h"
#include "disc/DiscLog.h"
#include "disc/DiscPaths.h"
#include "disc/DiscProjectReader.h"
#include "disc/PlayingTime.h"
#include "disc/SongFiles.h"
#include "disc/TrackTags.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/FileReplace.h"
#include "platform/codecs/SongContainer.h"
#include "platform/codecs/SongFileProblem.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace lccd {
namespace {

// Music whose format the program does not decode, by its extension.
bool isUnsupportedMusic(const QString& name) {
    static const QStringList extensions = {"mid", "midi", "kar", "rmi", "shn", "ofr", "dff"};
    return extensions.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}

// The folder's song files that cannot be opened because their names are no UTF-8, named as Qt
// shows them.
QStringList songsWithUndecodableNames(const QString& folder) {
    QStringList songs = filesWithUndecodableNames(folder);
    songs.removeIf([](const QString& name) { return !isSongFile(name); });
    return songs;
}

std::optional<QString> projectFileIn(const QString& folder) {
    for (const QString& path : filesWithExtension(folder, QStringLiteral("txt")))
        if (lastPathComponent(path).compare(QLatin1String("readme.txt"), Qt::CaseInsensitive) != 0)
            return path;
    return std::nullopt;
}

// What a load found wrong, told once at its end so that no file goes missing without a word.
class LoadNotes {
public:
    // The file's name, and what is wrong with it when known: the note for a file the tag
    // library cannot read does not name it.
    void unreadable(const QString& path, const QString& problem = QString()) {
        const QString name = lastPathComponent(path);
        unreadable_.append(problem.isEmpty() ? name : QStringLiteral("%1 (%2)").arg(name, problem));
    }

    void undecodable(const QStringList& names) { undecodable_ = names; }

    void estimated(const QString& path) { estimated_.append(lastPathComponent(path)); }

    void tagsUnread(const QString& path) { tagsUnread_.append(lastPathComponent(path)); }

    // The folder's other files that hold music, by their extension or their first bytes.
    void checkOtherFiles(const QString& folder) {
        for (const QString& path : filesWithExtension(folder, QStringLiteral("*.*")))
            if (!isSongFile(path))
                checkOtherFile(path);
    }

    // A file that is not taken as a song: named when it holds music, or when the user chose it.
    void checkOtherFile(const QString& path, bool chosen = false) {
        if (isUnsupportedMusic(path))
            unsupported_.append(lastPathComponent(path));
        else if (songContainerOf(path) != SongContainer::Unknown)
            misnamed_.append(lastPathComponent(path));
        else if (chosen)
            noSongs_.append(lastPathComponent(path));
    }

    void leftOut(int count) { leftOut_ = count; }

    // Names the disc's files cannot store: the project and CUE sheet are in code page 932.
    void checkName(const QString& path) {
        const QString name = composedName(lastPathComponent(path));
        const QString outside = charactersOutsideSjis(name).join(QString());
        if (!outside.isEmpty())
            namesOutside_.append(QStringLiteral("%1 (%2)").arg(name, outside));
    }

    QString text() const {
        QStringList notes;
        // Each list of names under its heading, in this order.
        const auto named = [&notes](const char16_t* heading, const QStringList& names) {
            if (!names.isEmpty())
                notes.append(QString::fromUtf16(heading) + names.join(QStringLiteral(", ")));
        };
        named(u"読み込めなかったファイル: ", unreadable_);
        named(u"ファイル名が UTF-8 ではないため読み込めなかったファイル: ", undecodable_);
        named(u"デコードできないため演奏時間を推定したファイル: ", estimated_);
        named(u"タグを読めないため曲名をファイル名にしたファイル: ", tagsUnread_);
        named(u"対応していない形式のため読み込まなかったファイル: ", unsupported_);
        named(u"曲の拡張子ではないため読み込まなかった音楽ファイル: ", misnamed_);
        named(u"曲のファイルではないため読み込まなかったファイル: ", noSongs_);
        if (leftOut_ > 0)
            notes.append(
                QStringLiteral("%1曲を超えたため、%2個のファイルはリストに入れませんでした")
                    .arg(kTrackRowCount)
                    .arg(leftOut_));
        named(u"ファイル名に保存できない文字があります: ", namesOutside_);
        return notes.join(QStringLiteral(" / "));
    }

private:
    QStringList unreadable_;
    QStringList undecodable_;
    QStringList estimated_;
    QStringList tagsUnread_;
    QStringList unsupported_;
    QStringList misnamed_;
    QStringList noSongs_;
    int leftOut_ = 0;
    QStringList namesOutside_;
};

// A song file of the folder, or a track of an album image in it.
struct FolderSong {
    QString path;
    const AlbumSheet* sheet = nullptr;
    const AlbumTrack* albumTrack = nullptr;
};

// The songs in file-name order, each album image replaced by its tracks.
QList<FolderSong> folderSongs(const QStringList& paths, const QList<AlbumSheet>& sheets) {
    QList<FolderSong> songs;
    for (const QString& path : paths) {
        const auto sheet = std::find_if(sheets.begin(), sheets.end(), [&](const AlbumSheet& s) {
            return s.images.contains(path);
        });
        if (sheet == sheets.end()) {
            songs.append({path});
            continue;
        }
        for (const AlbumTrack& track : sheet->tracks)
            if (track.imagePath == path)
                songs.append({path, &*sheet, &track});
    }
    return songs;
}

// Fills the rows of a disc from song files, telling what went wrong.
class TrackFiller {
public:
    TrackFiller(Disc& disc, const SongReaders& songs, DiscNotes& tagNotes, LoadNotes& notes)
        : disc_(disc), songs_(songs), tagNotes_(tagNotes), notes_(notes) {}

    // Fills the rows from firstRow on; returns the summed seconds of all songs.
    int fill(const QList<FolderSong>& songs, int firstRow) {
        int total = 0;
        for (int i = 0; i < songs.size(); ++i)
            total += songs[i].albumTrack ? fillAlbumTrack(songs[i], firstRow + i)
                                         : fillSong(songs[i].path, firstRow + i);
        notes_.leftOut(int(songs.size()) - (kTrackRowCount - firstRow + 1));
        return total;
    }

private:
    // Fills the row of an album track, songNumber within the list; returns its seconds.
    int fillAlbumTrack(const FolderSong& song, int songNumber) {
        const std::optional<int> seconds = albumTrackSeconds(songs_.decoder, *song.albumTrack);
        if (!seconds)
            notes_.unreadable(song.path, songFileProblem(song.path));
        if (songNumber > kTrackRowCount)
            return seconds.value_or(0);
        TrackRow row = albumTrackRow(*song.sheet, *song.albumTrack);
        row.time = FormatPlayingTime(seconds.value_or(0));
        notes_.checkName(row.fileName);
        disc_.track(songNumber) = row;
        return seconds.value_or(0);
    }

    // Fills the row of a song file, songNumber within the list; returns its seconds.
    int fillSong(const QString& path, int songNumber) {
        const PlayingTime time =
            QueryPlayingTime(songs_.lengths, path).value_or(PlayingTime{0, {}, false});
        TrackTags tags = ReadTrackTags(songs_.tags, path, tagNotes_);
        if (songNumber > kTrackRowCount) {
            qCDebug(lcDisc) << "no row is left for" << path << "- measured only";
            return time.seconds; // measured and read (the notes tell what went wrong), but no row
        }
        const bool tagsRead = !tags.title.isEmpty();
        // A song the tag library cannot read keeps its row, so the list does not end there.
        if (!tagsRead)
            tags.title = QFileInfo(path).completeBaseName();
        // A song whose tags are not read but whose audio is (raw AAC) is no unreadable file.
        if (!time.measured || (!tagsRead && time.estimated))
            notes_.unreadable(path, songFileProblem(path));
        else if (time.estimated)
            notes_.estimated(path);
        else if (!tagsRead)
            notes_.tagsUnread(path);
        notes_.checkName(path);
        TrackRow song;
        setRowTags(song, tags);
        song.fileName = path;
        song.check = QStringLiteral("1");
        song.time = time.text;
        if (isUnreadableSong(time))
            markUnreadableSong(song, songFileProblem(path));
        disc_.track(songNumber) = song;
        return time.seconds;
    }

    Disc& disc_;
    const SongReaders& songs_;
    DiscNotes& tagNotes_;
    LoadNotes& notes_;
};

FolderLoad loadProjectOrSongs(const Disc& current, const QString& folder,
                              const SongReaders& songs) {
    FolderLoad load;
    if (const std::optional<QString> project = projectFileIn(folder)) {
        // The reader takes code page 932, in which the save writes the project again.
        const QByteArray bytes = readWholeFile(*project);
        const bool utf8 = textEncodingOf(bytes) == TextEncoding::Utf8;
        load.disc = discFromProject(
            current, splitLines(utf8 ? toSjis(QString::fromUtf8(withoutUtf8Bom(bytes))) : bytes),
            songs, load.notes);
        if (utf8)
            load.problems = readAsUtf8Note(*project);
        load.projectFile = *project;
        return load;
    }
    const QStringList files = songFilesIn(folder);
    LoadNotes notes;
    notes.undecodable(songsWithUndecodableNames(folder));
    notes.checkOtherFiles(folder);
    if (!files.isEmpty()) {
        Disc disc = current;
        disc.clear();
        const QList<AlbumSheet> sheets = albumSheetsIn(folder);
        takeSheetDiscFields(disc.info, sheets);
        if (disc.info.albumTitle.isEmpty())
            disc.info.albumTitle = QDir(folder).dirName();
        load.loadSeconds =
            TrackFiller(disc, songs, load.notes, notes).fill(folderSongs(files, sheets), 1);
        disc.rememberSongs(1, false);
        load.disc = std::move(disc);
    }
    load.problems = notes.text();
    return load;
}

} // namespace

FolderLoad loadDiscFolder(const Disc& current, const QString& folder, const SongReaders& songs) {
    // A save that a crash interrupted is finished before anything reads the songs.
    const QStringList recovered = recoverInterruptedSaves(folder);
    FolderLoad load = loadProjectOrSongs(current, folder, songs);
    load.recovered = recovered;
    return load;
}

SongsAdded discWithSongFiles(const Disc& current, const QStringList& paths,
                             const SongReaders& songs) {
    SongsAdded added;
    added.disc = current;
    LoadNotes notes;
    added.seconds =
        TrackFiller(added.disc, songs, added.notes, notes).fill(folderSongs(paths, {}), 1);
    added.problems = notes.text();
    return added;
}

SongsAdded discWithAddedSongs(const Disc& current, const QStringList& paths,
                              const SongReaders& songs) {
    SongsAdded added;
    added.disc = current;
    LoadNotes notes;
    QStringList files;
    for (const QString& path : paths) {
        if (isSongFile(path))
            files.append(path);
        else
            notes.checkOtherFile(path, true);
    }
    const int firstRow = songCount(current.tracks) + 1;
    added.seconds =
        TrackFiller(added.disc, songs, added.notes, notes).fill(folderSongs(files, {}), firstRow);
    added.disc.rememberSongs(firstRow, false);
    added.problems = notes.text();
    return added;
}

} // namespace lccd
