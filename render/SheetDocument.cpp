#include "render/SheetDocument.h"

#include "render/PrintJob.h"

namespace lccd {

SheetDocument::SheetDocument(SheetSurface& surface) : surface_(surface), pass_(surface) {}

SheetDocument::SheetDocument(SheetSurface& surface, DrawingPassObserver& observer)
    : surface_(surface), pass_(surface, observer) {}

int SheetDocument::refreshPrinter(PrinterInfo& info) {
    const int index = surface_.GetPrinterInfo(info);
    paperNames_ = info.paperNames;
    selectedPaper_ = index;
    portrait_ = info.portrait;
    dpiX_ = info.dpiX;
    return index;
}

void SheetDocument::load(const QStringList& lines, int fieldCount,
                         const std::function<void(const LoadedSettingsRow&)>& settingsRowLoaded) {
    rows_.clear();
    for (const QString& line : lines) {
        const std::optional<LoadedSettingsRow> settingsRow = appendLoadedRow(line, fieldCount);
        if (settingsRow && settingsRowLoaded)
            settingsRowLoaded(*settingsRow);
    }
}

std::optional<LoadedSettingsRow> SheetDocument::appendLoadedRow(const QString& line,
                                                                int fieldCount) {
    const LayoutItem row = LayoutItem::fromRowLine(line, fieldCount);
    rows_.append(row);
    return applySettingsRow(row);
}

void SheetDocument::setRows(const QList<LayoutItem>& rows) {
    rows_.clear();
    for (const LayoutItem& row : rows)
        rows_.append(row);
}

std::optional<LoadedSettingsRow> SheetDocument::applySettingsRow(const LayoutItem& row) {
    const std::optional<LoadedSettingsRow> settingsRow =
        applyLoadedSettingsRow(surface_, paperNames_, row);
    // The orientation follows a settings row that selected its paper.
    if (settingsRow && settingsRow->paperIndex >= 0)
        portrait_ = settingsRow->portrait;
    return settingsRow;
}

SheetInputs SheetDocument::inputs() const {
    SheetInputs inputs;
    inputs.paperNames = paperNames_;
    inputs.selectedPaperIndex = selectedPaper_;
    inputs.portrait = portrait_;
    inputs.correctionX = correctionX();
    inputs.correctionY = correctionY();
    inputs.lastProject = lastProject_;
    inputs.programFolder = programFolder_;
    inputs.printerDpiX = dpiX_;
    inputs.screenDpi = screenDpi_;
    return inputs;
}

void SheetDocument::draw(const LayoutList& rows, bool skipSettingsRows) {
    pass_.RedrawLayout(rows, skipSettingsRows, inputs());
}

bool SheetDocument::print() {
    return PrintCopies(surface_, copies_);
}

} // namespace lccd
