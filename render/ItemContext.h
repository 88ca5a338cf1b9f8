#pragma once

#include "render/LcPrnPrev.h"

namespace lccd {

// What a row's drawing routine works with besides the row itself.
struct ItemContext {
    TLcPrnPrev& surface;
    int correctionX; // the main window's print corrections, layout units
    int correctionY;
    int dpiX; // printer resolution of the last printer refresh

    // A size in points as printer pixels: font heights and pen widths.
    int pointsToPixels(double points) const;
};

} // namespace lccd
