#pragma once

#include "platform/AppError.h"
#include "platform/AudioDecoder.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace lccd::test {

// A decoder of songs held in memory. A song's samples may hold fewer or more frames than its
// format announces, as a damaged file's do.
class FakeAudioDecoder : public AudioDecoder {
public:
    struct Song {
        AudioFormat format;
        std::vector<float> samples; // interleaved
    };

    void add(const QString& path, const Song& song) { songs_.insert(path, song); }

    std::unique_ptr<AudioStream> open(const QString& path) override {
        const auto song = songs_.constFind(path);
        if (song == songs_.cend())
            throw AppError::cannotOpen(path);
        return std::make_unique<Stream>(*song);
    }

private:
    class Stream : public AudioStream {
    public:
        explicit Stream(const Song& song) : song_(song) {}
        const AudioFormat& format() const override { return song_.format; }
        qint64 read(float* samples, qint64 frames) override {
            const size_t channels = size_t(song_.format.channels());
            const size_t count =
                std::min(size_t(frames) * channels, song_.samples.size() - position_);
            std::copy_n(song_.samples.begin() + qsizetype(position_), count, samples);
            position_ += count;
            return qint64(count / channels);
        }

    private:
        Song song_;
        size_t position_ = 0;
    };

    QHash<QString, Song> songs_;
};

} // namespace lccd::test
