#include "disc/DiscBurnPlan.h"
#include "platform/AppError.h"
#include "platform/adapters/LibBurnDiscBurner.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/FakeAudioDecoder.h"

#include <QDir>

namespace lccd {
namespace {

// libburn itself, on what this machine has without a CD drive: a pseudo drive over a file
// ("stdio:PATH"), which libburn treats as a disc that takes data but no audio CD.
class LibBurnBurnTest : public ::testing::Test {
protected:
    QString pseudoDrive() const { return QStringLiteral("stdio:") + image; }

    QTemporaryDir dir;
    QString image = dir.filePath(QStringLiteral("disc.img"));
    LibBurnDiscBurner burner;
};

TEST_F(LibBurnBurnTest, APseudoDriveHoldsNoDiscForAudio) {
    const BurnMedium medium = burner.inspect(pseudoDrive());
    EXPECT_EQ(medium.state, MediumState::Unusable);
    EXPECT_EQ(medium.profile, QStringLiteral("stdio file"));
    EXPECT_TRUE(mediumProblem(medium)->contains(QStringLiteral("stdio file")));
}

// A whole planned disc goes through the adapter: tracks fed from the songs, the catalog number
// and the CD-TEXT packs (which libburn takes only with correct checksums); libburn's check of
// the job then refuses it in its own words, and nothing is written.
TEST_F(LibBurnBurnTest, RefusalComesInLibburnsWords) {
    test::FakeAudioDecoder decoder;
    DiscInfo disc;
    disc.setFolderPath(dir.path());
    disc.albumTitle = QStringLiteral("夏の記録");
    disc.discPerformer = QStringLiteral("ミナモ楽団");
    disc.catalog = QStringLiteral("4988001234567");
    TrackRows rows;
    for (int r = 0; r < 2; ++r) {
        const QString name = QStringLiteral("0%1.wav").arg(r + 1);
        test::writeFileBytes(dir.filePath(name), QByteArray());
        decoder.add(dir.filePath(name),
                    {{44100, 44100 * 5, 16, {Speaker::FrontLeft, Speaker::FrontRight}}, {}});
        rows[size_t(r)] =
            test::song(QStringLiteral("曲%1").arg(r + 1), QStringLiteral("演者"), name);
    }
    DiscNotes notes;
    const DiscBurnPlan plan = planDiscBurn(disc, rows, {.addGap = true}, decoder, notes);
    try {
        burner.start(pseudoDrive(), plan.session(decoder), {0, true, false});
        FAIL() << "libburn took an audio CD on a pseudo drive";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("audio track prohibited by non-CD")))
            << error.message().toStdString();
    }
    EXPECT_FALSE(QFileInfo::exists(image));
}

TEST_F(LibBurnBurnTest, MissingDriveCannotBeOpened) {
    EXPECT_THROW(burner.inspect(dir.filePath(QStringLiteral("no-such-drive"))), AppError);
    // Scanning works whether or not the machine has drives, and lists only CD writers.
    for (const BurnDrive& drive : burner.drives())
        EXPECT_FALSE(drive.address.isEmpty());
}

} // namespace
} // namespace lccd
