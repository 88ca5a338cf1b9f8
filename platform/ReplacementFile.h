#pragma once

#include <QFile>
#include <QString>

// The new version of a file, written beside it where nobody sees it and put in the file's place
// only once it is complete and on disk. Every file the program writes whole goes through here,
// so that a full disk, an I/O error or a crash at any moment leaves either the old file, byte for
// byte, or the complete new one.
namespace lccd {

class ReplacementFile {
public:
    // Starts the new version of target, which need not exist; a symbolic link is followed, so
    // the file it points to is replaced. Throws AppError "%s に書き込めません" when target exists
    // and the user may not change it (no write permission, or no owner write bit: read-only
    // even for root), and "ファイル %s を作成できません" when its folder takes no new file.
    explicit ReplacementFile(const QString& target);
    // Discards the new version unless it was committed.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // The file that is replaced (symbolic links resolved).
    const QString& target() const { return target_; }

    // Appends bytes; every write is checked, a short one continued. Throws AppError
    // "%s に書き込めません" (the target's path) when the bytes cannot be written.
    void write(const char* data, qint64 size);
    void write(const QByteArray& bytes) { write(bytes.constData(), bytes.size()); }

    // The new version as a device for code that writes, seeks and reads back on its own; it is
    // unbuffered, so every write reaches the file (and fails) at once.
    QFile& device() { return device_; }

    // A path under which other code (another library) may open the new version to read it.
    QString readablePath() const;

    // Puts the new version in place: it is flushed to disk, given the old file's owner and group
    // (where this process may set them), mode bits and extended attributes (ACLs among them),
    // renamed over the old file, and the rename is flushed to disk with the folder. On any
    // failure the old file stays as it was and nothing is left behind; throws AppError
    // "%s に書き込めません".
    void commit();

private:
    void takeOverAttributes();
    void putInPlace();
    void discard();
    [[noreturn]] void failWriting();

    QString target_;
    int folder_ = -1;     // the target's folder, open for the link, rename and flush
    int fd_ = -1;         // the new version
    QString namedAs_;     // its temporary name, once it has one
    bool exists_ = false; // whether target existed when the new version was started
    QFile device_;
    bool committed_ = false;
};

// Temporary files that writers which ended without finishing (a crash, a power cut) left in
// folder: only files that no running writer holds. Removes them and returns their names.
QStringList removeAbandonedTemporaryFiles(const QString& folder);

} // namespace lccd
