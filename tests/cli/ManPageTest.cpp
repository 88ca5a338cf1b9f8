#include "tests/cli/CliProcess.h"
#include "tests/support/ExternalTools.h"

#include <QProcess>

#include <gtest/gtest.h>

namespace lccd {
namespace {

QString withoutBlanks(const QString& text) {
    QString out;
    for (const QChar c : text)
        if (!c.isSpace())
            out += c;
    return out;
}

// The page as man shows it on a terminal of the given locale.
QString shownPage(const QString& page) {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("C.UTF-8"));
    environment.insert(QStringLiteral("MANWIDTH"), QStringLiteral("100"));
    QProcess man;
    man.setProcessEnvironment(environment);
    man.start(QStringLiteral("man"), {QStringLiteral("-l"), page});
    EXPECT_TRUE(man.waitForFinished(30000));
    return QString::fromUtf8(man.readAllStandardOutput());
}

struct PageCase {
    const char* locale;
    const char* page;
};

// Every line of --help is on the built manual page, in the help's order: headings aside, and
// blanks and line breaks aside, which man sets anew.
TEST(ManPageTest, TheManualPagesSayWhatTheHelpSays) {
    if (!test::toolInstalled(QStringLiteral("man")))
        GTEST_SKIP() << "man (Debian package man-db) is not installed";
    for (const PageCase& c : {PageCase{"C.UTF-8", "man1/lccdtool-cli.1"},
                              PageCase{"ja_JP.UTF-8", "ja/man1/lccdtool-cli.1"}}) {
        SCOPED_TRACE(c.page);
        const test::CliRun help = test::runCli(
            {QStringLiteral("--help")}, {QStringLiteral("LC_ALL="), QStringLiteral("LC_MESSAGES="),
                                         QStringLiteral("LANG=") + QLatin1String(c.locale)});
        ASSERT_EQ(help.exitCode, 0);
        const QString shown =
            withoutBlanks(shownPage(QStringLiteral(LCCD_MAN_DIR "/") + QLatin1String(c.page)));
        ASSERT_FALSE(shown.isEmpty());
        qsizetype from = 0;
        for (const QString& line : help.out.split(QLatin1Char('\n'))) {
            if (line.isEmpty() || line.endsWith(QLatin1Char(':')))
                continue;
            // "Usage: ..." and "Exit status: ..." become the headings of their sections.
            const qsizetype colon =
                line.startsWith(QLatin1Char(' ')) ? -1 : line.indexOf(QLatin1String(": "));
            const QString said = withoutBlanks(colon > 0 ? line.mid(colon + 2) : line);
            const qsizetype found = shown.indexOf(said, from);
            EXPECT_GE(found, 0) << line.toStdString();
            if (found >= 0)
                from = found + said.size();
        }
    }
}

} // namespace
} // namespace lccd
