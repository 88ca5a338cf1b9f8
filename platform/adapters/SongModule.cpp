#include "platform/adapters/SongModule.h"

#include "platform/adapters/SongAdapters.h"

const lccd::SongModuleServices* lccdSongModuleServices() {
    static lccd::SongAdapters adapters;
    static const lccd::SongModuleServices services{
        {adapters.tags, adapters.lengths, adapters.decoder, adapters.covers, adapters.loudness},
        adapters.burner};
    return &services;
}
