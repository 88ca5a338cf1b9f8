#include "disc/DiscPaths.h"

#include "disc/DiscInfo.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

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
    if (QFileInfo(path).isFile())
        return path;
    // The project names files composed; a file written decomposed by another system is the same.
    const QString composed = composedName(name);
    if (composed == name &&
        std::all_of(name.begin(), name.end(), [](QChar c) { return c.unicode() < 0x80; }))
        return std::nullopt;
    for (const QString& entry : QDir(folder).entryList(QDir::Files | QDir::Hidden))
        if (composedName(entry) == composed)
            return pathInFolder(folder, entry);
    return std::nullopt;
}

QString composedName(const QString& name) {
    return name.normalized(QString::NormalizationForm_C);
}

QString fileNameOfTitle(const QString& title) {
    // A title such as "../x" must not write beside the folder or anywhere else.
    QString name = title;
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        name = QStringLiteral("_");
    name.replace(QLatin1Char('/'), QChar(u'\uFF0F'));
    return name;
}

QString discFileBase(const DiscInfo& disc) {
    return pathInFolder(disc.folderPath, fileNameOfTitle(disc.albumTitle));
}

} // namespace lccd
