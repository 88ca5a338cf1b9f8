#pragma once

#include "render/ItemContext.h"

#include "layout/DecodedRow.h"

#include <QRect>

namespace lccd {

// The box a drawn row occupies, in printer pixels of the printable area: its span on the sheet
// (RowSpan) moved by the print corrections as the pass moves it, and for a text or barcode line
// the character height across the line.
QRect placedBox(const ItemContext& context, const DecodedRow& row);

} // namespace lccd
