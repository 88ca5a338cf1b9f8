#include "platform/SongFileProblem.h"

#include <QFile>

namespace lccd {
namespace {

// The size of an ID3v2 tag from its header: ten bytes and a 28-bit synch-safe size.
qint64 id3v2TagSize(const QByteArray& head) {
    qint64 size = 0;
    for (int i = 6; i < 10; ++i)
        size = (size << 7) | (uchar(head[i]) & 0x7F);
    return 10 + size;
}

} // namespace

QString songFileProblem(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("ファイルを開けません");
    const QByteArray head = file.read(12);
    if (head.isEmpty())
        return QStringLiteral("空のファイルです");
    if (head.startsWith("FORM") && (head.mid(8, 4) == "AIFF" || head.mid(8, 4) == "AIFC"))
        return QStringLiteral("AIFFファイルです");
    if (head.startsWith("fLaC"))
        return QStringLiteral("FLACファイルです");
    if (head.startsWith("OggS"))
        return QStringLiteral("Oggファイルです");
    if (head.startsWith("ID3") && head.size() >= 10 && file.seek(id3v2TagSize(head)) &&
        file.read(4) == "RIFF")
        return QStringLiteral("WAVの前にID3タグがあります");
    if (head.startsWith("RIFF") && head.mid(8, 4) != "WAVE")
        return QStringLiteral("WAVEではないRIFFファイルです");
    return QStringLiteral("音楽ファイルとして読めません");
}

} // namespace lccd
