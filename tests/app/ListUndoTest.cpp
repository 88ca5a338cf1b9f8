// Every edit of the main window's list is one step of its undo stack: undone, the rows are
// back byte for byte as the layout file writes them; redone, they are the edit's again.
#include "tests/app/MainWindowFixture.h"

#include "app/EditItem.h"
#include "app/LabelSheetDialog.h"
#include "app/LayoutListView.h"
#include "layout/LayoutFile.h"
#include "layout/ListCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QUndoStack>

namespace lccd {
namespace {

class ListUndoTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        open();
        // Field texts no save would write as they are: undo must give them back unchanged.
        for (const QString& line :
             {QStringLiteral("設定,,,,,,,,,,yes,,A4|題,,,,"),
              QStringLiteral("文字,yes,YES,Yes,110,150,489,53,1,中心合せ,No,,\"a,b\",MS UI "
                             "Gothic,8,clwindowtext,clWhite"),
              QStringLiteral("矩形,Yes,Yes,Yes,100,100,120,100,,,,,,実線,1,clGray,clYellow"),
              QStringLiteral("罫線,Yes,No,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite")})
            form->AddLayoutRow(line, kLayoutFieldCount);
        form->undoStack().clear();
    }

    // The rows as the layout file holds them.
    QByteArray bytes() {
        const QString path = dir.filePath(QStringLiteral("rows.csv"));
        writeLayoutFile(path, form->layoutList().items());
        return readWholeFile(path);
    }

    void select(int row) { child<QTableView>("TntListView1")->selectRow(row); }

    // Drops the row at from onto the lower half of the row at onto.
    void dragRow(int from, int onto) {
        auto& view = *child<QTableView>("TntListView1");
        const QRect target = view.visualRect(form->layoutList().index(onto, 3));
        std::unique_ptr<QMimeData> data(LayoutListView::rowMimeData(from));
        const QPoint at(target.center().x(), target.bottom() - 1);
        // as a drag does: it enters, moves and drops
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &enter);
        QDragMoveEvent move(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        QDropEvent drop(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &drop);
        EXPECT_TRUE(drop.isAccepted());
    }
};

TEST_F(ListUndoTest, EveryEditIsOneStepThatUndoesAndRedoesByteForByte) {
    form->show();
    QCoreApplication::processEvents();
    const bool labels = !installedLabelTemplatesFolder().isEmpty();
    const struct {
        const char* edit;
        std::function<void()> act;
    } edits[] = {
        {"sample text row", [&] { trigger("N3"); }},
        {"sample paragraph row", [&] { trigger("B1"); }},
        {"sample image row", [&] { trigger("G1"); }},
        {"sample rectangle row", [&] { trigger("K1"); }},
        {"sample rule line row", [&] { trigger("S1"); }},
        {"sample barcode row", [&] { trigger("P1"); }},
        {"sample settings row", [&] { trigger("A1"); }},
        {"paste",
         [&] {
             select(1);
             trigger("C2");
             trigger("V3");
         }},
        {"edit in the item dialog",
         [&] {
             select(1);
             dialogs.answerDialog([](QDialog& dialog) {
                 dialog.findChild<QLineEdit*>(QStringLiteral("edtLeft"))
                     ->setText(QStringLiteral("777"));
                 return int(QDialog::Accepted);
             });
             trigger("E1");
         }},
        {"move up",
         [&] {
             select(2);
             trigger("U1");
         }},
        {"move down",
         [&] {
             select(1);
             trigger("D1");
         }},
        {"drag", [&] { dragRow(0, 2); }},
        {"delete",
         [&] {
             select(1);
             trigger("X1");
         }},
        {"check box",
         [&] {
             LayoutList& list = form->layoutList();
             list.setData(list.index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
         }},
        {"paper list",
         [&] {
             auto* papers = child<QComboBox>("ComboBox1");
             papers->setCurrentIndex(2);
             Q_EMIT papers->activated(2);
         }},
        {"orientation", [&] { child<QRadioButton>("rdoYokooki")->click(); }},
        {"label sheet rows",
         [&] {
             if (!labels)
                 return;
             dialogs.answerDialog([](QDialog& dialog) {
                 dialog.findChild<QLineEdit*>(QStringLiteral("edtSearch"))
                     ->setText(QStringLiteral("Avery L6043"));
                 dialog.findChild<QPushButton*>(QStringLiteral("btnOk"))->click();
                 return dialog.result();
             });
             trigger("L1");
         }},
    };
    for (const auto& edit : edits) {
        SCOPED_TRACE(edit.edit);
        if (std::string(edit.edit) == "label sheet rows" && !labels)
            continue; // glabels-data is not installed
        const QByteArray before = bytes();
        const int steps = form->undoStack().count();
        edit.act();
        const QByteArray after = bytes();
        ASSERT_NE(after, before);
        EXPECT_EQ(form->undoStack().count(), steps + 1);

        trigger("Undo1");
        EXPECT_EQ(bytes(), before);
        trigger("Redo1");
        EXPECT_EQ(bytes(), after);
        trigger("Undo1");
        EXPECT_EQ(bytes(), before);
        // the next edit starts from the rows as they were
        form->undoStack().clear();
    }
    EXPECT_EQ(dialogs.unanswered(), 0);
}

// The edit menu names the step it undoes and redoes.
TEST_F(ListUndoTest, TheEditMenuNamesTheStep) {
    QAction* undo = child<QAction>("Undo1");
    QAction* redo = child<QAction>("Redo1");
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("元に戻す(&Z)"));
    select(1);
    trigger("X1");
    EXPECT_TRUE(undo->isEnabled());
    EXPECT_EQ(undo->text(), QStringLiteral("「項目削除」を元に戻す(&Z)"));
    trigger("Undo1");
    EXPECT_EQ(redo->text(), QStringLiteral("「項目削除」をやり直す(&Y)"));
    EXPECT_FALSE(undo->isEnabled());
    // the row deleted and brought back is the selected one
    EXPECT_EQ(child<QTableView>("TntListView1")->selectionModel()->selectedRows().value(0).row(),
              1);
}

// A cancelled item dialog and moves that cannot move make no step.
TEST_F(ListUndoTest, NothingChangedMakesNoStep) {
    select(1);
    dialogs.answerDialog([](QDialog&) { return int(QDialog::Rejected); });
    trigger("E1");
    select(0);
    trigger("U1");
    select(3);
    trigger("D1");
    dragRow(2, 1); // onto its own place
    EXPECT_EQ(form->undoStack().count(), 0);
}

} // namespace
} // namespace lccd
