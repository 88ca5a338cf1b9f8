#pragma once

#include <QColor>
#include <QString>

#include <span>

class QPalette;

// Color words of layout rows: named colors, system colors and numbers, and the color
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

// The 151 named colors in table order (the basic sixteen among them).
std::span<const NamedColor> namedColors();

// The 25 system color names; index i stands for systemColor(i).
std::span<const char16_t* const> systemColorNames();

// The color a text stands for: a named or system color (with or without "cl", any letter
// case), or a number (decimal, or hexadecimal after "$" or "0x"); anything else, and 0,
// give defaultColor.
ColorValue ColorFromText(const QString& text, ColorValue defaultColor);

// A color text read the way the item edit dialog's color pickers read it: empty gives
// emptyColor; one of the sixteen basic names, a system color name or "clNone" (any case) its
// color; anything else must be a decimal or "$"-hexadecimal integer, else AppError
// "'%s' は整数ではありません".
ColorValue pickerColorFromText(const QString& text, ColorValue emptyColor);

// The sixteen basic color names, black to white.
std::span<const char16_t* const> basicColorNames();

// How colors are written back into a row: one of the sixteen basic names, a system color
// name or "clNone" when the color has one, else "$" and eight upper-case hex digits.
QString colorToText(ColorValue value);

// The color to paint with. System colors take the matching role of the palette (the
// desktop's current colors); kColorNone is transparent.
QColor toQColor(ColorValue value);
QColor toQColor(ColorValue value, const QPalette& palette);

} // namespace lccd
