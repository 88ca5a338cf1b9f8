#include "common/Numbers.h"
#include "common/Rounding.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(StrToIntLooseTest, IgnoresCommasAndBlanks) {
    EXPECT_EQ(StrToIntLoose(QStringLiteral("1,000")), 1000);
    EXPECT_EQ(StrToIntLoose(QStringLiteral(" 1 2 ")), 12);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("$00FF0000")), 0x00FF0000);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("-42")), -42);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("x1F")), 31);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("0X1f")), 31);
}

TEST(StrToIntLooseTest, NoNumberGivesZero) {
    for (const char* text : {"", "abc", "12a", "$", "-", "2147483648", "$100000000", "1.5"})
        EXPECT_EQ(StrToIntLoose(QString::fromLatin1(text)), 0) << text;
    EXPECT_EQ(StrToIntLoose(QStringLiteral("2147483647")), 2147483647);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("-2147483648")), -2147483647 - 1);
    EXPECT_EQ(StrToIntLoose(QStringLiteral("$FFFFFFFF")), -1);
}

TEST(ParseIntFieldTest, LeadingBlanksOnly) {
    EXPECT_EQ(parseIntField(u"  120"), 120);
    EXPECT_EQ(parseIntField(u"120 "), std::nullopt);
    EXPECT_EQ(parseIntField(u"1,000"), std::nullopt);
    EXPECT_EQ(parseIntField(u""), std::nullopt);
}

TEST(ParseDecimalTest, AcceptsPlainDecimalsOnly) {
    EXPECT_EQ(parseDecimal(QStringLiteral(" 13.5 ")), 13.5);
    EXPECT_EQ(parseDecimal(QStringLiteral("9")), 9.0);
    EXPECT_EQ(parseDecimal(QStringLiteral("9,5")), std::nullopt);
    EXPECT_EQ(parseDecimal(QStringLiteral("nan")), std::nullopt);
    EXPECT_EQ(parseDecimal(QString()), std::nullopt);
}

TEST(RoundingTest, HalvesGoEvenOrAway) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(236.22), 236);
    EXPECT_EQ(RoundHalfAway(2.5), 3);
    EXPECT_EQ(RoundHalfAway(-2.5), -3);
    EXPECT_EQ(RoundHalfAway(2.49), 2);
}

} // namespace
} // namespace lccd
