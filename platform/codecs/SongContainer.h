#pragma once

#include <QString>

namespace lccd {

// What kind of song file the first bytes announce, whatever the file's name says.
enum class SongContainer {
    Unknown,  // none of these: the bytes of plain MPEG audio carry no mark
    Wave,     // RIFF, RF64 or BW64 WAVE
    Rmp,      // MP3 in a RIFF "RMP3" file
    Mpeg,     // MPEG audio behind an ID3v2 tag
    Flac,     // also behind an ID3v2 tag
    Ogg,      // Vorbis, Opus, FLAC in Ogg
    Aiff,     // AIFF and AIFF-C
    Mp4,      // MP4, M4A, M4B (AAC, ALAC)
    Asf,      // WMA
    Ape,      // Monkey's Audio, also behind an ID3v2 tag
    WavPack,  //
    Tta,      // True Audio, also behind an ID3v2 tag
    Musepack, // SV7 and SV8
    Adts,     // raw AAC, also behind an ID3v2 tag
    Other,    // another audio container: CAF, AU, Matroska, WAVE64, DSF
};

// Nothing but a read of the file's first bytes (and a seek past an ID3v2 tag); Unknown when it
// cannot be read.
SongContainer songContainerOf(const QString& path);

// The container's name as the user knows it ("AIFF", "MP4", ...); empty for Unknown and
// Other.
QString songContainerName(SongContainer container);

} // namespace lccd
