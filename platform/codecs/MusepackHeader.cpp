#include "platform/codecs/MusepackHeader.h"

#include "platform/codecs/Id3Header.h"

#include <QFile>

namespace lccd {
namespace {

constexpr int kMaxVarlenBytes = 9;
constexpr int kMaxPacketsBeforeHeader = 16;

// A number of 7-bit groups, most significant first, each byte but the last with its top bit set.
std::optional<qint64> readVarlen(QFile& file) {
    qint64 value = 0;
    for (int i = 0; i < kMaxVarlenBytes; ++i) {
        char byte = 0;
        if (!file.getChar(&byte))
            return std::nullopt;
        value = (value << 7) | (uchar(byte) & 0x7F);
        if ((uchar(byte) & 0x80) == 0)
            return value;
    }
    return std::nullopt;
}

} // namespace

std::optional<qint64> musepackSv8Frames(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray head = file.read(10);
    const qint64 start = head.startsWith("ID3") && head.size() == 10 ? id3v2TagSize(head) : 0;
    if (!file.seek(start) || file.read(4) != "MPCK")
        return std::nullopt;
    // Packets: a two-letter key and a size that counts the key and itself.
    for (int i = 0; i < kMaxPacketsBeforeHeader; ++i) {
        const qint64 packetStart = file.pos();
        const QByteArray key = file.read(2);
        const std::optional<qint64> size = readVarlen(file);
        if (key.size() != 2 || !size || *size < file.pos() - packetStart)
            return std::nullopt;
        if (key == "SH") {
            // A checksum, the stream version, then the counts.
            if (file.read(5).size() != 5)
                return std::nullopt;
            const std::optional<qint64> samples = readVarlen(file);
            const std::optional<qint64> silence = readVarlen(file);
            if (!samples || !silence || *silence > *samples)
                return std::nullopt;
            return *samples - *silence;
        }
        if (!file.seek(packetStart + *size))
            return std::nullopt;
    }
    return std::nullopt;
}

} // namespace lccd
