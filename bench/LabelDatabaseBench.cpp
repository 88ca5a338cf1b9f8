// Loading the whole installed label database (glabels-data, about 1 700 products in 35 files):
// what opening the label sheet dialog or `lccdtool-cli sheets` costs. Target: 100 ms.
#include "layout/LabelDatabase.h"

#include <benchmark/benchmark.h>

namespace {

void BM_LoadInstalledLabelDatabase(benchmark::State& state) {
    const QString folder = lccd::installedLabelTemplatesFolder();
    if (folder.isEmpty()) {
        state.SkipWithError("glabels-data is not installed");
        return;
    }
    qsizetype products = 0;
    for (auto _ : state) {
        const lccd::LabelDatabase database = lccd::loadLabelDatabase(folder);
        products = database.products.size();
        benchmark::DoNotOptimize(products);
    }
    state.counters["products"] = double(products);
}
BENCHMARK(BM_LoadInstalledLabelDatabase)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
