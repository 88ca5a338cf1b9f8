#include "platform/Dialogs.h"
#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/PathEllipsis.h"

#include "tests/support/ScriptedDialogs.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

TEST(QtNameFiltersTest, ConvertsClassicFilterStrings) {
    EXPECT_EQ(qtNameFilters(QStringLiteral("ListData(*.csv)|*.csv;|Text(*.*)|*.*")),
              (QStringList{"ListData(*.csv) (*.csv)", "Text(*.*) (*)"}));
    EXPECT_EQ(qtNameFilters(QStringLiteral("TIF(*.tif;*.tiff)|*.tif;*.tiff")),
              QStringList{QStringLiteral("TIF(*.tif;*.tiff) (*.tif *.tiff)")});
    EXPECT_EQ(qtNameFilters(QString()), QStringList{});
}

TEST(RunGuardedTest, ShowsTheMessageOfTheErrorThatStoppedTheCommand) {
    test::ScriptedDialogs script;
    bool after = false;
    runGuarded([&] {
        throw AppError::cannotOpen(QStringLiteral("/tmp/x.csv"));
        after = true;
    });
    EXPECT_FALSE(after);
    ASSERT_EQ(script.messages(), QStringList{QStringLiteral("ファイル /tmp/x.csv は開けません")});
    EXPECT_EQ(script.prompts()[0].caption, QStringLiteral("Lc音楽ＣＤ作成補助ツール"));
    EXPECT_EQ(script.prompts()[0].type & MessageBoxType::IconMask, MessageBoxType::IconError);
}

TEST(AppErrorTest, PlatformMessages) {
    EXPECT_EQ(AppError::cannotCreate(QStringLiteral("a.csv")).message(),
              QStringLiteral("ファイル a.csv を作成できません"));
    EXPECT_EQ(AppError::cannotWrite(QStringLiteral("x.ini")).message(),
              QStringLiteral("x.ini に書き込めません"));
    EXPECT_EQ(AppError::notAnInteger(QStringLiteral("clAliceblue")).message(),
              QStringLiteral("'clAliceblue' は整数ではありません"));
}

TEST(ShortenPathTest, DropsLeadingFoldersThenRootThenEllipsis) {
    const QString path = QStringLiteral("/aa/b/c/f.jpg");
    QStringList tried;
    auto fitsWithin = [&](int length) {
        tried.clear();
        return shortenPath(path, [&](const QString& text) {
            tried.append(text);
            return text.size() <= length;
        });
    };
    EXPECT_EQ(fitsWithin(100), path);
    EXPECT_EQ(fitsWithin(0), QStringLiteral("f.jpg"));
    EXPECT_EQ(tried, (QStringList{"/aa/b/c/f.jpg", "/.../b/c/f.jpg", "/.../c/f.jpg", "/.../f.jpg",
                                  ".../f.jpg"}));
    EXPECT_EQ(fitsWithin(12), QStringLiteral("/.../c/f.jpg"));
}

TEST(FileIOTest, AtomicWriteReplacesOrLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.csv"));
    writeFileAtomically(path, "one");
    writeFileAtomically(path, "two");
    EXPECT_EQ(readWholeFile(path), QByteArray("two"));
    EXPECT_THROW(writeFileAtomically(dir.filePath(QStringLiteral("no/such/dir.csv")), "x"),
                 AppError);
    EXPECT_THROW(readWholeFile(dir.filePath(QStringLiteral("missing.csv"))), AppError);
}

} // namespace
} // namespace lccd
