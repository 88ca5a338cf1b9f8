#pragma once

#include "layout/DecodedRow.h"
#include "layout/LayoutList.h"
#include "render/SheetSurface.h"

namespace lccd {

// What a drawing pass reads besides the rows: the paper list and its selection, the print
// corrections, the folders that relative file names are found in, and the resolutions it
// measures with. The window fills it from its controls before each pass.
struct SheetInputs {
    QStringList paperNames;
    int selectedPaperIndex = -1;
    bool portrait = true;
    int correctionX = 0; // print corrections in layout units
    int correctionY = 0;
    QString lastProject;   // folder for bare image names
    QString programFolder; // where the item dialog stores files relative to
    int printerDpiX = 0;   // of the last printer refresh
    // The screen resolution a paragraph is wrapped at: its rows break where they break on the
    // work tab, on screen and on paper alike.
    int screenDpi = 96;
};

// What a drawing pass tells whoever shows it as it goes; by default nothing.
class DrawingPassObserver {
public:
    virtual ~DrawingPassObserver() = default;

    // A settings row selected its paper and orientation on the printer.
    virtual void paperSelected() {}
    // The pass ended, with or without an error.
    virtual void passEnded() {}
    // A paragraph is being wrapped; then its wrapped text, in the paragraph's font.
    virtual void paragraphStarted() {}
    virtual void paragraphWrapped(const QString& wrappedText, const QString& face, int points,
                                  const QColor& color) {
        Q_UNUSED(wrappedText)
        Q_UNUSED(face)
        Q_UNUSED(points)
        Q_UNUSED(color)
    }
};

// Turns the layout rows into the surface's page picture: one pass over all rows in list order,
// settings rows applied to the printer, every other row drawn by its kind's routine.
class LayoutDrawingPass {
public:
    explicit LayoutDrawingPass(SheetSurface& surface);
    LayoutDrawingPass(SheetSurface& surface, DrawingPassObserver& observer);

    // An error while a row is drawn ends the pass: the page keeps what was drawn before it (and
    // is what shows and prints), and the error is thrown on to the caller. The rows are those
    // of the list when the pass starts, whatever an observer lets happen to the list meanwhile.
    void RedrawLayout(const LayoutList& list, bool skipSettingsRows, const SheetInputs& inputs);

    // Draws one row given as a row line; listRow, when given, is noted on the page with the
    // row's box.
    void DrawLayoutItem(const QString& line, const SheetInputs& inputs, int listRow = -1);

private:
    void drawRow(DecodedRow row, const SheetInputs& inputs, int listRow);
    void applySettingsRow(const DecodedRow& row, const SheetInputs& inputs);

    SheetSurface& surface_;
    DrawingPassObserver silent_;
    DrawingPassObserver& observer_;
};

} // namespace lccd
