#pragma once

#include <QList>
#include <QString>

namespace lccd {

// The bars of the Japan Post customer barcode. Each bar is one of four kinds: F long (full
// height), A upper semi-long, D lower semi-long, T timing (short, centred).
enum class BarKind { Long, Upper, Lower, Timing };

// The bars a barcode text stands for: "(" or "[" starts (F D), ")" or "]" stops (D F),
// "0"-"9", "-" and the control codes "A"-"H" are three bars each; other characters are
// skipped. No check character is computed: the text is the complete barcode.
QList<BarKind> customerBarcodeBars(const QString& text);

// Bar geometry for a font size in points, in millimetres.
struct BarGeometry {
    double pitch;
    double width;
    double longHeight;
    double semiLongHeight;
    double timingHeight;

    static BarGeometry forPointSize(double points);
};

// Where a bar of the given kind lies within its cell of longHeight, as (top, height).
QPair<double, double> barSpan(BarKind kind, const BarGeometry& geometry);

} // namespace lccd
