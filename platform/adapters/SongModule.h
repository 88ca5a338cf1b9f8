#pragma once

#include "platform/Services.h"

// The song module, lccdtool-songs.so: SongAdapters in a library of its own, which lccdtool-cli
// loads only when a command reads songs or burns a disc, so that its other commands start
// without loading TagLib, libsndfile, mpg123, FFmpeg, libburn and libebur128 (and what they
// load).
namespace lccd {

struct SongModuleServices {
    SongServices songs;
    DiscBurner& burner;
};

} // namespace lccd

// The module's one entry: its services, made on the first call and kept while the program runs.
extern "C" const lccd::SongModuleServices* lccdSongModuleServices();
