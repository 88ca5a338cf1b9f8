#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// The decoder of song files on this system: libsndfile for WAV, FLAC, Ogg Vorbis, Opus and
// the other formats it knows, libmpg123 for MP3.
class SongDecoder final : public AudioDecoder {
public:
    std::unique_ptr<AudioStream> open(const QString& path) override;
};

} // namespace lccd
