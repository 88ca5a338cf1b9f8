#include "common/MyCommonW.h"
#include "platform/BlankTrim.h"

#include <gtest/gtest.h>

#include <string_view>

namespace lccd {
namespace {

using namespace std::string_view_literals;

struct RowLineCase {
    std::u16string_view line; // may hold a NUL
    QStringList fields;
};

class CsvFieldWTest : public ::testing::TestWithParam<RowLineCase> {};

// Every field by number, the count, and the all-at-once reader agree with the expectation.
TEST_P(CsvFieldWTest, ReadsEveryField) {
    const QString line = QString::fromUtf16(GetParam().line.data(), GetParam().line.size());
    const QStringList& expected = GetParam().fields;
    EXPECT_EQ(CsvFieldCountW(line), expected.size());
    EXPECT_EQ(csvFieldsW(line), expected);
    for (int n = 1; n <= expected.size(); ++n)
        EXPECT_EQ(CsvFieldW(line, n), expected[n - 1]) << "field " << n;
    EXPECT_EQ(CsvFieldW(line, 0), QString());
    EXPECT_EQ(CsvFieldW(line, int(expected.size()) + 1), QString());
}

INSTANTIATE_TEST_SUITE_P(
    Lines, CsvFieldWTest,
    ::testing::Values(
        RowLineCase{u"a,b,c", {"a", "b", "c"}},
        // blanks around fields are kept
        RowLineCase{u" a , b ", {" a ", " b "}},
        // empty fields in the middle, at the end and at the start
        RowLineCase{u"a,,c", {"a", "", "c"}}, RowLineCase{u"a,b,", {"a", "b", ""}},
        RowLineCase{u",a", {"", "a"}},
        // quoted fields hold commas; apostrophes are stripped too
        RowLineCase{u"\"x,y\",z", {"x,y", "z"}}, RowLineCase{u"'q',r", {"q", "r"}},
        // a doubled quote inside quotes is one quote; the final one is then stripped
        RowLineCase{u"\"he said \"\"hi\"\"\"", {"he said \"hi"}},
        // text right after a closing quote is a field of its own
        RowLineCase{u"a,\"b\"c,d", {"a", "b", "c", "d"}},
        // an unclosed quote runs to the end of the line
        RowLineCase{u"a,\"b,c", {"a", "b,c"}},
        // "%20" reads as a blank
        RowLineCase{u"50%20off", {"50 off"}},
        // tabs and CR LF separate like commas; a lone control character only ends a field
        RowLineCase{u"a\tb", {"a", "b"}}, RowLineCase{u"a\r\nb\r\n", {"a", "b", ""}},
        RowLineCase{u"a\x01"
                    u"b,c",
                    {"a", "b", "c"}},
        // a NUL ends the line
        RowLineCase{u"a,b\0,c"sv, {"a", "b"}},
        // ideographic spaces are text, blanks and tabs alone are nothing
        RowLineCase{u"\u3000\u3000", {"\u3000\u3000"}}, RowLineCase{u"  \t  ", {}},
        RowLineCase{u"", {}},
        // a full layout row with a quoted value
        RowLineCase{u"文字,Yes,Yes,Yes,110,150,489,53,1,左寄せ,No,,\"1,2\",MS UI "
                    u"Gothic,8,clWindowText,clWhite",
                    {"文字", "Yes", "Yes", "Yes", "110", "150", "489", "53", "1", "左寄せ", "No",
                     "", "1,2", "MS UI Gothic", "8", "clWindowText", "clWhite"}}));

TEST(StripQuotesWTest, RemovesOneQuoteAtEachEndIndependently) {
    EXPECT_EQ(StripQuotesW(QStringLiteral("'abc")), QStringLiteral("abc"));
    EXPECT_EQ(StripQuotesW(QStringLiteral("abc\"")), QStringLiteral("abc"));
    EXPECT_EQ(StripQuotesW(QStringLiteral("\"abc'")), QStringLiteral("abc"));
    EXPECT_EQ(StripQuotesW(QStringLiteral("''abc''")), QStringLiteral("'abc'"));
    EXPECT_EQ(StripQuotesW(QStringLiteral("''")), QString());
    EXPECT_EQ(StripQuotesW(QStringLiteral("\"")), QStringLiteral("\""));
}

TEST(TrimWTest, RemovesBlanksAndControlsButNotTheFullWidthBlank) {
    EXPECT_EQ(trimBlanks(QStringLiteral(" \t a b\r\n")), QStringLiteral("a b"));
    EXPECT_EQ(trimBlanks(QStringLiteral("\u3000曲\u3000 ")), QStringLiteral("\u3000曲\u3000"));
    EXPECT_EQ(trimBlanks(QStringLiteral(" \x01 ")), QString());
}

TEST(PosWTest, IsOneBasedAndZeroWhenAbsentOrEmpty) {
    const QString words = QStringLiteral("左寄せ■中心合せ");
    EXPECT_EQ(PosW(QStringLiteral("中心"), words), 5);
    EXPECT_EQ(PosW(QStringLiteral("右"), words), 0);
    EXPECT_EQ(PosW(QString(), words), 0);
}

} // namespace
} // namespace lccd
