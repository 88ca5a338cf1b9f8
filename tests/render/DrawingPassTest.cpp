#include "tests/render/PassFixture.h"

#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "render/LcPrnPrev.h"
#include "render/PaperMatch.h"
#include "render/RowFile.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <functional>

namespace lccd {
namespace {

using test::PassTest;

const primitive::Shape& shapeAt(const std::vector<Primitive>& page, size_t i) {
    return std::get<primitive::Shape>(page.at(i));
}

TEST_F(PassTest, RectangleCornersAreCoordinatesNotSizes) {
    const auto& page =
        draw({QStringLiteral("矩形,Yes,Yes,Yes,100,100,120,100,,,,,,実線,1,clGray,clYellow")});
    ASSERT_EQ(page.size(), 1u);
    const primitive::Shape& shape = shapeAt(page, 0);
    EXPECT_EQ(shape.kind, primitive::Shape::Kind::Rectangle);
    // 100 -> 236 and 120 -> 283 printer pixels, less the printer's offset of 100
    EXPECT_EQ(shape.corner1, QPoint(136, 136));
    EXPECT_EQ(shape.corner2, QPoint(183, 136));
    EXPECT_EQ(shape.pen.color, QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(shape.pen.width, 8); // 1 point at 600 dpi
    EXPECT_EQ(shape.brush, (BrushSpec{QColor(0xFF, 0xFF, 0x00), false}));
}

TEST_F(PassTest, WhiteFillIsNoFillButOneShadeOffIsAFill) {
    const auto& page = draw({QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1,clRed,clWhite"),
                             QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1,clRed,$00FFFFFF"),
                             QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1,clRed,$00FEFFFF")});
    ASSERT_EQ(page.size(), 3u);
    EXPECT_TRUE(shapeAt(page, 0).brush.clear);
    EXPECT_TRUE(shapeAt(page, 1).brush.clear);
    EXPECT_FALSE(shapeAt(page, 2).brush.clear);
    EXPECT_EQ(shapeAt(page, 2).brush.color, QColor(0xFF, 0xFF, 0xFE));
}

TEST_F(PassTest, ShapeWordsAndCorrections) {
    inputs.correctionX = 10;
    inputs.correctionY = -10;
    const auto& page =
        draw({QStringLiteral("矩形,,Yes,,100,100,500,300,50,角丸,,,,,0.5,clNavy,clWhite"),
              QStringLiteral("矩形,,Yes,,100,100,500,300,,円,,,,,1,clNavy,clWhite"),
              QStringLiteral("矩形,,Yes,,100,100,500,300,,左寄せ,,,,,1,clNavy,clWhite")});
    ASSERT_EQ(page.size(), 3u);
    EXPECT_EQ(shapeAt(page, 0).kind, primitive::Shape::Kind::RoundRect);
    EXPECT_EQ(shapeAt(page, 0).cornerEllipse, QSize(118, 118)); // 5 mm at 600 dpi
    EXPECT_EQ(shapeAt(page, 0).corner1, QPoint(260 - 100, 213 - 100));
    EXPECT_EQ(shapeAt(page, 0).pen.width, 4);
    EXPECT_EQ(shapeAt(page, 1).kind, primitive::Shape::Kind::Ellipse);
    EXPECT_EQ(shapeAt(page, 2).kind, primitive::Shape::Kind::Rectangle);
}

TEST_F(PassTest, RuleLineRunsBetweenItsTwoPoints) {
    const auto& page =
        draw({QStringLiteral("罫線,Yes,Yes,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite")});
    ASSERT_EQ(page.size(), 1u);
    const auto& line = std::get<primitive::Line>(page[0]);
    EXPECT_EQ(line.from, QPoint(3661 - 100, 236 - 100));
    EXPECT_EQ(line.to, QPoint(945 - 100, 1181 - 100));
}

TEST_F(PassTest, PrintFlagGatesEveryRowButSettingsRows) {
    const auto& page =
        draw({QStringLiteral("罫線,Yes,No,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite"),
              QStringLiteral("罫線,Yes,,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite"),
              QStringLiteral("罫線,Yes,YES,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite"),
              QStringLiteral("コード,Yes,Yes,Yes,1,1,2,2,,,,,,,1,clGray,clWhite"),
              QStringLiteral("設定,,No,,,,,,,,No,,A5,,,,")});
    EXPECT_EQ(page.size(), 1u);
    EXPECT_EQ(printers.settings.paperCode, 11);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Landscape);
}

TEST_F(PassTest, SettingsRowSelectsPaperOnlyWhenSomethingChanges) {
    inputs.selectedPaperIndex = 0; // A4, portrait
    draw({QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,")});
    EXPECT_EQ(printers.settings.paperCode, 9);

    printers.settings.paperCode = 13; // changed behind the controls' back: nothing is done
    draw({QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,")});
    EXPECT_EQ(printers.settings.paperCode, 13);

    // a paper|title value matches no paper in the pass
    draw({QStringLiteral("設定,,,,,,,,,,No,,A5|My label,,,,")});
    EXPECT_EQ(printers.settings.paperCode, 13);

    draw({QStringLiteral("設定,,,,,,,,,,No,,ハガキ,,,,")});
    EXPECT_EQ(printers.settings.paperCode, 43);
    EXPECT_EQ(printers.settings.orientation, PaperOrientation::Landscape);
}

// Nothing is done only when both the paper and the orientation are already as the row asks.
TEST_F(PassTest, SettingsRowActsWhenEitherPaperOrOrientationDiffers) {
    struct Case {
        int selected;
        bool portrait;
        const char* row;
        int paperCode; // after the row, starting from code 13 with the other orientation
        int orientation;
    };
    const Case cases[] = {
        {0, true, "設定,,,,,,,,,,Yes,,A4,,,,", 13, PaperOrientation::Landscape}, // nothing
        {0, true, "設定,,,,,,,,,,No,,A4,,,,", 9, PaperOrientation::Landscape},   // orientation
        {1, true, "設定,,,,,,,,,,Yes,,A4,,,,", 9, PaperOrientation::Portrait},   // paper
        {1, false, "設定,,,,,,,,,,Yes,,A4,,,,", 9, PaperOrientation::Portrait},  // both
    };
    for (const Case& c : cases) {
        inputs.selectedPaperIndex = c.selected;
        inputs.portrait = c.portrait;
        printers.settings.paperCode = 13;
        printers.settings.orientation =
            c.portrait ? PaperOrientation::Landscape : PaperOrientation::Portrait;
        draw({QString::fromUtf8(c.row)});
        EXPECT_EQ(printers.settings.paperCode, c.paperCode) << c.row << c.selected;
        EXPECT_EQ(printers.settings.orientation, c.orientation) << c.row << c.selected;
    }
}

// Sizes in points become printer pixels rounded half away from zero: 1.5 points at 600 dpi are
// 12.5 pixels, so 13 (half to even would give 12); a negative font size is as large as the
// positive one.
class FixedFontsPassTest : public PassTest {
protected:
    FixedFontsPassTest() : PassTest(Fonts::Fixed) {}
};

TEST_F(FixedFontsPassTest, PointSizesRoundHalvesAwayAndNegativeFontSizesDraw) {
    const auto& page =
        draw({QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1.5,clRed,clWhite"),
              QStringLiteral("文字,,Yes,,0,0,500,50,,,,,A,ＭＳ ゴシック,1.5,,"),
              QStringLiteral("文字,,Yes,,0,0,500,50,,,,,A,ＭＳ ゴシック,-9,,"),
              QStringLiteral("バーコード,,Yes,,0,0,500,50,,,,,1,ＭＳ ゴシック,-9,,")});
    ASSERT_EQ(page.size(), 4u);
    EXPECT_EQ(shapeAt(page, 0).pen.width, 13);
    EXPECT_EQ(std::get<primitive::Text>(page[1]).pixelSize, 13);
    EXPECT_EQ(std::get<primitive::Text>(page[2]).pixelSize, 75);
    EXPECT_EQ(std::get<primitive::Text>(page[3]).pixelSize, 75);
}

// A relative image or paragraph path is the program folder's (where the item dialog stores
// files relative to), else the current folder's; a bare image name is the last project's first.
TEST_F(FixedFontsPassTest, RelativeFilesAreLookedForInTheProgramFolderThenTheCurrentFolder) {
    QTemporaryDir program;
    QTemporaryDir current;
    QTemporaryDir project;
    const QString previous = QDir::currentPath();
    QDir::setCurrent(current.path());
    QImage picture(4, 4, QImage::Format_RGB32);
    picture.fill(Qt::red);
    QDir(program.path()).mkpath(QStringLiteral("pics"));
    picture.save(program.filePath(QStringLiteral("pics/a.png")));
    picture.save(current.filePath(QStringLiteral("b.png")));
    picture.save(project.filePath(QStringLiteral("b.png")));
    picture.save(program.filePath(QStringLiteral("c.png")));
    writeFileAtomically(program.filePath(QStringLiteral("p.txt")), "program");
    writeFileAtomically(current.filePath(QStringLiteral("q.txt")), "current");
    inputs.programFolder = program.path();
    inputs.lastProject = project.path();

    auto imageRow = [](const char* path) {
        return QStringLiteral("画像,,Yes,,0,0,100,100,,,,,%1,,,,").arg(QString::fromUtf8(path));
    };
    auto paragraphRow = [](const char* path) {
        return QStringLiteral("文章,,Yes,,0,0,2000,200,,,,13.5,%1,ＭＳ 明朝,9,,")
            .arg(QString::fromUtf8(path));
    };
    EXPECT_EQ(draw({imageRow("pics/a.png")}).size(), 1u);
    EXPECT_EQ(draw({imageRow("b.png")}).size(), 1u);
    EXPECT_EQ(draw({imageRow("c.png")}).size(), 1u);
    EXPECT_EQ(draw({imageRow("missing.png")}).size(), 0u);
    draw({paragraphRow("p.txt")});
    EXPECT_EQ(recorder.workText, QStringLiteral("program"));
    draw({paragraphRow("q.txt")});
    EXPECT_EQ(recorder.workText, QStringLiteral("current"));
    QDir::setCurrent(previous);

    EXPECT_EQ(resolveRowFile(QStringLiteral("b.png"), {project.path(), program.path()}),
              project.filePath(QStringLiteral("b.png")));
    EXPECT_EQ(resolveRowFile(QStringLiteral("/abs/x.png"), {program.path()}),
              QStringLiteral("/abs/x.png"));
}

// A row that fails ends the pass with the page drawn so far, which the preview shows and the
// printer prints; the error goes on to the caller.
TEST_F(PassTest, FailingRowEndsThePageWithWhatWasDrawnBefore) {
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("damaged.bmp"));
    writeFileAtomically(damaged, "BM not a bitmap");
    LayoutList list;
    list.append(LayoutItem::fromRowLine(
        QStringLiteral("矩形,,Yes,,100,100,1000,1000,,,,,,,1,clRed,clRed")));
    list.append(
        LayoutItem::fromRowLine(QStringLiteral("画像,,Yes,,0,0,100,100,,,,,%1,,,,").arg(damaged)));
    list.append(
        LayoutItem::fromRowLine(QStringLiteral("矩形,,Yes,,0,0,50,50,,,,,,,1,clBlue,clBlue")));
    SheetSurface surface(printers, desktopFonts);
    TLcPrnPrev preview(surface);
    LayoutDrawingPass previewPass(surface, recorder);
    preview.setZoomScale(25);
    preview.ClearPreview();
    EXPECT_THROW(previewPass.RedrawLayout(list, false, inputs), AppError);
    EXPECT_EQ(surface.pageCanvas(), nullptr);
    EXPECT_EQ(surface.currentPage()->primitives().size(), 1u);
    EXPECT_EQ(recorder.previewShown, 1);
    // the red square from 10 mm to 100 mm shows
    const QImage shown = preview.grab().toImage();
    const QPoint inside =
        QPoint(10, 10) +
        QPointF(500 * 600 / 254.0 - 100, 500 * 600 / 254.0 - 100).toPoint() * preview.screenScale();
    EXPECT_EQ(shown.pixelColor(inside), QColor(Qt::red));
    surface.PrintPages();
    EXPECT_FALSE(printers.jobs.last().pages[0].boundingRect().isEmpty());
}

TEST_F(PassTest, RedrawLayoutSkipsSettingsRowsOnRequestAndShowsThePreview) {
    LayoutList list;
    list.append(LayoutItem::fromRowLine(QStringLiteral("設定,,,,,,,,,,No,,A5,,,,")));
    list.append(
        LayoutItem::fromRowLine(QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1,clRed,clWhite")));
    pass.RedrawLayout(list, true, inputs);
    EXPECT_EQ(printers.settings.paperCode, 9);
    EXPECT_EQ(surface.currentPage()->primitives().size(), 1u);
    EXPECT_EQ(recorder.previewShown, 1);
    EXPECT_EQ(recorder.papersSelected, 0);
    pass.RedrawLayout(list, false, inputs);
    EXPECT_EQ(printers.settings.paperCode, 11);
    EXPECT_EQ(recorder.papersSelected, 1);
}

// The window lets events through when a settings row selects its paper; whatever they do to
// the list, the pass draws the rows the list held when it started.
TEST_F(PassTest, APassDrawsTheRowsItStartedWithWhileTheListChanges) {
    LayoutList list;
    list.append(LayoutItem::fromRowLine(QStringLiteral("設定,,,,,,,,,,No,,A5,,,,")));
    for (int i = 0; i < 3; ++i)
        list.append(
            LayoutItem::fromRowLine(QStringLiteral("矩形,,Yes,,0,0,10,10,,,,,,,1,clRed,clWhite")));
    struct ListClearer : DrawingPassObserver {
        LayoutList* list = nullptr;
        void paperSelected() override { list->clear(); }
    } clearer;
    clearer.list = &list;
    LayoutDrawingPass clearingPass(surface, clearer);
    clearingPass.RedrawLayout(list, false, inputs);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(surface.currentPage()->primitives().size(), 3u);
}

TEST(FindPaperIndexTest, HalfWidthKanaAndThePostcardRule) {
    const QStringList papers{QStringLiteral("A4"), QStringLiteral("ﾊｶﾞｷ"),
                             QStringLiteral("官製ハガキ 100 x 148 mm"), QStringLiteral("往復ﾊｶﾞｷ")};
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("ハガキ")), 1);
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("100 x 148")), 2);
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("往復")), 3);
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("4")), 2); // in 官製ハガキ 100 x 148 mm
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("B5")), -1);
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("a4")), -1);
    EXPECT_EQ(FindPaperIndex(papers, QString()), -1);
    EXPECT_EQ(FindPaperIndex(papers, QStringLiteral("A4")), 0);
}

// The page of the given rows replayed on white paper at 150 dpi, read in millimetres from the
// paper's corner.
class ReplayedPassTest : public PassTest {
protected:
    std::function<QColor(double, double)> replayed(const QStringList& lines) {
        draw(lines);
        const PagePicture& page = *surface.currentPage();
        image = QImage(page.nominalSize() / 4, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(0.25, 0.25);
        painter.translate(surface.PrintOffsetX(), surface.PrintOffsetY()); // paper corner origin
        page.replay(painter);
        return [this](double xMm, double yMm) {
            return image.pixelColor(int(xMm / 25.4 * 150), int(yMm / 25.4 * 150));
        };
    }

    QImage image;
};

TEST_F(ReplayedPassTest, PageHasOutlineAndFillWhereTheRowPutsThem) {
    // 1 mm outline in red around a yellow box from (10 mm, 10 mm) to (60 mm, 40 mm)
    const auto at =
        replayed({QStringLiteral("矩形,,Yes,,100,100,600,400,,,,,,,2.83,clRed,clYellow")});
    EXPECT_EQ(at(10, 25), QColor(Qt::red));    // left edge
    EXPECT_EQ(at(35, 40), QColor(Qt::red));    // bottom edge
    EXPECT_EQ(at(35, 25), QColor(Qt::yellow)); // inside
    EXPECT_EQ(at(5, 25), QColor(Qt::white));   // outside
    EXPECT_EQ(at(65, 25), QColor(Qt::white));
}

// A color word of a row is painted in the red, green and blue its value holds low byte first.
TEST_F(ReplayedPassTest, ColorWordsGiveTheirRgbOnThePage) {
    const std::pair<const char*, QColor> kColors[] = {
        {"clOrange", QColor(0xFF, 0xA5, 0x00)},  {"clBeigu", QColor(0xF5, 0xF5, 0xDC)},
        {"PALEGREEN", QColor(0x98, 0xFB, 0x98)}, {"clNavy", QColor(0x00, 0x00, 0x80)},
        {"$00FF8000", QColor(0x00, 0x80, 0xFF)}, {"4227327", QColor(0xFF, 0x80, 0x40)}};
    for (const auto& [word, rgb] : kColors) {
        SCOPED_TRACE(word);
        const auto at = replayed({QStringLiteral("矩形,,Yes,,100,100,600,400,,,,,,,2.83,%1,%1")
                                      .arg(QLatin1String(word))});
        EXPECT_EQ(at(10, 25), rgb); // outline
        EXPECT_EQ(at(35, 25), rgb); // fill
    }
}

} // namespace
} // namespace lccd
