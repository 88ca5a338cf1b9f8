#include "layout/LabelGuideRows.h"

#include "layout/DecodedRow.h"

#include "common/Rounding.h"

namespace lccd {
namespace {

// The shapes of field 10.
const QString kRectangle = QStringLiteral("矩形");
const QString kRounded = QStringLiteral("角丸");
const QString kEllipse = QStringLiteral("円");

// A rectangle-kind row (shape 矩形, 角丸 or 円) over the box that shows on screen and does not
// print.
LayoutItem guideRow(const QRectF& box, const QString& shape, int corner, const QString& caption) {
    LayoutItem row;
    row.setField(Field::Id, kindWord(ItemKind::Rectangle));
    row.setField(Field::Screen, yesNo(true));
    row.setField(Field::Print, yesNo(false));
    row.setField(Field::Edit, yesNo(true));
    row.setField(Field::Left, QString::number(layoutUnits(box.left())));
    row.setField(Field::Top, QString::number(layoutUnits(box.top())));
    row.setField(Field::Width, QString::number(layoutUnits(box.right())));
    row.setField(Field::Height, QString::number(layoutUnits(box.bottom())));
    if (corner > 0)
        row.setField(Field::Width2, QString::number(corner));
    row.setField(Field::Align, shape);
    row.setField(Field::Vertical, yesNo(false));
    row.setField(Field::Value, caption);
    row.setField(Field::Face, QStringLiteral("実線"));
    row.setField(Field::Size, QStringLiteral("0.5"));
    row.setField(Field::TextColor, QStringLiteral("clDeepskyblue"));
    row.setField(Field::FillColor, QStringLiteral("clWhite"));
    return row;
}

QRectF circle(const QPointF& centre, double radius) {
    return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

void appendLabel(QList<LayoutItem>& rows, const LabelFrame& frame, const QRectF& box, int number) {
    const QString caption = kGuideValuePrefix + QStringLiteral(" %1").arg(number);
    switch (frame.shape) {
    case LabelShape::Rectangle:
        if (frame.cornerRadius > 0)
            rows.append(guideRow(box, kRounded, layoutUnits(2 * frame.cornerRadius), caption));
        else
            rows.append(guideRow(box, kRectangle, 0, caption));
        break;
    case LabelShape::Round:
    case LabelShape::Ellipse:
        rows.append(guideRow(box, kEllipse, 0, caption));
        break;
    case LabelShape::Disc:
        rows.append(guideRow(circle(box.center(), frame.radius), kEllipse, 0, caption));
        if (frame.hole > 0)
            rows.append(guideRow(circle(box.center(), frame.hole), kEllipse, 0,
                                 caption + QStringLiteral(" 穴")));
        if (box.width() < 2 * frame.radius || box.height() < 2 * frame.radius)
            rows.append(guideRow(box, kRectangle, 0, caption + QStringLiteral(" 枠")));
        break;
    }
}

} // namespace

int layoutUnits(double millimetres) {
    return RoundHalfAway(millimetres * 10);
}

QList<LayoutItem> labelGuideRows(const LabelProduct& product) {
    QList<LayoutItem> rows;
    int number = 0;
    for (const QRectF& box : product.labelBoxes())
        appendLabel(rows, product.frame, box, ++number);
    return rows;
}

} // namespace lccd
