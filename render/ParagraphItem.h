#pragma once

#include "layout/DecodedRow.h"
#include "render/ItemContext.h"

#include <QByteArray>
#include <QList>

namespace lccd {

class DrawingPassObserver;

// A paragraph row: the text file named in the value, without the header lines of a disc
// project, wrapped into the box with the Japanese line-breaking rules and drawn row by row
// (columns from the right when vertical). The work tab shows the wrapped text meanwhile.
void drawParagraphRow(const ItemContext& context, DrawingPassObserver& observer,
                      const DecodedRow& row);

// The lines without the disc project header lines (TITLE:, PERFORMER:, ... in any case), each
// followed by CR LF. Blank lines stay.
QByteArray StripProjectHeader(const QList<QByteArray>& lines);

// The lines of a paragraph file in code page 932: a file with a byte-order mark is UTF-16
// (either byte order) or UTF-8 and is converted (characters code page 932 cannot hold become
// "?"); any other file is Shift-JIS already.
QList<QByteArray> readParagraphLines(const QByteArray& file);

// Points as layout units (1 stays 1, anything else at least 1).
int PointsToLayout(double points);

} // namespace lccd
