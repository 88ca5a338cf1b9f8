#include "cdlist/DiscPaths.h"

#include "cdlist/DiscInfo.h"

#include <QFileInfo>

namespace lccd {

QString pathInFolder(const QString& folder, const QString& name) {
    if (folder.endsWith(QLatin1Char('/')))
        return folder + name;
    return folder + QLatin1Char('/') + name;
}

QString songFilePath(const QString& folder, const QString& fileName) {
    return fileName.contains(QLatin1Char('/')) ? fileName : pathInFolder(folder, fileName);
}

QString lastPathComponent(const QString& path) {
    return path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
}

std::optional<QString> existingFileInFolder(const QString& folder, const QString& name) {
    const QString path = pathInFolder(folder, name);
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    return path;
}

QString discFileBase(const DiscInfo& disc) {
    return pathInFolder(disc.folderPath, disc.albumTitle);
}

} // namespace lccd
