#pragma once

#include "platform/Services.h"
#include "platform/adapters/LibBurnDiscBurner.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/QtDesktopShell.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibMp3Infp.h"

namespace lccd {

// The services as this desktop provides them: what the program and its command line run on.
// The printers are read from the print system as the object is made.
struct DesktopServices {
    QtPrinterSystem printers;
    QtFontSystem fonts;
    QtDesktopShell shell;
    TagLibMp3Infp tags;
    HeaderMediaLengths lengths;
    SongDecoder decoder;
    LibBurnDiscBurner burner;

    Services services() { return {printers, fonts, shell, {tags, lengths, decoder}, burner}; }
};

} // namespace lccd
