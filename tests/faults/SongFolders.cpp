#include "tests/faults/SongFolders.h"

#include "tests/support/EncodedSongs.h"

#include <QDir>
#include <QFile>

namespace lccd::test {

QString pathIn(const QString& folder, const char* name) {
    return QDir(folder).filePath(QString::fromUtf8(name));
}

void writeProject(const QString& folder, const QStringList& songs) {
    QByteArray text = "TITLE:Album\r\nSUBTITLE1:\r\nSUBTITLE2:\r\nPERFORMER:Band\r\nDISCID:\r\n"
                      "CATALOG:\r\nGENRE:JPop\r\nDATE:\r\nJACKET:\r\n";
    for (int i = 0; i < songs.size(); ++i)
        text += QStringLiteral("%1,000:01,\"Song %1\",\"Band\",\"Album\",,,\"%2\"\r\n")
                    .arg(i + 1, 2, 10, QLatin1Char('0'))
                    .arg(songs[i])
                    .toLatin1();
    QFile file(pathIn(folder, "Album.txt"));
    if (file.open(QIODevice::WriteOnly))
        file.write(text);
}

bool makeSongFolder(const QString& folder, const char* song) {
    const QString path = pathIn(folder, song);
    bool made = false;
    if (path.endsWith(QLatin1String(".mp3"))) {
        made = makeVbrMp3WithoutXing(path, 1);
    } else if (path.endsWith(QLatin1String(".wav")) || path.endsWith(QLatin1String(".flac"))) {
        made = makeToneSong(path, 1, {});
    } else {
        const QString source = pathIn(folder, "source.wav");
        made = makeToneSong(source, 1, {}) &&
               (path.endsWith(QLatin1String(".ogg")) ? encodeWithFfmpeg(source, path)
                                                     : encodeOtherFormat(source, path));
        QFile::remove(source);
    }
    writeProject(folder, {QString::fromUtf8(song)});
    return made;
}

} // namespace lccd::test
