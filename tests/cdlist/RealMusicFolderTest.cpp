#include "cdlist/DiscSaveCommand.h"
#include "cdlist/FolderLoader.h"
#include "cdlist/PlayingTime.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/ScriptedDialogs.h"

#include <QProcess>

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

    // A song of sine tones made by ffmpeg; to a pipe when streamed.
    void makeSong(const QString& name, double seconds, const QStringList& metadata,
                  bool streamed = false) {
        QStringList arguments = {
            "-v",    "error", "-f",
            "lavfi", "-i",    QStringLiteral("sine=frequency=440:duration=%1").arg(seconds),
            "-ac",   "2"};
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

    void save() {
        DiscSaveSettings settings;
        settings.setId3Tag = true;
        editor_.disc().discPerformer = QStringLiteral("山田太郎");
        DiscSaveCommand command(editor_);
        ASSERT_TRUE(command.run(settings));
    }

    test::ScriptedDialogs dialogs_;
};

TEST_F(RealMusicFolderTest, TagsLengthsAndAudioAsFfmpegSeesThem) {
    makeSong("01 haru.wav", 3.5,
             {QStringLiteral("title=春の海"), QStringLiteral("artist=山田太郎"),
              QStringLiteral("comment=my own comment")});
    makeSong("02 streamed.wav", 2.25, {QStringLiteral("title=流れ")}, true);
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

} // namespace
} // namespace lccd
