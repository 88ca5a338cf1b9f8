#include "platform/codecs/SongContainer.h"

#include "platform/codecs/Id3Header.h"

#include <QFile>

namespace lccd {
namespace {

constexpr qint64 kHeadBytes = 16;

// The marks that may follow an ID3v2 tag: taggers put one in front of any file.
SongContainer afterId3(const QByteArray& head) {
    if (head.startsWith("fLaC"))
        return SongContainer::Flac;
    if (head.startsWith("MAC "))
        return SongContainer::Ape;
    if (head.startsWith("TTA1"))
        return SongContainer::Tta;
    if (head.startsWith("MPCK") || head.startsWith("MP+"))
        return SongContainer::Musepack;
    if (head.startsWith("wvpk"))
        return SongContainer::WavPack;
    if (head.size() >= 2 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xF0) == 0xF0) {
        // Layer bits 00 are AAC's; MPEG audio uses the other three.
        return (uchar(head[1]) & 0x06) == 0 ? SongContainer::Adts : SongContainer::Mpeg;
    }
    if (head.size() >= 2 && uchar(head[0]) == 0xFF && (uchar(head[1]) & 0xE0) == 0xE0)
        return SongContainer::Mpeg; // MPEG 2.5
    return SongContainer::Unknown;
}

SongContainer containerOf(const QByteArray& head) {
    const QByteArray magic = head.left(4);
    const QByteArray form = head.mid(8, 4);
    if ((magic == "RIFF" || magic == "RF64" || magic == "BW64") && form == "WAVE")
        return SongContainer::Wave;
    if (magic == "RIFF" && form == "RMP3")
        return SongContainer::Rmp;
    if (magic == "FORM" && (form == "AIFF" || form == "AIFC"))
        return SongContainer::Aiff;
    if (magic == "OggS")
        return SongContainer::Ogg;
    if (head.mid(4, 4) == "ftyp")
        return SongContainer::Mp4;
    static const QByteArray asfHeader(
        "\x30\x26\xB2\x75\x8E\x66\xCF\x11\xA6\xD9\x00\xAA\x00\x62\xCE\x6C", 16);
    if (head.startsWith(asfHeader))
        return SongContainer::Asf;
    static const QByteArray matroska("\x1A\x45\xDF\xA3", 4);
    if (magic == "caff" || magic == ".snd" || magic == "DSD " || magic == matroska ||
        (magic == "riff" && head.mid(4, 4) == QByteArray("\x2E\x91\xCF\x11", 4)))
        return SongContainer::Other;
    return afterId3(head);
}

} // namespace

SongContainer songContainerOf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return SongContainer::Unknown;
    const QByteArray head = file.read(kHeadBytes);
    if (!head.startsWith("ID3") || head.size() < 10)
        return containerOf(head);
    if (!file.seek(id3v2TagSize(head)))
        return SongContainer::Unknown;
    const SongContainer tagged = afterId3(file.read(kHeadBytes));
    // An ID3v2 tag in front of anything else is an MP3 file's, as far as the bytes tell.
    return tagged == SongContainer::Unknown ? SongContainer::Mpeg : tagged;
}

QString songContainerName(SongContainer container) {
    switch (container) {
    case SongContainer::Wave:
        return QStringLiteral("WAV");
    case SongContainer::Rmp:
        return QStringLiteral("RMP");
    case SongContainer::Mpeg:
        return QStringLiteral("MP3");
    case SongContainer::Flac:
        return QStringLiteral("FLAC");
    case SongContainer::Ogg:
        return QStringLiteral("Ogg");
    case SongContainer::Aiff:
        return QStringLiteral("AIFF");
    case SongContainer::Mp4:
        return QStringLiteral("MP4");
    case SongContainer::Asf:
        return QStringLiteral("WMA");
    case SongContainer::Ape:
        return QStringLiteral("Monkey's Audio");
    case SongContainer::WavPack:
        return QStringLiteral("WavPack");
    case SongContainer::Tta:
        return QStringLiteral("TTA");
    case SongContainer::Musepack:
        return QStringLiteral("Musepack");
    case SongContainer::Adts:
        return QStringLiteral("AAC");
    case SongContainer::Other:
    case SongContainer::Unknown:
        break;
    }
    return {};
}

} // namespace lccd
