#pragma once

#include "render/WrapOption.h"

#include <QByteArray>
#include <QList>

namespace lccd {

enum class RowMark {
    Wrapped, // the line goes on in the next row
    LineEnd, // the last row of its line
};

struct WrappedRow {
    QByteArray bytes; // a piece of one line, tabs included, line breaks not
    RowMark mark;
};

// Breaks a code page 932 text into rows with the Japanese line-breaking rules: a double-byte
// character is never split, a single-byte word moves whole to the next row when a break can be
// found before it in the row, closing punctuation may hang past the row width, and (with
// Leading) opening brackets do not end a row nor closing ones start it. CR LF, CR and LF end a
// line, a NUL reads as a blank. Takes time linear in the length of the text.
QList<WrappedRow> wrapText(const QByteArray& text, const WrapOption& options);

} // namespace lccd
