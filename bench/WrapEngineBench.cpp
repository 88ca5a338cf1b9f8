// Wrapping 1 MB of Japanese text mixed with ASCII words, tabs and punctuation at 40 columns,
// with the paragraph item's options and with the editor's (leading rule on).
#include "platform/CodePage.h"
#include "render/WrapEngine.h"

#include <benchmark/benchmark.h>

namespace {

QByteArray makeText(qsizetype size) {
    const QByteArray lines[] = {
        lccd::toSjis(QStringLiteral("夏の終わりに、海辺の町で録音した十二曲を収めました。"
                                    "ギターとピアノ（Yamaguchi Studio）による演奏です。")),
        lccd::toSjis(QStringLiteral("01\tHello, world!\tTrack length 03:25, recorded 2026-07-14 "
                                    "at Minamo Records; mastered by K. Sato.")),
        lccd::toSjis(QStringLiteral("「夢の中へ」は、ライブで一番人気の曲です。ｱﾝｺｰﾙでも必ず演奏"
                                    "します！ Many thanks to everyone who came.")),
        lccd::toSjis(QString()),
    };
    QByteArray text;
    for (int i = 0; text.size() < size; ++i)
        text += lines[i % std::size(lines)] + "\r\n";
    text.truncate(size);
    return text;
}

void wrapMegabyte(benchmark::State& state, const lccd::WrapOption& options) {
    const QByteArray text = makeText(1 << 20);
    for (auto _ : state)
        benchmark::DoNotOptimize(lccd::wrapText(text, options));
    state.SetBytesProcessed(state.iterations() * text.size());
}

void BM_WrapParagraph(benchmark::State& state) {
    wrapMegabyte(state, lccd::paragraphWrapOption(40));
}
BENCHMARK(BM_WrapParagraph)->Unit(benchmark::kMillisecond);

void BM_WrapEditorDefaults(benchmark::State& state) {
    lccd::WrapOption options;
    options.WrapByte = 40;
    wrapMegabyte(state, options);
}
BENCHMARK(BM_WrapEditorDefaults)->Unit(benchmark::kMillisecond);

} // namespace
