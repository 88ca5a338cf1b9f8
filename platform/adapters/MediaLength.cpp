#include "platform/adapters/MediaLength.h"

#include "platform/codecs/Riff.h"

#include <QFile>
#include <QtEndian>

#include <taglib/fileref.h>
#include <taglib/mpegfile.h>

namespace lccd {
namespace {

// Sample formats whose frames all take the fmt chunk's block size.
bool isBlockCoded(quint16 formatTag) {
    constexpr quint16 kPcm = 1, kFloat = 3, kALaw = 6, kMuLaw = 7, kExtensible = 0xFFFE;
    return formatTag == kPcm || formatTag == kFloat || formatTag == kALaw || formatTag == kMuLaw ||
           formatTag == kExtensible;
}

QByteArray chunkData(QFile& file, const RiffChunk& chunk, qint64 length) {
    return chunk.size >= length && file.seek(chunk.dataOffset) ? file.read(length) : QByteArray();
}

// Counted from the sample frames present, so that a length is never rounded up to the next
// millisecond; compressed audio by its fact chunk, else by its byte rate.
std::optional<qint64> wavLength(QFile& file, const RiffLayout& layout) {
    const RiffChunk* fmt = layout.find("fmt ");
    const RiffChunk* data = layout.find("data");
    const QByteArray format = fmt ? chunkData(file, *fmt, 16) : QByteArray();
    if (format.size() != 16 || data == nullptr)
        return std::nullopt;
    const quint16 formatTag = qFromLittleEndian<quint16>(format.constData());
    const quint32 sampleRate = qFromLittleEndian<quint32>(format.constData() + 4);
    const quint32 byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
    const quint16 blockAlign = qFromLittleEndian<quint16>(format.constData() + 12);
    if (sampleRate == 0)
        return std::nullopt;
    if (isBlockCoded(formatTag) && blockAlign > 0)
        return data->size / blockAlign * 1000 / sampleRate;
    const RiffChunk* fact = layout.find("fact");
    const QByteArray frames = fact ? chunkData(file, *fact, 4) : QByteArray();
    if (frames.size() == 4)
        return qint64(qFromLittleEndian<quint32>(frames.constData())) * 1000 / sampleRate;
    if (byteRate == 0)
        return std::nullopt;
    return data->size * 1000 / byteRate;
}

std::optional<qint64> lengthOf(const TagLib::File* file) {
    if (file == nullptr || !file->isValid() || file->audioProperties() == nullptr)
        return std::nullopt;
    return file->audioProperties()->lengthInMilliseconds();
}

} // namespace

std::optional<qint64> mediaLengthMilliseconds(const QString& path) {
    const QByteArray fileName = QFile::encodeName(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    const QByteArray form = layout ? layout->form : QByteArray();
    if (form == "WAVE")
        return wavLength(file, *layout);
    if (form == "RMP3") {
        // The MPEG frames in the "data" chunk are found as in a plain MP3 file.
        const TagLib::MPEG::File mp3(fileName.constData());
        return lengthOf(&mp3);
    }
    const TagLib::FileRef other(fileName.constData());
    return lengthOf(other.file());
}

} // namespace lccd
