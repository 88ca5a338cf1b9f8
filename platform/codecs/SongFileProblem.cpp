#include "platform/codecs/SongFileProblem.h"

#include "platform/codecs/Id3Header.h"
#include "platform/codecs/SongContainer.h"

#include <QFile>

namespace lccd {
namespace {

// Formats whose audio the program plays but whose tags it does not read.
bool hasUnreadTags(SongContainer container) {
    switch (container) {
    case SongContainer::Aiff:
    case SongContainer::Mp4:
    case SongContainer::Asf:
    case SongContainer::Ape:
    case SongContainer::WavPack:
    case SongContainer::Tta:
    case SongContainer::Musepack:
    case SongContainer::Adts:
        return true;
    default:
        return false;
    }
}

} // namespace

QString songFileProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルを開けません");
    const QByteArray head = file.read(12);
    if (head.isEmpty())
        return QStringLiteral("空のファイルです");
    if (const SongContainer container = songContainerOf(path); hasUnreadTags(container))
        return QStringLiteral("%1ファイルです").arg(songContainerName(container));
    if (head.startsWith("fLaC"))
        return QStringLiteral("FLACファイルとして読めません");
    if (head.startsWith("OggS"))
        return QStringLiteral("Oggファイルとして読めません");
    if (head.startsWith("ID3") && head.size() >= 10 && file.seek(id3v2TagSize(head)) &&
        file.read(4) == "RIFF")
        return QStringLiteral("WAVの前にID3タグがあります");
    if (head.startsWith("RIFF") && head.mid(8, 4) != "WAVE")
        return QStringLiteral("WAVEではないRIFFファイルです");
    return QStringLiteral("音楽ファイルとして読めません");
}

} // namespace lccd
