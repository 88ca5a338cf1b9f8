#pragma once

#include "render/SheetSurface.h"

namespace lccd {

// What a row's drawing routine works with besides the row itself.
struct ItemContext {
    SheetSurface& surface;
    // The main window's print corrections, layout units: every kind of row moves by them once.
    int correctionX;
    int correctionY;
    int dpiX;      // printer resolution of the last printer refresh
    int screenDpi; // the screen resolution paragraphs wrap at

    // A size in points as printer pixels: pen widths.
    int pointsToPixels(double points) const;
    // A font size in points as the character height in printer pixels. A negative size gives
    // the same height as the positive one.
    int fontPixelHeight(double points) const;
};

} // namespace lccd
