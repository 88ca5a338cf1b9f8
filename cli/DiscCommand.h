#pragma once

#include "cli/CommandLine.h"

namespace lccd {

// The exit status of a save that wrote its files but not the tags of some songs.
constexpr int kExitUntagged = 3;

// disc FOLDER [--album T] [--performer P] [--catalog C] [--gap] [--nocut] [--template FILE]
//      [--tags [--overwrite-tags]] [--lossy]: loads the folder as the CD list editor does, sets
// the disc fields given and runs the editor's save command. Where a song's tag differs from the
// loaded project, the song keeps its value unless --overwrite-tags says otherwise. The editor's
// status messages go to the error stream; a check of the save that fails ends the command with
// status 2, songs whose tags could not be written are listed there and end it with status 3.
int discCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
