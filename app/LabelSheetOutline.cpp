#include "app/LabelSheetOutline.h"

#include <QPainter>
#include <QPainterPath>

namespace lccd {
namespace {

constexpr int kMargin = 8; // pixels around the sheet

// The outline of one label in millimetres.
QPainterPath labelPath(const LabelFrame& frame, const QRectF& box) {
    QPainterPath path;
    switch (frame.shape) {
    case LabelShape::Rectangle:
        path.addRoundedRect(box, frame.cornerRadius, frame.cornerRadius);
        break;
    case LabelShape::Round:
    case LabelShape::Ellipse:
        path.addEllipse(box);
        break;
    case LabelShape::Disc: {
        QPainterPath rim;
        rim.addEllipse(box.center(), frame.radius, frame.radius);
        QPainterPath clip;
        clip.addRect(box);
        path = rim.intersected(clip);
        if (frame.hole > 0) {
            QPainterPath hole;
            hole.addEllipse(box.center(), frame.hole, frame.hole);
            path = path.subtracted(hole);
        }
        break;
    }
    }
    return path;
}

} // namespace

LabelSheetOutline::LabelSheetOutline(QWidget* parent) : QWidget(parent) {
    setMinimumSize(160, 200);
}

void LabelSheetOutline::setProduct(const LabelProduct* product) {
    product_ = product;
    update();
}

void LabelSheetOutline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    if (!product_ || product_->sheetSize.isEmpty())
        return;
    const QSizeF sheet = product_->sheetSize;
    const QRectF room = QRectF(rect()).adjusted(kMargin, kMargin, -kMargin, -kMargin);
    const double scale = std::min(room.width() / sheet.width(), room.height() / sheet.height());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(room.center() - QPointF(sheet.width(), sheet.height()) * scale / 2);
    painter.scale(scale, scale);

    painter.setPen(QPen(palette().windowText(), 0));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(QPointF(0, 0), sheet));
    painter.setPen(QPen(QColor(0, 120, 200), 0));
    painter.setBrush(QColor(200, 230, 255));
    for (const QRectF& box : product_->labelBoxes())
        painter.drawPath(labelPath(product_->frame, box));
}

} // namespace lccd
