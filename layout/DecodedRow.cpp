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
    const QStringList fields = CsvFieldsW(rowLine);
    auto field = [&](int n) { return n <= fields.size() ? fields[n - 1] : QString(); };

    DecodedRow row;
    row.kind = KindOf(field(Field::Id));
    row.print = isYes(field(Field::Print));
    row.guide = row.kind == ItemKind::Rectangle && isYes(field(Field::Screen)) &&
                StripQuotesW(field(Field::Value)).startsWith(kGuideValuePrefix);
    row.x = intOr100(field(Field::Left));
    row.y = intOr100(field(Field::Top));
    row.w = intOr100(field(Field::Width));
    row.h = intOr100(field(Field::Height));
    row.w2 = intOr100(field(Field::Width2));
    row.align = AlignIndex(field(Field::Align));
    row.vertical = isYes(field(Field::Vertical));
    row.spacingText = StripQuotesW(field(Field::LineSpacing));
    row.value = StripQuotesW(field(Field::Value));
    row.face = field(Field::Face);
    row.size = float(std::clamp(parseDecimal(field(Field::Size)).value_or(9.0), -kMaxDecodedPoints,
                                kMaxDecodedPoints));
    row.colour = ColorFromText(field(Field::TextColor), kColorBlack);
    row.fill = ColorFromText(field(Field::FillColor), kColorBlack);
    return row;
}

DecodedRow decodeRow(const LayoutItem& item) {
    return decodeRow(item.toRowLine());
}

} // namespace lccd
