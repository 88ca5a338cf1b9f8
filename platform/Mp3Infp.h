#pragma once

#include "platform/Service.h"

#include <QByteArray>
#include <QString>

// The song tag library: reads and writes the tags of WAV and MP3 files. It works on one loaded
// file at a time; GetType, mp3_GetTagType, GetValue and SetValue refer to the file of the last
// successful Load. Values are named by a tag id and a suffix for the kind of tag they live in:
//   "INAM" "IART" "IPRD" "ICMT" "ICRD" "IGNR"  RIFF INFO of a WAV file
//   the same with "_rmp"                        RIFF INFO of an MP3 file in RMP form (RIFF SIF)
//   the same with "_v2" / "_v1"                 ID3v2 / ID3v1 tag of an MP3 file (read only)
//   the same with "_id3"                        ID3v2 tag in a chunk of a WAV file (read only;
//                                               Unicode texts as UTF-8)
//   "PATH", "FILE", "TIME"                      folder, name without extension, playing time
//                                               as minutes and seconds ("3:25")
// Tag values are bytes in code page 932, passed through as stored; "PATH" and "FILE" are in the
// file system's encoding (QFile::encodeName), since they name files.
namespace lccd {

// Bits of the tag-type word of a loaded MP3 file.
namespace TagType {
constexpr quint32 Id3v1 = 0x1;
constexpr quint32 Id3v2 = 0x2;
constexpr quint32 RiffSif = 0x4;
} // namespace TagType

// Kinds of loaded file that GetType reports.
namespace SongFileType {
constexpr int None = 0;
constexpr int Mp3 = 1; // also an MP3 in RMP form
constexpr int Wav = 2;
} // namespace SongFileType

class Mp3Infp {
public:
    virtual ~Mp3Infp() = default;

    // The library version: 0x211 is version 2.11.
    virtual quint32 GetVer() = 0;
    // 0 when the file was loaded and its values can be read. A failed load leaves no file loaded.
    virtual int Load(const QString& path) = 0;
    virtual int GetType() = 0;
    // The TagType bits of the loaded MP3 file, including tags made since the load.
    virtual quint32 mp3_GetTagType() = 0;
    // The value's text; empty when the value is absent.
    virtual QByteArray GetValue(const QByteArray& name) = 0;
    // Holds a value for the next Save; 0 on success.
    virtual int SetValue(const QByteArray& name, const QByteArray& value) = 0;
    // Writes the held values into the loaded file, which path must name; 0 on success.
    virtual int Save(const QString& path) = 0;
    // Give the MP3 file at path an empty ID3v1 tag, or convert it into RMP form; success shows in
    // mp3_GetTagType, and each returns 0 on success. path must name the loaded MP3 file: any
    // other file is refused, so that nothing but the loaded song is ever changed.
    virtual int mp3_MakeId3v1(const QString& path) = 0;
    virtual int mp3_MakeRMP(const QString& path) = 0;
};

inline Mp3Infp& mp3infp() {
    return Service<Mp3Infp>::current();
}

} // namespace lccd
