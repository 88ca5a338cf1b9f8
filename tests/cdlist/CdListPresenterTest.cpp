#include "cdlist/CdListPresenter.h"

#include "tests/support/DesktopSongs.h"
#include "tests/support/TestSongs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class CdListPresenterTest : public ::testing::Test {
protected:
    void addSong(int row, const QString& title, const QString& time,
                 const QString& fileName = QString()) {
        TrackRow track;
        track.title = title;
        track.time = time;
        track.fileName = fileName;
        cdList_.tracks().setTrack(row, track);
    }
    // Fires the status panel's pending clear at once.
    void fireStatusClear() {
        QMetaObject::invokeMethod(const_cast<QTimer*>(&cdList_.status().clearTimer()), "timeout");
    }

    test::DesktopSongs songs_;
    CdListPresenter cdList_{songs_.services()};
    QTemporaryDir dir_;
};

TEST_F(CdListPresenterTest, TotalsOfTwelveSongs) {
    for (int row = 1; row <= 12; ++row)
        addSong(row, QStringLiteral("曲%1").arg(row), row == 1 ? "006:32" : "005:03");
    EXPECT_EQ(cdList_.RecountTracks(), 12);
    const QString totals = QStringLiteral("曲数= 12 総時間=1時間 2分 5秒");
    EXPECT_EQ(cdList_.totalsText(), totals);
    EXPECT_EQ(cdList_.status().text(), totals);
    EXPECT_EQ(cdList_.totalsColor(), CdListPresenter::kTotalsNormalColor);
}

TEST_F(CdListPresenterTest, TotalsTurnRedAboveSeventyMinutes) {
    addSong(1, "a", "070:00");
    cdList_.RecountTracks();
    EXPECT_EQ(cdList_.totalsColor(), CdListPresenter::kTotalsNormalColor);
    addSong(2, "b", "000:01");
    cdList_.RecountTracks();
    EXPECT_EQ(cdList_.totalsColor(), CdListPresenter::kTotalsOverColor);

    cdList_.showLoadTotal(4200);
    EXPECT_EQ(cdList_.totalsText(), QStringLiteral("合計演奏時間=070:00"));
    EXPECT_EQ(cdList_.totalsColor(), CdListPresenter::kTotalsNormalColor);
    cdList_.showLoadTotal(4201);
    EXPECT_EQ(cdList_.totalsColor(), CdListPresenter::kTotalsOverColor);
}

TEST_F(CdListPresenterTest, RecountMeasuresFilesAndStopsAtTheFirstEmptyTitle) {
    cdList_.disc().setFolderPath(dir_.path());
    test::writeTestWav(dir_.filePath("one.wav"), 44100 * 10);
    test::writeTestWav(dir_.filePath("Two"), 44100 * 20);
    addSong(1, "One", "999:00", "/elsewhere/one.wav"); // measured in the folder: 10 s
    addSong(2, "Two", "999:00");                       // no file name: the title names it
    addSong(3, "Three", "000:30", "three.wav");        // no file: its time column counts
    addSong(5, "Five", "001:00");                      // after the empty title of row 4
    EXPECT_EQ(cdList_.RecountTracks(), 3);
    EXPECT_EQ(cdList_.totalsText(), QStringLiteral("曲数= 3 総時間=0時間 1分 0秒"));
}

TEST_F(CdListPresenterTest, SelectionNeedsATitledFirstRow) {
    addSong(1, "   ", "001:00");
    addSong(2, "Two", "002:00");
    cdList_.showSelection(2);
    EXPECT_EQ(cdList_.positionText(), QString());
    EXPECT_EQ(cdList_.timeLabelText(), QStringLiteral("演奏時間=00:00"));
    EXPECT_EQ(cdList_.RecountTracks(), 2);

    addSong(1, "One", "001:00");
    cdList_.showSelection(2);
    EXPECT_EQ(cdList_.positionText(), QStringLiteral("2 / 2"));
    EXPECT_EQ(cdList_.timeLabelText(), QStringLiteral("演奏時間=002:00"));
}

TEST_F(CdListPresenterTest, PressOnTheCheckColumnTogglesTheCheck) {
    addSong(1, "One", "001:00");
    const std::pair<int, bool> presses[] = {{29, false}, {30, true}, {50, true}, {51, false}};
    for (const auto& [x, toggles] : presses) {
        cdList_.tracks().setField(1, TrackColumn::Check, QStringLiteral("1"));
        cdList_.pressInGrid(1, x, 30, 20);
        EXPECT_EQ(cdList_.tracks().track(1).check, toggles ? "0" : "1") << x;
        EXPECT_EQ(cdList_.status().text(),
                  toggles ? QStringLiteral("チェックがないとCDラベルにこの曲名を印刷しません")
                          : QStringLiteral("R=1 X=%1 30 20").arg(x));
    }
    EXPECT_FALSE(cdList_.status().clearTimer().isActive());

    cdList_.tracks().setField(1, TrackColumn::Check, QStringLiteral("x"));
    cdList_.pressInGrid(1, 40, 30, 20);
    EXPECT_EQ(cdList_.tracks().track(1).check, QStringLiteral("1"));

    cdList_.pressInGrid(2, 40, 30, 20); // a row without a title
    EXPECT_EQ(cdList_.tracks().track(2).check, QStringLiteral("0"));
    EXPECT_EQ(cdList_.status().text(), QStringLiteral("R=2 X=40 30 20"));
}

TEST_F(CdListPresenterTest, StatusMessageClearsAfterSixSeconds) {
    StatusPanel& status = cdList_.status();
    status.ShowStatusMessage(QStringLiteral("画面をクリアしました"));
    EXPECT_EQ(status.text(), QStringLiteral("画面をクリアしました"));
    EXPECT_TRUE(status.clearTimer().isActive());
    EXPECT_EQ(status.clearTimer().interval(), 6000);

    // A blank message cancels the clear but keeps the text; a direct text schedules nothing.
    status.ShowStatusMessage(QStringLiteral(" \t"));
    EXPECT_FALSE(status.clearTimer().isActive());
    EXPECT_EQ(status.text(), QStringLiteral("画面をクリアしました"));

    // A direct text does not cancel a clear scheduled before it, which then empties the panel.
    status.ShowStatusMessage(QStringLiteral("first"));
    status.setText(QStringLiteral("direct"));
    EXPECT_TRUE(status.clearTimer().isActive());
    fireStatusClear();
    EXPECT_EQ(status.text(), QString());
}

TEST_F(CdListPresenterTest, ClearKeepsPathsAndGenreTextAndEmptiesTheRest) {
    DiscInfo& disc = cdList_.disc();
    disc.setFolderPath(QStringLiteral("/music/disc"));
    disc.setJacketPath(QStringLiteral("/music/disc/jacket.jpg"));
    disc.albumTitle = disc.discPerformer = disc.discId = disc.catalog = QStringLiteral("x");
    disc.genre = QStringLiteral("ROCK");
    disc.genreList.append(QStringLiteral("ロック"));
    addSong(1, "One", "001:00", "/music/disc/one.wav");
    cdList_.tracks().setField(1, TrackColumn::Check, QStringLiteral("1"));
    cdList_.showPosition(1, 1);
    const QString totals = cdList_.totalsText();

    cdList_.ClearCdList();
    EXPECT_EQ(disc.folderPath, QStringLiteral("/music/disc"));
    EXPECT_EQ(disc.folderBoxText, QStringLiteral("/music/disc"));
    EXPECT_EQ(disc.jacketPath, QStringLiteral("/music/disc/jacket.jpg"));
    EXPECT_EQ(disc.jacketBoxText, QString());
    EXPECT_EQ(disc.albumTitle + disc.discPerformer + disc.discId + disc.catalog, QString());
    EXPECT_EQ(disc.genre, QStringLiteral("ROCK"));
    EXPECT_EQ(disc.genreIndex, -1);
    EXPECT_EQ(cdList_.positionText(), QString());
    EXPECT_EQ(cdList_.tracks().track(1), TrackRow());
    EXPECT_EQ(cdList_.totalsText(), totals);

    disc.genre = QStringLiteral("jazz");
    cdList_.ClearCdList();
    EXPECT_EQ(disc.selectedGenre(), QStringLiteral("Jazz"));
}

} // namespace
} // namespace lccd
