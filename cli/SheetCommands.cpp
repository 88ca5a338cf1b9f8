#include "cli/SheetCommands.h"

#include "cli/CliText.h"
#include "cli/HeadlessSheet.h"
#include "platform/AppError.h"
#include "platform/QtPrinters.h"
#include "render/PageExport.h"
#include "render/PrintJob.h"

#include <tuple>

namespace lccd {
namespace {

constexpr int kDefaultPngDpi = 300;

// The options every layout command takes besides its own.
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

// Makes the printer of that name current; the built-in PDF printer is no print queue.
void selectPrintQueue(const QString& name) {
    const QStringList names = printers().printerNames();
    QStringList queues = names;
    queues.removeAll(QtPrinterSystem::pdfPrinterName());
    const QString known =
        queues.isEmpty() ? localText("none", "なし") : queues.join(QStringLiteral(", "));
    if (name.isEmpty()) {
        if (names.value(printers().currentIndex()) == QtPrinterSystem::pdfPrinterName())
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
    printers().setCurrentIndex(int(names.indexOf(name)));
}

} // namespace

int RenderCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    addSheetOptions(parser);
    parser.addOptions({valueOption({QStringLiteral("o"), QStringLiteral("output")}),
                       valueOption({QStringLiteral("dpi")})});
    parseCommand(parser, arguments, 1);
    const QString output = parser.value(QStringLiteral("output"));
    const bool png = output.endsWith(QLatin1String(".png"), Qt::CaseInsensitive);
    if (!png && !output.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        throw UsageError(localText("render needs -o FILE ending in .pdf or .png",
                                   "render には -o で .pdf か .png のファイルを指定してください"));
    // The PNG resolution has the range of the main window's export.
    const int dpi = intOption(parser, QStringLiteral("dpi"), 72, 1200, kDefaultPngDpi);
    const SheetOptions options = sheetOptions(parser, context);

    const qsizetype pdfPrinter =
        printers().printerNames().indexOf(QtPrinterSystem::pdfPrinterName());
    if (pdfPrinter >= 0)
        printers().setCurrentIndex(int(pdfPrinter));
    HeadlessSheet sheet(options);
    sheet.load(parser.positionalArguments().first());
    sheet.draw();
    const PagePicture& page = *sheet.surface().currentPage();
    if (png)
        ExportPagePng(page, dpi, output);
    else
        ExportPagePdf(page, output);
    return 0;
}

int PrintCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    addSheetOptions(parser);
    parser.addOptions(
        {valueOption({QStringLiteral("printer")}), valueOption({QStringLiteral("copies")})});
    parseCommand(parser, arguments, 1);
    // The copies box of the main window holds 1 to 999.
    const int copies = intOption(parser, QStringLiteral("copies"), 1, 999, 1);
    const SheetOptions options = sheetOptions(parser, context);
    selectPrintQueue(parser.value(QStringLiteral("printer")));

    HeadlessSheet sheet(options);
    const QString layout = parser.positionalArguments().first();
    sheet.load(layout);
    sheet.draw();
    if (!PrintCopies(sheet.surface(), copies))
        throw AppError(
            localText("%1 could not be printed on %2", "%1 を %2 で印刷できませんでした")
                .arg(layout, printers().printerNames().value(printers().currentIndex())));
    return 0;
}

} // namespace lccd
