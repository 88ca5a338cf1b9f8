#include "render/SheetSurface.h"

#include "platform/Fonts.h"
#include "platform/adapters/QtFonts.h"
#include "tests/support/FakePrinters.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// Renders real Japanese text with the installed IPA faces (through the names layouts use) and
// finds where the ink landed.
class TextRenderingTest : public ::testing::Test {
protected:
    TextRenderingTest() {
        printers.dpi = 254; // one layout unit is one pixel
        printers.margins = {};
        surface.NewPage();
    }

    QRect inkOf(const QString& face, bool vertical, const QString& text) {
        surface.NewPage();
        CanvasFont& font = surface.pageCanvas()->font();
        font.face = face;
        font.pixelHeight = 100;
        surface.DrawString(200, 200, 0, vertical, 0, 2000, text);
        surface.EndPage();
        QImage image(1200, 1200, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        surface.currentPage()->replay(painter);
        painter.end();
        QRect ink;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (qGray(image.pixel(x, y)) < 128)
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }

    test::FakePrinters printers;
    QtFontSystem fonts;
    SheetSurface surface{printers, fonts};
};

TEST_F(TextRenderingTest, WindowsFaceNamesAreInstalledThroughTheirSubstitutes) {
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("ＭＳ ゴシック")), Charset::ShiftJis);
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("ＭＳ 明朝")), Charset::ShiftJis);
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("IPAGothic")), Charset::ShiftJis);
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("DejaVu Sans")), Charset::Ansi);
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("Arial")), Charset::Ansi);
    EXPECT_EQ(FaceCharset(fonts, QStringLiteral("No Such Face")), Charset::NotInstalled);
    for (const InstalledFace& face : fonts.installedFaces())
        EXPECT_FALSE(face.name.startsWith(QLatin1Char('@')));
    // drawn in the family its metrics came from, not in the name that is not installed
    inkOf(QStringLiteral("ＭＳ Ｐゴシック"), false, QStringLiteral("字"));
    const auto& glyph = std::get<primitive::Text>(surface.currentPage()->primitives().front());
    EXPECT_EQ(glyph.family, QStringLiteral("IPAPGothic"));
}

TEST_F(TextRenderingTest, HorizontalLineInkLiesInItsBox) {
    const QRect ink = inkOf(QStringLiteral("ＭＳ ゴシック"), false, QStringLiteral("日本語の文字"));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left(), 200);
    EXPECT_LE(ink.right(), 200 + 6 * 100 + 5);
    EXPECT_GE(ink.top(), 200);
    EXPECT_LE(ink.bottom(), 200 + 140);
    EXPECT_GT(ink.width(), 5 * 100);
}

TEST_F(TextRenderingTest, VerticalColumnStandsUprightInOneColumn) {
    const QRect column = inkOf(QStringLiteral("ＭＳ 明朝"), true, QStringLiteral("日本語の文字"));
    ASSERT_FALSE(column.isEmpty());
    EXPECT_GE(column.left(), 195);
    EXPECT_LE(column.right(), 200 + 140);
    EXPECT_GT(column.height(), 5 * 100);
    EXPECT_LT(column.width(), 110);

    // 日 is taller than wide when it stands upright; turned it would be wider than tall
    const QRect sun = inkOf(QStringLiteral("ＭＳ 明朝"), true, QStringLiteral("日"));
    EXPECT_GT(sun.height(), sun.width());
    const QRect turned = inkOf(QStringLiteral("ＭＳ 明朝"), true, QStringLiteral("ー"));
    EXPECT_GT(turned.height(), turned.width());
}

} // namespace
} // namespace lccd
