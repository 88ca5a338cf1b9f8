#include "app/LabelSheetDialog.h"
#include "tests/support/ScriptedDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <gtest/gtest.h>

namespace lccd {
namespace {

LabelProduct product(const char* brand, const char* part, LabelShape shape, QSizeF sheet,
                     const QString& category) {
    LabelProduct made;
    made.brand = QString::fromUtf8(brand);
    made.part = QString::fromUtf8(part);
    made.description = made.part + QStringLiteral(" labels");
    made.paperId = QStringLiteral("Other");
    made.paperName = QStringLiteral("sheet");
    made.sheetSize = sheet;
    made.categories = {category};
    made.frame.shape = shape;
    made.frame.radius = 58;
    made.frame.hole = 20;
    made.frame.size = QSizeF(116, 116);
    made.frame.grids = {{1, 2, 47, 20, 0, 130}};
    return made;
}

class LabelSheetDialogTest : public ::testing::Test {
protected:
    LabelSheetDialogTest() {
        database.products = {
            product("Acme", "CD2", LabelShape::Disc, {210, 297}, QStringLiteral("label")),
            product("Acme", "Tray", LabelShape::Disc, {135, 295}, QStringLiteral("label")),
            product("Acme", "Inlay", LabelShape::Rectangle, {210, 297}, QStringLiteral("media")),
            product("Post", "Address", LabelShape::Rectangle, {210, 297}, QStringLiteral("mail")),
        };
        database.categories = {{QStringLiteral("mail"), QStringLiteral("Mail")},
                               {QStringLiteral("media"), QStringLiteral("Media")}};
    }

    template <typename Widget> Widget* in(QDialog& dialog, const char* name) {
        return dialog.findChild<Widget*>(QString::fromLatin1(name));
    }

    QStringList shownParts(QDialog& dialog) {
        QStringList parts;
        const QAbstractItemModel* model = in<QTableView>(dialog, "lstProducts")->model();
        for (int row = 0; row < model->rowCount(); ++row)
            parts.append(model->index(row, 1).data().toString());
        return parts;
    }

    LabelDatabase database;
    TPaperInfos papers{{QStringLiteral("A4"), 9, 2100, 2970}};
    test::ScriptedDialogs dialogs;
};

TEST_F(LabelSheetDialogTest, SearchAndTheDiscFilterNarrowTheList) {
    TfrmLabelSheet dialog(database, papers);
    EXPECT_EQ(shownParts(dialog).size(), 4);
    auto* category = in<QComboBox>(dialog, "cmbCategory");
    EXPECT_EQ(category->itemData(1).toString(), kDiscCategory); // one choice away
    category->setCurrentIndex(1);
    EXPECT_EQ(shownParts(dialog), (QStringList{QStringLiteral("CD2"), QStringLiteral("Tray"),
                                               QStringLiteral("Inlay")}));
    in<QLineEdit>(dialog, "edtSearch")->setText(QStringLiteral("acme TRAY"));
    EXPECT_EQ(shownParts(dialog), QStringList{QStringLiteral("Tray")});
    ASSERT_NE(dialog.selectedProduct(), nullptr); // the first match is selected
    EXPECT_TRUE(in<QLabel>(dialog, "lblInfo")->text().contains(QStringLiteral("近い A4")));

    in<QLineEdit>(dialog, "edtSearch")->setText(QStringLiteral("nothing like it"));
    EXPECT_EQ(dialog.selectedProduct(), nullptr);
    EXPECT_FALSE(in<QPushButton>(dialog, "btnOk")->isEnabled());
}

TEST_F(LabelSheetDialogTest, OkHandsOverTheSettingsRowAndOneGuidePerRimAndHole) {
    TfrmLabelSheet dialog(database, papers);
    dialogs.answerDialog([&](QDialog&) {
        EXPECT_TRUE(dialog.selectProduct(QStringLiteral("acme cd2")));
        return int(QDialog::Accepted);
    });
    QList<LayoutItem> added;
    const std::optional<QString> message =
        addRowsFromLabelSheet(dialog, dialogs, [&](const LayoutItem& row) { added.append(row); });
    ASSERT_TRUE(message);
    EXPECT_TRUE(message->isEmpty());
    ASSERT_EQ(added.size(), 5);
    EXPECT_EQ(added[0].toRowLine(), QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"));
    // the second disc's rim: centre (105, 208) mm, radius 58 mm
    EXPECT_EQ(added[3].toRowLine().section(QLatin1Char(','), 0, 9),
              QStringLiteral("矩形,Yes,No,Yes,470,1500,1630,2660,,円"));
}

TEST_F(LabelSheetDialogTest, CancelAddsNothing) {
    TfrmLabelSheet dialog(database, papers);
    int added = 0;
    EXPECT_FALSE(addRowsFromLabelSheet(dialog, dialogs, [&](const LayoutItem&) { ++added; }));
    EXPECT_EQ(added, 0);
}

TEST_F(LabelSheetDialogTest, AMissingDatabaseIsExplainedInTheDialog) {
    const LabelDatabase missing = loadLabelDatabase(QString());
    TfrmLabelSheet dialog(missing, papers);
    EXPECT_TRUE(in<QLabel>(dialog, "lblMessage")->text().contains(QStringLiteral("glabels-data")));
    EXPECT_FALSE(in<QPushButton>(dialog, "btnOk")->isEnabled());
}

} // namespace
} // namespace lccd
