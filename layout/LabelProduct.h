#pragma once

#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// Label products that people buy: sheets of CD/DVD labels, printable-disc trays, address and
// name labels, cards. Lengths are millimetres measured from the sheet's top-left corner.
namespace lccd {

enum class LabelShape {
    Rectangle, // with rounded corners when cornerRadius > 0
    Round,     // a circle of radius
    Ellipse,   // within width × height
    Disc,      // a CD/DVD label: a circle of radius with a hole, clipped to width × height
};

// Where the labels of one kind lie: nx × ny labels, the first with its box at (x0, y0), the
// others dx and dy apart.
struct LabelGrid {
    int nx = 1;
    int ny = 1;
    double x0 = 0;
    double y0 = 0;
    double dx = 0;
    double dy = 0;
};

// The shape of every label of a product and the grids that place them.
struct LabelFrame {
    LabelShape shape = LabelShape::Rectangle;
    QSizeF size;             // the box of one label (for round and disc labels 2 × radius
                             // unless a disc is clipped narrower)
    double cornerRadius = 0; // rectangles
    double radius = 0;       // round and disc labels: the outer radius
    double hole = 0;         // disc labels: the radius of the centre hole
    double waste = 0;        // printable bleed around the label
    QList<LabelGrid> grids;
};

// One product of the label database.
struct LabelProduct {
    QString brand;
    QString part;
    QString description;
    QString paperId;   // the sheet's paper as the database names it ("A4", "US-Letter", "Other")
    QString paperName; // as people call it ("A4", "US Letter"), or the size for custom sheets
    QSizeF sheetSize;  // the sheet as it is fed (width across, height along)
    QStringList categories; // category ids ("media", "mail", ...)
    LabelFrame frame;

    // "BRAND PART", how the command line and the list name a product.
    QString name() const { return brand + QLatin1Char(' ') + part; }

    int labelCount() const;
    // The box of every label on the sheet, grid by grid, row by row, left to right.
    QList<QRectF> labelBoxes() const;
    // A CD/DVD label or a printable-disc tray: disc-shaped labels or the media category.
    bool isDiscProduct() const;
};

// At most this many labels on one sheet: more than any real product has, few enough that
// outlining every one stays quick.
constexpr int kMaxLabelsPerSheet = 2000;

} // namespace lccd
