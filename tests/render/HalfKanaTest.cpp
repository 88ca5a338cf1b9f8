#include "render/HalfKana.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(HalfKanaToFullTest, ConvertsAndMergesSoundMarks) {
    struct Case {
        const char* half;
        const char* full;
    };
    for (const Case& c : {Case{"ﾊｶﾞｷ", "ハガキ"}, Case{"ﾎﾟｽﾄ", "ポスト"}, Case{"ｳﾞ", "ヴ"},
                          // a kana without a voiced form gives the ideographic space
                          Case{"ｱﾞ", "\u3000"},
                          // a mark after a non-kana replaces it with the earlier kana's form
                          Case{"ｶ1ﾞ", "カガ"},
                          // a mark with no kana before it stays a full-width mark
                          Case{"ﾞA", "゛A"}, Case{"ﾟ", "゜"}, Case{"､｡ｰ｢｣", "、。ー「」"},
                          Case{"A4 ハガキ ｧｯﾝ", "A4 ハガキ ァッン"}, Case{"", ""}})
        EXPECT_EQ(HalfKanaToFull(QString::fromUtf8(c.half)), QString::fromUtf8(c.full)) << c.half;
}

} // namespace
} // namespace lccd
