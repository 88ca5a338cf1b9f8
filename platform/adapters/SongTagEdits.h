#pragma once

#include "platform/codecs/SongTagFields.h"

#include <taglib/tpropertymap.h>

namespace TagLib {
namespace APE {
class Tag;
}
namespace ASF {
class Tag;
}
namespace ID3v2 {
class Tag;
}
namespace MP4 {
class Tag;
}
} // namespace TagLib

// Song fields changed in the tags of the formats TagLib reads: the given fields only (texts as
// UTF-8 bytes, an empty one removing its field), every other item of the tag left as TagLib
// read it.
namespace lccd {

// ID3v2 text frames are written as UTF-16, which ID3v2.3 and 2.4 both hold and every player
// reads. Only the comment without a description is the song's comment.
void applyChanges(TagLib::ID3v2::Tag& tag, const TagFields& changes);
void applyChanges(TagLib::APE::Tag& tag, const TagFields& changes);
void applyChanges(TagLib::MP4::Tag& tag, const TagFields& changes);
void applyChanges(TagLib::ASF::Tag& tag, const TagFields& changes);

// The song fields of a tag's properties (TagLib's names: TITLE, ARTIST, ...), the first value of
// each, as UTF-8.
TagFields fieldsOf(const TagLib::PropertyMap& properties);

// What a tag's properties read after the changes.
TagLib::PropertyMap withChanges(TagLib::PropertyMap properties, const TagFields& changes);

} // namespace lccd
