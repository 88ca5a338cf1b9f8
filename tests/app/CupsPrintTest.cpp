#include "tests/app/MainWindowFixture.h"

#include "platform/adapters/QtPrinters.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSpinBox>
#include <QThread>

namespace lccd {
namespace {

using test::runTool;

// Prints through Qt's CUPS support to the cups-pdf queue that ./test.sh sets up (its A4 and A5
// papers have margins of 14, 42, 28 and 28 points on the left, top, right and bottom).
class CupsPrintTest : public test::MainWindowTest {
protected:
    CupsPrintTest() { services.with(cups); }

    void SetUp() override {
        queue = qEnvironmentVariable("LCCD_TEST_CUPS_QUEUE");
        output = qEnvironmentVariable("LCCD_TEST_CUPS_OUTPUT");
        if (queue.isEmpty() || output.isEmpty())
            GTEST_SKIP() << "no CUPS test queue: ./test.sh starts cupsd with a cups-pdf queue "
                            "when it runs as root with cups installed";
        const int index = int(cups.printerNames().indexOf(queue));
        ASSERT_GE(index, 0) << "queue not listed by Qt";
        cups.setCurrentIndex(index);
    }

    // Opens the layout in the main window, as "CSV開く(&O)" does, and draws it. The print job
    // gets the test's name as its title, which names its PDF among those of the other tests.
    void openLayout(const QStringList& rows) {
        const QString layout = writeLayout(QStringLiteral("cups.csv"), rows);
        open();
        dialogs.answerFile(layout);
        trigger("CSVO1");
        form->RefreshPrinterInfo();
        form->RedrawLayout(false);
        form->surface().Title = jobTitle();
    }

    static QString jobTitle() {
        return QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
    }

    QString waitForPdf() const {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < 60000) {
            const QStringList pdfs =
                QDir(output).entryList({jobTitle() + QStringLiteral("*.pdf")}, QDir::Files);
            if (!pdfs.isEmpty()) {
                QThread::msleep(500); // let the backend finish writing
                return QDir(output).filePath(pdfs.first());
            }
            QThread::msleep(200);
        }
        return QString();
    }

    // The page at 254 dpi, where one pixel is 0.1 mm.
    QImage pageImage(const QString& pdf) const {
        runTool(QStringLiteral("pdftoppm"),
                {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
                 QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
                 dir.filePath(QStringLiteral("page"))});
        return QImage(dir.filePath(QStringLiteral("page.png")));
    }

    QtPrinterSystem cups;
    QString queue;
    QString output;
};

// The bounding box of the dark pixels of a page.
QRect inkBox(const QImage& page) {
    QRect box;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (page.pixelColor(x, y).lightness() < 128)
                box |= QRect(x, y, 1, 1);
    return box;
}

TEST_F(CupsPrintTest, PrintsInCopiesThroughQtAndCups) {
    openLayout({QStringLiteral("設定,,,,,,,,,,Yes,,A5,,,,"),
                QStringLiteral("矩形,Yes,Yes,Yes,200,200,1200,700,,,,,,,2,clBlack,clWhite")});
    // the printer's own resolutions are offered, not Qt's 72 dpi for every CUPS printer
    EXPECT_TRUE(child<QLineEdit>("edtCanvasSize")->text().startsWith(QLatin1String("600-600|")))
        << child<QLineEdit>("edtCanvasSize")->text().toStdString();
    child<QSpinBox>("spnMaisu")->setValue(2);
    trigger("Print1");

    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << output.toStdString();
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QLatin1String("A5"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))))
        << info.toStdString();

    // the rectangle's left edge lies at x = 200
    const QImage page = pageImage(pdf);
    ASSERT_FALSE(page.isNull());
    auto dark = [&](int x, int y) { return page.pixelColor(x, y).lightness() < 128; };
    EXPECT_TRUE(dark(200, 450) || dark(201, 450) || dark(199, 450));
    EXPECT_FALSE(dark(190, 450));
    EXPECT_FALSE(dark(700, 450));
}

// A landscape sheet arrives as the portrait paper with the layout turned on it: the rectangle
// lies where the layout puts it on the turned page, and the printable area the preview frames
// is the paper's, its margins turned the way the queue turns the page.
TEST_F(CupsPrintTest, LandscapeSheetLiesOnTheTurnedPage) {
    openLayout({QStringLiteral("設定,,,,,,,,,,No,,A5,,,,"),
                QStringLiteral("矩形,Yes,Yes,Yes,200,300,1200,700,,,,,,,0.1,clBlack,clBlack")});
    SheetSurface& surface = form->surface();
    ASSERT_EQ(cups.deviceSettings()->orientation, PaperOrientation::Landscape);
    trigger("Print1");
    const QString pdf = waitForPdf();
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << output.toStdString();
    const QImage page = pageImage(pdf);
    ASSERT_EQ(page.size(), QSize(1486, 2100)) << "an A5 portrait page";
    const QRect ink = inkBox(page);

    // The layout's x runs up or down the portrait page, its y across it.
    const bool xRunsUp = ink.center().y() > page.height() / 2;
    const QRect expected = xRunsUp ? QRect(QPoint(300, 2100 - 1200), QPoint(700, 2100 - 200))
                                   : QRect(QPoint(1480 - 700, 200), QPoint(1480 - 300, 1200));
    EXPECT_NEAR(ink.left(), expected.left(), 4);
    EXPECT_NEAR(ink.right(), expected.right(), 4);
    EXPECT_NEAR(ink.top(), expected.top(), 4);
    EXPECT_NEAR(ink.bottom(), expected.bottom(), 4);

    // Portrait margins in points: left 14, top 42, right 28, bottom 28. The landscape page's
    // left edge is the portrait paper's bottom edge when x runs up, its top edge otherwise; its
    // top edge the paper's left edge, or its right edge.
    auto pixels = [&](int points) { return int(std::lround(points / 72.0 * 600)); };
    EXPECT_EQ(surface.PrintOffsetX(), pixels(xRunsUp ? 28 : 42));
    EXPECT_EQ(surface.PrintOffsetY(), pixels(xRunsUp ? 14 : 28));
}

// A job that cannot start is an error that names the printer (here its spool file cannot be
// made: the temporary folder is a file).
TEST_F(CupsPrintTest, AJobThatCannotStartIsShownWithThePrinterName) {
    openLayout({QStringLiteral("矩形,Yes,Yes,Yes,200,200,1200,700,,,,,,,2,clBlack,clWhite")});
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    writeFile(QStringLiteral("file"), QStringLiteral("x"));
    const QByteArray tmp = qgetenv("TMPDIR");
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    trigger("Print1");
    if (tmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmp);
    EXPECT_EQ(dialogs.messages().last(), QStringLiteral("印刷を開始できません: ") + queue);
}

} // namespace
} // namespace lccd
