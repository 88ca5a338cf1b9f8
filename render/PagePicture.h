#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QSize>

#include <variant>
#include <vector>

class QPainter;

// The recorded page: what a drawing pass drew, as a list of primitives in printer pixels
// relative to the printable area. The same list is replayed on the preview (scaled) and on the
// printer (1:1), so the preview is exactly the print.
namespace lccd {

struct PenSpec {
    QColor color = Qt::black;
    int width = 0; // printer pixels; 0 is the thinnest line the device draws
    Qt::PenStyle style = Qt::SolidLine;
    bool operator==(const PenSpec&) const = default;
};

struct BrushSpec {
    QColor color = Qt::white;
    bool clear = false; // no fill
    bool operator==(const BrushSpec&) const = default;
};

namespace primitive {

struct Line {
    QPoint from;
    QPoint to;
    PenSpec pen;
};

// A rectangle, rounded rectangle or ellipse between two corners.
struct Shape {
    enum class Kind { Rectangle, RoundRect, Ellipse };
    Kind kind;
    QPoint corner1;
    QPoint corner2;
    QSize cornerEllipse; // rounded rectangles: width and height of the corner ellipse
    PenSpec pen;
    BrushSpec brush;
};

// A picture stretched into a rectangle, pixels dropped or repeated without blending.
struct Image {
    QRect target;
    QImage image;
};

// One character of text. origin is the top-left corner of its cell; in vertical text, the
// top-left corner of the column where the character starts.
struct Text {
    enum class Placement {
        Horizontal,
        Upright,    // vertical text: standing, centred across the column
        Turned,     // vertical text: turned a quarter clockwise to run along the column
        UpperRight, // vertical text: the comma and full stop, in the upper right of their cell
    };
    QPoint origin;
    QString character;
    Placement placement = Placement::Horizontal;
    QString family;         // the installed family that draws the face
    int pixelSize = 0;      // character height
    int ascent = 0;         // baseline below the cell's top
    int cellHeight = 0;     // across a vertical column
    int advance = 0;        // natural extent along the line
    double widthFactor = 1; // glyphs narrowed along the line by this factor
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    QColor color = Qt::black;
};

} // namespace primitive

using Primitive =
    std::variant<primitive::Line, primitive::Shape, primitive::Image, primitive::Text>;

// Where the drawing pass placed one row: its box in printer pixels of the printable area,
// and the row's position in the list the pass drew.
struct PlacedItem {
    int row = -1;
    QRect box;
};

// The printed page, and above it what rows shown on screen only (guides) drew: the preview shows
// both, printing and exports the page alone unless asked.
enum class PageLayer { Print, ScreenOnly };

class PagePicture {
public:
    // nominalSize: the physical page in printer pixels at dpi; printableOrigin: where the
    // printable area (the origin of the primitives) lies on the page.
    explicit PagePicture(QSize nominalSize = {}, int dpi = 0, QPoint printableOrigin = {})
        : nominalSize_(nominalSize), dpi_(dpi), printableOrigin_(printableOrigin) {}

    QSize nominalSize() const { return nominalSize_; }
    int dpi() const { return dpi_; }
    QPoint printableOrigin() const { return printableOrigin_; }
    const std::vector<Primitive>& primitives() const { return primitives_; }
    const std::vector<Primitive>& screenOnlyPrimitives() const { return screenOnly_; }
    void append(Primitive primitive, PageLayer layer = PageLayer::Print) {
        (layer == PageLayer::Print ? primitives_ : screenOnly_).push_back(std::move(primitive));
    }
    // The rows' boxes in drawing order, so the last one that holds a point lies on top. They
    // are never drawn.
    const std::vector<PlacedItem>& placedItems() const { return placed_; }
    void place(PlacedItem item) { placed_.push_back(item); }

    // Draws the page with the painter's current transformation: one unit is one printer pixel.
    // withScreenOnly: the screen-only layer too, above the page.
    void replay(QPainter& painter, bool withScreenOnly = false) const;

    // Draws the page as the preview shows it, screen-only layer included, at print scale:
    // printer pixel p of the printable area lands on printableTopLeft + scale × p, so every
    // item keeps its place on the paper whatever the printer's margins.
    void replayScaled(QPainter& painter, const QPointF& printableTopLeft, double scale) const;

private:
    QSize nominalSize_;
    int dpi_;
    QPoint printableOrigin_;
    std::vector<Primitive> primitives_;
    std::vector<Primitive> screenOnly_;
    std::vector<PlacedItem> placed_;
};

} // namespace lccd
