#pragma once

#include "platform/SongTagFields.h"

#include <QString>

#include <optional>

namespace lccd {

// The ID3 tags of a plain MP3 file, with their fields keyed by the INFO id of the same meaning.
struct Id3Tags {
    quint32 present = 0; // TagType bits
    TagFields v1;
    TagFields v2;
};

// Nothing when the file holds no MPEG audio frame.
std::optional<Id3Tags> readId3Tags(const QString& path);

} // namespace lccd
