#include "tests/app/MainWindowFixture.h"

#include "app/Version.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLabel>
#include <QMouseEvent>
#include <QProgressBar>

namespace lccd {
namespace {

using HelpAndVersionTest = test::MainWindowTest;

TEST_F(HelpAndVersionTest, TheMhtGuideIsPreferredOverReadme) {
    writeFile(QStringLiteral("readme.txt"), QStringLiteral("guide"));
    open();
    trigger("H1");
    EXPECT_EQ(shell.documents, QStringList{dir.filePath(QStringLiteral("readme.txt"))});

    writeFile(QStringLiteral("lccdtool.mht"), QStringLiteral("guide"));
    open();
    trigger("H1");
    EXPECT_EQ(shell.documents.last(), dir.filePath(QStringLiteral("lccdtool.mht")));
}

TEST_F(HelpAndVersionTest, WithoutAGuideNothingOpens) {
    open();
    trigger("H1");
    EXPECT_TRUE(shell.documents.isEmpty());
    EXPECT_TRUE(dialogs.messages().size() <= 1); // only the first start's INI message
}

// Shows the version window for real (its clock a hundred times faster) and waits until it
// closes itself.
int closesWithGauge(TfrmVersion& version) {
    version.setTimeScale(0.05);
    version.show();
    QElapsedTimer clock;
    clock.start();
    while (version.isVisible() && clock.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    EXPECT_FALSE(version.isVisible());
    return version.findChild<QProgressBar*>(QStringLiteral("Gauge1"))->value();
}

TEST_F(HelpAndVersionTest, VersionWindowClosesItselfAndStartsAgainWhenReopened) {
    open();
    TfrmVersion& version = form->frmVersion();
    EXPECT_TRUE(version.findChild<QLabel*>(QStringLiteral("Label2"))->text().isEmpty());
    const int first = closesWithGauge(version);
    EXPECT_TRUE(first == 96 || first == 100) << first;
    EXPECT_TRUE(version.findChild<QLabel*>(QStringLiteral("Label2"))
                    ->text()
                    .startsWith(QString(61, QLatin1Char(' ')) + QStringLiteral("Ver.")));
    const int second = closesWithGauge(version);
    EXPECT_TRUE(second == 96 || second == 100) << second;
}

TEST_F(HelpAndVersionTest, ClickingTheNoticeOpensTheWebAddressAndTheTitleCloses) {
    open();
    TfrmVersion& version = form->frmVersion();
    version.show();
    auto click = [](QWidget* widget) {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &release);
    };
    click(version.findChild<QLabel*>(QStringLiteral("Label3")));
    EXPECT_EQ(shell.urls.size(), 1);
    EXPECT_TRUE(version.isVisible());
    click(version.findChild<QLabel*>(QStringLiteral("Label1")));
    EXPECT_FALSE(version.isVisible());
}

} // namespace
} // namespace lccd
