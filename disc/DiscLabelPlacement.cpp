#include "disc/DiscLabelPlacement.h"

#include "common/MyCommonW.h"
#include "layout/DecodedRow.h"

#include <algorithm>
#include <cmath>

namespace lccd {
namespace {

QRect between(int x1, int y1, int x2, int y2) {
    return QRect(QPoint(std::min(x1, x2), std::min(y1, y2)),
                 QPoint(std::max(x1, x2), std::max(y1, y2)));
}

// Rectangles and rule lines name their second corner; every other kind a length.
bool placedByTwoCorners(ItemKind kind) {
    return kind == ItemKind::Rectangle || kind == ItemKind::RuleLine;
}

// A field that places a row, with the number it is to hold.
struct PlacingField {
    Field field;
    int value;
};

// Where a field stands among the spans of a row line.
qsizetype spanIndex(Field field) {
    return fieldNumber(field) - 1;
}

// The row line with its placing fields moved by shift. A line too short to hold them, or one
// where a placing field runs straight into the next (a closing quote with no separator after
// it, so that a number put in its place would merge with that field), is written again whole.
QString moved(const QString& line, const DecodedRow& row, QPoint shift) {
    QList<PlacingField> fields = {{Field::Left, row.x + shift.x()},
                                  {Field::Top, row.y + shift.y()}};
    if (placedByTwoCorners(*row.kind))
        fields += {{Field::Width, row.w + shift.x()}, {Field::Height, row.h + shift.y()}};
    const QList<FieldSpan> spans = csvFieldSpansW(line);
    const auto runsIntoNext = [&](const PlacingField& placing) {
        const qsizetype index = spanIndex(placing.field);
        return index + 1 < spans.size() &&
               spans[index].start + spans[index].length == spans[index + 1].start;
    };
    if (spans.size() <= spanIndex(fields.last().field) ||
        std::any_of(fields.cbegin(), fields.cend(), runsIntoNext)) {
        LayoutItem item = LayoutItem::fromRowLine(line);
        for (const PlacingField& placing : fields)
            item.setField(placing.field, QString::number(placing.value));
        return item.toRowLine();
    }
    QString result = line;
    // From the last field back, so that the spans before it stay where they are.
    for (auto placing = fields.crbegin(); placing != fields.crend(); ++placing) {
        const FieldSpan& span = spans[spanIndex(placing->field)];
        result.replace(span.start, span.length, QString::number(placing->value));
    }
    return result;
}

} // namespace

std::optional<QRect> rowExtent(const QString& rowLine) {
    const DecodedRow row = decodeRow(rowLine);
    if (!row.kind)
        return std::nullopt;
    switch (*row.kind) {
    case ItemKind::Settings:
        return std::nullopt;
    case ItemKind::Rectangle:
    case ItemKind::RuleLine:
        return between(row.x, row.y, row.w, row.h);
    case ItemKind::Image:
    case ItemKind::Paragraph:
        return between(row.x, row.y, row.x + row.w, row.y + row.h);
    case ItemKind::Text:
    case ItemKind::Barcode: {
        const int length = row.align == Align::JustifyEx ? row.w2 : row.w;
        return row.vertical ? between(row.x, row.y, row.x, row.y + length)
                            : between(row.x, row.y, row.x + length, row.y);
    }
    }
    return std::nullopt;
}

std::optional<QRect> discLabelArea(const QStringList& rowLines) {
    std::optional<QRect> drawing;
    for (const QString& line : rowLines)
        if (const std::optional<QRect> extent = rowExtent(line))
            drawing = drawing ? drawing->united(*extent) : *extent;
    if (!drawing)
        return std::nullopt;
    const int side =
        std::min(drawing->right() - drawing->left(), drawing->bottom() - drawing->top());
    return QRect(drawing->topLeft(), drawing->topLeft() + QPoint(side, side));
}

QStringList placeDiscLabel(const QStringList& rowLines, const QPointF& labelCentre) {
    const std::optional<QRect> area = discLabelArea(rowLines);
    if (!area)
        return {};
    const double half = (area->right() - area->left()) / 2.0;
    const QPointF areaCentre(area->left() + half, area->top() + half);
    const QPoint shift(int(std::lround(labelCentre.x() - areaCentre.x())),
                       int(std::lround(labelCentre.y() - areaCentre.y())));
    QStringList placed;
    for (const QString& line : rowLines) {
        const std::optional<QRect> extent = rowExtent(line);
        if (extent && area->contains(*extent))
            placed.append(moved(line, decodeRow(line), shift));
    }
    return placed;
}

} // namespace lccd
