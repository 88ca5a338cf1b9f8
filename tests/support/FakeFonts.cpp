#include "tests/support/FakeFonts.h"

namespace lccd::test {

FakeFonts::FakeFonts() {
    faces = {{QStringLiteral("ＭＳ ゴシック"), Charset::ShiftJis},
             {QStringLiteral("ＭＳ 明朝"), Charset::ShiftJis},
             {QStringLiteral("MS UI Gothic"), Charset::ShiftJis},
             {QStringLiteral("Arial"), Charset::Ansi},
             {QStringLiteral("KS Gothic"), Charset::Hangul},
             {QStringLiteral("i-JapanPost"), Charset::Ansi}};
}

TextMetrics FakeFonts::metrics(const FontRequest& font) {
    const int p = font.pixelSize;
    return TextMetrics{p + p / 4, p, p / 2};
}

QList<int> FakeFonts::advances(const FontRequest& font, QStringView text) {
    QList<int> result;
    for (QChar unit : text)
        result.append(unit.unicode() < 0x80 ? font.pixelSize / 2 : font.pixelSize);
    return result;
}

} // namespace lccd::test
