#include "common/ColorText.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace lccd {
namespace {

constexpr ColorValue kDefault = 0x00123456;

// Names with or without the prefix in any case, system colors by index, numbers; 0, an empty
// text, unknown words and names with blanks around them give the default, and non-ASCII letters
// never turn into ASCII ones when upper-cased.
TEST(ColorFromTextTest, WordsNumbersAndFallbacks) {
    const struct {
        ColorValue value;
        std::initializer_list<const char16_t*> words;
    } kColors[] = {
        {0x00FFF8F0, {u"clAliceblue", u"aliceblue", u"ALICEBLUE", u"clAliceBlue", u"CLALICEBLUE"}},
        {0x000000FF, {u"clRed", u"255"}},
        {kColorNone, {u"clNone"}},
        {0x00DFDFDF, {u"clSysLightGray"}},
        {systemColor(8), {u"clWindowText", u"windowtext"}},
        {systemColor(0), {u"clScrollBar"}},
        {systemColor(24), {u"clInfoBk"}},
        {0x00FF0000, {u"$00FF0000"}},
        {0x10, {u"0x10"}},
        {kDefault, {u"0", u"", u"clNoSuchColor", u" clRed", u"clſnow"}}};
    for (const auto& [value, words] : kColors)
        for (const char16_t* word : words)
            EXPECT_EQ(ColorFromText(QString::fromUtf16(word), kDefault), value)
                << QString::fromUtf16(word).toStdString();
}

// A few rows of the layout format's color table, with their places in it: the ends, the basic
// colors among the others, and names whose odd spelling files rely on.
TEST(ColorFromTextTest, NamedTableRowsInTheirPlaces) {
    struct Row {
        size_t number;
        const char16_t* name;
        ColorValue value;
    };
    constexpr Row kRows[] = {
        {1, u"clAliceblue", 0x00FFF8F0},   {5, u"clBeigu", 0x00DCF5F5},
        {79, u"clMagenta", 0x00FF00FF},    {84, u"clMediumstateblue", 0x00B0000E},
        {100, u"clpalegreen", 0x0098FB98}, {129, u"clWHeat", 0x00B3DEF5},
        {141, u"clRed", 0x000000FF},       {147, u"clLtGray", 0x00C0C0C0},
        {150, u"clNone", 0x1FFFFFFF},      {151, u"clSysLightGray", 0x00DFDFDF}};
    ASSERT_EQ(namedColors().size(), 151u);
    EXPECT_EQ(systemColorNames().size(), 25u);
    for (const Row& row : kRows) {
        const QString name = QString::fromUtf16(row.name);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(QString::fromUtf16(namedColors()[row.number - 1].name), name);
        EXPECT_EQ(ColorFromText(name, kDefault), row.value);
    }
}

// What the item edit dialog writes, both color readers read back as the same color, and a name
// it writes stays that name.
TEST(ColorTextRoundTripTest, WrittenColorsReadBackUnchanged) {
    QStringList names{QStringLiteral("clNone")};
    for (const auto& list : {basicColorNames(), systemColorNames()})
        for (const char16_t* name : list)
            names << QString::fromUtf16(name);
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(colorToText(ColorFromText(name, kDefault)), name);
        EXPECT_EQ(colorToText(pickerColorFromText(name, kDefault)), name);
    }
    for (const ColorValue value : {0x00FFF8F0u, 0x00ABCDEFu, 0x00000001u, 0x00FFFFFEu}) {
        SCOPED_TRACE(value);
        EXPECT_EQ(ColorFromText(colorToText(value), kDefault), value);
        EXPECT_EQ(pickerColorFromText(colorToText(value), kDefault), value);
    }
}

TEST(ColorToTextTest, BasicAndSystemNamesElseHex) {
    EXPECT_EQ(colorToText(0x00000000), QStringLiteral("clBlack"));
    EXPECT_EQ(colorToText(0x00FFFFFF), QStringLiteral("clWhite"));
    EXPECT_EQ(colorToText(0x00FF00FF), QStringLiteral("clFuchsia"));
    EXPECT_EQ(colorToText(systemColor(8)), QStringLiteral("clWindowText"));
    EXPECT_EQ(colorToText(kColorNone), QStringLiteral("clNone"));
    EXPECT_EQ(colorToText(0x00FFF8F0), QStringLiteral("$00FFF8F0"));
    EXPECT_EQ(colorToText(0x00abcdef), QStringLiteral("$00ABCDEF"));
}

TEST(ToQColorTest, RedInTheLowByteAndSystemColorsFromThePalette) {
    EXPECT_EQ(toQColor(0x000080FF), QColor(0xFF, 0x80, 0x00));
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Text, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Highlight, QColor(4, 5, 6));
    EXPECT_EQ(toQColor(systemColor(8), palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(systemColor(13), palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(kColorNone).alpha(), 0);
}

} // namespace
} // namespace lccd
