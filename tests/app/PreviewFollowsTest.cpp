// The preview follows the list: every change of the rows, the printer, the paper, the
// orientation or the offsets draws the page again once the event loop comes round, one pass
// for all the changes of a turn, never one pass inside another.
#include "tests/app/MainWindowFixture.h"

#include "layout/ListCommands.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTimer>

namespace lccd {
namespace {

const QString kBox = QStringLiteral("矩形,Yes,Yes,Yes,400,400,300,300,,,,,,実線,1,clGray,clYellow");

class PreviewFollowsTest : public test::MainWindowTest {
protected:
    void SetUp() override {
        printers.names.append(QStringLiteral("\\\\server\\label"));
        open();
        form->AddLayoutRow(QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"), kLayoutFieldCount);
        form->AddLayoutRow(kBox, kLayoutFieldCount);
        form->RedrawLayout(false);
    }

    QRect ink() { return test::inkBounds(*form->surface().currentPage()); }
    void select(int row) { child<QTableView>("TntListView1")->selectRow(row); }
};

TEST_F(PreviewFollowsTest, EveryChangeRedrawsOnceTheEventLoopComesRound) {
    const struct {
        const char* change;
        std::function<void()> act;
    } changes[] = {
        {"a row added", [&] { trigger("K1"); }},
        {"a row edited in the item dialog",
         [&] {
             select(1);
             dialogs.answerDialog([](QDialog& dialog) {
                 dialog.findChild<QLineEdit*>(QStringLiteral("edtLeft"))
                     ->setText(QStringLiteral("500"));
                 return int(QDialog::Accepted);
             });
             trigger("E1");
         }},
        {"a row deleted",
         [&] {
             select(1);
             trigger("X1");
         }},
        {"the delete undone", [&] { trigger("Undo1"); }},
        {"a row unticked",
         [&] {
             LayoutList& list = form->layoutList();
             list.setData(list.index(1, 0), Qt::Unchecked, Qt::CheckStateRole);
         }},
        {"the tick undone", [&] { trigger("Undo1"); }},
        {"another printer",
         [&] {
             dialogs.answerPrintSetup([](PrinterSystem& chosen) {
                 chosen.setCurrentIndex(1);
                 chosen.setDeviceSettings(11, PaperOrientation::Landscape);
                 return true;
             });
             trigger("C1");
         }},
        {"the horizontal offset", [&] { child<QSpinBox>("spnHoseiX")->setValue(40); }},
        {"the vertical offset", [&] { child<QSpinBox>("spnHoseiY")->setValue(-30); }},
    };
    for (const auto& test : changes) {
        SCOPED_TRACE(test.change);
        const QRect before = ink();
        const int passes = form->passCount();
        test.act();
        QCoreApplication::processEvents();
        EXPECT_EQ(form->passCount(), passes + 1);
        EXPECT_FALSE(form->redrawPending());
        EXPECT_NE(ink(), before);
    }
    // The paper list and the orientation buttons draw at once, as they always have.
    for (const char* change : {"paper", "orientation"}) {
        SCOPED_TRACE(change);
        const int passes = form->passCount();
        if (change == std::string("paper")) {
            auto* papers = child<QComboBox>("ComboBox1");
            papers->setCurrentIndex(1);
            Q_EMIT papers->activated(1);
        } else {
            child<QRadioButton>("rdoYokooki")->click();
        }
        EXPECT_EQ(form->passCount(), passes + 1);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->passCount(), passes + 1);
    }
    EXPECT_EQ(dialogs.unanswered(), 0);
}

// What prints is what the list holds: a change made a moment ago is drawn before the print.
TEST_F(PreviewFollowsTest, ManyChangesInOneTurnMakeOnePassAndPrintDrawsThemFirst) {
    const int passes = form->passCount();
    for (const char* sample : {"K1", "S1", "N3"})
        trigger(sample);
    child<QSpinBox>("spnHoseiX")->setValue(10);
    EXPECT_TRUE(form->redrawPending());
    EXPECT_EQ(form->passCount(), passes);
    child<QPushButton>("Button2")->click();
    EXPECT_EQ(form->passCount(), passes + 1);
    ASSERT_EQ(printers.jobs.size(), 1);
    QString text;
    int shapes = 0;
    for (const Primitive& primitive : form->surface().currentPage()->primitives()) {
        if (const auto* character = std::get_if<primitive::Text>(&primitive))
            text += character->character;
        shapes += std::holds_alternative<primitive::Shape>(primitive);
    }
    EXPECT_EQ(text, QStringLiteral("サンプル文字"));
    EXPECT_EQ(shapes, 2); // the box and the sample rectangle; the rule line sample is not printed
    QCoreApplication::processEvents();
    EXPECT_EQ(form->passCount(), passes + 1);
}

// A pass lets events through when a settings row selects its paper; an edit made then waits,
// and is drawn by one pass after it.
TEST_F(PreviewFollowsTest, AnEditDuringAPassIsDrawnByTheNextOne) {
    form->layoutList().setField(0, Field::Value, QStringLiteral("B5"));
    QCoreApplication::processEvents();
    const int passes = form->passCount();
    // the pass below selects A5 and lets this edit in while it runs
    form->layoutList().setField(0, Field::Value, QStringLiteral("A5"));
    QTimer::singleShot(0, form.get(), [this] { trigger("K1"); });
    form->RedrawLayout(false);
    EXPECT_EQ(form->passCount(), passes + 1);
    EXPECT_EQ(form->layoutList().count(), 3);
    EXPECT_EQ(form->surface().currentPage()->primitives().size(), 1u);
    EXPECT_TRUE(form->redrawPending());
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("A5"));

    QCoreApplication::processEvents();
    EXPECT_EQ(form->passCount(), passes + 2);
    EXPECT_EQ(form->surface().currentPage()->primitives().size(), 2u);
}

} // namespace
} // namespace lccd
