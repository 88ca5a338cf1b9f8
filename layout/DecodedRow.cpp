#include "layout/DecodedRow.h"

#include "common/MyCommonW.h"
#include "common/Numbers.h"

#include <algorithm>

namespace lccd {
namespace {

int intOr100(const QString& text) {
    return std::clamp(parseIntField(text).value_or(100), -kMaxDecodedCoordinate,
                      kMaxDecodedCoordinate);
}

} // namespace

DecodedRow decodeRow(const QString& rowLine) {
    const LayoutItem fields = LayoutItem::fromRowLine(rowLine);

    DecodedRow row;
    row.kind = itemKindOf(fields.field(Field::Id));
    row.print = isYes(fields.field(Field::Print));
    row.guide = row.kind == ItemKind::Rectangle && isYes(fields.field(Field::Screen)) &&
                StripQuotesW(fields.field(Field::Value)).startsWith(kGuideValuePrefix);
    row.x = intOr100(fields.field(Field::Left));
    row.y = intOr100(fields.field(Field::Top));
    row.w = intOr100(fields.field(Field::Width));
    row.h = intOr100(fields.field(Field::Height));
    row.w2 = intOr100(fields.field(Field::Width2));
    row.align = alignIndex(fields.field(Field::Align));
    row.vertical = isYes(fields.field(Field::Vertical));
    row.spacingText = StripQuotesW(fields.field(Field::LineSpacing));
    row.value = StripQuotesW(fields.field(Field::Value));
    row.face = fields.field(Field::Face);
    row.size = float(std::clamp(parseDecimal(fields.field(Field::Size)).value_or(9.0),
                                -kMaxDecodedPoints, kMaxDecodedPoints));
    row.color = ColorFromText(fields.field(Field::TextColor), kColorBlack);
    row.fill = ColorFromText(fields.field(Field::FillColor), kColorBlack);
    return row;
}

DecodedRow decodeRow(const LayoutItem& item) {
    return decodeRow(item.toRowLine());
}

} // namespace lccd
