#pragma once

#include "platform/codecs/SongTagFields.h"

namespace lccd {

// The 128 bytes of an ID3v1 tag with the given fields changed (texts as UTF-8 bytes): a field
// whose text changes gets it in code page 932, as Japanese taggers store it, cut between whole
// characters to the field's size and padded with NULs; the year its first four bytes; the
// genre its ID3v1 number (255, none, for a name the list lacks). A field whose text reads as
// before keeps its bytes, as does the track number of an ID3v1.1 tag.
QByteArray id3v1WithChanges(const QByteArray& tag, const TagFields& changes);

} // namespace lccd
