#pragma once

#include "layout/LabelProduct.h"
#include "layout/LayoutItem.h"

#include <QList>

namespace lccd {

// The rows that outline every label of a product on its sheet, in layout units: a circle for
// each disc and its hole (with the clipping box of a clipped disc), a circle or ellipse for round
// and elliptical labels, a rectangle (rounded where the label is) for the others. They are
// ordinary rectangle rows marked for the screen only (画面 Yes, 印刷 No, a value "ガイド n"):
// the preview shows them, printing leaves them out.
QList<LayoutItem> labelGuideRows(const LabelProduct& product);

// Millimetres as layout units (0.1 mm), rounded.
int layoutUnits(double millimetres);

} // namespace lccd
