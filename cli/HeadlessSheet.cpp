#include "cli/HeadlessSheet.h"

#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "layout/LayoutFile.h"
#include "platform/AppError.h"
#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "render/LoadedSettingsRow.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace lccd {

LayoutFileContent readLayoutOrThrow(const QString& path) {
    LayoutFileRead read = readLayoutFile(path);
    if (read.refusal == LayoutFileRefusal::CannotRead)
        throw AppError(describeLayoutFileRefusal(read, path));
    if (!read.content)
        throw AppError(
            localText("%1 is no layout file: it needs a header line of more than 13 "
                      "fields and at least one row",
                      "ファイル %1 はレイアウトファイルではありません（14 項目以上の見出し行と"
                      "1 行以上の行が要ります）")
                .arg(path));
    return std::move(*read.content);
}

HeadlessSheet::HeadlessSheet(const SheetOptions& options, PrinterSystem& printers,
                             FontSystem& fonts)
    : options_(options), surface_(printers, fonts) {
    document_.setCorrectionX(options_.offsetX);
    document_.setCorrectionY(options_.offsetY);
    document_.setLastProject(options_.projectFolder);
    document_.setProgramFolder(options_.programFolder);
    // Paragraphs wrap as the window on this screen wraps them.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        document_.setScreenDpi(qRound(screen->logicalDotsPerInchY()));
    // The installed-font list must exist before the first drawing pass.
    fonts.installedFaces();
    refreshPrinter();
}

void HeadlessSheet::refreshPrinter() {
    PrinterInfo info;
    document_.refreshPrinter(info);
}

void HeadlessSheet::load(const QString& path) {
    const LayoutFileContent content = readLayoutOrThrow(path);
    document_.load(content.rowLines, content.headerFieldCount);
    surface_.Title = QFileInfo(path).fileName();
}

std::optional<HeadlessSheet::Paper> HeadlessSheet::paper() {
    selectChosenPaper();
    const TPaperInfos& table = surface_.paperInfos();
    const int selected = document_.selectedPaperIndex();
    if (selected < 0 || selected >= table.size())
        return std::nullopt;
    const TPaperInfo& current = table[selected];
    const QSize portraitSize(current.PaperWidth, current.PaperHeight);
    const bool portrait = document_.portrait();
    return Paper{current.PaperName, portrait ? portraitSize : portraitSize.transposed(), portrait};
}

void HeadlessSheet::draw() {
    const bool paperChosen = !options_.paper.isEmpty() || options_.portrait.has_value();
    if (paperChosen)
        selectChosenPaper();
    document_.draw(paperChosen);
}

void HeadlessSheet::selectChosenPaper() {
    refreshPrinter(); // the paper and orientation the layout's settings rows left
    const QStringList& names = document_.paperNames();
    const int index =
        options_.paper.isEmpty() ? document_.selectedPaperIndex() : chosenPaperIndex();
    if (index < 0 || index >= names.size())
        return; // no printer
    const bool portrait = options_.portrait.value_or(document_.portrait());
    surface_.SelectPaper(names[index],
                         portrait ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    refreshPrinter();
}

int HeadlessSheet::chosenPaperIndex() const {
    const QStringList& names = document_.paperNames();
    for (qsizetype i = 0; i < names.size(); ++i)
        if (names[i].compare(options_.paper, Qt::CaseInsensitive) == 0)
            return int(i);
    // Else as a settings row names it: "b5" finds "B5 (JIS)", "官製ハガキ" the postcard.
    const int found = findLoadedPaperIndex(names, options_.paper);
    if (found < 0)
        throw UsageError(localText("the printer has no paper '%1'; its papers: %2",
                                   "プリンターに用紙 '%1' がありません。使える用紙: %2")
                             .arg(options_.paper, names.join(QStringLiteral(", "))));
    return found;
}

} // namespace lccd
