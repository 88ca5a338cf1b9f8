#include "render/LcPrnPrev.h"

#include "common/Rounding.h"
#include "platform/AppError.h"
#include "tests/support/FakeFonts.h"
#include "tests/support/FakePrinters.h"
#include "tests/support/StrictServices.h"

#include <QImage>
#include <QPixmap>

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
                ::testing::HasSubstr("unexpected use of the fonts"));
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
    TLcPrnPrev preview(printers, fonts);
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
    TLcPrnPrev preview(printers, fonts);
    ASSERT_EQ(preview.logicalDpiY(), 96);
    preview.setZoomScale(100);
    preview.ClearPreview();
    EXPECT_DOUBLE_EQ(preview.screenScale(), 0.16);
    // A4 is 4961 printer pixels wide: 794 on screen, plus a margin of 10 on each side.
    EXPECT_EQ(preview.width(), 814);
    EXPECT_EQ(preview.height(), RoundHalfEven(0.16 * 7016) + 20);
}

// The preview fits the whole page into the printable frame: at each zoom a square drawn from
// 50 mm to 100 mm shows where the frame's scale puts it, and not beside it.
TEST_F(SurfaceTest, PreviewFitsThePageIntoThePrintableFrameAtEveryZoom) {
    TLcPrnPrev preview(printers, fonts);
    SheetSurface& surface = preview.sheet();
    surface.NewPage();
    surface.pageCanvas()->setPenColor(Qt::blue);
    surface.pageCanvas()->setBrushColor(Qt::blue);
    surface.Rectangle(500, 500, 1000, 1000);
    surface.EndPage();
    for (int zoom : {50, 100}) {
        preview.setZoomScale(zoom);
        const QImage shown = preview.grab().toImage();
        const double s = preview.screenScale();
        // printer pixels of the page as screen pixels of the frame: the frame is the printable
        // area (4760 × 6814 pixels) on screen, the page its physical size (4961 × 7016)
        const double fitX = RoundHalfEven(s * 4760) / 4961.0;
        const double fitY = RoundHalfEven(s * 6814) / 7016.0;
        const QPointF frame(10 + RoundHalfEven(s * 100), 10 + RoundHalfEven(s * 100));
        auto at = [&](int layoutX, int layoutY) {
            const QPointF device(surface.ToDeviceX(layoutX) - 100,
                                 surface.ToDeviceY(layoutY) - 100);
            return shown.pixelColor(
                (frame + QPointF(device.x() * fitX, device.y() * fitY)).toPoint());
        };
        EXPECT_EQ(at(750, 750), QColor(Qt::blue)) << zoom;
        EXPECT_EQ(at(520, 980), QColor(Qt::blue)) << zoom;
        EXPECT_EQ(at(980, 520), QColor(Qt::blue)) << zoom;
        EXPECT_EQ(at(470, 750), QColor(Qt::white)) << zoom;
        EXPECT_EQ(at(1040, 750), QColor(Qt::white)) << zoom;
        EXPECT_EQ(at(750, 1040), QColor(Qt::white)) << zoom;
    }
}

// "プレビュー・クリア" paints the empty sheet once; the next paint (here a zoom) shows the page.
TEST_F(SurfaceTest, ClearedPreviewShowsThePageAgainAtTheNextPaint) {
    TLcPrnPrev preview(printers, fonts);
    SheetSurface& surface = preview.sheet();
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
