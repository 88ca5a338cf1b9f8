#pragma once

#include "platform/codecs/SongTagFields.h"

#include <QString>

#include <optional>

namespace TagLib {
namespace APE {
class Tag;
}
namespace ID3v1 {
class Tag;
}
namespace ID3v2 {
class Tag;
}
} // namespace TagLib

namespace lccd {

// The song fields of one tag, keyed by the INFO id of the same meaning. ID3 texts stored as
// Latin-1 keep their bytes (useRawTagStrings for ID3v1); texts in a Unicode encoding, APE's
// always, are given as UTF-8.
TagFields id3v1Fields(const TagLib::ID3v1::Tag& tag);
TagFields id3v2Fields(const TagLib::ID3v2::Tag& tag);
TagFields apeFields(const TagLib::APE::Tag& tag);

// The tags of a plain MP3 file, with their fields keyed by the INFO id of the same meaning.
// Texts stored as Latin-1 keep their bytes; texts in a Unicode encoding are given as UTF-8.
struct Id3Tags {
    quint32 present = 0; // TagTypeFlags bits of the ID3 tags
    TagFields v1;
    TagFields v2;
    TagFields ape; // an APE tag, as some taggers write in place of ID3
};

// Nothing when the file holds no MPEG audio frame.
std::optional<Id3Tags> readId3Tags(const QString& path);

// The fields of an ID3v2 tag kept in a chunk of a WAV file ("id3 " or "ID3 ", as taggers such as
// mutagen write it). Texts stored as Latin-1 keep their bytes; texts in a Unicode encoding are
// given as UTF-8. Nothing when the bytes hold no ID3v2 tag.
std::optional<TagFields> readId3v2Chunk(const QByteArray& chunkData);

} // namespace lccd
