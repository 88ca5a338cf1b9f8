#pragma once

#include "disc/DiscNotes.h"
#include "disc/TrackRow.h"

#include <QByteArray>
#include <QString>

#include <array>
#include <optional>

// Reading and writing the tags of song files through the tag library (platform/Mp3Infp.h)
// given; "the loaded file" is the file that library loaded last.
namespace lccd {

class Mp3Infp;

// The values read or written, numbered as the tag library's callers number them; 1 to 6 are
// also written, in this order.
enum class TagField { Title = 1, Performer, Album, Comment, Year, Genre, Time, Path, FileName };
constexpr int kWrittenTagCount = 6;

// The tag library's version as text ("2.11" for 0x211), or "0.00" when it is older than 2.11
// and cannot be used.
QString LibraryVersionText(Mp3Infp& library);

// The value name of a field for the loaded file: every file but an MP3 file uses the plain INFO
// ids, MP3 files the id with "_rmp" (RMP form), "_v2" (an ID3v2 tag) or "_v1" (anything else).
QByteArray tagValueName(Mp3Infp& library, TagField field);

// A value of the loaded file, cut before its first control character and to at most 128 bytes
// (never inside a character). A WAV file whose INFO tag lacks the value gives the one of an ID3v2
// tag kept in one of its chunks; a plain MP3 file whose ID3 tag lacks it, the one of its APE
// tag.
QByteArray GetTagValue(Mp3Infp& library, TagField field);

// The text of a stored tag value: UTF-8 when its bytes read as UTF-8 (readsAsUtf8), code page
// 932 otherwise.
QString tagText(const QByteArray& value);

// Sets a value (fields Title to Genre) of the loaded file for the next save. A plain MP3 file is
// first given an ID3v2 tag when it has none, so its values go to its ID3v2 tag, which every
// player reads; one in RMP form keeps taking them in its RIFF SIF tag. False when that fails or
// the library refuses the value.
bool SetTagValue(Mp3Infp& library, TagField field, const QByteArray& text);

// The tags the CD list shows for a song.
struct TrackTags {
    QString title;
    QString performer;
    QString album;
    QString year;
    QString genre;
    QString comment;

    bool operator==(const TrackTags&) const = default;
};

// Shows the tags in a song row: title, performer, album, year and genre (the row keeps no
// comment).
void setRowTags(TrackRow& row, const TrackTags& tags);

// Loads the song and reads its tags; a missing title becomes the file's name without extension.
// A missing file, an unusable library or a file that is no song leaves every value empty and
// adds a SongFileMissing, TagLibraryTooOld or NotASong note; a folder load names the file and
// what is wrong with it in its summary.
TrackTags ReadTrackTags(Mp3Infp& library, const QString& path, DiscNotes& notes);

// The song's tags as stored, silently, an empty title left empty; nothing when the song cannot be
// loaded.
std::optional<TrackTags> readStoredTags(Mp3Infp& library, const QString& path);

// The stored values of a song as bytes, silently; all empty when the song cannot be loaded.
struct TagSet {
    std::array<QByteArray, kWrittenTagCount> written; // Title to Genre, in TagField order
    QByteArray time;

    const QByteArray& operator[](TagField field) const { return written.at(int(field) - 1); }
};
TagSet ReadTagSet(Mp3Infp& library, const QString& path);

// What writing tags into a song did.
enum class TagWriteResult {
    Unchanged, // every value already read as given: the file was not touched
    Written,
    NoSong,   // no file there, or none the tag library can load
    ReadOnly, // the user may not change the file
    Failed,   // the file keeps what it held
};

// What a tag write would do to a song, worked out before anything is written.
struct TagWritePlan {
    TagWriteResult blocker = TagWriteResult::Written; // NoSong or ReadOnly stop the write
    // The bytes each value gets, in TagField order; nothing for a value that stays as stored.
    std::array<std::optional<QByteArray>, kWrittenTagCount> values;
    // Characters of the changed values that the song's tag encoding cannot hold ("?" in the
    // file), each once.
    QString lostCharacters;

    bool changesAnything() const;
};

// With compare on, a value counts as changed only when it differs from what ReadTrackTags shows
// for the song (so a title taken from the file name is no change); an empty comment always
// leaves the stored one. Changed values are written in the encoding the tag library names for
// the song's tag (TagEncoding). A plain MP3 file without an ID3v2 tag, whose values move into
// the one it is given, gets all six.
TagWritePlan planTrackTags(Mp3Infp& library, const QString& path, const TrackTags& tags,
                           bool compare);

// Writes the six values into the song at path as planTrackTags plans it, leaving every value
// that does not change byte for byte as it was and the whole file untouched when nothing
// changes. The song is replaced only by a copy that reads back with its chunks and unchanged
// values intact.
TagWriteResult WriteTrackTags(Mp3Infp& library, const QString& path, const TrackTags& tags,
                              bool compare);

// A message for the status panel about a write that did not happen as asked (a song the tag
// library cannot load, a read-only song, a failed write); empty for Unchanged and Written.
QString tagWriteProblem(const QString& path, TagWriteResult result);

} // namespace lccd
