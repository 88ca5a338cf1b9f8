#include "platform/codecs/CodedAudio.h"

#include "platform/FileReplace.h"
#include "platform/codecs/Id3Header.h"

#include <QCryptographicHash>
#include <QFile>
#include <QtEndian>

#include <array>
#include <optional>
#include <unordered_map>

namespace lccd {
namespace {

constexpr qint64 kOggHeaderBytes = 27;
constexpr char kOggContinuedFlag = 0x01;
// Every logical stream of the Ogg codecs keeps its comment header in its second packet.
constexpr qint64 kCommentPacketIndex = 1;

// The checksum of an Ogg page (CRC-32, polynomial 0x04C11DB7, not reflected, starting at 0).
quint32 oggChecksum(const QByteArray& page) {
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> entries{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 value = i << 24;
            for (int bit = 0; bit < 8; ++bit)
                value = (value & 0x80000000u) != 0 ? (value << 1) ^ 0x04C11DB7u : value << 1;
            entries[i] = value;
        }
        return entries;
    }();
    quint32 checksum = 0;
    for (const char byte : page)
        checksum = (checksum << 8) ^ table[((checksum >> 24) ^ uchar(byte)) & 0xFF];
    return checksum;
}

// A packet as the comparison sees it: where it stands and a digest of its bytes, so that no
// packet needs to be held whole.
struct OggPacket {
    quint32 serial = 0;
    qint64 index = 0; // within its logical stream
    qint64 granule = 0;
    qint64 size = 0;
    QByteArray digest;

    bool operator==(const OggPacket&) const = default;
};

// The packets of an Ogg file in the order they complete. A page whose checksum fails is passed
// over, as decoders pass it over; reading stops at the first bytes that are no page.
class OggPacketReader {
public:
    explicit OggPacketReader(QFile& file) : file_(file) {}

    std::optional<OggPacket> next() {
        while (ready_.isEmpty())
            if (!readPage())
                return std::nullopt;
        return ready_.takeFirst();
    }

    // Where the pages that could be read end.
    qint64 position() const { return position_; }

private:
    struct Stream {
        QCryptographicHash hash{QCryptographicHash::Sha256};
        qint64 size = 0;
        qint64 packets = 0;
    };

    bool readPage() {
        const QByteArray header = readAt(file_, position_, kOggHeaderBytes);
        if (header.size() != kOggHeaderBytes || !header.startsWith("OggS"))
            return false;
        const QByteArray lacing = readAt(file_, position_ + kOggHeaderBytes, uchar(header[26]));
        if (lacing.size() != uchar(header[26]))
            return false;
        qint64 bodySize = 0;
        for (const char lace : lacing)
            bodySize += uchar(lace);
        const QByteArray body =
            readAt(file_, position_ + kOggHeaderBytes + lacing.size(), bodySize);
        if (body.size() != bodySize)
            return false;
        position_ += kOggHeaderBytes + lacing.size() + bodySize;
        QByteArray unsummed = header;
        unsummed.replace(22, 4, QByteArray(4, '\0'));
        if (oggChecksum(unsummed + lacing + body) != qFromLittleEndian<quint32>(header.data() + 22))
            return true;
        takePackets(header, lacing, body);
        return true;
    }

    void takePackets(const QByteArray& header, const QByteArray& lacing, const QByteArray& body) {
        const quint32 serial = qFromLittleEndian<quint32>(header.data() + 14);
        const qint64 granule = qFromLittleEndian<qint64>(header.data() + 6);
        Stream& stream = streams_[serial];
        if ((header[5] & kOggContinuedFlag) == 0 && stream.size > 0) {
            stream.hash.reset(); // a packet left unfinished by a lost page
            stream.size = 0;
        }
        qint64 offset = 0;
        for (const char lace : lacing) {
            const int length = uchar(lace);
            stream.hash.addData(QByteArrayView(body).sliced(offset, length));
            stream.size += length;
            offset += length;
            if (length < 255) {
                ready_.append(
                    {serial, stream.packets++, granule, stream.size, stream.hash.result()});
                stream.hash.reset();
                stream.size = 0;
            }
        }
    }

    QFile& file_;
    qint64 position_ = 0;
    std::unordered_map<quint32, Stream> streams_;
    QList<OggPacket> ready_;
};

std::optional<OggPacket> nextAudioPacket(OggPacketReader& reader) {
    std::optional<OggPacket> packet = reader.next();
    while (packet && packet->index == kCommentPacketIndex)
        packet = reader.next();
    return packet;
}

bool sameOggAudio(QFile& a, QFile& b) {
    OggPacketReader left(a);
    OggPacketReader right(b);
    for (;;) {
        const std::optional<OggPacket> packet = nextAudioPacket(left);
        if (packet != nextAudioPacket(right))
            return false;
        if (!packet)
            break;
    }
    const qint64 rest = a.size() - left.position();
    return rest == b.size() - right.position() &&
           sameBytes(a, left.position(), b, right.position(), rest);
}

// Where a FLAC file's parts lie: its stream information and its audio frames.
struct FlacParts {
    QByteArray streamInfo;
    qint64 framesStart = 0;
    qint64 framesEnd = 0;
};

qint64 flacStart(QFile& file) {
    const QByteArray head = readAt(file, 0, 10);
    return head.startsWith("ID3") && head.size() == 10 ? id3v2TagSize(head) : 0;
}

std::optional<FlacParts> flacParts(QFile& file) {
    constexpr int kStreamInfoType = 0;
    constexpr qint64 kId3v1Bytes = 128;
    qint64 position = flacStart(file);
    if (readAt(file, position, 4) != "fLaC")
        return std::nullopt;
    position += 4;
    FlacParts parts;
    for (bool first = true, last = false; !last; first = false) {
        const QByteArray block = readAt(file, position, 4);
        if (block.size() != 4)
            return std::nullopt;
        last = (block[0] & 0x80) != 0;
        const qint64 length = qFromBigEndian<quint32>(block.data()) & 0xFFFFFF;
        if (first && (block[0] & 0x7F) != kStreamInfoType)
            return std::nullopt;
        if (first)
            parts.streamInfo = readAt(file, position + 4, length);
        position += 4 + length;
        if (position > file.size())
            return std::nullopt;
    }
    parts.framesStart = position;
    parts.framesEnd = file.size();
    if (parts.framesEnd - kId3v1Bytes >= parts.framesStart &&
        readAt(file, parts.framesEnd - kId3v1Bytes, 3) == "TAG")
        parts.framesEnd -= kId3v1Bytes;
    return parts;
}

bool sameFlacAudio(QFile& a, QFile& b) {
    const std::optional<FlacParts> left = flacParts(a);
    const std::optional<FlacParts> right = flacParts(b);
    if (!left || !right || left->streamInfo != right->streamInfo)
        return false;
    const qint64 frames = left->framesEnd - left->framesStart;
    return frames == right->framesEnd - right->framesStart &&
           sameBytes(a, left->framesStart, b, right->framesStart, frames);
}

CodedContainer containerOf(QFile& file) {
    const QByteArray head = readAt(file, 0, 4);
    if (head == "OggS")
        return CodedContainer::Ogg;
    return readAt(file, flacStart(file), 4) == "fLaC" ? CodedContainer::Flac : CodedContainer::None;
}

} // namespace

CodedContainer codedContainerOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? containerOf(file) : CodedContainer::None;
}

bool sameCodedAudio(const QString& a, const QString& b) {
    QFile left(a);
    QFile right(b);
    if (!left.open(QIODevice::ReadOnly) || !right.open(QIODevice::ReadOnly))
        return false;
    const CodedContainer container = containerOf(left);
    if (container != containerOf(right))
        return false;
    switch (container) {
    case CodedContainer::Flac:
        return sameFlacAudio(left, right);
    case CodedContainer::Ogg:
        return sameOggAudio(left, right);
    case CodedContainer::None:
        break;
    }
    return false;
}

} // namespace lccd
