#pragma once

#include "layout/DecodedRow.h"
#include "render/ItemContext.h"

namespace lccd {

// A customer barcode row, at (左, 上) moved by the print corrections. With its barcode font
// installed the value is drawn as text in that font; without it the bars are drawn directly,
// in the same box and alignment.
void drawBarcodeRow(const ItemContext& context, const DecodedRow& row);

} // namespace lccd
