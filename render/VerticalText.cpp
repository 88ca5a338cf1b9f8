#include "render/VerticalText.h"

#include <algorithm>
#include <array>

namespace lccd {
namespace {

constexpr std::array<char16_t, 4> kUpperRight = {u'、', u'。', u'，', u'．'};

constexpr std::array<char16_t, 34> kTurned = {
    u'ー', u'～', u'〜', u'─',  u'―',  u'—',  u'…',  u'‥',  u'＝', u'：', u'；', u'＿',
    u'（', u'）', u'「', u'」', u'『', u'』', u'【', u'】', u'〔', u'〕', u'［', u'］',
    u'｛', u'｝', u'〈', u'〉', u'《', u'》', u'〖', u'〗', u'＜', u'＞'};

template <size_t N> bool among(const std::array<char16_t, N>& set, char16_t unit) {
    return std::find(set.begin(), set.end(), unit) != set.end();
}

bool isWide(char16_t unit, int advance, int pixelSize) {
    if (unit < 0x80 || (unit >= 0xFF61 && unit <= 0xFF9F))
        return false;
    return advance * 4 >= pixelSize * 3;
}

} // namespace

primitive::Text::Placement verticalPlacement(char16_t unit, int advance, int pixelSize) {
    using Placement = primitive::Text::Placement;
    if (among(kUpperRight, unit))
        return Placement::UpperRight;
    if (among(kTurned, unit) || !isWide(unit, advance, pixelSize))
        return Placement::Turned;
    return Placement::Upright;
}

} // namespace lccd
