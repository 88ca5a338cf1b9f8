#include "app/KindIcons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include <functional>

namespace lccd {
namespace {

QIcon paintIcon(const std::function<void(QPainter&)>& draw) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(40, 40, 40), 1));
    draw(painter);
    painter.end();
    return QIcon(pixmap);
}

} // namespace

QList<QIcon> kindIcons() {
    return {
        // settings: a sheet of paper with a folded corner
        paintIcon([](QPainter& p) {
            QPainterPath sheet;
            sheet.moveTo(3.5, 1.5);
            sheet.lineTo(9.5, 1.5);
            sheet.lineTo(12.5, 4.5);
            sheet.lineTo(12.5, 14.5);
            sheet.lineTo(3.5, 14.5);
            sheet.closeSubpath();
            p.setBrush(Qt::white);
            p.drawPath(sheet);
            p.drawLine(QPointF(9.5, 1.5), QPointF(9.5, 4.5));
            p.drawLine(QPointF(9.5, 4.5), QPointF(12.5, 4.5));
        }),
        // text: a letter A
        paintIcon([](QPainter& p) {
            p.setPen(QPen(QColor(20, 20, 140), 2));
            p.drawLine(QPointF(3, 14), QPointF(8, 2));
            p.drawLine(QPointF(8, 2), QPointF(13, 14));
            p.drawLine(QPointF(5, 10), QPointF(11, 10));
        }),
        // rectangle
        paintIcon([](QPainter& p) {
            p.setBrush(QColor(250, 230, 120));
            p.drawRect(QRectF(2.5, 4.5, 11, 8));
        }),
        // rule line
        paintIcon([](QPainter& p) {
            p.setPen(QPen(QColor(90, 90, 90), 2));
            p.drawLine(QPointF(2, 13), QPointF(14, 3));
        }),
        // image: a landscape picture
        paintIcon([](QPainter& p) {
            p.setBrush(QColor(170, 210, 250));
            p.drawRect(QRectF(1.5, 2.5, 13, 11));
            p.setBrush(QColor(60, 150, 60));
            p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(7, 7), QPointF(11, 13)}));
            p.setBrush(QColor(240, 200, 40));
            p.drawEllipse(QPointF(11, 6), 1.5, 1.5);
        }),
        // paragraph: lines of text
        paintIcon([](QPainter& p) {
            for (int y : {3, 6, 9, 12})
                p.drawLine(QPointF(2, y + 0.5), QPointF(y == 12 ? 9 : 14, y + 0.5));
        }),
        // barcode: bars of three heights
        paintIcon([](QPainter& p) {
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            const int tops[] = {3, 3, 6, 6, 3, 6, 3, 3};
            const int bottoms[] = {13, 10, 13, 10, 13, 10, 10, 13};
            for (int i = 0; i < 8; ++i)
                p.drawRect(QRectF(1 + i * 2, tops[i], 1, bottoms[i] - tops[i]));
        }),
    };
}

} // namespace lccd
