#pragma once

#include "platform/SongTagFields.h"

#include <QString>

#include <optional>

// The RIFF INFO tag of a WAV file or of an MP3 file in RMP form, read and written through
// TagLib. Only the INFO chunk is ever rewritten: the audio data and any other chunk (an ID3v2
// chunk among them) keep their bytes. TagLib's generic tag() of a WAV file is its ID3v2 tag, and
// saving through it would drop the INFO fields, so neither FileRef nor tag() is used here.
namespace lccd {

// The song fields of the INFO tag; nothing when TagLib cannot read the file as RIFF.
std::optional<TagFields> readInfoFields(const QString& path);

// Replaces the file by a copy with the given fields changed (an empty value removes its field).
// The file stays untouched when anything fails, a copy that does not read back with the changes
// included.
bool saveInfoFields(const QString& path, const TagFields& changes);

} // namespace lccd
