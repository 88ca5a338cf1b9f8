#pragma once

#include "platform/codecs/SongTagFields.h"

#include <QString>

#include <optional>

// The Vorbis comment of FLAC files and Ogg files (Vorbis, Opus, FLAC in Ogg), read and written
// through TagLib. The song fields are TITLE, ARTIST, ALBUM, COMMENT, DATE and GENRE, keyed here
// by the INFO ids of the same meaning, with their texts as UTF-8 bytes.
namespace lccd {

// The song fields of the file's comment (empty values for fields it lacks): the first value of
// each, the comment taken from DESCRIPTION when there is no COMMENT. Nothing when the file is
// no FLAC or Ogg song that TagLib reads.
std::optional<TagFields> readVorbisCommentFields(const QString& path);

// Replaces the file by a copy whose comment has the given fields changed (an empty value
// removes the field); the comment's other fields and the vendor text keep their values. The
// copy replaces the song only once it reads back with every song field as expected and with
// the same coded audio (sameCodedAudio). The file stays untouched when anything fails.
bool saveVorbisCommentFields(const QString& path, const TagFields& changes);

} // namespace lccd
