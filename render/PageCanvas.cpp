#include "render/PageCanvas.h"

#include "common/Rounding.h"

namespace lccd {

int PageCanvas::fontSizeInPoints() const {
    return dpiY_ > 0 ? RoundHalfAway(font_.pixelHeight * 72.0 / dpiY_) : 0;
}

void PageCanvas::lineTo(QPoint point) {
    page_.append(primitive::Line{position_, point, pen_}, layer_);
    position_ = point;
}

void PageCanvas::shape(primitive::Shape::Kind kind, QPoint corner1, QPoint corner2,
                       QSize cornerEllipse) {
    page_.append(primitive::Shape{kind, corner1, corner2, cornerEllipse, pen_, brush_}, layer_);
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

void PageCanvas::StretchBitmap(const QRect& target, const QImage& image) {
    page_.append(primitive::Image{target, image}, layer_);
}

void PageCanvas::fillRect(const QRect& rect, const QColor& color) {
    page_.append(primitive::Shape{primitive::Shape::Kind::Rectangle,
                                  rect.topLeft(),
                                  rect.bottomRight() + QPoint(1, 1),
                                  {},
                                  PenSpec{color, 0, Qt::NoPen},
                                  BrushSpec{color, false}},
                 layer_);
}

void PageCanvas::drawCharacter(const primitive::Text& text) {
    page_.append(text, layer_);
}

} // namespace lccd
