#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// The decoder of song files on this system, chosen by what the file's first bytes announce:
// libsndfile for WAV, FLAC, Ogg Vorbis and Opus, libmpg123 for MP3 (also in RMP form), FFmpeg
// for everything else (MP4/M4A, AIFF, WMA, Monkey's Audio, WavPack, TTA, Musepack, ...).
class SongDecoder final : public AudioDecoder {
public:
    std::unique_ptr<AudioStream> open(const QString& path) override;
};

} // namespace lccd
