#include "render/RowFile.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {

QString resolveRowFile(const QString& value, const QStringList& folders) {
    if (value.isEmpty() || QDir::isAbsolutePath(value))
        return value;
    QStringList candidates;
    for (const QString& folder : folders)
        if (!folder.isEmpty())
            candidates.append(QDir(folder).filePath(value));
    candidates.append(value); // the current folder
    for (const QString& candidate : candidates)
        if (QFileInfo(candidate).isFile())
            return candidate;
    return candidates.first();
}

} // namespace lccd
