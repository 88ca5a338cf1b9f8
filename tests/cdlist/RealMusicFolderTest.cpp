#include "cdlist/EditorDiscSave.h"
#include "cdlist/FolderLoader.h"
#include "disc/PlayingTime.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/ScriptedDialogs.h"

#include <QProcess>
#include <QTemporaryDir>

// A music folder as Linux tools write it, judged by those tools: ffmpeg writes the songs (UTF-8
// tags, one streamed to a pipe, one cut short), ffprobe reads back what the save left.
namespace lccd {
namespace {

class RealMusicFolderTest : public test::DiscFolderTest {
protected:
    void SetUp() override {
        DiscFolderTest::SetUp();
        if (!test::toolInstalled("ffmpeg") || !test::toolInstalled("ffprobe"))
            GTEST_SKIP() << "ffmpeg is not installed";
    }

    // A song of sine tones made by ffmpeg, encoded with the given options (the format follows
    // the file name's extension); to a pipe when streamed.
    void makeSong(const QString& name, double seconds, const QStringList& metadata,
                  const QStringList& encoding = {}, bool streamed = false) {
        QStringList arguments = {
            "-v",    "error", "-f",
            "lavfi", "-i",    QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
            "-ac",   "2"};
        arguments += encoding;
        for (const QString& entry : metadata)
            arguments << "-metadata" << entry;
        QProcess ffmpeg;
        if (streamed) {
            arguments << "-f"
                      << "wav"
                      << "pipe:1";
            ffmpeg.setStandardOutputFile(path(name));
        } else {
            arguments << path(name);
        }
        ffmpeg.start("ffmpeg", arguments);
        ASSERT_TRUE(ffmpeg.waitForFinished(30000));
        ASSERT_EQ(ffmpeg.exitCode(), 0);
    }

    // Ogg files keep their tags with the stream, the others with the file.
    QString probeTitle(const QString& name) {
        return probe(name, QStringLiteral("format_tags=title:stream_tags=title"));
    }

    QString probe(const QString& name, const QString& entry) {
        return test::runTool("ffprobe", {"-v", "error", "-show_entries", entry, "-of",
                                         "default=nw=1:nk=1", path(name)})
            .trimmed();
    }

    // A hash of the decoded audio, which a tag save must not change.
    QString audioHash(const QString& name) {
        return test::runTool("ffmpeg",
                             {"-v", "error", "-i", path(name), "-map", "0:a", "-f", "md5", "-"})
            .trimmed();
    }

    // The Vorbis comments metaflac exports, each field name in capitals (its letter case means
    // nothing), in order.
    QStringList flacComments(const QString& name) {
        QStringList comments;
        for (const QString& line :
             test::runTool("metaflac", {"--export-tags-to=-", path(name)}).split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0)
                comments.append(line.left(equals).toUpper() + line.mid(equals));
        }
        comments.sort();
        return comments;
    }

    void save() {
        DiscSaveSettings settings;
        settings.cd.setId3Tag = true;
        settings.writeLossy = true; // titles Shift-JIS cannot hold in the project and CUE sheet
        editor_.disc().discPerformer = QStringLiteral("山田太郎");
        EditorDiscSave command(editor_);
        ASSERT_TRUE(command.run(settings));
    }

    test::ScriptedDialogs dialogs_;
};

TEST_F(RealMusicFolderTest, TagsLengthsAndAudioAsFfmpegSeesThem) {
    makeSong("01 haru.wav", 3.5,
             {QStringLiteral("title=春の海"), QStringLiteral("artist=山田太郎"),
              QStringLiteral("comment=my own comment")});
    makeSong("02 streamed.wav", 2.25, {QStringLiteral("title=流れ")}, {}, true);
    makeSong("03 cut.wav", 4, {QStringLiteral("title=切れ")});
    QByteArray cut = test::fileBytes(path("03 cut.wav"));
    test::writeFileBytes(path("03 cut.wav"), cut.left(cut.size() - 44100 * 4 * 3 / 2)); // 2.5 s

    const QStringList names = {"01 haru.wav", "02 streamed.wav", "03 cut.wav"};
    QMap<QString, QByteArray> before;
    QMap<QString, QString> hashes;
    for (const QString& name : names) {
        before[name] = test::fileBytes(path(name));
        hashes[name] = audioHash(name);
    }

    LoadFolder(editor_, dir_.path());
    const QStringList titles = {QStringLiteral("春の海"), QStringLiteral("流れ"),
                                QStringLiteral("切れ")};
    for (int r = 1; r <= 3; ++r) {
        SCOPED_TRACE(names[r - 1].toStdString());
        const TrackRow& song = editor_.tracks().track(r);
        EXPECT_EQ(song.title, titles[r - 1]);
        const int seconds = int(probe(names[r - 1], "format=duration").toDouble());
        EXPECT_EQ(song.time, FormatPlayingTime(seconds));
    }
    EXPECT_EQ(editor_.tracks().track(1).performer, QStringLiteral("山田太郎"));

    save(); // nothing edited
    for (const QString& name : names)
        EXPECT_EQ(test::fileBytes(path(name)), before[name]) << name.toStdString();

    editor_.tracks().setField(1, TrackColumn::Title, QStringLiteral("春の海 (新)"));
    editor_.tracks().setField(2, TrackColumn::Title, QStringLiteral("流れ (新)"));
    editor_.tracks().setField(3, TrackColumn::Title, QStringLiteral("切れ (新)"));
    save();
    for (int r = 1; r <= 3; ++r) {
        const QString& name = names[r - 1];
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(probe(name, "format_tags=title"), titles[r - 1] + QStringLiteral(" (新)"));
        EXPECT_EQ(audioHash(name), hashes[name]);
    }
    EXPECT_EQ(probe("01 haru.wav", "format_tags=artist"), QStringLiteral("山田太郎"));
    EXPECT_EQ(probe("01 haru.wav", "format_tags=comment"), QStringLiteral("my own comment"));
    EXPECT_EQ(probe("02 streamed.wav", "format=duration").toDouble(), 2.25);
}

// FLAC, MP3, Ogg Vorbis and Opus songs as their encoders write them, with Unicode tags: rows,
// lengths and tag saves as the formats' own tools see them.
TEST_F(RealMusicFolderTest, EveryFormatAsItsOwnToolsSeeIt) {
    if (!test::toolInstalled("lame") || !test::toolInstalled("soxi") ||
        !test::toolInstalled("metaflac"))
        GTEST_SKIP() << "lame, sox and flac are needed";
    makeSong("1 haru.flac", 3.5,
             {QStringLiteral("title=春の海 café"), QStringLiteral("artist=山田太郎"),
              QStringLiteral("comment=my comment")},
             {"-ar", "96000", "-sample_fmt", "s32"});
    // Variable bit rate without a Xing header: only a full scan finds its length.
    ASSERT_TRUE(test::makeVbrMp3WithoutXing(
        path("2 natsu.mp3"), 61.5,
        {"--id3v2-only", "--id3v2-utf16", "--tt", QStringLiteral("夏 ♪ é"), "--ta", "Suzuki"}));
    makeSong("3 aki.ogg", 4.25, {QStringLiteral("title=秋の歌")}, {"-c:a", "libvorbis"});
    makeSong("4 fuyu.opus", 2.75, {QStringLiteral("title=冬の歌")}, {"-c:a", "libopus"});
    test::writeFileBytes(path("notes.txt.bak"), "not a song");

    const QStringList names = {"1 haru.flac", "2 natsu.mp3", "3 aki.ogg", "4 fuyu.opus"};
    QMap<QString, QByteArray> before;
    QMap<QString, QString> hashes;
    for (const QString& name : names) {
        before[name] = test::fileBytes(path(name));
        hashes[name] = audioHash(name);
    }
    EXPECT_EQ(probe("1 haru.flac", "stream=sample_rate,bits_per_raw_sample"),
              QStringLiteral("96000\n24"));

    LoadFolder(editor_, dir_.path());
    const QStringList titles = {QStringLiteral("春の海 café"), QStringLiteral("夏 ♪ é"),
                                QStringLiteral("秋の歌"), QStringLiteral("冬の歌")};
    for (int r = 1; r <= 4; ++r) {
        const QString& name = names[r - 1];
        SCOPED_TRACE(name.toStdString());
        const TrackRow& song = editor_.tracks().track(r);
        EXPECT_EQ(song.fileName, path(name));
        EXPECT_EQ(song.title, titles[r - 1]);
        // ffprobe only estimates an MP3 without a Xing header; soxi decodes it.
        const double seconds = name.endsWith(".mp3")
                                   ? test::runTool("soxi", {"-D", path(name)}).toDouble()
                                   : probe(name, "format=duration").toDouble();
        EXPECT_EQ(song.time, FormatPlayingTime(int(seconds)));
    }
    EXPECT_EQ(editor_.tracks().track(2).time, QStringLiteral("001:01"));
    EXPECT_EQ(editor_.tracks().track(1).performer, QStringLiteral("山田太郎"));
    EXPECT_EQ(editor_.tracks().track(5), TrackRow());
    EXPECT_EQ(editor_.RecountTracks(), 4);

    save(); // nothing edited
    for (const QString& name : names)
        EXPECT_EQ(test::fileBytes(path(name)), before[name]) << name.toStdString();

    const QStringList flacBefore = flacComments("1 haru.flac");
    editor_.tracks().setField(1, TrackColumn::Title, QStringLiteral("春の海 (新)"));
    editor_.tracks().setField(3, TrackColumn::Title, QStringLiteral("秋の歌 (新)"));
    editor_.tracks().setField(4, TrackColumn::Title, QStringLiteral("冬の歌 (新)"));
    save();
    QStringList flacExpected = flacBefore;
    flacExpected.replaceInStrings(QStringLiteral("TITLE=春の海 café"),
                                  QStringLiteral("TITLE=春の海 (新)"));
    EXPECT_EQ(flacComments("1 haru.flac"), flacExpected);
    for (const int r : {1, 3, 4}) {
        const QString& name = names[r - 1];
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(probeTitle(name), editor_.tracks().track(r).title);
        EXPECT_EQ(audioHash(name), hashes[name]);
    }
    EXPECT_EQ(test::fileBytes(path("2 natsu.mp3")), before["2 natsu.mp3"]);
}

// M4A (AAC, ALAC), AIFF, WMA, WavPack, TTA and Musepack songs as ffmpeg, wavpack and mpcenc
// tag them: each lists with its title, an unedited save leaves every byte, and a title edit
// changes only the title, as ffprobe reads it, and not the decoded audio. Monkey's Audio files
// share the APE tag writer of WavPack, Musepack and TTA files; no tool of the system writes
// them.
TEST_F(RealMusicFolderTest, OtherFormatsAsTheirOwnToolsSeeThem) {
    if (!test::toolInstalled("wavpack") || !test::toolInstalled("mpcenc"))
        GTEST_SKIP() << "wavpack and musepack-tools are needed";
    const QTemporaryDir sources;
    const QString tone = sources.filePath("tone.wav");
    ASSERT_TRUE(test::makeToneSong(tone, 2.5, {44100, 2, 16}));
    const QStringList names = {"1.m4a", "2.alac.m4a",   "3.aiff", "4.wma",
                               "5.wv",  "6.wavpack.wv", "7.tta",  "8.mpc"};
    QMap<QString, QByteArray> before;
    QMap<QString, QString> hashes;
    for (const QString& name : names) {
        ASSERT_TRUE(test::encodeOtherFormat(tone, path(name),
                                            {QStringLiteral("title=歌 ") + name.left(1),
                                             QStringLiteral("artist=山田太郎"),
                                             QStringLiteral("comment=my note")}))
            << name.toStdString();
        before[name] = test::fileBytes(path(name));
        hashes[name] = audioHash(name);
    }

    LoadFolder(editor_, dir_.path());
    for (int r = 1; r <= names.size(); ++r) {
        SCOPED_TRACE(names[r - 1].toStdString());
        EXPECT_EQ(editor_.tracks().track(r).title, QStringLiteral("歌 %1").arg(r));
        EXPECT_EQ(editor_.tracks().track(r).performer, QStringLiteral("山田太郎"));
        EXPECT_EQ(editor_.tracks().track(r).time, QStringLiteral("000:02"));
    }

    save(); // nothing edited
    for (const QString& name : names)
        EXPECT_EQ(test::fileBytes(path(name)), before[name]) << name.toStdString();

    for (int r = 1; r <= names.size(); ++r)
        editor_.tracks().setField(r, TrackColumn::Title, QStringLiteral("新しい歌 %1 é").arg(r));
    save();
    for (int r = 1; r <= names.size(); ++r) {
        const QString& name = names[r - 1];
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(probe(name, "format_tags=title"), QStringLiteral("新しい歌 %1 é").arg(r));
        EXPECT_EQ(probe(name, "format_tags=artist"), QStringLiteral("山田太郎"));
        EXPECT_EQ(probe(name, "format_tags=comment"), QStringLiteral("my note"));
        EXPECT_EQ(audioHash(name), hashes[name]);
    }
}

// Songs cut short, as a broken-off download leaves them: a title edit either goes in whole (the
// audio left as it was) or leaves every byte and the save names the song. MP4 files keep their
// index last, so theirs is what is cut: they are left alone.
TEST_F(RealMusicFolderTest, SongsCutShortTakeATagWholeOrKeepEveryByte) {
    const QTemporaryDir sources;
    const QString tone = sources.filePath("tone.wav");
    ASSERT_TRUE(test::makeToneSong(tone, 2.5, {44100, 2, 16}));
    const QStringList names = {"1.m4a", "2.alac.m4a", "3.aiff", "4.wma", "5.tta"};
    QMap<QString, QByteArray> before;
    QMap<QString, QString> hashes;
    for (const QString& name : names) {
        ASSERT_TRUE(test::encodeOtherFormat(tone, path(name), {QStringLiteral("title=old")}));
        const QByteArray whole = test::fileBytes(path(name));
        before[name] = whole.left(whole.size() - 1);
        test::writeFileBytes(path(name), before[name]);
        hashes[name] = audioHash(name);
    }

    LoadFolder(editor_, dir_.path());
    for (int r = 1; r <= names.size(); ++r)
        editor_.tracks().setField(r, TrackColumn::Title, QStringLiteral("new"));
    save();
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        const bool kept = test::fileBytes(path(name)) == before[name];
        EXPECT_EQ(kept, name.endsWith(".m4a"));
        if (kept)
            EXPECT_TRUE(editor_.status().text().contains(name + " にタグを書き込めませんでした"));
        else
            EXPECT_EQ(probe(name, "format_tags=title"), QStringLiteral("new"));
        EXPECT_EQ(audioHash(name), hashes[name]);
    }
}

} // namespace
} // namespace lccd
