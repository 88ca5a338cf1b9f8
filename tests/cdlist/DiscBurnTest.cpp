#include "cdlist/BurnCd.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/EditCdList.h"
#include "cdlist/EditItems.h"
#include "cdlist/Option.h"
#include "disc/BurnProgress.h"
#include "disc/DiscBurnPlan.h"
#include "platform/AppError.h"
#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/CdTextSheet.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/FakeAudioDecoder.h"
#include "tests/support/FakeDiscBurner.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StrictServices.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLabel>
#include <QProgressBar>
#include <QThread>

#include <algorithm>

namespace lccd {
namespace {

using test::FakeDiscBurner;

constexpr qint64 kFramesPerSecond = 44100;

// Lets the window's timers run until done() holds or ten seconds have passed.
template <typename Done> bool waitFor(Done done) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

void click(QDialog& dialog, const char* button) {
    dialog.findChild<QAbstractButton*>(QString::fromLatin1(button))->click();
}

// The CD list editor over a fake drive and songs that exist as files and decode in memory.
class DiscBurnTest : public ::testing::Test {
protected:
    DiscBurnTest() {
        paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
        paths.readFolders = {dir.path()};
        burner.addDrive();
    }

    // A song of stereo 16-bit audio at 44.1 kHz, as long as frames.
    void addSong(int row, const QString& title, qint64 frames) {
        const QString name = QStringLiteral("%1.wav").arg(row, 2, 10, QLatin1Char('0'));
        test::writeFileBytes(dir.filePath(name), QByteArray());
        decoder.add(dir.filePath(name),
                    {{44100, frames, 16, {Speaker::FrontLeft, Speaker::FrontRight}}, {}});
        editor.presenter().tracks().setTrack(
            row, test::song(title, QStringLiteral("ミナモ"), name, QStringLiteral("001:00")));
    }

    void setDisc(const QString& catalog, bool gap) {
        DiscInfo& disc = editor.presenter().disc();
        disc.setFolderPath(dir.path());
        disc.albumTitle = QStringLiteral("夏の記録");
        disc.discPerformer = QStringLiteral("ミナモ楽団");
        disc.catalog = catalog;
        emit editor.presenter().discChanged(); // the boxes show the fields
        CdOptions chosen = editor.options();
        chosen.addGap = gap;
        editor.setOptions(chosen);
    }

    void threeSongs(const QString& catalog) {
        setDisc(catalog, true);
        addSong(1, QStringLiteral("朝の歌"), 3 * kFramesPerSecond);
        addSong(2, QStringLiteral("昼の歌"), kFramesPerSecond * 5 / 2);
        addSong(3, QStringLiteral("夜の歌"), 4 * kFramesPerSecond);
    }

    // The user starts the burn in the dialog and waits for its end.
    void burnToTheEnd() {
        dialogs.answerDialog([](QDialog& dialog) {
            click(dialog, "btnStart");
            EXPECT_TRUE(waitFor([&] { return !dynamic_cast<TfrmBurnCd&>(dialog).burning(); }));
            return int(QDialog::Accepted);
        });
        editor.btnBurnCdClick();
    }

    QTemporaryDir dir;
    ProgramPaths paths;
    test::ScriptedDialogs dialogs;
    test::DesktopSongs songs;
    test::FakeAudioDecoder decoder;
    FakeDiscBurner burner;
    TfrmEditItems editItems;
    TfrmOption options;
    TfrmCheckWavFile checkWavFile;
    TfrmEditCdList editor{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(songs.tags)
                              .with(songs.lengths)
                              .with(decoder)
                              .with(burner)
                              .services()};
};

TEST_F(DiscBurnTest, JapaneseDiscBurnsWithGapsCatalogAndCdText) {
    threeSongs(QStringLiteral("4988001234567"));
    burnToTheEnd();

    ASSERT_EQ(burner.recordings.size(), 1u);
    const FakeDiscBurner::Recording& burn = burner.recordings[0];
    EXPECT_TRUE(burn.finished);
    ASSERT_EQ(burn.tracks.size(), 3u);
    const qint64 sectors[] = {225, 188, 300}; // 3 s, 2.5 s (the last sector filled up), 4 s
    for (size_t t = 0; t < 3; ++t) {
        EXPECT_EQ(burn.tracks[t].byteCount, sectors[t] * 2352) << t;
        EXPECT_EQ(burn.tracks[t].bytesRead, burn.tracks[t].byteCount) << t;
        EXPECT_EQ(burn.tracks[t].pregapSectors, 150) << t;
    }
    EXPECT_EQ(burn.mediaCatalog, QByteArray("4988001234567"));
    const test::CdTextSheet sheet = test::readCdTextPacks(burn.cdTextPacks);
    EXPECT_EQ(sheet.characterCode, 0x80);
    for (const QString& title :
         {QStringLiteral("夏の記録"), QStringLiteral("朝の歌"), QStringLiteral("昼の歌"),
          QStringLiteral("夜の歌"), QStringLiteral("ミナモ楽団")})
        EXPECT_TRUE(sheet.text.contains(title)) << title.toStdString();
    EXPECT_EQ(editor.presenter().status().text(), QStringLiteral("CDへの書き込みが終わりました"));
    // The changed rows were saved first, through the save command.
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("夏の記録.cue"))));
}

// The drive gets the speed, test writing and ejecting chosen in the dialog, also after the
// dialog looked at the disc again as the burn started.
TEST_F(DiscBurnTest, ChosenSpeedAndTestWritingReachTheDrive) {
    threeSongs(QString());
    dialogs.answerDialog([](QDialog& dialog) {
        auto* speeds = dialog.findChild<QComboBox*>(QStringLiteral("cmbSpeed"));
        EXPECT_EQ(speeds->currentText(), QStringLiteral("最大"));
        EXPECT_EQ(speeds->count(), 4); // the fastest, then 40, 24 and 10 times
        speeds->setCurrentIndex(speeds->findText(QStringLiteral("24倍速")));
        click(dialog, "chkSimulate");
        click(dialog, "chkEject");
        click(dialog, "btnStart");
        EXPECT_TRUE(waitFor([&] { return !dynamic_cast<TfrmBurnCd&>(dialog).burning(); }));
        return int(QDialog::Accepted);
    });
    editor.btnBurnCdClick();
    ASSERT_EQ(burner.recordings.size(), 1u);
    const BurnOptions& chosen = burner.recordings[0].options;
    EXPECT_EQ(chosen.speedKBps, 4234);
    EXPECT_TRUE(chosen.simulate);
    EXPECT_FALSE(chosen.eject);
    EXPECT_TRUE(editor.presenter().status().text().startsWith(QStringLiteral("テスト書き込み")));
}

TEST_F(DiscBurnTest, CatalogWithLettersGivesNoMcnAndSaysWhy) {
    threeSongs(QStringLiteral("MNGD2008A0101"));
    QString statusWhileOpen;
    dialogs.answerDialog([&](QDialog&) {
        statusWhileOpen = editor.presenter().status().text();
        return int(QDialog::Rejected);
    });
    editor.btnBurnCdClick();
    EXPECT_TRUE(statusWhileOpen.contains(QStringLiteral("13桁の数字でない")))
        << statusWhileOpen.toStdString();
    EXPECT_TRUE(burner.recordings.empty());

    DiscNotes notes;
    const DiscBurnPlan plan = planDiscBurn(editor.presenter().disc(),
                                           editor.presenter().tracks().rows(), {}, decoder, notes);
    EXPECT_TRUE(plan.mediaCatalog.isEmpty());
    EXPECT_EQ(mediaCatalogNumber(QStringLiteral(" ４９８８００１２３４５６７ ")),
              QByteArray("4988001234567"));
}

// Without a drive the burn window opens all the same: it says what to do and writes the disc
// image with its CUE sheet instead, showing how far it got; the editor's menu writes it too.
TEST_F(DiscBurnTest, WithoutADriveTheWindowSaysWhatToDoAndWritesTheImage) {
    threeSongs(QString());
    burner.driveList.clear();
    const QString wav = dir.filePath(QStringLiteral("image.wav"));
    dialogs.answerFile(wav);
    QList<int> percents;
    dialogs.answerDialog([&](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QComboBox*>(QStringLiteral("cmbDrive"))->count(), 0);
        EXPECT_FALSE(dialog.findChild<QAbstractButton*>(QStringLiteral("btnStart"))->isEnabled());
        const auto* noDrive = dialog.findChild<QLabel*>(QStringLiteral("lblNoDrive"));
        EXPECT_TRUE(noDrive->isVisibleTo(&dialog));
        for (const char* hint : {"cdrom", "lccdtool-cli drives"})
            EXPECT_TRUE(noDrive->text().contains(QLatin1String(hint))) << hint;
        QObject::connect(dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1")),
                         &QProgressBar::valueChanged,
                         [&](int percent) { percents.append(percent); });
        click(dialog, "btnWriteImage");
        return int(QDialog::Rejected);
    });
    editor.btnBurnCdClick();
    // Offered beside the disc's folder, where no load takes it for a song.
    EXPECT_EQ(dialogs.prompts()[1].request.startPath,
              QFileInfo(dir.path()).absolutePath() + QStringLiteral("/夏の記録.wav"));
    EXPECT_EQ(dialogs.messages(), QStringList()) << "no box, the window says it";
    EXPECT_EQ(burner.inspections, 0);
    EXPECT_TRUE(burner.recordings.empty());
    EXPECT_EQ(QFileInfo(wav).size(), 44 + (225 + 188 + 300 + 3 * 150) * 2352);
    EXPECT_TRUE(test::fileBytes(dir.filePath(QStringLiteral("image.cue"))).contains("TRACK 03"));
    ASSERT_FALSE(percents.isEmpty());
    EXPECT_EQ(percents.last(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));

    const QString fromMenu = dir.filePath(QStringLiteral("menu.wav"));
    dialogs.answerFile(fromMenu);
    editor.mnuWriteImageClick();
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("menu.cue"))));
    EXPECT_TRUE(editor.presenter().status().text().contains(QStringLiteral("menu.wav")));
}

TEST_F(DiscBurnTest, DiscLongerThanTheMediumIsRefusedBeforeStart) {
    const struct {
        qint64 seconds;
        qint64 capacitySectors;
        bool refused;
    } cases[] = {
        {81 * 60, 359849, true}, // an 80-minute CD-R
        {81 * 60, -1, true},     // a disc that does not tell: 79:57
        {80 * 60 + 30, 404849, false}, {80 * 60 + 30, -1, true}, {79 * 60 + 50, -1, false},
    };
    setDisc(QString(), false);
    for (const auto& c : cases) {
        burner.recordings.clear();
        burner.media[QStringLiteral("/dev/sr0")] = {
            {MediumState::Blank, QStringLiteral("CD-R"), c.capacitySectors, {}}};
        addSong(1, QStringLiteral("長い曲"), c.seconds * kFramesPerSecond);
        const qsizetype messagesBefore = dialogs.messages().size();
        dialogs.answerDialog([&](QDialog& dialog) {
            click(dialog, "btnStart");
            // A burn that starts is stopped at once: only whether it started matters here.
            if (auto& burn = dynamic_cast<TfrmBurnCd&>(dialog); burn.burning()) {
                dialogs.answerMessage(DialogResult::Ok);
                click(dialog, "btnCancel");
                waitFor([&] { return !burn.burning(); });
            }
            return int(QDialog::Rejected);
        });
        editor.btnBurnCdClick();
        EXPECT_EQ(burner.recordings.empty(), c.refused) << c.seconds << " " << c.capacitySectors;
        const QStringList shown = dialogs.messages().mid(messagesBefore);
        EXPECT_EQ(!shown.filter(QStringLiteral("を超えるため、書き込めません")).isEmpty(),
                  c.refused);
    }
}

// Cancelling stops the drive and releases it; the editor keeps its rows and can burn again.
TEST_F(DiscBurnTest, CancellingMidwayLeavesNoHalfState) {
    threeSongs(QStringLiteral("4988001234567"));
    const TrackRows rows = editor.presenter().tracks().rows();
    int percentWhenCancelled = -1;
    dialogs.answerDialog([&](QDialog& dialog) {
        auto& burn = dynamic_cast<TfrmBurnCd&>(dialog);
        click(dialog, "btnStart");
        EXPECT_TRUE(waitFor([&] { return burner.recordings[0].tracks[1].bytesRead > 0; }));
        percentWhenCancelled =
            dialog.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"))->value();
        dialogs.answerMessage(DialogResult::Ok); // yes, stop
        click(dialog, "btnCancel");
        EXPECT_TRUE(waitFor([&] { return !burn.burning(); }));
        EXPECT_TRUE(dialog.findChild<QAbstractButton*>(QStringLiteral("btnStart"))->isEnabled());
        return int(QDialog::Rejected);
    });
    editor.btnBurnCdClick();

    ASSERT_EQ(burner.recordings.size(), 1u);
    EXPECT_GT(percentWhenCancelled, 0);
    EXPECT_LT(percentWhenCancelled, 100);
    EXPECT_TRUE(burner.recordings[0].cancelled);
    EXPECT_TRUE(burner.recordings[0].finished);
    EXPECT_LT(burner.recordings[0].tracks[2].bytesRead, burner.recordings[0].tracks[2].byteCount);
    EXPECT_EQ(editor.presenter().status().text(), QStringLiteral("CDへの書き込みを中止しました"));
    EXPECT_EQ(editor.presenter().tracks().rows(), rows);

    burnToTheEnd();
    ASSERT_EQ(burner.recordings.size(), 2u);
    EXPECT_FALSE(burner.recordings[1].cancelled);
    for (const FakeDiscBurner::RecordedTrack& track : burner.recordings[1].tracks)
        EXPECT_EQ(track.bytesRead, track.byteCount);
}

// Without a blank CD the dialog asks for one and looks again when the user says it is in.
TEST_F(DiscBurnTest, WaitsForABlankCd) {
    threeSongs(QString());
    // The dialog looks once as it opens, then again at each start and each OK.
    const BurnMedium noDisc{MediumState::NoDisc, {}, -1, {}};
    burner.media[QStringLiteral("/dev/sr0")] = {
        noDisc,
        noDisc,
        {MediumState::Written, QStringLiteral("CD-R"), -1, {}},
        FakeDiscBurner::blankCdR()};
    dialogs.answerMessage(DialogResult::Ok).answerMessage(DialogResult::Ok);
    burnToTheEnd();
    const QStringList asked = dialogs.messages();
    ASSERT_GE(asked.size(), 2);
    EXPECT_TRUE(asked[0].startsWith(QStringLiteral("ドライブにCDが入っていません")));
    EXPECT_TRUE(asked[1].startsWith(QStringLiteral("ドライブのCDは書き込み済みです")));
    ASSERT_EQ(burner.recordings.size(), 1u);
    EXPECT_FALSE(burner.recordings[0].cancelled);
}

TEST_F(DiscBurnTest, DriveErrorsAreShownInTheDrivesWords) {
    threeSongs(QString());
    burner.failAtStatusCall = 2;
    burnToTheEnd();
    EXPECT_TRUE(dialogs.messages().last().endsWith(QStringLiteral("SCSI error on write")));
    EXPECT_TRUE(editor.presenter().status().text().startsWith(
        QStringLiteral("CDへの書き込みに失敗しました")));
    EXPECT_TRUE(burner.recordings[0].finished);
}

TEST(DiscBurnPlanTest, MissingSongStopsThePlan) {
    QTemporaryDir dir;
    DiscInfo disc;
    disc.setFolderPath(dir.path());
    TrackRows rows;
    rows[0] = test::song(QStringLiteral("朝"), {}, QStringLiteral("01.wav"));
    DiscNotes notes;
    test::FakeAudioDecoder decoder;
    try {
        planDiscBurn(disc, rows, {}, decoder, notes);
        FAIL() << "planned a burn of a missing song";
    } catch (const AppError& error) {
        EXPECT_TRUE(error.message().contains(QStringLiteral("01.wav")))
            << error.message().toStdString();
    }
}

TEST(BurnProgressTest, PercentTrackAndTimeLeftFromThePaceOfWriting) {
    BurnProgressMeter meter(3, 1000, false);
    const struct {
        BurnStatus status;
        qint64 nowMs;
        int percent;
        QString text;
    } steps[] = {
        {{BurnPhase::Starting, 0, 0, {}}, 0, 0, QStringLiteral("書き込みを始めています…")},
        {{BurnPhase::Writing, 1, 100, {}},
         20000,
         10,
         QStringLiteral("トラック 1/3  10%  残り --:--")},
        {{BurnPhase::Writing, 2, 400, {}},
         50000,
         40,
         QStringLiteral("トラック 2/3  40%  残り 1:00")},
        {{BurnPhase::Finishing, 3, 1000, {}}, 110000, 100, QStringLiteral("仕上げています…")},
        {{BurnPhase::Failed, 3, 1000, QStringLiteral("write error")},
         111000,
         100,
         QStringLiteral("CDへの書き込みに失敗しました: write error")},
    };
    for (const auto& step : steps) {
        const BurnProgressView view = meter.update(step.status, step.nowMs);
        EXPECT_EQ(view.percent, step.percent) << step.nowMs;
        EXPECT_EQ(view.text, step.text) << step.nowMs;
    }
}

} // namespace
} // namespace lccd
