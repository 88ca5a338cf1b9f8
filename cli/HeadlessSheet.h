#pragma once

#include "layout/LayoutFile.h"
#include "layout/LayoutList.h"
#include "render/DrawingPass.h"
#include "render/SheetSurface.h"

#include <optional>

namespace lccd {

// Reads a layout file. Throws AppError when it cannot be read or is no layout file.
LayoutFileContent readLayoutOrThrow(const QString& path);

// What the command line sets in place of the main window's controls.
struct SheetOptions {
    int offsetX = 0; // print corrections, as the offset boxes hold them
    int offsetY = 0;
    QString projectFolder; // for images named without a folder, as the last project
    QString programFolder; // for relative paths, as the window's program folder
    QString paper;         // a paper of the printer in place of the layout's; empty: the layout's
    std::optional<bool> portrait; // the orientation in place of the layout's
};

// A layout on the current printer without a window: the list, the surface and the drawing
// pass, read and driven as the main window drives them.
class HeadlessSheet {
public:
    // Reads the current printer, as the main window does when it is created.
    HeadlessSheet(const SheetOptions& options, PrinterSystem& printers, FontSystem& fonts);

    // Loads a layout file as "CSV開く" does: each settings row selects its paper at once.
    // Throws AppError when the file cannot be read or is no layout file.
    void load(const QString& path);

    // Uses these rows in place of a layout file.
    void setRows(const QList<LayoutItem>& rows);

    // The paper the page is drawn on: the options' paper and orientation when they name one,
    // else the printer's current paper (as a loaded layout's settings rows left it).
    struct Paper {
        QString name;
        QSize size; // 0.1 mm, as fed (turned when landscape)
        bool portrait = true;
    };
    // Nothing without a printer.
    std::optional<Paper> paper();

    // Draws the page. With a paper or an orientation in the options, that paper is selected
    // first and settings rows are skipped, as after a choice in the paper list; otherwise
    // settings rows are applied while drawing. Throws UsageError for a paper the printer lacks.
    void draw();

    SheetSurface& surface() { return surface_; }

private:
    SheetInputs inputs() const;
    void refreshPrinter();
    void selectChosenPaper();
    int chosenPaperIndex() const;

    SheetOptions options_;
    SheetSurface surface_;
    LayoutList list_;
    LayoutDrawingPass pass_{surface_};
    QStringList paperNames_;
    int selectedPaper_ = -1;
    bool portrait_ = true;
    int dpiX_ = 0;
};

} // namespace lccd
