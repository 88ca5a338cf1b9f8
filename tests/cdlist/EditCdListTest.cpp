#include "cdlist/EditCdList.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/EditItems.h"
#include "cdlist/Option.h"
#include "disc/TrackTags.h"

#include "tests/cdlist/DiscFolderFixture.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FakeAudioDecoder.h"
#include "tests/support/FakeDiscBurner.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StrictServices.h"

#include <QAction>
#include <QBuffer>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QToolButton>
#include <QUrl>

namespace lccd {
namespace {

// The editor window over scripted dialogs, with songs put straight into its rows.
class EditCdListTest : public ::testing::Test {
protected:
    EditCdListTest() {
        paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
        paths.readFolders = {dir.path()};
    }

    void songs(int count, const QString& time = QStringLiteral("003:25")) {
        for (int r = 1; r <= count; ++r)
            tracks().setTrack(
                r, test::song(QStringLiteral("Song %1").arg(r), QString(), QString(), time));
    }
    TrackTableModel& tracks() { return editor.presenter().tracks(); }
    void select(int row) { grid()->setCurrentIndex(tracks().index(row - 1, 3)); }
    QTableView* grid() { return editor.findChild<QTableView*>(QStringLiteral("CtrlGrid1")); }
    template <typename Widget> Widget* child(QObject& in, const char* name) {
        return in.findChild<Widget*>(QString::fromLatin1(name));
    }
    void press(const char* name) {
        if (auto* button = child<QAbstractButton>(editor, name))
            button->click();
        else
            child<QAction>(editor, name)->trigger();
    }
    QStringList titles() {
        QStringList list;
        for (int r = 1; r <= 6; ++r)
            list.append(tracks().field(r, TrackColumn::Title));
        return list;
    }

    QTemporaryDir dir;
    ProgramPaths paths;
    test::ScriptedDialogs dialogs;
    TfrmEditItems editItems;
    TfrmOption options;
    TfrmCheckWavFile checkWavFile;
    test::DesktopSongs desktop;
    test::FakeDiscBurner burner;
    test::FakeAudioDecoder decoder;
    TfrmEditCdList editor{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(desktop.tags)
                              .with(desktop.lengths)
                              .with(decoder)
                              .with(burner)
                              .services()};
};

TEST_F(EditCdListTest, MovesSwapSongsButNotTheirNumbers) {
    songs(5);
    select(3);
    press("SpeedButton3");
    EXPECT_EQ(titles(), (QStringList{"Song 1", "Song 2", "Song 4", "Song 3", "Song 5", ""}));
    EXPECT_EQ(tracks().data(tracks().index(2, 0)).toString(), QStringLiteral("  03"));
    EXPECT_EQ(grid()->currentIndex().row(), 3);
    select(1);
    press("SpeedButton2");
    select(5);
    press("SpeedButton3"); // the next row has no title
    EXPECT_EQ(titles(), (QStringList{"Song 1", "Song 2", "Song 4", "Song 3", "Song 5", ""}));
}

TEST_F(EditCdListTest, ClearAsksOnlyWhenThereAreSongs) {
    press("SpeedButton4");
    EXPECT_TRUE(dialogs.prompts().isEmpty());
    songs(12);
    dialogs.answerMessage(DialogResult::Ok);
    press("SpeedButton4");
    ASSERT_EQ(dialogs.messages(), QStringList{QStringLiteral("12:曲残ってるのを消しますか")});
    EXPECT_EQ(dialogs.prompts()[0].caption, QStringLiteral("問合わせ"));
    EXPECT_TRUE(tracks().field(1, TrackColumn::Title).isEmpty());
}

TEST_F(EditCdListTest, ApplyingTheDiscFieldsFillsOnlyFilledBoxesInSongRows) {
    songs(3);
    tracks().setField(5, TrackColumn::Title, QStringLiteral("after the list"));
    child<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("楽団"));
    child<QLineEdit>(editor, "edtPaformer")->textEdited(QStringLiteral("楽団"));
    press("BitBtn5");
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(tracks().field(r, TrackColumn::Performer), QStringLiteral("楽団"));
        EXPECT_TRUE(tracks().field(r, TrackColumn::Album).isEmpty());
    }
    EXPECT_TRUE(tracks().field(5, TrackColumn::Performer).isEmpty());

    // A full-width blank is no blank: the box is not empty.
    child<QLineEdit>(editor, "editAlubm")->setText(QStringLiteral("\u3000"));
    child<QLineEdit>(editor, "editAlubm")->textEdited(QStringLiteral("\u3000"));
    press("BitBtn5");
    EXPECT_EQ(tracks().field(1, TrackColumn::Album), QStringLiteral("\u3000"));
}

TEST_F(EditCdListTest, TagDialogPresetsTheTimeAndWritesItBackOnlyWhenItMay) {
    songs(2);
    tracks().setField(1, TrackColumn::Time, QStringLiteral("125:30"));
    select(1);
    QStringList preset;
    dialogs.answerDialog([&](QDialog& d) {
        for (const char* box : {"edtHour", "edtMin", "edtSec"})
            preset.append(child<QLineEdit>(d, box)->text());
        child<QLineEdit>(d, "edtMin")->setText(QStringLiteral("9"));
        return int(QDialog::Accepted);
    });
    press("Edit2");
    EXPECT_EQ(preset, (QStringList{"02", "05", "30"}));
    EXPECT_EQ(tracks().field(1, TrackColumn::Time), QStringLiteral("125:30")); // unsplit off

    child<QCheckBox>(editor, "chkNoCut")->setChecked(true);
    dialogs.answerDialog([&](QDialog& d) {
        child<QLineEdit>(d, "edtMin")->setText(QStringLiteral("3"));
        child<QLineEdit>(d, "edtSec")->setText(QStringLiteral("25"));
        return int(QDialog::Accepted);
    });
    press("Edit2");
    EXPECT_EQ(tracks().field(1, TrackColumn::Time), QStringLiteral("123:25")); // 2 h 3 min 25 s

    // the first row after the list adds a song, its print check off
    select(3);
    dialogs.answerDialog([&](QDialog& d) {
        preset = {child<QLineEdit>(d, "edtHour")->text(), child<QLineEdit>(d, "edtSec")->text()};
        child<QLineEdit>(d, "edtName")->setText(QStringLiteral("新曲"));
        return int(QDialog::Accepted);
    });
    press("Edit2");
    EXPECT_EQ(preset, (QStringList{"00", "00"}));
    EXPECT_EQ(tracks().field(3, TrackColumn::Title), QStringLiteral("新曲"));
    EXPECT_EQ(tracks().field(3, TrackColumn::Check), QStringLiteral("0"));
    select(5); // no song before it
    press("Edit2");
    EXPECT_EQ(dialogs.prompts().size(), 3);
}

// The grid gets a double click as press, release, double click and release. A press of another
// button than the left one acts on the selected row and leaves the selection where it was.
TEST_F(EditCdListTest, OnlyTheLeftButtonSelectsAndEveryPressOfADoubleClickToggles) {
    songs(3);
    select(2);
    const auto send = [&](QEvent::Type type, Qt::MouseButton button, int row, int column) {
        const QRect cell = grid()->visualRect(tracks().index(row - 1, column));
        QMouseEvent event(type, cell.center(), grid()->viewport()->mapToGlobal(cell.center()),
                          button, type == QEvent::MouseButtonRelease ? Qt::NoButton : button, {});
        QCoreApplication::sendEvent(grid()->viewport(), &event);
    };
    const int check = int(TrackColumn::Check);
    const struct {
        Qt::MouseButton button;
        bool doubleClick;
        int row;
        int column;
        int selected;
        QStringList checks; // rows 1 to 3 afterwards
    } cases[] = {
        {Qt::RightButton, false, 3, int(TrackColumn::Title), 2, {"1", "1", "1"}},
        {Qt::RightButton, false, 3, check, 2, {"1", "0", "1"}},
        {Qt::LeftButton, true, 3, check, 3, {"1", "0", "1"}},
        {Qt::LeftButton, false, 1, check, 1, {"0", "0", "1"}},
    };
    for (const auto& c : cases) {
        send(QEvent::MouseButtonPress, c.button, c.row, c.column);
        send(QEvent::MouseButtonRelease, c.button, c.row, c.column);
        if (c.doubleClick) {
            send(QEvent::MouseButtonDblClick, c.button, c.row, c.column);
            send(QEvent::MouseButtonRelease, c.button, c.row, c.column);
        }
        EXPECT_EQ(grid()->currentIndex().row() + 1, c.selected) << c.row << "," << c.column;
        QStringList checks;
        for (int r = 1; r <= 3; ++r)
            checks.append(tracks().field(r, TrackColumn::Check));
        EXPECT_EQ(checks, c.checks) << c.row << "," << c.column;
    }
}

// Row 2 is titled like the other row's file and names its own file without a folder: OK writes
// into that file alone.
TEST_F(EditCdListTest, TagDialogWritesTheRowsOwnSongFileOnly) {
    test::writeTestWav(dir.filePath(QStringLiteral("one.wav")), 4410);
    test::writeTestWav(dir.filePath(QStringLiteral("two.wav")), 4410);
    const QByteArray other = test::fileBytes(dir.filePath(QStringLiteral("one.wav")));
    editor.presenter().disc().setFolderPath(dir.path());
    tracks().setTrack(1, test::song(QStringLiteral("two"), {}, dir.filePath("one.wav")));
    tracks().setTrack(2, test::song(QStringLiteral("one"), {}, QStringLiteral("two.wav")));
    select(2);
    dialogs.answerDialog([&](QDialog& d) {
        child<QLineEdit>(d, "edtName")->setText(QStringLiteral("新しい歌"));
        return int(QDialog::Accepted);
    });
    press("Edit2");
    DiscNotes notes;
    EXPECT_EQ(ReadTrackTags(desktop.tags, dir.filePath("two.wav"), notes).title,
              QStringLiteral("新しい歌"));
    EXPECT_TRUE(test::fileBytes(dir.filePath(QStringLiteral("one.wav"))) == other)
        << "the other row's file was changed";
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList({"one.wav", "two.wav"}));
}

TEST_F(EditCdListTest, WavCheckShowsTheFirstFourFilesOnlyInUnsplitMode) {
    for (int i = 1; i <= 6; ++i)
        test::writeTestWav(dir.filePath(QStringLiteral("take%1.wav").arg(i)), 44100 * i);
    editor.setLastProject(dir.path());
    press("WAVW1"); // enabled before any change, and only answers
    child<QCheckBox>(editor, "chkNoCut")->setChecked(true);
    child<QCheckBox>(editor, "chkNoCut")->setChecked(false);
    child<QAction>(editor, "WAVW1")->activate(QAction::Trigger);
    EXPECT_EQ(child<QLabel>(editor, "StatusPanel3")->text(),
              QStringLiteral("[無分割]にチェックがついているときに可能です"));
    EXPECT_FALSE(child<QAction>(editor, "WAVW1")->isEnabled());

    child<QCheckBox>(editor, "chkNoCut")->setChecked(true);
    QStringList names;
    dialogs.answerDialog([&](QDialog& d) {
        for (const char* box : {"edtFilename1", "edtFilename2", "edtFilename3", "edtFilename4"})
            names.append(child<QLineEdit>(d, box)->text());
        return int(QDialog::Accepted);
    });
    press("WAVW1");
    EXPECT_EQ(names.size(), 4);
    EXPECT_FALSE(names.contains(QString()));
}

// Showing the window again (restoring it from the task bar) keeps what the user did; only its
// opening loads the folder, and closing with changes not yet saved asks first.
TEST_F(EditCdListTest, ReshowingKeepsEditsAndClosingUnsavedAsks) {
    for (const char* name : {"01.wav", "02.wav", "03.wav"})
        test::writeTestWav(dir.filePath(QString::fromLatin1(name)), 4410);
    editor.setLastProject(dir.path());
    editor.show();
    select(2);
    press("SpeedButton2");
    child<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("楽団"));
    child<QLineEdit>(editor, "edtPaformer")->textEdited(QStringLiteral("楽団"));
    const QStringList reordered = {"02", "01", "03", "", "", ""};
    ASSERT_EQ(titles(), reordered);

    editor.showMinimized();
    editor.showNormal();
    editor.hide();
    editor.show();
    EXPECT_EQ(titles(), reordered);
    EXPECT_EQ(editor.presenter().disc().discPerformer, QStringLiteral("楽団"));

    dialogs.answerMessage(DialogResult::Cancel).answerMessage(DialogResult::No);
    editor.reject();
    EXPECT_TRUE(editor.isVisible()) << "cancel keeps the window open";
    editor.reject();
    EXPECT_FALSE(editor.isVisible());
    EXPECT_EQ(dialogs.messages(), QStringList(2, QStringLiteral("変更を保存しますか")));
    EXPECT_EQ(dialogs.prompts()[0].type,
              MessageBoxType::YesNoCancel | MessageBoxType::IconQuestion);

    editor.show(); // opened again: the folder is loaded afresh
    EXPECT_EQ(titles(), (QStringList{"01", "02", "03", "", "", ""}));
    editor.reject();
    EXPECT_FALSE(editor.isVisible()) << "nothing changed since the load: no question";
    EXPECT_EQ(dialogs.messages().size(), 2);
}

// A changed list asks before the folder choice or 新規開始 drops it: Yes saves the disc first,
// No lets the edits go, Cancel leaves everything as it was.
TEST_F(EditCdListTest, FolderChoiceAndNewAskBeforeDroppingEdits) {
    const struct {
        const char* command;
        int answer;
        bool saved;
        QString firstTitle; // afterwards
    } cases[] = {
        {"Button7", DialogResult::Yes, true, "03"},
        {"Button7", DialogResult::No, false, "03"},
        {"Button7", DialogResult::Cancel, false, "01"},
        {"BitBtn3", DialogResult::Yes, true, ""},
        {"BitBtn3", DialogResult::No, false, ""},
        {"BitBtn3", DialogResult::Cancel, false, "01"},
    };
    bool changed = false; // left so by the case before
    int n = 0;
    for (const auto& c : cases) {
        const QString first = dir.filePath(QStringLiteral("%1/first").arg(++n));
        const QString second = dir.filePath(QStringLiteral("%1/second").arg(n));
        QDir().mkpath(first);
        QDir().mkpath(second);
        test::writeTestWav(first + QStringLiteral("/01.wav"), 4410);
        test::writeTestWav(second + QStringLiteral("/03.wav"), 4410);
        test::ScriptedDialogs script;
        script.answerFolder(first);
        if (changed)
            script.answerMessage(DialogResult::No);
        press("Button7");
        child<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("Band"));
        child<QLineEdit>(editor, "edtPaformer")->textEdited(QStringLiteral("Band"));
        const qsizetype asked = script.messages().size();

        script.answerMessage(c.answer).answerFolder(second);
        press(c.command);
        EXPECT_EQ(script.messages().mid(asked), QStringList{QStringLiteral("変更を保存しますか")})
            << c.command << " " << c.answer;
        EXPECT_EQ(QFileInfo::exists(first + QStringLiteral("/first.txt")), c.saved)
            << c.command << " " << c.answer;
        EXPECT_EQ(titles().first(), c.firstTitle) << c.command << " " << c.answer;
        EXPECT_EQ(child<QLineEdit>(editor, "edtPaformer")->text().isEmpty(),
                  c.answer != DialogResult::Cancel)
            << c.command << " " << c.answer;
        changed = c.answer == DialogResult::Cancel;
    }
}

TEST_F(EditCdListTest, DraggingASongMovesItAsTheMoveButtonsDo) {
    const struct {
        int from;
        int onto;
        QStringList titles;
    } cases[] = {
        {1, 4, {"Song 2", "Song 3", "Song 4", "Song 1", "Song 5", ""}},
        {5, 2, {"Song 1", "Song 5", "Song 2", "Song 3", "Song 4", ""}},
        {2, 9, {"Song 1", "Song 3", "Song 4", "Song 5", "Song 2", ""}}, // stops at the last song
    };
    for (const auto& c : cases) {
        songs(5);
        const std::unique_ptr<QMimeData> dragged(
            tracks().mimeData({tracks().index(c.from - 1, int(TrackColumn::Title))}));
        tracks().dropMimeData(dragged.get(), Qt::MoveAction, -1, -1,
                              tracks().index(c.onto - 1, int(TrackColumn::Title)));
        EXPECT_EQ(titles(), c.titles) << c.from << " onto " << c.onto;
        EXPECT_EQ(grid()->currentIndex().row(), c.titles.indexOf(QString("Song %1").arg(c.from)));
    }
    EXPECT_FALSE(tracks().flags(tracks().index(6, 0)) & Qt::ItemIsDragEnabled) << "no song";
}

// A folder dropped from a file manager loads as the folder choice does, asking first when the
// list changed; dropped song files go after the songs in the order dropped, other files are
// named, and the list ends at 25 songs.
TEST_F(EditCdListTest, DroppedFolderLoadsAndDroppedFilesGoAfterTheSongs) {
    const QString first = dir.filePath(QStringLiteral("first"));
    const QString second = dir.filePath(QStringLiteral("second"));
    QDir().mkpath(first);
    QDir().mkpath(second);
    for (const QString& song :
         {first + "/01.wav", first + "/02.wav", second + "/10.wav", second + "/11.wav"})
        test::writeTestWav(song, 4410);
    test::writeFileBytes(second + "/notes.pdf", "%PDF-1.4\n");
    editor.setLastProject(first);
    editor.show();
    const auto drop = [&](const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& path : paths)
            urls.append(QUrl::fromLocalFile(path));
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&editor, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(QPointF(20, 20), Qt::CopyAction, &data, Qt::LeftButton, {});
        QCoreApplication::sendEvent(&editor, &event);
        EXPECT_TRUE(event.isAccepted());
        QCoreApplication::processEvents();
    };

    drop({second + "/11.wav", second + "/notes.pdf", second + "/10.wav"});
    EXPECT_EQ(titles(), (QStringList{"01", "02", "11", "10", "", ""}));
    EXPECT_TRUE(child<QLabel>(editor, "StatusPanel3")->text().contains("notes.pdf"));
    EXPECT_TRUE(dialogs.prompts().isEmpty());

    dialogs.answerMessage(DialogResult::No);
    drop({second});
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("変更を保存しますか")});
    EXPECT_EQ(titles(), (QStringList{"10", "11", "", "", "", ""}));
    EXPECT_EQ(editor.lastProject(), second);

    songs(24);
    drop({first + "/01.wav", first + "/02.wav"});
    EXPECT_EQ(tracks().field(25, TrackColumn::Title), QStringLiteral("01"));
    EXPECT_TRUE(child<QLabel>(editor, "StatusPanel3")->text().contains(QStringLiteral("25曲")));
}

// Enter in a box ends the typing there: no button is the default, so no command runs.
TEST_F(EditCdListTest, EnterInABoxRunsNoCommand) {
    editor.show();
    for (const char* name : {"editAlubm", "edtPaformer", "edtDiscId", "edtSubTitle2"}) {
        auto* box = child<QLineEdit>(editor, name);
        box->setFocus();
        QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(box, &enter);
        EXPECT_TRUE(dialogs.prompts().isEmpty()) << name;
    }
    for (const QPushButton* button : editor.findChildren<QPushButton*>()) {
        if (button->window() != &editor)
            continue; // the burn window's own
        EXPECT_FALSE(button->isDefault() || button->autoDefault())
            << button->objectName().toStdString();
    }
}

// A text file or random bytes named .wav keeps its row, marked, with no print check; the save
// leaves it out of the CUE sheet and the label but keeps it in the project, which reads it back
// marked.
TEST_F(EditCdListTest, FilesThatAreNoSongsStayMarkedAndOffTheDisc) {
    // The program's own decoders: they, not a fake, tell what is a song.
    TfrmEditCdList editor{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(desktop.tags)
                              .with(desktop.lengths)
                              .with(desktop.decoder)
                              .services()};
    const auto tracks = [&]() -> TrackTableModel& { return editor.presenter().tracks(); };
    const auto press = [&](const char* name) { child<QToolButton>(editor, name)->click(); };
    const QString folder = dir.filePath(QStringLiteral("disc"));
    QDir().mkpath(folder);
    test::writeTestWav(folder + "/01.wav", 44100);
    test::writeFileBytes(folder + "/02.wav", "これは歌ではありません\n");
    test::writeFileBytes(folder + "/03.wav", QByteArray::fromHex("13a7c05e9f0021ff6e4c8b"));
    test::writeTestWav(folder + "/04.wav", 88200);
    editor.setLastProject(folder);
    editor.show();
    const auto expectRows = [&](const char* when) {
        const struct {
            int row;
            bool song;
        } rows[] = {{1, true}, {2, false}, {3, false}, {4, true}};
        for (const auto& r : rows) {
            const QModelIndex cell = tracks().index(r.row - 1, int(TrackColumn::Title));
            EXPECT_EQ(tracks().field(r.row, TrackColumn::Check), r.song ? "1" : "0")
                << when << " " << r.row;
            EXPECT_EQ(tracks().field(r.row, TrackColumn::Time) == QStringLiteral("--:--"), !r.song)
                << when << " " << r.row;
            EXPECT_EQ(cell.data(Qt::ToolTipRole)
                          .toString()
                          .startsWith(QStringLiteral("音楽ファイルとして読めません")),
                      !r.song)
                << when << " " << r.row;
            EXPECT_EQ(cell.data(Qt::BackgroundRole).isValid(), !r.song) << when << " " << r.row;
        }
    };
    expectRows("loaded");
    editor.presenter().pressInGrid(2, 35, 30, 20); // on the check column
    EXPECT_EQ(tracks().field(2, TrackColumn::Check), QStringLiteral("0"));

    child<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("Band"));
    child<QLineEdit>(editor, "edtPaformer")->textEdited(QStringLiteral("Band"));
    press("BitBtn2");
    const QString cue = fromSjis(test::fileBytes(folder + "/disc.cue"));
    EXPECT_TRUE(cue.contains("\"01.wav\"") && cue.contains("\"04.wav\"")) << cue.toStdString();
    EXPECT_FALSE(cue.contains("02.wav") || cue.contains("03.wav")) << cue.toStdString();
    EXPECT_TRUE(cue.contains("TRACK 02 AUDIO\r\n TITLE \"04\"")) << cue.toStdString();
    const QString label = fromSjis(test::fileBytes(folder + "/disc.csv"));
    EXPECT_TRUE(label.contains("\"02 000:02 04\"")) << label.toStdString();
    EXPECT_FALSE(label.contains("--:--")) << label.toStdString();
    const QString project = fromSjis(test::fileBytes(folder + "/disc.txt"));
    EXPECT_TRUE(project.contains("\"02.wav\"") && project.contains("\"03.wav\""));

    dialogs.answerMessage(DialogResult::Ok);
    press("BitBtn4"); // reloads the project just saved
    expectRows("reloaded");
}

TEST_F(EditCdListTest, GuideShowsInAWindowWhenTheDesktopCannotOpenIt) {
    struct NoOpener : test::RecordingShell {
        bool openDocument(const QString& path) override {
            documents.append(path);
            return false;
        }
    } shell;
    TfrmEditCdList withoutOpener{paths, editItems, options, checkWavFile,
                                 test::TestServices().with(shell).services()};
    test::writeFileBytes(dir.filePath(QStringLiteral("readme.txt")),
                         toSjis(QStringLiteral("Lc音楽ＣＤ作成補助ツール　使用方法\r\n")));
    QString shown;
    dialogs.answerDialog([&](QDialog& window) {
        auto* text = child<QPlainTextEdit>(window, "memGuide");
        shown = text->toPlainText();
        EXPECT_TRUE(text->isReadOnly());
        return int(QDialog::Rejected);
    });
    child<QToolButton>(withoutOpener, "BitBtn6")->click();
    EXPECT_EQ(shell.documents.size(), 1);
    EXPECT_TRUE(shown.startsWith(QStringLiteral("Lc音楽ＣＤ作成補助ツール　使用方法")));
}

// The answer to the unsplit question stands even when the save stops at a later step.
TEST_F(EditCdListTest, UnsplitAnswerStaysWhenALaterStepFails) {
    test::writeTestWav(dir.filePath(QStringLiteral("live.wav")), 4410);
    editor.setLastProject(dir.path());
    editor.show();
    tracks().setField(1, TrackColumn::Check, QStringLiteral("0"));
    child<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("Band"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("%1.cue").arg(QDir(dir.path()).dirName())));
    dialogs.answerMessage(DialogResult::Ok);
    press("BitBtn2");
    EXPECT_EQ(dialogs.messages().size(), 2) << "the question, then the error";
    EXPECT_TRUE(child<QCheckBox>(editor, "chkNoCut")->isChecked());
    EXPECT_TRUE(editor.options().noCut);
}

TEST_F(EditCdListTest, OptionsKeepTheirValuesOnCancelAndTheTemplateByNameOnly) {
    editor.setOptions({QStringLiteral("LcJacketStd.lct"), false, false, false});
    dialogs.answerDialog([&](QDialog& d) {
        child<QCheckBox>(d, "CheckBox1")->setChecked(true);
        return int(QDialog::Rejected);
    });
    press("BitBtn8");
    EXPECT_FALSE(editor.options().addGap);

    dialogs.answerFile(QStringLiteral("/tpl/My.lct"));
    dialogs.answerDialog([&](QDialog& d) {
        EXPECT_FALSE(child<QCheckBox>(d, "CheckBox1")->isChecked());
        child<QPushButton>(d, "Button3")->click();
        child<QCheckBox>(d, "chkNoCut")->setChecked(true);
        return int(QDialog::Accepted);
    });
    press("BitBtn8");
    EXPECT_EQ(editor.options().templateName, QStringLiteral("My.lct"));
    EXPECT_TRUE(editor.options().noCut);
    EXPECT_TRUE(child<QCheckBox>(editor, "chkNoCut")->isChecked());
}

TEST_F(EditCdListTest, ALabelProductIsChosenClearedOrKeptOnCancel) {
    EXPECT_FALSE(child<QPushButton>(options, "btnLabelSheet")->isEnabled()); // nothing to choose
    QStringList startedFrom;
    options.setLabelProductChooser(
        [&](QWidget* parent, const QString& current) -> std::optional<QString> {
            EXPECT_EQ(parent, &options);
            startedFrom.append(current);
            if (current.isEmpty())
                return QStringLiteral("Acme CD2");
            return std::nullopt; // the user cancels
        });
    auto answer = [&](bool choose, bool none, int result) {
        dialogs.answerDialog([=, this](QDialog& d) {
            if (choose)
                child<QPushButton>(d, "btnLabelSheet")->click();
            if (none)
                child<QPushButton>(d, "btnNoLabelSheet")->click();
            return result;
        });
        press("BitBtn8");
    };
    answer(true, false, QDialog::Accepted);
    EXPECT_EQ(editor.options().labelProduct, QStringLiteral("Acme CD2"));
    answer(true, true, QDialog::Rejected); // choosing cancelled, then none, then Cancel
    EXPECT_EQ(editor.options().labelProduct, QStringLiteral("Acme CD2"));
    answer(false, true, QDialog::Accepted);
    EXPECT_TRUE(editor.options().labelProduct.isEmpty());
    EXPECT_EQ(startedFrom, QStringList({"", "Acme CD2"}));
}

// The same picture in every song.
class OneCover final : public CoverPictures {
public:
    QByteArray picture;
    QByteArray frontCover(const QString&) override { return picture; }
};

TEST_F(EditCdListTest, ASongsCoverIsOfferedBesideTheEmptyJacketBoxAndWrittenOnlyWhenAgreed) {
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QBuffer png;
    png.open(QIODevice::WriteOnly);
    image.save(&png, "PNG");
    OneCover covers;
    covers.picture = png.data();
    TfrmEditCdList window{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(desktop.tags)
                              .with(desktop.lengths)
                              .with(decoder)
                              .with(burner)
                              .with(covers)
                              .services()};
    test::writeTestWav(dir.filePath(QStringLiteral("01.wav")), 4410);
    window.setLastProject(dir.path());
    window.show(); // loads the folder
    auto* take = child<QPushButton>(window, "btnTakeJacket");
    ASSERT_TRUE(take->isVisible());
    EXPECT_FALSE(child<QLabel>(window, "imgJacketOffer")->pixmap().isNull());
    child<QLineEdit>(window, "editAlubm")->setText(QStringLiteral("夏"));
    const QString written = dir.filePath(QStringLiteral("夏.png"));
    dialogs.answerMessage(DialogResult::Cancel).answerMessage(DialogResult::Ok);
    take->click();
    EXPECT_FALSE(QFileInfo::exists(written));
    take->click();
    ASSERT_EQ(dialogs.messages().size(), 2);
    EXPECT_TRUE(dialogs.messages()[1].contains(written)) << dialogs.messages()[1].toStdString();
    EXPECT_EQ(test::fileBytes(written), covers.picture);
    EXPECT_EQ(window.presenter().disc().jacketPath, written);
    EXPECT_FALSE(take->isVisible()); // the box shows the jacket now
    dialogs.answerMessage(DialogResult::No);
    window.done(QDialog::Accepted);
    EXPECT_EQ(dialogs.messages().value(2), QStringLiteral("変更を保存しますか"));
}

TEST_F(EditCdListTest, AChosenJacketIsAnEditThatClosingAsksAbout) {
    editor.setLastProject(dir.path());
    editor.show();
    dialogs.answerFile(dir.filePath(QStringLiteral("front.jpg")))
        .answerMessage(DialogResult::Cancel);
    press("Button1");
    editor.done(QDialog::Accepted);
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("変更を保存しますか")});
    EXPECT_TRUE(editor.isVisible());
}

} // namespace
} // namespace lccd

namespace lccd {
namespace {

// The integrated loudness FFmpeg's R 128 meter gives a file, in LUFS.
double ffmpegIntegrated(const QString& path) {
    QProcess ffmpeg;
    ffmpeg.start("ffmpeg",
                 {"-nostats", "-hide_banner", "-i", path, "-af", "ebur128", "-f", "null", "-"});
    ffmpeg.waitForFinished(60000);
    const QString summary =
        QString::fromUtf8(ffmpeg.readAllStandardError()).section("Summary:", -1);
    return QRegularExpression(R"(I:\s+(-?[0-9.]+) LUFS)").match(summary).captured(1).toDouble();
}

TEST_F(EditCdListTest, LevellingChosenInTheOptionsShowsEachSongsGainOnItsRow) {
    if (!test::toolInstalled("ffmpeg") || !test::toolInstalled("sox"))
        GTEST_SKIP() << "ffmpeg and sox are needed";
    TfrmEditCdList editor{paths, editItems, options, checkWavFile,
                          test::TestServices()
                              .with(desktop.tags)
                              .with(desktop.lengths)
                              .with(desktop.decoder)
                              .with(desktop.loudness)
                              .services()};
    const QString folder = dir.filePath(QStringLiteral("disc"));
    QDir().mkpath(folder);
    ASSERT_TRUE(test::makeToneSong(folder + "/01.wav", 2, {44100, 2, 16}));
    ASSERT_TRUE(
        test::runToolSucceeded("sox", {folder + "/01.wav", folder + "/02.wav", "vol", "0.1"}));
    editor.setLastProject(folder);
    editor.show();
    dialogs.answerDialog([&](QDialog& d) {
        child<QComboBox>(d, "cmbLevel")->setCurrentIndex(1); // 曲ごと
        child<QDoubleSpinBox>(d, "spnLevelTarget")->setValue(-18);
        return int(QDialog::Accepted);
    });
    child<QAbstractButton>(editor, "BitBtn8")->click();
    EXPECT_EQ(editor.options().level, (LevelSettings{LevelMode::Song, -18}));
    TrackTableModel& tracks = editor.presenter().tracks();
    for (int row = 1; row <= 2; ++row) {
        const QString tip =
            tracks.index(row - 1, int(TrackColumn::Title)).data(Qt::ToolTipRole).toString();
        const double gain =
            QRegularExpression(R"(ゲイン ([-+][0-9.]+) dB)").match(tip).captured(1).toDouble();
        EXPECT_NEAR(gain, -18 - ffmpegIntegrated(folder + QStringLiteral("/0%1.wav").arg(row)), 0.2)
            << tip.toStdString();
    }
}

} // namespace
} // namespace lccd
