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

} // namespace primitive

using Primitive = std::variant<primitive::Line, primitive::Shape, primitive::Image>;

class PagePicture {
public:
    // nominalSize: the physical page in printer pixels.
    explicit PagePicture(QSize nominalSize = {}) : nominalSize_(nominalSize) {}

    QSize nominalSize() const { return nominalSize_; }
    const std::vector<Primitive>& primitives() const { return primitives_; }
    void append(Primitive primitive) { primitives_.push_back(std::move(primitive)); }

    // Draws the page with the painter's current transformation: one unit is one printer pixel.
    void replay(QPainter& painter) const;

    // Draws the whole page fitted into frame (its nominal size stretched to the frame).
    void replayInto(QPainter& painter, const QRectF& frame) const;

private:
    QSize nominalSize_;
    std::vector<Primitive> primitives_;
};

} // namespace lccd
