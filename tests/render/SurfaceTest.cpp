#include "render/LcPrnPrev.h"

#include "common/Rounding.h"
#include "platform/AppError.h"
#include "render/PageExport.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FakeFonts.h"
#include "tests/support/FakePrinters.h"
#include "tests/support/StrictServices.h"

#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>

#include <gmock/gmock.h>
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace lccd {
namespace {

class SurfaceTest : public ::testing::Test {
protected:
    test::FakePrinters printers;
    test::FakeFonts fonts;
};

// A test that gives the surface no fonts of its own draws with strict ones, which fail it, instead
// of measuring text with whatever fonts the desktop has.
TEST(StrictServicesTest, AServiceTheTestDidNotGiveFailsIt) {
    test::FakePrinters printers;
    const Services services = test::TestServices().with(printers).services();
    SheetSurface surface(services.printers, services.fonts);
    surface.NewPage();
    ::testing::TestPartResultArray failures;
    {
        const ::testing::ScopedFakeTestPartResultReporter intercept(&failures);
        surface.DrawString(0, 0, 0, false, 0, 0, QStringLiteral("A"));
    }
    ASSERT_GT(failures.size(), 0);
    EXPECT_THAT(failures.GetTestPartResult(0).message(),
                ::testing::HasSubstr("Uninteresting mock function call"));
}

TEST_F(SurfaceTest, ToDeviceRoundsHalvesToEven) {
    SheetSurface surface(printers, fonts);
    EXPECT_EQ(surface.ToDeviceX(100), 236);
    EXPECT_EQ(surface.ToDeviceX(127), 300);
    EXPECT_EQ(surface.ToDeviceY(2970), 7016);
    surface.MapMode = TPrevMapModes::pmmLo;
    EXPECT_EQ(surface.ToDeviceX(10), 236);

    printers.dpi = 127; // v × 127 ÷ 254 is v ÷ 2: odd values end in .5
    SheetSurface halves(printers, fonts);
    EXPECT_EQ(halves.ToDeviceX(1), 0);
    EXPECT_EQ(halves.ToDeviceX(3), 2);
    EXPECT_EQ(halves.ToDeviceX(5), 2);
    EXPECT_EQ(halves.ToDeviceY(-3), -2);
}

TEST_F(SurfaceTest, FarAwayCoordinatesDoNotWrapAround) {
    SheetSurface surface(printers, fonts);
    EXPECT_GT(surface.ToDeviceX(2000000000), 1000000000);
    EXPECT_LT(surface.ToDeviceX(-2000000000), -1000000000);
}

TEST_F(SurfaceTest, ZoomAcceptsOnly25To200) {
    SheetSurface surface(printers, fonts);
    TLcPrnPrev preview(surface);
    EXPECT_EQ(preview.ZoomScale(), 25);
    preview.setZoomScale(24);
    EXPECT_EQ(preview.ZoomScale(), 25);
    preview.setZoomScale(201);
    EXPECT_EQ(preview.ZoomScale(), 25);
    preview.setZoomScale(200);
    EXPECT_EQ(preview.ZoomScale(), 200);
    preview.setZoomScale(25);
    EXPECT_EQ(preview.ZoomScale(), 25);
}

TEST_F(SurfaceTest, ScreenGeometryFollowsZoomAndScreenResolution) {
    SheetSurface surface(printers, fonts);
    TLcPrnPrev preview(surface);
    ASSERT_EQ(preview.logicalDpiY(), 96);
    preview.setZoomScale(100);
    preview.ClearPreview();
    EXPECT_DOUBLE_EQ(preview.screenScale(), 0.16);
    // A4 is 4961 printer pixels wide: 794 on screen, plus a margin of 10 on each side.
    EXPECT_EQ(preview.width(), 814);
    EXPECT_EQ(preview.height(), RoundHalfEven(0.16 * 7016) + 20);
}

// The box of the blue pixels of an image.
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

// The preview draws the page at print scale, whatever the printer's margins: at 100 % on a
// 96-dpi screen a box from 10 to 200 mm shows from 37.8 to 755.9 pixels past the paper's
// corner, as pdftoppm shows the same page's PDF at 96 dpi.
TEST_F(SurfaceTest, PreviewShowsThePageWhereThePrintPutsIt) {
    if (!test::toolInstalled(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
    struct Case {
        QMargins margins; // portrait left, top, right, bottom, printer pixels
        int orientation;
    };
    const Case cases[] = {
        {{100, 100, 101, 102}, PaperOrientation::Portrait},
        {{60, 250, 140, 90}, PaperOrientation::Portrait},
        {{60, 250, 140, 90}, PaperOrientation::Landscape},
        {{0, 0, 0, 0}, PaperOrientation::Landscape},
    };
    const double expectedFrom = 100 * 96 / 254.0;
    const double expectedTo = 2000 * 96 / 254.0;
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.margins.left() << "," << c.margins.top() << " " << c.orientation);
        printers.margins = c.margins;
        printers.settings.orientation = c.orientation;
        SheetSurface surface(printers, fonts);
        TLcPrnPrev preview(surface);
        surface.NewPage();
        surface.pageCanvas()->setPenColor(Qt::blue);
        surface.pageCanvas()->setBrushColor(Qt::blue);
        surface.Rectangle(100, 100, 2000, 2000);
        surface.EndPage();
        preview.setZoomScale(100);
        const QRect shown = blueBox(preview.grab().toImage()).translated(-10, -10);
        EXPECT_NEAR(shown.left(), expectedFrom, 1);
        EXPECT_NEAR(shown.top(), expectedFrom, 1);
        EXPECT_NEAR(shown.right() + 1, expectedTo, 1);
        EXPECT_NEAR(shown.bottom() + 1, expectedTo, 1);

        const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
        exportPagePdf(*surface.currentPage(), pdf);
        test::runTool(QStringLiteral("pdftoppm"),
                      {QStringLiteral("-r"), QStringLiteral("96"), QStringLiteral("-png"),
                       QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
        const QRect printed = blueBox(QImage(dir.filePath(QStringLiteral("page.png"))));
        ASSERT_FALSE(printed.isEmpty());
        EXPECT_NEAR(shown.left(), printed.left(), 1);
        EXPECT_NEAR(shown.top(), printed.top(), 1);
        EXPECT_NEAR(shown.right(), printed.right(), 1);
        EXPECT_NEAR(shown.bottom(), printed.bottom(), 1);
    }
}

// "プレビュー・クリア" paints the empty sheet once; the next paint (here a zoom) shows the page.
TEST_F(SurfaceTest, ClearedPreviewShowsThePageAgainAtTheNextPaint) {
    SheetSurface surface(printers, fonts);
    TLcPrnPrev preview(surface);
    surface.NewPage();
    surface.pageCanvas()->setBrushColor(Qt::blue);
    surface.Rectangle(0, 0, 3000, 3000);
    surface.EndPage();
    preview.setZoomScale(100);
    preview.ClearPreview();
    preview.setZoomScale(50);
    EXPECT_EQ(preview.grab().toImage().pixelColor(60, 60), QColor(Qt::blue));
}

TEST_F(SurfaceTest, PrinterInfoAndShortNames) {
    SheetSurface surface(printers, fonts);
    PrinterInfo info;
    EXPECT_EQ(surface.GetPrinterInfo(info), 0);
    EXPECT_EQ(info.printerName, QStringLiteral("Office.Laser"));
    EXPECT_EQ(info.shortName, QStringLiteral("Office"));
    EXPECT_EQ(info.paperNames.size(), 5);
    EXPECT_EQ(info.currentPaperName, QStringLiteral("A4"));
    EXPECT_EQ(info.paperWidth, 2100);
    EXPECT_EQ(info.printableWidth, 4760);
    EXPECT_EQ(info.printableHeight, 6814);
    EXPECT_EQ(info.offsetX, 100);
    EXPECT_TRUE(info.portrait);

    printers.settings.paperCode = 13;
    EXPECT_EQ(surface.GetPrinterInfo(info), 2);
    EXPECT_EQ(info.currentPaperName, QStringLiteral("B5 (JIS)"));

    EXPECT_EQ(shortPrinterName(QStringLiteral("\\\\server\\label")), QStringLiteral("label"));
    EXPECT_EQ(shortPrinterName(QStringLiteral("cups-pdf")), QString());
}

TEST_F(SurfaceTest, DriverWithoutPapersOrWithMismatchedLists) {
    SheetSurface surface(printers, fonts);
    PrinterInfo info;
    ASSERT_EQ(surface.GetPrinterInfo(info), 0);

    printers.papers = {};
    EXPECT_EQ(surface.GetPrinterInfo(info), 0);
    EXPECT_TRUE(surface.paperInfos().isEmpty());
    EXPECT_TRUE(info.paperNames.isEmpty());

    printers.papers.names = {QStringLiteral("A4")};
    try {
        surface.GetPrinterInfo(info);
        FAIL() << "no error for a driver with more names than codes";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(),
                  QStringLiteral(
                      "DeviceCapabilities reports different number of papers and paper-names"));
    }
    printers.papers.codes = {9}; // but no size
    EXPECT_THROW(surface.GetPrinterInfo(info), AppError);
}

// A driver's paper name field holds 63 bytes: longer names are cut there, between characters.
TEST_F(SurfaceTest, PaperNamesAreCutAt63Bytes) {
    const QString longName = QStringLiteral("ハガキ").repeated(12); // 36 characters, 72 bytes
    printers.papers.names[1] = longName;
    printers.papers.names[2] = QStringLiteral("x").repeated(70);
    SheetSurface surface(printers, fonts);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    EXPECT_EQ(info.paperNames[1], longName.left(31));
    EXPECT_EQ(info.paperNames[2], QStringLiteral("x").repeated(63));
}

TEST_F(SurfaceTest, SelectPaperByNameWithOrientation) {
    SheetSurface surface(printers, fonts);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    surface.SelectPaper(QStringLiteral("A5"), PaperOrientation::Landscape);
    EXPECT_EQ(printers.settings.paperCode, 11);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Landscape);
    surface.SelectPaper(QStringLiteral("No such paper"), PaperOrientation::Portrait);
    EXPECT_EQ(printers.settings.paperCode, 9);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Portrait);

    printers.settingsAvailable = false;
    surface.SelectPaper(QStringLiteral("A5"), PaperOrientation::Landscape);
    EXPECT_EQ(printers.settings.paperCode, 9);
    bool portrait = false;
    EXPECT_EQ(surface.ReadCurrentPaper(portrait), 9);
    EXPECT_FALSE(portrait);
}

TEST_F(SurfaceTest, PrintsOnlyARecordedPage) {
    SheetSurface surface(printers, fonts);
    surface.PrintPages();
    EXPECT_TRUE(printers.jobs.isEmpty());

    surface.NewPage();
    surface.Rectangle(100, 100, 200, 200);
    surface.EndPage();
    surface.PrintPages(3);
    ASSERT_EQ(printers.jobs.size(), 1);
    EXPECT_EQ(printers.jobs[0].copies, 3);
    EXPECT_EQ(printers.jobs[0].pages.size(), 1);
}

TEST_F(SurfaceTest, NoPrinterKeepsGeometryAndRefusesToRecord) {
    printers.removeAllPrinters();
    SheetSurface surface(printers, fonts);
    EXPECT_FALSE(surface.HasPrinter());
    PrinterInfo info;
    EXPECT_EQ(surface.GetPrinterInfo(info), -1);
    EXPECT_THROW(surface.NewPage(), AppError);
    surface.PrintPages();
    EXPECT_TRUE(printers.jobs.isEmpty());
}

} // namespace
} // namespace lccd
