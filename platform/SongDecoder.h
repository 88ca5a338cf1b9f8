#pragma once

#include "platform/AudioDecoder.h"

#include <optional>

namespace lccd {

// The decoder of song files on this system: libsndfile for WAV, FLAC, Ogg Vorbis, Opus and
// the other formats it knows, libmpg123 for MP3.
class SongDecoder final : public AudioDecoder {
public:
    std::unique_ptr<AudioStream> open(const QString& path) override;
};

// A song's playing time in whole milliseconds, truncated, from the number of sample frames the
// decoder delivers; nothing when the file cannot be decoded.
std::optional<qint64> decodedLengthMilliseconds(AudioDecoder& decoder, const QString& path);

} // namespace lccd
