#include "layout/LayoutIniStore.h"
#include "platform/CodePage.h"
#include "platform/ProgramPaths.h"
#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"

#include <QDir>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// Installs the build into a fresh prefix, as a packager or "sudo cmake --install" does, and
// uses the installed programs from there.
TEST(InstallTest, InstalledProgramsFindTheirFilesAndTheCliRuns) {
    QTemporaryDir prefix;
    QProcess install;
    install.start(QStringLiteral(LCCD_CMAKE_COMMAND),
                  {QStringLiteral("--install"), QStringLiteral(LCCD_BUILD_DIR),
                   QStringLiteral("--prefix"), prefix.path()});
    ASSERT_TRUE(install.waitForFinished(120000));
    ASSERT_EQ(install.exitCode(), 0) << install.readAllStandardError().toStdString();
    const QDir root(prefix.path());

    for (const char* file :
         {"bin/lccdtool", "bin/lccdtool-cli",
          "lib/" LCCD_LIBRARY_ARCHITECTURE "/lccdtool/lccdtool-songs.so",
          "lib/" LCCD_LIBRARY_ARCHITECTURE "/lccdtool/lccdtool-printers.so",
          "share/applications/lccdtool.desktop", "share/icons/hicolor/scalable/apps/lccdtool.svg",
          "share/metainfo/io.github.lccdtool.lccdtool.metainfo.xml",
          "share/man/man1/lccdtool-cli.1.gz", "share/man/ja/man1/lccdtool.1.gz"})
        EXPECT_TRUE(QFileInfo(root.filePath(QLatin1String(file))).isFile()) << file;
    // The files the program reads lie where its path rules look for them, and its INI file in
    // the user's folder, though this one could write beside the program.
    const ProgramPaths paths =
        ProgramPaths::forExecutable(root.filePath(QStringLiteral("bin/lccdtool")));
    EXPECT_EQ(paths.iniPath,
              QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                  QStringLiteral("/lccdtool/lccdtool.ini"));
    for (const char* file : {"LcJacketStd.lct", "readme.txt", "qtbase_ja.qm"})
        EXPECT_TRUE(QFileInfo::exists(paths.programFile(QLatin1String(file)))) << file;
    // Linux editors open the guide's UTF-8 copy, made from the same text.
    const auto bytes = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QString guide = paths.programFile(QStringLiteral("readme.txt"));
    const QByteArray utf8 =
        bytes(QFileInfo(guide).absolutePath() + QStringLiteral("/readme-utf8.txt"));
    ASSERT_FALSE(utf8.isEmpty());
    EXPECT_EQ(QString::fromUtf8(utf8), fromSjis(bytes(guide)));
    if (test::toolInstalled(QStringLiteral("desktop-file-validate"))) {
        const QString desktop =
            root.filePath(QStringLiteral("share/applications/lccdtool.desktop"));
        QProcess validate;
        validate.start(QStringLiteral("desktop-file-validate"), {desktop});
        ASSERT_TRUE(validate.waitForFinished());
        EXPECT_EQ(validate.exitCode(), 0) << validate.readAllStandardOutput().toStdString();
    }

    // The installed command line writes the demo jacket, stores it as the program's layout and
    // draws it.
    const QString cli = root.filePath(QStringLiteral("bin/lccdtool-cli"));
    const QString layout = root.filePath(QStringLiteral("demo.csv"));
    const QString ini = root.filePath(QStringLiteral("lccdtool.ini"));
    const QString pdf = root.filePath(QStringLiteral("demo.pdf"));
    for (const QStringList& arguments :
         {QStringList{QStringLiteral("demo"), layout, QStringLiteral("--songs"),
                      QStringLiteral("3")},
          QStringList{QStringLiteral("store"), layout, ini},
          QStringList{QStringLiteral("render"), layout, QStringLiteral("-o"), pdf}}) {
        const test::CliRun run = test::runCli(arguments, {}, cli);
        EXPECT_EQ(run.exitCode, 0) << arguments.join(' ').toStdString() << run.err.toStdString();
    }
    const std::optional<QStringList> stored = LoadLayoutFromIni(ini);
    ASSERT_TRUE(stored.has_value());
    EXPECT_EQ(stored->size(), 17 + 3) << "the jacket template's rows and one per song";
    EXPECT_TRUE(QFileInfo(pdf).size() > 0);
}

} // namespace
} // namespace lccd
