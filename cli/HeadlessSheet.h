#pragma once

#include "layout/LayoutFile.h"
#include "render/SheetDocument.h"
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

// A layout on the current printer without a window: a surface and the document drawn onto it,
// set from the options as the main window sets them from its controls.
class HeadlessSheet {
public:
    // Reads the current printer, as the main window does when it is created.
    HeadlessSheet(const SheetOptions& options, PrinterSystem& printers, FontSystem& fonts);

    // Loads a layout file as "CSV開く" does: each settings row selects its paper at once.
    // Throws AppError when the file cannot be read or is no layout file.
    void load(const QString& path);

    // Uses these rows in place of a layout file.
    void setRows(const QList<LayoutItem>& rows) { document_.setRows(rows); }

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
    SheetDocument& document() { return document_; }

private:
    void refreshPrinter();
    void selectChosenPaper();
    int chosenPaperIndex() const;

    SheetOptions options_;
    SheetSurface surface_;
    SheetDocument document_{surface_};
};

} // namespace lccd
