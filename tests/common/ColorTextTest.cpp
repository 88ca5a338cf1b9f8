#include "common/ColorText.h"

#include <QPalette>

#include <gtest/gtest.h>

namespace lccd {
namespace {

constexpr ColorValue kDefault = 0x00123456;

TEST(ColorFromTextTest, NamesWithOrWithoutPrefixInAnyCase) {
    for (const char* text : {"clAliceblue", "aliceblue", "ALICEBLUE", "clAliceBlue", "CLALICEBLUE"})
        EXPECT_EQ(ColorFromText(QString::fromLatin1(text), kDefault), 0x00FFF8F0u) << text;
    EXPECT_EQ(ColorFromText(QStringLiteral("clRed"), kDefault), 0x000000FFu);
    EXPECT_EQ(ColorFromText(QStringLiteral("clNone"), kDefault), kColorNone);
    EXPECT_EQ(ColorFromText(QStringLiteral("clSysLightGray"), kDefault), 0x00DFDFDFu);
}

TEST(ColorFromTextTest, SystemColoursByIndex) {
    EXPECT_EQ(ColorFromText(QStringLiteral("clWindowText"), kDefault), systemColor(8));
    EXPECT_EQ(ColorFromText(QStringLiteral("windowtext"), kDefault), 0x80000008u);
    EXPECT_EQ(ColorFromText(QStringLiteral("clScrollBar"), kDefault), systemColor(0));
    EXPECT_EQ(ColorFromText(QStringLiteral("clInfoBk"), kDefault), systemColor(24));
}

TEST(ColorFromTextTest, NumbersAndFallbacks) {
    EXPECT_EQ(ColorFromText(QStringLiteral("255"), kDefault), 0x000000FFu);
    EXPECT_EQ(ColorFromText(QStringLiteral("$00FF0000"), kDefault), 0x00FF0000u);
    EXPECT_EQ(ColorFromText(QStringLiteral("0x10"), kDefault), 0x10u);
    // 0, an empty text, unknown words and names with blanks around them give the default
    EXPECT_EQ(ColorFromText(QStringLiteral("0"), kDefault), kDefault);
    EXPECT_EQ(ColorFromText(QString(), kDefault), kDefault);
    EXPECT_EQ(ColorFromText(QStringLiteral("clNoSuchColour"), kDefault), kDefault);
    EXPECT_EQ(ColorFromText(QStringLiteral(" clRed"), kDefault), kDefault);
    // non-ASCII letters never turn into ASCII ones when upper-cased
    EXPECT_EQ(ColorFromText(QStringLiteral("clſnow"), kDefault), kDefault);
}

TEST(ColorFromTextTest, NamedTableIsComplete) {
    EXPECT_EQ(namedColors().size(), 151u);
    EXPECT_EQ(systemColorNames().size(), 25u);
    EXPECT_EQ(QString::fromUtf16(namedColors().front().name), QStringLiteral("clAliceblue"));
    EXPECT_EQ(QString::fromUtf16(namedColors().back().name), QStringLiteral("clSysLightGray"));
    // every entry is found by its own name
    for (const NamedColor& color : namedColors())
        EXPECT_EQ(ColorFromText(QString::fromUtf16(color.name), kDefault), color.value);
}

TEST(ColorToTextTest, BasicAndSystemNamesElseHex) {
    EXPECT_EQ(ColorToText(0x00000000), QStringLiteral("clBlack"));
    EXPECT_EQ(ColorToText(0x00FFFFFF), QStringLiteral("clWhite"));
    EXPECT_EQ(ColorToText(0x00FF00FF), QStringLiteral("clFuchsia"));
    EXPECT_EQ(ColorToText(systemColor(8)), QStringLiteral("clWindowText"));
    EXPECT_EQ(ColorToText(kColorNone), QStringLiteral("clNone"));
    EXPECT_EQ(ColorToText(0x00FFF8F0), QStringLiteral("$00FFF8F0"));
    EXPECT_EQ(ColorToText(0x00abcdef), QStringLiteral("$00ABCDEF"));
}

TEST(ToQColorTest, RedInTheLowByteAndSystemColoursFromThePalette) {
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
