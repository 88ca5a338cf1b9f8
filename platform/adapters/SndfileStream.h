#pragma once

#include "platform/AudioDecoder.h"

namespace lccd {

// Opens a song through libsndfile (WAV, FLAC, Ogg Vorbis, Opus and the other formats it
// knows); a file whose header leaves its length open is decoded once to count its frames.
// Gives nothing for a file libsndfile cannot read and for MPEG audio, whose length
// libsndfile takes from an estimate that stops the decoding short of the end.
std::unique_ptr<AudioStream> openSndfileStream(const QString& path);

} // namespace lccd
