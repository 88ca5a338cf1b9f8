#include "disc/SongFiles.h"

#include "common/FileHelpers.h"

#include <QFileInfo>

namespace lccd {

bool isSongFile(const QString& name) {
    static const QStringList extensions = {"wav",  "flac", "mp3", "mp2", "ogg",  "oga", "opus",
                                           "m4a",  "m4b",  "mp4", "aac", "alac", "aif", "aiff",
                                           "aifc", "wma",  "ape", "wv",  "tta",  "mpc", "mp+",
                                           "mpp",  "caf",  "au",  "mka", "w64",  "dsf"};
    return extensions.contains(QFileInfo(name).suffix(), Qt::CaseInsensitive);
}

QStringList filesWithExtension(const QString& folder, const QString& extension) {
    QStringList files;
    FindFiles(files, folder, extension, false, true, FileAttr::Any);
    return files;
}

QStringList songFilesIn(const QString& folder) {
    QStringList songs;
    for (const QString& path : filesWithExtension(folder, QStringLiteral("*.*")))
        if (isSongFile(path))
            songs.append(path);
    return songs;
}

} // namespace lccd
