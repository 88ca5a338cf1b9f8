#pragma once

#include "cli/CommandLine.h"

namespace lccd {

// burn FOLDER [--drive DEV] [--speed N] [--simulate] [--eject] [--gap] [--nocut]: loads the
// folder as the CD list editor does and burns its disc on the drive (the first one found
// unless --drive names one), with a progress line on the error stream.
int burnCommand(const QStringList& arguments, CliContext& context);

// drives: one line per CD writing drive, its device file, a tab, its vendor and model.
int drivesCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
