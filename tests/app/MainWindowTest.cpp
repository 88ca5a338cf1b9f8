#include "tests/app/MainWindowFixture.h"

#include "layout/LayoutIniStore.h"
#include "layout/ListCommands.h"
#include "platform/IniFile.h"
#include "platform/adapters/QtPrinters.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace lccd {
namespace {

using test::MainWindowTest;

TEST_F(MainWindowTest, FirstStartCreatesTheIniFileAndOpensWithTheDemoJacket) {
    TForm1& window = openFirstStart();
    EXPECT_EQ(dialogs.messages(),
              QStringList{QStringLiteral("The program created \"%1\" file.").arg(paths.iniPath)});
    EXPECT_TRUE(readWholeFile(paths.iniPath)
                    .startsWith("[General]\r\nName=MarovellApplication\r\n[ListView]\r\n"));
    EXPECT_EQ(window.size(), QSize(870, 606));
    // the list is the one the INI file stores (empty)
    EXPECT_EQ(window.windowTitle(), QStringLiteral("lccdtool.ini[*] - Lc音楽ＣＤ作成補助ツール"));
    EXPECT_FALSE(window.isWindowModified());
    EXPECT_EQ(child<QLineEdit>("edtPrevXZoom")->text(), QStringLiteral("75"));
    EXPECT_EQ(window.preview().ZoomScale(), 75);
    // the jacket template's 17 rows, filled with the demo disc, and one row per demo song
    ASSERT_EQ(window.layoutList().count(), 17 + 6);
    QStringList lines;
    for (const LayoutItem& row : window.layoutList().items())
        lines.append(row.toRowLine());
    EXPECT_TRUE(lines.join(QLatin1Char('\n')).contains(QStringLiteral("港町スケッチ")));
    EXPECT_EQ(child<QLineEdit>("edtPrinterName")->text(), QStringLiteral("Office.Laser (Office)"));

    form.reset();
    IniFile ini(paths.iniPath);
    ini.load();
    for (const char* key : {"Top", "Left", "Width", "Height", "WindowState", "Zoom"})
        EXPECT_TRUE(ini.hasKey(QStringLiteral("Form1"), QString::fromLatin1(key))) << key;
    for (const char* key : {"LastProject", "NoCut", "AddGap", "SetId3Tag", "WriteCdText"})
        EXPECT_TRUE(ini.hasKey(QStringLiteral("Option"), QString::fromLatin1(key))) << key;
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("Width"), QString()),
              QStringLiteral("870"));
    EXPECT_EQ(ini.readString(QStringLiteral("Jacket"), QStringLiteral("Template"), QString()),
              QStringLiteral("LcJacketStd.lct"));
}

TEST_F(MainWindowTest, SettingsAreReadInAnyCaseAndTheStoredLayoutSurvivesTheExit) {
    writeFile(QStringLiteral("lccdtool.ini"),
              QStringLiteral("[General]\r\nName=MarovellApplication\r\n[form1]\r\nwidth=900\r\n"
                             "WindowState=2\r\n[Hosei]\r\nLeft=0x10\r\nTop=$A\r\n[Option]\r\n"
                             "LastProject=/music/cd1\r\nNoCut=1\r\n"));
    TForm1& window = open();
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(child<QSpinBox>("spnHoseiX")->value(), 16);
    EXPECT_EQ(child<QSpinBox>("spnHoseiY")->value(), 10);
    EXPECT_EQ(window.surface().HoseiX(), 16);
    EXPECT_TRUE(window.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(window.settings().lastProject, QStringLiteral("/music/cd1"));
    EXPECT_TRUE(window.settings().cd.noCut);

    window.layoutList().append(LayoutItem::fromRowLine(QStringLiteral("矩形,,Yes")));
    trigger("INIS1");
    form.reset();
    IniFile ini(paths.iniPath);
    ini.load();
    EXPECT_TRUE(ini.hasKey(QStringLiteral("ListView"), QStringLiteral("Item0")));
    EXPECT_EQ(ini.readString(QStringLiteral("Form1"), QStringLiteral("WindowState"), QString()),
              QStringLiteral("2"));
    EXPECT_EQ(ini.readString(QStringLiteral("Hosei"), QStringLiteral("Left"), QString()),
              QStringLiteral("16"));
}

// "CSV開く" asks for a file; the menu entry (Ctrl+O) does too, starting on the current file, so
// that Enter reads it again.
TEST_F(MainWindowTest, OpeningLayoutsAsksForTheFileStartingOnTheCurrentOne) {
    const QString first =
        writeLayout(QStringLiteral("first.csv"), {QStringLiteral("矩形,,Yes,,1,1,2,2")});
    open();
    dialogs.answerFile(first);
    child<QPushButton>("Button1")->click();
    EXPECT_EQ(form->layoutList().count(), 1);
    EXPECT_EQ(form->CurrentLayoutPath(), first);
    EXPECT_TRUE(dialogs.prompts().last().request.startPath.isEmpty());

    // the file changed outside: the menu entry reads it again from the dialog it preselects
    writeLayout(QStringLiteral("first.csv"), {QStringLiteral("矩形"), QStringLiteral("罫線")});
    dialogs.answerFile(first);
    trigger("CSVO1");
    EXPECT_EQ(dialogs.prompts().last().kind, test::ScriptedDialogs::Kind::OpenFile);
    EXPECT_EQ(dialogs.prompts().last().request.startPath, first);
    EXPECT_EQ(form->layoutList().count(), 2);

    // a refused file leaves the list and forgets the path; a cancelled dialog leaves all
    writeFile(QStringLiteral("first.csv"), QStringLiteral("ID,画面\r\n矩形\r\n"));
    dialogs.answerFile(first);
    trigger("CSVO1");
    EXPECT_EQ(form->layoutList().count(), 2);
    EXPECT_TRUE(form->CurrentLayoutPath().isEmpty());
    trigger("CSVO1");
    EXPECT_EQ(form->layoutList().count(), 2);
    EXPECT_EQ(dialogs.unanswered(), 1);
}

TEST_F(MainWindowTest, SettingsRowOnLoadSetsCaptionPaperAndOrientation) {
    printers.settings.orientation = PaperOrientation::Landscape;
    printers.settings.paperCode = 11;
    const QString titled = writeLayout(QStringLiteral("titled.csv"),
                                       {QStringLiteral("設定,,,,,,,,,,Yes,,a4|夏のラベル,,,,")});
    const QString unknown = writeLayout(QStringLiteral("unknown.csv"),
                                        {QStringLiteral("設定,,,,,,,,,,No,,Tabloid,,,,")});
    open();
    ASSERT_TRUE(child<QRadioButton>("rdoYokooki")->isChecked());
    dialogs.answerFile(titled);
    trigger("CSVO1");
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("titled.csv[*] - Lc音楽ＣＤ作成補助ツール - 夏のラベル"));
    EXPECT_TRUE(child<QRadioButton>("rdoTateoki")->isChecked());
    EXPECT_EQ(printers.settings.paperCode, 9);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);
    EXPECT_EQ(form->layoutList().item(0).field(Field::Value), QStringLiteral("a4|夏のラベル"));

    dialogs.answerFile(unknown);
    trigger("CSVO1");
    EXPECT_EQ(printers.settings.paperCode, 9);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);
    EXPECT_EQ(form->windowTitle(),
              QStringLiteral("unknown.csv[*] - Lc音楽ＣＤ作成補助ツール - 夏のラベル"));
}

TEST_F(MainWindowTest, SavingAddsTheCsvExtensionAndKeepsCommaValuesWhole) {
    open();
    LayoutItem row = LayoutItem::fromRowLine(QStringLiteral("文字,Yes,Yes,Yes,1,2,3,4"));
    row.setField(Field::Value, QStringLiteral("a,b"));
    form->layoutList().append(row);
    dialogs.answerFile(dir.filePath(QStringLiteral("label")));
    dialogs.answerFile(dir.filePath(QStringLiteral("other.CSV")));
    trigger("CSVV1");
    trigger("CSVV1");
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("label.csv"))));
    EXPECT_TRUE(QFile::exists(dir.filePath(QStringLiteral("other.CSV"))));
    dialogs.answerFile(dir.filePath(QStringLiteral("label.csv")));
    trigger("CSVO1");
    ASSERT_EQ(form->layoutList().count(), 1);
    EXPECT_EQ(form->layoutList().item(0), row);
}

TEST_F(MainWindowTest, SavingOverAFileTheDialogNeverNamedAsksFirstAndEverySaveSaysWhere) {
    const QString existing = writeFile(QStringLiteral("label.csv"), QStringLiteral("old"));
    open();
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    QLabel* status = child<QLabel>("StatusPanel3");

    // "label" becomes "label.csv" only after the dialog: the same question is asked here
    dialogs.answerFile(dir.filePath(QStringLiteral("label")));
    dialogs.answerMessage(DialogResult::No);
    trigger("CSVV1");
    EXPECT_EQ(readWholeFile(existing), QByteArray("old"));
    EXPECT_TRUE(status->text().isEmpty());
    EXPECT_EQ(dialogs.messages().last(),
              QStringLiteral("label.csv は既に存在します。\n置き換えますか?"));

    dialogs.answerFile(dir.filePath(QStringLiteral("label.")));
    dialogs.answerMessage(DialogResult::Yes);
    trigger("CSVV1");
    EXPECT_NE(readWholeFile(existing), QByteArray("old"));
    EXPECT_EQ(status->text(), QStringLiteral("保存しました: ") + existing);

    // a name the dialog saw whole is not asked about again
    const qsizetype asked = dialogs.messages().size();
    dialogs.answerFile(existing);
    trigger("CSVV1");
    EXPECT_EQ(dialogs.messages().size(), asked);

    trigger("INIS1");
    EXPECT_EQ(status->text(), QStringLiteral("保存しました: ") + paths.iniPath);

    form->RedrawLayout(false);
    dialogs.answerFile(dir.filePath(QStringLiteral("sheet")));
    trigger("Export1");
    EXPECT_EQ(status->text(),
              QStringLiteral("保存しました: ") + dir.filePath(QStringLiteral("sheet.pdf")));
}

// Closing asks only when the list differs from what was last opened, stored or saved; Yes
// stores it where the next start finds it, Cancel keeps the window open.
TEST_F(MainWindowTest, ClosingAfterAChangeAsksWhetherToSave) {
    writeFile(QStringLiteral("lccdtool.ini"),
              QStringLiteral("[ListView]\r\nItem0=矩形,,Yes,,1,1,2,2,,,,,,,,,\r\n"));
    open();
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(dialogs.messages().isEmpty());

    open();
    form->AddLayoutRow(sampleRowLine(SampleRow::Text), kLayoutFieldCount);
    dialogs.answerMessage(DialogResult::Cancel);
    EXPECT_FALSE(form->close());
    EXPECT_EQ(dialogs.messages(), QStringList{QStringLiteral("変更を保存しますか")});
    EXPECT_EQ(dialogs.prompts().last().type & MessageBoxType::ButtonMask,
              MessageBoxType::YesNoCancel);

    dialogs.answerMessage(DialogResult::No);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(LoadLayoutFromIni(paths.iniPath)->size(), 1);

    open();
    form->AddLayoutRow(sampleRowLine(SampleRow::Text), kLayoutFieldCount);
    dialogs.answerMessage(DialogResult::Yes);
    EXPECT_TRUE(form->close());
    EXPECT_EQ(LoadLayoutFromIni(paths.iniPath)->size(), 2);

    // stored, then changed and changed back: nothing to ask
    open();
    trigger("N3");
    trigger("INIS1");
    const qsizetype asked = dialogs.messages().size();
    trigger("N3");
    child<QTableView>("TntListView1")->selectRow(3);
    trigger("X1");
    EXPECT_TRUE(form->close());
    EXPECT_EQ(dialogs.messages().size(), asked);
}

TEST_F(MainWindowTest, ShiftFlagFollowsTheKeysButCtrlOnlyShowsTrue) {
    open();
    QLabel* panel = child<QLabel>("StatusPanel2");
    QKeyEvent ctrl(QEvent::KeyPress, Qt::Key_Control, Qt::ControlModifier);
    QApplication::sendEvent(form.get(), &ctrl);
    EXPECT_EQ(panel->text(), QStringLiteral("True"));
    EXPECT_FALSE(form->shiftHeld());
    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(form.get(), &shift);
    EXPECT_TRUE(form->shiftHeld());
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_Shift, Qt::NoModifier);
    QApplication::sendEvent(form.get(), &release);
    EXPECT_FALSE(form->shiftHeld());
    EXPECT_EQ(panel->text(), QStringLiteral("False"));
}

TEST_F(MainWindowTest, CopiesAreOneJobOrOneJobEach) {
    open();
    form->RedrawLayout(false);
    child<QSpinBox>("spnMaisu")->setValue(3);
    printers.settings.declaresCopies = true;
    trigger("Print1");
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_EQ(printers.jobs[0].copies, 3);
    printers.settings.declaresCopies = false;
    child<QPushButton>("Button2")->click();
    ASSERT_EQ(printers.jobs.size(), 4);
    EXPECT_EQ(printers.jobs[3].copies, 1);
}

QString drawnText(TForm1& form) {
    QString drawn;
    for (const Primitive& primitive : form.surface().currentPage()->primitives())
        if (const auto* text = std::get_if<primitive::Text>(&primitive))
            drawn += text->character;
    return drawn;
}

// The print button prints the list as it is, a change made a moment ago included; with Shift
// held it clears the preview and draws again first, so the files the rows name are read again.
TEST_F(MainWindowTest, PrintPrintsTheListAndShiftPrintReadsItsFilesAgain) {
    const QString text = writeFile(QStringLiteral("para.txt"), QStringLiteral("AAAA"));
    open();
    form->RedrawLayout(false);
    form->AddLayoutRow(QStringLiteral("文章,Yes,Yes,Yes,100,100,1000,500,,左寄せ,No,13.5,%1,"
                                      "ＭＳ 明朝,9.0,clWindowText,clWhite")
                           .arg(text),
                       kLayoutFieldCount);
    auto* print = child<QPushButton>("Button2");
    print->click();
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_EQ(drawnText(*form), QStringLiteral("AAAA"));
    const QByteArray first(printers.jobs[0].pages[0].data(), printers.jobs[0].pages[0].size());

    writeFile(QStringLiteral("para.txt"), QStringLiteral("BB"));
    print->click();
    ASSERT_EQ(printers.jobs.size(), 2);
    EXPECT_EQ(QByteArray(printers.jobs[1].pages[0].data(), printers.jobs[1].pages[0].size()),
              first);

    QKeyEvent shift(QEvent::KeyPress, Qt::Key_Shift, Qt::ShiftModifier);
    QApplication::sendEvent(form.get(), &shift);
    print->click();
    ASSERT_EQ(printers.jobs.size(), 3);
    EXPECT_EQ(drawnText(*form), QStringLiteral("BB"));
    EXPECT_NE(QByteArray(printers.jobs[2].pages[0].data(), printers.jobs[2].pages[0].size()),
              first);
}

// Choosing a paper writes its name (up to the first blank) into the first settings row, selects
// it in the orientation of the radio buttons and draws with settings rows skipped.
TEST_F(MainWindowTest, PaperListChoiceRewritesTheFirstSettingsRow) {
    open();
    auto* papers = child<QComboBox>("ComboBox1");
    papers->setCurrentIndex(2);
    Q_EMIT papers->activated(2); // without a settings row: nothing at all
    EXPECT_EQ(printers.settings.paperCode, 9);

    form->AddLayoutRow(QStringLiteral("設定,,,,,,,,,,No,,A4|題,,,,"), kLayoutFieldCount);
    form->AddLayoutRow(QStringLiteral("設定,,,,,,,,,,Yes,,A5,,,,"), kLayoutFieldCount);
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    ASSERT_TRUE(child<QRadioButton>("rdoTateoki")->isChecked()); // the second row applied A5
    papers->setCurrentIndex(2);
    Q_EMIT papers->activated(2);
    EXPECT_EQ(form->layoutList().item(0).field(Field::Value), QStringLiteral("B5"));
    EXPECT_EQ(form->layoutList().item(1).field(Field::Value), QStringLiteral("A5"));
    EXPECT_EQ(printers.settings.paperCode, 13);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);
    EXPECT_EQ(papers->currentText(), QStringLiteral("B5 (JIS)"));
    // the pass skipped both settings rows (the second would have selected A5 again)
    EXPECT_EQ(form->surface().currentPage()->primitives().size(), 1u);
}

TEST_F(MainWindowTest, LandscapeExchangesTheSizeBoxesButNotTheCanvasText) {
    printers.settings.orientation = PaperOrientation::Landscape;
    open();
    EXPECT_EQ(child<QLineEdit>("edtpWidth")->text(), QStringLiteral("2970"));
    EXPECT_EQ(child<QLineEdit>("edtpHeight")->text(), QStringLiteral("2100"));
    EXPECT_EQ(child<QLineEdit>("edtCanvasSize")->text(),
              QStringLiteral("600-600|2100-2970|6814-4760|102-100"));
    EXPECT_TRUE(child<QRadioButton>("rdoYokooki")->isChecked());
}

TEST_F(MainWindowTest, OrientationAndPaperControlsActOnTheFirstSettingsRow) {
    open();
    // without a settings row nothing happens at all
    child<QRadioButton>("rdoYokooki")->click();
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);

    form->AddLayoutRow(QStringLiteral("設定,,,,,,,,,,Yes,,A4|題,,,,"), kLayoutFieldCount);
    child<QRadioButton>("rdoYokooki")->click();
    EXPECT_EQ(form->layoutList().item(0).field(Field::Vertical), QStringLiteral("No"));
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Landscape);
    EXPECT_EQ(child<QLineEdit>("edtpWidth")->text(), QStringLiteral("2970"));
}

TEST_F(MainWindowTest, PrinterErrorsAreShownAndTheWindowStillStarts) {
    printers.papers.names.append(QStringLiteral("Extra"));
    open();
    EXPECT_TRUE(dialogs.messages().contains(
        QStringLiteral("DeviceCapabilities reports different number of papers and paper-names")));
    printers.removeAllPrinters();
    trigger("C1");
    EXPECT_EQ(child<QLineEdit>("edtPrinterName")->text(),
              QStringLiteral("(プリンターが使えません)"));
}

// The shapes the last drawing pass drew; -1 before any pass.
int drawn(TForm1& form) {
    const PagePicture* page = form.surface().currentPage();
    return page ? int(page->primitives().size()) : -1;
}

// The printer and paper chosen in the setup dialog show at once; after Cancel the panel still
// shows the printer as it is.
TEST_F(MainWindowTest, PrinterSetupShowsThePrinterAndPaperChosen) {
    printers.names.append(QStringLiteral("\\\\server\\label"));
    open();
    dialogs.answerPrintSetup([](PrinterSystem& chosen) {
        chosen.setCurrentIndex(1);
        chosen.setDeviceSettings(11, PaperOrientation::Landscape);
        return true;
    });
    trigger("C1");
    EXPECT_EQ(child<QLineEdit>("edtPrinterName")->text(),
              QStringLiteral("\\\\server\\label (label)"));
    EXPECT_EQ(child<QComboBox>("ComboBox1")->currentText(), QStringLiteral("A5"));
    EXPECT_TRUE(child<QRadioButton>("rdoYokooki")->isChecked());
    EXPECT_EQ(child<QLineEdit>("edtpWidth")->text(), QStringLiteral("2100"));
    EXPECT_EQ(child<QLineEdit>("edtpHeight")->text(), QStringLiteral("1480"));
    // A5 landscape at 600 dpi: 4961 × 3496 pixels less the turned margins
    EXPECT_EQ(child<QLineEdit>("edtCanvasSize")->text(),
              QStringLiteral("600-600|1480-2100|4759-3295|102-100"));

    printers.current = 0;
    dialogs.answerPrintSetup([](PrinterSystem&) { return false; });
    trigger("C1");
    EXPECT_EQ(child<QLineEdit>("edtPrinterName")->text(), QStringLiteral("Office.Laser (Office)"));
    EXPECT_EQ(dialogs.unanswered(), 0);
}

// The desktop's print dialog as the setup command shows it: printer and page settings only.
TEST(PrinterSetupDialogTest, OffersNoFileNoPagesAndNoSelection) {
    QtPrinterSystem printers;
    QList<bool> offered;
    QStringList choices;
    QTimer::singleShot(0, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<QPrintDialog*>(window);
            if (!dialog || !dialog->isVisible())
                continue;
            for (auto option :
                 {QAbstractPrintDialog::PrintToFile, QAbstractPrintDialog::PrintPageRange,
                  QAbstractPrintDialog::PrintSelection, QAbstractPrintDialog::PrintCurrentPage})
                offered.append(dialog->testOption(option));
            for (const QComboBox* list : dialog->findChildren<QComboBox*>())
                for (int i = 0; i < list->count(); ++i)
                    choices.append(list->itemText(i));
            dialog->reject();
        }
    });
    EXPECT_FALSE(printers.runSetupDialog(nullptr));
    EXPECT_EQ(offered, QList<bool>({false, false, false, false}));
    EXPECT_FALSE(choices.join(u'|').contains(QLatin1String("Print to File")))
        << choices.join(u'|').toStdString();
}

// "閉じる(&E)" leaves an empty list, an empty sheet and an empty work tab.
TEST_F(MainWindowTest, CloseEmptiesTheListTheSheetAndTheWorkTab) {
    open();
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    form->RedrawLayout(false);
    ASSERT_EQ(drawn(*form), 1);
    child<QPlainTextEdit>("EditorEx1")->setPlainText(QStringLiteral("前の文章"));
    dialogs.answerMessage(DialogResult::No); // the row added is given up
    trigger("Close1");
    EXPECT_EQ(form->layoutList().count(), 0);
    EXPECT_EQ(drawn(*form), 0);
    EXPECT_TRUE(child<QPlainTextEdit>("EditorEx1")->toPlainText().isEmpty());
}

// "再表示(&R)" shows the two offsets in the third panel and draws the list again.
TEST_F(MainWindowTest, RedisplayShowsTheOffsetsAndDraws) {
    open();
    child<QSpinBox>("spnHoseiX")->setValue(12);
    child<QSpinBox>("spnHoseiY")->setValue(-7);
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    trigger("R1");
    EXPECT_EQ(child<QLabel>("StatusPanel3")->text(), QStringLiteral("12 -7"));
    EXPECT_EQ(drawn(*form), 1);
}

// The zoom repaints the page as it is; an offset moves it, with one pass once the event loop
// comes round.
TEST_F(MainWindowTest, ZoomRepaintsAndOffsetsRedraw) {
    open();
    TLcPrnPrev& preview = form->preview();
    const struct {
        const char* change;
        std::function<void()> act;
        std::function<bool()> done;
        int passes;
    } cases[] = {
        {"zoom", [&] { child<QSlider>("GaugeBar1")->setValue(150); },
         [&] {
             return preview.ZoomScale() == 150 &&
                    child<QLineEdit>("edtPrevXZoom")->text() == QStringLiteral("150");
         },
         0},
        {"spnHoseiX", [&] { child<QSpinBox>("spnHoseiX")->setValue(12); },
         [&] { return preview.HoseiX() == 12 && form->surface().HoseiX() == 12; }, 1},
        {"spnHoseiY", [&] { child<QSpinBox>("spnHoseiY")->setValue(-7); },
         [&] { return preview.HoseiY() == -7 && form->surface().HoseiY() == -7; }, 1},
    };
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    form->RedrawLayout(false);
    for (const auto& test : cases) {
        const QRect before = test::inkBounds(*form->surface().currentPage());
        const int passes = form->passCount();
        test.act();
        EXPECT_TRUE(test.done()) << test.change;
        QCoreApplication::processEvents();
        EXPECT_EQ(form->passCount() - passes, test.passes) << test.change;
        EXPECT_EQ(test::inkBounds(*form->surface().currentPage()) != before, test.passes > 0)
            << test.change;
    }
}

// "プレビュー・クリア" paints the preview at once and keeps the page; it draws nothing.
TEST_F(MainWindowTest, PreviewClearPaintsAtOnceWithoutAPass) {
    open().show();
    QCoreApplication::processEvents();
    ASSERT_TRUE(form->preview().isVisible());
    form->AddLayoutRow(sampleRowLine(SampleRow::Rectangle), kLayoutFieldCount);
    QCoreApplication::processEvents(); // the preview follows the list
    const PagePicture* page = form->surface().currentPage();
    ASSERT_EQ(page->primitives().size(), 1u);
    const int passes = form->passCount();

    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    form->preview().installEventFilter(&counter);
    trigger("N7");
    EXPECT_GE(counter.paints, 1);
    EXPECT_EQ(form->surface().currentPage(), page);
    EXPECT_EQ(page->primitives().size(), 1u);
    EXPECT_EQ(form->passCount(), passes);
}

// "INIから開く(&Q)" replaces the list with the stored rows and draws them.
TEST_F(MainWindowTest, OpenFromIniReplacesTheListAndDraws) {
    writeFile(QStringLiteral("lccdtool.ini"),
              QStringLiteral("[ListView]\r\nItem0=矩形,Yes,Yes,Yes,100,100,120,100,,,,,,実線,1,"
                             "clGray,clYellow\r\n"));
    open();
    form->layoutList().clear();
    form->AddLayoutRow(sampleRowLine(SampleRow::Text), kLayoutFieldCount);
    form->AddLayoutRow(sampleRowLine(SampleRow::Text), kLayoutFieldCount);
    dialogs.answerMessage(DialogResult::No);
    trigger("INIQ1");
    ASSERT_EQ(form->layoutList().count(), 1);
    EXPECT_EQ(form->layoutList().item(0).field(Field::Id), QStringLiteral("矩形"));
    EXPECT_EQ(drawn(*form), 1);
    EXPECT_TRUE(form->close()); // as stored: nothing to ask
}

// A press on a row's check box ticks or clears it and writes 印刷; a press on its icon writes
// the field as the box shows it.
TEST_F(MainWindowTest, PressOnTheCheckBoxOrIconWritesThePrintField) {
    open().show();
    child<QTabWidget>("PageControl1")->setCurrentIndex(0);
    QCoreApplication::processEvents();
    QTableView& view = *child<QTableView>("TntListView1");
    const struct {
        QStyle::SubElement where;
        const char* before;
        const char* after;
    } cases[] = {
        {QStyle::SE_ItemViewItemCheckIndicator, "Yes", "No"},
        {QStyle::SE_ItemViewItemCheckIndicator, "no", "Yes"},
        {QStyle::SE_ItemViewItemDecoration, "yes", "Yes"},
        {QStyle::SE_ItemViewItemDecoration, "", "No"},
    };
    for (const auto& test : cases) {
        form->layoutList().clear();
        LayoutItem row = LayoutItem::fromRowLine(sampleRowLine(SampleRow::Rectangle));
        row.setField(Field::Print, QString::fromLatin1(test.before));
        form->layoutList().append(row);
        const QModelIndex index = form->layoutList().index(0, 0);
        QStyleOptionViewItem option;
        option.initFrom(&view);
        option.rect = view.visualRect(index);
        option.features = QStyleOptionViewItem::HasDisplay |
                          QStyleOptionViewItem::HasCheckIndicator |
                          QStyleOptionViewItem::HasDecoration;
        option.decorationSize = QSize(16, 16);
        const QPointF at = view.style()->subElementRect(test.where, &option, &view).center();
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QApplication::sendEvent(view.viewport(), &event);
        }
        EXPECT_EQ(form->layoutList().item(0).field(Field::Print), QString::fromLatin1(test.after))
            << test.before;
    }
}

} // namespace
} // namespace lccd
