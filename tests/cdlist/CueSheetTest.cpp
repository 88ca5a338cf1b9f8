#include "disc/CueSheet.h"

#include "cdlist/StatusNotes.h"
#include "cdlist/StatusPanel.h"
#include "tests/cdlist/DiscFolderFixture.h"

#include <QProcess>

namespace lccd {
namespace {

using test::song;

class CueSheetTest : public test::DiscFolderTest {
protected:
    CueSheetTest() {
        editor_.disc().albumTitle = QStringLiteral("Album");
        editor_.disc().discPerformer = QStringLiteral("Band");
    }

    DiscNotes notes_;

    QList<QByteArray> lines(CdOptions options = {}) {
        return cueSheetLines(editor_.disc(), editor_.tracks().rows(), options, notes_);
    }

    void setTitledSongs(int count) {
        for (int r = 1; r <= count; ++r)
            editor_.tracks().setTrack(r, song(QStringLiteral("Song %1").arg(r)));
    }
};

TEST(CueCatalogTest, TheValueAlwaysHasThirteenBytes) {
    const struct {
        const char* typed;
        const char* written;
    } cases[] = {
        {"", "MNGD2008A0101"},                // empty: the default number
        {"4988001", "4988001123456"},         // 7 bytes: padded
        {"498800112345678", "4988001123456"}, // 15 bytes: cut
        {"ABCD012345678", "ABCD012345678"},   // 13 bytes: unchanged, letters included
    };
    for (const auto& c : cases)
        EXPECT_EQ(cueCatalogValue(QLatin1String(c.typed)), QByteArray(c.written)) << c.typed;
    // The length counts Shift-JIS bytes: three double-byte characters are 6 of the 13.
    EXPECT_EQ(cueCatalogValue(QStringLiteral("ＣＤ１")),
              toSjis(QStringLiteral("ＣＤ１")) + "1234567");
}

TEST_F(CueSheetTest, SheetIsWrittenByteForByte) {
    editor_.disc().discPerformer = QStringLiteral(" 楽団 ");
    editor_.disc().albumTitle = QStringLiteral("表ソ");
    editor_.disc().catalog = QStringLiteral("4988001");
    setSongs({song(QStringLiteral(" 海の歌 "), QStringLiteral("  歌手 "),
                   QStringLiteral("/music/disc/01 海.wav")),
              song(QStringLiteral("No file"), QStringLiteral("P"))});
    writeCueSheet(path("disc.cue"), editor_.disc(), editor_.tracks().rows(), {}, notes_);
    EXPECT_EQ(test::fileBytes(path("disc.cue")), test::sjisFileBytes({
                                                     "REM COMMENT \"ExactAudioCopy v0.95b4\"",
                                                     "CATALOG 4988001123456",
                                                     QStringLiteral("PERFORMER \" 楽団 \""),
                                                     QStringLiteral("TITLE \"表ソ\""),
                                                     QStringLiteral("FILE \"01 海.wav\" WAVE"),
                                                     "TRACK 01 AUDIO",
                                                     QStringLiteral(" TITLE \"海の歌\""),
                                                     QStringLiteral("  PERFORMER \"歌手\""),
                                                     "    INDEX 01 00:00:00",
                                                     "FILE \"\" WAVE",
                                                     "TRACK 02 AUDIO",
                                                     " TITLE \"No file\"",
                                                     "  PERFORMER \"P\"",
                                                     "    INDEX 01 00:00:00",
                                                 }));
}

TEST_F(CueSheetTest, TracksRunToTheFirstBlankTitle) {
    setTitledSongs(10);
    EXPECT_EQ(lines().size(), 4 + 10 * 5);
    EXPECT_EQ(lines({.addGap = true}).size(), 4 + 10 * 6);
    EXPECT_EQ(lines({.addGap = true})[8], "    PREGAP 00:02:00");

    setTitledSongs(11);
    editor_.tracks().setTrack(12, song(QStringLiteral(" \t")));
    editor_.tracks().setTrack(13, song(QStringLiteral("After the blank")));
    EXPECT_EQ(lines().size(), 4 + 11 * 5);
    EXPECT_EQ(lines()[4 + 10 * 5 + 1], "TRACK 11 AUDIO");

    editor_.tracks().setTrack(1, song(QStringLiteral("   ")));
    EXPECT_EQ(lines().size(), 4);
}

TEST_F(CueSheetTest, UnsplitModeTakesTheFirstFourWavFiles) {
    editor_.disc().discPerformer = QStringLiteral(" Band ");
    EXPECT_EQ(lines({.noCut = true}).size(), 4);
    EXPECT_TRUE(notes_.isEmpty());

    for (int k = 1; k <= 6; ++k)
        addWav(QStringLiteral("part%1.WAV").arg(k), 1);
    addWav(QStringLiteral("notes.txt"), 1);
    setTitledSongs(2); // the songs are not used
    const QList<QByteArray> sheet = lines({.noCut = true});
    ASSERT_EQ(sheet.size(), 4 + 4 * 5);
    for (int k = 1; k <= 4; ++k) {
        const int first = 4 + (k - 1) * 5;
        EXPECT_TRUE(sheet[first].startsWith("FILE \"part")) << sheet[first].constData();
        EXPECT_TRUE(sheet[first].endsWith(".WAV\" WAVE"));
        EXPECT_EQ(sheet[first + 1],
                  QStringLiteral("TRACK %1 AUDIO").arg(k, 2, 10, QLatin1Char('0')).toLatin1());
        EXPECT_EQ(sheet[first + 2], QStringLiteral(" TITLE \"Track-%1\"").arg(k).toLatin1());
        EXPECT_EQ(sheet[first + 3], "  PERFORMER \" Band \"");
    }
    showDiscNotes(editor_.status(), notes_);
    EXPECT_EQ(editor_.status().text(), QStringLiteral("WAVファイル数が４本を越えています"));
    EXPECT_FALSE(editor_.status().clearTimer().isActive());
}

// What cueprint, a CUE reader of its own, finds in a sheet.
struct CueprintReport {
    QByteArray discTitle;
    QByteArray discPerformer;
    QList<QByteArray> titles;
    QList<QByteArray> performers;
};

CueprintReport cueprint(const QString& sheet) {
    QProcess process;
    process.start(QStringLiteral("cueprint"),
                  {QStringLiteral("-d"), QStringLiteral("%T\\n%P\\n%N\\n"), QStringLiteral("-t"),
                   QStringLiteral("%t\\t%p\\n"), sheet});
    EXPECT_TRUE(process.waitForFinished()) << "cueprint (package cuetools) did not run";
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().constData();
    QList<QByteArray> lines = process.readAllStandardOutput().split('\n');
    CueprintReport report;
    if (lines.size() < 3)
        return report;
    report.discTitle = lines[0];
    report.discPerformer = lines[1];
    EXPECT_EQ(lines[2].toInt(), lines.size() - 4) << "track count";
    for (qsizetype i = 3; i + 1 < lines.size(); ++i) {
        const QList<QByteArray> fields = lines[i].split('\t');
        report.titles.append(fields.value(0));
        report.performers.append(fields.value(1));
    }
    return report;
}

// cueprint reads a backslash before a closing quote as an escape, which a Shift-JIS reader does
// not: the Japanese values here hold characters with the trail byte 0x5C (表, ソ) only before
// their last character.
TEST_F(CueSheetTest, CueprintReadsWhatWasWritten) {
    const auto sj = [](const char16_t* text) { return toSjis(QString::fromUtf16(text)); };
    editor_.disc().albumTitle = QStringLiteral("表ソの海");
    editor_.disc().discPerformer = QStringLiteral("ミナモ楽団");
    setSongs({song(QStringLiteral("春の歌"), QStringLiteral("ソ歌手"), QStringLiteral("01.wav")),
              song(QStringLiteral("Summer"), QStringLiteral("Band")),
              song(QStringLiteral("秋"), QStringLiteral("表紙"), QStringLiteral("03.wav"))});
    for (int k = 1; k <= 5; ++k)
        addWav(QStringLiteral("live%1.wav").arg(k), 1);

    const struct {
        const char* name;
        CdOptions options;
        QList<QByteArray> titles;
        QList<QByteArray> performers;
    } cases[] = {
        {"normal", {}, {sj(u"春の歌"), "Summer", sj(u"秋")}, {sj(u"ソ歌手"), "Band", sj(u"表紙")}},
        {"gap",
         {.addGap = true},
         {sj(u"春の歌"), "Summer", sj(u"秋")},
         {sj(u"ソ歌手"), "Band", sj(u"表紙")}},
        {"unsplit",
         {.noCut = true, .addGap = true},
         {"Track-1", "Track-2", "Track-3", "Track-4"},
         QList<QByteArray>(4, sj(u"ミナモ楽団"))},
    };
    for (const auto& c : cases) {
        const QString sheet = path(QLatin1String(c.name) + QStringLiteral(".cue"));
        writeCueSheet(sheet, editor_.disc(), editor_.tracks().rows(), c.options, notes_);
        const CueprintReport report = cueprint(sheet);
        EXPECT_EQ(report.discTitle, sj(u"表ソの海")) << c.name;
        EXPECT_EQ(report.discPerformer, sj(u"ミナモ楽団")) << c.name;
        EXPECT_EQ(report.titles, c.titles) << c.name;
        EXPECT_EQ(report.performers, c.performers) << c.name;
    }
}

} // namespace
} // namespace lccd
