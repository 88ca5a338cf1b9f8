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
    surface_.setHoseiX(options_.offsetX);
    surface_.setHoseiY(options_.offsetY);
    // The installed-font list must exist before the first drawing pass.
    fonts.installedFaces();
    refreshPrinter();
}

void HeadlessSheet::refreshPrinter() {
    PrinterInfo info;
    selectedPaper_ = surface_.GetPrinterInfo(info);
    paperNames_ = info.paperNames;
    portrait_ = info.portrait;
    dpiX_ = info.dpiX;
}

void HeadlessSheet::load(const QString& path) {
    const LayoutFileContent content = readLayoutOrThrow(path);
    list_.clear();
    for (const QString& line : content.rowLines) {
        const std::optional<LoadedSettingsRow> settingsRow =
            appendLoadedRow(list_, surface_, paperNames_, line, content.headerFieldCount);
        // The orientation buttons follow a settings row that selected its paper.
        if (settingsRow && settingsRow->paperIndex >= 0)
            portrait_ = settingsRow->portrait;
    }
    surface_.Title = QFileInfo(path).fileName();
}

void HeadlessSheet::setRows(const QList<LayoutItem>& rows) {
    list_.clear();
    for (const LayoutItem& row : rows)
        list_.append(row);
}

std::optional<HeadlessSheet::Paper> HeadlessSheet::paper() {
    selectChosenPaper();
    const TPaperInfos& table = surface_.paperInfos();
    if (selectedPaper_ < 0 || selectedPaper_ >= table.size())
        return std::nullopt;
    const TPaperInfo& current = table[selectedPaper_];
    const QSize portraitSize(current.PaperWidth, current.PaperHeight);
    return Paper{current.PaperName, portrait_ ? portraitSize : portraitSize.transposed(),
                 portrait_};
}

void HeadlessSheet::draw() {
    const bool paperChosen = !options_.paper.isEmpty() || options_.portrait.has_value();
    if (paperChosen)
        selectChosenPaper();
    pass_.RedrawLayout(list_, paperChosen, inputs());
}

SheetInputs HeadlessSheet::inputs() const {
    SheetInputs inputs;
    inputs.paperNames = paperNames_;
    inputs.selectedPaperIndex = selectedPaper_;
    inputs.portrait = portrait_;
    inputs.correctionX = options_.offsetX;
    inputs.correctionY = options_.offsetY;
    inputs.lastProject = options_.projectFolder;
    inputs.programFolder = options_.programFolder;
    inputs.printerDpiX = dpiX_;
    // Paragraphs wrap as the window on this screen wraps them.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        inputs.screenDpi = qRound(screen->logicalDotsPerInchY());
    return inputs;
}

void HeadlessSheet::selectChosenPaper() {
    refreshPrinter(); // the paper and orientation the layout's settings rows left
    const int index = options_.paper.isEmpty() ? selectedPaper_ : chosenPaperIndex();
    if (index < 0 || index >= paperNames_.size())
        return; // no printer
    const bool portrait = options_.portrait.value_or(portrait_);
    surface_.SelectPaper(paperNames_[index],
                         portrait ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    refreshPrinter();
}

int HeadlessSheet::chosenPaperIndex() const {
    for (qsizetype i = 0; i < paperNames_.size(); ++i)
        if (paperNames_[i].compare(options_.paper, Qt::CaseInsensitive) == 0)
            return int(i);
    // Else as a settings row names it: "b5" finds "B5 (JIS)", "官製ハガキ" the postcard.
    const int found = findLoadedPaperIndex(paperNames_, options_.paper);
    if (found < 0)
        throw UsageError(localText("the printer has no paper '%1'; its papers: %2",
                                   "プリンターに用紙 '%1' がありません。使える用紙: %2")
                             .arg(options_.paper, paperNames_.join(QStringLiteral(", "))));
    return found;
}

} // namespace lccd
