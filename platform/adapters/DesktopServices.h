#pragma once

#include "platform/Services.h"
#include "platform/adapters/QtAudioOutput.h"
#include "platform/adapters/QtDesktopShell.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "platform/adapters/SongAdapters.h"

namespace lccd {

// The services as this desktop provides them: what the window program runs on. (lccdtool-cli
// takes its song services from the song module, LoadedSongModule.h.)
struct DesktopServices {
    QtPrinterSystem printers;
    QtFontSystem fonts;
    QtDesktopShell shell;
    SongAdapters songs;
    QtAudioOutput sound;

    Services services() {
        return {
            printers,     fonts,
            shell,        {songs.tags, songs.lengths, songs.decoder, songs.covers, songs.loudness},
            songs.burner, sound};
    }
};

} // namespace lccd
