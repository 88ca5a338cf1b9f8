#pragma once

#include <QColor>
#include <QString>

#include <span>

class QPalette;

// Colour words of layout rows: named colours, system colours and numbers, and the colour
// value they stand for (0x00BBGGRR, red in the low byte).
namespace lccd {

using ColorValue = quint32;

constexpr ColorValue kColorNone = 0x1FFFFFFF;
constexpr ColorValue kColorBlack = 0x00000000;
constexpr ColorValue kColorWhite = 0x00FFFFFF;
constexpr ColorValue kSystemColorBase = 0x80000000;
constexpr int kSystemColorCount = 25;

constexpr ColorValue systemColor(int index) {
    return kSystemColorBase + ColorValue(index);
}
constexpr bool isSystemColor(ColorValue value) {
    return value >= kSystemColorBase && value < kSystemColorBase + kSystemColorCount;
}

struct NamedColor {
    const char16_t* name;
    ColorValue value;
};

// The 151 named colours in table order (the basic sixteen among them).
std::span<const NamedColor> namedColors();

// The 25 system colour names; index i stands for systemColor(i).
std::span<const char16_t* const> systemColorNames();

// The colour a text stands for: a named or system colour (with or without "cl", any letter
// case), or a number (decimal, or hexadecimal after "$" or "0x"); anything else, and 0,
// give defaultColor.
ColorValue ColorFromText(const QString& text, ColorValue defaultColor);

// A colour text read the way the item edit dialog's colour pickers read it: empty gives
// emptyColor; one of the sixteen basic names, a system colour name or "clNone" (any case) its
// colour; anything else must be a decimal or "$"-hexadecimal integer, else AppError
// "'%s' は整数ではありません".
ColorValue PickerColorFromText(const QString& text, ColorValue emptyColor);

// The sixteen basic colour names, black to white.
std::span<const char16_t* const> basicColorNames();

// How colours are written back into a row: one of the sixteen basic names, a system colour
// name or "clNone" when the colour has one, else "$" and eight upper-case hex digits.
QString ColorToText(ColorValue value);

// The colour to paint with. System colours take the matching role of the palette (the
// desktop's current colours); kColorNone is transparent.
QColor toQColor(ColorValue value);
QColor toQColor(ColorValue value, const QPalette& palette);

} // namespace lccd
