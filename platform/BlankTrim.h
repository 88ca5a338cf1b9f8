#pragma once

#include <QByteArrayView>
#include <QStringView>

// Trimming as every text of the program is trimmed: blanks are the characters up to 0x20 (the
// blank and the control characters); a full-width blank is no blank.
namespace lccd {

constexpr bool isBlankChar(char c) {
    return static_cast<unsigned char>(c) <= 0x20;
}
constexpr bool isBlankChar(QChar c) {
    return c.unicode() <= 0x20;
}

// The text without blanks at either end: a view of the same characters for a QStringView or
// QByteArrayView, a new text for a QString or QByteArray.
template <typename View> View trimBlanks(View text) {
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && isBlankChar(text[start]))
        ++start;
    while (end > start && isBlankChar(text[end - 1]))
        --end;
    return text.sliced(start, end - start);
}

} // namespace lccd
