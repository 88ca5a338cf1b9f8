#include "cli/LabelCommands.h"

#include "cli/CliText.h"
#include "cli/SheetCommands.h"
#include "layout/CalibrationSheet.h"
#include "layout/LabelDatabase.h"
#include "layout/LayoutFile.h"
#include "platform/AppError.h"
#include "platform/Printer.h"
#include "render/ProductSheet.h"
#include "render/SheetSurface.h"

namespace lccd {
namespace {

// The installed label database; its messages (a file skipped) go to standard error, and a
// missing database stops the command.
LabelDatabase installedDatabase(CliContext& context) {
    LabelDatabase database = loadLabelDatabase(installedLabelTemplatesFolder());
    if (database.products.isEmpty())
        throw AppError(database.messages.join(QLatin1Char('\n')));
    for (const QString& message : database.messages)
        context.err << "lccdtool-cli: " << message << Qt::endl;
    return database;
}

QString outputOption(const QCommandLineParser& parser) {
    return parser.value(QStringLiteral("output"));
}

LayoutItem settingsRow(const HeadlessSheet::Paper& paper) {
    return LayoutItem::fromRowLine(
        QStringLiteral("設定,,,,,,,,,,%1,,%2,,,,").arg(yesNo(paper.portrait), paper.name));
}

} // namespace

int sheetsCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    parser.addOption(QCommandLineOption(QStringLiteral("cd")));
    parseCommand(parser, arguments, kAnyArgumentCount);
    const QString search = parser.positionalArguments().join(QLatin1Char(' '));
    const QString category = parser.isSet(QStringLiteral("cd")) ? kDiscCategory : QString();
    const LabelDatabase database = installedDatabase(context);
    int found = 0;
    for (const LabelProduct& product : database.products) {
        if (!matchesLabelSearch(product, search, category))
            continue;
        ++found;
        context.out << product.brand << '\t' << product.part << '\t' << product.description << '\t'
                    << product.labelCount() << '\t' << product.paperName << '\n';
    }
    context.out.flush();
    if (found > 0)
        return 0;
    context.err << "lccdtool-cli: "
                << localText("no label product matches '%1'", "'%1' に合うラベル用紙はありません")
                       .arg(search)
                << Qt::endl;
    return 1;
}

int sheetCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    parser.addOption(valueOption({QStringLiteral("o"), QStringLiteral("output")}));
    parseCommand(parser, arguments, 1);
    const QString output = outputOption(parser);
    if (output.isEmpty())
        throw UsageError(localText("sheet needs -o GUIDES.csv",
                                   "sheet には -o で書き出す .csv ファイルを指定してください"));
    const QString name = parser.positionalArguments().first();
    const LabelDatabase database = installedDatabase(context);
    const LabelProduct* product = database.find(name);
    if (!product)
        throw UsageError(localText("there is no label product '%1'; 'lccdtool-cli sheets WORD' "
                                   "lists them",
                                   "ラベル用紙 '%1' はありません。'lccdtool-cli sheets 語' で"
                                   "一覧を表示します")
                             .arg(name));
    SheetSurface surface(context.services.printers, context.services.fonts);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    const ProductSheet sheet = productSheetRows(*product, surface.paperInfos());
    if (!sheet.message.isEmpty())
        context.err << "lccdtool-cli: " << sheet.message << Qt::endl;
    writeLayoutFile(output, sheet.rows);
    return 0;
}

int calibrationCommand(const QStringList& arguments, CliContext& context) {
    QCommandLineParser parser;
    addSheetOptions(parser);
    parser.addOptions({valueOption({QStringLiteral("o"), QStringLiteral("output")}),
                       valueOption({QStringLiteral("dpi")}),
                       valueOption({QStringLiteral("printer")}),
                       valueOption({QStringLiteral("copies")})});
    parseCommand(parser, arguments, 0);
    const QString output = outputOption(parser);
    const bool layoutFile = output.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive);
    if (!output.isEmpty() && !layoutFile && !isPageFile(output))
        throw UsageError(localText("calibration writes -o FILE ending in .pdf, .png or .csv",
                                   "calibration の -o には .pdf か .png か .csv のファイルを"
                                   "指定してください"));
    const int dpi = dpiOption(parser);
    const int copies = intOption(parser, QStringLiteral("copies"), 1, 999, 1);
    const SheetOptions options = sheetOptions(parser, context);
    // Printed on a print queue; written as the built-in PDF printer draws it, unless a printer
    // is named whose papers the page should be drawn for.
    if (output.isEmpty() || parser.isSet(QStringLiteral("printer")))
        selectPrintQueue(context.services.printers, parser.value(QStringLiteral("printer")));
    else
        selectPdfPrinter(context.services.printers);

    HeadlessSheet sheet(options, context.services.printers, context.services.fonts);
    const std::optional<HeadlessSheet::Paper> paper = sheet.paper();
    if (!paper)
        throw AppError(localText("there is no printer", "プリンターがありません"));
    QList<LayoutItem> rows = calibrationSheetRows(paper->size, options.offsetX, options.offsetY);
    if (layoutFile) {
        rows.prepend(settingsRow(*paper));
        writeLayoutFile(output, rows);
        return 0;
    }
    sheet.setRows(rows);
    sheet.draw();
    if (output.isEmpty())
        printSheet(sheet, copies, localText("the calibration sheet", "印刷位置調整シート"));
    else
        writePage(sheet, output, dpi, false);
    return 0;
}

} // namespace lccd
