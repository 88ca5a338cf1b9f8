#include "platform/StoredTextEncoding.h"

#include "platform/CodePage.h"

#include <gtest/gtest.h>

namespace lccd {
namespace {

// Values as ffmpeg (UTF-8) and Japanese taggers (Shift-JIS) store them; the Shift-JIS ones are
// valid UTF-8 too, where noted.
TEST(StoredTextEncodingTest, TheReadingThatIsTextWins) {
    const struct {
        QByteArray bytes;
        bool utf8;
        const char* why;
    } cases[] = {
        {QStringLiteral("春の海").toUtf8(), true,
         "kana and kanji; its Shift-JIS reading mixes "
         "kanji with half-width katakana"},
        {QStringLiteral("Café").toUtf8(), true, "é in a Latin word; Shift-JIS reads Cafﾃｩ"},
        {QStringLiteral("Beyoncé").toUtf8(), true, "as Café"},
        {QStringLiteral("夏 ♪ é").toUtf8(), true, "a symbol beside kanji"},
        {toSjis(QStringLiteral("ﾊｲ")), false, "CA B2 is UTF-8 ʲ, a modifier letter"},
        {toSjis(QStringLiteral("ﾄｷﾒｷ")), false, "C4 B7 D2 B7 is UTF-8 ķҷ"},
        {toSjis(QStringLiteral("ﾃｨ ﾃｨ")), false, "C3 A8 is UTF-8 è, but beside no letter"},
        {toSjis(QStringLiteral("ソフト")), false, "no UTF-8"},
        {toSjis(QStringLiteral("ﾊｲ Jump 01")), false, "mixed with ASCII"},
        {QByteArray("Track 01"), false, "ASCII reads the same either way"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(readsAsUtf8(c.bytes), c.utf8);
    }
}

} // namespace
} // namespace lccd
