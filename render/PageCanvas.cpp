#include "render/PageCanvas.h"

namespace lccd {

void PageCanvas::lineTo(QPoint point) {
    page_.append(primitive::Line{position_, point, pen_});
    position_ = point;
}

void PageCanvas::shape(primitive::Shape::Kind kind, QPoint corner1, QPoint corner2,
                       QSize cornerEllipse) {
    page_.append(primitive::Shape{kind, corner1, corner2, cornerEllipse, pen_, brush_});
}

void PageCanvas::rectangle(QPoint corner1, QPoint corner2) {
    shape(primitive::Shape::Kind::Rectangle, corner1, corner2, {});
}

void PageCanvas::roundRect(QPoint corner1, QPoint corner2, QSize cornerEllipse) {
    shape(primitive::Shape::Kind::RoundRect, corner1, corner2, cornerEllipse);
}

void PageCanvas::ellipse(QPoint corner1, QPoint corner2) {
    shape(primitive::Shape::Kind::Ellipse, corner1, corner2, {});
}

void PageCanvas::stretchImage(const QRect& target, const QImage& image) {
    page_.append(primitive::Image{target, image});
}

} // namespace lccd
