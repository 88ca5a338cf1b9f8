#pragma once

#include "platform/codecs/SongTagFields.h"

#include <QString>

#include <optional>

// The tags of the song formats beyond RIFF and the Vorbis comment ones, through TagLib: MP3
// files (an ID3v2 tag, an ID3v1 and an APE tag kept in step), TTA files (an APE tag as FFmpeg
// writes it, else an ID3v2 tag; an ID3v1 tag), AIFF files (an ID3v2 chunk), Monkey's Audio,
// WavPack and Musepack files (an APE tag, an ID3v1 tag), MP4 files (atoms) and WMA files (ASF).
// Song fields are keyed by the INFO ids of the same meaning.
namespace lccd {

// The song fields of a TTA, AIFF, Monkey's Audio, WavPack, Musepack, MP4 or WMA file (empty
// values for fields it lacks), each from the format's own tag (ID3v2, APE, MP4, ASF) or, where
// that lacks it, from the ID3v1 tag. Texts of Unicode tags are given as UTF-8, ID3 texts stored
// as Latin-1 as their bytes. Nothing for any other file, and for one TagLib cannot read.
std::optional<TagFields> readSongTagFields(const QString& path);

// Replaces a file of those formats, or a plain MP3 file, by a copy whose own tag has the given
// fields changed (UTF-8 texts; an empty one removes the field), made when the song has none:
// an ID3v2.3 tag for an MP3 file, which keeps the version it has otherwise (2.2, which TagLib
// cannot write, becomes 2.3; TagLib writes a TTA file's as 2.4); an APE tag for the APE-tag
// formats. A new tag starts with what the song's ID3v1 tag holds. An ID3v1 tag is kept in step
// (id3v1WithChanges). The copy replaces the song only once it reads back with the tag's values as
// expected, its ID3v1 tag as patched and the same audio packets (sameAudioPackets). The file stays
// untouched when anything fails.
bool saveSongTagFields(const QString& path, const TagFields& changes);

} // namespace lccd
