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

// Decodes the fields as fieldText gives them, by their Field.
template <typename FieldText> DecodedRow decodeFields(FieldText fieldText) {
    DecodedRow row;
    row.kind = itemKindOf(fieldText(Field::Id));
    row.print = isYes(fieldText(Field::Print));
    row.guide = row.kind == ItemKind::Rectangle && isYes(fieldText(Field::Screen)) &&
                StripQuotesW(fieldText(Field::Value)).startsWith(kGuideValuePrefix);
    row.x = intOr100(fieldText(Field::Left));
    row.y = intOr100(fieldText(Field::Top));
    row.w = intOr100(fieldText(Field::Width));
    row.h = intOr100(fieldText(Field::Height));
    row.w2 = intOr100(fieldText(Field::Width2));
    row.align = alignIndex(fieldText(Field::Align));
    row.vertical = isYes(fieldText(Field::Vertical));
    row.spacingText = StripQuotesW(fieldText(Field::LineSpacing));
    row.value = StripQuotesW(fieldText(Field::Value));
    row.face = fieldText(Field::Face);
    row.size = float(std::clamp(parseDecimal(fieldText(Field::Size)).value_or(9.0),
                                -kMaxDecodedPoints, kMaxDecodedPoints));
    row.color = ColorFromText(fieldText(Field::TextColor), kColorBlack);
    row.fill = ColorFromText(fieldText(Field::FillColor), kColorBlack);
    return row;
}

} // namespace

DecodedRow decodeRow(const QString& rowLine) {
    const LayoutItem fields = LayoutItem::fromRowLine(rowLine);
    return decodeFields([&fields](Field field) -> const QString& { return fields.field(field); });
}

DecodedRow decodeRow(const LayoutItem& item) {
    // The pass reads a held row as the field reader reads the row's line, and stored rows rely
    // on that second read (a value held as 'x' or a%20b draws as x and "a b"). Each field goes
    // through what writing it into the line and reading it back does to it (a field always
    // comes back as one field), without building the line.
    return decodeFields(
        [&item](Field field) { return csvFieldValueW(blankControlCharacters(item.field(field))); });
}

} // namespace lccd
