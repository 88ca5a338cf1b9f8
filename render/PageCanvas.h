#pragma once

#include "render/PagePicture.h"

namespace lccd {

// The canvas font: the font the next text is drawn in.
struct CanvasFont {
    QString face;
    int charset = 1;     // the platform default until a row sets one
    int pixelHeight = 0; // character height in printer pixels
    QColor color = Qt::black;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

// The recording canvas of a page being drawn. Like a device canvas it keeps a current pen,
// brush and pen position between calls, so a setting one row does not make is inherited from
// an earlier row of the same pass. Coordinates are printer pixels of the printable area.
class PageCanvas {
public:
    // dpiY: the printer's vertical resolution, at which point sizes convert to pixels.
    PageCanvas(PagePicture& page, int dpiY) : page_(page), dpiY_(dpiY) {}

    CanvasFont& font() { return font_; }
    const CanvasFont& font() const { return font_; }
    // The font's size in whole points: its pixel height at the printer's resolution.
    int fontSizeInPoints() const;

    const PenSpec& pen() const { return pen_; }
    void setPenColor(const QColor& color) { pen_.color = color; }
    void setPenWidth(int width) { pen_.width = width; }
    void setPenStyle(Qt::PenStyle style) { pen_.style = style; }

    const BrushSpec& brush() const { return brush_; }
    // Giving the brush a color makes it solid again, as on a device canvas.
    void setBrushColor(const QColor& color) {
        brush_.color = color;
        brush_.clear = false;
    }
    void setBrushClear() { brush_.clear = true; }

    // Where what is drawn next goes: the printed page, or the screen-only layer above it.
    void setLayer(PageLayer layer) { layer_ = layer; }

    QPoint penPosition() const { return position_; }
    void moveTo(QPoint point) { position_ = point; }
    void lineTo(QPoint point);

    void rectangle(QPoint corner1, QPoint corner2);
    void roundRect(QPoint corner1, QPoint corner2, QSize cornerEllipse);
    void ellipse(QPoint corner1, QPoint corner2);
    // The picture copied into target, its pixels dropped or repeated without blending.
    void StretchBitmap(const QRect& target, const QImage& image);
    // A filled rectangle without outline, leaving pen and brush as they are.
    void fillRect(const QRect& rect, const QColor& color);
    void drawCharacter(const primitive::Text& text);
    // Notes where a row was placed.
    void place(const PlacedItem& item) { page_.place(item); }

private:
    void shape(primitive::Shape::Kind kind, QPoint corner1, QPoint corner2, QSize cornerEllipse);

    PagePicture& page_;
    int dpiY_;
    CanvasFont font_;
    PenSpec pen_;
    BrushSpec brush_;
    QPoint position_;
    PageLayer layer_ = PageLayer::Print;
};

} // namespace lccd
