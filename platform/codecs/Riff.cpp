#include "platform/codecs/Riff.h"

#include <QFile>
#include <QtEndian>

#include <algorithm>

namespace lccd {
namespace {

constexpr qint64 kFileHeaderSize = 12;
constexpr qint64 kChunkHeaderSize = 8;

struct RiffHeader {
    QByteArray magic;
    QByteArray form;
    quint32 size;
};

std::optional<RiffHeader> riffHeader(QIODevice& file) {
    if (!file.seek(0))
        return std::nullopt;
    const QByteArray header = file.read(kFileHeaderSize);
    if (header.size() != kFileHeaderSize)
        return std::nullopt;
    const QByteArray magic = header.left(4);
    if (magic != "RIFF" && magic != "RF64" && magic != "BW64")
        return std::nullopt;
    return RiffHeader{magic, header.mid(8, 4), qFromLittleEndian<quint32>(header.constData() + 4)};
}

// The 64-bit sizes of a ds64 chunk: of the RIFF, of the "data" chunk, and of the chunks its
// table names.
struct Ds64Sizes {
    qint64 riff = 0;
    qint64 data = 0;
    QList<std::pair<QByteArray, qint64>> table;

    std::optional<qint64> sizeOf(const QByteArray& id) const {
        if (id == "data")
            return data;
        for (const auto& [tableId, size] : table)
            if (tableId == id)
                return size;
        return std::nullopt;
    }
};

std::optional<Ds64Sizes> parseDs64(const QByteArray& chunk) {
    constexpr qsizetype kTableEntry = 12;
    if (chunk.size() < kDs64FixedSize)
        return std::nullopt;
    const auto qword = [&](qsizetype at) {
        return qint64(qMin<quint64>(qFromLittleEndian<quint64>(chunk.constData() + at),
                                    std::numeric_limits<qint64>::max() / 2));
    };
    Ds64Sizes sizes{qword(0), qword(8), {}};
    const quint32 entries = qFromLittleEndian<quint32>(chunk.constData() + 24);
    for (quint32 i = 0; i < entries; ++i) {
        const qsizetype at = kDs64FixedSize + qsizetype(i) * kTableEntry;
        if (at + kTableEntry > chunk.size())
            break;
        sizes.table.append({chunk.mid(at, 4), qword(at + 4)});
    }
    return sizes;
}

bool isPrintableId(const QByteArray& id) {
    return std::all_of(id.begin(), id.end(), [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// Whether a chunk header starts at offset: a printable id and a size that fits in the file.
bool chunkFollows(QIODevice& file, qint64 offset, qint64 fileSize) {
    if (offset + kChunkHeaderSize > fileSize || !file.seek(offset))
        return false;
    const QByteArray header = file.read(kChunkHeaderSize);
    return header.size() == kChunkHeaderSize && isPrintableId(header.left(4)) &&
           offset + kChunkHeaderSize + qFromLittleEndian<quint32>(header.constData() + 4) <=
               fileSize;
}

} // namespace

const RiffChunk* RiffLayout::find(const QByteArray& id) const {
    for (const RiffChunk& chunk : chunks)
        if (chunk.id == id)
            return &chunk;
    return nullptr;
}

qint64 RiffLayout::chunksEnd() const {
    return chunks.isEmpty() ? kFileHeaderSize : chunks.back().end();
}

std::optional<RiffLayout> readRiffLayout(QIODevice& file) {
    const std::optional<RiffHeader> header = riffHeader(file);
    if (!header)
        return std::nullopt;
    RiffLayout layout{header->magic, header->form, header->size, {}};
    std::optional<Ds64Sizes> ds64;
    const qint64 fileSize = file.size();
    qint64 offset = kFileHeaderSize;
    while (offset + kChunkHeaderSize <= fileSize && file.seek(offset)) {
        const QByteArray chunkHeader = file.read(kChunkHeaderSize);
        if (chunkHeader.size() != kChunkHeaderSize)
            break;
        RiffChunk chunk{chunkHeader.left(4), offset + kChunkHeaderSize, 0, 0};
        const quint32 size32 = qFromLittleEndian<quint32>(chunkHeader.constData() + 4);
        chunk.declaredSize = size32;
        if (ds64 && size32 == kSizeInDs64)
            chunk.declaredSize = ds64->sizeOf(chunk.id).value_or(size32);
        const qint64 present = fileSize - chunk.dataOffset;
        chunk.size = chunk.declaredSize;
        if (chunk.id == "data") {
            const bool undeclared = chunk.declaredSize == 0 && present > 0 &&
                                    !chunkFollows(file, chunk.dataOffset, fileSize);
            if (undeclared || chunk.declaredSize > present)
                chunk.size = present;
        } else if (chunk.declaredSize > present) {
            break;
        }
        if (layout.is64Bit() && layout.chunks.isEmpty() && chunk.id == "ds64") {
            file.seek(chunk.dataOffset);
            ds64 = parseDs64(file.read(chunk.size));
            if (ds64 && header->size == kSizeInDs64)
                layout.declaredRiffSize = ds64->riff;
        }
        layout.chunks.append(chunk);
        offset = chunk.end();
    }
    return layout;
}

QByteArray riffFormOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const std::optional<RiffHeader> header = riffHeader(file);
    return header ? header->form : QByteArray();
}

QByteArray riffChunkHeader(const QByteArray& id, quint32 size) {
    QByteArray header = id;
    header.resize(kChunkHeaderSize);
    qToLittleEndian(size, header.data() + 4);
    return header;
}

} // namespace lccd
