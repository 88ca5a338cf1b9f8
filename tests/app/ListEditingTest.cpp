#include "tests/app/MainWindowFixture.h"

#include "layout/ListCommands.h"

#include <QLabel>
#include <QRadioButton>
#include <QTableView>

namespace lccd {
namespace {

class ListEditingTest : public test::MainWindowTest {
protected:
    void SetUp() override { open(); }

    void select(int row) { child<QTableView>("TntListView1")->selectRow(row); }
    QStringList captions() {
        QStringList ids;
        for (const LayoutItem& item : form->layoutList().items())
            ids.append(item.field(Field::Id));
        return ids;
    }
};

TEST_F(ListEditingTest, SampleRowsAreAppendedAsWrittenAndTheSettingsSampleApplies) {
    printers.settings.orientation = PaperOrientation::Landscape;
    printers.settings.paperCode = 11;
    for (const char* entry : {"N3", "B1", "G1", "K1", "S1", "P1", "A1"})
        trigger(entry);
    EXPECT_EQ(captions(),
              (QStringList{"文字", "文章", "画像", "矩形", "罫線", "バーコード", "設定"}));
    EXPECT_EQ(form->layoutList().item(2).field(Field::Value), QStringLiteral("MarovellLogo.jpg "));
    EXPECT_EQ(form->layoutList().item(5).toRowLine(), sampleRowLine(SampleRow::Barcode));
    EXPECT_EQ(printers.settings.paperCode, 9);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);
    EXPECT_TRUE(child<QRadioButton>("rdoTateoki")->isChecked());
}

TEST_F(ListEditingTest, CopyAndPasteAppendTheRowWhole) {
    trigger("V3"); // nothing copied yet: a row of empty fields
    ASSERT_EQ(form->layoutList().count(), 1);
    EXPECT_EQ(form->layoutList().item(0), LayoutItem());
    EXPECT_EQ(form->layoutList().data(form->layoutList().index(0, 0), LayoutList::KindIconRole), 0);

    LayoutItem row = LayoutItem::fromRowLine(sampleRowLine(SampleRow::Text));
    row.setField(Field::Value, QStringLiteral("a,b"));
    form->layoutList().append(row);
    select(1);
    trigger("C2");
    EXPECT_EQ(child<QLabel>("StatusPanel3")->text(), row.toRowLine());
    trigger("V3");
    ASSERT_EQ(form->layoutList().count(), 3);
    EXPECT_EQ(form->layoutList().item(2), row);
}

TEST_F(ListEditingTest, MovesKeepTheRowAndStopAtTheEnds) {
    for (const char* entry : {"N3", "K1", "S1"})
        trigger(entry);
    form->layoutList().setField(1, Field::Print, QStringLiteral("No"));
    select(1);
    trigger("U1");
    EXPECT_EQ(captions(), (QStringList{"矩形", "文字", "罫線"}));
    EXPECT_EQ(form->layoutList().data(form->layoutList().index(0, 0), Qt::CheckStateRole),
              Qt::Unchecked);
    trigger("U1"); // already first
    EXPECT_EQ(captions(), (QStringList{"矩形", "文字", "罫線"}));
    trigger("D1");
    trigger("D1");
    EXPECT_EQ(captions(), (QStringList{"文字", "罫線", "矩形"}));
    trigger("D1"); // already last
    EXPECT_EQ(captions(), (QStringList{"文字", "罫線", "矩形"}));
    trigger("X1");
    EXPECT_EQ(captions(), (QStringList{"文字", "罫線"}));
}

TEST_F(ListEditingTest, NothingSelectedDoesNothing) {
    trigger("N3");
    child<QTableView>("TntListView1")->clearSelection();
    for (const char* entry : {"C2", "U1", "D1", "X1", "E1"})
        trigger(entry);
    EXPECT_EQ(captions(), QStringList{QStringLiteral("文字")});
    EXPECT_TRUE(child<QLabel>("StatusPanel3")->text().isEmpty());
    trigger("V3");
    EXPECT_EQ(form->layoutList().item(1), LayoutItem());
}

TEST_F(ListEditingTest, CheckBoxWritesThePrintField) {
    trigger("N3");
    LayoutList& list = form->layoutList();
    list.setData(list.index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    EXPECT_EQ(list.item(0).field(Field::Print), QStringLiteral("No"));
    list.setData(list.index(0, 0), Qt::Checked, Qt::CheckStateRole);
    EXPECT_EQ(list.item(0).field(Field::Print), QStringLiteral("Yes"));
}

} // namespace
} // namespace lccd
