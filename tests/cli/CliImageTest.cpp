#include "tests/cli/CliProcess.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>

// The disc image of a folder of mixed songs as sox, soxi and the cue tools see it.
namespace lccd {
namespace {

using test::runCli;
using test::runTool;

constexpr qint64 kSectorFrames = 588;
constexpr qint64 kGapSectors = 150;

qint64 soxiNumber(const char* option, const QString& path) {
    return runTool("soxi", {QString::fromLatin1(option), path}).trimmed().toLongLong();
}

// A position in sectors as the cue tools print it: m:ss.ff.
QString cueToolTime(qint64 sector) {
    return QString::asprintf("%lld:%02lld.%02lld", sector / 75 / 60, sector / 75 % 60, sector % 75);
}

class CliImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"sox", "soxi", "cueprint", "cuebreakpoints"})
            if (!test::toolInstalled(tool))
                GTEST_SKIP() << tool << " is not installed";
        QDir(root_.path()).mkdir("songs");
        QDir(root_.path()).mkdir("out");
        ASSERT_TRUE(test::makeToneSong(song(0), 1.3, {44100, 2, 16}));
        ASSERT_TRUE(test::makeToneSong(song(1), 2.7, {96000, 2, 24}));
        ASSERT_TRUE(test::makeToneSong(song(2), 1.1, {22050, 1, 16}));
    }

    QString song(int index) const {
        return QDir(root_.filePath("songs")).filePath(QString::fromUtf8(kNames[index]));
    }

    // Each song's length on the disc in sectors, from its frame count and rate as soxi reads
    // them: resampled to 44.1 kHz, the last sector filled up.
    qint64 sectorsOf(int index) const {
        const qint64 frames = std::llround(double(soxiNumber("-s", song(index))) * 44100 /
                                           soxiNumber("-r", song(index)));
        return (frames + kSectorFrames - 1) / kSectorFrames;
    }

    static constexpr const char* kNames[] = {"01 朝.wav", "02 昼.flac", "03 夜.ogg"};
    QTemporaryDir root_;
};

TEST_F(CliImageTest, MixedFolderBecomesOneCdAudioFileWithTrackStartsInItsCueSheet) {
    const QString image = root_.filePath("out/disc.wav");
    const QString cue = root_.filePath("out/disc.cue");
    for (const bool gaps : {false, true}) {
        SCOPED_TRACE(gaps ? "gaps" : "no gaps");
        QStringList arguments = {"image", root_.filePath("songs"), "-o", image};
        if (gaps)
            arguments << "--gap";
        const test::CliRun run = runCli(arguments);
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_EQ(run.out, image + '\n' + cue + '\n');

        EXPECT_EQ(soxiNumber("-r", image), 44100);
        EXPECT_EQ(soxiNumber("-c", image), 2);
        EXPECT_EQ(soxiNumber("-b", image), 16);
        const qint64 gap = gaps ? kGapSectors : 0;
        QList<qint64> starts; // of each track's audio, in sectors
        qint64 sectors = 0;
        for (int i = 0; i < 3; ++i) {
            starts.append(sectors + gap);
            sectors = starts.last() + sectorsOf(i);
        }
        EXPECT_EQ(soxiNumber("-s", image), sectors * kSectorFrames);

        // Where the tracks start, and with gaps where their gaps start, as the cue tools read it.
        QStringList breakpoints;
        for (int i = 0; i < 3; ++i) {
            if (gaps && i > 0)
                breakpoints.append(cueToolTime(starts[i] - gap));
            if (i > 0 || gaps)
                breakpoints.append(cueToolTime(starts[i]));
        }
        EXPECT_EQ(runTool("cuebreakpoints", {"--split-gaps", cue}).split('\n', Qt::SkipEmptyParts),
                  breakpoints);
        EXPECT_EQ(runTool("cueprint", {"-d", "%T|%N\n", "-t", "%n %t\n", cue}),
                  QStringLiteral("songs|3\n1 01 朝\n2 02 昼\n3 03 夜\n"));

        // The CD-format song goes into the image bit for bit.
        const QByteArray data = test::riffDataChunk(image);
        const QByteArray cdSong = test::riffDataChunk(song(0));
        EXPECT_TRUE(data.mid(starts[0] * kSectorFrames * 4, cdSong.size()) == cdSong);

        // The mono 22 050 Hz song fills both channels alike at twice its frame count, then the
        // last sector's silence follows.
        const qint64 monoFrames = 2 * soxiNumber("-s", song(2));
        qint64 lastSounding = -1;
        for (qint64 frame = starts[2] * kSectorFrames; frame < sectors * kSectorFrames; ++frame) {
            const qint16 left = qFromLittleEndian<qint16>(data.constData() + 4 * frame);
            const qint16 right = qFromLittleEndian<qint16>(data.constData() + 4 * frame + 2);
            ASSERT_EQ(left, right) << "frame " << frame;
            if (left != 0)
                lastSounding = frame;
        }
        EXPECT_NEAR(double(lastSounding + 1 - starts[2] * kSectorFrames), double(monoFrames),
                    double(monoFrames) / 1000);
    }
}

TEST_F(CliImageTest, CommandLineWithoutAnImageFileIsRefused) {
    const test::CliRun run = runCli({"image", root_.filePath("songs")});
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("-o")) << run.err.toStdString();
    EXPECT_EQ(runCli({"image", root_.filePath("none"), "-o", root_.filePath("out/d.wav")}).exitCode,
              1);
    EXPECT_EQ(QDir(root_.filePath("out")).entryList(QDir::Files), QStringList());
}

} // namespace
} // namespace lccd
