#include "disc/LabelLayout.h"

#include "cdlist/FolderLoader.h"
#include "common/MyCommonW.h"
#include "disc/LabelTemplate.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutItem.h"
#include "platform/ProgramPaths.h"
#include "tests/cdlist/DiscFolderFixture.h"

namespace lccd {
namespace {

using test::song;

TrackRows printedSongs(int count) {
    TrackRows tracks;
    for (int r = 1; r <= count; ++r)
        tracks[size_t(r - 1)] = song(QStringLiteral("Song %1").arg(r), {}, {}, "003:25");
    return tracks;
}

QStringList decoded(const QList<QByteArray>& lines) {
    QStringList text;
    for (const QByteArray& line : lines)
        text.append(fromSjis(line));
    return text;
}

TEST(LabelSongRowsTest, PlacementFollowsTheNumberOfSongs) {
    struct Place {
        int song; // 1-based
        int left;
        int top;
    };
    const struct {
        int songs;
        QString width;
        QList<Place> places; // first and last song of each column
    } cases[] = {
        {10, "960", {{1, 1450, 600}, {10, 1450, 1005}}},
        {14, "960", {{1, 1450, 550}, {14, 1450, 1135}}},
        {15, "470", {{1, 1400, 600}, {8, 1400, 915}, {9, 1910, 600}, {15, 1910, 870}}},
        {25, "470", {{1, 1400, 600}, {13, 1400, 1140}, {14, 1910, 600}, {25, 1910, 1095}}},
    };
    for (const auto& c : cases) {
        const QStringList rows = labelSongRows(printedSongs(c.songs));
        ASSERT_EQ(rows.size(), c.songs);
        for (const Place& place : c.places) {
            const QString& row = rows[place.song - 1];
            EXPECT_EQ(CsvFieldW(row, fieldNumber(Field::Left)).toInt(), place.left)
                << c.songs << ": " << place.song;
            EXPECT_EQ(CsvFieldW(row, fieldNumber(Field::Top)).toInt(), place.top)
                << c.songs << ": " << place.song;
            EXPECT_EQ(CsvFieldW(row, fieldNumber(Field::Width)), c.width);
        }
    }
}

TEST(LabelSongRowsTest, RowTextAndTheSongsThatArePrinted) {
    TrackRows tracks = printedSongs(10);
    tracks[0].time.clear();
    tracks[0].title = QStringLiteral(" 海の歌");
    EXPECT_EQ(labelSongRows(tracks)[0],
              QStringLiteral("文字,Yes,Yes,Yes,1450,600,960,30,,左寄せ,No,10.5,\"01 0:00  海の歌\","
                             "\"MS UI Gothic\",9.5,clWindowText,clWhite"));

    tracks[2].check = QStringLiteral("0"); // the third song off: the ones after it too
    EXPECT_EQ(printedSongCount(tracks), 2);
    EXPECT_EQ(labelSongRows(tracks).size(), 2);

    tracks[0].check = QStringLiteral("x");
    EXPECT_TRUE(labelSongRows(tracks).isEmpty());

    // A title of blanks is counted but not printed, and nothing after it.
    tracks = printedSongs(5);
    tracks[3].title = QStringLiteral("  ");
    EXPECT_EQ(printedSongCount(tracks), 5);
    EXPECT_EQ(labelSongRows(tracks).size(), 3);
}

TEST(LabelSongRowsTest, QuoteInATitleStaysInsideTheValue) {
    TrackRows tracks = printedSongs(1);
    tracks[0].title = QStringLiteral("Say \"Hi\", then go");
    const QString row = labelSongRows(tracks)[0];
    EXPECT_EQ(CsvFieldCountW(row), 17);
    EXPECT_EQ(CsvFieldW(row, fieldNumber(Field::Value)),
              QStringLiteral("01 003:25 Say \"Hi\", then go"));
}

class LabelTemplateTest : public ::testing::Test {
protected:
    QStringList filled(const QStringList& templateLines) {
        return decoded(fillLabelPlaceholders(templateLines, disc_));
    }

    DiscInfo disc_;
};

TEST_F(LabelTemplateTest, PlaceholdersAreReplacedInOrder) {
    disc_.jacketPath = QStringLiteral(" /music/front.jpg ");
    disc_.albumTitle = QStringLiteral(" 海 [演奏者] ");
    disc_.discPerformer = QStringLiteral("楽団");
    disc_.discId = QStringLiteral("0042");
    disc_.releaseYear = QStringLiteral("2009");
    disc_.subtitle2 = QStringLiteral(" 第二 ");
    const QStringList lines = filled({
        "画像,,,,,,,,,,,,[ジャケット画像]",
        "画像,,,,,,,,,,,,[ジャケット画像]",
        "文字,,,,,,,,,,,,[ＣＤタイトル]",
        "文字,,,,,,,,,,,,\"MNGD-[ＣＤＩＤ] [ＤＡＴＥ] (C), x\"",
        "文字,,,,,,,,,,,,[タイトルサブ1]",
        "文字,,,,,,,,,,,,[タイトルサブ2]",
    });
    QStringList values;
    for (const QString& line : lines)
        values.append(CsvFieldW(line, fieldNumber(Field::Value)));
    EXPECT_EQ(values, QStringList({"/music/front.jpg", "[ジャケット画像]", "海 楽団",
                                   "MNGD-0042 2009 (C), x", "第二", ""}));
    // A row that held no value to change keeps its text.
    EXPECT_EQ(lines[1], QStringLiteral("画像,,,,,,,,,,,,[ジャケット画像]"));
}

// A user's own template keeps every character outside the placeholders: quotes, "%20" blanks and
// tab separators are not rewritten; a value's comma, quote or line break stays in its field.
TEST_F(LabelTemplateTest, FilledRowsKeepEverythingOutsideThePlaceholders) {
    disc_.albumTitle = QStringLiteral("Sea, \"Sky\"");
    disc_.discPerformer = QStringLiteral("Line\nBreak");
    const QString own = QStringLiteral("文字\tYes,\"Yes\",Yes,1,2,3,4,,左寄せ,No,13.5,"
                                       "\"%20[ＣＤタイトル]\",Font%20Name,9,clBlack,clWhite");
    const QStringList lines =
        filled({own, QStringLiteral("文字,,,,,,,,,,,,[ＣＤタイトル] [演奏者],x")});
    EXPECT_EQ(lines[0], QStringLiteral("文字\tYes,\"Yes\",Yes,1,2,3,4,,左寄せ,No,13.5,"
                                       "\"%20Sea, \"\"Sky\"\"\",Font%20Name,9,clBlack,clWhite"));
    EXPECT_EQ(CsvFieldW(lines[1], fieldNumber(Field::Value)),
              QStringLiteral("Sea, \"Sky\" Line Break"));
    EXPECT_EQ(CsvFieldW(lines[1], fieldNumber(Field::Face)), QStringLiteral("x"));
}

// The built-in template's rows as the label format defines them, field by field (the credit
// line's wording after its placeholders is free).
TEST_F(LabelTemplateTest, BuiltInTemplateHoldsTheDefinedRows) {
    const char16_t* const rows[] = {
        u"設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,ＭＳ Ｐゴシック,9,clBlack,clWhite",
        u"画像,Yes,Yes,Yes,105,105,1195,1200,,左寄せ,No,13.5,[ジャケット画像],HG創英角ﾎﾟｯﾌﾟ体,9.0,"
        u"clBlack,clNavy",
        u"罫線,Yes,Yes,Yes,1300,100,1300,1200,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,0.3,clGray,clWhite",
        u"矩形,Yes,Yes,Yes,100,100,2500,1300,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,3.0,clGray,clWhite",
        u"矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ "
        u"Ｐゴシック,0.3,clGray,$00B7BDC8",
        u"文字,Yes,Yes,Yes,1000,1213,1200,53,1,左寄せ,No,13.5,ミナモ楽団,AR浪漫明朝体U,10.0,clNavy,"
        u"clWhite",
        u"文字,Yes,Yes,Yes,1000,1250,1200,53,1,左寄せ,No,13.5,ファンクラブ,AR浪漫明朝体U,10.0,"
        u"clNavy,clWhite",
        u"矩形,Yes,Yes,Yes,990,1210,1220,1290,10,角丸,No,13.5,,ＭＳ Ｐゴシック,0.7,clNavy,clWhite",
        u"矩形,Yes,Yes,Yes,105,1160,1300,1200,10,矩形,No,13.5,,ＭＳ "
        u"Ｐゴシック,0.7,$00400040,$00400040",
        u"矩形,Yes,No,Yes,1400,1080,2280,1250,,矩形,No,3.0,,MS UI Gothic,0.5,clGray,$00FAE6E6",
        u"文字,Yes,Yes,Yes,190,1165,1000,53,1,中心合せ,No,13.5,<credit>,Arial "
        u"Narrow,8.0,$00B3DEF5,clWhite",
        u"文字,Yes,Yes,Yes,150,1230,1200,53,1,左寄せ,No,13.5,[ＣＤタイトル],HG創英角ﾎﾟｯﾌﾟ体,11.0,$"
        u"00B48246,clWhite",
        u"文字,Yes,Yes,Yes,1250,130,1200,53,1,中心合せ,No,13.5,[ＣＤタイトル],HG創英角ﾎﾟｯﾌﾟ体,14.0,"
        u"$008B0000,clWhite",
        u"文字,Yes,Yes,Yes,1250,200,1200,53,1,中心合せ,No,13.5,[タイトルサブ1],HG創英角ﾎﾟｯﾌﾟ体,12."
        u"0,clBlack,clWhite",
        u"文字,Yes,Yes,Yes,1250,260,1200,53,1,中心合せ,No,13.5,[タイトルサブ2],HG創英角ﾎﾟｯﾌﾟ体,12."
        u"0,clBlack,clWhite",
        u"文字,Yes,Yes,Yes,1250,330,1200,53,1,中心合せ,No,13.5,[演奏者],ＭＳ "
        u"Ｐゴシック,14.0,$008B0000,clWhite",
        u"矩形,Yes,Yes,Yes,1350,500,2450,1250,,,No,13.5,,,2.5,clTeal,clWhite",
    };
    const QStringList& lines = builtInLabelTemplate();
    ASSERT_EQ(lines.size(), 1 + qsizetype(std::size(rows)));
    EXPECT_EQ(lines[0], QStringLiteral("ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,値,書体,"
                                       "サイズ,文字色,矩形色"));
    for (size_t r = 0; r < std::size(rows); ++r) {
        const QStringList expected = QString::fromUtf16(rows[r]).split(QLatin1Char(','));
        const QStringList fields = csvFieldsW(lines[qsizetype(r) + 1]);
        ASSERT_EQ(fields.size(), 17) << r;
        for (int f = 0; f < 17; ++f) {
            if (expected[f] == QLatin1String("<credit>"))
                EXPECT_TRUE(fields[f].startsWith(QStringLiteral("MNGD-[ＣＤＩＤ] [ＤＡＴＥ] ")) &&
                            fields[f].contains(QLatin1Char(',')))
                    << fields[f].toStdString();
            else
                EXPECT_EQ(fields[f], expected[f]) << "row " << r + 1 << " field " << f + 1;
        }
    }
    // The credit line is the only value in double quotes.
    EXPECT_EQ(lines.join(QString()).count(QLatin1Char('"')), 2);
}

TEST_F(LabelTemplateTest, InstalledTemplateHoldsTheBuiltInLines) {
    const QByteArray installed =
        test::fileBytes(QStringLiteral(LCCD_RESOURCES_DIR "/LcJacketStd.lct"));
    EXPECT_EQ(installed, test::sjisFileBytes(builtInLabelTemplate()));
    // The build puts it beside the program, where the template is looked up first.
    EXPECT_EQ(test::fileBytes(QStringLiteral(LCCD_PROGRAM_DIR "/LcJacketStd.lct")), installed);
}

TEST_F(LabelTemplateTest, TemplateComesFromTheFirstProgramFolderThatHoldsIt) {
    QTemporaryDir program;
    QTemporaryDir data;
    ProgramPaths paths;
    paths.programPath = program.filePath("lccdtool");
    paths.readFolders = {program.path(), data.path()};
    test::writeFileBytes(data.filePath("Mine.lct"), toSjis(QStringLiteral("ID\r\n文字,x\rlast\n")));
    EXPECT_EQ(loadLabelTemplate(paths, "Mine.lct"),
              QStringList({"ID", QStringLiteral("文字,x"), "last"}));
    EXPECT_EQ(loadLabelTemplate(paths, "Other.lct"), builtInLabelTemplate());
    EXPECT_EQ(loadLabelTemplate(paths, QString()), builtInLabelTemplate());

    // One a Linux editor saved reads as UTF-8 and says so.
    bool utf8 = false;
    test::writeFileBytes(program.filePath("Utf8.lct"),
                         "\xEF\xBB\xBFID\r\n" + QStringLiteral("文字,夏").toUtf8());
    EXPECT_EQ(loadLabelTemplate(paths, "Utf8.lct", &utf8),
              QStringList({"ID", QStringLiteral("文字,夏")}));
    EXPECT_TRUE(utf8);
    loadLabelTemplate(paths, "Mine.lct", &utf8);
    EXPECT_FALSE(utf8);
}

class LabelLayoutTest : public test::DiscFolderTest {};

TEST_F(LabelLayoutTest, LayoutFileIsTheFilledTemplateAndTheSongs) {
    DiscInfo& disc = editor_.disc();
    disc.albumTitle = QStringLiteral("表ソ");
    setSongs({song(QStringLiteral("春"), {}, {}, "004:05"), song(QStringLiteral("夏"))});
    writeLabelLayout(path("label.csv"), {"ID,値", "文字,[ＣＤタイトル]"}, disc,
                     editor_.tracks().rows());
    EXPECT_EQ(
        test::fileBytes(path("label.csv")),
        test::sjisFileBytes({
            "ID,値",
            QStringLiteral("文字,表ソ"),
            QStringLiteral("文字,Yes,Yes,Yes,1450,600,960,30,,左寄せ,No,10.5,\"01 004:05 春\","
                           "\"MS UI Gothic\",9.5,clWindowText,clWhite"),
            QStringLiteral("文字,Yes,Yes,Yes,1450,645,960,30,,左寄せ,No,10.5,\"02 0:00 夏\","
                           "\"MS UI Gothic\",9.5,clWindowText,clWhite"),
        }));

    // The main window's layout reader takes the built-in jacket with its songs, every row whole
    // (a comma in the album title included).
    disc.albumTitle = QStringLiteral("Love, Peace");
    writeLabelLayout(path("jacket.csv"), builtInLabelTemplate(), disc, printedSongs(15));
    const std::optional<LayoutFileContent> layout = readLayoutFile(path("jacket.csv")).content;
    ASSERT_TRUE(layout.has_value());
    EXPECT_EQ(layout->headerFieldCount, 17);
    ASSERT_EQ(layout->rowLines.size(), 17 + 15);
    for (const QString& row : layout->rowLines)
        EXPECT_EQ(CsvFieldCountW(row), 17) << row.toStdString();

    // No printed song: the template rows only.
    editor_.tracks().clearTracks();
    EXPECT_EQ(labelLayoutLines(builtInLabelTemplate(), disc, editor_.tracks().rows()).size(), 18);
}

// The template's own bytes, and the disc's values and song titles in the bytes their project
// held, stay as they were: 纊 in NEC's ED 40, ∵ in NEC's 87 9A and IBM's FA 5B, ⅰ in NEC's EE EF
// (toSjis writes FA 5C, 81 E6 and FA 40).
TEST_F(LabelLayoutTest, FilledTemplateKeepsTheBytesOfWhatNobodyEdited) {
    QTemporaryDir program;
    ProgramPaths paths;
    paths.programPath = program.filePath("lccdtool");
    paths.readFolders = {program.path()};
    const QByteArray row = toSjis(QStringLiteral("文字,\"[ＣＤタイトル] ")) + "\xED\x40\",\x87\x9A";
    test::writeFileBytes(program.filePath("Own.lct"), "ID,\xED\x40\r\n" + row + "\r\n");
    readDiscProject(editor_, {"TITLE:\xFA\x5B", "01,001:00,\"\xEE\xEF\",\"\",\"\",,,\"\""});
    editor_.tracks().setField(1, TrackColumn::Check, QStringLiteral("1"));

    EXPECT_EQ(labelLayoutLines(loadLabelTemplate(paths, "Own.lct"), editor_.disc(),
                               editor_.tracks().rows()),
              QList<QByteArray>({
                  "ID,\xED\x40",
                  toSjis(QStringLiteral("文字,\"")) + "\xFA\x5B \xED\x40\",\x87\x9A",
                  toSjis(QStringLiteral("文字,Yes,Yes,Yes,1450,600,960,30,,左寄せ,No,10.5,\"01 "
                                        "001:00 ")) +
                      "\xEE\xEF\",\"MS UI Gothic\",9.5,clWindowText,clWhite",
              }));
}

} // namespace
} // namespace lccd
