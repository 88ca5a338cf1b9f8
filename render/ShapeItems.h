#pragma once

#include "layout/DecodedRow.h"
#include "render/ItemContext.h"

namespace lccd {

// A rectangle row: 幅 and 高 are the second corner; 配置 chooses a plain rectangle, 角丸 (corner
// ellipse 幅２ wide and high) or 円; a white fill means outline only.
void drawRectangleRow(const ItemContext& context, const DecodedRow& row);

// A rule line row from (左, 上) to (幅, 高).
void drawRuleLineRow(const ItemContext& context, const DecodedRow& row);

} // namespace lccd
