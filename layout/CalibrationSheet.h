#pragma once

#include "layout/LayoutItem.h"

#include <QList>
#include <QSize>

namespace lccd {

// Where the calibration sheet puts its corner crosses: this far in from both edges of each
// corner (layout units).
constexpr int kCalibrationCornerInset = 200;

// The rows of a sheet that finds the print offsets, for a paper of the given size as it is fed
// (layout units): cross-hairs 20 mm in from each corner and at the centre, millimetre rulers
// along the four edges and a short instruction. The rows are drawn like any layout, so the
// offsets move the whole sheet; offsetX and offsetY (the current 補横 and 補縦, 0.1 mm) are named
// in the instruction, which tells how to correct them from where the centre cross landed.
QList<LayoutItem> calibrationSheetRows(QSize paper, int offsetX, int offsetY);

} // namespace lccd
