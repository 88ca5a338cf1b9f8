#include "cdlist/FolderLoader.h"

#include "common/FileHelpers.h"
#include "disc/PlayingTime.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FakeAudioDecoder.h"

#include <QDir>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>

#include <unistd.h>

namespace lccd {
namespace {

using test::song;

class FolderLoaderTest : public test::DiscFolderTest {
protected:
    void SetUp() override {
        DiscFolderTest::SetUp();
        editor_.disc().discPerformer = QStringLiteral("Before");
        setSongs({song(QStringLiteral("Earlier song"))});
    }

    void writeText(const QString& name, const QString& text) {
        test::writeFileBytes(path(name), toSjis(text));
    }

    // The files of a kind in the order the folder search lists them.
    QStringList listed(const QString& extension) const {
        QStringList files;
        FindFiles(files, dir_.path(), extension, false, true, FileAttr::Any);
        return files;
    }

    const TrackRow& row(int r) { return editor_.tracks().track(r); }
};

// A project a Linux editor saved in UTF-8 (with or without a byte-order mark) reads as UTF-8,
// and the status panel says so; one in code page 932 reads as before.
TEST_F(FolderLoaderTest, ProjectInUtf8IsReadAsUtf8) {
    const QString text =
        QStringLiteral("TITLE:夏の記録\r\nPERFORMER:ミナモ楽団\r\n01,3:00,\"朝の歌\"\r\n");
    const struct {
        QByteArray bytes;
        bool utf8;
    } cases[] = {
        {"\xEF\xBB\xBF" + text.toUtf8(), true}, {text.toUtf8(), true}, {toSjis(text), false}};
    for (const auto& c : cases) {
        test::writeFileBytes(path("disc.txt"), c.bytes);
        LoadFolder(editor_, dir_.path());
        EXPECT_EQ(editor_.disc().albumTitle, QStringLiteral("夏の記録")) << c.utf8;
        EXPECT_EQ(editor_.disc().discPerformer, QStringLiteral("ミナモ楽団")) << c.utf8;
        EXPECT_EQ(row(1).title, QStringLiteral("朝の歌")) << c.utf8;
        EXPECT_EQ(editor_.status().text().contains(QStringLiteral("UTF-8")), c.utf8) << c.utf8;
    }
}

TEST_F(FolderLoaderTest, WavFilesBecomeRowsWhenThereIsNoProject) {
    writeText("readme.txt", "not a project");
    writeText("README.TXT", "neither");
    addWav("a.wav", 1, QStringLiteral("曲A"));
    addWav("b.WAV", 2, QStringLiteral("曲B"));
    addWav("01 Intro.wav", 3); // no title tag: the file's name
    EXPECT_EQ(LoadFolder(editor_, dir_.path()), std::nullopt);

    const QStringList songs = listed("wav");
    ASSERT_EQ(songs.size(), 3);
    for (int r = 1; r <= 3; ++r) {
        const QString& file = songs[r - 1];
        EXPECT_EQ(row(r).fileName, file);
        EXPECT_EQ(row(r).check, "1");
        const QString expectedTitle = file.endsWith("a.wav")   ? QStringLiteral("曲A")
                                      : file.endsWith("b.WAV") ? QStringLiteral("曲B")
                                                               : QStringLiteral("01 Intro");
        EXPECT_EQ(row(r).title, expectedTitle);
    }
    EXPECT_EQ(row(4), TrackRow());
    EXPECT_EQ(editor_.disc().albumTitle, QDir(dir_.path()).dirName());
    EXPECT_EQ(editor_.disc().discPerformer, "") << "the list is cleared first";
    EXPECT_EQ(row(1).fileName, path("01 Intro.wav")) << "listed in name order";
    EXPECT_EQ(editor_.totalsText(), QStringLiteral("合計演奏時間=000:06"));
}

TEST_F(FolderLoaderTest, ProjectFileIsReadInsteadOfTheWavFiles) {
    addWav("song.wav", 1);
    writeText("Notes.TXT", QStringLiteral("TITLE:From notes\r\nsong.wav\r\n"));
    EXPECT_EQ(LoadFolder(editor_, dir_.path()), QStringLiteral("ＣＤリスト編集 - Notes.TXT"));
    EXPECT_EQ(editor_.disc().albumTitle, "From notes");
    EXPECT_EQ(row(1).title, "song");
    EXPECT_EQ(row(2), TrackRow());
    EXPECT_EQ(editor_.positionText(), "1 / 1");
}

TEST_F(FolderLoaderTest, OnlyTheFirstListedProjectFileIsRead) {
    writeText("first.txt", "TITLE:first");
    writeText("second.txt", "TITLE:second");
    const QString project = QFileInfo(listed("txt").first()).fileName();
    EXPECT_EQ(LoadFolder(editor_, dir_.path()), QStringLiteral("ＣＤリスト編集 - ") + project);
    EXPECT_EQ(editor_.disc().albumTitle, project.chopped(4));
}

// The files after the 25th are read too: the last one, no song, says so on the panel.
TEST_F(FolderLoaderTest, ThirtyWavFilesFillTwentyFiveRowsByNameAndCountAllInTheTotal) {
    // Made last to first, so that the file system's own order is not the name order.
    test::writeFileBytes(path("30.wav"), "no song");
    for (int i = 29; i >= 1; --i)
        addWav(QStringLiteral("%1.wav").arg(i, 2, 10, QLatin1Char('0')), 2);
    QStringList shown;
    const QObject listening;
    QObject::connect(&editor_.status(), &StatusPanel::textChanged, &listening,
                     [&](const QString& text) { shown.append(text); });
    LoadFolder(editor_, dir_.path());
    for (int r = 1; r <= 25; ++r)
        EXPECT_EQ(row(r).title, QStringLiteral("%1").arg(r, 2, 10, QLatin1Char('0')));
    EXPECT_EQ(editor_.totalsText(), QStringLiteral("合計演奏時間=000:58"));
    EXPECT_TRUE(shown.contains(QStringLiteral("Not Music file")));
    EXPECT_EQ(editor_.status().text(),
              QStringLiteral("25曲を超えたため、5個のファイルはリストに入れませんでした"));
    EXPECT_EQ(editor_.RecountTracks(), 25);
}

TEST_F(FolderLoaderTest, NamesSortWithoutRegardToCaseAndComposition) {
    const QString decomposedGa = QStringLiteral("か\u3099.wav"); // が, as other systems write it
    for (const QString& name : {QStringLiteral("b.WAV"), QStringLiteral("C.wav"), decomposedGa,
                                QStringLiteral("A.wav"), QStringLiteral("がa.wav")})
        addWav(name, 1);
    const QStringList expected = {"A.wav", "b.WAV", "C.wav", decomposedGa,
                                  QStringLiteral("がa.wav")};
    QStringList names;
    for (const QString& file : listed("wav"))
        names.append(QFileInfo(file).fileName());
    EXPECT_EQ(names, expected);
}

// A file that is no readable song keeps its row under its name, the songs after it stay, and
// the load says which files it could not read.
TEST_F(FolderLoaderTest, UnreadableFilesKeepTheirRowsAndAreNamed) {
    addWav("01.wav", 1, QStringLiteral("一"));
    test::writeFileBytes(path("02.wav"), QByteArray("FORM\0\0\0 AIFFCOMM", 16));
    test::writeFileBytes(path("03.wav"), QByteArray());
    addWav("04.wav", 1, QStringLiteral("四"));
    LoadFolder(editor_, dir_.path());
    const QStringList titles = {QStringLiteral("一"), "02", "03", QStringLiteral("四")};
    for (int r = 1; r <= 4; ++r)
        EXPECT_EQ(row(r).title, titles[r - 1]);
    EXPECT_EQ(editor_.status().text(),
              QStringLiteral("読み込めなかったファイル: 02.wav (AIFFファイルとして読めません), "
                             "03.wav (空のファイルです)"));
    EXPECT_EQ(editor_.RecountTracks(), 4);
}

TEST_F(FolderLoaderTest, FolderWithoutSongsOrProjectChangesNothing) {
    writeText("readme.txt", "");
    const TrackRow before = row(1);
    for (const QString& folder : {dir_.path(), dir_.filePath("vanished")}) {
        EXPECT_EQ(LoadFolder(editor_, folder), std::nullopt);
        EXPECT_EQ(row(1), before);
        EXPECT_EQ(editor_.disc().discPerformer, "Before");
    }
}

// Songs of every format the program decodes are listed together in name order, whatever the
// letter case of their extensions; other files are not.
TEST_F(FolderLoaderTest, SongsOfEveryFormatAreListedTogetherInNameOrder) {
    const QTemporaryDir sources; // the song encoded from is no file of the folder
    const QString tone = sources.filePath("tone.source");
    ASSERT_TRUE(test::makeToneSong(tone + ".wav", 2.5, {44100, 2, 16}));
    QFile::rename(tone + ".wav", tone);
    addWav("a.wav", 1);
    ASSERT_TRUE(test::makeToneSong(path("b.FLAC"), 2.5, {96000, 2, 24}));
    ASSERT_TRUE(test::runToolSucceeded("lame", {"--quiet", tone, path("c.Mp3")}));
    ASSERT_TRUE(test::encodeWithFfmpeg(tone, path("d.ogg")));
    ASSERT_TRUE(test::encodeWithFfmpeg(tone, path("e.OPUS")));
    ASSERT_TRUE(test::runToolSucceeded(
        "ffmpeg", {"-v", "error", "-i", tone, "-f", "ogg", "-c:a", "libvorbis", path("f.oga")}));
    for (const char* other : {"g.jpg", "h.cue", "i.wav.bak", "j.mp3.part"})
        test::writeFileBytes(path(QString::fromLatin1(other)), "not listed");

    EXPECT_EQ(LoadFolder(editor_, dir_.path()), std::nullopt);
    const QStringList names = {"a.wav", "b.FLAC", "c.Mp3", "d.ogg", "e.OPUS", "f.oga"};
    for (int r = 1; r <= names.size(); ++r) {
        SCOPED_TRACE(names[r - 1].toStdString());
        EXPECT_EQ(row(r).fileName, path(names[r - 1]));
        EXPECT_EQ(row(r).title, QFileInfo(names[r - 1]).completeBaseName());
        EXPECT_EQ(row(r).time, r == 1 ? "000:01" : "000:02");
    }
    EXPECT_EQ(row(7), TrackRow());
    EXPECT_EQ(editor_.status().text(), QString());
}

// Songs of the formats whose tags the program does not read list with their names as titles
// and their lengths as other programs measure them (a length just short of three seconds, so
// that the encoder's padding left on would show); the load names them, and the music files
// it does not list.
TEST_F(FolderLoaderTest, SongsOfOtherFormatsListWithTheirLengthsAndOtherMusicIsNamed) {
    const QTemporaryDir sources; // the song encoded from is no file of the folder
    const QString tone = sources.filePath("tone.wav");
    ASSERT_TRUE(test::makeToneSong(tone, 2.99, {44100, 2, 16}));
    const QStringList names = {"g.aiff", "h.m4a", "i.alac.m4a", "j.wma",
                               "k.wv",   "l.tta", "m.mpc",      "n.aac"};
    for (const QString& name : names)
        ASSERT_TRUE(test::encodeOtherFormat(tone, path(name))) << name.toStdString();
    test::writeFileBytes(path("o.mid"), QByteArray("MThd\0\0\0\x06\0\x01\0\x01\x01\xE0", 14));
    ASSERT_TRUE(QFile::copy(path("h.m4a"), path("p.m4a.bak")));

    EXPECT_EQ(LoadFolder(editor_, dir_.path()), std::nullopt);
    for (int r = 1; r <= names.size(); ++r) {
        const QString file = path(names[r - 1]);
        SCOPED_TRACE(names[r - 1].toStdString());
        EXPECT_EQ(row(r).fileName, file);
        EXPECT_EQ(row(r).title, QFileInfo(file).completeBaseName());
        // ffprobe misreads the length of Musepack SV8 and takes WMA's from its header: the
        // audio that mpcdec and ffmpeg decode judges them.
        const QString wav = file + ".decoded.wav";
        const bool decoded =
            file.endsWith(".mpc") ? test::runToolSucceeded("mpcdec", {file, wav})
            : file.endsWith(".wma")
                ? test::runToolSucceeded("ffmpeg", {"-v", "error", "-i", file, wav})
                : false;
        const QString judged = decoded ? wav : file;
        const double seconds =
            test::runTool("ffprobe", {"-v", "error", "-show_entries", "format=duration", "-of",
                                      "csv=p=0", judged})
                .toDouble();
        // A raw ADTS stream states neither its length nor the encoder's delay, and ffprobe
        // estimates its length from the bit rate: only a second's agreement is to be had.
        if (file.endsWith(".aac"))
            EXPECT_NEAR(row(r).time.section(':', 1).toInt(), seconds, 1.0)
                << row(r).time.toStdString();
        else
            EXPECT_EQ(row(r).time, FormatPlayingTime(int(seconds)));
    }
    EXPECT_EQ(row(names.size() + 1), TrackRow());
    EXPECT_EQ(editor_.status().text(),
              QStringLiteral("タグを読めないため曲名をファイル名にしたファイル: n.aac / "
                             "対応していない形式のため読み込まなかったファイル: o.mid / "
                             "曲の拡張子ではないため読み込まなかった音楽ファイル: p.m4a.bak"));
}

// A name whose bytes are no UTF-8 (Shift-JIS from a Windows archive) cannot be opened again by
// the name Qt decodes: the load names it, shown with replacement characters, and loads the rest.
TEST_F(FolderLoaderTest, SongsWhoseNamesAreNoUtf8AreNamedAndTheRestLoad) {
    addWav("01.wav", 1, QStringLiteral("一"));
    addWav("02.wav", 1, QStringLiteral("二"));
    const QString made = addWav("made.wav", 1, QStringLiteral("三"));
    const QByteArray sjisName = QFile::encodeName(dir_.path()) + "/\x83\x54\x83\x93.wav"; // サン
    ASSERT_EQ(::rename(QFile::encodeName(made).constData(), sjisName.constData()), 0);
    // the temporary folder could not remove it either
    const auto removeSjisName = qScopeGuard([&] { ::unlink(sjisName.constData()); });

    LoadFolder(editor_, dir_.path());
    EXPECT_EQ(row(1).title, QStringLiteral("一"));
    EXPECT_EQ(row(2).title, QStringLiteral("二"));
    EXPECT_EQ(row(3), TrackRow());
    EXPECT_EQ(editor_.status().text(),
              QStringLiteral("ファイル名が UTF-8 ではないため読み込めなかったファイル: "
                             "\uFFFDT\uFFFD\uFFFD.wav"));
}

// Where the decoder cannot open a song, its length comes from its header, and the load says so.
TEST_F(FolderLoaderTest, LengthsOfSongsThatCannotBeDecodedAreEstimatedAndNamed) {
    ASSERT_TRUE(test::makeToneSong(path("a.flac"), 3.5, {48000, 2, 16}));
    addWav("b.wav", 2);
    test::DesktopSongs songs;
    test::FakeAudioDecoder knowsNoSong;
    CdListPresenter editor({songs.tags, songs.lengths, knowsNoSong, songs.covers, songs.loudness});
    LoadFolder(editor, dir_.path());
    EXPECT_EQ(editor.tracks().track(1).time, "000:03");
    EXPECT_EQ(editor.tracks().track(2).time, "000:02");
    EXPECT_EQ(editor.status().text(),
              QStringLiteral("デコードできないため演奏時間を推定したファイル: a.flac"));
}

} // namespace
} // namespace lccd
