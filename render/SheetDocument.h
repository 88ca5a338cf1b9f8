#pragma once

#include "layout/LayoutList.h"
#include "render/DrawingPass.h"
#include "render/LoadedSettingsRow.h"
#include "render/SheetSurface.h"

#include <functional>
#include <optional>

namespace lccd {

// What a label sheet is drawn from, without any window: the rows, the printer's papers with the
// chosen one and its orientation, the print corrections, the copies and the folders relative
// file names are found in. The main window shows it in its controls and the command line sets
// it from its options; both draw it onto a surface they own.
class SheetDocument {
public:
    explicit SheetDocument(SheetSurface& surface);
    SheetDocument(SheetSurface& surface, DrawingPassObserver& observer);

    LayoutList& rows() { return rows_; }
    const LayoutList& rows() const { return rows_; }

    // Reads the current printer again: its papers, which of them is current and the
    // orientation. Returns GetPrinterInfo's index (-1 without a printer).
    int refreshPrinter(PrinterInfo& info);
    const QStringList& paperNames() const { return paperNames_; }
    int selectedPaperIndex() const { return selectedPaper_; }
    void setSelectedPaperIndex(int index) { selectedPaper_ = index; }
    bool portrait() const { return portrait_; }
    void setPortrait(bool portrait) { portrait_ = portrait; }

    // The print corrections in layout units, handed on to the surface as they change.
    int correctionX() const { return surface_.HoseiX(); }
    void setCorrectionX(int units) { surface_.setHoseiX(units); }
    int correctionY() const { return surface_.HoseiY(); }
    void setCorrectionY(int units) { surface_.setHoseiY(units); }

    // How many copies print prints.
    void setCopies(int copies) { copies_ = copies; }

    // The folder bare image names are found in (the last project), the one relative paths
    // are found in (the program's), and the screen resolution paragraphs wrap at.
    void setLastProject(const QString& folder) { lastProject_ = folder; }
    void setProgramFolder(const QString& folder) { programFolder_ = folder; }
    void setScreenDpi(int dpi) { screenDpi_ = dpi; }

    // Replaces the rows by the row lines of a layout, each of fieldCount fields, as
    // appendLoadedRow appends them; each settings row is told to settingsRowLoaded.
    void load(const QStringList& lines, int fieldCount,
              const std::function<void(const LoadedSettingsRow&)>& settingsRowLoaded = {});
    // Appends a row line of fieldCount fields; a settings row takes effect as it joins (see
    // applySettingsRow).
    std::optional<LoadedSettingsRow> appendLoadedRow(const QString& line, int fieldCount);
    void setRows(const QList<LayoutItem>& rows);
    // What a settings row does as it joins the rows: the paper it names is selected, and the
    // orientation follows. Nothing for any other row.
    std::optional<LoadedSettingsRow> applySettingsRow(const LayoutItem& row);

    // One drawing pass of the rows (or of other rows, drawn as these would be) onto the surface.
    void draw(bool skipSettingsRows) { draw(rows_, skipSettingsRows); }
    void draw(const LayoutList& rows, bool skipSettingsRows);
    // Prints the last drawn page in the copies; false when a job failed or nothing was drawn.
    bool print();

private:
    // What a drawing pass reads besides the rows.
    SheetInputs inputs() const;

    SheetSurface& surface_;
    LayoutDrawingPass pass_;
    LayoutList rows_;
    QStringList paperNames_;
    int selectedPaper_ = -1;
    bool portrait_ = true;
    int dpiX_ = 0;
    int copies_ = 1;
    QString lastProject_;
    QString programFolder_;
    int screenDpi_ = 96;
};

} // namespace lccd
