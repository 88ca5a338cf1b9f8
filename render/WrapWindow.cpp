#include "render/WrapWindow.h"

#include "platform/CodePage.h"

#include <algorithm>

namespace lccd {
namespace {

// Single bytes that end a word: controls, the blank, ASCII signs except the underscore, and the
// half-width signs. Digits, letters, "_" and half-width katakana (0xA6-0xDF) belong to words.
constexpr bool isDelimiterByte(uchar b) {
    return b <= 0x2F || (b >= 0x3A && b <= 0x40) || (b >= 0x5B && b <= 0x5E) || b == 0x60 ||
           (b >= 0x7B && b <= 0x80) || (b >= 0xA0 && b <= 0xA5) || b >= 0xFD;
}

// A tab fills up to the next tab stop, but never past the end of the row it starts in.
int tabFillColumns(int column, int width, int tabSpaceCount) {
    return std::min(tabSpaceCount - column % tabSpaceCount - 1, width - column % width - 1);
}

} // namespace

void WrapWindow::classify(QByteArrayView rest, int width, int tabSpaceCount) {
    rest_ = rest;
    characters_.clear();
    const auto* bytes = reinterpret_cast<const uchar*>(rest.data());
    const int examined = width + 3;
    int byte = 0;
    int column = 0;
    while (column < examined && byte < rest.size()) {
        const uchar b = bytes[byte];
        // A lead byte with nothing after it in the line stands alone as a single-byte character.
        if (isSjisLeadByte(b) && byte + 1 < rest.size()) {
            byte += 2;
            column += 2;
            characters_.push_back({byte, column, false});
        } else if (b == '\t') {
            byte += 1;
            column += 1 + tabFillColumns(column, width, tabSpaceCount);
            characters_.push_back({byte, column, false});
        } else {
            byte += 1;
            column += 1;
            characters_.push_back({byte, column, !isDelimiterByte(b)});
        }
    }
}

} // namespace lccd
