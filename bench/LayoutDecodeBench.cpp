// Reading and decoding a large layout: row lines shaped like the jacket template's rows and
// its song rows, 10 000 of them.
#include "layout/DecodedRow.h"
#include "layout/LayoutItem.h"

#include <benchmark/benchmark.h>

namespace {

QStringList makeRowLines(int count) {
    const QStringList shapes = {
        QStringLiteral("設定,Yes,Yes,Yes,,,,,,左寄せ,No,13.5,A4,ＭＳ Ｐゴシック,9,clBlack,clWhite"),
        QStringLiteral("画像,Yes,Yes,Yes,105,105,1195,1200,,左寄せ,No,13.5,/home/u/cd/"
                       "jacket.jpg,HG創英角ﾎﾟｯﾌﾟ体,9.0,clBlack,clNavy"),
        QStringLiteral("矩形,Yes,Yes,Yes,105,1200,1300,1295,,左寄せ,No,13.5,,ＭＳ "
                       "Ｐゴシック,0.3,clGray,$00B7BDC8"),
        QStringLiteral("文字,Yes,Yes,Yes,190,1165,1000,53,1,中心合せ,No,13.5,\"MNGD-0001 2026 "
                       "(P)(C) 2026, Minamo Records\",Arial Narrow,8.0,$00B3DEF5,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1250,130,1200,53,1,中心合せ,No,13.5,夏の終わりに,"
                       "HG創英角ﾎﾟｯﾌﾟ体,14.0,$008B0000,clWhite"),
        QStringLiteral("文字,Yes,Yes,Yes,1450,600,960,30,,左寄せ,No,10.5,\"01 003:25 "
                       "海辺の歌\",\"MS UI Gothic\",9.5,clWindowText,clWhite"),
    };
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines.append(shapes[i % shapes.size()]);
    return lines;
}

constexpr int kRows = 10000;

void setFieldRate(benchmark::State& state) {
    state.counters["fields"] = benchmark::Counter(
        double(state.iterations()) * kRows * lccd::kLayoutFieldCount, benchmark::Counter::kIsRate);
}

void BM_DecodeRows(benchmark::State& state) {
    const QStringList lines = makeRowLines(kRows);
    for (auto _ : state)
        for (const QString& line : lines)
            benchmark::DoNotOptimize(lccd::decodeRow(line));
    setFieldRate(state);
}
BENCHMARK(BM_DecodeRows)->Unit(benchmark::kMillisecond);

void BM_ReadRowLines(benchmark::State& state) {
    const QStringList lines = makeRowLines(kRows);
    for (auto _ : state)
        for (const QString& line : lines)
            benchmark::DoNotOptimize(lccd::LayoutItem::fromRowLine(line));
    setFieldRate(state);
}
BENCHMARK(BM_ReadRowLines)->Unit(benchmark::kMillisecond);

} // namespace
