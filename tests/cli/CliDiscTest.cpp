#include "cdlist/CdListPresenter.h"
#include "cdlist/EditorDiscSave.h"
#include "cdlist/FolderLoader.h"
#include "common/FileHelpers.h"
#include "platform/CodePage.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FileBytes.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runCli;

// A folder "海の歌" of three tagged WAV songs under root.
QString makeDiscFolder(const QString& root) {
    const QString folder = QDir(root).filePath(QStringLiteral("海の歌"));
    QDir().mkpath(folder);
    const QStringList titles = {QStringLiteral("朝"), QStringLiteral("昼"), QStringLiteral("夜")};
    for (int i = 0; i < titles.size(); ++i)
        test::writeTestWav(QDir(folder).filePath(QStringLiteral("0%1.wav").arg(i + 1)),
                           8000 * (i + 2), {8000, 1, 8}, {{"INAM", toSjis(titles[i])}});
    return folder;
}

// The songs of makeDiscFolder as a folder listing yields them (unsorted, in the file system's
// order): file name, title and playing time.
struct Song {
    QString file;
    QString title;
    QString time;
};

QList<Song> songsInListingOrder(const QString& folder) {
    const QMap<QString, Song> songs = {
        {QStringLiteral("01.wav"), {QStringLiteral("01.wav"), QStringLiteral("朝"), "000:02"}},
        {QStringLiteral("02.wav"), {QStringLiteral("02.wav"), QStringLiteral("昼"), "000:03"}},
        {QStringLiteral("03.wav"), {QStringLiteral("03.wav"), QStringLiteral("夜"), "000:04"}},
    };
    QStringList names;
    FindFiles(names, folder, QStringLiteral("wav"), false, false, FileAttr::Any);
    QList<Song> listed;
    for (const QString& name : names)
        listed.append(songs.value(name));
    return listed;
}

// What the save command writes for that folder, the album "夏の記録", the performer
// "ミナモ, 楽団", the catalog "4988" and the gap option, written out by hand: the project, the
// CUE sheet and the label from the built-in template with one row per song.
QStringList expectedProject(const QList<Song>& songs) {
    QStringList lines = {
        QStringLiteral("TITLE:夏の記録"), QStringLiteral("SUBTITLE1:"),
        QStringLiteral("SUBTITLE2:"),     QStringLiteral("PERFORMER:ミナモ, 楽団"),
        QStringLiteral("DISCID:"),        QStringLiteral("CATALOG:4988"),
        QStringLiteral("GENRE:JPop"),     QStringLiteral("DATE:"),
        QStringLiteral("JACKET:"),
    };
    for (int i = 0; i < songs.size(); ++i)
        lines.append(QStringLiteral("0%1,%2,\"%3\",\"\",\"\",,,\"%4\"")
                         .arg(i + 1)
                         .arg(songs[i].time, songs[i].title, songs[i].file));
    return lines;
}

QStringList expectedCueSheet(const QList<Song>& songs) {
    QStringList lines = {
        QStringLiteral("REM COMMENT \"ExactAudioCopy v0.95b4\""),
        QStringLiteral("CATALOG 4988123456789"),
        QStringLiteral("PERFORMER \"ミナモ, 楽団\""),
        QStringLiteral("TITLE \"夏の記録\""),
    };
    for (int i = 0; i < songs.size(); ++i)
        lines << QStringLiteral("FILE \"%1\" WAVE").arg(songs[i].file)
              << QStringLiteral("TRACK 0%1 AUDIO").arg(i + 1)
              << QStringLiteral(" TITLE \"%1\"").arg(songs[i].title)
              << QStringLiteral("  PERFORMER \"\"") << QStringLiteral("    PREGAP 00:02:00")
              << QStringLiteral("    INDEX 01 00:00:00");
    return lines;
}

QStringList expectedLabel(const QList<Song>& songs) {
    QStringList lines = {
        QStringLiteral(
            "ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,値,書体,サイズ,文字色,矩形色"),
        QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,ＭＳ Ｐゴシック,9,clBlack,clWhite"),
        QStringLiteral("画像,Yes,Yes,Yes,105,105,1195,1200,,左寄せ,No,13.5,,HG創英角ﾎﾟｯﾌﾟ体,9.0,"
                       "clBlack,clNavy"),
        QStringLiteral("罫線,Yes,Yes,Yes,1300,100,1300,1200,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,0.3,"
                       "clGray,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,100,100,2500,1300,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,3.0,"
                       "clGray,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ Ｐゴシック,0.3,"
                       "clGray,$00B7BDC8"),
        QStringLiteral(
            "文字,Yes,Yes,Yes,1000,1213,1200,53,1,左寄せ,No,13.5,ミナモ楽団,AR浪漫明朝体U,"
            "10.0,clNavy,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1000,1250,1200,53,1,左寄せ,No,13.5,ファンクラブ,"
                       "AR浪漫明朝体U,10.0,clNavy,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,990,1210,1220,1290,10,角丸,No,13.5,,ＭＳ Ｐゴシック,0.7,"
                       "clNavy,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1160,1300,1200,10,矩形,No,13.5,,ＭＳ Ｐゴシック,0.7,"
                       "$00400040,$00400040"),
        QStringLiteral("矩形,Yes,No,Yes,1400,1080,2280,1250,,矩形,No,3.0,,MS UI Gothic,0.5,clGray,"
                       "$00FAE6E6"),
        QStringLiteral(
            "文字,Yes,Yes,Yes,190,1165,1000,53,1,中心合せ,No,13.5,\"MNGD-  (P)(C) 2008-2010 "
            "Minamo Records, all rights reserved, manufactured by the Minamo Fan Club.\","
            "Arial Narrow,8.0,$00B3DEF5,clWhite"),
        QStringLiteral(
            "文字,Yes,Yes,Yes,150,1230,1200,53,1,左寄せ,No,13.5,夏の記録,HG創英角ﾎﾟｯﾌﾟ体,"
            "11.0,$00B48246,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,130,1200,53,1,中心合せ,No,13.5,夏の記録,"
                       "HG創英角ﾎﾟｯﾌﾟ体,14.0,$008B0000,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,200,1200,53,1,中心合せ,No,13.5,,HG創英角ﾎﾟｯﾌﾟ体,12.0,"
                       "clBlack,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,260,1200,53,1,中心合せ,No,13.5,,HG創英角ﾎﾟｯﾌﾟ体,12.0,"
                       "clBlack,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,330,1200,53,1,中心合せ,No,13.5,\"ミナモ, 楽団\","
                       "ＭＳ Ｐゴシック,14.0,$008B0000,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,1350,500,2450,1250,,,No,13.5,,,2.5,clTeal,clWhite"),
    };
    for (int i = 0; i < songs.size(); ++i)
        lines.append(QStringLiteral("文字,Yes,Yes,Yes,1450,%1,960,30,,左寄せ,No,10.5,\"0%2 %3 %4\","
                                    "\"MS UI Gothic\",9.5,clWindowText,clWhite")
                         .arg(600 + 45 * i)
                         .arg(i + 1)
                         .arg(songs[i].time, songs[i].title));
    return lines;
}

// The file form: Shift-JIS, every line followed by CR LF.
QByteArray fileForm(const QStringList& lines) {
    return toSjis(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

TEST(CliDiscTest, WritesTheProjectCueSheetAndLabelOfTheDisc) {
    QTemporaryDir editorRoot;
    QTemporaryDir cliRoot;
    const QString editorFolder = makeDiscFolder(editorRoot.path());
    const QString cliFolder = makeDiscFolder(cliRoot.path());

    // The editor: the folder chosen and loaded, boxes typed in, the gap option on, saved.
    test::DesktopSongs songs;
    CdListPresenter editor(songs.services());
    editor.disc().setFolderPath(editorFolder);
    LoadFolder(editor, editorFolder);
    editor.disc().albumTitle = QStringLiteral("夏の記録");
    editor.disc().discPerformer = QStringLiteral("ミナモ, 楽団");
    editor.disc().catalog = QStringLiteral("4988");
    DiscSaveSettings settings;
    settings.cd.addGap = true;
    settings.programPaths = ProgramPaths::forExecutable(QStringLiteral(LCCD_CLI_PATH));
    ASSERT_TRUE(EditorDiscSave(editor).run(settings).has_value());

    // The command line, with the same values.
    const test::CliRun run = runCli({QStringLiteral("disc"), cliFolder, QStringLiteral("--album"),
                                     QStringLiteral("夏の記録"), QStringLiteral("--performer"),
                                     QStringLiteral("ミナモ, 楽団"), QStringLiteral("--catalog"),
                                     QStringLiteral("4988"), QStringLiteral("--gap")});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();

    QStringList written;
    for (const QString& folder : {cliFolder, editorFolder}) {
        const QList<Song> songs = songsInListingOrder(folder);
        ASSERT_EQ(songs.size(), 3);
        const struct {
            const char* extension;
            QByteArray bytes;
        } expected[] = {{".txt", fileForm(expectedProject(songs))},
                        {".cue", fileForm(expectedCueSheet(songs))},
                        {".csv", fileForm(expectedLabel(songs))}};
        for (const auto& file : expected) {
            const QString path =
                QDir(folder).filePath(QStringLiteral("夏の記録") + QLatin1String(file.extension));
            if (folder == cliFolder)
                written.append(path);
            EXPECT_EQ(test::fileBytes(path), file.bytes) << path.toStdString();
        }
    }
    EXPECT_EQ(run.out, written.join(QLatin1Char('\n')) + QLatin1Char('\n'));
}

// The album title names the disc's files, but only as one name in the folder: nothing is
// written beside it or elsewhere, and the project keeps the title as typed.
TEST(CliDiscTest, AlbumTitleNamesFilesOnlyInsideTheFolder) {
    const struct {
        QString album;
        QString name;
    } cases[] = {
        {QStringLiteral("AC/DC"), QStringLiteral("AC／DC")},
        {QStringLiteral("../x"), QStringLiteral("..／x")},
        {QStringLiteral("."), QStringLiteral("_")},
        {QStringLiteral(".."), QStringLiteral("_")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.album.toStdString());
        QTemporaryDir root;
        const QString folder = makeDiscFolder(root.path());
        const test::CliRun run =
            runCli({QStringLiteral("disc"), folder, QStringLiteral("--album"), c.album,
                    QStringLiteral("--performer"), QStringLiteral("Band")});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        QStringList written;
        for (const char* extension : {".txt", ".cue", ".csv"})
            written.append(QDir(folder).filePath(c.name + QLatin1String(extension)));
        EXPECT_EQ(run.out, written.join(QLatin1Char('\n')) + QLatin1Char('\n'));
        for (const QString& path : written)
            EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        EXPECT_EQ(QDir(root.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
                  QStringList{QStringLiteral("海の歌")});
        EXPECT_TRUE(test::fileBytes(written[0]).startsWith(toSjis("TITLE:" + c.album) + "\r\n"));
    }
}

TEST(CliDiscTest, FailedCheckExitsWithTwoAndWritesNothing) {
    QTemporaryDir root;
    const QString folder = makeDiscFolder(root.path());
    const test::CliRun run = runCli({QStringLiteral("disc"), folder});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains(QStringLiteral("演者がブランクです"))) << run.err.toStdString();
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 3);
}

// A file that is no song is named on standard error and keeps its place; a value that would
// lose characters stops the save unless --lossy says to write "?".
TEST(CliDiscTest, UnreadableSongsAreNamedAndLossyValuesNeedTheOption) {
    QTemporaryDir root;
    const QString folder = makeDiscFolder(root.path());
    QFile aiff(QDir(folder).filePath(QStringLiteral("02b.wav")));
    ASSERT_TRUE(aiff.open(QIODevice::WriteOnly));
    aiff.write(QByteArray("FORM\0\0\0 AIFFCOMM", 16));
    aiff.close();
    const QStringList disc = {QStringLiteral("disc"),        folder,
                              QStringLiteral("--performer"), QStringLiteral("Band"),
                              QStringLiteral("--album"),     QStringLiteral("Caf\u00e9")};

    const test::CliRun refused = runCli(disc);
    EXPECT_EQ(refused.exitCode, 2);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("Not Music file\n")));
    EXPECT_TRUE(refused.err.contains(
        QStringLiteral("読み込めなかったファイル: 02b.wav (AIFFファイルとして読めません)")))
        << refused.err.toStdString();
    EXPECT_TRUE(refused.err.contains(QStringLiteral("アルバム (\u00e9)")));
    EXPECT_EQ(QDir(folder).entryList(QDir::Files).size(), 4);

    const test::CliRun lossy = runCli(disc + QStringList{QStringLiteral("--lossy")});
    ASSERT_EQ(lossy.exitCode, 0) << lossy.err.toStdString();
    const QByteArray cue = test::fileBytes(QDir(folder).filePath(QStringLiteral("Caf\u00e9.cue")));
    EXPECT_TRUE(cue.contains("TITLE \"Caf?\""));
    // The file that is no song stays out of the sheet; the songs after it follow on.
    EXPECT_FALSE(cue.contains("02b.wav"));
    EXPECT_TRUE(cue.contains("FILE \"03.wav\" WAVE\r\nTRACK 03 AUDIO\r\n"))
        << "the songs after it keep their order";
}

// A song retagged after the project was written keeps its title unless --overwrite-tags says
// otherwise; an untitled song is seeded from the project unless it is read-only, and then the
// save still writes its files, lists the song and exits with 3.
TEST(CliDiscTest, TagsKeepTheSongsValuesAndUntaggedSongsExitWithThree) {
    if (!test::toolInstalled(QStringLiteral("ffprobe")))
        GTEST_SKIP() << "ffprobe is not installed";
    const struct {
        QStringList options;
        bool readOnly;
        int exitCode;
        QString retagged;
        QString seeded;
    } cases[] = {
        {{"--tags"}, true, 3, "Retagged", ""},
        {{"--tags"}, false, 0, "Retagged", "Seeded"},
        {{"--tags", "--overwrite-tags"}, false, 0, "Old", "Seeded"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString() + (c.readOnly ? " read-only" : ""));
        QTemporaryDir root;
        const QDir folder(root.path());
        const QString retagged = folder.filePath(QStringLiteral("01.wav"));
        const QString untitled = folder.filePath(QStringLiteral("02.wav"));
        test::writeTestWav(retagged, 8000, {8000, 1, 8}, {{"INAM", "Retagged"}});
        test::writeTestWav(untitled, 8000, {8000, 1, 8});
        QFile project(folder.filePath(QStringLiteral("Album.txt")));
        ASSERT_TRUE(project.open(QIODevice::WriteOnly));
        project.write(
            "TITLE:Album\r\nPERFORMER:Band\r\n01,000:01,\"Old\",\"\",\"\",,,\"01.wav\"\r\n"
            "02,000:01,\"Seeded\",\"\",\"\",,,\"02.wav\"\r\n");
        project.close();
        if (c.readOnly)
            QFile::setPermissions(untitled, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);

        const test::CliRun run =
            runCli(QStringList{QStringLiteral("disc"), root.path()} + c.options);
        EXPECT_EQ(run.exitCode, c.exitCode) << run.err.toStdString();
        EXPECT_TRUE(QFileInfo::exists(folder.filePath(QStringLiteral("Album.csv"))));
        EXPECT_EQ(run.err.contains(QStringLiteral("\n  %1\n").arg(untitled)), c.readOnly)
            << run.err.toStdString();
        const auto title = [](const QString& song) {
            return test::runTool(QStringLiteral("ffprobe"),
                                 {"-v", "error", "-show_entries", "format_tags=title", "-of",
                                  "default=nw=1:nk=1", song})
                .trimmed();
        };
        EXPECT_EQ(title(retagged), c.retagged);
        EXPECT_EQ(title(untitled), c.seeded);
    }
}

} // namespace
} // namespace lccd
