#include "layout/CalibrationSheet.h"

#include <QPoint>

namespace lccd {
namespace {

constexpr int kMillimetre = 10;
constexpr int kRulerBase = 60;       // the rulers' base lines lie 6 mm in from the edges
constexpr int kRulerEnd = 150;       // ticks start and stop 15 mm short of the corners
constexpr int kCornerArm = 50;       // half the length of a corner cross's lines
constexpr int kCentreArm = 150;      // half the length of the centre cross's lines
constexpr int kTextInset = 180;      // the instruction clears the rulers' numbers
constexpr int kInstructionTop = 300; // below the corner crosses
constexpr int kNumberBox = 100;      // a ruler number is centred in a box this long
constexpr double kNumberPoints = 5;
constexpr int kNumberHeight = 18; // 5 points

QString number(int value) {
    return QString::number(value);
}

QString millimetres(int units) {
    return QString::number(units / 10.0, 'f', 1);
}

QString signedNumber(int value) {
    return value > 0 ? QLatin1Char('+') + number(value) : number(value);
}

LayoutItem line(QPoint from, QPoint to) {
    return LayoutItem::fromRowLine(
        QStringLiteral("罫線,Yes,Yes,Yes,%1,%2,%3,%4,,,No,,,実線,0.25,"
                       "clBlack,clWhite")
            .arg(number(from.x()), number(from.y()), number(to.x()), number(to.y())));
}

LayoutItem text(int x, int y, int length, const QString& alignment, double points,
                const QString& value) {
    LayoutItem row = LayoutItem::fromRowLine(
        QStringLiteral("文字,Yes,Yes,Yes,%1,%2,%3,,,%4,No,,,ＭＳ ゴシック,%5,clBlack,clWhite")
            .arg(number(x), number(y), number(length), alignment, QString::number(points)));
    row.setField(Field::Value, value);
    return row;
}

LayoutItem text(int x, int y, int length, const QString& alignment, const QString& value) {
    return text(x, y, length, alignment, kNumberPoints, value);
}

void appendCross(QList<LayoutItem>& rows, int x, int y, int arm) {
    rows.append(line(QPoint(x - arm, y), QPoint(x + arm, y)));
    rows.append(line(QPoint(x, y - arm), QPoint(x, y + arm)));
}

// Tick length for the millimetre at position: long at every centimetre, middle at every five.
int tickLength(int position) {
    if (position % (10 * kMillimetre) == 0)
        return 50;
    return position % (5 * kMillimetre) == 0 ? 30 : 20;
}

// A ruler along one edge, `along` long, its base line at `base` across it; the ticks point to
// larger coordinates when inward is +1. Horizontal rulers run along x (top and bottom edges).
void appendRuler(QList<LayoutItem>& rows, int along, int base, int inward, bool horizontal) {
    auto at = [horizontal](int position, int depth) {
        return horizontal ? QPoint(position, depth) : QPoint(depth, position);
    };
    rows.append(line(at(kRulerEnd, base), at(along - kRulerEnd, base)));
    for (int position = kRulerEnd; position <= along - kRulerEnd; position += kMillimetre) {
        rows.append(line(at(position, base), at(position, base + inward * tickLength(position))));
        if (position % (10 * kMillimetre) != 0)
            continue;
        // The number stands beyond the long tick: centred on it below or above a horizontal
        // ruler, beside it and level with it along a vertical one.
        const QString centimetre = number(position / kMillimetre);
        if (horizontal) {
            const int top = inward > 0 ? base + 55 : base - 55 - kNumberHeight;
            rows.append(text(position - kNumberBox / 2, top, kNumberBox, QStringLiteral("中心合せ"),
                             centimetre));
        } else if (inward > 0) {
            rows.append(text(base + 55, position - kNumberHeight / 2, kNumberBox,
                             QStringLiteral("左寄せ"), centimetre));
        } else {
            rows.append(text(base - 55 - kNumberBox, position - kNumberHeight / 2, kNumberBox,
                             QStringLiteral("右寄せ"), centimetre));
        }
    }
}

QStringList instruction(QSize paper, int offsetX, int offsetY) {
    const QString centreX = millimetres(paper.width() / 2);
    const QString centreY = millimetres(paper.height() / 2);
    return {
        QStringLiteral("印刷位置調整シート　用紙 %1 × %2 mm／補横 %3・補縦 %4 で印刷")
            .arg(millimetres(paper.width()), millimetres(paper.height()), signedNumber(offsetX),
                 signedNumber(offsetY)),
        QStringLiteral("① 紙の左端から中心の十字の縦線まで、上端から横線までを 0.1 mm "
                       "単位で測ります。"),
        QStringLiteral("② 測った値と %1 mm（横）・%2 mm（縦）との差を求めます（右・下へ"
                       "ずれていればプラス）。")
            .arg(centreX, centreY),
        QStringLiteral("③ 補横・補縦の今の値から、その差を 0.1 mm 単位で引いた値を入れます"
                       "（例: 右へ 1.5 mm なら補横から 15 を引く）。"),
        QStringLiteral("四隅の十字は各辺から 20 mm、縁の目盛りは紙の端からの mm です。"
                       "目盛りが実寸と違うときは、印刷の拡大縮小を切ってください。"),
    };
}

} // namespace

QList<LayoutItem> calibrationSheetRows(QSize paper, int offsetX, int offsetY) {
    const int width = paper.width();
    const int height = paper.height();
    QList<LayoutItem> rows;
    for (const int x : {kCalibrationCornerInset, width - kCalibrationCornerInset})
        for (const int y : {kCalibrationCornerInset, height - kCalibrationCornerInset})
            appendCross(rows, x, y, kCornerArm);
    appendCross(rows, width / 2, height / 2, kCentreArm);

    appendRuler(rows, width, kRulerBase, +1, true);
    appendRuler(rows, width, height - kRulerBase, -1, true);
    appendRuler(rows, height, kRulerBase, +1, false);
    appendRuler(rows, height, width - kRulerBase, -1, false);

    const double points = width >= 1800 ? 9 : 6;
    const int lineHeight = points == 9 ? 50 : 35;
    int y = kInstructionTop;
    for (const QString& sentence : instruction(paper, offsetX, offsetY)) {
        rows.append(text(kTextInset, y, width - 2 * kTextInset, QStringLiteral("左寄せ"), points,
                         sentence));
        y += lineHeight;
    }
    return rows;
}

} // namespace lccd
