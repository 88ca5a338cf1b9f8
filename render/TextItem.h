#pragma once

#include "layout/DecodedRow.h"
#include "render/ItemContext.h"

namespace lccd {

// A text row: one line in the row's face (or its fallback, "ＭＳ ゴシック" unless the face
// field names one after a "|"), at the row's size and color, with the print corrections.
void drawTextRow(const ItemContext& context, const DecodedRow& row);

} // namespace lccd
