#include "common/MyCommon.h"

#include "tests/support/MockServices.h"
#include "tests/support/ScriptedDialogs.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

namespace lccd {
namespace {

class FindFilesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        for (const char* name :
             {"A.WAV", "b.wav", "c.wave", "notes.txt", ".hidden.wav", "sub/d.wav"})
            touch(QString::fromLatin1(name));
    }

    void touch(const QString& relative) {
        const QString path = dir.filePath(relative);
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("12345");
    }

    QStringList find(const QString& extension, bool recursive, bool fullPath, int mask) {
        QStringList list;
        FindFiles(list, dir.path(), extension, recursive, fullPath, mask);
        list.sort();
        return list;
    }

    QTemporaryDir dir;
};

TEST_F(FindFilesTest, ExtensionInAnyCaseNotLongerOnesNorSubFolders) {
    const QStringList expected{dir.filePath(QStringLiteral(".hidden.wav")),
                               dir.filePath(QStringLiteral("A.WAV")),
                               dir.filePath(QStringLiteral("b.wav"))};
    EXPECT_EQ(find(QStringLiteral("wav"), false, true, FileAttr::Any), expected);
    EXPECT_EQ(find(QStringLiteral(".WAV"), false, true, FileAttr::Any), expected);
}

TEST_F(FindFilesTest, RecursiveNamesOnlyAndEveryExtension) {
    EXPECT_EQ(find(QStringLiteral("wav"), true, false, FileAttr::Any),
              (QStringList{".hidden.wav", "A.WAV", "b.wav", "d.wav"}));
    EXPECT_EQ(find(QStringLiteral("*.*"), false, false, FileAttr::Any),
              (QStringList{".hidden.wav", "A.WAV", "b.wav", "c.wave", "notes.txt"}));
}

TEST_F(FindFilesTest, OtherMasksTakeExactAttributesAndIgnoreTheExtension) {
    EXPECT_EQ(find(QStringLiteral("wav"), false, false, FileAttr::Archive),
              (QStringList{"A.WAV", "b.wav", "c.wave", "notes.txt"}));
}

TEST_F(FindFilesTest, MissingFolderAddsNothing) {
    QStringList list{QStringLiteral("kept")};
    FindFiles(list, dir.filePath(QStringLiteral("missing")), QStringLiteral("wav"), true, true,
              FileAttr::Any);
    EXPECT_EQ(list, QStringList{QStringLiteral("kept")});
}

TEST_F(FindFilesTest, FileSizeOfFilesFoldersAndMissingPaths) {
    EXPECT_EQ(FileSizeOf(dir.filePath(QStringLiteral("b.wav"))), 5);
    EXPECT_EQ(FileSizeOf(dir.filePath(QStringLiteral("sub"))), 0);
    EXPECT_EQ(FileSizeOf(dir.filePath(QStringLiteral("none.wav"))), -1);
}

TEST(WaitWithEventsTest, HandlesEventsWhileWaiting) {
    bool fired = false;
    QTimer::singleShot(10, [&] { fired = true; });
    WaitWithEvents(50);
    EXPECT_TRUE(fired);
}

TEST(OpenWithAssociatedProgramTest, TakesQuotedPathsWithoutTheQuotes) {
    ::testing::StrictMock<test::MockShell> shell;
    const ::testing::InSequence inOrder;
    EXPECT_CALL(shell, openDocument(QStringLiteral("/tmp/read me.txt")));
    EXPECT_CALL(shell, openDocument(QStringLiteral("/tmp/plain.txt")));
    EXPECT_CALL(shell, openUrl(QStringLiteral("https://example.org/")));
    OpenWithAssociatedProgram(shell, QStringLiteral("\"/tmp/read me.txt\""));
    OpenWithAssociatedProgram(shell, QStringLiteral("/tmp/plain.txt"));
    OpenUrl(shell, QStringLiteral("https://example.org/"));
}

TEST(AskOkCancelTest, OkCancelQuestionWithInformationIcon) {
    test::ScriptedDialogs script;
    script.answerMessage(DialogResult::Ok);
    EXPECT_TRUE(AskOkCancel(QStringLiteral("再読み込みしますか"), QStringLiteral("問合わせ")));
    EXPECT_FALSE(AskOkCancel(QStringLiteral("もう一度"), QStringLiteral("問合わせ")));
    ASSERT_EQ(script.prompts().size(), 2);
    EXPECT_EQ(script.prompts()[0].type, 65);
    EXPECT_EQ(script.prompts()[0].caption, QStringLiteral("問合わせ"));
    EXPECT_EQ(script.unanswered(), 1);
}

TEST(VersionInfoTest, FourNumberVersionAndWebAddress) {
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$"))
                    .match(FileVersionText())
                    .hasMatch())
        << FileVersionText().toStdString();
    EXPECT_EQ(VersionInfoValue(3), FileVersionText());
    EXPECT_TRUE(VersionInfoValue(0).startsWith(QLatin1String("https://")));
    EXPECT_EQ(versionInfoName(11), QStringLiteral("SpecialBuild"));
    EXPECT_EQ(VersionInfoValue(12), QString());
}

// The desktop's standard string entries in their documented order, after "Comments".
TEST(VersionInfoTest, NamesFollowTheDocumentedOrder) {
    const QStringList names = {"Comments",        "CompanyName",      "FileDescription",
                               "FileVersion",     "InternalName",     "LegalCopyright",
                               "LegalTrademarks", "OriginalFilename", "PrivateBuild",
                               "ProductName",     "ProductVersion",   "SpecialBuild"};
    for (int index = 0; index < names.size(); ++index)
        EXPECT_EQ(versionInfoName(index), names[index]) << index;
    EXPECT_EQ(VersionInfoValue(9), QStringLiteral("Lc音楽ＣＤ作成補助ツール"));
    EXPECT_EQ(VersionInfoValue(10), FileVersionText());
}

} // namespace
} // namespace lccd
