#pragma once

#include "cdlist/TrackRow.h"

#include <QByteArray>
#include <QString>

#include <array>

// Reading and writing the tags of song files through the tag library (platform/Mp3Infp.h).
namespace lccd {

class StatusPanel;

// The values read or written, numbered as the tag library's callers number them; 1 to 6 are
// also written, in this order.
enum class TagField { Title = 1, Performer, Album, Comment, Year, Genre, Time, Path, FileName };
constexpr int kWrittenTagCount = 6;

// The tag library's version as text ("2.11" for 0x211), or "0.00" when it is older than 2.11
// and cannot be used.
QString LibraryVersionText();

// The value name of a field for the loaded file: WAV files use the plain INFO ids, MP3 files the
// id with "_rmp" (RMP form), "_v2" (an ID3v2 tag) or "_v1" (anything else).
QByteArray tagValueName(TagField field);

// A value of the loaded file, cut before its first control character and to at most 128 bytes
// (never inside a double-byte character).
QByteArray GetTagValue(TagField field);

// Sets a value (fields Title to Genre) of the loaded file for the next save. An MP3 file is
// first given an ID3v1 tag when it has no ID3 tag, and then converted to RMP form, so every
// value written to an MP3 file goes to its RIFF SIF tag. False when that fails or the library
// refuses the value.
bool SetTagValue(TagField field, const QByteArray& text);

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
// shows "Can't Find file", "Too old version of mp3infp" or "Not Music file" on the panel.
TrackTags ReadTrackTags(const QString& path, StatusPanel& status);

// The stored values of a song as bytes, silently; all empty when the song cannot be loaded.
struct TagSet {
    std::array<QByteArray, kWrittenTagCount> written; // Title to Genre, in TagField order
    QByteArray time;

    const QByteArray& operator[](TagField field) const { return written.at(int(field) - 1); }
};
TagSet ReadTagSet(const QString& path);

// Writes the six values into the song at path. With compare on, a song whose stored values all
// equal the given ones byte for byte is not touched. Nothing is written when the song cannot be
// loaded. True when every value was set and the song saved.
bool WriteTrackTags(const QString& path, const TrackTags& tags, bool compare);

} // namespace lccd
