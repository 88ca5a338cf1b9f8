#include "tests/render/PassFixture.h"

#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

namespace lccd {
namespace {

// On the fake 600-dpi printer, with fonts of fixed metrics and a postcard (100 × 148 mm).
class CorrectionTest : public test::PassTest {
protected:
    CorrectionTest() : PassTest(Fonts::Fixed) {
        surface.SelectPaper(QStringLiteral("ﾊｶﾞｷ"), PaperOrientation::Portrait);
    }

    // The box of the ink of one row, in layout units from the paper's top-left corner: the page
    // painted at 254 dpi, where one pixel is 0.1 mm.
    QRect ink(const QString& line) {
        draw({line});
        const PagePicture& page = *surface.currentPage();
        QImage image(1000, 1480, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.scale(254 / 600.0, 254 / 600.0);
        painter.translate(page.printableOrigin());
        page.replay(painter);
        painter.end();
        QRect box;
        for (int y = 0; y < image.height(); ++y) {
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if (qGray(pixels[x]) < 128)
                    box |= QRect(x, y, 1, 1);
        }
        return box;
    }

    QTemporaryDir dir;
};

// 補横 20 and 補縦 10 move every kind of row 2 mm right and 1 mm down, and no more.
TEST_F(CorrectionTest, EveryKindOfRowMovesByTheCorrectionsOnce) {
    const QString paragraph = dir.filePath(QStringLiteral("p.txt"));
    writeFileAtomically(paragraph, toSjis(QStringLiteral("文章の行です。\r\n二行目")));
    const QString picture = dir.filePath(QStringLiteral("p.png"));
    QImage black(40, 30, QImage::Format_RGB32);
    black.fill(Qt::black);
    ASSERT_TRUE(black.save(picture));

    const QString rows[] = {
        QStringLiteral("文字,Yes,Yes,Yes,200,300,600,,,左寄せ,No,,ABC日本,,12,clBlack,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,200,300,600,,,中心合せ,Yes,,縦の字,,12,clBlack,clWhite"),
        QStringLiteral("文章,Yes,Yes,Yes,200,300,600,400,,左寄せ,No,,%1,ＭＳ 明朝,9,clBlack,"
                       "clWhite")
            .arg(paragraph),
        QStringLiteral("文章,Yes,Yes,Yes,200,300,600,400,,左寄せ,Yes,,%1,ＭＳ 明朝,9,clBlack,"
                       "clWhite")
            .arg(paragraph),
        QStringLiteral("バーコード,Yes,Yes,No,200,300,600,56,1,左寄せ,No,,(1234),i-JapanPost,9,"
                       "clBlack,clWhite"),
        QStringLiteral("バーコード,Yes,Yes,No,200,300,600,56,1,左寄せ,No,,(1234),NoBarFont,9,"
                       "clBlack,clWhite"),
        QStringLiteral("矩形,Yes,Yes,Yes,200,300,600,500,,矩形,No,,,,1,clBlack,clBlack"),
        QStringLiteral("矩形,Yes,Yes,Yes,200,300,600,500,,円,No,,,,1,clBlack,clWhite"),
        QStringLiteral("罫線,Yes,Yes,Yes,200,300,600,500,,,,,,実線,1,clBlack,clWhite"),
        QStringLiteral("画像,Yes,Yes,Yes,200,300,400,300,,,,,%1,,,,").arg(picture),
    };
    for (const QString& row : rows) {
        SCOPED_TRACE(row.toStdString());
        inputs.correctionX = 0;
        inputs.correctionY = 0;
        const QRect still = ink(row);
        ASSERT_FALSE(still.isEmpty());
        inputs.correctionX = 20;
        inputs.correctionY = 10;
        // the window hands the corrections to the surface too
        surface.setHoseiX(20);
        surface.setHoseiY(10);
        const QRect moved = ink(row);
        surface.setHoseiX(0);
        surface.setHoseiY(0);
        EXPECT_NEAR(moved.left() - still.left(), 20, 1);
        EXPECT_NEAR(moved.top() - still.top(), 10, 1);
        EXPECT_NEAR(moved.right() - still.right(), 20, 1);
        EXPECT_NEAR(moved.bottom() - still.bottom(), 10, 1);
    }
}

} // namespace
} // namespace lccd
