#include "render/PagePicture.h"

#include <QPainter>

namespace lccd {
namespace {

QPen toPen(const PenSpec& pen) {
    return QPen(pen.color, pen.width, pen.style, Qt::RoundCap, Qt::RoundJoin);
}

QBrush toBrush(const BrushSpec& brush) {
    return brush.clear ? QBrush(Qt::NoBrush) : QBrush(brush.color);
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

    void operator()(const primitive::Text& text) const;

    void operator()(const primitive::Image& image) const {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(QRectF(image.target), image.image);
        painter.restore();
    }
};

void Replayer::operator()(const primitive::Text& text) const {
    using Placement = primitive::Text::Placement;
    QFont font(text.family);
    font.setPixelSize(qMax(1, text.pixelSize));
    font.setBold(text.bold);
    font.setItalic(text.italic);
    font.setUnderline(text.underline);
    font.setStrikeOut(text.strikeOut);
    painter.save();
    painter.setFont(font);
    painter.setPen(text.color);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(text.origin);
    switch (text.placement) {
    case Placement::Horizontal:
        painter.scale(text.widthFactor, 1);
        painter.drawText(QPointF(0, text.ascent), text.character);
        break;
    case Placement::Turned:
        painter.translate(text.cellHeight, 0);
        painter.rotate(90);
        painter.scale(text.widthFactor, 1);
        painter.drawText(QPointF(0, text.ascent), text.character);
        break;
    case Placement::UpperRight:
        painter.translate(text.advance / 2.0, -text.advance / 2.0);
        [[fallthrough]];
    case Placement::Upright:
        painter.scale(1, text.widthFactor);
        painter.drawText(QRectF(0, 0, text.cellHeight, text.advance), Qt::AlignCenter,
                         text.character);
        break;
    }
    painter.restore();
}

} // namespace

void PagePicture::replay(QPainter& painter, bool withScreenOnly) const {
    painter.save();
    const Replayer replayer{painter};
    for (const Primitive& primitive : primitives_)
        std::visit(replayer, primitive);
    if (withScreenOnly)
        for (const Primitive& primitive : screenOnly_)
            std::visit(replayer, primitive);
    painter.restore();
}

void PagePicture::replayScaled(QPainter& painter, const QPointF& printableTopLeft,
                               double scale) const {
    if (scale <= 0)
        return;
    painter.save();
    painter.translate(printableTopLeft);
    painter.scale(scale, scale);
    replay(painter, true);
    painter.restore();
}

} // namespace lccd
