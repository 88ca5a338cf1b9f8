#include "render/WrapEngine.h"

#include "platform/CodePage.h"
#include "tests/support/WrapProperties.h"

#include <gtest/gtest.h>

#include <random>

namespace lccd {
namespace {

// Random texts and options, weighted towards what the rules react to: runs of tabs, line breaks,
// lead bytes (also alone at the end), blanks, punctuation and NULs.
TEST(WrapFuzzTest, RowsHoldEveryByteOnceAndInOrder) {
    std::mt19937 engine(20240611);
    const auto number = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(engine);
    };
    const QByteArray ruleBytes = QByteArray("\t\r\n ,.([\x81\x82\xA1\xA2\xB0\xE0\xFC") +
                                 toSjis(QStringLiteral("、。「」ー"));
    const auto randomBytes = [&](int maxLength) {
        QByteArray text;
        for (int length = number(0, maxLength); text.size() < length;) {
            const int pick = number(0, 9);
            if (pick == 0)
                text.append(number(1, 40), '\t');
            else if (pick == 1)
                text.append(number(0, 100) == 0 ? '\0' : char(number(0, 255)));
            else if (pick < 4)
                text.append(ruleBytes[number(0, int(ruleBytes.size()) - 1)]);
            else
                text.append(char(number('a', 'z')));
        }
        return text;
    };

    for (int round = 0; round < 3000; ++round) {
        QByteArray text = randomBytes(round % 10 == 0 ? 3000 : 300);
        if (round % 7 == 0)
            text.append('\x81');
        WrapOption options{.WrapByte = number(-5, 300),
                           .WordBreak = bool(number(0, 1)),
                           .FollowPunctuation = bool(number(0, 1)),
                           .Leading = bool(number(0, 1)),
                           .FollowRetMark = bool(number(0, 1)),
                           .TabSpaceCount = number(-2, 300)};
        if (round % 3 == 0) {
            options.PunctuationStr = randomBytes(8);
            options.LeadStr = randomBytes(8);
            options.FollowStr = randomBytes(8);
        }

        const char* broken = test::brokenWrapProperty(text, options);
        ASSERT_EQ(broken, nullptr) << broken << " in round " << round;
    }
}

} // namespace
} // namespace lccd
