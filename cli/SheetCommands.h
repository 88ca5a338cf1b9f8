#pragma once

#include "cli/CommandLine.h"

// The commands that draw a layout: render writes the page to a file, print prints it.
namespace lccd {

// render LAYOUT.csv -o OUT.pdf|OUT.png [--paper NAME] [--landscape|--portrait] [--dpi N]
//        [--offset X,Y] [--project-folder DIR]
int RenderCommand(const QStringList& arguments, CliContext& context);

// print LAYOUT.csv [--printer NAME] [--copies N] [--paper NAME] [--landscape|--portrait]
//       [--offset X,Y] [--project-folder DIR]
int PrintCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
