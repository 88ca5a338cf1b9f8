#include "platform/FileReplace.h"

#include "platform/AppError.h"
#include "platform/ReplacementFile.h"

#include <QDir>
#include <QFileInfo>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lccd {
namespace {

constexpr qint64 kBlock = 1 << 20;

// The old bytes of a hard-linked song while it is overwritten in place, named by the song's inode
// so that any of its links finds it again.
const QByteArray kRecoveryPrefix = QByteArrayLiteral(".lccdtool-recovery-");

class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }
    bool isOpen() const { return fd_ >= 0; }

private:
    int fd_;
};

bool writeAllAt(int fd, const QByteArray& bytes, qint64 offset) {
    const char* data = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::pwrite(fd, data, size_t(left), off_t(offset));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
        offset += written;
    }
    return true;
}

// Writes all of source over the open file from its start, cuts the file to that length, flushes
// it to disk and reads it back.
bool overwriteWith(QIODevice& source, int fd) {
    if (!source.seek(0))
        return false;
    qint64 at = 0;
    while (!source.atEnd()) {
        const QByteArray block = source.read(kBlock);
        if (block.isEmpty() || !writeAllAt(fd, block, at))
            return false;
        at += block.size();
    }
    if (::ftruncate(fd, off_t(at)) != 0 || ::fsync(fd) != 0)
        return false;
    QFile written;
    return written.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered,
                        QFileDevice::DontCloseHandle) &&
           sameContent(source, written);
}

QString recoveryCopyPath(const QString& song, ino_t inode) {
    return QFileInfo(song).dir().filePath(QString::fromLatin1(kRecoveryPrefix) +
                                          QString::number(quint64(inode)));
}

void removeRecoveryCopy(const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    ::unlink(name.constData());
    const Descriptor folder(::open(QFile::encodeName(QFileInfo(path).absolutePath()).constData(),
                                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.isOpen())
        ::fsync(folder.get());
}

// Writes the recovery copy's bytes back over the song open at fd; the copy goes once they are.
bool putBackRecoveryCopy(const QString& copyPath, int song) {
    QFile copy(copyPath);
    if (!copy.open(QIODevice::ReadOnly))
        return false;
    QFile current;
    const bool alreadyWhole = current.open(song, QIODevice::ReadOnly | QIODevice::Unbuffered,
                                           QFileDevice::DontCloseHandle) &&
                              sameContent(copy, current);
    if (!alreadyWhole && !overwriteWith(copy, song))
        return false;
    removeRecoveryCopy(copyPath);
    return true;
}

// Keeps the song's bytes in its recovery copy, complete and on disk, before anything touches it.
void keepRecoveryCopy(int song, const QString& copyPath) {
    QFile old;
    if (!old.open(song, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::DontCloseHandle))
        throw AppError::cannotOpen(copyPath);
    ReplacementFile copy(copyPath);
    if (!copyRange(old, 0, old.size(), copy.device()) || !sameContent(old, copy.device()))
        throw AppError::cannotWrite(copyPath);
    copy.commit();
}

bool overwriteLinkedSong(ReplacementFile& replacement, const QString& song,
                         const struct stat& status) {
    const Descriptor fd(::open(QFile::encodeName(song).constData(), O_RDWR | O_CLOEXEC));
    if (!fd.isOpen())
        return false;
    const QString copyPath = recoveryCopyPath(song, status.st_ino);
    // A copy that an interrupted save left holds the song as it was before that save.
    if (QFileInfo::exists(copyPath) && !putBackRecoveryCopy(copyPath, fd.get()))
        return false;
    keepRecoveryCopy(fd.get(), copyPath);
    if (overwriteWith(replacement.device(), fd.get())) {
        removeRecoveryCopy(copyPath);
        return true;
    }
    putBackRecoveryCopy(copyPath, fd.get()); // should even that fail, the next load tries again
    return false;
}

// The regular file of folder whose inode is inode, by its name as stored; empty when none is.
QByteArray entryWithInode(const QByteArray& folder, ino_t inode) {
    DIR* entries = ::opendir(folder.constData());
    if (entries == nullptr)
        return {};
    QByteArray found;
    while (const dirent* entry = ::readdir(entries)) {
        struct stat status {};
        if (::fstatat(::dirfd(entries), entry->d_name, &status, AT_SYMLINK_NOFOLLOW) == 0 &&
            S_ISREG(status.st_mode) && status.st_ino == inode &&
            !QByteArray(entry->d_name).startsWith(kRecoveryPrefix)) {
            found = entry->d_name;
            break;
        }
    }
    ::closedir(entries);
    return found;
}

QList<QByteArray> recoveryCopiesIn(const QByteArray& folder) {
    QList<QByteArray> copies;
    DIR* entries = ::opendir(folder.constData());
    if (entries == nullptr)
        return copies;
    while (const dirent* entry = ::readdir(entries))
        if (QByteArray(entry->d_name).startsWith(kRecoveryPrefix))
            copies.append(entry->d_name);
    ::closedir(entries);
    return copies;
}

} // namespace

bool isChangeableFile(const QString& path) {
    struct stat status {};
    const QByteArray name = QFile::encodeName(path);
    return ::stat(name.constData(), &status) == 0 && (status.st_mode & S_IWUSR) != 0 &&
           ::access(name.constData(), W_OK) == 0;
}

bool replaceFile(const QString& target, const std::function<bool(ReplacementFile&)>& fill) {
    const QFileInfo info(QFileInfo(target).canonicalFilePath());
    struct stat status {};
    if (!info.isFile() || ::stat(QFile::encodeName(info.filePath()).constData(), &status) != 0)
        return false;
    try {
        ReplacementFile replacement(info.filePath());
        if (!fill(replacement))
            return false;
        if (status.st_nlink > 1)
            return overwriteLinkedSong(replacement, info.filePath(), status);
        replacement.commit();
        return true;
    } catch (const AppError&) {
        return false;
    }
}

QStringList recoverInterruptedSaves(const QString& folder) {
    removeAbandonedTemporaryFiles(folder);
    const QByteArray folderName = QFile::encodeName(QDir(folder).absolutePath());
    QStringList notes;
    for (const QByteArray& copy : recoveryCopiesIn(folderName)) {
        const QString copyPath = QDir(folder).filePath(QFile::decodeName(copy));
        bool isNumber = false;
        const ino_t inode = ino_t(copy.mid(kRecoveryPrefix.size()).toULongLong(&isNumber));
        const QByteArray song = isNumber ? entryWithInode(folderName, inode) : QByteArray();
        const QString songName = QFile::decodeName(song);
        const Descriptor fd(
            song.isEmpty() ? -1
                           : ::open((folderName + '/' + song).constData(), O_RDWR | O_CLOEXEC));
        QFile kept(copyPath);
        QFile current;
        const bool untouched = fd.isOpen() && kept.open(QIODevice::ReadOnly) &&
                               current.open(fd.get(), QIODevice::ReadOnly | QIODevice::Unbuffered,
                                            QFileDevice::DontCloseHandle) &&
                               sameContent(kept, current);
        if (untouched)
            removeRecoveryCopy(copyPath); // the save ended before it changed the song
        else if (fd.isOpen() && putBackRecoveryCopy(copyPath, fd.get()))
            notes.append(QStringLiteral("%1 は保存の途中で終わっていたため、元の内容に戻しました")
                             .arg(songName));
        else
            notes.append(QStringLiteral("保存の途中で終わった曲の元の内容が %1 に残っています")
                             .arg(QFile::decodeName(copy)));
    }
    return notes;
}

bool copyRange(QIODevice& source, qint64 offset, qint64 length, QIODevice& out) {
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

QByteArray readAt(QIODevice& file, qint64 offset, qint64 length) {
    return file.seek(offset) ? file.read(length) : QByteArray();
}

bool sameBytes(QIODevice& a, qint64 aOffset, QIODevice& b, qint64 bOffset, qint64 length) {
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

bool sameContent(QIODevice& a, QIODevice& b) {
    return a.size() == b.size() && sameBytes(a, 0, b, 0, a.size());
}

} // namespace lccd
