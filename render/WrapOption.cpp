#include "render/WrapOption.h"

#include "platform/CodePage.h"

namespace lccd {

// Converted once: every WrapOption starts from these.
QByteArray defaultPunctuationStr() {
    static const QByteArray characters = toSjis(QStringLiteral("、。，．,.｡､ ）］｝」』"));
    return characters;
}

QByteArray defaultLeadStr() {
    static const QByteArray characters = toSjis(QStringLiteral("（［｛「『([{｢"));
    return characters;
}

QByteArray defaultFollowStr() {
    static const QByteArray characters =
        toSjis(QStringLiteral("、。，．・？！゛゜ヽヾゝゞ々ー）］｝」』!),.:;?]}｡｣､･ｰﾞﾟ"));
    return characters;
}

WrapOption paragraphWrapOption(int wrapByte) {
    WrapOption options;
    options.WrapByte = wrapByte;
    options.WordBreak = true;
    options.FollowPunctuation = true;
    options.Leading = false;
    options.FollowRetMark = true;
    return options;
}

} // namespace lccd
