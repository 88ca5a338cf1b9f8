// Recounting a full list of 25 songs, the cost of every cell selection in the CD list editor
// (target: 5 ms). Every song is measured: WAV files by their header (sparse files of 40 MB, so
// the benchmark needs no disk space), FLAC and MP3 files by decoding them, which the editor does
// once per file version (an MP3 scan takes some 40 ms) and then keeps.
// Measured (Release, 2-core Debian 12 build machine), medians:
//   25 WAV songs                                    0.51 ms
//   13 FLAC and 12 MP3 songs of 4 minutes, kept     0.47 ms
//   the same, each decoded afresh (the first time)  651 ms
#include "cdlist/CdListPresenter.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/TestSongs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr qint64 kSongBytes = 40ll * 1024 * 1024;
constexpr double kEncodedSongSeconds = 240;

// The status panel's clear timer needs an application object.
void makeApplication() {
    static int argc = 1;
    static char name[] = "bench_recount_tracks";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

// The list of 25 songs, one for each file.
void fillList(lccd::CdListPresenter& cdList, const QTemporaryDir& folder,
              const QStringList& files) {
    cdList.disc().setFolderPath(folder.path());
    for (int row = 1; row <= lccd::kTrackRowCount; ++row) {
        lccd::TrackRow track;
        track.title = QStringLiteral("Song %1").arg(row);
        track.fileName = files[row - 1];
        cdList.tracks().setTrack(row, track);
    }
}

QStringList sparseWavFiles(const QTemporaryDir& folder) {
    QStringList files;
    for (int row = 1; row <= lccd::kTrackRowCount; ++row) {
        files.append(folder.filePath(QString::asprintf("%02d Song.wav", row)));
        lccd::test::writeSparseWav(files.last(), kSongBytes);
    }
    return files;
}

// A FLAC and an MP3 song encoded once, copied in turns for every row.
QStringList encodedSongFiles(const QTemporaryDir& folder) {
    static QTemporaryDir sources;
    static const bool made =
        lccd::test::makeToneSong(sources.filePath("source.flac"), kEncodedSongSeconds,
                                 {44100, 2, 16}) &&
        lccd::test::makeVbrMp3WithoutXing(sources.filePath("source.mp3"), kEncodedSongSeconds);
    if (!made)
        throw std::runtime_error("sox and lame are needed");
    QStringList files;
    for (int row = 1; row <= lccd::kTrackRowCount; ++row) {
        const QString extension = row % 2 == 1 ? "flac" : "mp3";
        files.append(folder.filePath(QString::asprintf("%02d Song.", row) + extension));
        QFile::copy(sources.filePath("source." + extension), files.last());
    }
    return files;
}

void BM_RecountTracks(benchmark::State& state) {
    makeApplication();
    QTemporaryDir folder;
    lccd::test::DesktopSongs songs;
    lccd::CdListPresenter cdList(songs.services());
    fillList(cdList, folder, sparseWavFiles(folder));
    for (auto _ : state)
        benchmark::DoNotOptimize(cdList.RecountTracks());
    state.SetLabel(cdList.totalsText().toStdString());
}
BENCHMARK(BM_RecountTracks)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly();

// The editor measured the songs when it loaded the folder: every selection after that.
void BM_RecountEncodedTracks(benchmark::State& state) {
    makeApplication();
    QTemporaryDir folder;
    lccd::test::DesktopSongs songs;
    lccd::CdListPresenter cdList(songs.services());
    fillList(cdList, folder, encodedSongFiles(folder));
    cdList.RecountTracks();
    for (auto _ : state)
        benchmark::DoNotOptimize(cdList.RecountTracks());
    state.SetLabel(cdList.totalsText().toStdString());
}
BENCHMARK(BM_RecountEncodedTracks)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// The first measurement of every song, as when a folder is loaded.
void BM_RecountEncodedTracksFirstTime(benchmark::State& state) {
    makeApplication();
    QTemporaryDir folder;
    lccd::test::DesktopSongs songs;
    const QStringList files = encodedSongFiles(folder);
    for (auto _ : state) {
        state.PauseTiming();
        lccd::CdListPresenter cdList(songs.services());
        fillList(cdList, folder, files);
        state.ResumeTiming();
        benchmark::DoNotOptimize(cdList.RecountTracks());
    }
}
BENCHMARK(BM_RecountEncodedTracksFirstTime)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly();

} // namespace
