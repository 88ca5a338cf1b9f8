#include "tests/app/MainWindowFixture.h"

#include "app/LabelSheetDialog.h"
#include "disc/DiscLabelPlacement.h"
#include "platform/IniFile.h"
#include "render/LcPrnPrev.h"
#include "tests/support/TestSongs.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

namespace lccd {
namespace {

const QString kOwnRow =
    QStringLiteral("文字,Yes,Yes,Yes,300,300,1000,,,左寄せ,No,,私のラベル,,9,clBlack,clWhite");

QString drawnText(const PagePicture& page) {
    QString drawn;
    for (const Primitive& primitive : page.primitives())
        if (const auto* text = std::get_if<primitive::Text>(&primitive))
            drawn += text->character;
    return drawn;
}

// The tool menu's label sheet and calibration commands, driven through the main window.
class ToolMenuTest : public test::MainWindowTest {
protected:
    // The label products come from the installed database.
    bool databaseInstalled() const { return !installedLabelTemplatesFolder().isEmpty(); }

    template <typename Widget> static Widget* in(QObject& parent, const char* name) {
        Widget* widget = parent.findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    // Answers the label sheet dialog by searching for the product and pressing OK.
    void chooseProduct(const QString& name) {
        dialogs.answerDialog([name](QDialog& dialog) {
            in<QLineEdit>(dialog, "edtSearch")->setText(name);
            const LabelProduct* chosen = static_cast<TfrmLabelSheet&>(dialog).selectedProduct();
            EXPECT_TRUE(chosen && chosen->name() == name) << name.toStdString();
            in<QPushButton>(dialog, "btnOk")->click();
            return dialog.result();
        });
    }
};

TEST_F(ToolMenuTest, LabelSheetAddsItsPaperAndGuidesThatOnlyThePreviewShows) {
    if (!databaseInstalled())
        GTEST_SKIP() << "glabels-data is not installed";
    printers.settings.paperCode = 1; // Letter
    open();
    form->layoutList().append(LayoutItem::fromRowLine(kOwnRow));

    chooseProduct(QStringLiteral("Avery L6043"));
    trigger("L1");
    // the own row stays first; the A4 settings row, then a rim and a hole per disc
    ASSERT_EQ(form->layoutList().count(), 1 + 1 + 4);
    EXPECT_EQ(form->layoutList().item(0).toRowLine(), kOwnRow);
    EXPECT_EQ(form->layoutList().item(1).toRowLine(), QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"));
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("A4"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
    const PagePicture& page = *form->surface().currentPage();
    EXPECT_EQ(page.screenOnlyPrimitives().size(), 4u);
    EXPECT_EQ(drawnText(page), QStringLiteral("私のラベル"));

    // A tray on a sheet of its own size goes on the printer's nearest paper, and says so.
    chooseProduct(QStringLiteral("Canon MX920 CD Tray"));
    trigger("L1");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("近い A4")))
        << dialogs.messages()[0].toStdString();
}

TEST_F(ToolMenuTest, CalibrationSheetIsPreviewedOnThePaperPrintedAndThenTheLayoutComesBack) {
    printers.settings.orientation = PaperOrientation::Landscape;
    open();
    form->layoutList().append(LayoutItem::fromRowLine(kOwnRow));
    child<QSpinBox>("spnHoseiX")->setValue(20);
    child<QSpinBox>("spnHoseiY")->setValue(-15);

    trigger("K2");
    const QString sheet = drawnText(*form->surface().currentPage());
    EXPECT_TRUE(sheet.contains(QStringLiteral("用紙 297.0 × 210.0 mm／補横 +20・補縦 -15 で印刷")))
        << sheet.toStdString();
    EXPECT_FALSE(sheet.contains(QStringLiteral("私のラベル")));
    EXPECT_EQ(child<QTabWidget>("PageControl1")->currentWidget(), child<QWidget>("tbsPreview"));
    EXPECT_EQ(form->layoutList().count(), 1); // the layout itself is untouched

    child<QPushButton>("Button2")->click();
    EXPECT_EQ(printers.jobs.size(), 1);
    EXPECT_EQ(drawnText(*form->surface().currentPage()), QStringLiteral("私のラベル"));

    // Without a printer there is no paper to draw the sheet for.
    printers.removeAllPrinters();
    trigger("K2");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains(QStringLiteral("印刷位置調整シート")));
}

// From the CD list options to a disc label on each label of the product, and the choice kept
// for the next run.
TEST_F(ToolMenuTest, TheCdOptionsPutTheDiscLabelOnAProductAndKeepTheChoice) {
    if (!databaseInstalled())
        GTEST_SKIP() << "glabels-data is not installed";
    const QString folder = dir.filePath(QStringLiteral("album"));
    QDir().mkpath(folder);
    for (int i = 1; i <= 2; ++i)
        test::writeTestWav(QStringLiteral("%1/%2.wav").arg(folder).arg(i), 44100 * 2);
    open();

    dialogs.answerFolder(folder);
    dialogs.answerDialog([&](QDialog& editor) {
        auto click = [&](const char* name) { in<QAbstractButton>(editor, name)->click(); };
        click("Button7");
        in<QLineEdit>(editor, "edtPaformer")->setText(QStringLiteral("ミナモ楽団"));
        in<QLineEdit>(editor, "editAlubm")->setText(QStringLiteral("夏"));
        dialogs.answerDialog([&](QDialog& options) {
            dialogs.answerDialog([&](QDialog& sheet) {
                // The chooser opens on the CD/DVD products.
                EXPECT_EQ(in<QComboBox>(sheet, "cmbCategory")->currentData().toString(),
                          kDiscCategory);
                in<QLineEdit>(sheet, "edtSearch")->setText(QStringLiteral("Avery L6043"));
                return int(QDialog::Accepted);
            });
            in<QAbstractButton>(options, "btnLabelSheet")->click();
            EXPECT_EQ(in<QLineEdit>(options, "edtLabelSheet")->text(),
                      QStringLiteral("Avery L6043"));
            in<QAbstractButton>(options, "chkEveryLabel")->click();
            return int(QDialog::Accepted);
        });
        click("BitBtn8");
        click("BitBtn2");
        click("BitBtn7");
        return int(QDialog::Accepted);
    });
    trigger("CDT1");

    EXPECT_EQ(form->settings().cd.labelProduct, QStringLiteral("Avery L6043"));
    const LayoutList& rows = form->layoutList();
    ASSERT_GT(rows.count(), 6);
    EXPECT_EQ(rows.item(0).field(Field::Value), QStringLiteral("A4"));
    // the jacket's front picture covers the first disc, whose rim is the first guide
    EXPECT_EQ(rows.item(5).field(Field::Id), QStringLiteral("画像"));
    const std::optional<QRect> rim = rowExtent(rows.item(1).toRowLine());
    const std::optional<QRect> picture = rowExtent(rows.item(5).toRowLine());
    ASSERT_TRUE(rim && picture);
    EXPECT_TRUE(picture->contains(*rim));
    EXPECT_EQ(form->surface().currentPage()->screenOnlyPrimitives().size(), 4u);
    int pictures = 0;
    for (const LayoutItem& row : rows.items())
        pictures += row.field(Field::Id) == QStringLiteral("画像") ? 1 : 0;
    EXPECT_EQ(pictures, 2); // the front of the jacket on both discs of the sheet

    form.reset();
    IniFile ini(paths.iniPath);
    ini.load();
    EXPECT_EQ(ini.readString(QStringLiteral("Jacket"), QStringLiteral("LabelProduct"), QString()),
              QStringLiteral("Avery L6043"));
    EXPECT_EQ(LoadSettings(paths.iniPath).cd.labelProduct, QStringLiteral("Avery L6043"));
    EXPECT_EQ(ini.readString(QStringLiteral("Jacket"), QStringLiteral("EveryLabel"), QString()),
              QStringLiteral("1"));
    EXPECT_TRUE(LoadSettings(paths.iniPath).cd.everyLabel);
}

} // namespace
} // namespace lccd
