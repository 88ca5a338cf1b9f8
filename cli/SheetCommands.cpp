#include "cli/SheetCommands.h"

#include "cli/CliText.h"
#include "cli/HeadlessSheet.h"
#include "platform/AppError.h"
#include "platform/adapters/LoadedPrintModule.h"
#include "render/PageExport.h"

#include <tuple>

namespace lccd {
namespace {

constexpr int kDefaultPngDpi = 300;

} // namespace

void addSheetOptions(QCommandLineParser& parser) {
    parser.addOptions(
        {valueOption({QStringLiteral("paper")}), QCommandLineOption(QStringLiteral("landscape")),
         QCommandLineOption(QStringLiteral("portrait")), valueOption({QStringLiteral("offset")}),
         valueOption({QStringLiteral("project-folder")})});
}

SheetOptions sheetOptions(const QCommandLineParser& parser, const CliContext& context) {
    SheetOptions options;
    options.programFolder = context.paths.programFolder();
    std::tie(options.offsetX, options.offsetY) = offsetOption(parser);
    options.projectFolder = parser.value(QStringLiteral("project-folder"));
    options.paper = parser.value(QStringLiteral("paper"));
    const bool landscape = parser.isSet(QStringLiteral("landscape"));
    const bool portrait = parser.isSet(QStringLiteral("portrait"));
    if (landscape && portrait)
        throw UsageError(localText("--landscape and --portrait exclude each other",
                                   "--landscape と --portrait は同時に指定できません"));
    if (landscape || portrait)
        options.portrait = portrait;
    return options;
}

void selectPrintQueue(PrinterSystem& printers, const QString& name) {
    const QStringList names = printers.printerNames();
    QStringList queues = names;
    queues.removeAll(PdfPrinter::printerName());
    const QString known =
        queues.isEmpty() ? localText("none", "なし") : queues.join(QStringLiteral(", "));
    if (name.isEmpty()) {
        if (names.value(printers.currentIndex()) == PdfPrinter::printerName())
            throw AppError(
                localText("there is no default printer; name one with --printer (printers: %1)",
                          "既定のプリンターがありません。--printer "
                          "で指定してください（使えるプリンター: %1）")
                    .arg(known));
        return;
    }
    if (!queues.contains(name))
        throw UsageError(localText("there is no printer '%1'; printers: %2",
                                   "プリンター '%1' がありません。使えるプリンター: %2")
                             .arg(name, known));
    printers.setCurrentIndex(int(names.indexOf(name)));
}

bool isPageFile(const QString& path) {
    return path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive) ||
           path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
}

int dpiOption(const QCommandLineParser& parser) {
    // The PNG resolution has the range of the main window's export.
    return intOption(parser, QStringLiteral("dpi"), 72, 1200, kDefaultPngDpi);
}

void selectPdfPrinter(PrinterSystem& printers) {
    // The desktop's printers print into a file without loading the print system.
    if (auto* desktop = dynamic_cast<LoadedPrintModule*>(&printers)) {
        desktop->useFilePrinterOnly();
        return;
    }
    const qsizetype pdfPrinter = printers.printerNames().indexOf(PdfPrinter::printerName());
    if (pdfPrinter >= 0)
        printers.setCurrentIndex(int(pdfPrinter));
}

void writePage(HeadlessSheet& sheet, const QString& path, int dpi, bool withScreenOnly) {
    const PagePicture& page = *sheet.surface().currentPage();
    if (path.endsWith(QLatin1String(".png"), Qt::CaseInsensitive))
        exportPagePng(page, dpi, path, withScreenOnly);
    else
        exportPagePdf(page, path, withScreenOnly);
}

void printSheet(HeadlessSheet& sheet, int copies, const QString& what) {
    PrinterSystem& printers = sheet.surface().printers();
    sheet.document().setCopies(copies);
    if (!sheet.document().print())
        throw AppError(localText("%1 could not be printed on %2", "%1 を %2 で印刷できませんでした")
                           .arg(what, printers.printerNames().value(printers.currentIndex())));
}

int renderCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    addSheetOptions(parser);
    parser.addOptions({valueOption({QStringLiteral("o"), QStringLiteral("output")}),
                       valueOption({QStringLiteral("dpi")}),
                       QCommandLineOption(QStringLiteral("guides"))});
    parseCommand(parser, arguments, 1);
    const QString output = parser.value(QStringLiteral("output"));
    if (!isPageFile(output))
        throw UsageError(localText("render needs -o FILE ending in .pdf or .png",
                                   "render には -o で .pdf か .png のファイルを指定してください"));
    const int dpi = dpiOption(parser);
    const SheetOptions options = sheetOptions(parser, context);

    selectPdfPrinter(context.services.printers);
    HeadlessSheet sheet(options, context.services.printers, context.services.fonts);
    sheet.load(parser.positionalArguments().first());
    sheet.draw();
    writePage(sheet, output, dpi, parser.isSet(QStringLiteral("guides")));
    return 0;
}

int printCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    addSheetOptions(parser);
    parser.addOptions(
        {valueOption({QStringLiteral("printer")}), valueOption({QStringLiteral("copies")})});
    parseCommand(parser, arguments, 1);
    // The copies box of the main window holds 1 to 999.
    const int copies = intOption(parser, QStringLiteral("copies"), 1, 999, 1);
    const SheetOptions options = sheetOptions(parser, context);
    selectPrintQueue(context.services.printers, parser.value(QStringLiteral("printer")));

    HeadlessSheet sheet(options, context.services.printers, context.services.fonts);
    const QString layout = parser.positionalArguments().first();
    sheet.load(layout);
    sheet.draw();
    printSheet(sheet, copies, layout);
    return 0;
}

} // namespace lccd
