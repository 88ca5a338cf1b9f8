#include "layout/RowGeometry.h"

#include <cmath>

namespace lccd {
namespace {

bool isBox(const DecodedRow& row) {
    return row.kind == ItemKind::Image || row.kind == ItemKind::Paragraph;
}

bool isCornerPair(const DecodedRow& row) {
    return row.kind == ItemKind::Rectangle || row.kind == ItemKind::RuleLine;
}

bool isLine(const DecodedRow& row) {
    return row.kind == ItemKind::Text || row.kind == ItemKind::Barcode;
}

int wholeMillimetres(int units) {
    return int(std::lround(units / 10.0)) * 10;
}

// Writes a placing field only when its value changes, so that "0110" or " 15" stay as
// written while the row keeps its place on that axis.
void setNumber(LayoutItem& item, Field field, int value, int decoded) {
    if (value != decoded)
        item.setField(field, QString::number(value));
}

// The span written back into the fields it came from; a rectangle's corners keep their order.
LayoutItem withSpan(const LayoutItem& item, const DecodedRow& row, const RowSpan& span) {
    LayoutItem out = item;
    if (isCornerPair(row)) {
        const bool xInOrder = row.x <= row.w;
        const bool yInOrder = row.y <= row.h;
        setNumber(out, Field::Left, xInOrder ? span.left : span.right, row.x);
        setNumber(out, Field::Width, xInOrder ? span.right : span.left, row.w);
        setNumber(out, Field::Top, yInOrder ? span.top : span.bottom, row.y);
        setNumber(out, Field::Height, yInOrder ? span.bottom : span.top, row.h);
        return out;
    }
    setNumber(out, Field::Left, span.left, row.x);
    setNumber(out, Field::Top, span.top, row.y);
    if (isBox(row)) {
        setNumber(out, Field::Width, span.right - span.left, row.w);
        setNumber(out, Field::Height, span.bottom - span.top, row.h);
    } else if (isLine(row)) {
        setNumber(out, Field::Width, row.vertical ? span.bottom - span.top : span.right - span.left,
                  row.w);
    }
    return out;
}

// An edge moved by d, kept at least one unit beyond its opposite edge.
int movedEdge(int edge, int d, bool snap, int opposite, bool low) {
    int moved = snap ? wholeMillimetres(edge + d) : edge + d;
    return low ? qMin(moved, opposite - 1) : qMax(moved, opposite + 1);
}

} // namespace

RowSpan rowSpan(const DecodedRow& row) {
    if (isCornerPair(row))
        return {qMin(row.x, row.w), qMin(row.y, row.h), qMax(row.x, row.w), qMax(row.y, row.h)};
    if (isBox(row))
        return {row.x, row.y, row.x + row.w, row.y + row.h};
    if (isLine(row))
        return row.vertical ? RowSpan{row.x, row.y, row.x, row.y + row.w}
                            : RowSpan{row.x, row.y, row.x + row.w, row.y};
    return {row.x, row.y, row.x, row.y};
}

QList<Edges> resizeHandles(const DecodedRow& row) {
    if (row.kind == ItemKind::Rectangle || isBox(row))
        return {Edge::Left | Edge::Top,     Edge::Top,    Edge::Right | Edge::Top,   Edge::Right,
                Edge::Right | Edge::Bottom, Edge::Bottom, Edge::Left | Edge::Bottom, Edge::Left};
    if (isLine(row))
        return {row.vertical ? Edges(Edge::Bottom) : Edges(Edge::Right)};
    return {};
}

LayoutItem movedRow(const LayoutItem& item, QPoint delta, bool snap) {
    const DecodedRow row = decodeRow(item);
    if (!row.kind || *row.kind == ItemKind::Settings)
        return item;
    int dx = delta.x();
    int dy = delta.y();
    // The first corner as written is the one snapped, whichever way round a rectangle is.
    if (snap) {
        dx = wholeMillimetres(row.x + dx) - row.x;
        dy = wholeMillimetres(row.y + dy) - row.y;
    }
    RowSpan span = rowSpan(row);
    span = {span.left + dx, span.top + dy, span.right + dx, span.bottom + dy};
    return withSpan(item, row, span);
}

LayoutItem resizedRow(const LayoutItem& item, Edges handle, QPoint delta, bool snap) {
    const DecodedRow row = decodeRow(item);
    if (!resizeHandles(row).contains(handle))
        return item;
    RowSpan span = rowSpan(row);
    const RowSpan before = span;
    if (handle & Edge::Left)
        span.left = movedEdge(before.left, delta.x(), snap, before.right, true);
    if (handle & Edge::Right)
        span.right = movedEdge(before.right, delta.x(), snap, before.left, false);
    if (handle & Edge::Top)
        span.top = movedEdge(before.top, delta.y(), snap, before.bottom, true);
    if (handle & Edge::Bottom)
        span.bottom = movedEdge(before.bottom, delta.y(), snap, before.top, false);
    return withSpan(item, row, span);
}

} // namespace lccd
