// Measuring the loudness of a 70-minute disc (14 five-minute songs of pink noise, 44.1 kHz
// stereo FLAC, in the page cache) with its true peak, as the levelling does before an image or
// a burn: every song decoded as the CD-audio path makes it and measured by libebur128, one song
// per core (target: 20 s, 210 times real time).
// Measured (Debug build, 2-core machine shared with other builds, load average 8 to 11): median
// 65.1 s of wall time over 5 rounds, mean 67.3 s; the process used about 28 s of CPU time a
// round, so on two free cores a round takes about 14 s.
#include "audio/LoudnessAnalysis.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr int kSongs = 14;

// Copies of one song: the cache knows songs by their path, so each round measures all of them.
class FlacDisc {
public:
    FlacDisc() {
        const QString song = folder_.filePath(QStringLiteral("song.flac"));
        if (!lccd::test::makePinkNoiseSong(song, 300))
            throw std::runtime_error("cannot encode the songs");
        for (int number = 1; number <= kSongs; ++number) {
            const QString path = folder_.filePath(QString::asprintf("%02d.flac", number));
            QFile::copy(song, path);
            songs_.append(lccd::TrackSource(path));
        }
    }
    const QList<lccd::TrackSource>& songs() const { return songs_; }

private:
    QTemporaryDir folder_;
    QList<lccd::TrackSource> songs_;
};

void BM_MeasureSeventyMinuteDisc(benchmark::State& state) {
    const FlacDisc disc; // just written, so in the page cache
    lccd::test::DesktopSongs songs;
    for (auto _ : state) {
        lccd::LoudnessCache cache;
        benchmark::DoNotOptimize(
            lccd::measureLoudness(songs.decoder, songs.loudness, disc.songs(), cache));
    }
}
BENCHMARK(BM_MeasureSeventyMinuteDisc)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
