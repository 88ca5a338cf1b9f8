#pragma once

#include <QList>

namespace lccd {

// How a line of characters with natural advances is placed in a box: the scale that squeezes
// a line longer than the box, the offset of the first character, and the extra gap after each
// character (gap, plus one pixel for the first `extra` characters).
struct LineLayout {
    float scale = 1;
    int offset = 0;
    int gap = 0;
    int extra = 0;
};

// align: 0 left, 1 centre, 2 right, 3 justify over W, 4 justify over W2 (W when W2 is above W
// or below 16); anything else acts as left. T is the sum of the N advances.
LineLayout alignLine(int align, int W, int W2, int T, int N);

// The start of each character relative to the start point, for the given advances.
QList<int> characterPositions(const QList<int>& advances, const LineLayout& layout);

} // namespace lccd
