#include "platform/Riff.h"

#include <QFile>
#include <QtEndian>

namespace lccd {
namespace {

constexpr qint64 kFileHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;

std::optional<QByteArray> riffForm(QFile& file) {
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray header = file.read(kFileHeaderSize);
    if (header.size() != kFileHeaderSize || !header.startsWith("RIFF"))
        return std::nullopt;
    return header.mid(8, 4);
}

} // namespace

const RiffChunk* RiffLayout::find(const QByteArray& id) const {
    for (const RiffChunk& chunk : chunks)
        if (chunk.id == id)
            return &chunk;
    return nullptr;
}

std::optional<RiffLayout> readRiffLayout(QFile& file) {
    std::optional<QByteArray> form = riffForm(file);
    if (!form)
        return std::nullopt;
    RiffLayout layout{*form, {}};
    const qint64 fileSize = file.size();
    qint64 offset = kFileHeaderSize;
    while (offset + kChunkHeaderSize <= fileSize && file.seek(offset)) {
        const QByteArray header = file.read(kChunkHeaderSize);
        if (header.size() != kChunkHeaderSize)
            break;
        const RiffChunk chunk{header.left(4), offset + kChunkHeaderSize,
                              qFromLittleEndian<quint32>(header.constData() + 4)};
        if (chunk.dataOffset + chunk.size > fileSize)
            break;
        layout.chunks.append(chunk);
        offset = chunk.end();
    }
    return layout;
}

QByteArray riffFormOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return riffForm(file).value_or(QByteArray());
}

QByteArray riffChunkHeader(const QByteArray& id, quint32 size) {
    QByteArray header = id;
    header.resize(kChunkHeaderSize);
    qToLittleEndian(size, header.data() + 4);
    return header;
}

} // namespace lccd
