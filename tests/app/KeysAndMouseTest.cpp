// The keys, the mouse and the zoom of the main window.
#include "tests/app/MainWindowFixture.h"

#include "app/LayoutListView.h"
#include "layout/ListCommands.h"
#include "platform/IniFile.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QDialog>
#include <QDropEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTest>
#include <QUndoStack>
#include <QWheelEvent>

namespace lccd {
namespace {

class KeysAndMouseTest : public test::MainWindowTest {
protected:
    // The window on screen and active, as keys need it.
    void showWindow() {
        open().show();
        form->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    QTableView& list() { return *child<QTableView>("TntListView1"); }

    void focusList(int row) {
        child<QTabWidget>("PageControl1")->setCurrentIndex(0);
        list().setFocus();
        list().selectRow(row);
        QCoreApplication::processEvents();
    }

    int dialogsShown() const {
        int shown = 0;
        for (const auto& prompt : dialogs.prompts())
            shown += prompt.kind == test::ScriptedDialogs::Kind::Dialog;
        return shown;
    }
};

// The menus show the keys of their entries.
TEST_F(KeysAndMouseTest, MenusShowTheShortcuts) {
    open();
    const struct {
        const char* action;
        QKeySequence key;
    } keys[] = {
        {"CSVO1", QKeySequence(Qt::CTRL | Qt::Key_O)},
        {"Save1", QKeySequence(Qt::CTRL | Qt::Key_S)},
        {"Print1", QKeySequence(Qt::CTRL | Qt::Key_P)},
        {"Exit1", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Undo1", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"Redo1", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"E1", QKeySequence(Qt::Key_F2)},
        {"X1", QKeySequence(Qt::Key_Delete)},
        {"ZoomIn1", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
        {"ZoomOut1", QKeySequence(Qt::CTRL | Qt::Key_Minus)},
    };
    QList<QAction*> inMenus;
    for (QMenu* menu : form->menuBar()->findChildren<QMenu*>())
        inMenus += menu->actions();
    for (const auto& key : keys) {
        QAction* entry = child<QAction>(key.action);
        EXPECT_EQ(entry->shortcut(), key.key) << key.action;
        EXPECT_TRUE(inMenus.contains(entry)) << key.action;
    }
}

// Keys reach the list's commands while the list has the focus; elsewhere they are the focused
// box's own.
TEST_F(KeysAndMouseTest, ListKeysDeleteEditUndoAndRedo) {
    showWindow();
    for (const char* entry : {"N3", "K1", "S1"})
        trigger(entry);
    focusList(1);

    QTest::keyClick(&list(), Qt::Key_Delete);
    ASSERT_EQ(form->layoutList().count(), 2);
    EXPECT_EQ(form->layoutList().item(1).field(Field::Id), QStringLiteral("罫線"));
    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->layoutList().item(1).field(Field::Id), QStringLiteral("矩形"));
    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->layoutList().count(), 2);
    QTest::keyClick(&list(), Qt::Key_Z, Qt::ControlModifier);

    // Enter, F2 and a double click open the item dialog on the row
    for (int i = 0; i < 3; ++i)
        dialogs.answerDialog([](QDialog&) { return int(QDialog::Rejected); });
    focusList(2);
    QTest::keyClick(&list(), Qt::Key_Return);
    QTest::keyClick(&list(), Qt::Key_F2);
    const QRect cell = list().visualRect(form->layoutList().index(2, 5));
    // as the desktop sends a double click: press, release, press, double click, release
    QWidget* viewport = list().viewport();
    QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, cell.center());
    QTest::mousePress(viewport, Qt::LeftButton, Qt::NoModifier, cell.center());
    QMouseEvent twice(QEvent::MouseButtonDblClick, cell.center(),
                      viewport->mapToGlobal(cell.center()), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &twice);
    QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, cell.center());
    EXPECT_EQ(dialogsShown(), 3);

    // Delete in a spin box is the box's
    auto* copies = child<QSpinBox>("spnMaisu");
    copies->setFocus();
    QTest::keyClick(copies, Qt::Key_Delete);
    EXPECT_EQ(form->layoutList().count(), 3);
}

// Ctrl+wheel over the preview and the zoom keys zoom by 10 %; the zoom box takes what is typed;
// the zoom is there again at the next start.
TEST_F(KeysAndMouseTest, ZoomByWheelKeysAndTypingIsRemembered) {
    showWindow();
    child<QTabWidget>("PageControl1")->setCurrentIndex(1);
    QCoreApplication::processEvents();
    TLcPrnPrev& preview = form->preview();
    ASSERT_EQ(preview.ZoomScale(), 75);

    const QPointF at(20, 20);
    QWheelEvent wheel(at, preview.mapToGlobal(at), {}, QPoint(0, 240), Qt::NoButton,
                      Qt::ControlModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&preview, &wheel);
    EXPECT_EQ(preview.ZoomScale(), 95);
    QWheelEvent plain(at, preview.mapToGlobal(at), {}, QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&preview, &plain);
    EXPECT_EQ(preview.ZoomScale(), 95); // a plain wheel scrolls

    child<QScrollArea>("ScrollBox1")->setFocus();
    QTest::keyClick(form.get(), Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(preview.ZoomScale(), 85);
    QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(preview.ZoomScale(), 95);

    auto* box = child<QLineEdit>("edtPrevXZoom");
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("130"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_EQ(preview.ZoomScale(), 130);
    EXPECT_EQ(child<QSlider>("GaugeBar1")->value(), 130);
    // out of the range, the box does not take it and shows the zoom again when it is left
    box->selectAll();
    QTest::keyClicks(box, QStringLiteral("9"));
    child<QScrollArea>("ScrollBox1")->setFocus();
    EXPECT_EQ(box->text(), QStringLiteral("130"));
    EXPECT_EQ(preview.ZoomScale(), 130);

    form.reset();
    IniFile ini(paths.iniPath);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("Zoom"), QString()),
              QStringLiteral("130"));
    open();
    EXPECT_EQ(form->preview().ZoomScale(), 130);
    EXPECT_EQ(child<QLineEdit>("edtPrevXZoom")->text(), QStringLiteral("130"));
}

// A row dragged in the list moves where it is dropped, as one undoable step.
TEST_F(KeysAndMouseTest, RowsMoveByDragAndDrop) {
    showWindow();
    for (const char* entry : {"N3", "K1", "S1"})
        trigger(entry);
    form->undoStack().clear();
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    QCoreApplication::processEvents();
    auto ids = [this] {
        QStringList result;
        for (const LayoutItem& item : form->layoutList().items())
            result.append(item.field(Field::Id));
        return result;
    };
    const struct {
        int from;
        int onto;
        bool lowerHalf;
        QStringList after;
    } drops[] = {
        {0, 2, true, {"矩形", "罫線", "文字"}},
        {2, 0, false, {"文字", "矩形", "罫線"}},
        {1, 1, true, {"文字", "矩形", "罫線"}},
    };
    for (const auto& drop : drops) {
        const QRect target = list().visualRect(form->layoutList().index(drop.onto, 4));
        std::unique_ptr<QMimeData> data(LayoutListView::rowMimeData(drop.from));
        const QPoint at(target.center().x(),
                        drop.lowerHalf ? target.bottom() - 1 : target.top() + 1);
        QDragEnterEvent enter(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list().viewport(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent event(at, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(list().viewport(), &event);
        EXPECT_TRUE(event.isAccepted());
        EXPECT_EQ(ids(), drop.after) << drop.from << "→" << drop.onto;
    }
    EXPECT_EQ(form->undoStack().count(), 2);
    trigger("Undo1");
    trigger("Undo1");
    EXPECT_EQ(ids(), (QStringList{"文字", "矩形", "罫線"}));
}

} // namespace
} // namespace lccd
