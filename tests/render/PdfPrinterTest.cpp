#include "render/LcPrnPrev.h"

#include "platform/AppError.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace lccd {
namespace {

using test::runTool;

TEST(PdfPrinterTest, WritesTheSelectedPaperWithShapesWhereTheLayoutPutsThem) {
    if (!test::toolInstalled(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils (pdfinfo, pdftoppm) is not installed";
    QtPrinterSystem system;
    QtFontSystem fonts;
    system.setCurrentIndex(int(system.printerNames().size()) - 1);
    ASSERT_EQ(system.printerNames().last(), PdfPrinter::printerName());

    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    dialogs.answerFile(dir.filePath(QStringLiteral("sheet")));

    SheetSurface surface(system, fonts);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    EXPECT_EQ(info.currentPaperName, QStringLiteral("A4"));
    EXPECT_EQ(info.dpiX, 600);
    EXPECT_EQ(info.offsetX, 0);
    surface.SelectPaper(QStringLiteral("A5"), PaperOrientation::Portrait);

    surface.NewPage();
    surface.pageCanvas()->setPenWidth(12);
    surface.pageCanvas()->setBrushClear();
    surface.Rectangle(100, 100, 1100, 600);
    surface.EndPage();
    surface.PrintPages();

    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    ASSERT_TRUE(QFile::exists(pdf));
    const QString pdfInfo = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(pdfInfo.contains(QLatin1String("(A5)"))) << pdfInfo.toStdString();

    // At 254 dpi one pixel is 0.1 mm: the outline runs along x = 100 and y = 100.
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    // PDF page sizes are whole points: 420 × 595 for A5
    EXPECT_NEAR(page.width(), 1480, 3);
    EXPECT_NEAR(page.height(), 2100, 3);
    auto dark = [&](int x, int y) { return page.pixelColor(x, y).lightness() < 128; };
    EXPECT_TRUE(dark(100, 300));
    EXPECT_TRUE(dark(600, 100));
    EXPECT_TRUE(dark(1100, 300));
    EXPECT_FALSE(dark(90, 300));
    EXPECT_FALSE(dark(110, 300));
    EXPECT_FALSE(dark(600, 300));
}

// A job that cannot start (here: its draft cannot be made, the temporary folder being a file)
// is an error that names the printer, not a silent nothing; the user's cancel stays silent.
TEST(PdfPrinterTest, AJobThatCannotStartSaysSo) {
    QtPrinterSystem system;
    QtFontSystem fonts;
    system.setCurrentIndex(int(system.printerNames().size()) - 1);
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    SheetSurface surface(system, fonts);
    surface.NewPage();
    surface.Rectangle(100, 100, 200, 200);
    surface.EndPage();

    EXPECT_FALSE(surface.PrintPages()); // the file dialog cancelled

    dialogs.answerFile(dir.filePath(QStringLiteral("sheet.pdf")));
    const QByteArray tmp = qgetenv("TMPDIR");
    const QString notAFolder = dir.filePath(QStringLiteral("file"));
    QFile(notAFolder).open(QIODevice::WriteOnly);
    qputenv("TMPDIR", notAFolder.toLocal8Bit());
    try {
        surface.PrintPages();
        ADD_FAILURE() << "no error";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), QStringLiteral("印刷を開始できません: PDF出力"));
    }
    if (tmp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", tmp);
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("sheet.pdf"))));
}

// The box of the blue pixels of an image (the paper's outline and frame are black).
QRect blueBox(const QImage& image) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 128 && c.red() < 128)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

// Through the cups-pdf queue that ./test.sh sets up, whose A4 paper has unequal margins (14,
// 42, 28 and 28 points on the left, top, right and bottom): the preview at 100 % shows a box
// from 10 to 200 mm where pdftoppm shows the printed PDF at the screen's 96 dpi.
TEST(PdfPrinterTest, PreviewAgreesWithWhatTheQueuePrints) {
    const QString queue = qEnvironmentVariable("LCCD_TEST_CUPS_QUEUE");
    const QString output = qEnvironmentVariable("LCCD_TEST_CUPS_OUTPUT");
    if (queue.isEmpty() || output.isEmpty())
        GTEST_SKIP() << "no CUPS test queue: ./test.sh starts one when it runs as root";
    QtPrinterSystem system;
    QtFontSystem fonts;
    const int index = int(system.printerNames().indexOf(queue));
    ASSERT_GE(index, 0) << "queue not listed by Qt";
    system.setCurrentIndex(index);
    SheetSurface surface(system, fonts);
    TLcPrnPrev preview(surface);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    surface.SelectPaper(QStringLiteral("A4"), PaperOrientation::Portrait);
    ASSERT_GT(surface.device().offsetY, surface.device().offsetX) << "unequal margins";

    surface.NewPage();
    surface.pageCanvas()->setPenColor(Qt::blue);
    surface.pageCanvas()->setBrushColor(Qt::blue);
    surface.Rectangle(100, 100, 2000, 2000);
    surface.EndPage();
    preview.setZoomScale(100);
    // the paper's corner lies at (10, 10)
    const QRect onScreen = blueBox(preview.grab().toImage()).translated(-10, -10);

    surface.Title = QStringLiteral("PreviewAgreesWithWhatTheQueuePrints");
    ASSERT_TRUE(surface.PrintPages());
    QString pdf;
    QElapsedTimer clock;
    clock.start();
    while (pdf.isEmpty() && clock.elapsed() < 60000) {
        const QStringList pdfs = QDir(output).entryList({surface.Title + QStringLiteral("*.pdf")});
        if (!pdfs.isEmpty()) {
            QThread::msleep(500); // let the backend finish writing
            pdf = QDir(output).filePath(pdfs.first());
        }
        QThread::msleep(200);
    }
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << output.toStdString();
    QTemporaryDir dir;
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
             QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    const QRect printed = blueBox(page);
    EXPECT_NEAR(onScreen.left(), printed.left(), 1);
    EXPECT_NEAR(onScreen.top(), printed.top(), 1);
    EXPECT_NEAR(onScreen.right(), printed.right(), 1);
    EXPECT_NEAR(onScreen.bottom(), printed.bottom(), 1);
    EXPECT_NEAR(printed.right() + 1, 2000 * 96 / 254.0, 1); // 200 mm
}

} // namespace
} // namespace lccd
