// Storing a layout in the INI file and loading it again, as "INIに保存(&S)" does and every start
// of the program does, for 10 000 and 100 000 rows shaped like a jacket's. Both must take time
// in proportion to the rows: 100 000 rows at most 12 times as long as 10 000, and at most one
// second each.
#include "bench/JacketRows.h"
#include "layout/LayoutIniStore.h"
#include "layout/LayoutList.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <malloc.h>
#include <memory>

namespace {

QList<lccd::LayoutItem> makeRows(qsizetype count) {
    const QStringList shapes = jacketRows();
    QList<lccd::LayoutItem> rows;
    rows.reserve(count);
    for (qsizetype i = 0; i < count; ++i)
        rows.append(lccd::LayoutItem::fromRowLine(shapes[i % shapes.size()]));
    return rows;
}

// An INI file with the settings sections around the stored rows.
QString iniWith(const QTemporaryDir& dir, const QList<lccd::LayoutItem>& rows) {
    const QString path = dir.filePath(QStringLiteral("lccdtool.ini"));
    lccd::createIniFile(path);
    lccd::SaveLayoutToIni(path, rows);
    return path;
}

void BM_StoreLayout(benchmark::State& state) {
    QTemporaryDir dir;
    const QList<lccd::LayoutItem> rows = makeRows(state.range(0));
    const QString path = iniWith(dir, rows);
    for (auto _ : state)
        lccd::SaveLayoutToIni(path, rows);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Loading as the main window does: the stored row lines, each appended to the list as a row.
// Freeing the list afterwards is no part of loading and is left out of the time.
void BM_LoadLayout(benchmark::State& state) {
    QTemporaryDir dir;
    const QString path = iniWith(dir, makeRows(state.range(0)));
    for (auto _ : state) {
        auto list = std::make_unique<lccd::LayoutList>();
        {
            const std::optional<QStringList> lines = lccd::LoadLayoutFromIni(path);
            for (const QString& line : *lines)
                list->append(lccd::LayoutItem::fromRowLine(line));
        }
        benchmark::DoNotOptimize(list->count());
        state.PauseTiming();
        list.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

BENCHMARK(BM_StoreLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLayout)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Freed memory stays with the program between iterations, for every size alike: otherwise
    // the C library hands the large blocks of 100 000 rows back to the kernel after each
    // iteration and the next one pays for fresh pages again (dearly in a virtual machine),
    // while 10 000 rows run in memory the program kept.
    mallopt(M_MMAP_THRESHOLD, 1 << 30);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    QCoreApplication application(argc, argv); // storing lets window events run
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
