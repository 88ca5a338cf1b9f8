#pragma once

#include "platform/adapters/Ebur128Meter.h"
#include "platform/adapters/LibBurnDiscBurner.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibCoverPictures.h"
#include "platform/adapters/TagLibMp3Infp.h"

namespace lccd {

// The services over the song and disc libraries (TagLib, libsndfile, mpg123, FFmpeg, libburn,
// libebur128).
struct SongAdapters {
    TagLibMp3Infp tags;
    HeaderMediaLengths lengths;
    SongDecoder decoder;
    TagLibCoverPictures covers;
    Ebur128Meter loudness;
    LibBurnDiscBurner burner;
};

} // namespace lccd
