#include "cdlist/EditorDiscSave.h"
#include "cdlist/FolderLoader.h"
#include "disc/AlbumTracks.h"
#include "disc/CueSheetReader.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/AlbumImageFolder.h"

namespace lccd {
namespace {

using test::AlbumImageFolder;

TEST(CueSheetReaderTest, ReadsWhatRippersWrite) {
    const struct {
        const char* name;
        QString text;
        QStringList tracks; // number|type|file|title|performer|songwriter|isrc|INDEX 00|INDEX 01
        QString disc;       // title|performer|catalog|genre|date
    } cases[] = {
        {"keywords in any case, bare values, REM values to the line's end",
         QStringLiteral("title Album\nrem genre Jazz Rock\nREM DATE 1999\nfile a.wav wave\n"
                        "track 1 audio\ntitle \"One \"\nindex 01 01:02:03\n"),
         {QStringLiteral("1|AUDIO|a.wav|One |||||4653")},
         QStringLiteral("Album|||Jazz Rock|1999")},
        {"INDEX 00 in the file before does not count as the track's pregap",
         QStringLiteral("FILE \"1.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n"
                        "INDEX 00 03:00:00\nFILE \"2.wav\" WAVE\nINDEX 01 00:00:00\n"),
         {QStringLiteral("1|AUDIO|1.wav||||||0"), QStringLiteral("2|AUDIO|2.wav||||||0")},
         QStringLiteral("||||")},
        {"a track without INDEX 01, or with none that reads, is left out; its texts go nowhere",
         QStringLiteral("FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:60:00\nTITLE \"x\"\n"
                        "TRACK 100 AUDIO\nTITLE \"y\"\nINDEX 01 00:01:00\nTRACK 02 MODE1/2352\n"
                        "INDEX 01 00:02:74\nCATALOG 1\n"),
         {QStringLiteral("2|MODE1/2352|a.wav||||||224")},
         QStringLiteral("||||")},
        {"per-track texts, an unclosed quote to the line's end",
         QStringLiteral("PERFORMER \"Band\"\nCATALOG 4988001234567\nFILE \"i.flac\" WAVE\n"
                        "  TRACK 03 AUDIO\n    PERFORMER \"Solo\n    SONGWRITER \"W\"\n"
                        "    ISRC JPAB02100001\n    INDEX 00 00:01:00\n    INDEX 01 00:02:00\r"),
         {QStringLiteral("3|AUDIO|i.flac||Solo|W|JPAB02100001|75|150")},
         QStringLiteral("|Band|4988001234567||")},
    };
    for (const auto& c : cases) {
        const CueSheetContent sheet = parseCueSheet(c.text);
        QStringList tracks;
        for (const CueTrack& t : sheet.tracks)
            tracks.append(QStringList{QString::number(t.number), t.type, t.file, t.title,
                                      t.performer, t.songwriter, t.isrc,
                                      t.pregapStart ? QString::number(*t.pregapStart) : QString(),
                                      QString::number(t.start)}
                              .join(QLatin1Char('|')));
        EXPECT_EQ(tracks, c.tracks) << c.name;
        EXPECT_EQ(
            QStringList({sheet.title, sheet.performer, sheet.catalog, sheet.genre, sheet.date})
                .join(QLatin1Char('|')),
            c.disc)
            << c.name;
    }
}

class AlbumImageFolderTest : public test::DiscFolderTest {};

// Times from the INDEX positions: 377 and 232 sectors, and the image's 535 754 frames less
// 609 sectors (4.03 s).
TEST_F(AlbumImageFolderTest, SheetBesideAnImageListsItsTracks) {
    using Encoding = AlbumImageFolder::SheetEncoding;
    for (const Encoding encoding : {Encoding::Sjis, Encoding::Utf8WithBom, Encoding::Utf8}) {
        SCOPED_TRACE(int(encoding));
        ASSERT_TRUE(AlbumImageFolder::make(dir_.path(), encoding)) << "sox or ffmpeg failed";
        LoadFolder(editor_, dir_.path());
        const QString base = path("album.cue#");
        const QList<TrackRow> expected = {
            {"1", "000:05", "朝の歌", "鈴木", "三つの音", "2021", "Classical", base + "01"},
            {"1", "000:03", "昼ﾊｲ", "鈴木楽団", "三つの音", "2021", "Classical", base + "02"},
            {"1", "000:04", "夜", "鈴木楽団", "三つの音", "2021", "Classical", base + "03"},
            {},
        };
        for (int r = 1; r <= int(expected.size()); ++r)
            EXPECT_EQ(editor_.tracks().track(r), expected[r - 1]) << "row " << r;
        const DiscInfo& disc = editor_.disc();
        EXPECT_EQ(QStringList({disc.albumTitle, disc.discPerformer, disc.catalog, disc.releaseYear,
                               disc.selectedGenre()}),
                  QStringList({"三つの音", "鈴木楽団", "4988001234567", "2021", "Classical"}));
    }
}

// A project names the tracks as the load did, and reading it links them again with their times.
TEST_F(AlbumImageFolderTest, ProjectLinksTheTracksAgain) {
    ASSERT_TRUE(AlbumImageFolder::make(dir_.path()));
    test::writeFileBytes(path("disc.txt"),
                         test::sjisFileBytes({"TITLE:x", "01,,\"A\",\"\",\"\",,,\"album.cue#03\"",
                                              "02,,\"B\",\"\",\"\",,,\"album.cue#04\""}));
    LoadFolder(editor_, dir_.path());
    EXPECT_EQ(editor_.tracks().track(1), test::song("A", "", "album.cue#03", "000:04"));
    EXPECT_EQ(editor_.tracks().track(2).check, "0"); // the sheet has no track 4
}

// An album titled as the image's sheet would replace the user's sheet with the save's.
TEST_F(AlbumImageFolderTest, SaveDoesNotReplaceTheSheetTheTracksComeFrom) {
    ASSERT_TRUE(AlbumImageFolder::make(dir_.path()));
    LoadFolder(editor_, dir_.path());
    editor_.disc().folderBoxText = dir_.path();
    editor_.disc().albumTitle = QStringLiteral("album");
    DiscSaveSettings settings;
    EXPECT_EQ(EditorDiscSave(editor_).run(settings), std::nullopt);
    EXPECT_EQ(test::fileBytes(path("album.cue")),
              AlbumImageFolder::sheetBytes(AlbumImageFolder::SheetEncoding::Sjis));
    EXPECT_FALSE(QFile::exists(path("album.txt")));
    EXPECT_TRUE(editor_.status().text().contains(QStringLiteral("album.cue")))
        << editor_.status().text().toStdString();
}

} // namespace
} // namespace lccd
