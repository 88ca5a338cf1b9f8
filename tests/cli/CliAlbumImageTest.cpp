#include "tests/cli/CliProcess.h"
#include "tests/support/AlbumImageFolder.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// An album image with its CUE sheet as the disc image, sox's cuts and the cue tools see it.
namespace lccd {
namespace {

using test::AlbumImageFolder;
using test::runCli;
using test::runTool;

constexpr qint64 kSectorBytes = 2352;

class CliAlbumImageTest : public ::testing::Test {
protected:
    void SetUp() override {
        for (const char* tool : {"sox", "ffmpeg", "cueprint", "cuebreakpoints"})
            if (!test::toolInstalled(tool))
                GTEST_SKIP() << tool << " is not installed";
        ASSERT_TRUE(QDir(root_.path()).mkpath("album"));
        ASSERT_TRUE(AlbumImageFolder::make(album())) << "sox or ffmpeg failed";
    }

    QString album() const { return root_.filePath("album"); }
    QString path(const QString& name) const { return QDir(album()).filePath(name); }

    // The image's 16-bit samples from sector `start` to `end` (the end of the file when < 0),
    // as sox cuts them.
    QByteArray soxCut(qint64 start, qint64 end) {
        const QString piece = root_.filePath("piece.raw");
        QStringList arguments = {path("album.flac"),
                                 "-t",
                                 "raw",
                                 "-e",
                                 "signed-integer",
                                 "-b",
                                 "16",
                                 "-L",
                                 piece,
                                 "trim",
                                 QStringLiteral("%1s").arg(start * 588)};
        if (end >= 0)
            arguments << QStringLiteral("=%1s").arg(end * 588);
        EXPECT_TRUE(test::runToolSucceeded("sox", arguments));
        QFile file(piece);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir root_;
};

// Before a save the folder loads from the sheet; after it from the project, which names the
// tracks: both images hold the tracks cut at INDEX 01, the last filled up to its sector's end.
TEST_F(CliAlbumImageTest, ImageHoldsTheTracksCutAtTheSheetsPositions) {
    const qint64* starts = AlbumImageFolder::kStarts;
    QByteArray expected =
        soxCut(starts[0], starts[1]) + soxCut(starts[1], starts[2]) + soxCut(starts[2], -1);
    ASSERT_EQ(expected.size(), AlbumImageFolder::kAlbumFrames * 4);
    expected.append(QByteArray(kSectorBytes - expected.size() % kSectorBytes, '\0'));
    for (const bool saved : {false, true}) {
        SCOPED_TRACE(saved ? "after the save" : "from the sheet");
        if (saved) {
            const test::CliRun save = runCli({"disc", album()});
            ASSERT_EQ(save.exitCode, 0) << save.err.toStdString();
        }
        const QString image = root_.filePath("out.wav");
        const test::CliRun run = runCli({"image", album(), "-o", image});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        const QByteArray data = test::riffDataChunk(image);
        EXPECT_EQ(data.size(), expected.size());
        EXPECT_TRUE(data == expected) << "the image differs from sox's cuts";
    }
}

// The saved sheet names the image as it is called and keeps every track's place, pregap,
// songwriter and ISRC.
TEST_F(CliAlbumImageTest, SavedSheetKeepsTheSourcesPositions) {
    const test::CliRun save = runCli({"disc", album()});
    ASSERT_EQ(save.exitCode, 0) << save.err.toStdString();
    const QString ours = path("三つの音.cue");
    const QString source = path("album.cue");
    for (const char* gaps : {"--append-gaps", "--prepend-gaps", "--split-gaps"}) {
        const QString breakpoints = runTool("cuebreakpoints", {gaps, ours});
        EXPECT_FALSE(breakpoints.isEmpty()) << gaps;
        EXPECT_EQ(breakpoints, runTool("cuebreakpoints", {gaps, source})) << gaps;
    }
    EXPECT_EQ(runTool("cueprint", {"-d", "%N\n", "-t", "%n %i %s\n", ours}),
              runTool("cueprint", {"-d", "%N\n", "-t", "%n %i %s\n", source}));
    QFile sheet(ours);
    ASSERT_TRUE(sheet.open(QIODevice::ReadOnly));
    EXPECT_TRUE(sheet.readAll().contains("FILE \"album.flac\" WAVE\r\n"));
}

} // namespace
} // namespace lccd
