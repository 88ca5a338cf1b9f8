#pragma once

#include "render/SheetHitTest.h"
#include "render/SheetSurface.h"

#include <QWidget>

namespace lccd {

class PreviewEditing;

// The preview control of a label sheet: it shows the recorded page of a sheet surface it
// borrows (whoever draws and prints owns it) on the paper and printable frame, scaled to the
// zoom, and resizes itself to the sheet so that a scroll box around it scrolls over large zoom
// levels.
class TLcPrnPrev : public QWidget {
    Q_OBJECT

public:
    explicit TLcPrnPrev(const SheetSurface& sheet, QWidget* parent = nullptr);
    ~TLcPrnPrev() override;

    const SheetSurface& sheet() const { return sheet_; }
    // What the sheet shows has changed: the control takes its size and paints again.
    void sheetChanged();

    int ZoomScale() const { return zoomScale_; }
    void setZoomScale(int percent); // 25-200; anything else is ignored
    int HoseiX() const { return sheet_.HoseiX(); }
    int HoseiY() const { return sheet_.HoseiY(); }

    // Paints the empty sheet (paper and printable frame) at once, without the picture; the
    // recorded page is kept, and the next paint (a zoom, a pass) shows it again.
    void ClearPreview();

    // The scale from printer pixels to screen pixels at the current zoom.
    double screenScale() const;
    // Where the page's printable area shows on the control, at the current zoom.
    SheetView view() const;

    // Hands the mouse and keys to the editing of the layout, whose selection it draws above
    // the page; null: the preview only shows.
    void setEditing(PreviewEditing* editing);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool event(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void UpdateGeometry();
    void paintSheet(QPainter& painter);
    void paintSelection(QPainter& painter);

    const SheetSurface& sheet_;
    int zoomScale_ = 25;
    // On-screen geometry at the current zoom.
    QSize screenPaper_;
    QPoint screenOffset_;
    QSize screenPrintable_;
    bool showPicture_ = true;
    PreviewEditing* editing_ = nullptr;
    QPointF pointer_; // where the mouse was last seen over the control
};

} // namespace lccd
