#include "platform/FileReplace.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class FileReplaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        song_ = dir_.filePath(QStringLiteral("song.wav"));
        QFile file(song_);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("old");
        file.close();
        ASSERT_TRUE(QFile::setPermissions(song_, QFile::ReadOwner | QFile::WriteOwner |
                                                     QFile::ReadGroup | QFile::ReadOther));
    }
    QByteArray content(const QString& path) const {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QStringList entries() const {
        return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    }

    QTemporaryDir dir_;
    QString song_;
};

TEST_F(FileReplaceTest, ReplacesWithTheNewContentAndKeepsPermissions) {
    const QFile::Permissions permissions = QFile::permissions(song_);
    EXPECT_TRUE(replaceFile(song_, [](QFile& out) { return out.write("new") == 3; }));
    EXPECT_EQ(content(song_), QByteArray("new"));
    EXPECT_EQ(QFile::permissions(song_), permissions);
    EXPECT_EQ(entries(), QStringList{"song.wav"});
}

TEST_F(FileReplaceTest, AbandonedReplacementLeavesTheFileAndNoTrace) {
    EXPECT_FALSE(replaceFile(song_, [](QFile& out) {
        out.write("ne");
        return false;
    }));
    EXPECT_EQ(content(song_), QByteArray("old"));
    EXPECT_EQ(entries(), QStringList{"song.wav"});
    EXPECT_FALSE(
        replaceFile(dir_.filePath(QStringLiteral("missing.wav")), [](QFile&) { return true; }));
}

TEST_F(FileReplaceTest, ALinkStaysALinkToTheReplacedFile) {
    const QString link = dir_.filePath(QStringLiteral("link.wav"));
    ASSERT_TRUE(QFile::link(song_, link));
    EXPECT_TRUE(replaceFile(link, [](QFile& out) { return out.write("new") == 3; }));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(content(song_), QByteArray("new"));
}

} // namespace
} // namespace lccd
