#pragma once

#include "platform/AudioDecoder.h"
#include "platform/AudioOutput.h"
#include "platform/CoverPictures.h"
#include "platform/DiscBurner.h"
#include "platform/Fonts.h"
#include "platform/LoudnessMeter.h"
#include "platform/MediaLengths.h"
#include "platform/Mp3Infp.h"
#include "platform/Printer.h"
#include "platform/Shell.h"

namespace lccd {

// What the CD list works with on song files: their tags, their playing times, their audio and
// their cover pictures and their loudness.
struct SongServices {
    Mp3Infp& tags;
    MediaLengths& lengths;
    AudioDecoder& decoder;
    CoverPictures& covers;
    LoudnessMeter& loudness;
};

// The desktop services the program runs on. main() chooses the implementations and hands them
// to the windows and commands, which pass on to each part only what it uses.
struct Services {
    PrinterSystem& printers;
    FontSystem& fonts;
    DesktopShell& shell;
    SongServices songs;
    DiscBurner& burner;
    AudioOutput& sound;
};

} // namespace lccd
