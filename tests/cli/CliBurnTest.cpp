#include "cli/BurnCommand.h"
#include "platform/AppError.h"
#include "platform/CodePage.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/FakeDiscBurner.h"
#include "tests/support/StrictServices.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// A folder of three tagged WAV songs of two, three and four seconds.
QString makeDiscFolder(const QTemporaryDir& root) {
    const QStringList titles = {QStringLiteral("朝"), QStringLiteral("昼"), QStringLiteral("夜")};
    for (int i = 0; i < titles.size(); ++i)
        test::writeTestWav(root.filePath(QStringLiteral("0%1.wav").arg(i + 1)), 8000 * (i + 2),
                           {8000, 1, 8}, {{"INAM", toSjis(titles[i])}});
    return root.path();
}

// This machine's own drives, through libburn: without a CD writer both commands say so and
// end with status 1. (On a machine with one there is nothing to show here.)
TEST(CliBurnTest, WithoutADriveBothCommandsSaySoAndFail) {
    const test::CliRun drives = test::runCli({QStringLiteral("drives")});
    if (drives.exitCode == 0)
        GTEST_SKIP() << "this machine has a CD writer: " << drives.out.toStdString();
    EXPECT_EQ(drives.exitCode, 1);
    EXPECT_TRUE(drives.err.contains(QStringLiteral("CD書き込みドライブが見つかりません")))
        << drives.err.toStdString();

    QTemporaryDir root;
    const test::CliRun burn = test::runCli({QStringLiteral("burn"), makeDiscFolder(root)});
    EXPECT_EQ(burn.exitCode, 1);
    EXPECT_TRUE(burn.err.contains(QStringLiteral("CD書き込みドライブが見つかりません")))
        << burn.err.toStdString();
}

// Whatever the machine has: with no drive the command stops with the message before it loads
// or decodes anything.
TEST(CliBurnTest, NoDriveStopsTheBurnWithTheMessage) {
    test::FakeDiscBurner burner;
    const Services services = test::TestServices().with(burner).services();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CliContext context{outStream, errStream, {}, services};
    QTemporaryDir root;
    try {
        burnCommand({QStringLiteral("burn"), root.path()}, context);
        FAIL() << "burned without a drive";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("CD書き込みドライブが見つかりません"));
    }
    EXPECT_EQ(burner.inspections, 0);
    EXPECT_TRUE(out.isEmpty());
}

TEST(CliBurnTest, BurnsTheLoadedFolderWithAProgressLine) {
    QTemporaryDir root;
    test::FakeDiscBurner burner;
    burner.addDrive(QStringLiteral("/dev/sr1"));
    test::DesktopSongs songs;
    const Services services = test::TestServices()
                                  .with(songs.tags)
                                  .with(songs.lengths)
                                  .with(songs.decoder)
                                  .with(burner)
                                  .services();
    QString out;
    QString err;
    QTextStream outStream(&out);
    QTextStream errStream(&err);
    CliContext context{outStream, errStream, {}, services};
    const int status =
        burnCommand({QStringLiteral("burn"), makeDiscFolder(root), QStringLiteral("--simulate"),
                     QStringLiteral("--speed"), QStringLiteral("4"), QStringLiteral("--gap")},
                    context);

    EXPECT_EQ(status, 0) << err.toStdString();
    ASSERT_EQ(burner.recordings.size(), 1u);
    const test::FakeDiscBurner::Recording& burn = burner.recordings[0];
    EXPECT_EQ(burn.address, QStringLiteral("/dev/sr1"));
    EXPECT_TRUE(burn.options.simulate);
    EXPECT_EQ(burn.options.speedKBps, 706); // 4 × 176.4, rounded up
    ASSERT_EQ(burn.tracks.size(), 3u);
    for (size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(burn.tracks[t].byteCount, qint64(t + 2) * 75 * 2352) << t;
        EXPECT_EQ(burn.tracks[t].pregapSectors, 150);
    }
    EXPECT_TRUE(err.contains(QStringLiteral("\rテスト書き込み: トラック 1/3")));
    EXPECT_EQ(out, QStringLiteral("テスト書き込みが終わりました (CDには何も書いていません)\n"));
}

} // namespace
} // namespace lccd
