#include "platform/FileIO.h"

#include "platform/AppError.h"

#include <QFile>
#include <QSaveFile>

namespace lccd {

QByteArray readWholeFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError::cannotOpen(path);
    return file.readAll();
}

void writeFileAtomically(const QString& path, const QByteArray& content) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw AppError::cannotCreate(path);
}

} // namespace lccd
