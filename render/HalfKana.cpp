#include "render/HalfKana.h"

namespace lccd {
namespace {

// Four tables aligned by position; positions 61 and 62 of the source are the two marks.
constexpr char16_t kSource[] = u"ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎﾏﾐﾑﾒﾓﾔﾕﾖﾗﾘﾙﾚﾛﾜｦﾝｧｨｩｪｫｬｭｮｯ､｡ｰ｢｣ﾞﾟ";
constexpr char16_t kPlain[] = u"アイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホマミム"
                              u"メモヤユヨラリルレロワヲンァィゥェォャュョッ、。ー「」゛゜";
constexpr char16_t kVoiced[] = u"　　ヴ　　ガギグゲゴザジズゼゾダヂヅデド　　　　　バビブベボ　　　"
                               u"　　　　　　　　　　　　　　　　　　　　　　　　　　　　　";
constexpr char16_t kSemiVoiced[] =
    u"　　　　　　　　　　　　　　　　　　　　　　　　　パピプペポ　　　　　　　　　　　　　　　　"
    u"　　　　　　　　　　　　　　　　";

constexpr int kTableSize = 62;
constexpr int kVoicedMark = 61;
constexpr int kSemiVoicedMark = 62;

static_assert(std::size(kSource) == kTableSize + 1 && std::size(kPlain) == kTableSize + 1 &&
              std::size(kVoiced) == kTableSize + 1 && std::size(kSemiVoiced) == kTableSize + 1);

// 1-based position in the source table; 0 when absent.
int sourcePosition(QChar c) {
    for (int i = 0; i < kTableSize; ++i)
        if (kSource[i] == c.unicode())
            return i + 1;
    return 0;
}

} // namespace

QString HalfKanaToFull(const QString& text) {
    QString result;
    result.reserve(text.size());
    int last = 0;
    for (QChar c : text) {
        const int p = sourcePosition(c);
        if (p == 0) {
            result.append(c);
        } else if (p == kVoicedMark || p == kSemiVoicedMark) {
            const char16_t* marked = p == kVoicedMark ? kVoiced : kSemiVoiced;
            if (last == 0) {
                result.append(QChar(kPlain[p - 1]));
            } else {
                result.chop(1);
                result.append(QChar(marked[last - 1]));
            }
        } else {
            result.append(QChar(kPlain[p - 1]));
            last = p;
        }
    }
    return result;
}

} // namespace lccd
