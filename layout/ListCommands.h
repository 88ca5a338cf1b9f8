#pragma once

#include "layout/LayoutList.h"

// Editing the layout list: sample rows of each kind, copying, pasting, moving and deleting
// rows. None of them redraws.
namespace lccd {

enum class SampleRow { Text, Paragraph, Image, Rectangle, RuleLine, Barcode, Settings };

// The row line of a sample row, as the add menu appends it.
QString sampleRowLine(SampleRow sample);

// Moves a row one place up or down, with all its fields (and so its check box and icon).
// Returns the row's new position; the first row up and the last row down stay.
int moveRowUp(LayoutList& list, int row);
int moveRowDown(LayoutList& list, int row);

} // namespace lccd
