#pragma once

#include "cli/CommandLine.h"
#include "disc/Disc.h"

namespace lccd {

// The disc as the CD list editor holds it once the folder a command names is chosen and loaded,
// its songs read and measured with the context's services. What the load tells (files it could
// not read, lengths only estimated, the totals of a project) goes to the error stream. Throws
// AppError when there is no such folder.
Disc loadFolderForCommand(const QString& folder, CliContext& context);

} // namespace lccd
