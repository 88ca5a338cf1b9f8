#include "render/WrapEngine.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

// The first n letters of a cycle: single-byte letters, or double-byte kana of two columns each.
QString cycled(const QString& cycle, int n) {
    QString text;
    for (int i = 0; i < n; ++i)
        text += cycle[i % cycle.size()];
    return text;
}
QString letters(int n) {
    return cycled(QStringLiteral("abcdefghijklmnopqrstuvwxyz"), n);
}
QString kana(int n) {
    return cycled(QStringLiteral("あいうえおかきくけこ"), n);
}
QString kana(int from, int to) {
    return kana(to).mid(from);
}

// Rows as text, "¶" marking the last row of each line.
QStringList wrapped(const QString& text, const WrapOption& options) {
    QStringList rows;
    for (const WrappedRow& row : wrapText(toSjis(text), options))
        rows << fromSjis(row.bytes) + (row.mark == RowMark::LineEnd ? QStringLiteral("¶") : "");
    return rows;
}

TEST(WrapTextTest, BreaksRowsByTheRules) {
    const WrapOption w20 = paragraphWrapOption(20);
    WrapOption retMarkOff = w20, leading = w20, noTabStops = w20;
    retMarkOff.FollowRetMark = false;
    leading.Leading = true;
    noTabStops.TabSpaceCount = 0;
    WrapOption tabInLeadStr = leading;
    tabInLeadStr.LeadStr = "\t";
    tabInLeadStr.TabSpaceCount = 40;

    const struct {
        const char* name;
        QString text;
        WrapOption options;
        QStringList rows;
    } cases[] = {
        {"width raised to 20",
         kana(25),
         paragraphWrapOption(10),
         {kana(10), kana(10, 20), kana(20, 25) + "¶"}},
        {"width lowered to 250",
         kana(260),
         paragraphWrapOption(1000),
         {kana(125), kana(125, 250), kana(250, 260) + "¶"}},
        {"double-byte never split", letters(19) + kana(3), w20, {letters(19), kana(3) + "¶"}},
        {"full stop hangs", kana(10) + "。" + kana(2), w20, {kana(10) + "。", kana(2) + "¶"}},
        {"hanging stops at W + 2", kana(10) + "、」あ", w20, {kana(10) + "、", "」あ¶"}},
        {"blank hangs", kana(10) + " " + kana(2), w20, {kana(10) + " ", kana(2) + "¶"}},
        {"trail byte is no member of a set", kana(10) + "AB", w20, {kana(10), "AB¶"}},
        {"word rule looks only before the break",
         letters(20) + " xyz",
         w20,
         {letters(6), letters(20).mid(6) + " xyz¶"}},
        {"word moves to the next row",
         "abcd efghi jklmn opqrstuv",
         w20,
         {"abcd efghi jklmn ", "opqrstuv¶"}},
        {"long word cut after W div 3", letters(25), w20, {letters(6), letters(25).mid(6) + "¶"}},
        {"exactly W ends its line", letters(20), w20, {letters(20) + "¶"}},
        {"exactly W without FollowRetMark", letters(20), retMarkOff, {letters(20), "¶"}},
        {"line breaks", "ab\r\n\r\ncd\ref\ngh\n", w20, {"ab¶", "¶", "cd¶", "ef¶", "gh¶"}},
        {"NUL is a blank", QString::fromUtf8("ab\0cd\ref", 8), w20, {"ab cd¶", "ef¶"}},
        {"empty text", "", w20, {}},
        {"tab at row start fills to column 8",
         "\t" + letters(11) + "あ",
         w20,
         {"\t" + letters(11), "あ¶"}},
        {"tab at column 18 stops at the row end",
         letters(17) + "\txyz",
         w20,
         {letters(17) + "\t", "xyz¶"}},
        {"tab stops below 1 taken as 1",
         letters(18) + "\tあ",
         noTabStops,
         {letters(18) + "\t", "あ¶"}},
        {"opening bracket goes to the next row",
         kana(9) + "「" + kana(2),
         leading,
         {kana(9), "「" + kana(2) + "¶"}},
        {"opening brackets stay in the last fifth",
         "ab" + kana(6) + "「「「" + kana(2),
         leading,
         {"ab" + kana(6) + "「", "「「" + kana(2) + "¶"}},
        {"prolonged sound mark does not start a row",
         kana(10) + "ーあ",
         leading,
         {kana(9), kana(9, 10) + "ーあ¶"}},
        {"a row keeps its first character", "\tabc", tabInLeadStr, {"\t", "abc¶"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wrapped(c.text, c.options), c.rows) << c.name;
}

} // namespace
} // namespace lccd
