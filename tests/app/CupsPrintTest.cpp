#include "tests/app/MainWindowFixture.h"

#include "platform/QtPrinters.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QRegularExpression>
#include <QSpinBox>
#include <QThread>

namespace lccd {
namespace {

using test::runTool;
using CupsPrintTest = test::MainWindowTest;

QString waitForPdf(const QString& folder) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 60000) {
        const QStringList pdfs = QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (!pdfs.isEmpty()) {
            QThread::msleep(500); // let the backend finish writing
            return QDir(folder).filePath(pdfs.first());
        }
        QThread::msleep(200);
    }
    return QString();
}

// Prints a layout through Qt's CUPS support to a cups-pdf queue that ./test.sh sets up.
TEST_F(CupsPrintTest, PrintsInCopiesThroughQtAndCups) {
    const QString queue = qEnvironmentVariable("LCCD_TEST_CUPS_QUEUE");
    const QString output = qEnvironmentVariable("LCCD_TEST_CUPS_OUTPUT");
    if (queue.isEmpty() || output.isEmpty())
        GTEST_SKIP() << "no CUPS test queue: ./test.sh starts cupsd with a cups-pdf queue when it "
                        "runs as root with cups installed";
    QtPrinterSystem cups;
    Service<PrinterSystem>::Override use(cups);
    const int index = int(cups.printerNames().indexOf(queue));
    ASSERT_GE(index, 0) << "queue not listed by Qt";
    cups.setCurrentIndex(index);

    const QString layout =
        writeLayout(QStringLiteral("cups.csv"),
                    {QStringLiteral("設定,,,,,,,,,,Yes,,A5,,,,"),
                     QStringLiteral("矩形,Yes,Yes,Yes,200,200,1200,700,,,,,,,2,clBlack,clWhite")});
    open();
    form->setCurrentLayoutPath(layout);
    trigger("CSVO1");
    form->RefreshPrinterInfo();
    form->RedrawLayout(false);
    child<QSpinBox>("spnMaisu")->setValue(2);
    trigger("Print1");

    const QString pdf = waitForPdf(output);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF arrived in " << output.toStdString();
    const QString info = runTool(QStringLiteral("pdfinfo"), {pdf});
    EXPECT_TRUE(info.contains(QLatin1String("A5"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2"))))
        << info.toStdString();

    // At 254 dpi a pixel is 0.1 mm: the rectangle's left edge lies at x = 200.
    runTool(QStringLiteral("pdftoppm"),
            {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-png"),
             QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-singlefile"), pdf,
             dir.filePath(QStringLiteral("page"))});
    const QImage page(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(page.isNull());
    auto dark = [&](int x, int y) { return page.pixelColor(x, y).lightness() < 128; };
    EXPECT_TRUE(dark(200, 450) || dark(201, 450) || dark(199, 450));
    EXPECT_FALSE(dark(190, 450));
    EXPECT_FALSE(dark(700, 450));
}

} // namespace
} // namespace lccd
