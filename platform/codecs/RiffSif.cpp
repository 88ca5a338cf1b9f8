#include "platform/codecs/RiffSif.h"

#include "platform/FileReplace.h"
#include "platform/Mp3Infp.h"

#include <QFile>
#include <QtEndian>

#include <limits>

namespace lccd {
namespace {

constexpr qint64 kId3v1Size = 128;
constexpr qint64 kMaxChunkSize = std::numeric_limits<quint32>::max() - 64;

bool writePadFor(quint32 size, QFile& out) {
    return (size & 1) == 0 || out.write("\0", 1) == 1;
}

// Starts a RIFF file whose size field is filled in by finishRiff.
bool startRiff(const QByteArray& form, QFile& out) {
    return out.write(riffChunkHeader("RIFF", 0) + form) == 12;
}

bool finishRiff(QFile& out) {
    const qint64 size = out.size() - 8;
    if (size > kMaxChunkSize)
        return false;
    QByteArray field(4, Qt::Uninitialized);
    qToLittleEndian(quint32(size), field.data());
    return out.seek(4) && out.write(field) == 4;
}

} // namespace

QByteArray emptyId3v1Tag() {
    QByteArray tag(kId3v1Size, '\0');
    tag.replace(0, 3, "TAG");
    tag[kId3v1Size - 1] = char(0xFF); // no genre
    return tag;
}

quint32 id3TagsOfStream(QFile& file, qint64 offset, qint64 length) {
    quint32 tags = 0;
    if (length >= 10 && readAt(file, offset, 3) == "ID3")
        tags |= TagType::Id3v2;
    if (length >= kId3v1Size && readAt(file, offset + length - kId3v1Size, 3) == "TAG")
        tags |= TagType::Id3v1;
    return tags;
}

bool writeRmpForm(QFile& mp3, QFile& out) {
    const qint64 size = mp3.size();
    return size <= kMaxChunkSize && startRiff(kRmpForm, out) &&
           out.write(riffChunkHeader("data", quint32(size))) == 8 && copyRange(mp3, 0, size, out) &&
           writePadFor(quint32(size), out) && finishRiff(out);
}

bool writeWithDataAppended(QFile& source, const RiffLayout& layout, const QByteArray& bytes,
                           QFile& out) {
    const RiffChunk* data = layout.find("data");
    if (data == nullptr || !startRiff(layout.form, out))
        return false;
    qint64 copied = 12;
    for (const RiffChunk& chunk : layout.chunks) {
        const qint64 added = &chunk == data ? bytes.size() : 0;
        if (chunk.size + added > kMaxChunkSize)
            return false;
        const quint32 size = quint32(chunk.size + added);
        if (out.write(riffChunkHeader(chunk.id, size)) != 8 ||
            !copyRange(source, chunk.dataOffset, chunk.size, out) ||
            (added > 0 && out.write(bytes) != added) || !writePadFor(size, out))
            return false;
        copied = qMin(chunk.end(), source.size());
    }
    return finishRiff(out) && copyRange(source, copied, source.size() - copied, out);
}

} // namespace lccd
