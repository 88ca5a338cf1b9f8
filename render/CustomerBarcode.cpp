#include "render/CustomerBarcode.h"

namespace lccd {
namespace {

// Three bars for 1 2 3 4 5 6 7 8 9 0 - and the control codes CC1 to CC8 ("A" to "H").
constexpr const char* kPatterns[] = {"FFT", "FDA", "DFA", "FAD", "FTF", "DAF", "AFD",
                                     "ADF", "TFF", "FTT", "TFT", "DAT", "DTA", "ADT",
                                     "TDA", "ATD", "TAD", "TTF", "FFF"};

BarKind kindOf(char letter) {
    switch (letter) {
    case 'F':
        return BarKind::Long;
    case 'A':
        return BarKind::Upper;
    case 'D':
        return BarKind::Lower;
    default:
        return BarKind::Timing;
    }
}

int patternIndex(QChar c) {
    if (c >= u'1' && c <= u'9')
        return c.unicode() - u'1';
    if (c == u'0')
        return 9;
    if (c == u'-')
        return 10;
    if (c >= u'A' && c <= u'H')
        return 11 + (c.unicode() - u'A');
    return -1;
}

} // namespace

QList<BarKind> customerBarcodeBars(const QString& text) {
    QList<BarKind> bars;
    for (QChar c : text) {
        if (c == u'(' || c == u'[') {
            bars << BarKind::Long << BarKind::Lower;
        } else if (c == u')' || c == u']') {
            bars << BarKind::Lower << BarKind::Long;
        } else if (const int index = patternIndex(c); index >= 0) {
            for (const char* letter = kPatterns[index]; *letter; ++letter)
                bars << kindOf(*letter);
        }
    }
    return bars;
}

BarGeometry BarGeometry::forPointSize(double points) {
    const double unit = points / 10.0;
    return BarGeometry{1.2 * unit, 0.6 * unit, 3.6 * unit, 2.4 * unit, 1.2 * unit};
}

QPair<double, double> barSpan(BarKind kind, const BarGeometry& g) {
    switch (kind) {
    case BarKind::Long:
        return {0, g.longHeight};
    case BarKind::Upper:
        return {0, g.semiLongHeight};
    case BarKind::Lower:
        return {g.longHeight - g.semiLongHeight, g.semiLongHeight};
    case BarKind::Timing:
        return {(g.longHeight - g.timingHeight) / 2, g.timingHeight};
    }
    return {0, 0};
}

} // namespace lccd
