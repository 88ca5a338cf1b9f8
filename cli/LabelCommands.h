#pragma once

#include "cli/CommandLine.h"

// The commands for label products and the print-offset calibration sheet.
namespace lccd {

// sheets [SEARCH...] [--cd]: lists the installed label products that match (maker, part
// number, description, number of labels, paper), one a line, tab-separated.
int sheetsCommand(const QStringList& arguments, CliContext& context);

// sheet "BRAND PART" -o GUIDES.csv: writes the product's settings row and guide rows as a
// layout file, its paper matched against the default printer's papers.
int sheetCommand(const QStringList& arguments, CliContext& context);

// calibration [-o OUT.pdf|OUT.png|OUT.csv] [--printer NAME] [--copies N] [--paper NAME]
//             [--landscape|--portrait] [--offset X,Y] [--dpi N]: prints the calibration
// sheet for the paper, or writes it as a page or a layout file.
int calibrationCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
