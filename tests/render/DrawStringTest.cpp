#include "tests/render/PassFixture.h"

#include "tests/support/FakeFonts.h"

namespace lccd {
namespace {

// At 254 dpi without margins one layout unit is one printer pixel.
class DrawStringTest : public ::testing::Test {
protected:
    DrawStringTest() {
        printers.dpi = 254;
        printers.margins = {};
        surface.NewPage();
        font().face = QStringLiteral("ＭＳ ゴシック");
        font().pixelHeight = 100; // wide characters 100, ASCII 50
    }

    CanvasFont& font() { return surface.pageCanvas()->font(); }

    QList<primitive::Text> draw(int align, bool vertical, int w2, int w, const QString& text,
                                int x = 0, int y = 0) {
        const size_t before = page().size();
        surface.DrawString(x, y, align, vertical, w2, w, text);
        QList<primitive::Text> glyphs;
        for (size_t i = before; i < page().size(); ++i)
            glyphs.append(std::get<primitive::Text>(page()[i]));
        return glyphs;
    }

    static QList<int> xs(const QList<primitive::Text>& glyphs) {
        QList<int> result;
        for (const primitive::Text& glyph : glyphs)
            result.append(glyph.origin.x());
        return result;
    }

    const std::vector<Primitive>& page() { return surface.currentPage()->primitives(); }

    test::FakePrinters printers;
    test::FakeFonts fonts;
    SheetSurface surface{printers, fonts};
};

TEST_F(DrawStringTest, CentreAndRightOffsets) {
    EXPECT_EQ(xs(draw(1, false, 0, 1000, QStringLiteral("日本語"))), (QList<int>{350, 450, 550}));
    EXPECT_EQ(xs(draw(1, false, 0, 1001, QStringLiteral("日本語"))), (QList<int>{350, 450, 550}));
    EXPECT_EQ(xs(draw(2, false, 0, 1000, QStringLiteral("日本語"))), (QList<int>{700, 800, 900}));
    EXPECT_EQ(xs(draw(7, false, 0, 1000, QStringLiteral("日本語"))), (QList<int>{0, 100, 200}));
}

TEST_F(DrawStringTest, JustifySpreadsTheRestOverTheGaps) {
    font().pixelHeight = 175; // four characters are 700 wide
    EXPECT_EQ(xs(draw(3, false, 0, 1001, QStringLiteral("日本語字"))),
              (QList<int>{0, 276, 551, 826}));
    // extended justify with w2 = 0 spreads over the box
    EXPECT_EQ(xs(draw(4, false, 0, 1001, QStringLiteral("日本語字"))),
              (QList<int>{0, 276, 551, 826}));
    // and so does a w2 wider than the box
    EXPECT_EQ(xs(draw(4, false, 1500, 1001, QStringLiteral("日本語字"))),
              (QList<int>{0, 276, 551, 826}));
    // and over w2 when it lies between 16 and the box
    EXPECT_EQ(xs(draw(4, false, 850, 1001, QStringLiteral("日本語字"))),
              (QList<int>{0, 225, 450, 675}));
    // longer than w2 but within the box: natural width from the start
    EXPECT_EQ(xs(draw(4, false, 600, 1001, QStringLiteral("日本語字"))),
              (QList<int>{0, 175, 350, 525}));
    // one character stays at the start
    EXPECT_EQ(xs(draw(3, false, 0, 1001, QStringLiteral("日"))), QList<int>{0});
}

TEST_F(DrawStringTest, LongerTextIsSqueezedIntoTheBoxWhateverTheAlignment) {
    for (int align : {0, 1, 2, 3, 4}) {
        const QList<primitive::Text> glyphs = draw(align, false, 0, 250, QStringLiteral("日本語"));
        EXPECT_EQ(xs(glyphs), (QList<int>{0, 83, 166})) << align; // 100 × 250/300, rounded
        EXPECT_DOUBLE_EQ(glyphs[0].widthFactor, 42.0 / 50.0) << align;
    }
}

TEST_F(DrawStringTest, ZeroBoxDrawsEveryCharacterAtTheStartInNaturalWidth) {
    const QList<primitive::Text> glyphs = draw(0, false, 0, 0, QStringLiteral("ab"), 30);
    EXPECT_EQ(xs(glyphs), (QList<int>{30, 30}));
    EXPECT_DOUBLE_EQ(glyphs[0].widthFactor, 1.0);
}

TEST_F(DrawStringTest, VerticalColumnRunsDownWithTurnedAndUprightCharacters) {
    using Placement = primitive::Text::Placement;
    const QList<primitive::Text> glyphs =
        draw(0, true, 0, 1000, QStringLiteral("日ーa。－"), 500, 100);
    ASSERT_EQ(glyphs.size(), 5);
    QList<int> ys;
    for (const primitive::Text& glyph : glyphs) {
        EXPECT_EQ(glyph.origin.x(), 500);
        ys.append(glyph.origin.y());
    }
    EXPECT_EQ(ys, (QList<int>{100, 200, 300, 350, 450}));
    EXPECT_EQ(glyphs[0].placement, Placement::Upright);
    EXPECT_EQ(glyphs[1].placement, Placement::Turned);
    EXPECT_EQ(glyphs[2].placement, Placement::Turned);
    EXPECT_EQ(glyphs[3].placement, Placement::UpperRight);
    EXPECT_EQ(glyphs[4].character, QStringLiteral("─"));
    EXPECT_EQ(glyphs[4].placement, Placement::Turned);
    EXPECT_EQ(font().face, QStringLiteral("@ＭＳ ゴシック"));
    // horizontal text keeps "－" and drops the "@"
    EXPECT_EQ(draw(0, false, 0, 1000, QStringLiteral("－"))[0].character, QStringLiteral("－"));
    EXPECT_EQ(font().face, QStringLiteral("ＭＳ ゴシック"));
}

TEST_F(DrawStringTest, FontRecordCharsetAndFaceLength) {
    font().charset = Charset::ShiftJis;
    font().face = QStringLiteral("i-JapanPost");
    draw(0, true, 0, 1000, QStringLiteral("1"));
    EXPECT_EQ(font().charset, Charset::ShiftJis); // vertical: "@i-JapanPost" keeps it
    draw(0, false, 0, 1000, QStringLiteral("1"));
    EXPECT_EQ(font().charset, Charset::Ansi);
    font().face = QStringLiteral("KS Gothic");
    draw(0, false, 0, 1000, QStringLiteral("1"));
    EXPECT_EQ(font().charset, Charset::Hangul);
    // a face is cut to 31 bytes before its font is made: the row that names it draws in the
    // same font as the rows that inherit it
    font().face = QStringLiteral("とても長い名前のフォントフェイス名前");
    EXPECT_EQ(draw(0, false, 0, 1000, QStringLiteral("1"))[0].family,
              QStringLiteral("とても長い名前のフォントフェイ"));
    EXPECT_EQ(font().face, QStringLiteral("とても長い名前のフォントフェイ"));
    font().face = QStringLiteral("長い縦書き用の名前のフォントフェイス");
    EXPECT_EQ(draw(0, true, 0, 1000, QStringLiteral("1"))[0].family,
              QStringLiteral("長い縦書き用の名前のフォントフ")); // "@" and 15 characters
}

class TextRowTest : public test::PassTest {
protected:
    TextRowTest() : PassTest(Fonts::Fixed) {}
};

TEST_F(TextRowTest, FaceFallbackAndCorrections) {
    inputs.correctionX = 10;
    surface.setHoseiX(10);
    const auto& page = draw(
        {QStringLiteral(
             "文字,Yes,Yes,Yes,100,150,489,53,1,円,No,,A,NotInstalled|ＭＳ 明朝,8,clRed,clWhite"),
         QStringLiteral("バーコード,Yes,Yes,No,100,150,585,56,1,左寄せ,No,,1,i-JapanPost,9,"
                        "clWindowText,clWhite")});
    ASSERT_EQ(page.size(), 2u);
    const auto& text = std::get<primitive::Text>(page[0]);
    const auto& barcode = std::get<primitive::Text>(page[1]);
    EXPECT_EQ(text.family, QStringLiteral("ＭＳ 明朝"));
    EXPECT_EQ(text.pixelSize, 67); // 8 points at 600 dpi
    EXPECT_EQ(text.color, QColor(Qt::red));
    // 100 + 10 layout units, less the printer offset; the surface's copy of the correction,
    // which the window sets too, is not added again
    EXPECT_EQ(text.origin.x(), surface.ToDeviceX(110) - 100);
    EXPECT_EQ(barcode.origin.x(), surface.ToDeviceX(110) - 100);
    EXPECT_EQ(barcode.family, QStringLiteral("i-JapanPost"));
}

// A column's length and its start down the page are taken at the vertical resolution, the
// start across it at the horizontal one, with the corrections added once.
TEST_F(TextRowTest, VerticalTextOnAPrinterOfTwoResolutions) {
    printers.dpi = 300;
    printers.verticalDpi = 600;
    printers.margins = {30, 40, 0, 0};
    inputs.printerDpiX = 300;
    inputs.correctionX = 20;
    inputs.correctionY = 50;
    // 12 points at 300 dpi: characters 50 pixels high, wide ones 50 long
    const auto& page = draw({QStringLiteral(
        "文字,Yes,Yes,Yes,100,200,1000,,,右寄せ,Yes,,日本,ＭＳ ゴシック,12,clBlack,clWhite")});
    ASSERT_EQ(page.size(), 2u);
    // across: 120 units at 300 dpi are 141.7, 142 pixels, less the offset of 30; down: 250
    // units at 600 dpi are 590.6, 591, less 40, then right-aligned in the column of 1000 units,
    // 2362 pixels: 2362 - 100 further down
    EXPECT_EQ(std::get<primitive::Text>(page[0]).origin, QPoint(112, 551 + 2262));
    EXPECT_EQ(std::get<primitive::Text>(page[1]).origin, QPoint(112, 551 + 2312));
}

TEST_F(TextRowTest, MissingFacesKeepThePreviousFace) {
    const auto& page = draw({QStringLiteral("文字,,Yes,,0,0,500,50,,,,,A,Arial,9,,"),
                             QStringLiteral("文字,,Yes,,0,0,500,50,,,,,B,Nope|Neither,9,,"),
                             QStringLiteral("文字,,Yes,,0,0,500,50,,,,,C,Nope,9,,")});
    EXPECT_EQ(std::get<primitive::Text>(page[1]).family, QStringLiteral("Arial"));
    EXPECT_EQ(std::get<primitive::Text>(page[2]).family, QStringLiteral("ＭＳ ゴシック"));
}

} // namespace
} // namespace lccd
