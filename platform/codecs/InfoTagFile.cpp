#include "platform/codecs/InfoTagFile.h"

#include "platform/FileReplace.h"
#include "platform/ReplacementFile.h"

#include <QFile>
#include <QSet>
#include <QtEndian>

#include <algorithm>

namespace lccd {
namespace {

constexpr qint64 kRiffHeaderSize = 12;
constexpr qint64 kMaxChunkSize = 0xFFFFFFFE;

struct InfoEntry {
    QByteArray id;
    QByteArray data; // as stored, NUL terminator included, without the pad byte
};

// The first LIST chunk of type INFO, split into its fields. A damaged end of the list (a field
// running past it) is kept as raw bytes.
struct InfoList {
    const RiffChunk* chunk = nullptr;
    QList<InfoEntry> entries;
    QByteArray tail;
};

InfoList splitInfo(const RiffChunk& chunk, const QByteArray& list) {
    InfoList info{&chunk, {}, {}};
    qsizetype at = 4; // after the list type
    while (at + 8 <= list.size()) {
        const quint32 size = qFromLittleEndian<quint32>(list.constData() + at + 4);
        if (size > quint32(list.size() - at - 8))
            break;
        info.entries.append({list.mid(at, 4), list.mid(at + 8, size)});
        at += 8 + qsizetype(size) + (size & 1);
    }
    info.tail = list.mid(qMin(at, list.size()));
    return info;
}

InfoList readInfoList(QIODevice& file, const RiffLayout& layout) {
    for (const RiffChunk& chunk : layout.chunks) {
        if (chunk.id != "LIST" || readAt(file, chunk.dataOffset, 4) != "INFO")
            continue;
        return splitInfo(chunk, readAt(file, chunk.dataOffset, chunk.size));
    }
    return {};
}

QByteArray valueOf(const QByteArray& data) {
    const qsizetype nul = data.indexOf('\0');
    return nul < 0 ? data : data.left(nul);
}

QByteArray padded(QByteArray bytes) {
    if (bytes.size() % 2 != 0)
        bytes.append('\0');
    return bytes;
}

QByteArray entryBytes(const QByteArray& id, const QByteArray& data) {
    return padded(riffChunkHeader(id, quint32(data.size())) + data);
}

// The data of the INFO list with the changes made: fields keep their places and bytes, a changed
// field takes the place of its first occurrence (later ones go, so that readers find the new
// value), new fields follow the existing ones, and a damaged end stays last.
QByteArray rebuiltInfo(const InfoList& info, const TagFields& changes) {
    QByteArray list = "INFO";
    QSet<QByteArray> placed;
    const auto placeChange = [&](const QByteArray& id) {
        placed.insert(id);
        if (!changes.value(id).isEmpty())
            list += entryBytes(id, changes.value(id) + '\0');
    };
    for (const InfoEntry& entry : info.entries) {
        if (!changes.contains(entry.id))
            list += entryBytes(entry.id, entry.data);
        else if (!placed.contains(entry.id))
            placeChange(entry.id);
    }
    for (const QByteArray& id : kSongTagIds)
        if (changes.contains(id) && !placed.contains(id))
            placeChange(id);
    for (auto change = changes.begin(); change != changes.end(); ++change)
        if (!placed.contains(change.key()))
            placeChange(change.key());
    return list + info.tail;
}

// Whether the file keeps its sizes in a ds64 chunk where readers look for it: a whole one, first.
// A 64-bit file without one (written to a pipe, say) gets its true sizes, as a streamed WAV
// file does.
bool keepsSizesInDs64(const RiffLayout& layout) {
    const RiffChunk* ds64 = layout.find("ds64");
    return layout.is64Bit() && ds64 != nullptr && ds64 == &layout.chunks.front() &&
           ds64->size >= kDs64FixedSize;
}

// The size field a copied chunk gets: its true size, or, in a 64-bit form where the source left
// it to the ds64 chunk, still that.
std::optional<quint32> sizeField(QIODevice& source, const RiffLayout& layout,
                                 const RiffChunk& chunk) {
    const QByteArray original = readAt(source, chunk.dataOffset - 4, 4);
    if (keepsSizesInDs64(layout) && original.size() == 4 &&
        qFromLittleEndian<quint32>(original.constData()) == kSizeInDs64)
        return kSizeInDs64;
    if (chunk.size > kMaxChunkSize)
        return std::nullopt;
    return quint32(chunk.size);
}

bool writeChunk(QIODevice& out, const QByteArray& id, quint32 sizeField, QIODevice& source,
                qint64 offset, qint64 size) {
    return out.write(riffChunkHeader(id, sizeField)) == 8 && copyRange(source, offset, size, out) &&
           ((size & 1) == 0 || out.write("\0", 1) == 1);
}

// Sets the RIFF size (and in a 64-bit form the ds64 chunk's sizes) to what was written.
bool finishSizes(QIODevice& source, const RiffLayout& layout, QIODevice& out) {
    const qint64 riffSize = out.size() - 8;
    const QByteArray originalHeader = readAt(source, 4, 4);
    const bool riffSizeInDs64 =
        keepsSizesInDs64(layout) && originalHeader.size() == 4 &&
        qFromLittleEndian<quint32>(originalHeader.constData()) == kSizeInDs64;
    if (!riffSizeInDs64 && riffSize > kMaxChunkSize)
        return false;
    QByteArray field(4, Qt::Uninitialized);
    qToLittleEndian(riffSizeInDs64 ? kSizeInDs64 : quint32(riffSize), field.data());
    if (!out.seek(4) || out.write(field) != 4)
        return false;
    if (!keepsSizesInDs64(layout))
        return true;
    const RiffChunk* data = layout.find("data");
    QByteArray sizes(16, Qt::Uninitialized);
    qToLittleEndian(quint64(riffSize), sizes.data());
    qToLittleEndian(quint64(data != nullptr ? data->size : 0), sizes.data() + 8);
    return out.seek(kRiffHeaderSize + 8) && out.write(sizes) == 16;
}

QList<const RiffChunk*> chunksBesides(const RiffLayout& layout, const RiffChunk* info) {
    QList<const RiffChunk*> chunks;
    for (const RiffChunk& chunk : layout.chunks)
        if (&chunk != info)
            chunks.append(&chunk);
    return chunks;
}

// The ds64 chunk's first 16 bytes hold sizes that the rewrite sets anew.
qint64 comparedFrom(const RiffChunk& chunk) {
    return chunk.id == "ds64" ? qMin<qint64>(16, chunk.size) : 0;
}

} // namespace

std::optional<TagFields> readInfoFields(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const std::optional<RiffLayout> layout = readRiffLayout(file);
    if (!layout)
        return std::nullopt;
    const InfoList info = readInfoList(file, *layout);
    TagFields fields;
    for (const QByteArray& id : kSongTagIds)
        fields.insert(id, QByteArray());
    // The first field of each id counts, as readers find it first.
    for (auto entry = info.entries.crbegin(); entry != info.entries.crend(); ++entry)
        if (fields.contains(entry->id))
            fields.insert(entry->id, valueOf(entry->data));
    return fields;
}

bool writeWithInfoChanges(QIODevice& source, const RiffLayout& layout, const TagFields& changes,
                          QIODevice& out) {
    const InfoList info = readInfoList(source, layout);
    const QByteArray list = rebuiltInfo(info, changes);
    if (out.write(layout.magic + QByteArray(4, '\0') + layout.form) != kRiffHeaderSize)
        return false;
    const QByteArray listChunk = padded(riffChunkHeader("LIST", quint32(list.size())) + list);
    const auto writeList = [&] { return out.write(listChunk) == listChunk.size(); };
    for (const RiffChunk& chunk : layout.chunks) {
        if (&chunk == info.chunk) {
            if (!writeList())
                return false;
            continue;
        }
        const std::optional<quint32> size = sizeField(source, layout, chunk);
        if (!size || !writeChunk(out, chunk.id, *size, source, chunk.dataOffset, chunk.size))
            return false;
    }
    if (info.chunk == nullptr && list.size() > 4 && !writeList())
        return false;
    if (!finishSizes(source, layout, out))
        return false;
    // Bytes after the last chunk (a tag some programs append) stay after the chunks.
    const qint64 trailing = source.size() - layout.chunksEnd();
    return trailing <= 0 || copyRange(source, layout.chunksEnd(), trailing, out);
}

bool holdsInfoChanges(QIODevice& source, const RiffLayout& layout, const TagFields& changes,
                      QIODevice& out) {
    const std::optional<RiffLayout> written = readRiffLayout(out);
    if (!written || written->magic != layout.magic || written->form != layout.form)
        return false;
    const InfoList sourceInfo = readInfoList(source, layout);
    const InfoList writtenInfo = readInfoList(out, *written);
    const QList<const RiffChunk*> before = chunksBesides(layout, sourceInfo.chunk);
    const QList<const RiffChunk*> after = chunksBesides(*written, writtenInfo.chunk);
    if (before.size() != after.size())
        return false;
    for (qsizetype i = 0; i < before.size(); ++i) {
        const RiffChunk& was = *before[i];
        const RiffChunk& is = *after[i];
        const qint64 from = comparedFrom(was);
        if (is.id != was.id || is.size != was.size || is.declaredSize != is.size ||
            !sameBytes(source, was.dataOffset + from, out, is.dataOffset + from, was.size - from))
            return false;
    }
    const QByteArray expectedList = rebuiltInfo(sourceInfo, changes);
    const bool listAsExpected =
        writtenInfo.chunk != nullptr
            ? readAt(out, writtenInfo.chunk->dataOffset, writtenInfo.chunk->size) == expectedList
            : expectedList.size() == 4;
    if (!listAsExpected)
        return false;
    for (auto change = changes.begin(); change != changes.end(); ++change) {
        const auto stored =
            std::find_if(writtenInfo.entries.begin(), writtenInfo.entries.end(),
                         [&](const InfoEntry& entry) { return entry.id == change.key(); });
        const QByteArray value =
            stored == writtenInfo.entries.end() ? QByteArray() : valueOf(stored->data);
        if (value != change.value())
            return false;
    }
    return written->declaredRiffSize + 8 == written->chunksEnd();
}

bool saveInfoFields(const QString& path, const TagFields& changes) {
    return replaceFile(path, [&](ReplacementFile& replacement) {
        QFile song(path);
        if (!song.open(QIODevice::ReadOnly))
            return false;
        const std::optional<RiffLayout> layout = readRiffLayout(song);
        return layout && writeWithInfoChanges(song, *layout, changes, replacement.device()) &&
               holdsInfoChanges(song, *layout, changes, replacement.device());
    });
}

} // namespace lccd
