#pragma once

#include "layout/DecodedRow.h"
#include "layout/LayoutList.h"
#include "render/LcPrnPrev.h"

namespace lccd {

// The few controls of the main window that a drawing pass reads or switches.
class DrawingPassHost {
public:
    virtual ~DrawingPassHost() = default;

    virtual QStringList paperNames() const = 0; // the paper list's entries
    virtual int selectedPaperIndex() const = 0;
    virtual bool portraitChecked() const = 0;
    virtual int correctionX() const = 0; // print corrections in layout units
    virtual int correctionY() const = 0;
    virtual QString lastProject() const = 0;   // folder for bare image names
    virtual QString programFolder() const = 0; // where the item dialog stores files relative to
    virtual int printerDpiX() const = 0;       // of the last printer refresh
    virtual void showPreviewTab() = 0;
    // The work tab, where a paragraph shows its wrapped text while it is drawn.
    virtual void showWorkTab() = 0;
    virtual void showWorkText(const QString& wrappedText, const QString& face, int points,
                              const QColor& color) = 0;
};

// Turns the layout rows into the surface's page picture: one pass over all rows in list order,
// settings rows applied to the printer, every other row drawn by its kind's routine.
class LayoutDrawingPass {
public:
    LayoutDrawingPass(TLcPrnPrev& surface, DrawingPassHost& host);

    // An error while a row is drawn ends the pass: the page keeps what was drawn before it (and
    // is what shows and prints), and the error is thrown on to the caller.
    void RedrawLayout(const LayoutList& list, bool skipSettingsRows);

    // Draws one row given as a row line.
    void DrawLayoutItem(const QString& line);

private:
    void applySettingsRow(const DecodedRow& row);

    TLcPrnPrev& surface_;
    DrawingPassHost& host_;
};

} // namespace lccd
