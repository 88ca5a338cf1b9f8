#pragma once

#include "platform/Services.h"
#include "platform/adapters/Ebur128Meter.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibCoverPictures.h"
#include "platform/adapters/TagLibMp3Infp.h"

namespace lccd::test {

// The program's own song services, for tests that read, measure and decode real song files:
// TagLib's tags and covers, lengths from the headers and the system's decoders.
struct DesktopSongs {
    TagLibMp3Infp tags;
    HeaderMediaLengths lengths;
    SongDecoder decoder;
    TagLibCoverPictures covers;
    Ebur128Meter loudness;

    SongServices services() { return {tags, lengths, decoder, covers, loudness}; }
};

} // namespace lccd::test
