#pragma once

#include <QByteArray>
#include <QString>

// The song tag library: reads and writes the tags of song files. It works on one loaded file
// at a time; GetType, mp3_GetTagType, GetValue, SetValue and writeEncoding refer to the file of
// the last successful Load. Values are named by a tag id and a suffix for the kind of tag they
// live in:
//   "INAM" "IART" "IPRD" "ICMT" "ICRD" "IGNR"  RIFF INFO of a WAV file, the Vorbis comment
//                                               (TITLE, ARTIST, ALBUM, COMMENT, DATE, GENRE)
//                                               of a FLAC, Ogg Vorbis or Opus file, or the
//                                               own tag of another format (SongFileType::Tagged)
//   the same with "_rmp"                        RIFF INFO of an MP3 file in RMP form (RIFF SIF)
//   the same with "_v2"                         ID3v2 tag of a plain MP3 file, where values are
//                                               written (an ID3v1 tag is kept in step)
//   the same with "_v1"                         ID3v1 tag of an MP3 file (read only)
//   the same with "_ape"                        APE tag of an MP3 file (read only)
//   the same with "_id3"                        ID3v2 tag in a chunk of a WAV file (read only)
//   "PATH", "FILE", "TIME"                      folder, name without extension, playing time
//                                               as minutes and seconds ("3:25")
// Tag values are bytes passed through as stored: RIFF INFO and ID3 texts stored as Latin-1 keep
// their bytes (code page 932 as Japanese taggers write them), texts stored in a Unicode
// encoding (Vorbis comments, APE, MP4, ASF, Unicode ID3v2 frames) are given as UTF-8. "PATH"
// and "FILE" are in the file system's encoding (QFile::encodeName), since they name files.
namespace lccd {

// Bits of the tag-type word of a loaded MP3 file.
namespace TagTypeFlags {
constexpr quint32 Id3v1 = 0x1;
constexpr quint32 Id3v2 = 0x2;
constexpr quint32 RiffSif = 0x4;
} // namespace TagTypeFlags

// Kinds of loaded file that GetType reports.
namespace SongFileType {
constexpr int None = 0;
constexpr int Mp3 = 1; // also an MP3 in RMP form
constexpr int Wav = 2;
constexpr int VorbisComment = 3; // FLAC, Ogg Vorbis, Opus: tagged with a Vorbis comment
// MP4/M4A, WMA, Monkey's Audio, WavPack, TTA, Musepack, AIFF: tagged with their own tags (MP4
// atoms, ASF, APE, ID3v2, ID3v1)
constexpr int Tagged = 4;
} // namespace SongFileType

// How the texts given to SetValue must be encoded for the loaded file.
enum class TagEncoding { CodePage932, Utf8 };

class Mp3Infp {
public:
    virtual ~Mp3Infp() = default;

    // The library version: 0x211 is version 2.11.
    virtual quint32 GetVer() = 0;
    // 0 when the file was loaded and its values can be read. A failed load leaves no file loaded.
    virtual int Load(const QString& path) = 0;
    virtual int GetType() = 0;
    // The tag-type word (TagTypeFlags) of the loaded MP3 file, including tags made since the load.
    virtual quint32 mp3_GetTagType() = 0;
    // The value's text; empty when the value is absent.
    virtual QByteArray GetValue(const QByteArray& name) = 0;
    // The encoding the loaded file's tag takes new values in: a RIFF INFO tag is UTF-8 when one
    // of its song values already is, else code page 932; every other tag is UTF-8.
    virtual TagEncoding writeEncoding() = 0;
    // Holds a value for the next Save; 0 on success.
    virtual int SetValue(const QByteArray& name, const QByteArray& value) = 0;
    // Writes the held values into the loaded file, which path must name; 0 on success.
    virtual int Save(const QString& path) = 0;
    // Give the plain MP3 file at path an empty ID3v2 tag (ID3v2.3) for its values; success shows
    // in mp3_GetTagType, and it returns 0 on success. The file itself changes with the next
    // Save, together with the values, so that a failure leaves it as it was. path must name the
    // loaded MP3 file: any other file is refused, so that nothing but the loaded song is ever
    // changed.
    virtual int makeId3v2(const QString& path) = 0;
};

} // namespace lccd
