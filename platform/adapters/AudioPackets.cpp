#include "platform/adapters/AudioPackets.h"

#include "platform/adapters/FfmpegInput.h"

#include <cstring>

namespace lccd {
namespace {

struct PacketFreer {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
using Packet = std::unique_ptr<AVPacket, PacketFreer>;

struct AudioInput {
    FormatContext container;
    const AVStream* stream = nullptr;
    Packet packet{av_packet_alloc()};

    explicit AudioInput(const QString& path) : container(openLocalMedia(path)) {
        if (!container || avformat_find_stream_info(container.get(), nullptr) < 0)
            return;
        const int index =
            av_find_best_stream(container.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
        if (index >= 0)
            stream = container->streams[index];
    }

    // The next packet of the audio stream; false at the end or when reading fails.
    bool next() {
        av_packet_unref(packet.get());
        while (av_read_frame(container.get(), packet.get()) >= 0) {
            if (packet->stream_index == stream->index)
                return true;
            av_packet_unref(packet.get());
        }
        return false;
    }
};

bool sameBytes(const void* a, const void* b, size_t size) {
    return size == 0 || std::memcmp(a, b, size) == 0;
}

bool sameParameters(const AVStream& a, const AVStream& b) {
    const AVCodecParameters& p = *a.codecpar;
    const AVCodecParameters& q = *b.codecpar;
    return p.codec_id == q.codec_id && p.sample_rate == q.sample_rate &&
           p.ch_layout.nb_channels == q.ch_layout.nb_channels && p.format == q.format &&
           p.bits_per_coded_sample == q.bits_per_coded_sample &&
           p.initial_padding == q.initial_padding && p.trailing_padding == q.trailing_padding &&
           p.extradata_size == q.extradata_size &&
           sameBytes(p.extradata, q.extradata, size_t(p.extradata_size)) &&
           av_cmp_q(a.time_base, b.time_base) == 0 && a.start_time == b.start_time;
}

bool samePacket(const AVPacket& a, const AVPacket& b) {
    if (a.size != b.size || !sameBytes(a.data, b.data, size_t(a.size)) || a.pts != b.pts ||
        a.dts != b.dts || a.duration != b.duration || a.flags != b.flags ||
        a.side_data_elems != b.side_data_elems)
        return false;
    for (int i = 0; i < a.side_data_elems; ++i) {
        const AVPacketSideData& x = a.side_data[i];
        const AVPacketSideData& y = b.side_data[i];
        if (x.type != y.type || x.size != y.size || !sameBytes(x.data, y.data, x.size))
            return false;
    }
    return true;
}

} // namespace

bool sameAudioPackets(const QString& a, const QString& b) {
    AudioInput first(a);
    AudioInput second(b);
    if (first.stream == nullptr || second.stream == nullptr ||
        !sameParameters(*first.stream, *second.stream))
        return false;
    for (;;) {
        const bool more = first.next();
        if (more != second.next())
            return false;
        if (!more)
            return true;
        if (!samePacket(*first.packet, *second.packet))
            return false;
    }
}

} // namespace lccd
