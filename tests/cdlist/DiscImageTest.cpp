#include "disc/DiscImage.h"

#include "audio/CdImage.h"
#include "platform/AppError.h"
#include "tests/cdlist/DiscFolderFixture.h"

#include <QDir>

namespace lccd {
namespace {

class DiscImageTest : public test::DiscFolderTest {
protected:
    QStringList write(bool gaps, const QString& wavPath) {
        return writeDiscImage(songs_.decoder, editor_.disc(), editor_.tracks().rows(), gaps,
                              wavPath);
    }

    QString errorOf(const QString& wavPath) {
        try {
            write(false, wavPath);
        } catch (const AppError& error) {
            return error.message();
        }
        return {};
    }

    void SetUp() override {
        DiscFolderTest::SetUp();
        QDir(dir_.path()).mkdir("image");
    }
};

TEST_F(DiscImageTest, CueSheetMarksTrackStartsAndGapsInUtf8) {
    editor_.disc().albumTitle = QStringLiteral(" 海の歌 ");
    editor_.disc().discPerformer = QStringLiteral("山田 \"楽団\"");
    const QList<DiscSong> songs = {{"a", QStringLiteral("朝\tの歌"), QStringLiteral("鈴木"), {}},
                                   {"b", QStringLiteral("夜"), QString(), {}}};
    CdImageLayout layout;
    layout.tracks = {{{"a"}, 0, 150, 76}, {{"b"}, 226, 376, 4501}};
    layout.sectors = 4877;
    EXPECT_EQ(QString::fromUtf8(discImageCueSheet(editor_.disc(), songs, layout, "disc.wav")),
              QStringLiteral("PERFORMER \"山田 '楽団'\"\r\n"
                             "TITLE \"海の歌\"\r\n"
                             "FILE \"disc.wav\" WAVE\r\n"
                             "  TRACK 01 AUDIO\r\n"
                             "    TITLE \"朝 の歌\"\r\n"
                             "    PERFORMER \"鈴木\"\r\n"
                             "    INDEX 00 00:00:00\r\n"
                             "    INDEX 01 00:02:00\r\n"
                             "  TRACK 02 AUDIO\r\n"
                             "    TITLE \"夜\"\r\n"
                             "    INDEX 00 00:03:01\r\n"
                             "    INDEX 01 00:05:01\r\n"));

    layout.tracks = {{{"a"}, 0, 0, 76}, {{"b"}, 76, 76, 4501}};
    editor_.disc().discPerformer.clear();
    const QString plain =
        QString::fromUtf8(discImageCueSheet(editor_.disc(), songs, layout, "disc.wav"));
    EXPECT_TRUE(plain.startsWith(QStringLiteral("TITLE \"海の歌\"\r\nFILE")))
        << plain.toStdString();
    EXPECT_FALSE(plain.contains(QStringLiteral("INDEX 00")));
    EXPECT_TRUE(plain.endsWith(QStringLiteral("    INDEX 01 00:01:01\r\n"))) << plain.toStdString();
}

// The songs are the rows down to the first blank title; a row's bare file name is looked up in
// the folder, as a disc project stores it.
TEST_F(DiscImageTest, SongsAreTheTitledRowsWithTheirFiles) {
    addWav("01.wav", 1);
    addWav("02.wav", 2);
    setSongs({test::song(QStringLiteral(" 朝 "), QStringLiteral(" 鈴木 "), path("01.wav")),
              test::song(QStringLiteral("昼"), QString(), QStringLiteral("02.wav")),
              test::song(QStringLiteral("  ")), test::song(QStringLiteral("夜"))});
    const QList<DiscSong> songs = discSongs(editor_.disc(), editor_.tracks().rows());
    ASSERT_EQ(songs.size(), 2);
    EXPECT_EQ(songs[0].path, path("01.wav"));
    EXPECT_EQ(songs[0].title, QStringLiteral("朝"));
    EXPECT_EQ(songs[0].performer, QStringLiteral("鈴木"));
    EXPECT_EQ(songs[1].path, path("02.wav"));

    EXPECT_EQ(write(true, path("image/disc.wav")), QStringList());
    // 8 kHz songs of one and two seconds: 75 and 150 sectors, each after two seconds.
    EXPECT_EQ(QFileInfo(path("image/disc.wav")).size(), 44 + (150 + 75 + 150 + 150) * 2352);
    EXPECT_TRUE(test::fileBytes(path("image/disc.cue")).contains("INDEX 01 00:05:00\r\n"));
}

TEST_F(DiscImageTest, RefusesDiscsItCannotImageAndLeavesNoFile) {
    addWav("01.wav", 1);
    const QString image = path("image/disc.wav");
    EXPECT_EQ(errorOf(image), QStringLiteral("CD にする曲がありません"));

    setSongs({test::song(QStringLiteral("朝"), {}, path("01.wav")),
              test::song(QStringLiteral("昼"), {}, QStringLiteral("gone.wav"))});
    EXPECT_EQ(errorOf(image), QStringLiteral("2曲目「昼」の曲ファイルがありません"));
    setSongs({test::song(QStringLiteral("朝"), {}, path("01.wav")), TrackRow()});
    EXPECT_EQ(errorOf(path("image/say \"hi\".wav")),
              QStringLiteral("CUEシートに書けないファイル名です (\" を含みます): ") +
                  path("image/say \"hi\".wav"));

    // Writing over a song of the disc, by whatever path, would lose it.
    const QByteArray song = test::fileBytes(path("01.wav"));
    const QString samePath = path("image/../01.wav");
    EXPECT_EQ(errorOf(samePath),
              QStringLiteral("書き出すファイル %1 はCDの曲の一つです").arg(samePath));
    EXPECT_EQ(test::fileBytes(path("01.wav")), song);
    EXPECT_EQ(QDir(path("image")).entryList(QDir::Files), QStringList());
}

TEST(DiscImagePathTest, CueSheetLiesBesideTheImage) {
    EXPECT_EQ(cueSheetPathBeside("/a/disc.wav"), "/a/disc.cue");
    EXPECT_EQ(cueSheetPathBeside("/a/Disc.WAV"), "/a/Disc.cue");
    EXPECT_EQ(cueSheetPathBeside("/a.wav/disc"), "/a.wav/disc.cue");
    EXPECT_EQ(cueSheetPathBeside("disc.image.wav"), "disc.image.cue");
}

} // namespace
} // namespace lccd
