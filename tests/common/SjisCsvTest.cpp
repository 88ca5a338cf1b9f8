#include "common/SjisCsv.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

struct FieldCase {
    const char* line;
    int n;
    const char* field;
    int status;
};

class GetCsvFieldTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GetCsvFieldTest, ReadsFieldAndStatus) {
    const FieldCase& c = GetParam();
    int status = 99;
    EXPECT_EQ(GetCsvField(QByteArray(c.line), c.n, status), QByteArray(c.field));
    EXPECT_EQ(status, c.status);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, GetCsvFieldTest,
    ::testing::Values(
        FieldCase{"x,\"a,b\"", 2, "a,b", CsvStatus::Ok},
        FieldCase{"x,\"a,b\"", 3, "", CsvStatus::NoSuchField},
        FieldCase{"a,,b", 2, "", CsvStatus::Ok}, FieldCase{"a,,b", 3, "b", CsvStatus::Ok},
        // blanks around fields are trimmed, the line without a comma is kept whole
        FieldCase{" a , b ", 1, "a", CsvStatus::Ok}, FieldCase{" a , b ", 2, "b", CsvStatus::Ok},
        FieldCase{" abc ", 1, " abc ", CsvStatus::Ok},
        FieldCase{"abc", 2, "", CsvStatus::NoSuchField},
        // quotes are never doubled: the first matching quote closes the field
        FieldCase{"\"a\"\"b\",c", 1, "a", CsvStatus::Ok},
        FieldCase{"\"a\"\"b\",c", 2, "b", CsvStatus::Ok},
        FieldCase{"\"a\"\"b\",c", 3, "c", CsvStatus::Ok},
        FieldCase{"'it',x", 1, "it", CsvStatus::Ok},
        // a quote that is never closed is an ordinary character
        FieldCase{"\"ab,c", 1, "\"ab", CsvStatus::Ok},
        // an empty line, and a line of just two quotes
        FieldCase{"", 1, "", CsvStatus::EmptyLine}, FieldCase{"''", 1, "", CsvStatus::EmptyLine},
        // Shift-JIS bytes pass through untouched (表 ends in 0x5C)
        FieldCase{"\x95\x5C,\x83\x5C", 2, "\x83\x5C", CsvStatus::Ok}));

TEST(CsvFieldCountTest, CountsFieldsAndTrailingComma) {
    EXPECT_EQ(CsvFieldCount("\"a\","), 2);
    EXPECT_EQ(CsvFieldCount("'a',"), 2);
    EXPECT_EQ(CsvFieldCount("a,"), 2);
    EXPECT_EQ(CsvFieldCount("abc"), 1);
    EXPECT_EQ(CsvFieldCount("a,b"), 2);
    EXPECT_EQ(CsvFieldCount("a,b,"), 3);
    EXPECT_EQ(CsvFieldCount("a,,b"), 3);
    EXPECT_EQ(CsvFieldCount("  \t "), 0);
    EXPECT_EQ(CsvFieldCount("\"\""), 0);
}

TEST(CsvFieldCountTest, StaysLinearOnHugeLines) {
    const QByteArray commas(200000, ',');
    EXPECT_EQ(CsvFieldCount(commas), 200001);
}

TEST(StripQuotePairTest, RemovesDoubleThenSingleQuotes) {
    EXPECT_EQ(StripQuotePair("\"'x'\""), "x");
    EXPECT_EQ(StripQuotePair("'\"x\"'"), "\"x\"");
    EXPECT_EQ(StripQuotePair("\"x"), "\"x");
    EXPECT_EQ(StripQuotePair("\""), "\"");
}

} // namespace
} // namespace lccd
