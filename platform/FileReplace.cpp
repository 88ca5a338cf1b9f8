#include "platform/FileReplace.h"

#include "platform/FileIO.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace lccd {
namespace {

bool sameContent(QFile& a, QFile& b) {
    constexpr qint64 kBlock = 1 << 20;
    if (a.size() != b.size() || !a.seek(0) || !b.seek(0))
        return false;
    while (!a.atEnd()) {
        const QByteArray block = a.read(kBlock);
        if (block.isEmpty() || block != b.read(kBlock))
            return false;
    }
    return true;
}

bool copyFromStart(QFile& source, QFile& out) {
    constexpr qint64 kBlock = 1 << 20;
    if (!source.seek(0) || !out.seek(0))
        return false;
    while (!source.atEnd()) {
        const QByteArray block = source.read(kBlock);
        if (block.isEmpty() || out.write(block) != block.size())
            return false;
    }
    return true;
}

// Writes the new content over the linked file itself. Should that fail, the complete new
// content is kept beside it.
bool overwriteInPlace(QTemporaryFile& replacement, const QString& target) {
    QFile song(target);
    const bool written = song.open(QIODevice::ReadWrite) && copyFromStart(replacement, song) &&
                         song.resize(replacement.size()) && song.flush() &&
                         ::fsync(song.handle()) == 0 && sameContent(replacement, song);
    if (!written)
        replacement.setAutoRemove(false);
    return written;
}

} // namespace

bool isChangeableFile(const QString& path) {
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    return ::stat(name.constData(), &status) == 0 && (status.st_mode & S_IWUSR) != 0 &&
           ::access(name.constData(), W_OK) == 0;
}

bool replaceFile(const QString& target, const std::function<bool(QFile& replacement)>& fill) {
    const QFileInfo info(QFileInfo(target).canonicalFilePath());
    struct stat status {};
    if (!info.isFile() || ::stat(QFile::encodeName(info.filePath()).constData(), &status) != 0)
        return false;
    QTemporaryFile replacement(
        info.dir().filePath(QStringLiteral(".%1.XXXXXX").arg(info.fileName())));
    if (!replacement.open() || replacement.fileName().isEmpty())
        return false;
    if (!fill(replacement) || writeFaultInjected(target) || !replacement.flush() ||
        ::fsync(replacement.handle()) != 0)
        return false;
    if (status.st_nlink > 1)
        return overwriteInPlace(replacement, info.filePath());
    // Some file systems keep no permissions or owners; the new file is still a complete song.
    replacement.setPermissions(info.permissions());
    [[maybe_unused]] const int owned = ::fchown(replacement.handle(), status.st_uid, status.st_gid);
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

QByteArray readAt(QFile& file, qint64 offset, qint64 length) {
    return file.seek(offset) ? file.read(length) : QByteArray();
}

bool sameBytes(QFile& a, qint64 aOffset, QFile& b, qint64 bOffset, qint64 length) {
    constexpr qint64 kBlock = 1 << 20;
    while (length > 0) {
        const qint64 block = qMin(length, kBlock);
        const QByteArray left = readAt(a, aOffset, block);
        if (left.size() != block || left != readAt(b, bOffset, block))
            return false;
        aOffset += block;
        bOffset += block;
        length -= block;
    }
    return true;
}

} // namespace lccd
