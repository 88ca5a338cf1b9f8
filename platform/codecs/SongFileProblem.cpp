#include "platform/codecs/SongFileProblem.h"

#include "platform/codecs/Id3Header.h"
#include "platform/codecs/SongContainer.h"

#include <QFile>

namespace lccd {
namespace {

// Formats whose audio the program plays but whose tags it does not read.
bool hasUnreadTags(SongContainer container) {
    return container == SongContainer::Adts;
}

// Formats known by a mark of their own, whose tags the program reads.
bool hasReadTags(SongContainer container) {
    return container != SongContainer::Unknown && container != SongContainer::Other &&
           container != SongContainer::Wave && container != SongContainer::Rmp &&
           container != SongContainer::Mpeg && !hasUnreadTags(container);
}

} // namespace

QString songFileProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルを開けません");
    const QByteArray head = file.read(12);
    if (head.isEmpty())
        return QStringLiteral("空のファイルです");
    const SongContainer container = songContainerOf(path);
    if (hasUnreadTags(container))
        return QStringLiteral("%1ファイルです").arg(songContainerName(container));
    if (hasReadTags(container))
        return QStringLiteral("%1ファイルとして読めません").arg(songContainerName(container));
    if (head.startsWith("ID3") && head.size() >= 10 && file.seek(id3v2TagSize(head)) &&
        file.read(4) == "RIFF")
        return QStringLiteral("WAVの前にID3タグがあります");
    if (head.startsWith("RIFF") && head.mid(8, 4) != "WAVE")
        return QStringLiteral("WAVEではないRIFFファイルです");
    return QStringLiteral("音楽ファイルとして読めません");
}

} // namespace lccd
