#include "platform/adapters/FfmpegStream.h"

#include "platform/AppError.h"
#include "platform/adapters/FfmpegInput.h"
#include "platform/adapters/SpeakerOrder.h"
#include "platform/codecs/MusepackHeader.h"

#include <optional>
#include <vector>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/intreadwrite.h>
#include <libswresample/swresample.h>
}

namespace lccd {
namespace {

struct CodecFreer {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct FrameFreer {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct ConverterFreer {
    void operator()(SwrContext* converter) const { swr_free(&converter); }
};
using CodecContext = std::unique_ptr<AVCodecContext, CodecFreer>;
using Packet = std::unique_ptr<AVPacket, PacketFreer>;
using Frame = std::unique_ptr<AVFrame, FrameFreer>;
using Converter = std::unique_ptr<SwrContext, ConverterFreer>;

QString errorText(int error) {
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(error, text, sizeof text);
    return QString::fromLocal8Bit(text);
}

AppError decodingError(const QString& path, const QString& reason) {
    return AppError(QStringLiteral("ファイル %1 の音声を読み込めません: %2").arg(path, reason));
}

// A song's audio stream with its decoder; the container's other streams (cover pictures,
// video) are not read.
struct Song {
    FormatContext container;
    AVStream* stream = nullptr;
    CodecContext codec;
};

std::optional<Song> openSong(const QString& path, bool refuseMpeg) {
    Song song;
    song.container = openLocalMedia(path);
    AVFormatContext* opened = song.container.get();
    if (opened == nullptr)
        return std::nullopt;
    if (refuseMpeg && qstrcmp(opened->iformat->name, "mp3") == 0)
        return std::nullopt;
    if (avformat_find_stream_info(opened, nullptr) < 0)
        return std::nullopt;
    const AVCodec* decoder = nullptr;
    const int index = av_find_best_stream(opened, AVMEDIA_TYPE_AUDIO, -1, -1, &decoder, 0);
    if (index < 0 || decoder == nullptr)
        return std::nullopt;
    song.stream = opened->streams[index];
    for (unsigned i = 0; i < opened->nb_streams; ++i)
        if (int(i) != index)
            opened->streams[i]->discard = AVDISCARD_ALL;
    const AVCodecParameters* parameters = song.stream->codecpar;
    if (parameters->sample_rate <= 0 || parameters->ch_layout.nb_channels <= 0)
        return std::nullopt;
    song.codec.reset(avcodec_alloc_context3(decoder));
    if (!song.codec || avcodec_parameters_to_context(song.codec.get(), parameters) < 0)
        return std::nullopt;
    song.codec->pkt_timebase = song.stream->time_base;
    if (avcodec_open2(song.codec.get(), decoder, nullptr) < 0)
        return std::nullopt;
    return song;
}

// The stream's frames as the decoder delivers them. The decoder takes off the encoder delay
// and padding the container marks. A packet it refuses is passed over and the first packet
// the container cannot give ends the song, as in players: what is missing then is silence.
class FrameSource {
public:
    explicit FrameSource(Song song)
        : song_(std::move(song)), packet_(av_packet_alloc()), frame_(av_frame_alloc()) {}

    // The next frame, or nullptr at the end.
    const AVFrame* next() {
        for (;;) {
            const int received = avcodec_receive_frame(song_.codec.get(), frame_.get());
            if (received == 0)
                return frame_.get();
            if (received != AVERROR(EAGAIN) || draining_)
                return nullptr;
            sendNextPacket();
        }
    }

private:
    void sendNextPacket() {
        while (av_read_frame(song_.container.get(), packet_.get()) >= 0) {
            const bool ours = packet_->stream_index == song_.stream->index;
            if (ours)
                avcodec_send_packet(song_.codec.get(), packet_.get());
            av_packet_unref(packet_.get());
            if (ours)
                return;
        }
        avcodec_send_packet(song_.codec.get(), nullptr);
        draining_ = true;
    }

    Song song_;
    Packet packet_;
    Frame frame_;
    bool draining_ = false;
};

// Ticks of the stream's time base in one sample; 0 when a sample is no whole number of them.
qint64 ticksPerSample(const AVStream& stream) {
    const qint64 perSecond = qint64(stream.time_base.num) * stream.codecpar->sample_rate;
    if (stream.time_base.num <= 0 || stream.time_base.den <= 0 ||
        stream.time_base.den % perSecond != 0)
        return 0;
    return stream.time_base.den / perSecond;
}

// What the packets of the stream tell of its length, read without decoding them.
struct PacketLengths {
    qint64 packets = 0;
    qint64 ticks = 0;
    bool allTimed = true;
    qint64 skippedSamples = 0; // encoder delay and padding the container marks
    qint64 lastStart = 0;
    qint64 largestStep = 0;
};

PacketLengths readPacketLengths(Song& song) {
    PacketLengths lengths;
    const Packet packet(av_packet_alloc());
    std::optional<qint64> previousStart;
    while (av_read_frame(song.container.get(), packet.get()) >= 0) {
        if (packet->stream_index == song.stream->index) {
            ++lengths.packets;
            lengths.ticks += packet->duration;
            lengths.allTimed = lengths.allTimed && packet->duration > 0;
            size_t size = 0;
            const uint8_t* skip =
                av_packet_get_side_data(packet.get(), AV_PKT_DATA_SKIP_SAMPLES, &size);
            if (skip != nullptr && size >= 8)
                lengths.skippedSamples += qint64(AV_RL32(skip)) + qint64(AV_RL32(skip + 4));
            if (packet->pts != AV_NOPTS_VALUE) {
                if (previousStart)
                    lengths.largestStep =
                        std::max(lengths.largestStep, packet->pts - *previousStart);
                previousStart = packet->pts;
                lengths.lastStart = packet->pts;
            }
        }
        av_packet_unref(packet.get());
    }
    return lengths;
}

qint64 decodedFrameCount(Song song) {
    FrameSource source(std::move(song));
    qint64 frames = 0;
    while (const AVFrame* frame = source.next())
        frames += frame->nb_samples;
    return frames;
}

// The number of frames the song delivers; nothing when the file must be decoded for it and
// cannot be opened again.
std::optional<qint64> frameCount(Song& song, const QString& path) {
    const AVStream& stream = *song.stream;
    const qint64 perSample = ticksPerSample(stream);
    const PacketLengths lengths = readPacketLengths(song);
    // MP4, AIFF, WavPack, TTA: every packet's length in samples.
    if (perSample > 0 && lengths.packets > 0 && lengths.allTimed)
        return std::max<qint64>(0, lengths.ticks / perSample - lengths.skippedSamples);
    // Monkey's Audio: packets without lengths, the total in the header. Trusted while the last
    // packet read starts where one packet's length before the end would.
    const bool headerTotal =
        song.container->duration_estimation_method == AVFMT_DURATION_FROM_STREAM;
    if (perSample > 0 && headerTotal && stream.duration > 0 && lengths.packets > 0 &&
        lengths.lastStart <= stream.duration &&
        (lengths.packets == 1 || stream.duration - lengths.lastStart <= lengths.largestStep))
        return stream.duration / perSample;
    // WMA (packet lengths in milliseconds), Musepack (whole frames of the container).
    std::optional<Song> again = openSong(path, false);
    if (!again)
        return std::nullopt;
    return decodedFrameCount(std::move(*again));
}

Speaker speakerOf(AVChannel channel) {
    switch (channel) {
    case AV_CHAN_FRONT_LEFT:
    case AV_CHAN_FRONT_LEFT_OF_CENTER:
        return Speaker::FrontLeft;
    case AV_CHAN_FRONT_RIGHT:
    case AV_CHAN_FRONT_RIGHT_OF_CENTER:
        return Speaker::FrontRight;
    case AV_CHAN_FRONT_CENTER:
        return Speaker::FrontCenter;
    case AV_CHAN_LOW_FREQUENCY:
    case AV_CHAN_LOW_FREQUENCY_2:
        return Speaker::LowFrequency;
    case AV_CHAN_BACK_LEFT:
        return Speaker::BackLeft;
    case AV_CHAN_BACK_RIGHT:
        return Speaker::BackRight;
    case AV_CHAN_BACK_CENTER:
        return Speaker::BackCenter;
    case AV_CHAN_SIDE_LEFT:
        return Speaker::SideLeft;
    case AV_CHAN_SIDE_RIGHT:
        return Speaker::SideRight;
    default:
        return Speaker::Other;
    }
}

// A layout that names its channels: one that only counts them gets the usual layout of that
// many channels.
AVChannelLayout namedLayout(const AVChannelLayout& layout) {
    AVChannelLayout named{};
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        av_channel_layout_default(&named, layout.nb_channels);
    else
        av_channel_layout_copy(&named, &layout);
    return named;
}

QList<Speaker> speakersOf(const AVChannelLayout& layout) {
    if (layout.order == AV_CHANNEL_ORDER_UNSPEC)
        return standardSpeakers(layout.nb_channels, ChannelOrder::Wave);
    QList<Speaker> speakers;
    for (int i = 0; i < layout.nb_channels; ++i)
        speakers.append(speakerOf(av_channel_layout_channel_from_index(&layout, unsigned(i))));
    return speakers;
}

// Integer bits of lossless audio; 0 for lossy codecs and floating-point samples.
int bitsPerSampleOf(const Song& song) {
    const AVCodecDescriptor* codec = avcodec_descriptor_get(song.codec->codec_id);
    const AVSampleFormat samples = av_get_packed_sample_fmt(song.codec->sample_fmt);
    if (codec == nullptr || (codec->props & AV_CODEC_PROP_LOSSLESS) == 0 ||
        samples == AV_SAMPLE_FMT_FLT || samples == AV_SAMPLE_FMT_DBL)
        return 0;
    const int raw =
        std::max(song.codec->bits_per_raw_sample, song.stream->codecpar->bits_per_raw_sample);
    return raw > 0 ? raw : av_get_bytes_per_sample(samples) * 8;
}

class FfmpegStream final : public AudioStream {
public:
    FfmpegStream(const QString& path, const AudioFormat& format, const AVChannelLayout& layout)
        : path_(path), format_(format), layout_(namedLayout(layout)) {}
    ~FfmpegStream() override { av_channel_layout_uninit(&layout_); }
    FfmpegStream(const FfmpegStream&) = delete;
    FfmpegStream& operator=(const FfmpegStream&) = delete;

    const AudioFormat& format() const override { return format_; }

    qint64 read(float* samples, qint64 frames) override {
        const qint64 channels = format_.channels();
        qint64 done = 0;
        // Frames past the counted length are the codec's padding the container cut off.
        while (done < frames && delivered_ < format_.frames) {
            if (taken_ == pending_.size() && !convertNextFrame())
                break;
            const qint64 count = std::min({frames - done, format_.frames - delivered_,
                                           qint64(pending_.size() - taken_) / channels});
            std::copy_n(pending_.begin() + qsizetype(taken_), count * channels,
                        samples + done * channels);
            taken_ += size_t(count * channels);
            done += count;
            delivered_ += count;
        }
        return done;
    }

private:
    // Decodes the next frame into pending_ as interleaved floats in the announced layout and
    // rate; false at the end of the song.
    bool convertNextFrame() {
        if (!source_) {
            std::optional<Song> song = openSong(path_, false);
            if (!song)
                throw AppError::cannotOpen(path_);
            source_.emplace(std::move(*song));
        }
        const AVFrame* frame = source_->next();
        if (frame == nullptr)
            return false;
        prepareConverter(*frame);
        const int room = swr_get_out_samples(converter_.get(), frame->nb_samples);
        if (room < 0)
            throw decodingError(path_, errorText(room));
        pending_.resize(size_t(room) * size_t(format_.channels()));
        auto* out = reinterpret_cast<uint8_t*>(pending_.data());
        const int converted =
            swr_convert(converter_.get(), &out, room,
                        const_cast<const uint8_t**>(frame->extended_data), frame->nb_samples);
        if (converted < 0)
            throw decodingError(path_, errorText(converted));
        pending_.resize(size_t(converted) * size_t(format_.channels()));
        taken_ = 0;
        return true;
    }

    // A converter from the frame's sample format, layout and rate, made again when they change
    // within the song.
    void prepareConverter(const AVFrame& frame) {
        AVChannelLayout in = namedLayout(frame.ch_layout);
        const bool same = converter_ && frame.format == inFormat_ && frame.sample_rate == inRate_ &&
                          av_channel_layout_compare(&in, &inLayout_) == 0;
        if (same) {
            av_channel_layout_uninit(&in);
            return;
        }
        SwrContext* made = nullptr;
        const int result =
            swr_alloc_set_opts2(&made, &layout_, AV_SAMPLE_FMT_FLT, format_.sampleRate, &in,
                                AVSampleFormat(frame.format), frame.sample_rate, 0, nullptr);
        converter_.reset(made);
        av_channel_layout_uninit(&inLayout_);
        inLayout_ = in;
        inFormat_ = frame.format;
        inRate_ = frame.sample_rate;
        if (result < 0 || swr_init(converter_.get()) < 0) {
            converter_.reset();
            throw decodingError(path_, errorText(result < 0 ? result : AVERROR(EINVAL)));
        }
    }

    QString path_;
    AudioFormat format_;
    AVChannelLayout layout_;
    std::optional<FrameSource> source_;
    Converter converter_;
    AVChannelLayout inLayout_{};
    int inFormat_ = -1;
    int inRate_ = 0;
    std::vector<float> pending_;
    size_t taken_ = 0;
    qint64 delivered_ = 0;
};

} // namespace

std::unique_ptr<AudioStream> openFfmpegStream(const QString& path, bool refuseMpeg) {
    std::optional<Song> song = openSong(path, refuseMpeg);
    if (!song)
        return nullptr;
    AudioFormat format;
    format.sampleRate = song->stream->codecpar->sample_rate;
    format.bitsPerSample = bitsPerSampleOf(*song);
    AVChannelLayout layout = namedLayout(song->stream->codecpar->ch_layout);
    format.speakers = speakersOf(layout);
    av_channel_layout_uninit(&layout);
    const std::optional<qint64> frames = frameCount(*song, path);
    if (!frames)
        return nullptr;
    // Musepack's decoder gives whole frames; the header says where the song ends.
    const std::optional<qint64> musepack = song->stream->codecpar->codec_id == AV_CODEC_ID_MUSEPACK8
                                               ? musepackSv8Frames(path)
                                               : std::nullopt;
    format.frames = musepack ? std::min(*frames, *musepack) : *frames;
    return std::make_unique<FfmpegStream>(path, format, song->stream->codecpar->ch_layout);
}

} // namespace lccd
