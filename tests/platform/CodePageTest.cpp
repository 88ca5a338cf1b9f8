#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(CodePageTest, RoundTripsJapaneseAndWindowsExtensions) {
    // ① is an NEC extension, ～ the full-width tilde Windows maps 0x8160 to, 表 and ソ end in 0x5C.
    const QString text = QStringLiteral("①～表ソ\\~ﾊｶﾞｷ設定");
    const QByteArray sjis = toSjis(text);
    EXPECT_EQ(sjis.left(4), QByteArray("\x87\x40\x81\x60"));
    EXPECT_EQ(sjis.mid(4, 4), QByteArray("\x95\x5C\x83\x5C"));
    EXPECT_EQ(fromSjis(sjis), text);
}

TEST(CodePageTest, UnmappableCharactersBecomeOneQuestionMarkEach) {
    EXPECT_EQ(toSjis(QStringLiteral("café")), QByteArray("caf?"));
    // a character outside the BMP (a surrogate pair) is one character
    EXPECT_EQ(toSjis(QStringLiteral("a😀b")), QByteArray("a?b"));
    // a lone surrogate too
    QString lone = QStringLiteral("x");
    lone.append(QChar(0xD800));
    lone.append(QLatin1Char('y'));
    EXPECT_EQ(toSjis(lone), QByteArray("x?y"));
}

TEST(CodePageTest, InvalidBytesDecodeAsReplacementAndGoOn) {
    const QString replacement(QChar::ReplacementCharacter);
    EXPECT_EQ(fromSjis(QByteArray("a\xA0"
                                  "b")),
              QStringLiteral("a") + replacement + QStringLiteral("b"));
    // a lone lead byte at the end
    EXPECT_EQ(fromSjis(QByteArray("ab\x82")), QStringLiteral("ab") + replacement);
    EXPECT_EQ(fromSjis(QByteArray()), QString());
    // after a byte that starts nothing, the next lead byte takes the ASCII byte after it
    EXPECT_EQ(fromSjis("\xFC\x96\x40!"), replacement + fromSjis("\x96\x40") + QStringLiteral("!"));
    EXPECT_EQ(fromSjis("\x96\x40").size(), 1);
}

// toSjis writes one form of a character that code page 932 holds in several, and "?" for bytes
// that start no character; the lossless form writes back the bytes it read.
TEST(CodePageTest, LosslessFormKeepsEveryByteForm) {
    const struct {
        QByteArray bytes;
        QByteArray rewritten; // toSjis(fromSjis(bytes))
    } cases[] = {
        {"\xED\x40", "\xFA\x5C"}, // 纊, NEC's form of an IBM extension
        {"\x87\x9A\xFA\x5B\x81\xE6", "\x81\xE6\x81\xE6\x81\xE6"}, // ∵ three times
        {"\xEE\xEF-\xFA\x40", "\xFA\x40-\xFA\x40"},               // ⅰ
        {"a\xA0\x82", "a??"},            // no character; a lead byte at the end
        {"\xFC\x96\x40!", "?\x96\x40!"}, // a lead byte before one
        {"\x87\x40\x95\x5C\xFA\x5C", "\x87\x40\x95\x5C\xFA\x5C"}, // ① 表 纊: the written forms
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toSjis(fromSjis(c.bytes)), c.rewritten) << c.bytes.toHex().toStdString();
        EXPECT_EQ(toSjisLossless(fromSjisLossless(c.bytes)), c.bytes)
            << c.bytes.toHex().toStdString();
    }
    EXPECT_EQ(fromSjisLossless("\x87\x40\x95\x5C"), QStringLiteral("①表"));
    // A private-use character that stands for no bytes is written as toSjis writes it.
    EXPECT_EQ(toSjisLossless(QStringLiteral("\U000F0041\U000FFA5C")), QByteArray("??"));
}

TEST(CodePageTest, LongTextsConvertWhole) {
    const QString text = QStringLiteral("あいうえおabc").repeated(5000);
    EXPECT_EQ(fromSjis(toSjis(text)), text);
}

TEST(CodePageTest, CutToBytesKeepsWholeCharacters) {
    const QString face = QStringLiteral("とても長い名前のフォントフェイス名前");
    EXPECT_EQ(cutToSjisBytes(face, 31), QStringLiteral("とても長い名前のフォントフェイ"));
    EXPECT_EQ(cutToSjisBytes(QStringLiteral("aあいう"), 4), QStringLiteral("aあ"));
    EXPECT_EQ(cutToSjisBytes(QStringLiteral("ﾊｶﾞｷ"), 3), QStringLiteral("ﾊｶﾞ"));
    EXPECT_EQ(cutToSjisBytes(QStringLiteral("short"), 31), QStringLiteral("short"));
    // a character code page 932 lacks counts as its one "?" byte and stays itself
    EXPECT_EQ(cutToSjisBytes(QStringLiteral("é😀あい"), 4), QStringLiteral("é😀あ"));
}

TEST(CodePageTest, CharactersOutsideTheCodePageEachOnce) {
    EXPECT_EQ(charactersOutsideSjis(QStringLiteral("表①～ﾊ?")), QStringList{});
    EXPECT_EQ(charactersOutsideSjis(QStringLiteral("café 😀 é 한")),
              (QStringList{QStringLiteral("é"), QStringLiteral("😀"), QStringLiteral("한")}));
}

TEST(SplitLinesTest, EveryLineEndAndNul) {
    using Lines = QList<QByteArray>;
    EXPECT_EQ(splitLines("a\r\nb\rc\nd"), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(splitLines("a\r\n"), Lines{"a"});
    EXPECT_EQ(splitLines("a\r\n\r\n"), (Lines{"a", ""}));
    EXPECT_EQ(splitLines("\n\n"), (Lines{"", ""}));
    EXPECT_EQ(splitLines(QByteArray("a\nb\0c\n\0\r\nd", 10)), (Lines{"a", "b c", " ", "d"}));
    EXPECT_EQ(splitLines(""), Lines{});
}

TEST(SplitLinesTest, JoinWritesCrLfAfterEveryLine) {
    EXPECT_EQ(joinLinesCrLf({"a", "", "b"}), QByteArray("a\r\n\r\nb\r\n"));
    EXPECT_EQ(joinLinesCrLf({}), QByteArray());
}

TEST(TextEncodingTest, FileEncodingFromBomAndValidity) {
    const struct {
        QByteArray bytes;
        TextEncoding expected;
    } cases[] = {
        {"plain ascii,1,2", TextEncoding::Sjis},
        {toSjis(QStringLiteral("春の海,矩形")), TextEncoding::Sjis},
        {toSjis(QStringLiteral("ﾊｲ")), TextEncoding::Sjis}, // CA B2 is valid UTF-8 too
        {toSjis(QStringLiteral("ﾄｷﾒｷ\r\nﾊｲ,1")), TextEncoding::Sjis},
        {QStringLiteral("春の海,矩形").toUtf8(), TextEncoding::Utf8},
        {QStringLiteral("Café").toUtf8(), TextEncoding::Utf8},
        {"\xEF\xBB\xBF"
         "ascii",
         TextEncoding::Utf8},
        {"\x81", TextEncoding::Sjis}, // neither: stays the program's own code page
    };
    for (const auto& c : cases)
        EXPECT_EQ(textEncodingOf(c.bytes), c.expected) << c.bytes.toHex().constData();
    EXPECT_EQ(decodeText(withoutUtf8Bom("\xEF\xBB\xBF"
                                        "\xE6\x98\xA5"),
                         TextEncoding::Utf8),
              QStringLiteral("春"));
}

} // namespace
} // namespace lccd
