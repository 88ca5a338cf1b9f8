#pragma once

#include <QByteArray>
#include <QString>

// The pictures song files carry in their tags.
namespace lccd {

class CoverPictures {
public:
    virtual ~CoverPictures() = default;

    // The bytes of the song's front cover as the tag stores them (a JPEG or PNG file, as a
    // rule): an ID3v2 APIC frame, a FLAC PICTURE block, an Ogg METADATA_BLOCK_PICTURE comment
    // of type "Cover (front)", else of type "Other", which many taggers give the one picture
    // they embed; an MP4 file's first "covr" picture. Empty when the song has none or cannot be
    // read.
    virtual QByteArray frontCover(const QString& path) = 0;
};

} // namespace lccd
