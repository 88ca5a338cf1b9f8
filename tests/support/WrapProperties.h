#pragma once

#include "platform/CodePage.h"
#include "render/WrapEngine.h"

#include <QByteArray>

namespace lccd::test {

// What every wrap keeps, whatever the text and options: the rows hold every byte of the text
// once and in order, a NUL as a blank, line breaks aside; one row ends each line; only a line's
// last row may be empty. Returns the first property broken, or nullptr.
inline const char* brokenWrapProperty(const QByteArray& text, const WrapOption& options) {
    QByteArray expected = text;
    expected.replace('\0', ' ');
    const qsizetype lines = splitLines(expected).size();
    expected.removeIf([](char c) { return c == '\r' || c == '\n'; });
    QByteArray joined;
    qsizetype lineEnds = 0;
    for (const WrappedRow& row : wrapText(text, options)) {
        if (row.bytes.isEmpty() && row.mark != RowMark::LineEnd)
            return "only a line's last row may be empty";
        joined += row.bytes;
        lineEnds += row.mark == RowMark::LineEnd;
    }
    if (joined != expected)
        return "every byte once and in order";
    if (lineEnds != lines)
        return "one row ends each line";
    return nullptr;
}

} // namespace lccd::test
