// Nothing the user changed in the list is dropped without the question "変更を保存しますか",
// and "save" writes the list where it came from; the title names that place and marks changes.
#include "tests/app/MainWindowFixture.h"

#include "layout/LayoutFile.h"
#include "layout/LayoutIniStore.h"
#include "tests/support/TestSongs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>
#include <QUrl>

namespace lccd {
namespace {

const QString kMine =
    QStringLiteral("矩形,Yes,Yes,Yes,100,100,200,200,,,,,,実線,1,clGray,clYellow");
const QString kOther =
    QStringLiteral("罫線,Yes,Yes,Yes,300,100,300,900,,,,,,実線,1,clGray,clWhite");
const QString kStored =
    QStringLiteral("文字,Yes,Yes,Yes,1,1,2,2,1,左寄せ,No,,保存分,,9,clBlack,clWhite");

class UnsavedWorkTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        writeFile(QStringLiteral("lccdtool.ini"),
                  QStringLiteral("[ListView]\r\nItem0=%1\r\n").arg(kStored));
        mine = writeLayout(QStringLiteral("mine.csv"), {kMine});
        other = writeLayout(QStringLiteral("other.csv"), {kOther});
    }

    // A window with mine.csv open and one row added to it.
    void openMineAndAddARow() {
        open();
        dialogs.answerFile(mine);
        trigger("CSVO1");
        ASSERT_EQ(rowLines(), QStringList{kMine});
        trigger("N3");
        ASSERT_TRUE(form->isListModified());
    }

    QStringList rowLines() const {
        QStringList lines;
        for (const LayoutItem& item : form->layoutList().items())
            lines.append(item.toRowLine());
        return lines;
    }

    static QStringList fileRows(const QString& path) {
        // as the list holds them
        const LayoutFileRead read = readLayoutFile(path);
        QStringList rows;
        if (read.content)
            for (const QString& line : read.content->rowLines)
                rows.append(
                    LayoutItem::fromRowLine(line, read.content->headerFieldCount).toRowLine());
        return rows;
    }

    QStringList storedRows() const {
        return LoadLayoutFromIni(paths.iniPath).value_or(QStringList());
    }

    int lastQuestionButtons() const {
        for (qsizetype i = dialogs.prompts().size() - 1; i >= 0; --i)
            if (dialogs.prompts()[i].kind == test::ScriptedDialogs::Kind::Message)
                return dialogs.prompts()[i].type & MessageBoxType::ButtonMask;
        return -1;
    }

    void dropFile(QWidget& target, const QString& path) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton,
                              Qt::NoModifier);
        QApplication::sendEvent(&target, &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&target, &drop);
        EXPECT_TRUE(drop.isAccepted());
        // The drop is taken up once the drag has ended.
        QCoreApplication::processEvents();
    }

    QString mine;
    QString other;
    bool closed = false;
};

// Each way of dropping the list, answered each way: Cancel keeps the list and its changes, No
// gives them up, Yes saves them into the CSV opened (never into the INI file) first.
TEST_F(UnsavedWorkTest, EveryActionThatDropsTheListAsksAndSaveWritesTheFileItCameFrom) {
    // act(goesOn): goesOn when the answer lets the action go on to its own dialogs.
    const struct {
        const char* action;
        std::function<void(bool)> act;
        QStringList rowsAfter; // once the list went
    } actions[] = {
        {"閉じる", [this](bool) { trigger("Close1"); }, {}},
        {"CSV開く button",
         [this](bool goesOn) {
             if (goesOn)
                 dialogs.answerFile(other);
             child<QPushButton>("Button1")->click();
         },
         {kOther}},
        {"CSV開く menu",
         [this](bool goesOn) {
             if (goesOn)
                 dialogs.answerFile(other);
             trigger("CSVO1");
         },
         {kOther}},
        {"INIから開く", [this](bool) { trigger("INIQ1"); }, {kStored}},
        {"dropped CSV", [this](bool) { dropFile(*form, other); }, {kOther}},
        {"終了", [this](bool) { closed = form->close(); }, {}},
    };
    const struct {
        int answer;
        bool listGoes;
        bool saved;
    } answers[] = {
        {DialogResult::Cancel, false, false},
        {DialogResult::No, true, false},
        {DialogResult::Yes, true, true},
    };
    for (const auto& action : actions)
        for (const auto& answer : answers) {
            SCOPED_TRACE(testing::Message() << action.action << " answered " << answer.answer);
            writeLayout(QStringLiteral("mine.csv"), {kMine});
            openMineAndAddARow();
            const QStringList edited = rowLines();
            const qsizetype asked = dialogs.messages().size();
            dialogs.answerMessage(answer.answer);
            closed = false;
            action.act(answer.listGoes);

            ASSERT_EQ(dialogs.messages().size(), asked + 1);
            EXPECT_EQ(dialogs.messages().last(), QStringLiteral("変更を保存しますか"));
            EXPECT_EQ(lastQuestionButtons(), MessageBoxType::YesNoCancel);
            EXPECT_EQ(fileRows(mine), answer.saved ? edited : QStringList{kMine});
            // the list came from the CSV: the INI file's stored layout is not touched
            EXPECT_EQ(storedRows(), QStringList{kStored});
            if (action.action == std::string("終了")) {
                EXPECT_EQ(closed, answer.listGoes);
            } else {
                EXPECT_EQ(rowLines(), answer.listGoes ? action.rowsAfter : edited);
                EXPECT_EQ(form->isListModified(), !answer.listGoes);
            }
            EXPECT_EQ(dialogs.unanswered(), 0);
            form.reset();
        }
}

// Unchanged lists go without a question; after "save" the list is what the file holds.
TEST_F(UnsavedWorkTest, NoQuestionWithoutChangesAndNoneAfterASave) {
    open();
    dialogs.answerFile(mine);
    trigger("CSVO1");
    const qsizetype asked = dialogs.messages().size();
    dialogs.answerFile(other);
    trigger("CSVO1");
    EXPECT_EQ(dialogs.messages().size(), asked);
    EXPECT_EQ(rowLines(), QStringList{kOther});

    trigger("N3");
    trigger("Save1"); // Ctrl+S: into other.csv, without a dialog
    EXPECT_EQ(dialogs.prompts().last().kind, test::ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(fileRows(other), rowLines());
    EXPECT_FALSE(form->isListModified());
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.messages().size(), asked);
    EXPECT_EQ(storedRows(), QStringList{kStored});
}

// A stored layout saves into the INI file; a list of no file asks for a file name, and a
// cancelled name keeps the window and the list.
TEST_F(UnsavedWorkTest, SaveGoesToTheIniForAStoredListAndAsksForAFileForANewOne) {
    open();
    ASSERT_EQ(rowLines(), QStringList{kStored});
    trigger("K1");
    dialogs.answerMessage(DialogResult::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(storedRows(), rowLines());
    EXPECT_EQ(fileRows(mine), QStringList{kMine});

    open();
    trigger("Close1");
    trigger("K1");
    dialogs.answerMessage(DialogResult::Yes);
    dialogs.answerFile(std::nullopt);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.prompts().last().kind, test::ScriptedDialogs::Kind::SaveFile);
    EXPECT_EQ(form->layoutList().count(), 1);

    const QString fresh = dir.filePath(QStringLiteral("fresh.csv"));
    dialogs.answerMessage(DialogResult::Yes);
    dialogs.answerFile(fresh);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(fileRows(fresh), rowLines());
    EXPECT_EQ(storedRows().size(), 2); // what the first close stored
}

// The title names the list's file and marks unsaved changes; undoing back to the saved rows
// takes the mark away again.
TEST_F(UnsavedWorkTest, TitleNamesTheFileAndMarksChanges) {
    const QString app = QStringLiteral("Lc音楽ＣＤ作成補助ツール");
    open();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("lccdtool.ini[*] - ") + app);
    EXPECT_FALSE(form->isWindowModified());

    dialogs.answerFile(mine);
    trigger("CSVO1");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("mine.csv[*] - ") + app);
    EXPECT_FALSE(form->isWindowModified());
    trigger("N3");
    EXPECT_TRUE(form->isWindowModified());
    trigger("Undo1");
    EXPECT_FALSE(form->isWindowModified());
    trigger("Redo1");
    EXPECT_TRUE(form->isWindowModified());

    // saved under another name, the list is that file's
    const QString copy = dir.filePath(QStringLiteral("copy.csv"));
    dialogs.answerFile(copy);
    trigger("CSVV1");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("copy.csv[*] - ") + app);
    EXPECT_FALSE(form->isWindowModified());
    trigger("INIS1");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("lccdtool.ini[*] - ") + app);

    trigger("Close1");
    EXPECT_EQ(form->windowTitle(), QStringLiteral("無題[*] - ") + app);
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_EQ(form->undoStack().count(), 0);
}

// The jacket the CD list editor saved replaces an edited list only after the question; the
// answer Cancel keeps the list, and Yes saves it into its own file first.
TEST_F(UnsavedWorkTest, TheEditorsJacketAsksBeforeItReplacesAnEditedList) {
    const QString folder = dir.filePath(QStringLiteral("album"));
    QDir().mkpath(folder);
    test::writeTestWav(folder + QStringLiteral("/1.wav"), 44100, {},
                       {{"INAM", toSjis(QStringLiteral("Song"))}});
    auto saveADisc = [&] {
        dialogs.answerFolder(folder);
        dialogs.answerDialog([](QDialog& editor) {
            auto click = [&](const char* name) {
                editor.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
            };
            click("Button7");
            editor.findChild<QLineEdit*>(QStringLiteral("edtPaformer"))
                ->setText(QStringLiteral("P"));
            editor.findChild<QLineEdit*>(QStringLiteral("editAlubm"))->setText(QStringLiteral("A"));
            click("BitBtn2");
            click("BitBtn7");
            return int(QDialog::Accepted);
        });
        trigger("CDT1");
    };
    const QString jacket = folder + QStringLiteral("/A.csv");

    openMineAndAddARow();
    const QStringList edited = rowLines();
    dialogs.answerMessage(DialogResult::Cancel);
    saveADisc();
    ASSERT_TRUE(QFile::exists(jacket));
    EXPECT_EQ(dialogs.messages().filter(QStringLiteral("変更を保存しますか")).size(), 1);
    EXPECT_EQ(rowLines(), edited);
    EXPECT_EQ(fileRows(mine), QStringList{kMine});

    dialogs.answerMessage(DialogResult::Yes);
    saveADisc();
    EXPECT_EQ(fileRows(mine), edited);
    EXPECT_EQ(rowLines(), fileRows(jacket));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("A.csv[*] - Lc音楽ＣＤ作成補助ツール"));
    EXPECT_FALSE(form->isWindowModified());
}

// A layout dropped on the window opens; a file that is no layout leaves the list and says why.
TEST_F(UnsavedWorkTest, ADroppedLayoutOpensAndOtherFilesAreRefused) {
    open();
    dropFile(*form, other);
    EXPECT_EQ(rowLines(), QStringList{kOther});
    EXPECT_EQ(form->CurrentLayoutPath(), other);
    EXPECT_EQ(form->surface().currentPage()->primitives().size(), 1u);

    const QString notes = writeFile(QStringLiteral("notes.csv"), QStringLiteral("hello\r\n"));
    dropFile(*form, notes);
    EXPECT_EQ(rowLines(), QStringList{kOther});
    EXPECT_FALSE(child<QLabel>("StatusPanel3")->text().isEmpty());

    // Anything but a layout file is not taken at all.
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(dir.filePath(QStringLiteral("song.wav")))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &enter);
    EXPECT_FALSE(enter.isAccepted());
}

} // namespace
} // namespace lccd
