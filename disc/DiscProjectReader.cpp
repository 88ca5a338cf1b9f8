#include "disc/DiscProjectReader.h"

#include "common/Numbers.h"
#include "common/SjisCsv.h"
#include "disc/AlbumTracks.h"
#include "disc/DiscPaths.h"
#include "disc/PlayingTime.h"
#include "disc/TrackTags.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"
#include "platform/codecs/SongFileProblem.h"

#include <array>
#include <cstring>

namespace lccd {
namespace {

struct HeaderKey {
    const char* key;
    void (*apply)(DiscInfo& disc, const QString& value);
};

// Tested in this order; a later line with the same key wins.
const std::array<HeaderKey, 9> kHeaderKeys = {{
    {"SUBTITLE2:", [](DiscInfo& disc, const QString& value) { disc.subtitle2 = value; }},
    {"SUBTITLE1:", [](DiscInfo& disc, const QString& value) { disc.subtitle1 = value; }},
    {"TITLE:", [](DiscInfo& disc, const QString& value) { disc.albumTitle = value; }},
    {"PERFORMER:", [](DiscInfo& disc, const QString& value) { disc.discPerformer = value; }},
    {"DISCID:", [](DiscInfo& disc, const QString& value) { disc.discId = value; }},
    {"CATALOG:", [](DiscInfo& disc, const QString& value) { disc.catalog = value; }},
    {"GENRE:", [](DiscInfo& disc, const QString& value) { disc.chooseGenre(value); }},
    {"DATE:", [](DiscInfo& disc, const QString& value) { disc.releaseYear = value; }},
    // A bare file name stays bare: it is taken relative to the folder where it is used.
    {"JACKET:", [](DiscInfo& disc, const QString& value) { disc.setJacketPath(value); }},
}};

bool isBlankLine(const QByteArray& line) {
    return trimBlanks(line).isEmpty();
}

class ProjectReader {
public:
    ProjectReader(const Disc& current, const SongReaders& songs, DiscNotes& notes)
        : disc_(current), songs_(songs), notes_(notes) {}

    Disc read(const QList<QByteArray>& lines) {
        disc_.clear();
        for (const QByteArray& line : lines)
            if (!isBlankLine(line))
                readLine(line);
        disc_.rememberSongs(1, true);
        return disc_;
    }

private:
    const QString& folder() const { return disc_.info.folderPath; }

    void readLine(const QByteArray& line) {
        if (readHeader(line))
            return;
        // The numbered form is told by the bytes of the stored line: a blank third byte after a
        // decimal number.
        if (line.size() >= 3 && line[2] == ' ') {
            if (parseDecimalField(QString::fromLatin1(line.left(2))).value_or(0) > 0)
                readNumbered(trimBlanks(line));
            return;
        }
        const int songNumber = nextSongNumber_++;
        if (songNumber > kTrackRowCount)
            return;
        disc_.track(songNumber) = CsvFieldCount(line) >= 3 ? csvTrack(line) : plainTrack(line);
    }

    // A value's text, its bytes remembered for the next save.
    QString decode(const QByteArray& bytes) { return disc_.info.spellings.read(bytes); }

    bool readHeader(const QByteArray& line) {
        for (const HeaderKey& header : kHeaderKeys) {
            const qsizetype length = qsizetype(std::strlen(header.key));
            if (line.size() >= length && qstrnicmp(line.constData(), header.key, length) == 0) {
                header.apply(disc_.info, decode(line.mid(length)));
                return true;
            }
        }
        return false;
    }

    enum class Measure { Time, KeepTime };

    // The row takes the song file of that name in the folder, when it exists, with the print
    // check on and (unless told to keep the row's time) its measured playing time; otherwise
    // the check is off. Returns the file's path. A track of an album image in the folder is
    // linked the same way, but has no file of its own to read tags from.
    std::optional<QString> linkSongFile(TrackRow& song, const QString& name,
                                        Measure measure = Measure::Time) {
        if (const std::optional<AlbumTrack> track = albumTrackNamed(folder(), name)) {
            song.check = QStringLiteral("1");
            song.fileName = name;
            if (measure == Measure::Time)
                song.time =
                    FormatPlayingTime(albumTrackSeconds(songs_.decoder, *track).value_or(0));
            return std::nullopt;
        }
        std::optional<QString> path = existingFileInFolder(folder(), name);
        song.check = path ? QStringLiteral("1") : QStringLiteral("0");
        if (path) {
            // A file found under another Unicode composition is named as it lies in the folder.
            song.fileName = *path == pathInFolder(folder(), name) ? name : lastPathComponent(*path);
            const PlayingTime time =
                QueryPlayingTime(songs_.lengths, *path).value_or(PlayingTime{});
            if (isUnreadableSong(time))
                markUnreadableSong(song, songFileProblem(*path));
            else if (measure == Measure::Time)
                song.time = time.text;
        }
        return path;
    }

    TrackTags tagsOf(const QString& path) { return ReadTrackTags(songs_.tags, path, notes_); }

    // Number, time, "title", "performer", "album", year, genre, "file name".
    TrackRow csvTrack(const QByteArray& line) {
        const auto field = [this, &line](int n) { return decode(CsvField(line, n)); };
        TrackRow song;
        song.time = field(2);
        song.title = field(3);
        song.performer = field(4);
        song.album = field(5);
        song.year = field(6);
        song.genre = field(7);
        QString fileName = field(8);
        if (fileName == QLatin1String("\"\""))
            fileName.clear();
        if (trimBlanks(fileName).isEmpty())
            fileName = song.title + QStringLiteral(".wav");
        linkSongFile(song, fileName);
        return song;
    }

    // A song file's name, or a title with an optional playing time in front ("3:45 Song").
    // The line's bytes are cut where its characters would be: a blank, a colon and ".wav" are
    // ASCII and never the second byte of a character.
    TrackRow plainTrack(const QByteArray& line) {
        TrackRow song;
        QByteArray fileName;
        if (line.toLower().contains(".wav")) {
            song.title = decode(line.chopped(4)); // the last four bytes, whatever they hold
            fileName = line;
        } else {
            const qsizetype blank = line.indexOf(' ');
            if (blank > 0 && line.left(blank).contains(':')) {
                song.time = decode(trimBlanks(line.left(blank)));
                song.title = decode(trimBlanks(line.mid(blank + 1)));
            } else {
                song.title = decode(line);
            }
            fileName = line + ".wav";
        }
        linkSongFile(song, decode(fileName));
        return song;
    }

    // A numbered line adds a song after the titled rows at the top, whatever row the track
    // and plain lines have reached.
    void readNumbered(const QByteArray& line) {
        const int songNumber = songCount(disc_.tracks) + 1;
        if (songNumber > kTrackRowCount)
            return;
        if (const std::optional<TrackRow> song = numberedTrack(line))
            disc_.track(songNumber) = *song;
    }

    std::optional<TrackRow> numberedTrack(const QByteArray& line) {
        if (CsvFieldCount(line) >= 7)
            return numberedFieldsTrack(line);
        const QString text = fromSjis(line);
        if (!text.front().isDigit())
            return numberedFileTrack(line);
        return numberedTitleTrack(text);
    }

    // Fields 2 to 8 hold the columns from the playing time to the file name; an existing file
    // gives the tags and the time instead.
    TrackRow numberedFieldsTrack(const QByteArray& line) {
        TrackRow song;
        for (int column = int(TrackColumn::Time); column <= int(TrackColumn::FileName); ++column)
            song.setField(TrackColumn(column), decode(CsvField(line, column)));
        if (const std::optional<QString> path =
                linkSongFile(song, lastPathComponent(song.fileName)))
            setRowTags(song, tagsOf(*path));
        return song;
    }

    // A line such as "+5 Song.wav": the whole line names the song and its file.
    TrackRow numberedFileTrack(const QByteArray& line) {
        TrackRow song;
        song.title = decode(line);
        if (const std::optional<QString> path = linkSongFile(song, song.title))
            setRowTags(song, tagsOf(*path));
        return song;
    }

    // "05 3:45 Title": the number, an optional playing time and the title. The song takes the
    // disc's performer, album, year and genre unless its file (named by the title) has tags.
    std::optional<TrackRow> numberedTitleTrack(const QString& line) {
        const qsizetype numberEnd = line.indexOf(QLatin1Char(' '));
        const QString rest = numberEnd < 0 ? QString() : trimBlanks(line.mid(numberEnd + 1));
        TrackRow song;
        song.title = rest;
        const qsizetype timeEnd = rest.indexOf(QLatin1Char(' '));
        // Only a word with a colon is a playing time; any other first word stays in the title.
        if (timeEnd >= 0 && rest.left(timeEnd).contains(QLatin1Char(':'))) {
            song.time = rest.left(timeEnd);
            song.title = rest.mid(timeEnd + 1);
        }
        if (isTitleEmptyTrimmed(song.title))
            return std::nullopt;
        const DiscInfo& disc = disc_.info;
        song.performer = disc.discPerformer;
        song.album = disc.albumTitle;
        song.year = disc.releaseYear;
        song.genre = disc.genre;
        if (const std::optional<QString> path = linkSongFile(song, song.title, Measure::KeepTime)) {
            const QString title = song.title; // the line's title stays
            setRowTags(song, tagsOf(*path));
            song.title = title;
        }
        return song;
    }

    Disc disc_;
    const SongReaders& songs_;
    DiscNotes& notes_;
    int nextSongNumber_ = 1;
};

} // namespace

Disc discFromProject(const Disc& current, const QList<QByteArray>& lines, const SongReaders& songs,
                     DiscNotes& notes) {
    return ProjectReader(current, songs, notes).read(lines);
}

} // namespace lccd
