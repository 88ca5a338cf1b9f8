#include "tests/support/TestSongs.h"

#include "platform/codecs/Riff.h"

#include <QFile>
#include <QtEndian>

#include <stdexcept>

namespace lccd::test {
namespace {

template <typename Number> QByteArray littleEndian(Number value) {
    QByteArray bytes(sizeof(Number), Qt::Uninitialized);
    qToLittleEndian(value, bytes.data());
    return bytes;
}

void writeOrThrow(QFile& file, const QByteArray& bytes) {
    if (file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write test file");
}

void openForWriting(QFile& file) {
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot create test file");
}

QByteArray padded(QByteArray field, int size) {
    field.resize(size, '\0');
    return field;
}

} // namespace

QByteArray riffChunk(const QByteArray& id, const QByteArray& data) {
    return riffChunkHeader(id, quint32(data.size())) + data +
           (data.size() % 2 != 0 ? QByteArray(1, '\0') : QByteArray());
}

QByteArray fmtChunk(const WavFormat& format) {
    const int blockAlign = format.channels * format.bitsPerSample / 8;
    return riffChunk("fmt ", littleEndian<quint16>(1) +
                                 littleEndian<quint16>(quint16(format.channels)) +
                                 littleEndian<quint32>(quint32(format.sampleRate)) +
                                 littleEndian<quint32>(quint32(format.sampleRate * blockAlign)) +
                                 littleEndian<quint16>(quint16(blockAlign)) +
                                 littleEndian<quint16>(quint16(format.bitsPerSample)));
}

QByteArray infoChunk(const QList<InfoField>& info) {
    QByteArray list = "INFO";
    for (const auto& [id, value] : info)
        list += riffChunk(id, value + '\0');
    return riffChunk("LIST", list);
}

QByteArray testAudio(qint64 bytes) {
    QByteArray audio(bytes, Qt::Uninitialized);
    for (qint64 i = 0; i < bytes; ++i)
        audio[i] = char((i * 7 + i / 251) & 0xFF);
    return audio;
}

QByteArray riffFile(const QList<QByteArray>& chunks, const QByteArray& form,
                    std::optional<quint32> riffSize) {
    const QByteArray body = form + chunks.join();
    return riffChunkHeader("RIFF", riffSize.value_or(quint32(body.size()))) + body;
}

void writeTestWav(const QString& path, qint64 frames, const WavFormat& format,
                  const QList<InfoField>& info) {
    const qint64 dataSize = frames * format.channels * format.bitsPerSample / 8;
    QList<QByteArray> chunks = {fmtChunk(format), riffChunk("data", testAudio(dataSize))};
    if (!info.isEmpty())
        chunks.append(infoChunk(info));
    QFile file(path);
    openForWriting(file);
    writeOrThrow(file, riffFile(chunks));
}

void writeSparseWav(const QString& path, qint64 size, const WavFormat& format) {
    const QByteArray head = fmtChunk(format);
    const qint64 dataSize = size - 12 - head.size() - 8;
    QFile file(path);
    openForWriting(file);
    writeOrThrow(file, riffChunkHeader("RIFF", quint32(size - 8)) + "WAVE" + head +
                           riffChunkHeader("data", quint32(dataSize)));
    if (!file.resize(size))
        throw std::runtime_error("cannot size test file");
}

QByteArray riffDataChunk(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    const RiffChunk* data = layout ? layout->find("data") : nullptr;
    if (data == nullptr || !file.seek(data->dataOffset))
        return {};
    return file.read(data->size);
}

QByteArray id3v1Tag(const QByteArray& title, const QByteArray& artist, const QByteArray& album,
                    const QByteArray& year, const QByteArray& comment, quint8 genre) {
    return "TAG" + padded(title, 30) + padded(artist, 30) + padded(album, 30) + padded(year, 4) +
           padded(comment, 28) + QByteArray(2, '\0') + char(genre);
}

QByteArray id3v2Latin1Tag(const QList<std::pair<QByteArray, QByteArray>>& frames) {
    QByteArray body;
    for (const auto& [id, text] : frames) {
        // Encoding byte 0 (Latin-1); a comment adds its language and an empty description.
        const QByteArray content =
            QByteArray(1, '\0') + (id == "COMM" ? QByteArray("jpn\0", 4) : QByteArray()) + text;
        QByteArray size(4, Qt::Uninitialized);
        qToBigEndian(quint32(content.size()), size.data());
        body += id + size + QByteArray(2, '\0') + content;
    }
    QByteArray syncSafe(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i)
        syncSafe[i] = char((body.size() >> (7 * (3 - i))) & 0x7F);
    return QByteArray("ID3\x03\x00\x00", 6) + syncSafe + body;
}

} // namespace lccd::test
