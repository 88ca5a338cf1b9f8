#pragma once

#include <QByteArray>

namespace lccd {

// The editor's default character sets, in code page 932.
QByteArray defaultPunctuationStr();
QByteArray defaultLeadStr();
QByteArray defaultFollowStr();

// How a text is wrapped into rows. Widths count columns: one per byte of code page 932, plus
// the fill columns of tabs. A character set is a code page 932 string of its characters.
// The defaults are the editor's.
struct WrapOption {
    // Row width in columns; wrapping keeps it within 20-250.
    int WrapByte = 80;
    // Move a break back to before a single-byte word that it would split.
    bool WordBreak = true;
    // Let characters of PunctuationStr hang up to three columns past the row width.
    bool FollowPunctuation = true;
    QByteArray PunctuationStr = defaultPunctuationStr();
    // Keep characters of LeadStr off row ends and characters of FollowStr off row starts.
    bool Leading = true;
    QByteArray LeadStr = defaultLeadStr();
    QByteArray FollowStr = defaultFollowStr();
    // When the last piece of a line fills its row, that row ends the line; otherwise an empty
    // row follows it.
    bool FollowRetMark = true;
    // Distance between tab stops.
    int TabSpaceCount = 8;
};

// The paragraph item's options: punctuation hangs, words stay whole, the leading rule is off
// and the character sets keep their defaults.
WrapOption paragraphWrapOption(int wrapByte);

} // namespace lccd
