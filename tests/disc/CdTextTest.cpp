#include "disc/CdText.h"

#include "platform/CodePage.h"
#include "tests/support/CdTextSheet.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(CdTextTest, EveryCharacterTakesTwoBytes) {
    const struct {
        QString text;
        QString stored;
    } cases[] = {
        {QStringLiteral("朝の歌"), QStringLiteral("朝の歌")},
        {QStringLiteral("Love Song 2"), QStringLiteral("Ｌｏｖｅ　Ｓｏｎｇ　２")},
        {QStringLiteral("ｶﾞｰﾃﾞﾝ"), QStringLiteral("ガーデン")},
        {QStringLiteral("a\tb~\\"), QStringLiteral("ａ　ｂ～＼")},
        {QStringLiteral("雪\U0001F600☃"), QStringLiteral("雪？？")},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        const QByteArray bytes = msJisText(c.text);
        EXPECT_EQ(fromSjis(bytes), c.stored) << c.text.toStdString();
        EXPECT_EQ(bytes.size(), 2 * c.stored.size()) << c.text.toStdString();
    }
}

CdText threeSongs() {
    return {{QStringLiteral("夏の記録 2024"), QStringLiteral("ミナモ楽団")},
            {{QStringLiteral("朝の歌"), QStringLiteral("ミナモ")},
             {QStringLiteral("昼 noon"), QStringLiteral("ミナモ")},
             {QStringLiteral("夜"), QStringLiteral("ゲスト")}}};
}

// libburn reads the packs back as the texts they were made of: titles and performers each in
// their place, also where a track repeats the previous performer and where a text ends inside
// a pack that the next one continues.
TEST(CdTextTest, LibburnReadsBackEveryTitleAndPerformer) {
    const std::optional<QByteArray> packs = cdTextPacks(threeSongs());
    ASSERT_TRUE(packs.has_value());
    EXPECT_EQ(packs->size() % 18, 0);
    const test::CdTextSheet sheet = test::readCdTextPacks(*packs);
    EXPECT_EQ(sheet.characterCode, 0x80);
    for (const char* line :
         {"Text Code           = MS-JIS", "Language Code       = Japanese",
          "Album Title         = 夏の記録　２０２４", "Artist Name         = ミナモ楽団",
          "First Track Number  = 1", "Last Track Number   = 3", "Track 01 Title      = 朝の歌",
          "Track 01 Artist     = ミナモ", "Track 02 Title      = 昼　ｎｏｏｎ",
          "Track 02 Artist     = ミナモ", "Track 03 Title      = 夜",
          "Track 03 Artist     = ゲスト"})
        EXPECT_TRUE(sheet.text.contains(QString::fromUtf8(line))) << line << "\n"
                                                                  << sheet.text.toStdString();
}

// Drives take at most 255 packs in a block: 25 songs with long titles need more (a title that
// repeats the one before takes a single tab, so each differs).
TEST(CdTextTest, TextsBeyondOneBlockGiveNoPacks) {
    CdText text{{QStringLiteral("アルバム"), QStringLiteral("演者")}, {}};
    for (int i = 0; i < 25; ++i)
        text.tracks.append(
            {QString(60, QChar(u'曲')) + QString::number(i), QStringLiteral("演者")});
    EXPECT_FALSE(cdTextPacks(text).has_value());
    text.tracks.resize(5);
    EXPECT_TRUE(cdTextPacks(text).has_value());
}

TEST(CdTextTest, FileStartsWithTheLengthOfThePacksPlusTwo) {
    const QByteArray packs = *cdTextPacks(threeSongs());
    const QByteArray file = cdTextFile(packs);
    ASSERT_EQ(file.size(), packs.size() + 4);
    EXPECT_EQ((quint8(file[0]) << 8) | quint8(file[1]), packs.size() + 2);
    EXPECT_EQ(file.mid(2, 2), QByteArray(2, '\0'));
    EXPECT_EQ(file.mid(4), packs);
}

} // namespace
} // namespace lccd
