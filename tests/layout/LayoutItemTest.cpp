#include "layout/LayoutItem.h"
#include "layout/DecodedRow.h"

#include "common/MyCommonW.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(KindRuleTest, BytePositionInsideTheKindWords) {
    struct Case {
        const char* word;
        std::optional<int> number;
    };
    for (const Case& c : {Case{"設定", 0}, Case{"文字", 1}, Case{"矩形", 2}, Case{"罫線", 3},
                          Case{"画像", 4}, Case{"文章", 5}, Case{"バーコード", 6},
                          // parts of the word list count by where they start
                          Case{"定文", 0}, Case{"バー", 6}, Case{"コード", 7}, Case{"章", 5},
                          Case{"", std::nullopt}, Case{"円", std::nullopt},
                          // a half-width kana byte that equals a trail byte is not matched
                          Case{"ﾝ", std::nullopt}, Case{"TEXT", std::nullopt}})
        EXPECT_EQ(kindNumber(QString::fromUtf8(c.word)), c.number) << c.word;
}

TEST(KindRuleTest, SevenIsNoKindAndShowsTheSettingsIcon) {
    EXPECT_EQ(itemKindOf(QStringLiteral("コード")), std::nullopt);
    EXPECT_EQ(kindIcon(QStringLiteral("コード")), 7);
    EXPECT_EQ(kindIcon(QStringLiteral("unknown")), 0);
    EXPECT_EQ(itemKindOf(QStringLiteral("文章")), ItemKind::Paragraph);
}

TEST(AlignRuleTest, CharacterPositionInsideTheAlignmentWords) {
    struct Case {
        const char* word;
        int index;
    };
    for (const Case& c :
         {Case{"左寄せ", 0}, Case{"中心合せ", 1}, Case{"合せ", 1}, Case{"右寄せ", 2},
          Case{"左右合せ", 3}, Case{"拡張左右合せ", 4}, Case{"矩形", 6}, Case{"角丸", 7},
          Case{"円", 8}, Case{"", 0}, Case{"中央合せ", 0}})
        EXPECT_EQ(alignIndex(QString::fromUtf8(c.word)), c.index) << c.word;
}

TEST(YesFlagTest, AnyLetterCase) {
    EXPECT_TRUE(isYes(QStringLiteral("yes")));
    EXPECT_TRUE(isYes(QStringLiteral("YES")));
    EXPECT_TRUE(isYes(QStringLiteral("yEs")));
    EXPECT_FALSE(isYes(QStringLiteral(" yes")));
    EXPECT_FALSE(isYes(QString()));
}

LayoutItem textRowWithValue(const QString& value) {
    LayoutItem item = LayoutItem::fromRowLine(QStringLiteral(
        "文字,Yes,Yes,Yes,110,150,489,53,1,左寄せ,No,,x,MS UI Gothic,8,clWindowText,clWhite"));
    item.setField(Field::Value, value);
    return item;
}

TEST(RowLineTest, ValuesThatWouldSplitTheRowReadBackWhole) {
    for (const char* value : {"1,2,3", "say \"hi\", ok", "tab\there", "\"open quote", "line\nbreak",
                              "plain text", "　全角　", "a\r\nb, c"}) {
        const LayoutItem item = textRowWithValue(QString::fromUtf8(value));
        const QString line = item.toRowLine();
        EXPECT_EQ(CsvFieldCountW(line), kLayoutFieldCount) << line.toStdString();
        const LayoutItem back = LayoutItem::fromRowLine(line);
        EXPECT_EQ(back.field(Field::FillColor), QStringLiteral("clWhite")) << value;
        if (QByteArray(value).startsWith('"'))
            EXPECT_EQ(back.field(Field::Value), QStringLiteral("open quote"));
        else // control characters are written as blanks
            EXPECT_EQ(back.field(Field::Value), blankControlCharacters(QString::fromUtf8(value)));
    }
}

TEST(BlankControlCharactersTest, LineBreaksTabsAndOtherControlsBecomeBlanks) {
    EXPECT_EQ(blankControlCharacters(QStringLiteral("a\r\nb\tc\x01"
                                                    "d\x7F")),
              QStringLiteral("a  b c d "));
    EXPECT_EQ(blankControlCharacters(QStringLiteral("x\u0085y\u2028z\u2029")),
              QStringLiteral("x y z "));
    EXPECT_EQ(blankControlCharacters(QString(QChar(u'\0'))), QStringLiteral(" "));
    // blanks, full-width blanks and everything printable stay
    EXPECT_EQ(blankControlCharacters(QStringLiteral(" 　全角 ﾊﾝｶｸ ~")),
              QStringLiteral(" 　全角 ﾊﾝｶｸ ~"));
}

TEST(RowLineTest, PlainRowIsWrittenAsIs) {
    const QString line = QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,");
    EXPECT_EQ(LayoutItem::fromRowLine(line).toRowLine(), line);
}

// Each field filled with its header word writes the header: every field once, in its place.
TEST(RowLineTest, AllFieldsCoverTheRowLine) {
    LayoutItem item;
    for (Field field : kAllFields)
        item.setField(field, layoutHeaderWords()[fieldNumber(field) - 1]);
    EXPECT_EQ(item.toRowLine(), layoutHeaderWords().join(QLatin1Char(',')));
}

TEST(RowLineTest, FewerFieldsLeaveTheRestEmpty) {
    const LayoutItem item = LayoutItem::fromRowLine(QStringLiteral("a,b,c,d,e"), 3);
    EXPECT_EQ(item.field(Field::Print), QStringLiteral("c"));
    EXPECT_EQ(item.field(Field::Edit), QString());
    EXPECT_EQ(item.toRowLine(), QStringLiteral("a,b,c,,,,,,,,,,,,,,"));
}

TEST(DecodedRowTest, DefaultsForUnreadableFields) {
    const DecodedRow row = decodeRow(QStringLiteral("罫線,,No,,abc,,1e3,12 ,,?,,,,,big,clNoSuch,"));
    EXPECT_EQ(row.kind, ItemKind::RuleLine);
    EXPECT_FALSE(row.print);
    EXPECT_EQ(row.x, 100);
    EXPECT_EQ(row.y, 100);
    EXPECT_EQ(row.w, 100);
    EXPECT_EQ(row.h, 100);
    EXPECT_EQ(row.w2, 100);
    EXPECT_EQ(row.align, 0);
    EXPECT_EQ(row.size, 9.0f);
    EXPECT_EQ(row.color, kColorBlack);
    EXPECT_EQ(row.fill, kColorBlack);
}

TEST(DecodedRowTest, AHeldRowDecodesAsItsRowLine) {
    for (const char* text : {"'x'", "a%20b", "\"q\"", "''a,b''", "tab\there", "\"\"x", "end\"",
                             " 2", "'ガイド 1'", "'$00FF00FF'"}) {
        SCOPED_TRACE(text);
        LayoutItem item =
            LayoutItem::fromRowLine(QStringLiteral("矩形,Yes,Yes,Yes,1,2,3,4,,円,No,,,,1,,"));
        for (Field field :
             {Field::Left, Field::LineSpacing, Field::Value, Field::Face, Field::TextColor})
            item.setField(field, QString::fromUtf8(text));
        EXPECT_EQ(decodeRow(item), decodeRow(item.toRowLine()));
    }
}

TEST(DecodedRowTest, EveryValueOfASampleRow) {
    const DecodedRow row = decodeRow(QStringLiteral(
        "文章,Yes,YES,Yes, 200,200,700,1000,,中心合せ,yes,\"'13.5'\",\"''a,b''\",ＭＳ "
        "明朝|x,9.5,clRed,$00FFFFFF"));
    EXPECT_EQ(row.kind, ItemKind::Paragraph);
    EXPECT_TRUE(row.print);
    EXPECT_EQ(row.x, 200);
    EXPECT_EQ(row.h, 1000);
    EXPECT_EQ(row.w2, 100);
    EXPECT_EQ(row.align, Align::Center);
    EXPECT_TRUE(row.vertical);
    // the reader strips one pair of quotes, the pass another
    EXPECT_EQ(row.spacingText, QStringLiteral("13.5"));
    EXPECT_EQ(row.value, QStringLiteral("a,b"));
    EXPECT_EQ(row.face, QStringLiteral("ＭＳ 明朝|x"));
    EXPECT_EQ(row.size, 9.5f);
    EXPECT_EQ(row.color, 0x000000FFu);
    EXPECT_EQ(row.fill, kColorWhite);
}

} // namespace
} // namespace lccd
