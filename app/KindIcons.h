#pragma once

#include <QIcon>
#include <QList>

namespace lccd {

// The small icons of the layout list, one per kind: settings, text, rectangle, rule line,
// image, paragraph, barcode.
QList<QIcon> kindIcons();

} // namespace lccd
