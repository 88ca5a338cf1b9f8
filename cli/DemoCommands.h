#pragma once

#include "cli/CommandLine.h"

// Commands that give a newcomer a first layout to look at.
namespace lccd {

// demo OUT.csv [--songs N]: writes the demo jacket as a layout file.
int demoCommand(const QStringList& arguments, CliContext& context);

// store LAYOUT.csv INIFILE: stores the layout file's rows as the INI file's stored layout.
int storeCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
