// Loading a folder of 25 songs as Linux tools write them: WAV files with UTF-8 INFO tags before
// their audio, as ffmpeg makes them, each read for its tags and measured (target: 20 ms). The
// files are sparse, 40 MB each; after the first round they are in the page cache.
// Measured: median 3.4 ms (Release, 2-core Debian 12 build machine).
//
// Loading a folder of 25 five-minute songs encoded by ffmpeg (AAC, MP3 by LAME, FLAC), each
// measured exactly by its decoder for the first time (a new editor each round, so no length is
// kept from the round before), the files in the page cache. Target for M4A (AAC): 0.5 s.
// Measured side by side in one run (Release, 2-core machine shared with other builds, load
// average 8 to 11), medians of wall time: M4A (AAC) 462 ms, MP3 678 ms, FLAC 8.5 ms (CPU time
// 177 ms, 271 ms, 3.7 ms): M4A takes 0.68 times as long as MP3.
#include "cdlist/CdListPresenter.h"
#include "cdlist/FolderLoader.h"
#include "platform/codecs/Riff.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/EncodedSongs.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/TestSongs.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

constexpr qint64 kSongBytes = 40ll * 1024 * 1024;

void writeTaggedSong(const QString& path, int number) {
    using namespace lccd::test;
    const QByteArray info =
        infoChunk({{"IART", QStringLiteral("山田太郎と楽団").toUtf8()},
                   {"ICMT", QByteArray("ripped with ffmpeg")},
                   {"INAM", QStringLiteral("春の海 第%1番").arg(number).toUtf8()},
                   {"IPRD", QStringLiteral("四季の歌").toUtf8()},
                   {"ISFT", QByteArray("Lavf59.27.100")}});
    const QByteArray head = fmtChunk() + info;
    const qint64 dataSize = kSongBytes - 12 - head.size() - 8;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw std::runtime_error("cannot write the songs");
    file.write(lccd::riffChunkHeader("RIFF", quint32(kSongBytes - 8)) + "WAVE" + head +
               lccd::riffChunkHeader("data", quint32(dataSize)));
    file.resize(kSongBytes);
}

// The status panel's clear timer needs an application object.
void needApplication() {
    static int argc = 1;
    static char name[] = "bench_folder_load";
    static char* argv[] = {name, nullptr};
    static QCoreApplication application(argc, argv);
}

void BM_LoadFolderOf25TaggedSongs(benchmark::State& state) {
    needApplication();

    QTemporaryDir folder;
    for (int number = 1; number <= lccd::kTrackRowCount; ++number)
        writeTaggedSong(folder.filePath(QString::asprintf("%02d 春の海.wav", number)), number);
    lccd::test::DesktopSongs songs;
    lccd::CdListPresenter editor(songs.services());
    editor.disc().setFolderPath(folder.path());
    for (auto _ : state)
        lccd::LoadFolder(editor, folder.path());
    state.SetLabel(editor.tracks().track(25).title.toStdString());
}
BENCHMARK(BM_LoadFolderOf25TaggedSongs)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

// A folder of 25 copies of one five-minute song of pink noise in the format of the extension.
class EncodedFolder {
public:
    explicit EncodedFolder(const QString& extension) {
        const QString song = folder_.filePath(QStringLiteral("song.") + extension);
        if (!lccd::test::makePinkNoiseSong(song, 300))
            throw std::runtime_error("cannot encode the songs");
        for (int number = 1; number <= lccd::kTrackRowCount; ++number)
            QFile::copy(song, folder_.filePath(QString::asprintf("%02d.", number) + extension));
        QFile::remove(song);
    }
    QString path() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
};

void BM_LoadFolderOf25FiveMinuteSongs(benchmark::State& state, const char* extension) {
    needApplication();
    const EncodedFolder folder{QString::fromLatin1(extension)};
    lccd::test::DesktopSongs songs;
    {
        lccd::CdListPresenter warm(songs.services()); // brings the files into the page cache
        lccd::LoadFolder(warm, folder.path());
    }
    for (auto _ : state) {
        lccd::CdListPresenter editor(songs.services());
        lccd::LoadFolder(editor, folder.path());
        benchmark::DoNotOptimize(editor.tracks().track(25).time);
    }
}
BENCHMARK_CAPTURE(BM_LoadFolderOf25FiveMinuteSongs, m4a_aac, "m4a")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(BM_LoadFolderOf25FiveMinuteSongs, mp3, "mp3")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();
BENCHMARK_CAPTURE(BM_LoadFolderOf25FiveMinuteSongs, flac, "flac")
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly();

} // namespace
