#include "render/PagePicture.h"

#include <QPainter>

namespace lccd {
namespace {

QPen toPen(const PenSpec& spec) {
    QPen pen(spec.color, spec.width, spec.style, Qt::RoundCap, Qt::RoundJoin);
    return pen;
}

QBrush toBrush(const BrushSpec& spec) {
    return spec.clear ? QBrush(Qt::NoBrush) : QBrush(spec.color);
}

struct Replayer {
    QPainter& painter;

    void operator()(const primitive::Line& line) const {
        painter.setPen(toPen(line.pen));
        painter.drawLine(line.from, line.to);
    }

    void operator()(const primitive::Shape& shape) const {
        painter.setPen(toPen(shape.pen));
        painter.setBrush(toBrush(shape.brush));
        const QRectF box = QRectF(shape.corner1, shape.corner2).normalized();
        switch (shape.kind) {
        case primitive::Shape::Kind::Rectangle:
            painter.drawRect(box);
            break;
        case primitive::Shape::Kind::RoundRect:
            painter.drawRoundedRect(box, shape.cornerEllipse.width() / 2.0,
                                    shape.cornerEllipse.height() / 2.0, Qt::AbsoluteSize);
            break;
        case primitive::Shape::Kind::Ellipse:
            painter.drawEllipse(box);
            break;
        }
    }

    void operator()(const primitive::Image& image) const {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(image.target), image.image);
        painter.restore();
    }
};

} // namespace

void PagePicture::replay(QPainter& painter) const {
    painter.save();
    const Replayer replayer{painter};
    for (const Primitive& primitive : primitives_)
        std::visit(replayer, primitive);
    painter.restore();
}

void PagePicture::replayInto(QPainter& painter, const QRectF& frame) const {
    if (nominalSize_.isEmpty())
        return;
    painter.save();
    painter.translate(frame.topLeft());
    painter.scale(frame.width() / nominalSize_.width(), frame.height() / nominalSize_.height());
    replay(painter);
    painter.restore();
}

} // namespace lccd
