#pragma once

#include "layout/DecodedRow.h"

#include <QFlags>
#include <QList>
#include <QPoint>

// Moving and resizing a row on the sheet. A gesture changes only the fields that place the
// row, written as integers in 0.1 mm; every other field, and a placing field whose value stays
// the same, keeps its text as written.
namespace lccd {

// Where a row lies on the sheet in layout units, as its fields give it: rectangles and rule
// lines between their two corners, images and paragraphs their box, text and barcodes their
// line from (x, y), its length along x (along y when vertical) and no extent across it.
struct RowSpan {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

RowSpan rowSpan(const DecodedRow& row);

// The edges a resize handle moves: one for the middle of a side, two for a corner.
enum class Edge { Left = 1, Top = 2, Right = 4, Bottom = 8 };
Q_DECLARE_FLAGS(Edges, Edge)
Q_DECLARE_OPERATORS_FOR_FLAGS(Edges)

// The handles a row can be resized by: every corner and side of a rectangle, image or
// paragraph box; the end of a text or barcode line; none for a rule line or a settings row.
QList<Edges> resizeHandles(const DecodedRow& row);

// The row moved by delta (layout units). snap: its top-left corner lands on whole millimetres.
// A rectangle or rule line moves both corners.
LayoutItem movedRow(const LayoutItem& item, QPoint delta, bool snap);

// The row with the handle's edges moved by delta; snap: each moved edge lands on whole
// millimetres. An edge stops 0.1 mm short of the opposite one.
LayoutItem resizedRow(const LayoutItem& item, Edges handle, QPoint delta, bool snap);

} // namespace lccd
