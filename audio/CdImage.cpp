#include "audio/CdImage.h"

#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "platform/AppError.h"
#include "platform/ReplacementFile.h"
#include "platform/codecs/Riff.h"

#include <QtEndian>

#include <vector>

namespace lccd {
namespace {

constexpr qint64 kBlockSectors = 64;

template <typename Number> QByteArray littleEndian(Number value) {
    QByteArray bytes(sizeof(Number), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

// The header of a PCM WAV file of CD audio whose samples take dataBytes.
QByteArray wavHeader(qint64 dataBytes) {
    constexpr quint16 kPcm = 1;
    const QByteArray format = littleEndian<quint16>(kPcm) + littleEndian<quint16>(kCdChannels) +
                              littleEndian<quint32>(kCdSampleRate) +
                              littleEndian<quint32>(kCdSampleRate * kCdFrameBytes) +
                              littleEndian<quint16>(kCdFrameBytes) + littleEndian<quint16>(16);
    const QByteArray chunks = "WAVE" + riffChunkHeader("fmt ", quint32(format.size())) + format +
                              riffChunkHeader("data", quint32(dataBytes));
    return riffChunkHeader("RIFF", quint32(chunks.size() + dataBytes)) + chunks;
}

// The image file as it is written, telling the progress after every block.
class ImageWriter {
public:
    ImageWriter(const QString& path, qint64 sectors, const CdImageProgress& progress)
        : file_(path), sectors_(sectors), progress_(progress) {}

    ReplacementFile& file() { return file_; }

    void writeAudio(const char* data, qint64 bytes) {
        file_.write(data, bytes);
        written_ += bytes;
        if (progress_)
            progress_(written_ / kCdSectorBytes, sectors_);
    }

private:
    ReplacementFile file_;
    qint64 sectors_;
    const CdImageProgress& progress_;
    qint64 written_ = 0;
};

void writeSilence(ImageWriter& image, qint64 sectors) {
    static const std::vector<char> silence(size_t(kBlockSectors * kCdSectorBytes), 0);
    for (qint64 left = sectors; left > 0; left -= kBlockSectors)
        image.writeAudio(silence.data(), qMin(left, kBlockSectors) * kCdSectorBytes);
}

// Writes the track's audio; false when the song ended before its announced length.
bool writeTrack(ImageWriter& image, AudioDecoder& decoder, const CdImageTrack& track) {
    CdTrackAudio audio(decoder, track.song);
    if (audio.sectorCount() != track.sectors)
        throw AppError(
            QStringLiteral("ファイル %1 は書き出しの間に変わりました").arg(track.song.path));
    std::vector<char> block(size_t(kBlockSectors * kCdSectorBytes));
    while (const qint64 bytes = audio.read(block.data(), qint64(block.size())))
        image.writeAudio(block.data(), bytes);
    return audio.missingFrames() == 0;
}

} // namespace

CdImageLayout planCdImage(AudioDecoder& decoder, const QList<TrackSource>& songs, bool gaps) {
    CdImageLayout layout;
    for (const TrackSource& song : songs) {
        CdImageTrack track;
        track.song = song;
        track.gapStart = layout.sectors;
        track.start = track.gapStart + (gaps ? kCdGapSectors : 0);
        track.sectors = CdTrackAudio(decoder, song.path, song.segment).sectorCount();
        layout.sectors = track.start + track.sectors;
        layout.tracks.append(track);
        if (layout.sectors > kCdMaxSectors)
            throw AppError(QStringLiteral("曲の合計が %1 分を越えるため、CD に入りきりません")
                               .arg(kCdMaxSeconds / 60));
    }
    return layout;
}

QStringList writeCdImageWav(AudioDecoder& decoder, const CdImageLayout& layout, const QString& path,
                            const CdImageProgress& progress) {
    ImageWriter image(path, layout.sectors, progress);
    ReplacementFile& file = image.file();
    const qint64 dataBytes = layout.sectors * kCdSectorBytes;
    file.write(wavHeader(dataBytes));
    QStringList cutShort;
    for (const CdImageTrack& track : layout.tracks) {
        writeSilence(image, track.start - track.gapStart);
        if (!writeTrack(image, decoder, track))
            cutShort.append(track.song.path);
    }
    // Every block was written whole, or writing would have stopped; the size says so once more.
    if (file.device().size() != wavHeader(0).size() + dataBytes)
        throw AppError::cannotWrite(path);
    file.commit();
    return cutShort;
}

} // namespace lccd
