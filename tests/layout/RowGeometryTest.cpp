#include "layout/RowGeometry.h"

#include <gtest/gtest.h>

#include <optional>

namespace lccd {
namespace {

// Moving and resizing change the placing fields only, as whole numbers, snapped to millimetres
// unless asked not to; every other field, and a placing field whose value stays, as written.
TEST(RowGeometryTest, GesturesChangeOnlyThePlacingFields) {
    const QString text =
        QStringLiteral("文字,yes,Yes,Yes,0110,150,489,53,1,左寄せ,No,,a,MS UI Gothic,8,clRed,");
    const QString box = QStringLiteral("矩形,Yes,Yes,Yes,100,100,300,200,,,,,,実線,1,clGray,");
    const QString reversed = QStringLiteral("矩形,Yes,Yes,Yes,300,200,100,100,,,,,,,1,,");
    const QString image = QStringLiteral("画像,Yes,Yes,Yes,1000,450,243,66,,,,,a.jpg ,,,,clNavy");
    const QString column = QStringLiteral("文字,Yes,Yes,Yes,100,100,400,,,,Yes,,縦,,9,,");
    const QString rule = QStringLiteral("罫線,Yes,No,Yes,1550,100,400,500,,,,,,実線,1,clGray,");
    const struct {
        const char* gesture;
        QString row;
        std::optional<Edges> handle; // nothing: a move
        QPoint delta;
        bool snap;
        QString expected;
    } cases[] = {
        {"text moved down, x kept as written",
         text,
         {},
         {0, 23},
         false,
         QStringLiteral("文字,yes,Yes,Yes,0110,173,489,53,1,左寄せ,No,,a,MS UI Gothic,8,clRed,")},
        {"text moved onto whole millimetres",
         text,
         {},
         {26, 23},
         true,
         QStringLiteral("文字,yes,Yes,Yes,140,170,489,53,1,左寄せ,No,,a,MS UI Gothic,8,clRed,")},
        {"rectangle written backwards keeps its order",
         reversed,
         {},
         {10, 0},
         false,
         QStringLiteral("矩形,Yes,Yes,Yes,310,200,110,100,,,,,,,1,,")},
        {"rule line moved with both ends",
         rule,
         {},
         {-50, 100},
         true,
         QStringLiteral("罫線,Yes,No,Yes,1500,200,350,600,,,,,,実線,1,clGray,")},
        {"backwards rectangle's left side",
         reversed,
         Edge::Left,
         {-5, 9},
         false,
         QStringLiteral("矩形,Yes,Yes,Yes,300,200,95,100,,,,,,,1,,")},
        {"image's top-left corner keeps the bottom right",
         image,
         Edge::Left | Edge::Top,
         {-3, 4},
         false,
         QStringLiteral("画像,Yes,Yes,Yes,997,454,246,62,,,,,a.jpg ,,,,clNavy")},
        {"text box width at its end",
         text,
         Edge::Right,
         {14, 99},
         true,
         QStringLiteral("文字,yes,Yes,Yes,0110,150,500,53,1,左寄せ,No,,a,MS UI Gothic,8,clRed,")},
        {"vertical text lengthens downwards",
         column,
         Edge::Bottom,
         {0, 51},
         false,
         QStringLiteral("文字,Yes,Yes,Yes,100,100,451,,,,Yes,,縦,,9,,")},
        {"a side stops short of the opposite one",
         box,
         Edge::Left,
         {500, 0},
         false,
         QStringLiteral("矩形,Yes,Yes,Yes,299,100,300,200,,,,,,実線,1,clGray,")},
        {"text has no side handle", text, Edge::Left, {10, 0}, false, text},
        {"rule line has no handles", rule, Edge::Right, {10, 0}, false, rule},
    };
    for (const auto& c : cases) {
        const LayoutItem item = LayoutItem::fromRowLine(c.row);
        const LayoutItem result = c.handle ? resizedRow(item, *c.handle, c.delta, c.snap)
                                           : movedRow(item, c.delta, c.snap);
        EXPECT_EQ(result.toRowLine(), c.expected) << c.gesture;
    }
}

} // namespace
} // namespace lccd
