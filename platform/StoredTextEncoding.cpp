#include "platform/StoredTextEncoding.h"

#include "platform/CodePage.h"

#include <QString>

#include <algorithm>

namespace lccd {
namespace {

bool isTaggingCharacter(char32_t c) {
    return (c >= 0x20 && c < 0x7F) ||        // ASCII
           (c >= 0xA0 && c <= 0xFF) ||       // Latin-1 letters and signs
           (c >= 0x2000 && c <= 0x2BFF) ||   // punctuation and symbols (♪, ★, ①, →)
           (c >= 0x2E80 && c <= 0x9FFF) ||   // CJK punctuation, kana, kanji
           (c >= 0xF900 && c <= 0xFAFF) ||   // CJK compatibility ideographs
           (c >= 0xFE30 && c <= 0xFE4F) ||   // CJK compatibility forms
           (c >= 0xFF00 && c <= 0xFFEF) ||   // full-width forms, half-width katakana
           (c >= 0x1F000 && c <= 0x1FAFF) || // emoji
           (c >= 0x20000 && c <= 0x3FFFF);   // kanji of the supplementary planes
}

bool isPlausible(const QList<uint>& text) {
    return std::all_of(text.begin(), text.end(),
                       [](uint c) { return isTaggingCharacter(char32_t(c)); });
}

bool isAsciiLetter(uint c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

// Whether the only non-ASCII characters are Latin-1 ones with no Latin letter beside them.
bool onlyLoneLatin1(const QList<uint>& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] < 0x80)
            continue;
        if (text[i] > 0xFF)
            return false;
        if ((i > 0 && isAsciiLetter(text[i - 1])) ||
            (i + 1 < text.size() && isAsciiLetter(text[i + 1])))
            return false;
    }
    return true;
}

} // namespace

bool readsAsUtf8(const QByteArray& bytes) {
    if (!isMultiByteUtf8(bytes))
        return false;
    const QList<uint> utf8 = QString::fromUtf8(bytes).toUcs4();
    const QList<uint> sjis = fromSjis(bytes).toUcs4();
    if (!isPlausible(sjis))
        return true;
    return isPlausible(utf8) && !onlyLoneLatin1(utf8);
}

} // namespace lccd
