#pragma once

#include "layout/LayoutItem.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QStringList>

#include <functional>
#include <optional>

// Placing a label template's disc label on a label product (a sheet of CD/DVD labels or a
// printable-disc tray).
//
// A label template is a jacket: the front cover on the left and the back on the right, each a
// square as high as the jacket (the built-in one draws two 120 mm squares side by side, the
// front picture on the left, titles and song list on the right). The disc label is the front
// cover — the square at the left end of the drawing, as wide as the drawing is high. That is
// what a disc usually carries: the cover picture, here with the credit band at its foot, which
// fills a 116–120 mm disc. The titles and the song list stay on the back; their long lines
// would run off the disc's rim and through its centre hole. A template drawn as one square
// (a disc design of its own) goes on the disc whole.
namespace lccd {

// What a label product adds to a disc's label layout, worked out for the current printer.
struct DiscLabelSheet {
    QList<LayoutItem> rows; // the settings row for the product's paper, then a guide per label
    QPointF labelCentre;    // the centre of the product's first label, layout units
    QString message;        // how the paper was chosen, when the user should know
    // The centres of the product's other labels, layout units: where the design is repeated
    // (empty: on the first label only).
    QList<QPointF> otherLabelCentres = {};
};

// Finds the label product of that name ("BRAND PART") with its rows for the current printer;
// nothing when there is no such product.
using DiscLabelSheetSource = std::function<std::optional<DiscLabelSheet>(const QString& name)>;

// The box a row covers on the sheet, in layout units: rectangles and rule lines from their
// first to their second corner, images and paragraphs their box, text and barcodes the line
// along their writing direction. Nothing for settings rows and rows of no kind.
std::optional<QRect> rowExtent(const QString& rowLine);

// The template's disc label: the square at the left end (for a drawing taller than wide, the
// top) of the box all its rows cover, as long as the box's shorter side. Nothing when no row
// covers anything.
std::optional<QRect> discLabelArea(const QStringList& rowLines);

// The rows that lie within the disc label, moved so that its centre meets labelCentre (layout
// units, rounded to whole units). Only the fields that place a row change; every other
// character of its line stays as it was.
QStringList placeDiscLabel(const QStringList& rowLines, const QPointF& labelCentre);

} // namespace lccd
