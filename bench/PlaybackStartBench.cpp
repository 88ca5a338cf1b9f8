// Playing a song from the CD list editor: the time from "play" to the first buffer handed to
// the sound output (target: 150 ms), for a five-minute song in the page cache, the output a
// fake that takes the bytes at once. The song goes through the CD audio of the disc: decoded,
// resampled when its rate is not the CD's, dithered when it has more than 16 bits.
// Measured: medians of 9 (Debug build, 2-core machine shared with other builds): FLAC 44.1 kHz
// 16-bit 1.6 ms, FLAC 96 kHz 24-bit 5.2 ms, MP3 48 ms (mpg123 scans the file for its length
// when it is opened).
#include "audio/CdAudioPlayer.h"
#include "disc/SongPlayback.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/FakeAudioOutput.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

// Five minutes of pink noise, encoded by the extension's encoder at the rate and bits given.
QString makeSong(const QTemporaryDir& folder, const char* name, int rate, int bits) {
    const QString source = folder.filePath(QStringLiteral("source.wav"));
    const QString song = folder.filePath(QString::fromLatin1(name));
    const bool made =
        lccd::test::runToolSucceeded(
            QStringLiteral("sox"),
            {QStringLiteral("-n"), QStringLiteral("-r"), QString::number(rate),
             QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"), QString::number(bits),
             source, QStringLiteral("synth"), QStringLiteral("300"), QStringLiteral("pinknoise"),
             QStringLiteral("vol"), QStringLiteral("0.3")}) &&
        lccd::test::encodeWithFfmpeg(source, song);
    QFile::remove(source);
    if (!made)
        throw std::runtime_error("cannot encode the song");
    return song;
}

void BM_PlayToFirstBuffer(benchmark::State& state, const char* name, int rate, int bits) {
    const QTemporaryDir folder;
    const QString song = makeSong(folder, name, rate, bits);
    lccd::test::DesktopSongs songs;
    lccd::test::FakeAudioOutput output;
    lccd::CdAudioPlayer player(output, [&](const lccd::TrackSource& source) {
        return lccd::openPlaybackTrack(songs.decoder, source);
    });
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        player.play(lccd::songPlayback({song, {}, {}, {}}));
        while (!output.isStarted())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        player.stop();
    }
}
BENCHMARK_CAPTURE(BM_PlayToFirstBuffer, flac_44k_16, "song.flac", 44100, 16)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(BM_PlayToFirstBuffer, flac_96k_24, "song.flac", 96000, 24)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(BM_PlayToFirstBuffer, mp3, "song.mp3", 44100, 16)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Repetitions(9)
    ->ReportAggregatesOnly();

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
