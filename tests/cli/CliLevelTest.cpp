#include "platform/FileIO.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// The loudness levelling of `lccdtool-cli image`, judged by FFmpeg's EBU R 128 meter.
namespace lccd {
namespace {

using test::runCli;

constexpr qint64 kSongFrames = 4 * 44100; // 300 whole sectors: the tracks lie end to end
constexpr int kWavHeaderBytes = 44;

struct Measured {
    double integrated; // LUFS
    double truePeak;   // dBTP
};

// FFmpeg's integrated loudness and true peak of the frames [first, first + count) of a file.
Measured ffmpegLoudness(const QString& path, qint64 first = 0, qint64 count = -1) {
    QString filter = QStringLiteral("ebur128=peak=true");
    if (count > 0)
        filter =
            QStringLiteral("atrim=start_sample=%1:end_sample=%2,").arg(first).arg(first + count) +
            filter;
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-nostats", "-hide_banner", "-i", path, "-af", filter, "-f", "null", "-"});
    ffmpeg.waitForFinished(60000);
    const QString summary =
        QString::fromUtf8(ffmpeg.readAllStandardError()).section("Summary:", -1);
    const auto number = [&summary](const char* pattern) {
        return QRegularExpression(QString::fromLatin1(pattern))
            .match(summary)
            .captured(1)
            .toDouble();
    };
    return {number(R"(I:\s+(-?[0-9.]+) LUFS)"), number(R"(Peak:\s+(-?[0-9.]+) dBFS)")};
}

class CliLevelTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!test::toolInstalled("ffmpeg"))
            GTEST_SKIP() << "ffmpeg is not installed";
        QDir(root_.path()).mkdir("songs");
    }

    // A 16-bit CD-format song of `source` (an FFmpeg lavfi source) at `gainDb`.
    void makeSong(const char* name, const QString& source, double gainDb) {
        ASSERT_TRUE(test::runToolSucceeded(
            "ffmpeg",
            {"-nostats", "-loglevel", "error", "-f", "lavfi", "-i", source, "-af",
             QStringLiteral("volume=%1dB,atrim=end_sample=%2").arg(gainDb).arg(kSongFrames), "-ac",
             "2", "-ar", "44100", "-c:a", "pcm_s16le", "-bitexact", "-y", songPath(name)}));
    }

    QString songPath(const char* name) const {
        return root_.filePath(QStringLiteral("songs/") + QLatin1String(name));
    }

    // The image of the folder as the options ask; fails the test when the command fails.
    QString image(const QStringList& options) {
        const QString path = root_.filePath("disc.wav");
        const test::CliRun run =
            runCli(QStringList{"image", root_.filePath("songs"), "-o", path} + options);
        EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
        return path;
    }

    QTemporaryDir root_;
};

// A stereo sine whose peaks reach -20 dBFS.
QString tone(int hertz) {
    const QString sine = QStringLiteral("0.1*sin(2*PI*%1*t)").arg(hertz);
    return QStringLiteral("aevalsrc=%1|%1:s=44100").arg(sine);
}

TEST_F(CliLevelTest, ASongReachesTheTargetWithoutATruePeakAboveMinusOne) {
    struct Case {
        QString source;
        double gainDb;
        double target;
        bool peakBound; // the ceiling, not the target, limits the gain
    } const cases[] = {
        {tone(1000), 0, -16, false}, // made louder
        {tone(1000), 0, -23, false}, // made quieter
        {QStringLiteral("anoisesrc=color=pink:amplitude=0.05:seed=7"), -12, -5,
         true}, // noise's crest
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.target);
        makeSong("01.wav", c.source, c.gainDb);
        const Measured levelled =
            ffmpegLoudness(image({"--level", "song", "--target", QString::number(c.target)}));
        EXPECT_LE(levelled.truePeak, -1.0);
        if (c.peakBound)
            EXPECT_LT(levelled.integrated, c.target - 1);
        else
            EXPECT_NEAR(levelled.integrated, c.target, 0.5);
    }
}

TEST_F(CliLevelTest, SongModeEvensTheSongsAndDiscModeKeepsTheirDifferences) {
    const double gains[] = {-12, -2, 5}; // tones at -32, -22 and -15 dBFS
    makeSong("01.wav", tone(440), gains[0]);
    makeSong("02.wav", tone(1000), gains[1]);
    makeSong("03.wav", tone(2500), gains[2]);
    QList<double> original;
    for (const char* name : {"01.wav", "02.wav", "03.wav"})
        original.append(ffmpegLoudness(songPath(name)).integrated);

    const QString song = image({"--level", "song"});
    for (int i = 0; i < 3; ++i)
        EXPECT_NEAR(ffmpegLoudness(song, i * kSongFrames, kSongFrames).integrated, -16, 0.5) << i;

    const QString disc = image({"--level", "disc", "--target", "-20"});
    QList<double> levelled;
    for (int i = 0; i < 3; ++i)
        levelled.append(ffmpegLoudness(disc, i * kSongFrames, kSongFrames).integrated);
    for (int i = 1; i < 3; ++i)
        EXPECT_NEAR(levelled[i] - levelled[0], original[i] - original[0], 0.1) << i;
    EXPECT_NEAR(ffmpegLoudness(disc).integrated, -20, 0.5);
    EXPECT_LE(ffmpegLoudness(disc).truePeak, -1.0);
}

TEST_F(CliLevelTest, WithoutLevellingTheImageHoldsTheSongsBitForBit) {
    makeSong("01.wav", tone(440), -12);
    makeSong("02.wav", tone(1000), 5);
    const QByteArray pcm = readWholeFile(songPath("01.wav")).mid(kWavHeaderBytes) +
                           readWholeFile(songPath("02.wav")).mid(kWavHeaderBytes);
    ASSERT_EQ(pcm.size(), 2 * kSongFrames * 4);
    // Compared as one truth value: a difference would print megabytes.
    EXPECT_TRUE(readWholeFile(image({})).mid(kWavHeaderBytes) == pcm);
}

TEST_F(CliLevelTest, RefusesAModeOrTargetItDoesNotKnow) {
    makeSong("01.wav", tone(440), 0);
    for (const QStringList& options : {QStringList{"--level", "loud"},
                                       {"--level", "off"},
                                       {"--target", "-16"},
                                       {"--level", "song", "--target", "-40"},
                                       {"--level", "song", "--target", "x"}}) {
        const test::CliRun run =
            runCli(QStringList{"image", root_.filePath("songs"), "-o", root_.filePath("disc.wav")} +
                   options);
        EXPECT_EQ(run.exitCode, 2) << options.join(' ').toStdString();
        EXPECT_FALSE(QFile::exists(root_.filePath("disc.wav")));
    }
}

} // namespace
} // namespace lccd
