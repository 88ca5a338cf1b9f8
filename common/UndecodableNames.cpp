#include "common/UndecodableNames.h"

#include "common/FileHelpers.h"

#include <QFile>

#include <algorithm>
#include <memory>

#include <dirent.h>
#include <sys/stat.h>

namespace lccd {

QStringList filesWithUndecodableNames(const QString& folder) {
    // Listed by the bytes themselves: Qt's own listing passes such names over.
    const QByteArray folderBytes = QFile::encodeName(folder);
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folderBytes.constData()), ::closedir);
    QStringList names;
    if (!dir)
        return names;
    while (const dirent* entry = ::readdir(dir.get())) {
        const QByteArray name(entry->d_name);
        const QString decoded = QFile::decodeName(name);
        if (QFile::encodeName(decoded) == name)
            continue;
        struct stat info {};
        if (::stat((folderBytes + '/' + name).constData(), &info) == 0 && S_ISREG(info.st_mode))
            names.append(decoded);
    }
    std::sort(names.begin(), names.end(), fileNameLess);
    return names;
}

} // namespace lccd
