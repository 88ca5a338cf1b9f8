// Editing on the preview: mouse events at the pixels where the rows show, at two zooms and in
// both orientations, and keys.
#include "tests/app/MainWindowFixture.h"

#include "render/LcPrnPrev.h"
#include "render/PageExport.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QSlider>
#include <QTableView>
#include <QTest>
#include <QUndoStack>

namespace lccd {
namespace {

const QString kBox = QStringLiteral("矩形,Yes,Yes,Yes,400,400,800,700,,,,,,実線,1,clGray,clYellow");
// Lies on the box, so the box is below it.
const QString kText = QStringLiteral(
    "文字,Yes,Yes,Yes,0500,450,200,53,1,左寄せ,No,,Top,MS UI Gothic,8,clBlack,clWhite");

class PreviewEditingTest : public test::MainWindowTest {
protected:
    void openSheet(bool portrait, int zoom) {
        form.reset();
        open();
        form->AddLayoutRow(QStringLiteral("設定,,,,,,,,,,%1,,A4,,,,").arg(portrait ? "Yes" : "No"),
                           kLayoutFieldCount);
        form->AddLayoutRow(kBox, kLayoutFieldCount);
        form->AddLayoutRow(kText, kLayoutFieldCount);
        zoom_ = zoom;
        child<QSlider>("GaugeBar1")->setValue(zoom);
        form->RedrawLayout(false);
        QCoreApplication::processEvents();
    }

    TLcPrnPrev& preview() { return form->preview(); }
    QString row(int index) { return form->layoutList().item(index).toRowLine(); }
    int selected() {
        const QModelIndexList rows =
            child<QTableView>("TntListView1")->selectionModel()->selectedRows();
        return rows.isEmpty() ? -1 : rows.first().row();
    }

    // Where a point of the sheet (layout units from the paper's corner) shows: the paper lies
    // 10 pixels in, the 600-dpi page at the zoom's share of the screen's resolution.
    double scale() { return preview().logicalDpiY() / 600.0 * zoom_ / 100.0; }
    QPointF at(int x, int y) { return QPointF(10, 10) + scale() * QPointF(x, y) * 600 / 254.0; }

    void mouse(QEvent::Type type, QPointF point, Qt::KeyboardModifiers modifiers = {}) {
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, point, preview().mapToGlobal(point), button, held, modifiers);
        QApplication::sendEvent(&preview(), &event);
    }

    void drag(QPointF from, QPointF to, Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseButtonPress, from);
        mouse(QEvent::MouseMove, (from + to) / 2, modifiers);
        mouse(QEvent::MouseMove, to, modifiers);
        mouse(QEvent::MouseButtonRelease, to, modifiers);
    }

    // Layout units one screen pixel spans at the current zoom.
    double unitsPerPixel() { return 254.0 / 600 / scale(); }

    int zoom_ = 0;
};

// A drag moves the row under the pointer onto whole millimetres (with Alt to within a pixel
// of where it was let go), a handle resizes it; each is one step, one pass, and undone byte
// for byte.
TEST_F(PreviewEditingTest, DragsMoveAndResizeAtEveryZoomAndOrientation) {
    const struct {
        const char* gesture;
        QPoint grab; // layout units
        QPoint by;
        Qt::KeyboardModifiers modifiers;
        int fields[4]; // expected 左, 上, 幅/x2, 高/y2; with Alt within a pixel of these
    } gestures[] = {
        {"move", {450, 650}, {202, 98}, {}, {600, 500, 1000, 800}},
        {"move with Alt", {450, 650}, {202, 98}, Qt::AltModifier, {602, 498, 1002, 798}},
        {"resize by a corner", {800, 700}, {47, 33}, {}, {400, 400, 850, 730}},
    };
    for (const bool portrait : {true, false})
        for (const int zoom : {50, 150})
            for (const auto& g : gestures) {
                SCOPED_TRACE(testing::Message()
                             << g.gesture << " portrait " << portrait << " zoom " << zoom);
                openSheet(portrait, zoom);
                form->undoStack().clear();
                child<QTableView>("TntListView1")->selectRow(1);
                const QString before = row(1);
                const int passes = form->passCount();
                drag(at(g.grab.x(), g.grab.y()), at(g.grab.x() + g.by.x(), g.grab.y() + g.by.y()),
                     g.modifiers);
                QCoreApplication::processEvents();

                const LayoutItem moved = form->layoutList().item(1);
                const int tolerance = g.modifiers ? int(unitsPerPixel()) + 1 : 0;
                const Field fields[] = {Field::Left, Field::Top, Field::Width, Field::Height};
                for (int i = 0; i < 4; ++i)
                    EXPECT_NEAR(moved.field(fields[i]).toInt(), g.fields[i], tolerance) << i;
                EXPECT_EQ(form->undoStack().count(), 1);
                EXPECT_EQ(form->passCount(), passes + 1);
                form->undoStack().undo();
                EXPECT_EQ(row(1), before);
            }
}

// A click selects the topmost row under it in the list, Tab the ones below it in turn, and a
// click on empty paper none; the list's selection is what the arrows move, and Esc drops a
// drag.
TEST_F(PreviewEditingTest, ClicksAndTabChooseRowsAndArrowsNudge) {
    openSheet(true, 75);
    const QPointF onBoth = at(550, 460);
    mouse(QEvent::MouseButtonPress, onBoth);
    mouse(QEvent::MouseButtonRelease, onBoth);
    EXPECT_EQ(selected(), 2);
    QTest::keyClick(&preview(), Qt::Key_Tab);
    EXPECT_EQ(selected(), 1);
    QTest::keyClick(&preview(), Qt::Key_Tab);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(row(2), kText) << "a click moves nothing";

    form->undoStack().clear();
    QTest::keyClick(&preview(), Qt::Key_Right);
    QTest::keyClick(&preview(), Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(row(2), QStringLiteral("文字,Yes,Yes,Yes,501,440,200,53,1,左寄せ,No,,Top,"
                                     "MS UI Gothic,8,clBlack,clWhite"));
    EXPECT_EQ(form->undoStack().count(), 2);

    mouse(QEvent::MouseButtonPress, at(550, 460));
    mouse(QEvent::MouseMove, at(750, 660));
    QTest::keyClick(&preview(), Qt::Key_Escape);
    mouse(QEvent::MouseButtonRelease, at(750, 660));
    EXPECT_EQ(form->undoStack().count(), 2) << "Esc drops the drag";

    mouse(QEvent::MouseButtonPress, at(1500, 1500));
    mouse(QEvent::MouseButtonRelease, at(1500, 1500));
    EXPECT_EQ(selected(), -1);
}

// The selection shows on the screen only: the exported page is the same byte for byte.
TEST_F(PreviewEditingTest, SelectionIsNeverExported) {
    openSheet(true, 100);
    const QImage bare = preview().grab().toImage();
    const QString without = dir.filePath(QStringLiteral("without.png"));
    exportPagePng(*form->surface().currentPage(), 100, without);
    child<QTableView>("TntListView1")->selectRow(1);
    EXPECT_NE(preview().grab().toImage(), bare) << "the handles show";
    const QString with = dir.filePath(QStringLiteral("with.png"));
    exportPagePng(*form->surface().currentPage(), 100, with);
    QFile a(without), b(with);
    ASSERT_TRUE(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
    EXPECT_EQ(a.readAll(), b.readAll());
}

} // namespace
} // namespace lccd
