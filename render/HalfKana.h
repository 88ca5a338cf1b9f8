#pragma once

#include <QString>

namespace lccd {

// Replaces half-width katakana and half-width Japanese punctuation by their full-width forms,
// merging a following voiced (ﾞ) or semi-voiced (ﾟ) mark into the kana before it:
// "ﾊｶﾞｷ" becomes "ハガキ". A mark after a kana that has no such form gives the ideographic
// space; a mark with no kana anywhere before it becomes the full-width mark ゛ or ゜.
QString HalfKanaToFull(const QString& text);

} // namespace lccd
