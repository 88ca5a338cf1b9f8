#pragma once

#include "cli/CommandLine.h"
#include "cli/HeadlessSheet.h"

// The commands that draw a layout: render writes the page to a file, print prints it.
namespace lccd {

// The options every command that draws a sheet takes besides its own (--paper, --landscape,
// --portrait, --offset, --project-folder), and what they say.
void addSheetOptions(QCommandLineParser& parser);
SheetOptions sheetOptions(const QCommandLineParser& parser, const CliContext& context);

// Makes the print queue of that name current, or checks that there is a default one when the
// name is empty; the built-in PDF printer is no print queue. Throws UsageError for an unknown
// name, AppError when there is no default printer.
void selectPrintQueue(PrinterSystem& printers, const QString& name);

// Whether -o names a page file: .pdf or .png.
bool isPageFile(const QString& path);
// --dpi N for PNG pictures, 72 to 1200.
int dpiOption(const QCommandLineParser& parser);
// Makes the built-in PDF printer current, so that pages drawn for files do not depend on the
// desktop's printers; the print system is not loaded.
void selectPdfPrinter(PrinterSystem& printers);
// Writes the sheet's drawn page to a .pdf or .png file (dpi for PNG); withScreenOnly adds what
// only the preview shows (label guides).
void writePage(HeadlessSheet& sheet, const QString& path, int dpi, bool withScreenOnly);
// Prints the sheet's drawn page in copies; throws AppError naming `what` when it fails.
void printSheet(HeadlessSheet& sheet, int copies, const QString& what);

// render LAYOUT.csv -o OUT.pdf|OUT.png [--paper NAME] [--landscape|--portrait] [--dpi N]
//        [--offset X,Y] [--project-folder DIR] [--guides]
int renderCommand(const QStringList& arguments, CliContext& context);

// print LAYOUT.csv [--printer NAME] [--copies N] [--paper NAME] [--landscape|--portrait]
//       [--offset X,Y] [--project-folder DIR]
int printCommand(const QStringList& arguments, CliContext& context);

} // namespace lccd
