#include "layout/CalibrationSheet.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/QtPrinters.h"
#include "render/LcPrnPrev.h"
#include "render/ProductSheet.h"
#include "tests/render/PassFixture.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/ScriptedDialogs.h"

#include <QImage>
#include <QTemporaryDir>

#include <cmath>

namespace lccd {
namespace {

using test::PassTest;

// Two CD labels on A4, as the usual two-up sheets place them.
LabelProduct twoUpDiscs() {
    LabelProduct product;
    product.brand = QStringLiteral("Acme");
    product.part = QStringLiteral("CD2");
    product.paperId = QStringLiteral("A4");
    product.paperName = QStringLiteral("A4");
    product.sheetSize = QSizeF(210, 297);
    product.frame.shape = LabelShape::Disc;
    product.frame.radius = 58.5;
    product.frame.hole = 20.5;
    product.frame.size = QSizeF(117, 117);
    product.frame.grids = {{1, 2, 46.5, 21.5, 0, 137}};
    return product;
}

TPaperInfos paperTable() {
    return {{QStringLiteral("A4"), 9, 2100, 2970},
            {QStringLiteral("Letter"), 1, 2159, 2794},
            {QStringLiteral("A3"), 8, 2970, 4200},
            {QStringLiteral("官製ハガキ"), 43, 1000, 1480}};
}

struct PaperCase {
    QSizeF sheet;
    const char* paper;
    bool portrait;
    bool message;
};

TEST(ProductPaperTest, ThePrintersOwnPaperElseTheSmallestThatHoldsTheSheetElseTheNearest) {
    const PaperCase cases[] = {
        {{210, 297}, "A4", true, false},
        {{297, 210}, "A4", false, false},        // a landscape sheet
        {{215.9, 279.4}, "Letter", true, false}, // the database's inches
        {{210.6, 296.5}, "A4", true, false},     // within a millimetre
        {{135, 295}, "A4", true, true},          // a disc tray: the smallest paper it fits on
        {{500, 700}, "A3", true, true},          // larger than any: the nearest
        {{100, 148}, "官製ハガキ", true, false},
    };
    for (const PaperCase& c : cases) {
        LabelProduct product = twoUpDiscs();
        product.sheetSize = c.sheet;
        const ProductPaper paper = chooseProductPaper(product, paperTable());
        EXPECT_EQ(paper.paperName, QString::fromUtf8(c.paper)) << c.sheet.width();
        EXPECT_EQ(paper.portrait, c.portrait) << c.sheet.width();
        EXPECT_EQ(!paper.message.isEmpty(), c.message) << paper.message.toStdString();
    }
    EXPECT_TRUE(chooseProductPaper(twoUpDiscs(), {}).paperName.isEmpty());
}

TEST(ProductPaperTest, RowsAreTheSettingsRowAndTheGuides) {
    LabelProduct product = twoUpDiscs();
    product.paperId = QStringLiteral("Other");
    product.paperName = QStringLiteral("135.0 × 295.0 mm");
    product.sheetSize = QSizeF(135, 295);
    const ProductSheet sheet = productSheetRows(product, paperTable());
    ASSERT_EQ(sheet.rows.size(), 5);
    EXPECT_EQ(sheet.rows[0].toRowLine(), QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,"));
    EXPECT_EQ(
        sheet.message,
        QStringLiteral("プリンターに 135.0 × 295.0 mm の用紙がないため、近い A4 を選びました。"));
    for (qsizetype i = 1; i < sheet.rows.size(); ++i) {
        EXPECT_EQ(sheet.rows[i].field(Field::Screen), QStringLiteral("Yes"));
        EXPECT_EQ(sheet.rows[i].field(Field::Print), QStringLiteral("No"));
    }
    EXPECT_EQ(productSheetRows(product, {}).rows.size(), 4); // guides only
}

// Only label guides show on screen without printing: any other row with its print flag off
// stays out of the preview too, as layouts have always had it.
TEST_F(PassTest, GuidesAloneDrawIntoTheScreenOnlyLayer) {
    surface.NewPage();
    pass.DrawLayoutItem(
        QStringLiteral("矩形,Yes,No,Yes,0,0,100,100,,円,,,ガイド 1,,1,clBlue,clWhite"), inputs);
    pass.DrawLayoutItem(
        QStringLiteral("矩形,yes,,Yes,0,0,100,100,,円,,,ガイド 2,,1,clBlue,clWhite"), inputs);
    pass.DrawLayoutItem(
        QStringLiteral("矩形,No,No,Yes,0,0,100,100,,円,,,ガイド 3,,1,clRed,clWhite"), inputs);
    pass.DrawLayoutItem(QStringLiteral("矩形,Yes,No,Yes,0,0,100,100,,矩形,,,,,1,clRed,clWhite"),
                        inputs);
    pass.DrawLayoutItem(QStringLiteral("罫線,Yes,No,Yes,0,0,100,100,,,,,ガイド,,1,clRed,clWhite"),
                        inputs);
    pass.DrawLayoutItem(
        QStringLiteral("矩形,Yes,Yes,Yes,0,0,100,100,,円,,,ガイド 4,,1,clBlack,clWhite"), inputs);
    pass.DrawLayoutItem(QStringLiteral("罫線,Yes,Yes,Yes,0,0,100,100,,,,,,,1,clBlack,clWhite"),
                        inputs);
    surface.EndPage();
    const PagePicture& page = *surface.currentPage();
    EXPECT_EQ(page.primitives().size(), 2u);
    ASSERT_EQ(page.screenOnlyPrimitives().size(), 2u);
    for (const Primitive& drawn : page.screenOnlyPrimitives())
        EXPECT_EQ(std::get<primitive::Shape>(drawn).pen.color, QColor(Qt::blue));
}

int countPixels(const QImage& image, const std::function<bool(QColor)>& matches) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += matches(image.pixelColor(x, y)) ? 1 : 0;
    return count;
}

// The guides' sky blue, also where a line thinner than a pixel only tints it.
bool guideBlue(QColor color) {
    return color.blue() - color.red() > 40;
}

bool dark(QColor color) {
    return color.lightness() < 100;
}

TEST(GuideRowsTest, ShowInThePreviewAndNotInThePdfPrintersOutput) {
    if (!test::toolInstalled(QStringLiteral("pdftoppm")))
        GTEST_SKIP() << "poppler-utils (pdftoppm) is not installed";
    QtPrinterSystem system;
    QtFontSystem fonts;
    system.setCurrentIndex(int(system.printerNames().indexOf(PdfPrinter::printerName())));
    QTemporaryDir dir;
    test::ScriptedDialogs dialogs;
    dialogs.answerFile(dir.filePath(QStringLiteral("sheet")));

    SheetSurface surface(system, fonts);
    TLcPrnPrev previewControl(surface);
    PrinterInfo info;
    surface.GetPrinterInfo(info);
    SheetInputs inputs;
    inputs.paperNames = info.paperNames;
    inputs.selectedPaperIndex = 0;
    inputs.printerDpiX = info.dpiX;
    LayoutList list;
    for (const LayoutItem& row : productSheetRows(twoUpDiscs(), surface.paperInfos()).rows)
        list.append(row);
    // A printed frame beside the guides, so that the PDF is known to hold the page.
    list.append(LayoutItem::fromRowLine(
        QStringLiteral("矩形,Yes,Yes,Yes,100,100,2000,2870,,矩形,No,,,,2,clBlack,clWhite")));
    previewControl.setZoomScale(50);
    LayoutDrawingPass pass(surface);
    pass.RedrawLayout(list, false, inputs);

    const QImage preview = previewControl.grab().toImage();
    // Both rims and holes: about 2 × 2π × (58.5 + 20.5) mm of outline at 50 % zoom.
    EXPECT_GT(countPixels(preview, guideBlue), 1000);
    // The first rim's leftmost point, 46.5 mm from the paper's left edge, 80 mm down.
    const double scale = previewControl.screenScale() * 600 / 25.4;
    const QPoint rim(10 + int(std::lround(46.5 * scale)), 10 + int(std::lround(80 * scale)));
    bool rimSeen = false;
    for (int dx = -2; dx <= 2; ++dx)
        rimSeen = rimSeen || guideBlue(preview.pixelColor(rim + QPoint(dx, 0)));
    EXPECT_TRUE(rimSeen);

    ASSERT_TRUE(surface.PrintPages());
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));
    test::runTool(QStringLiteral("pdftoppm"),
                  {QStringLiteral("-r"), QStringLiteral("50"), QStringLiteral("-png"),
                   QStringLiteral("-singlefile"), pdf, dir.filePath(QStringLiteral("page"))});
    const QImage printed(dir.filePath(QStringLiteral("page.png")));
    ASSERT_FALSE(printed.isNull());
    EXPECT_GT(countPixels(printed, dark), 500);
    EXPECT_EQ(countPixels(printed, guideBlue), 0);
}

// The centre cross of a calibration sheet drawn on the fake 600-dpi printer, in page pixels
// (from the paper's top-left corner): the middle of its vertical line, the only one 30 mm long.
QPoint centreCross(const PagePicture& page) {
    for (const Primitive& drawn : page.primitives()) {
        const auto* line = std::get_if<primitive::Line>(&drawn);
        if (line && line->from.x() == line->to.x() &&
            std::abs(line->to.y() - line->from.y()) > 700 &&
            std::abs(line->to.y() - line->from.y()) < 720)
            return (line->from + line->to) / 2 + page.printableOrigin();
    }
    return {-1, -1};
}

TEST_F(PassTest, CalibrationCentreCrossSitsOnThePaperCentreAndFollowsTheOffsets) {
    for (const char* paper : {"A4", "Letter"}) {
        SCOPED_TRACE(paper);
        surface.SelectPaper(QString::fromUtf8(paper), PaperOrientation::Portrait);
        const SheetSurface::FoundPaper found = surface.FindPaper(QString::fromUtf8(paper));
        ASSERT_TRUE(found.size);
        const QSize physical(printers.deviceCaps().physicalWidth,
                             printers.deviceCaps().physicalHeight);
        LayoutList rows;
        for (const LayoutItem& row : calibrationSheetRows(*found.size, 0, 0))
            rows.append(row);

        inputs.correctionX = 0;
        inputs.correctionY = 0;
        pass.RedrawLayout(rows, false, inputs);
        const QPoint centre = centreCross(*surface.currentPage());
        EXPECT_LE(std::abs(2 * centre.x() - physical.width()), 2) << centre.x();
        EXPECT_LE(std::abs(2 * centre.y() - physical.height()), 2) << centre.y();

        inputs.correctionX = 20;
        inputs.correctionY = -15;
        pass.RedrawLayout(rows, false, inputs);
        const QPoint moved = centreCross(*surface.currentPage()) - centre;
        const double pixelsPerMm = 600 / 25.4;
        // Both ends of the move are rounded to whole pixels.
        EXPECT_LE(std::abs(moved.x() - 2.0 * pixelsPerMm), 1) << moved.x();
        EXPECT_LE(std::abs(moved.y() + 1.5 * pixelsPerMm), 1) << moved.y();
    }
}

TEST(CalibrationSheetTest, CrossesSitTwentyMillimetresInAndTheInstructionNamesTheOffsets) {
    const QList<LayoutItem> rows = calibrationSheetRows(QSize(1000, 1480), 20, -15);
    QList<QPoint> crossings;
    QStringList texts;
    for (const LayoutItem& row : rows) {
        if (row.field(Field::Id) == QStringLiteral("文字"))
            texts.append(row.field(Field::Value));
        EXPECT_EQ(row.field(Field::Print), QStringLiteral("Yes"));
    }
    // the first ten rows are the corner crosses and the centre cross, two lines each
    for (int i = 0; i < 10; i += 2) {
        const LayoutItem& across = rows[i];
        crossings.append(
            QPoint((across.field(Field::Left).toInt() + across.field(Field::Width).toInt()) / 2,
                   across.field(Field::Top).toInt()));
    }
    EXPECT_EQ(crossings,
              (QList<QPoint>{{200, 200}, {200, 1280}, {800, 200}, {800, 1280}, {500, 740}}));
    EXPECT_TRUE(texts.contains(QStringLiteral("20")));  // ruler numbers
    EXPECT_TRUE(texts.contains(QStringLiteral("130"))); // 130 mm down the long side
    const QString instruction = texts.filter(QStringLiteral("印刷位置調整シート")).value(0);
    EXPECT_TRUE(instruction.contains(QStringLiteral("補横 +20・補縦 -15")))
        << instruction.toStdString();
    EXPECT_TRUE(texts.join(QString()).contains(QStringLiteral("50.0 mm（横）・74.0 mm（縦）")));
}

} // namespace
} // namespace lccd
