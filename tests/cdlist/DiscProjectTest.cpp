#include "disc/DiscProject.h"

#include "cdlist/FolderLoader.h"
#include "tests/cdlist/DiscFolderFixture.h"

#include "platform/FileIO.h"

namespace lccd {
namespace {

using test::song;

class DiscProjectTest : public test::DiscFolderTest {
protected:
    QStringList written() {
        QStringList lines;
        for (const QByteArray& line : discProjectLines(editor_.disc(), editor_.tracks().rows()))
            lines.append(fromSjis(line));
        return lines;
    }

    void read(const QStringList& lines) {
        QList<QByteArray> bytes;
        for (const QString& line : lines)
            bytes.append(toSjis(line));
        readDiscProject(editor_, bytes);
    }

    const TrackRow& row(int r) { return editor_.tracks().track(r); }
};

TEST_F(DiscProjectTest, ProjectIsWrittenByteForByte) {
    setDiscFields();
    TrackRow first =
        song(QStringLiteral(" 春 "), QStringLiteral(" 歌手"), " /elsewhere/01 春.wav ", " 003:25");
    first.album = QStringLiteral("盤 ");
    first.year = QStringLiteral(" 2009");
    first.genre = QStringLiteral("JPop ");
    setSongs({first, song("   "), song(QStringLiteral("after the blank title"))});
    editor_.tracks().setTrack(5, song(QStringLiteral("after an empty title")));

    const QString file = path("project.txt");
    writeFileAtomically(file,
                        joinLinesCrLf(discProjectLines(editor_.disc(), editor_.tracks().rows())));
    EXPECT_EQ(test::fileBytes(file),
              test::sjisFileBytes({
                  QStringLiteral("TITLE:海の歌 "),
                  QStringLiteral("SUBTITLE1: 副題"),
                  QStringLiteral("SUBTITLE2:二"),
                  QStringLiteral("PERFORMER:表ソ"),
                  "DISCID:0042",
                  "CATALOG:4988001",
                  "GENRE:Jazz",
                  "DATE:2009",
                  "JACKET:front.jpg",
                  QStringLiteral("01,003:25,\"春\",\"歌手\",\"盤\",2009,JPop,\"01 春.wav\""),
                  "02,,\"\",\"\",\"\",,,\"\"",
                  "03,,\"after the blank title\",\"\",\"\",,,\"\"",
              }));
}

TEST_F(DiscProjectTest, GenreIsTheSelectedEntryOnly) {
    DiscInfo& disc = editor_.disc();
    disc.genre = QStringLiteral("Polka"); // typed, selecting no entry
    disc.selectGenreEntry();
    EXPECT_EQ(written()[6], "GENRE:");

    read({"genre:Polka"});
    EXPECT_EQ(disc.genre, "Polka");
    EXPECT_EQ(disc.genreList.size(), 16);
    EXPECT_EQ(written()[6], "GENRE:Polka");
    read({"GENRE:ROCK"});
    EXPECT_EQ(disc.selectedGenre(), QStringLiteral("ROCK"));
    read({QStringLiteral("GENRE:ロック")});
    EXPECT_EQ(disc.genreList.size(), 17) << "an entry of the list is selected, not added";
}

TEST_F(DiscProjectTest, JacketInTheFolderIsStoredByName) {
    const QString folder = dir_.path();
    const struct {
        QString jacket;
        QString stored;
    } cases[] = {
        {folder + "/front.jpg", "front.jpg"},
        {"/pictures/front.jpg", "/pictures/front.jpg"},
        // Paths that only begin with the folder's text lie elsewhere.
        {folder + "-old/front.jpg", folder + "-old/front.jpg"},
        {folder + "/art/front.jpg", folder + "/art/front.jpg"},
        {"front.jpg", "front.jpg"},
    };
    for (const auto& c : cases) {
        editor_.disc().setJacketPath(c.jacket);
        EXPECT_EQ(written()[8], "JACKET:" + c.stored) << c.jacket.toStdString();
    }
}

// Every key is read back by the save test; here the rules of reading them.
TEST_F(DiscProjectTest, HeaderKeysInAnyCaseKeepTheirValuesAsWritten) {
    editor_.disc().setJacketPath("/pictures/kept.jpg");
    read({"TITLE:first", "title:Later Wins ", "DiscId:7"});
    EXPECT_EQ(editor_.disc().albumTitle, "Later Wins ");
    EXPECT_EQ(editor_.disc().discId, "7");
    EXPECT_EQ(editor_.disc().jacketPath, "/pictures/kept.jpg") << "no JACKET line";
    EXPECT_EQ(editor_.disc().folderPath, dir_.path());
}

TEST_F(DiscProjectTest, PlainLinesNameSongsAndTheirFiles) {
    addWav("Song.WAV", 3);
    addWav("3:45 Song.wav", 2);
    read({"Song.WAV", "3:45 Song", "4:00 Missing", "Just a title", "", "ab cd", " \t"});
    EXPECT_EQ(row(1), TrackRow({"1", "000:03", "Song", "", "", "", "", "Song.WAV"}));
    EXPECT_EQ(row(2), TrackRow({"1", "000:02", "Song", "", "", "", "", "3:45 Song.wav"}))
        << "an existing file is measured";
    EXPECT_EQ(row(3), TrackRow({"0", "4:00", "Missing", "", "", "", "", ""}));
    EXPECT_EQ(row(4).title, "Just a title");
    EXPECT_EQ(row(5).title, "") << "blank lines and \"ab cd\" are no songs";
    EXPECT_EQ(editor_.RecountTracks(), 4);
    EXPECT_EQ(editor_.positionText(), "1 / 4");
}

TEST_F(DiscProjectTest, TrackLinesFillRowsInLineOrder) {
    addWav("02.wav", 7);
    addWav("Third.wav", 1);
    read({"01,003:25,\"One\",\"P1\",\"A1\",2001,Jazz,\"missing.wav\"",
          "09,001:00,\"Two\",\"P2\",\"A2\",2002,Rock,\"02.wav\"",
          "03,000:10,\"Third\",\"P3\",\"A3\",2003,Pop,\"\"", "x,y,z"});
    EXPECT_EQ(row(1), TrackRow({"0", "003:25", "One", "P1", "A1", "2001", "Jazz", ""}));
    EXPECT_EQ(row(2), TrackRow({"1", "000:07", "Two", "P2", "A2", "2002", "Rock", "02.wav"}));
    EXPECT_EQ(row(3), TrackRow({"1", "000:01", "Third", "P3", "A3", "2003", "Pop", "Third.wav"}))
        << "an empty file name is the title and \".wav\"";
    EXPECT_EQ(row(4).title, "z");
}

TEST_F(DiscProjectTest, NumberedLinesAddSongsAfterTheTitledRows) {
    addWav("Tagged", 5, QStringLiteral("Tag title"));
    read({"PERFORMER:Band", "TITLE:Album", "DATE:1999", "GENRE:Jazz", "First",
          "02 3:45 Second song", "03 Third song", " 4 Tagged", "00 Zero", "ab cd", "+6 Signed"});
    EXPECT_EQ(row(2), TrackRow({"0", "3:45", "Second song", "Band", "Album", "1999", "Jazz", ""}));
    EXPECT_EQ(row(3).title, "Third song") << "a first word without a colon stays in the title";
    EXPECT_EQ(row(3).time, "");
    // A song whose file (named by the title) exists takes the file's tags but keeps its title.
    EXPECT_EQ(row(4), TrackRow({"1", "", "Tagged", "", "", "", "", "Tagged"}));
    EXPECT_EQ(row(5).title, "+6 Signed");
    EXPECT_EQ(row(6).title, "") << "number 0 and \"ab cd\" are ignored";
}

// The numbered form is told from the bytes of the stored line, and its numbers and playing times
// are decimal: "春よ 来い" has no blank third byte, "x5" and "$10" are no numbers.
TEST_F(DiscProjectTest, LineFormsAreToldByTheStoredBytesAndDecimalNumbers) {
    read({QStringLiteral("春よ 来い"), "x5 Hex", "$10:00 Hex time", "05 $2:30 Third"});
    EXPECT_EQ(row(1).title, QStringLiteral("春よ 来い"));
    EXPECT_EQ(row(2).title, "Hex time") << "\"x5 Hex\" is ignored";
    EXPECT_EQ(row(2).time, "$10:00") << "a plain line's time, which counts 0 seconds";
    EXPECT_EQ(row(3).title, "Third");
    EXPECT_EQ(row(3).time, "$2:30");
    EXPECT_EQ(editor_.RecountTracks(), 3);
    EXPECT_EQ(editor_.totalsText(), QStringLiteral("曲数= 3 総時間=0時間 0分 30秒"));
}

TEST_F(DiscProjectTest, NumberedLinesWithFieldsTakeTagsFromAnExistingFile) {
    addWav("two.wav", 4, QStringLiteral("曲名タグ"));
    read({"01 ,001:00,\"One\",\"P\",\"A\",2000,Jazz,/old/one.wav",
          "02 ,001:00,\"Two\",\"P\",\"A\",2000,Jazz,/old/two.wav"});
    EXPECT_EQ(row(1), TrackRow({"0", "001:00", "One", "P", "A", "2000", "Jazz", "/old/one.wav"}));
    EXPECT_EQ(row(2),
              TrackRow({"1", "000:04", QStringLiteral("曲名タグ"), "", "", "", "", "two.wav"}));
}

// NEC's forms of 纊 (ED 40), ∵ (87 9A), ⅰ (EE EF), ￢ (EE F9) and IBM's Ⅰ (FA 4A) are written
// back as they were read, though toSjis writes FA 5C, 81 E6, FA 40, 81 CA and 87 54; a value
// the user edited is written as toSjis writes it. A plain line's title is the line without its
// last four bytes.
TEST_F(DiscProjectTest, ResavedProjectKeepsTheBytesOfEveryUneditedValue) {
    const QList<QByteArray> header = {
        "TITLE:\xED\x40 ", "SUBTITLE1:", "SUBTITLE2:", "PERFORMER:\x87\x9A",  "DISCID:",
        "CATALOG:",        "GENRE:JPop", "DATE:",      "JACKET:\xED\x40.jpg",
    };
    const QList<QByteArray> lines = {
        "01,003:25,\"\xEE\xEF\",\"\xED\x40\",\"\",,,\"\"",
        "02,001:00,\"\xEE\xF9\",\"x\",\"\",,,\"\"", "\xFA\x4A.wav",
        "\x89\xCC.wav\x82\xC5\x82\xB7", // 歌.wavです
    };
    readDiscProject(editor_, header + lines);
    editor_.tracks().setField(2, TrackColumn::Title, QStringLiteral("\uFFE2\uFFE2"));
    const QList<QByteArray> songs = {
        "01,003:25,\"\xEE\xEF\",\"\xED\x40\",\"\",,,\"\"",
        "02,001:00,\"\x81\xCA\x81\xCA\",\"x\",\"\",,,\"\"",
        "03,,\"\xFA\x4A\",\"\",\"\",,,\"\"",
        "04,,\"\x89\xCC.wav\",\"\",\"\",,,\"\"",
    };
    EXPECT_EQ(discProjectLines(editor_.disc(), editor_.tracks().rows()), header + songs);
}

TEST_F(DiscProjectTest, SongsBeyondTwentyFiveRowsAreDropped) {
    QStringList lines;
    for (int i = 1; i <= 30; ++i)
        lines.append(QStringLiteral("Song %1").arg(i));
    lines.append("07 Numbered");
    read(lines);
    EXPECT_EQ(row(25).title, "Song 25");
    EXPECT_EQ(editor_.RecountTracks(), 25);
}

} // namespace
} // namespace lccd
