#include "platform/adapters/SndfileStream.h"

#include "platform/AppError.h"
#include "platform/adapters/SpeakerOrder.h"

#include <QFile>

#include <sndfile.h>

#include <vector>

namespace lccd {
namespace {

int bitsPerSampleOf(int format) {
    switch (format & SF_FORMAT_SUBMASK) {
    case SF_FORMAT_PCM_S8:
    case SF_FORMAT_PCM_U8:
    case SF_FORMAT_DPCM_8:
        return 8;
    case SF_FORMAT_PCM_24:
    case SF_FORMAT_DWVW_24:
    case SF_FORMAT_ALAC_20:
    case SF_FORMAT_ALAC_24:
        return 24;
    case SF_FORMAT_PCM_32:
    case SF_FORMAT_ALAC_32:
        return 32;
    case SF_FORMAT_FLOAT:
    case SF_FORMAT_DOUBLE:
    case SF_FORMAT_VORBIS:
    case SF_FORMAT_OPUS:
        return 0;
    default:
        // PCM_16 and the codecs that decode to 16-bit values (A-law, µ-law, ADPCM, GSM, ...).
        return 16;
    }
}

Speaker speakerOf(int position) {
    switch (position) {
    case SF_CHANNEL_MAP_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT:
    case SF_CHANNEL_MAP_FRONT_LEFT_OF_CENTER:
        return Speaker::FrontLeft;
    case SF_CHANNEL_MAP_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT:
    case SF_CHANNEL_MAP_FRONT_RIGHT_OF_CENTER:
        return Speaker::FrontRight;
    case SF_CHANNEL_MAP_MONO:
    case SF_CHANNEL_MAP_CENTER:
    case SF_CHANNEL_MAP_FRONT_CENTER:
        return Speaker::FrontCenter;
    case SF_CHANNEL_MAP_LFE:
        return Speaker::LowFrequency;
    case SF_CHANNEL_MAP_REAR_LEFT:
        return Speaker::BackLeft;
    case SF_CHANNEL_MAP_REAR_RIGHT:
        return Speaker::BackRight;
    case SF_CHANNEL_MAP_REAR_CENTER:
        return Speaker::BackCenter;
    case SF_CHANNEL_MAP_SIDE_LEFT:
        return Speaker::SideLeft;
    case SF_CHANNEL_MAP_SIDE_RIGHT:
        return Speaker::SideRight;
    default:
        return Speaker::Other;
    }
}

// Only the WAV forms' channel masks: libsndfile 1.2.0 reads past its buffer when an AIFF
// file's channel chunk names fewer channels than the file holds.
bool hasSafeChannelMap(const SF_INFO& info) {
    const int container = info.format & SF_FORMAT_TYPEMASK;
    return container == SF_FORMAT_WAV || container == SF_FORMAT_WAVEX ||
           container == SF_FORMAT_RF64;
}

// The channel positions the file states (a WAV file's channel mask, for one), or else the
// standard order of its format.
QList<Speaker> speakersOf(SNDFILE* file, const SF_INFO& info) {
    QList<int> positions(info.channels);
    if (info.channels > 2 && hasSafeChannelMap(info) &&
        sf_command(file, SFC_GET_CHANNEL_MAP_INFO, positions.data(),
                   int(positions.size() * sizeof(int))) == SF_TRUE) {
        QList<Speaker> speakers;
        for (int position : positions)
            speakers.append(speakerOf(position));
        return speakers;
    }
    const bool ogg = (info.format & SF_FORMAT_TYPEMASK) == SF_FORMAT_OGG;
    return standardSpeakers(info.channels, ogg ? ChannelOrder::Vorbis : ChannelOrder::Wave);
}

// The frames of a file whose header does not tell them (a FLAC stream written to a pipe),
// counted by decoding it once.
sf_count_t countFrames(SNDFILE* file, int channels) {
    constexpr sf_count_t kBlockFrames = 4096;
    std::vector<float> block(size_t(kBlockFrames * channels));
    sf_count_t total = 0;
    while (const sf_count_t frames = sf_readf_float(file, block.data(), kBlockFrames))
        total += frames;
    return total;
}

class SndfileStream final : public AudioStream {
public:
    SndfileStream(SNDFILE* file, const SF_INFO& info, const QString& path)
        : file_(file), path_(path) {
        format_.sampleRate = info.samplerate;
        format_.frames = info.frames;
        format_.bitsPerSample = bitsPerSampleOf(info.format);
        format_.speakers = speakersOf(file, info);
    }
    ~SndfileStream() override { sf_close(file_); }
    SndfileStream(const SndfileStream&) = delete;
    SndfileStream& operator=(const SndfileStream&) = delete;

    const AudioFormat& format() const override { return format_; }

    qint64 read(float* samples, qint64 frames) override {
        const sf_count_t done = sf_readf_float(file_, samples, frames);
        if (done < frames && sf_error(file_) != SF_ERR_NO_ERROR)
            throw AppError(QStringLiteral("ファイル %1 の音声を読み込めません: %2")
                               .arg(path_, QString::fromLocal8Bit(sf_strerror(file_))));
        return done;
    }

private:
    SNDFILE* file_;
    QString path_;
    AudioFormat format_;
};

} // namespace

std::unique_ptr<AudioStream> openSndfileStream(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (file == nullptr)
        return nullptr;
    bool usable = (info.format & SF_FORMAT_TYPEMASK) != SF_FORMAT_MPEG && info.samplerate > 0 &&
                  info.channels > 0;
    if (usable && info.frames == SF_COUNT_MAX) {
        info.frames = countFrames(file, info.channels);
        usable = sf_error(file) == SF_ERR_NO_ERROR && sf_seek(file, 0, SEEK_SET) == 0;
    }
    if (!usable) {
        sf_close(file);
        return nullptr;
    }
    return std::make_unique<SndfileStream>(file, info, path);
}

} // namespace lccd
