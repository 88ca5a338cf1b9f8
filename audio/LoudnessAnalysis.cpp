#include "audio/LoudnessAnalysis.h"

#include "audio/AudioLog.h"
#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"

#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <exception>
#include <thread>
#include <vector>

namespace lccd {
namespace {

QString versionKey(const TrackSource& song) {
    const QFileInfo file(song.path);
    return QStringLiteral("%1|%2|%3|%4|%5")
        .arg(file.absoluteFilePath())
        .arg(file.size())
        .arg(file.lastModified().toMSecsSinceEpoch())
        .arg(song.segment.startSector)
        .arg(song.segment.endSector.value_or(-1));
}

// How often the calling thread reports while the songs are measured.
constexpr auto kProgressInterval = std::chrono::milliseconds(100);

} // namespace

std::optional<TrackLoudness> LoudnessCache::find(const TrackSource& song) const {
    const QString key = versionKey(song);
    const std::lock_guard lock(mutex_);
    const auto found = measured_.constFind(key);
    return found == measured_.constEnd() ? std::nullopt : std::optional(*found);
}

void LoudnessCache::keep(const TrackSource& song, const TrackLoudness& loudness) {
    const QString key = versionKey(song);
    const std::lock_guard lock(mutex_);
    measured_.insert(key, loudness);
}

TrackLoudness measureTrackLoudness(AudioDecoder& decoder, LoudnessMeter& meter,
                                   const TrackSource& song) {
    CdTrackAudio audio(decoder, song.path, song.segment);
    const std::unique_ptr<LoudnessMeasurement> measurement = meter.startCdAudio();
    constexpr qint64 kBlockFrames = 16 * kCdSectorFrames;
    std::vector<char> block(size_t(kBlockFrames * kCdFrameBytes));
    // The silence that fills the last sector is no part of the song.
    for (qint64 left = audio.audioFrames(); left > 0;) {
        const qint64 bytes = audio.read(block.data(), std::min(left, kBlockFrames) * kCdFrameBytes);
        if (bytes == 0)
            break;
        measurement->addCdFrames(block.data(), bytes / kCdFrameBytes);
        left -= bytes / kCdFrameBytes;
    }
    return {measurement->result(), audio.audioFrames()};
}

QList<TrackLoudness> measureLoudness(AudioDecoder& decoder, LoudnessMeter& meter,
                                     const QList<TrackSource>& songs, LoudnessCache& cache,
                                     const LoudnessProgress& progress) {
    QList<TrackLoudness> results(songs.size());
    std::atomic<qsizetype> next = 0;
    std::mutex mutex;
    std::condition_variable changed;
    int measured = 0;
    int running = 0;
    std::exception_ptr failure;
    const auto work = [&] {
        for (qsizetype i; (i = next++) < songs.size();) {
            try {
                const std::optional<TrackLoudness> known = cache.find(songs[i]);
                results[i] = known ? *known : measureTrackLoudness(decoder, meter, songs[i]);
                if (!known)
                    cache.keep(songs[i], results[i]);
                else
                    qCDebug(lcAudio) << "the loudness of" << songs[i].path << "was measured before";
            } catch (...) {
                const std::lock_guard lock(mutex);
                failure = std::current_exception();
                next = songs.size(); // the others stop after their song
            }
            const std::lock_guard lock(mutex);
            ++measured;
            changed.notify_one();
        }
        const std::lock_guard lock(mutex);
        --running;
        changed.notify_one();
    };
    const qsizetype threads =
        std::min<qsizetype>(songs.size(), std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::jthread> workers;
    running = int(threads);
    for (qsizetype i = 0; i < threads; ++i)
        workers.emplace_back(work);
    std::unique_lock lock(mutex);
    int reported = -1;
    const auto report = [&] {
        if (!progress || measured == reported)
            return;
        reported = measured;
        lock.unlock();
        progress(reported, int(songs.size()));
        lock.lock();
    };
    while (running > 0) {
        changed.wait_for(lock, kProgressInterval);
        report();
    }
    report(); // the last song, when it ended before the first wait
    lock.unlock();
    workers.clear();
    if (failure)
        std::rethrow_exception(failure);
    return results;
}

void Leveller::level(QList<TrackSource>& songs) const {
    if (settings.mode == LevelMode::Off)
        return;
    const QList<double> gains =
        levellingGains(measureLoudness(decoder, meter, songs, cache, progress), settings);
    for (qsizetype i = 0; i < songs.size(); ++i)
        songs[i].gainDb = gains[i];
}

} // namespace lccd
