#pragma once

#include "cli/CommandLine.h"

namespace lccd {

// image FOLDER -o DISC.wav [--gap]: loads the folder as the CD list editor does and writes the
// disc's audio as one 44.1 kHz 16-bit stereo WAV file with a UTF-8 CUE sheet beside it
// (DISC.cue) marking where each track starts: a disc image any CD-writing program burns.
// --gap puts two seconds of silence before every track. Prints the two paths.
int imageCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
