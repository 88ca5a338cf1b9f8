#include "platform/codecs/RiffSif.h"

#include "platform/FileReplace.h"
#include "platform/Mp3Infp.h"
#include "platform/ReplacementFile.h"
#include "platform/codecs/InfoTagFile.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

#include <limits>

namespace lccd {
namespace {

constexpr qint64 kId3v1Size = 128;
constexpr qint64 kMaxChunkSize = std::numeric_limits<quint32>::max() - 64;

bool writePadFor(quint32 size, QIODevice& out) {
    return (size & 1) == 0 || out.write("\0", 1) == 1;
}

// Starts a RIFF file whose size field is filled in by finishRiff.
bool startRiff(const QByteArray& form, QIODevice& out) {
    return out.write(riffChunkHeader("RIFF", 0) + form) == 12;
}

bool finishRiff(QIODevice& out) {
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

quint32 id3TagsOfStream(QIODevice& file, qint64 offset, qint64 length) {
    quint32 tags = 0;
    if (length >= 10 && readAt(file, offset, 3) == "ID3")
        tags |= TagTypeFlags::Id3v2;
    if (length >= kId3v1Size && readAt(file, offset + length - kId3v1Size, 3) == "TAG")
        tags |= TagTypeFlags::Id3v1;
    return tags;
}

bool writeRmpForm(QIODevice& mp3, const QByteArray& appended, QIODevice& out) {
    const qint64 size = mp3.size() + appended.size();
    return size <= kMaxChunkSize && startRiff(kRmpForm, out) &&
           out.write(riffChunkHeader("data", quint32(size))) == 8 &&
           copyRange(mp3, 0, mp3.size(), out) && out.write(appended) == appended.size() &&
           writePadFor(quint32(size), out) && finishRiff(out);
}

bool writeWithDataAppended(QIODevice& source, const RiffLayout& layout, const QByteArray& bytes,
                           QIODevice& out) {
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

bool saveWithId3v1Appended(const QString& path) {
    QFile song(path);
    if (!song.open(QIODevice::ReadOnly))
        return false;
    const QByteArray tag = emptyId3v1Tag();
    return replaceFile(path, [&](ReplacementFile& replacement) {
        QIODevice& out = replacement.device();
        return copyRange(song, 0, song.size(), out) && out.write(tag) == tag.size() &&
               sameBytes(song, 0, out, 0, song.size()) &&
               readAt(out, song.size(), tag.size()) == tag;
    });
}

bool saveInRmpForm(const QString& path, const RmpPreparation& preparation,
                   const TagFields& changes) {
    QFile song(path);
    if (!song.open(QIODevice::ReadOnly))
        return false;
    const QByteArray appended = preparation.appendId3v1 ? emptyId3v1Tag() : QByteArray();
    // The prepared form is staged in memory, so the song is replaced once, not step by step.
    QBuffer staged;
    staged.open(QIODevice::ReadWrite);
    const std::optional<RiffLayout> songLayout =
        preparation.fromPlainMp3 ? std::nullopt : readRiffLayout(song);
    const RiffChunk* songData = songLayout ? songLayout->find("data") : nullptr;
    const bool prepared =
        preparation.fromPlainMp3
            ? writeRmpForm(song, appended, staged)
            : songLayout && writeWithDataAppended(song, *songLayout, appended, staged);
    const std::optional<RiffLayout> layout = prepared ? readRiffLayout(staged) : std::nullopt;
    const RiffChunk* data = layout ? layout->find("data") : nullptr;
    const qint64 mpegStart = preparation.fromPlainMp3 ? 0 : songData ? songData->dataOffset : -1;
    const qint64 mpegSize = preparation.fromPlainMp3 ? song.size() : songData ? songData->size : 0;
    const bool keepsMpeg = data != nullptr && mpegStart >= 0 &&
                           data->size == mpegSize + appended.size() &&
                           sameBytes(song, mpegStart, staged, data->dataOffset, mpegSize) &&
                           readAt(staged, data->dataOffset + mpegSize, appended.size()) == appended;
    if (!keepsMpeg)
        return false;
    return replaceFile(path, [&](ReplacementFile& replacement) {
        return writeWithInfoChanges(staged, *layout, changes, replacement.device()) &&
               holdsInfoChanges(staged, *layout, changes, replacement.device());
    });
}

} // namespace lccd
