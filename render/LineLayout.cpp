#include "render/LineLayout.h"

#include "common/Rounding.h"

namespace lccd {
namespace {

LineLayout spreadOver(int length, int T, int N) {
    LineLayout layout;
    if (N > 1) {
        layout.gap = (length - T) / (N - 1);
        layout.extra = (length - T) % (N - 1);
    }
    return layout;
}

LineLayout squeezedInto(int W, int T) {
    LineLayout layout;
    layout.scale = float(W) / float(T);
    return layout;
}

} // namespace

LineLayout alignLine(int align, int W, int W2, int T, int N) {
    switch (align) {
    case 1:
        if (T > W)
            return squeezedInto(W, T);
        return LineLayout{1, (W - T) / 2, 0, 0};
    case 2:
        if (T > W)
            return squeezedInto(W, T);
        return LineLayout{1, W - T, 0, 0};
    case 3:
        if (T > W)
            return squeezedInto(W, T);
        return spreadOver(W, T, N);
    case 4:
        if (W2 > W || W2 < 16)
            W2 = W;
        if (T > W2)
            return T > W ? squeezedInto(W, T) : LineLayout{};
        return spreadOver(W2, T, N);
    default:
        if (T > W)
            return squeezedInto(W, T);
        return LineLayout{};
    }
}

QList<int> characterPositions(const QList<int>& advances, const LineLayout& layout) {
    QList<int> positions;
    positions.reserve(advances.size());
    int position = layout.offset;
    for (qsizetype i = 0; i < advances.size(); ++i) {
        positions.append(position);
        position += RoundHalfAway(double(advances[i]) * double(layout.scale)) + layout.gap;
        if (i < layout.extra)
            ++position;
    }
    return positions;
}

} // namespace lccd
