#include "platform/FileReplace.h"

#include "platform/FileIO.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <unistd.h>

namespace lccd {

bool replaceFile(const QString& target, const std::function<bool(QFile& replacement)>& fill) {
    const QFileInfo info(QFileInfo(target).canonicalFilePath());
    if (!info.isFile())
        return false;
    QTemporaryFile replacement(
        info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!replacement.open() || replacement.fileName().isEmpty())
        return false;
    if (!fill(replacement) || writeFaultInjected(target) || !replacement.flush() ||
        ::fsync(replacement.handle()) != 0)
        return false;
    // Some file systems keep no permissions; the new file is still a complete song.
    replacement.setPermissions(info.permissions());
    if (std::rename(QFile::encodeName(replacement.fileName()).constData(),
                    QFile::encodeName(info.filePath()).constData()) != 0)
        return false;
    replacement.setAutoRemove(false);
    return true;
}

bool copyRange(QFile& source, qint64 offset, qint64 length, QFile& out) {
    constexpr qint64 kBlock = 1 << 20;
    if (!source.seek(offset) || !out.seek(out.size()))
        return false;
    QByteArray buffer;
    while (length > 0) {
        buffer = source.read(qMin(length, kBlock));
        if (buffer.isEmpty() || out.write(buffer) != buffer.size())
            return false;
        length -= buffer.size();
    }
    return true;
}

} // namespace lccd
