#pragma once

#include "cli/CommandLine.h"

namespace lccd {

// disc FOLDER [--album T] [--performer P] [--catalog C] [--gap] [--nocut] [--template FILE]
//      [--tags]: loads the folder as the CD list editor does, sets the disc fields given and
// runs the editor's save command. The editor's status messages go to the error stream; a
// check of the save that fails ends the command with status 2.
int discCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
