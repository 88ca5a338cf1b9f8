#pragma once

#include "platform/MediaLengths.h"

namespace lccd {

// The playing time of a song file (WAV also in its RF64/BW64 forms, MP3, or MP3 in RMP form) in
// whole milliseconds, truncated; nothing when the file cannot be read as audio. A WAV file is
// measured by the audio it holds, also when its header gives no size or too large a one (a
// file written to a pipe, or cut short). Only headers are read.
std::optional<qint64> mediaLengthMilliseconds(const QString& path);

// Playing times as mediaLengthMilliseconds reads them.
class HeaderMediaLengths final : public MediaLengths {
public:
    std::optional<qint64> milliseconds(const QString& path) override {
        return mediaLengthMilliseconds(path);
    }
};

} // namespace lccd
