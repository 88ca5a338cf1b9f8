#include "platform/FileReplace.h"
#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/ReplacementFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace lccd {
namespace {

class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        song_ = dir_.filePath(QStringLiteral("song.wav"));
        make(song_, "old");
    }
    static void make(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    static QByteArray content(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    static struct stat statusOf(const QString& path) {
        struct stat status {};
        ::stat(QFile::encodeName(path).constData(), &status);
        return status;
    }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }
    static bool writeNew(ReplacementFile& out) {
        out.write("new");
        return true;
    }

    QTemporaryDir dir_;
    QString song_;
};

// What a file was besides its bytes: each is set on the old file, which is then replaced.
struct Kept {
    const char* what;
    std::function<bool(const QString& path)> set; // false: this system cannot set it here
    std::function<bool(const QString& path)> holds;
};

mode_t modeOf(const QString& path) {
    struct stat status {};
    ::stat(QFile::encodeName(path).constData(), &status);
    return status.st_mode & 07777;
}

std::function<bool(const QString&)> setMode(mode_t mode) {
    return [mode](const QString& path) {
        return ::chmod(QFile::encodeName(path).constData(), mode) == 0;
    };
}

std::function<bool(const QString&)> hasMode(mode_t mode) {
    return [mode](const QString& path) { return modeOf(path) == mode; };
}

QByteArray attribute(const QString& path, const char* name) {
    char value[256] = {};
    const ssize_t size = ::getxattr(QFile::encodeName(path).constData(), name, value, sizeof value);
    return size < 0 ? QByteArray() : QByteArray(value, int(size));
}

bool runs(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished() && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

const Kept kKept[] = {
    {"group-readable mode", setMode(0640), hasMode(0640)},
    {"set-user-ID and set-group-ID bits", setMode(06755), hasMode(06755)},
    {"sticky bit", setMode(01600), hasMode(01600)},
    {"extended attribute",
     [](const QString& path) {
         return ::setxattr(QFile::encodeName(path).constData(), "user.note", "mine", 4, 0) == 0;
     },
     [](const QString& path) { return attribute(path, "user.note") == "mine"; }},
    {"access control list",
     [](const QString& path) {
         return runs(QStringLiteral("setfacl"),
                     {QStringLiteral("-m"), QStringLiteral("u:12345:rw"), path});
     },
     [](const QString& path) {
         QProcess getfacl;
         getfacl.start(QStringLiteral("getfacl"), {QStringLiteral("-c"), path});
         return getfacl.waitForFinished() && getfacl.readAll().contains("user:12345:rw-");
     }},
    {"owner and group (as root)",
     [](const QString& path) {
         return ::geteuid() == 0 && ::chown(QFile::encodeName(path).constData(), 12345, 23456) == 0;
     },
     [](const QString& path) {
         struct stat status {};
         ::stat(QFile::encodeName(path).constData(), &status);
         return status.st_uid == 12345 && status.st_gid == 23456;
     }},
};

TEST_F(FileReplaceTest, AReplacedFileKeepsWhatItWas) {
    for (const Kept& kept : kKept) {
        SCOPED_TRACE(kept.what);
        for (int song = 0; song < 2; ++song) {
            const QString path = dir_.filePath(QStringLiteral("file.txt"));
            make(path, "old");
            if (!kept.set(path)) {
                std::cout << "[  SKIPPED ] " << kept.what << ": not settable here\n";
                break;
            }
            if (song == 0)
                writeFileAtomically(path, "new");
            else
                EXPECT_TRUE(replaceFile(path, writeNew));
            EXPECT_EQ(content(path), QByteArray("new"));
            EXPECT_TRUE(kept.holds(path));
            QFile::remove(path);
        }
    }
    EXPECT_EQ(entries(), QStringList{"song.wav"});
}

// A file the user may not change is refused, also for root, and keeps its bytes.
TEST_F(FileReplaceTest, AReadOnlyFileIsRefused) {
    ASSERT_EQ(::chmod(QFile::encodeName(song_).constData(), 0444), 0);
    try {
        writeFileAtomically(song_, "new");
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const AppError& error) {
        EXPECT_EQ(error.message(), song_ + QStringLiteral(" に書き込めません"));
    }
    EXPECT_FALSE(replaceFile(song_, writeNew));
    EXPECT_EQ(content(song_), QByteArray("old"));
    EXPECT_EQ(entries(), QStringList{"song.wav"});
}

TEST_F(FileReplaceTest, ANewFileTakesTheUsualModeAndALinkStaysALink) {
    const mode_t mask = ::umask(022);
    const QString fresh = dir_.filePath(QStringLiteral("fresh.txt"));
    writeFileAtomically(fresh, "new");
    ::umask(mask);
    EXPECT_EQ(modeOf(fresh), mode_t(0644));

    const QString link = dir_.filePath(QStringLiteral("link.wav"));
    ASSERT_TRUE(QFile::link(song_, link));
    EXPECT_TRUE(replaceFile(link, writeNew));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(content(song_), QByteArray("new"));
}

TEST_F(FileReplaceTest, AbandonedReplacementLeavesTheFileAndNoTrace) {
    EXPECT_FALSE(replaceFile(song_, [](ReplacementFile& out) {
        out.write("ne");
        return false;
    }));
    EXPECT_FALSE(replaceFile(song_, [](ReplacementFile& out) {
        out.write("ne");
        throw AppError::cannotWrite(out.target());
        return true;
    }));
    EXPECT_EQ(content(song_), QByteArray("old"));
    EXPECT_EQ(entries(), QStringList{"song.wav"});
    EXPECT_FALSE(replaceFile(dir_.filePath(QStringLiteral("missing.wav")), writeNew));
}

// A song with a second hard link is written in place, so both names still share it.
TEST_F(FileReplaceTest, AHardLinkedSongKeepsItsLinks) {
    QTemporaryDir other;
    const QString second = other.filePath(QStringLiteral("same song.wav"));
    ASSERT_EQ(::link(QFile::encodeName(song_).constData(), QFile::encodeName(second).constData()),
              0);
    const ino_t inode = statusOf(song_).st_ino;
    EXPECT_TRUE(replaceFile(song_, [](ReplacementFile& out) {
        out.write(QByteArray(3 << 20, 'n')); // larger than the old song, in several blocks
        return true;
    }));
    EXPECT_EQ(content(second), QByteArray(3 << 20, 'n'));
    EXPECT_EQ(statusOf(song_).st_ino, inode);
    EXPECT_EQ(statusOf(song_).st_nlink, nlink_t(2));
    EXPECT_EQ(entries(), QStringList{"song.wav"});
}

// What a crash in the middle of a save leaves is put right by the next look at the folder: a
// hard-linked song half overwritten gets its old bytes back from its recovery copy, and a
// temporary file that no writer holds any more goes; one a writer still holds stays.
TEST_F(FileReplaceTest, TheNextLoadFinishesAnInterruptedSave) {
    const QString copy =
        dir_.filePath(QStringLiteral(".lccdtool-recovery-%1").arg(quint64(statusOf(song_).st_ino)));
    make(copy, "old song bytes");
    make(song_, "new song");
    const QString abandoned = dir_.filePath(QStringLiteral(".lccdtool-abc.part"));
    make(abandoned, "half");
    const QString held = dir_.filePath(QStringLiteral(".lccdtool-def.part"));
    make(held, "being written");
    const int holder = ::open(QFile::encodeName(held).constData(), O_RDONLY);
    ASSERT_EQ(::flock(holder, LOCK_EX), 0);

    const QStringList notes = recoverInterruptedSaves(dir_.path());
    ::close(holder);

    EXPECT_EQ(content(song_), QByteArray("old song bytes"));
    ASSERT_EQ(notes.size(), 1);
    EXPECT_TRUE(notes[0].startsWith(QStringLiteral("song.wav は"))) << notes[0].toStdString();
    EXPECT_EQ(entries(), (QStringList{".lccdtool-def.part", "song.wav"}));
    EXPECT_TRUE(recoverInterruptedSaves(dir_.path()).isEmpty());
}

} // namespace
} // namespace lccd
