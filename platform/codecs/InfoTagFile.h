#pragma once

#include "platform/codecs/Riff.h"
#include "platform/codecs/SongTagFields.h"

#include <QString>

#include <optional>

class QIODevice;

// The RIFF INFO tag of a WAV file (also RF64/BW64) or of an MP3 file in RMP form. Values are
// kept as the bytes they are stored as; a rewrite changes only the fields asked for and copies
// every other chunk and every other INFO field byte for byte.
namespace lccd {

// The song fields of the file's INFO tag (empty values for fields it does not hold), each up to
// its first NUL; nothing when the file is no RIFF file.
std::optional<TagFields> readInfoFields(const QString& path);

// Writes source into out with the given INFO fields changed (an empty value removes its field).
// The result is a well-formed RIFF file whatever the source's sizes were: an audio chunk that a
// streamed or cut-short file left without its true size gets the size of the audio present, and
// the RIFF size covers every chunk.
bool writeWithInfoChanges(QIODevice& source, const RiffLayout& layout, const TagFields& changes,
                          QIODevice& out);

// Whether out is what writeWithInfoChanges makes of source: the same chunks in the same order
// with the same bytes (the audio included), the INFO fields not changed byte for byte as they
// were, the changed ones as asked, and sizes that describe the file.
bool holdsInfoChanges(QIODevice& source, const RiffLayout& layout, const TagFields& changes,
                      QIODevice& out);

// Replaces the file by a copy with the given fields changed, once the copy has been read back
// and checked with holdsInfoChanges. The file stays untouched when anything fails.
bool saveInfoFields(const QString& path, const TagFields& changes);

} // namespace lccd
