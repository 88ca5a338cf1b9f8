#include "platform/ReplacementFile.h"

#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/FileReplace.h"

#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <vector>

namespace lccd {
namespace {

// Names that a new version carries between being linked and being renamed, or all along where
// the file system keeps no unnamed files: hidden, and told apart from the user's own files.
const QByteArray kTemporaryPrefix = QByteArrayLiteral(".lccdtool-");
const QByteArray kTemporarySuffix = QByteArrayLiteral(".part");

QByteArray temporaryName() {
    return kTemporaryPrefix + QByteArray::number(QRandomGenerator::global()->generate64(), 36) +
           kTemporarySuffix;
}

bool isTemporaryName(const QByteArray& name) {
    return name.startsWith(kTemporaryPrefix) && name.endsWith(kTemporarySuffix);
}

// The file a write to path replaces: a symbolic link is followed to the file it names, also when
// that file does not exist yet.
QString resolvedTarget(const QString& path) {
    QFileInfo info(path);
    for (int hops = 0; info.isSymLink() && hops < 40; ++hops)
        info.setFile(info.symLinkTarget());
    return info.exists() ? info.canonicalFilePath() : info.absoluteFilePath();
}

// Attributes a file system may refuse to anyone but its administrator, or not keep at all: the
// new version goes without them rather than not at all.
bool mayGoWithout(const char* name, int error) {
    const QByteArray attribute(name);
    const bool administrative =
        attribute.startsWith("security.") || attribute.startsWith("trusted.");
    return error == ENOTSUP || (administrative && (error == EPERM || error == EACCES));
}

bool copyExtendedAttributes(const QByteArray& from, int to) {
    ssize_t listSize = ::listxattr(from.constData(), nullptr, 0);
    if (listSize < 0)
        return errno == ENOTSUP;
    std::vector<char> names(size_t(listSize) + 1);
    listSize = ::listxattr(from.constData(), names.data(), names.size());
    if (listSize < 0)
        return false;
    for (ssize_t at = 0; at < listSize; at += ssize_t(::strlen(names.data() + at)) + 1) {
        const char* name = names.data() + at;
        const ssize_t valueSize = ::getxattr(from.constData(), name, nullptr, 0);
        std::vector<char> value(size_t(qMax<ssize_t>(valueSize, 0)) + 1);
        const ssize_t read =
            valueSize < 0 ? -1 : ::getxattr(from.constData(), name, value.data(), value.size());
        if (read < 0 || ::fsetxattr(to, name, value.data(), size_t(read), 0) != 0) {
            if (!mayGoWithout(name, errno))
                return false;
        }
    }
    return true;
}

} // namespace

ReplacementFile::ReplacementFile(const QString& target) : target_(resolvedTarget(target)) {
    const QByteArray path = QFile::encodeName(target_);
    struct stat status {};
    if (::stat(path.constData(), &status) == 0) {
        exists_ = true;
        if (!S_ISREG(status.st_mode))
            throw AppError::cannotCreate(target_); // a folder or a device is never replaced
        if (!isChangeableFile(target_))
            throw AppError::cannotWrite(target_);
    }
    // A new file gets the mode the umask leaves; a replacement stays private until it takes
    // the old file's mode.
    const mode_t mode = exists_ ? 0600 : 0666;
    const QByteArray folder = QFile::encodeName(QFileInfo(target_).absolutePath());
    folder_ = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ >= 0)
        fd_ = ::openat(folder_, ".", O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
    // Some file systems (FAT on a USB stick among them) keep no unnamed files.
    for (int attempt = 0; folder_ >= 0 && fd_ < 0 && attempt < 8; ++attempt) {
        const QByteArray name = temporaryName();
        fd_ = ::openat(folder_, name.constData(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode);
        if (fd_ >= 0)
            namedAs_ = QString::fromLatin1(name);
        else if (errno != EEXIST)
            break;
    }
    // Held until the writer closes it, also by a crash: an unheld temporary file is abandoned.
    if (fd_ < 0 || ::flock(fd_, LOCK_EX) != 0 ||
        !device_.open(fd_, QIODevice::ReadWrite | QIODevice::Unbuffered,
                      QFileDevice::DontCloseHandle)) {
        discard();
        throw AppError::cannotCreate(target_);
    }
}

ReplacementFile::~ReplacementFile() {
    discard();
}

void ReplacementFile::discard() {
    device_.close();
    if (!committed_ && !namedAs_.isEmpty() && folder_ >= 0)
        ::unlinkat(folder_, namedAs_.toLatin1().constData(), 0);
    namedAs_.clear();
    if (fd_ >= 0)
        ::close(fd_);
    if (folder_ >= 0)
        ::close(folder_);
    fd_ = -1;
    folder_ = -1;
}

void ReplacementFile::failWriting() {
    throw AppError::cannotWrite(target_);
}

void ReplacementFile::write(const char* data, qint64 size) {
    while (size > 0) {
        const ssize_t written = ::write(fd_, data, size_t(size));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            failWriting();
        data += written;
        size -= written;
    }
}

QString ReplacementFile::readablePath() const {
    return QStringLiteral("/proc/self/fd/%1").arg(fd_);
}

void ReplacementFile::takeOverAttributes() {
    if (!exists_)
        return; // made with the mode a new file gets
    const QByteArray path = QFile::encodeName(target_);
    struct stat status {};
    if (::stat(path.constData(), &status) != 0)
        return; // removed meanwhile: the new version becomes a new file
    // Only an administrator may give a file away; anyone else's files stay theirs anyway. The
    // mode comes after the owner, whose change clears the set-user-ID and set-group-ID bits.
    if (::fchown(fd_, status.st_uid, status.st_gid) != 0 && errno != EPERM)
        failWriting();
    if (::fchmod(fd_, status.st_mode & 07777) != 0 && errno != EPERM)
        failWriting();
    if (!copyExtendedAttributes(path, fd_))
        failWriting();
}

void ReplacementFile::putInPlace() {
    while (namedAs_.isEmpty()) {
        const QByteArray name = temporaryName();
        // Linking an unnamed file by its descriptor needs a privilege; through /proc it does not.
        const bool linked =
            ::linkat(fd_, "", folder_, name.constData(), AT_EMPTY_PATH) == 0 ||
            (errno != EEXIST && ::linkat(AT_FDCWD, QFile::encodeName(readablePath()).constData(),
                                         folder_, name.constData(), AT_SYMLINK_FOLLOW) == 0);
        if (linked)
            namedAs_ = QString::fromLatin1(name);
        else if (errno != EEXIST)
            failWriting();
    }
    const QByteArray targetName = QFile::encodeName(QFileInfo(target_).fileName());
    if (::renameat(folder_, namedAs_.toLatin1().constData(), folder_, targetName.constData()) != 0)
        failWriting();
    committed_ = true;
    namedAs_.clear();
}

void ReplacementFile::commit() {
    if (writeFaultInjected(target_) || ::fsync(fd_) != 0)
        failWriting();
    takeOverAttributes();
    putInPlace();
    // The rename reaches the disk with the folder; until then a power cut may bring back the
    // old file, so the save is not done before it.
    if (::fsync(folder_) != 0)
        failWriting();
}

QStringList removeAbandonedTemporaryFiles(const QString& folder) {
    QStringList removed;
    DIR* entries = ::opendir(QFile::encodeName(folder).constData());
    if (entries == nullptr)
        return removed;
    const int folderFd = ::dirfd(entries);
    while (const dirent* entry = ::readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (!isTemporaryName(name))
            continue;
        const int fd = ::openat(folderFd, name.constData(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0)
            continue;
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::unlinkat(folderFd, name.constData(), 0) == 0)
            removed.append(QFile::decodeName(name));
        ::close(fd);
    }
    ::closedir(entries);
    return removed;
}

} // namespace lccd
