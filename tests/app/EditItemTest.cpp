#include "tests/app/MainWindowFixture.h"

#include "app/ColorComboBox.h"
#include "app/EditItem.h"
#include "render/PageExport.h"
#include "render/SheetSurface.h"
#include "tests/support/ExternalTools.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>

namespace lccd {
namespace {

class EditItemTest : public test::MainWindowTest {
protected:
    void SetUp() override { open(); }

    // Opens the dialog on a row, lets play() act in it and closes it with OK (or Cancel).
    LayoutItem edit(const QString& line, const std::function<void(QDialog&)>& play = {},
                    int result = QDialog::Accepted) {
        form->layoutList().clear();
        form->layoutList().append(LayoutItem::fromRowLine(line));
        child<QTableView>("TntListView1")->selectRow(0);
        dialogs.answerDialog([&](QDialog& dialog) {
            if (play)
                play(dialog);
            return result;
        });
        trigger("E1");
        return form->layoutList().item(0);
    }

    template <typename Widget> static Widget* in(QDialog& dialog, const char* name) {
        return dialog.findChild<Widget*>(QString::fromLatin1(name));
    }
};

TEST_F(EditItemTest, OkNormalisesTheRow) {
    const LayoutItem row = edit(QStringLiteral(
        "文字,yes,YES,no,110,150,489,53,1,左寄せ,nO,,サンプル,Arial,8,clblack,clwhite"));
    EXPECT_EQ(row.toRowLine(),
              QStringLiteral(
                  "文字,Yes,Yes,No,110,150,489,53,1,左寄せ,No,13.5,サンプル,Arial|ＭＳ ゴシック,"
                  "8.0,clBlack,clWhite"));
}

TEST_F(EditItemTest, CentreIsShownAsChuuouButWrittenAsChuushin) {
    bool shownCentred = false;
    const LayoutItem row =
        edit(QStringLiteral("文字,,,,,,,,,中心合せ,,,,,,,"), [&](QDialog& dialog) {
            shownCentred = in<QRadioButton>(dialog, "rdoCenter")->isChecked();
            EXPECT_EQ(in<QRadioButton>(dialog, "rdoCenter")->text(), QStringLiteral("中央合せ"));
        });
    EXPECT_TRUE(shownCentred);
    EXPECT_EQ(row.field(Field::Align), QStringLiteral("中心合せ"));
}

TEST_F(EditItemTest, UnknownAlignmentOpensOnTheKindsDefault) {
    bool rectangle = false;
    bool left = false;
    edit(QStringLiteral("矩形,,,,,,,,,合せ,,,,,,,"),
         [&](QDialog& d) { rectangle = in<QRadioButton>(d, "rdoRectangle")->isChecked(); });
    edit(QStringLiteral("文字,,,,,,,,,丸,,,,,,,"),
         [&](QDialog& d) { left = in<QRadioButton>(d, "rdoLeft")->isChecked(); });
    EXPECT_TRUE(rectangle);
    EXPECT_TRUE(left);
}

TEST_F(EditItemTest, CancelLeavesEveryFieldAsItWas) {
    const QString line =
        QStringLiteral("文字,yes,x,,a,b,c,d,e,合せ,YES,q,\"1,2\",Nope,big,255,$00FFFFFF");
    const LayoutItem before = LayoutItem::fromRowLine(line);
    const LayoutItem after = edit(
        line, [](QDialog& d) { in<QLineEdit>(d, "edtValue")->setText(QStringLiteral("changed")); },
        QDialog::Rejected);
    EXPECT_EQ(after, before);
}

TEST_F(EditItemTest, MissingFaceStaysTheRowsFaceAndControlsWriteBack) {
    const LayoutItem row =
        edit(QStringLiteral("文字,,,,,,,,,,,,x,NotInstalled|ＭＳ 明朝,,clRed,"), [](QDialog& d) {
            EXPECT_EQ(in<QComboBox>(d, "FontComboBoxEx1")->currentText(),
                      QStringLiteral("NotInstalled (未インストール)"));
            in<QCheckBox>(d, "chkPrint")->setChecked(true);
            in<QDoubleSpinBox>(d, "spnFontSize")->setValue(10.5);
            in<QRadioButton>(d, "rdoTateoki")->setChecked(true);
            in<QRadioButton>(d, "rdoEllisp")->setChecked(true);
            in<ColorComboBox>(d, "ColorComboBox2")->setColorValue(0x00123456);
            in<QLineEdit>(d, "edtValue")->setText(QStringLiteral("新しい値"));
        });
    EXPECT_EQ(row.field(Field::Face), QStringLiteral("NotInstalled|ＭＳ 明朝"));
    EXPECT_EQ(row.field(Field::Print), QStringLiteral("Yes"));
    EXPECT_EQ(row.field(Field::Size), QStringLiteral("10.5"));
    EXPECT_EQ(row.field(Field::Vertical), QStringLiteral("Yes"));
    EXPECT_EQ(row.field(Field::Align), QStringLiteral("円"));
    EXPECT_EQ(row.field(Field::TextColor), QStringLiteral("clRed"));
    EXPECT_EQ(row.field(Field::FillColor), QStringLiteral("$00123456"));
    EXPECT_EQ(row.field(Field::Value), QStringLiteral("新しい値"));
}

// The color boxes keep their named colors and end in "その他の色...", the color chooser: a color
// chosen there is written in the row's own "$00BBGGRR" form (a named one by its name), and a
// cancelled chooser leaves the color as it was.
TEST_F(EditItemTest, OtherColorsComeFromTheChooserInTheRowsOwnForm) {
    const struct {
        std::optional<QColor> chosen;
        const char* written;
    } cases[] = {
        {QColor(0x12, 0x34, 0x56), "$00563412"},
        {QColor(0xFF, 0x00, 0x00), "clRed"},
        {std::nullopt, "clNavy"},
    };
    for (const auto& test : cases) {
        QStringList entries;
        dialogs.answerColor(test.chosen);
        const LayoutItem row =
            edit(QStringLiteral("矩形,,,,,,,,,,,,,,,clBlack,clNavy"), [&](QDialog& d) {
                auto* box = in<ColorComboBox>(d, "ColorComboBox2");
                for (int i = 0; i < box->count(); ++i)
                    entries.append(box->itemText(i));
                box->setCurrentIndex(box->count() - 1);
                Q_EMIT box->activated(box->count() - 1);
            });
        EXPECT_EQ(row.field(Field::FillColor), QString::fromLatin1(test.written));
        EXPECT_EQ(entries.last(), QStringLiteral("その他の色..."));
        EXPECT_TRUE(entries.contains(QStringLiteral("clNavy")));
        EXPECT_TRUE(entries.contains(QStringLiteral("clBtnFace")));
    }
    EXPECT_EQ(dialogs.unanswered(), 0);
}

// A designer's face this desktop lacks (the HG faces of the built-in template, for one) is kept
// by OK; only a face the user picks replaces it, and the marked entry is gone next time.
TEST_F(EditItemTest, OnlyAPickedFaceReplacesOneThatIsNotInstalled) {
    const QString line = QStringLiteral("文字,,,,,,,,,,,,x,HG創英角ﾎﾟｯﾌﾟ体,9.0,clBlack,clWhite");
    EXPECT_EQ(edit(line).field(Field::Face), QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体|ＭＳ ゴシック"));
    int entries = 0;
    const LayoutItem picked = edit(line, [&](QDialog& d) {
        auto* picker = in<QComboBox>(d, "FontComboBoxEx1");
        entries = picker->count();
        picker->setCurrentText(QStringLiteral("ＭＳ 明朝"));
    });
    EXPECT_EQ(picked.field(Field::Face), QStringLiteral("ＭＳ 明朝|ＭＳ ゴシック"));
    edit(QStringLiteral("文字,,,,,,,,,,,,x,ＭＳ 明朝,9.0,clBlack,clWhite"), [&](QDialog& d) {
        EXPECT_EQ(in<QComboBox>(d, "FontComboBoxEx1")->count(), entries - 1);
        EXPECT_EQ(in<QComboBox>(d, "FontComboBoxEx1")->currentText(), QStringLiteral("ＭＳ 明朝"));
    });
}

// A typed or pasted value is stored as a layout file holds it: line breaks and other control
// characters as blanks, and in Shift-JIS after a question that names what is lost, where
// Cancel goes back to the dialog with the typing kept.
TEST_F(EditItemTest, ValueIsStoredAsTheFileWillHoldIt) {
    const qsizetype firstStart = dialogs.messages().size(); // the new INI file's message
    EXPECT_EQ(
        edit(QStringLiteral("文字,,,,,,,,,,,,x,,,,"),
             [](QDialog& d) {
                 in<QLineEdit>(d, "edtValue")->setText(QStringLiteral("一行目\r\n二行目\t!"));
                 in<QLineEdit>(d, "edtLeft")->setText(QStringLiteral("1\n0"));
             })
            .toRowLine(),
        QStringLiteral("文字,No,No,No,1 0,,,,,左寄せ,No,13.5,一行目  二行目 !,ＭＳ ゴシック,9.0,"
                       "clBlack,clWhite"));
    EXPECT_EQ(dialogs.messages().size(), firstStart);

    form->layoutList().clear();
    form->layoutList().append(LayoutItem::fromRowLine(QStringLiteral("文字,,,,,,,,,,,,x,,,,")));
    child<QTableView>("TntListView1")->selectRow(0);
    QString kept;
    dialogs.answerDialog([](QDialog& d) {
        in<QLineEdit>(d, "edtValue")->setText(QStringLiteral("café 😀 ＡＢＣ"));
        return int(QDialog::Accepted);
    });
    dialogs.answerMessage(DialogResult::Cancel);
    dialogs.answerDialog([&](QDialog& d) {
        kept = in<QLineEdit>(d, "edtValue")->text();
        return int(QDialog::Accepted);
    });
    dialogs.answerMessage(DialogResult::Ok);
    trigger("E1");
    EXPECT_EQ(kept, QStringLiteral("café 😀 ＡＢＣ"));
    ASSERT_EQ(dialogs.messages().size(), firstStart + 2);
    const QString question = dialogs.messages()[firstStart];
    EXPECT_TRUE(question.contains(QStringLiteral(": é 😀\n"))) << question.toStdString();
    EXPECT_EQ(form->layoutList().item(0).field(Field::Value), QStringLiteral("caf? ? ＡＢＣ"));
}

TEST_F(EditItemTest, ColorTheDialogCannotReadStopsBeforeItShows) {
    const QString line = QStringLiteral("文字,,,,,,,,,,,,x,,,clAliceblue,");
    const LayoutItem after = edit(line);
    EXPECT_EQ(after, LayoutItem::fromRowLine(line));
    EXPECT_TRUE(dialogs.messages().contains(QStringLiteral("'clAliceblue' は整数ではありません")));
    for (const auto& prompt : dialogs.prompts())
        EXPECT_NE(prompt.kind, test::ScriptedDialogs::Kind::Dialog);
}

TEST_F(EditItemTest, FilesInsideTheProgramFolderAreStoredRelative) {
    dialogs.answerFile(dir.filePath(QStringLiteral("pics/logo.png")));
    dialogs.answerFile(QStringLiteral("/elsewhere/logo.png"));
    QString inside;
    QString outside;
    edit(QStringLiteral("画像,,,,,,,,,,,,old.png,,,,"), [&](QDialog& d) {
        in<QPushButton>(d, "Button3")->click();
        inside = in<QLineEdit>(d, "edtValue")->text();
        in<QPushButton>(d, "Button3")->click();
        outside = in<QLineEdit>(d, "edtValue")->text();
    });
    EXPECT_EQ(inside, QStringLiteral("pics/logo.png"));
    EXPECT_EQ(outside, QStringLiteral("/elsewhere/logo.png"));
    const auto& prompts = dialogs.prompts();
    EXPECT_EQ(std::count_if(
                  prompts.begin(), prompts.end(),
                  [](const auto& p) { return p.kind == test::ScriptedDialogs::Kind::OpenPicture; }),
              2);
}

// The browse button offers text files for a paragraph in the plain open dialog, pictures for an
// image, and nothing for any other kind.
TEST_F(EditItemTest, BrowseButtonOffersFilesForParagraphsAndPicturesOnly) {
    const struct {
        const char* kind;
        std::optional<test::ScriptedDialogs::Kind> dialog;
    } cases[] = {
        {"文章", test::ScriptedDialogs::Kind::OpenFile},
        {"画像", test::ScriptedDialogs::Kind::OpenPicture},
        {"文字", std::nullopt},
        {"矩形", std::nullopt},
        {"罫線", std::nullopt},
        {"バーコード", std::nullopt},
        {"設定", std::nullopt},
    };
    for (const auto& test : cases) {
        const qsizetype before = dialogs.prompts().size();
        edit(QStringLiteral("%1,,,,,,,,,,,,now.txt,,,,").arg(QString::fromUtf8(test.kind)),
             [](QDialog& d) { in<QPushButton>(d, "Button3")->click(); });
        const QList<test::ScriptedDialogs::Prompt> shown = dialogs.prompts().mid(before + 1);
        if (!test.dialog) {
            EXPECT_TRUE(shown.isEmpty()) << test.kind;
            continue;
        }
        ASSERT_EQ(shown.size(), 1) << test.kind;
        EXPECT_EQ(shown[0].kind, *test.dialog) << test.kind;
        EXPECT_EQ(shown[0].request.startPath, QStringLiteral("now.txt"));
    }
    const auto& prompts = dialogs.prompts();
    const auto paragraph = std::find_if(prompts.begin(), prompts.end(), [](const auto& p) {
        return p.kind == test::ScriptedDialogs::Kind::OpenFile;
    });
    ASSERT_NE(paragraph, prompts.end());
    EXPECT_EQ(paragraph->request.filter, QStringLiteral("文章(*.txt)|*.txt|すべて(*.*)|*.*"));
}

// The size and line spacing take three typed characters; a value with more shows whole.
TEST_F(EditItemTest, SizeAndSpacingTakeThreeTypedCharacters) {
    QStringList shown;
    QStringList typed;
    const LayoutItem row = edit(QStringLiteral("文章,,,,,,,,,,,13.5,x,,10.25,,"), [&](QDialog& d) {
        for (const char* name : {"spnLineSpace", "spnFontSize"}) {
            auto* spin = in<QDoubleSpinBox>(d, name);
            shown.append(spin->text());
            spin->selectAll();
            for (const char* key : {"1", "2", ".", "5"}) {
                QKeyEvent press(QEvent::KeyPress, key[0], Qt::NoModifier, QString::fromLatin1(key));
                QApplication::sendEvent(spin, &press);
            }
            typed.append(spin->text());
        }
    });
    EXPECT_EQ(shown, (QStringList{"13.5", "10.25"}));
    EXPECT_EQ(typed, (QStringList{"12.", "12."}));
    EXPECT_EQ(row.field(Field::LineSpacing), QStringLiteral("12.0"));
    EXPECT_EQ(row.field(Field::Size), QStringLiteral("12.0"));
}

// OK writes a paragraph's face with the fallback after it; the paragraph still prints in the
// face chosen, which the PDF names (a mincho face, not the gothic one of the fallback).
TEST_F(EditItemTest, OkKeepsTheFaceAParagraphPrintsIn) {
    if (!test::toolInstalled(QStringLiteral("pdffonts")))
        GTEST_SKIP() << "poppler-utils is not installed";
    const QString text = writeFile(QStringLiteral("p.txt"), QStringLiteral("明朝の文章"));
    const LayoutItem row = edit(QStringLiteral("文章,Yes,Yes,Yes,200,200,700,1000,,左寄せ,No,"
                                               "13.5,%1,ＭＳ 明朝,9.0,clBlack,clWhite")
                                    .arg(text));
    EXPECT_EQ(row.field(Field::Face), QStringLiteral("ＭＳ 明朝|ＭＳ ゴシック"));
    form->RedrawLayout(false);
    const QString pdf = dir.filePath(QStringLiteral("p.pdf"));
    exportPagePdf(*form->surface().currentPage(), pdf);
    const QString fonts = test::runTool(QStringLiteral("pdffonts"), {pdf});
    EXPECT_TRUE(fonts.contains(QLatin1String("IPAMincho"))) << fonts.toStdString();
    EXPECT_FALSE(fonts.contains(QLatin1String("Gothic"))) << fonts.toStdString();
}

} // namespace
} // namespace lccd
