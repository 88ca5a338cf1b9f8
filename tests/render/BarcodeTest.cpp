#include "tests/render/PassFixture.h"

#include "render/CustomerBarcode.h"

namespace lccd {
namespace {

class BarcodeRowTest : public test::PassTest {
protected:
    BarcodeRowTest() : PassTest(Fonts::Fixed) {
        fonts.faces.removeIf(
            [](const InstalledFace& face) { return face.name == QLatin1String("i-JapanPost"); });
    }
};

constexpr double kPixelsPerMm = 600 / 25.4;

TEST_F(BarcodeRowTest, WithoutTheBarcodeFontTheBarsAreDrawn) {
    const auto& page =
        draw({QStringLiteral("バーコード,Yes,Yes,No,318,600,1500,56,1,左寄せ,No,,(12345678-9A12-"
                             "34DDDDF),i-JapanPost,9,clWindowText,clWhite")});
    ASSERT_EQ(page.size(), 67u); // start 2 + 21 characters × 3 + stop 2

    const QList<BarKind> kinds = customerBarcodeBars(QStringLiteral("(12345678-9A12-34DDDDF)"));
    ASSERT_EQ(kinds.size(), 67);
    // "(" then "1" = F D, F F T
    EXPECT_EQ(kinds.mid(0, 5), (QList<BarKind>{BarKind::Long, BarKind::Lower, BarKind::Long,
                                               BarKind::Long, BarKind::Timing}));
    // the last character "F" is CC6 = T A D; the stop is D F
    EXPECT_EQ(kinds.mid(62), (QList<BarKind>{BarKind::Timing, BarKind::Upper, BarKind::Lower,
                                             BarKind::Lower, BarKind::Long}));
    // characters that are no bar characters are skipped
    EXPECT_EQ(customerBarcodeBars(QStringLiteral("1x?a")).size(), 3);

    const double pitch = 1.08 * kPixelsPerMm;
    const int top = surface.ToDeviceY(600) - surface.PrintOffsetY();
    const int left = surface.ToDeviceX(318) - surface.PrintOffsetX();
    for (size_t i = 0; i < page.size(); ++i) {
        const auto& bar = std::get<primitive::Shape>(page[i]);
        const QRect rect = QRect(bar.corner1, bar.corner2 - QPoint(1, 1));
        EXPECT_NEAR(rect.left(), left + i * pitch, 1.0) << i;
        EXPECT_NEAR(rect.width(), 0.54 * kPixelsPerMm, 1.0);
        double expectedTop = 0;
        double expectedHeight = 3.24;
        switch (kinds[int(i)]) {
        case BarKind::Long:
            break;
        case BarKind::Upper:
            expectedHeight = 2.16;
            break;
        case BarKind::Lower:
            expectedTop = 1.08;
            expectedHeight = 2.16;
            break;
        case BarKind::Timing:
            expectedTop = 1.08;
            expectedHeight = 1.08;
            break;
        }
        EXPECT_NEAR(rect.top(), top + expectedTop * kPixelsPerMm, 1.0) << i;
        EXPECT_NEAR(rect.height(), expectedHeight * kPixelsPerMm, 1.0) << i;
        EXPECT_EQ(bar.brush.color, QColor(Qt::black));
    }
}

TEST_F(BarcodeRowTest, BarsFollowAlignmentAndSqueezeLikeText) {
    // 67 bars at a pitch of 25.5 pixels are 1709 pixels long; a 500-unit box is 1181
    const auto& page =
        draw({QStringLiteral("バーコード,Yes,Yes,No,0,0,500,56,1,左寄せ,No,,(12345678-9A12-34DDDDF)"
                             ",i-JapanPost,9,clBlack,clWhite")});
    ASSERT_EQ(page.size(), 67u);
    const auto& last = std::get<primitive::Shape>(page.back());
    EXPECT_LE(last.corner2.x(), surface.ToDeviceX(500) - surface.PrintOffsetX() + 1);
    const auto& first = std::get<primitive::Shape>(page.front());
    EXPECT_NEAR(first.corner2.y() - first.corner1.y(), 3.24 * kPixelsPerMm, 1.0);

    const auto& centred = draw({QStringLiteral(
        "バーコード,Yes,Yes,No,0,0,2000,56,1,中心合せ,No,,(1),i-JapanPost,9,clBlack,clWhite")});
    ASSERT_EQ(centred.size(), 7u);
    const int offset = std::get<primitive::Shape>(centred[0]).corner1.x() + surface.PrintOffsetX();
    EXPECT_NEAR(offset, (surface.ToDeviceX(2000) - 7 * 1.08 * kPixelsPerMm) / 2, 1.0);
}

class BarcodeFontTest : public test::PassTest {
protected:
    BarcodeFontTest() : PassTest(Fonts::Fixed) {}
};

// The item dialog's OK stores the face with its fallback; the barcode keeps printing in its font.
TEST_F(BarcodeFontTest, AFaceWithItsFallbackPrintsInTheBarcodeFont) {
    for (const char* face : {"i-JapanPost", "i-JapanPost|ＭＳ ゴシック"}) {
        SCOPED_TRACE(face);
        const auto& page =
            draw({QStringLiteral("バーコード,Yes,Yes,No,0,0,2000,56,1,左寄せ,No,,(1),") +
                  QString::fromUtf8(face) + QStringLiteral(",9,clBlack,clWhite")});
        ASSERT_EQ(page.size(), 3u); // the characters, no bars
        EXPECT_EQ(std::get<primitive::Text>(page[0]).family, QStringLiteral("i-JapanPost"));
    }
}

} // namespace
} // namespace lccd
