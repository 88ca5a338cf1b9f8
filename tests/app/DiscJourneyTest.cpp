#include "tests/app/MainWindowFixture.h"

#include "render/LcPrnPrev.h"
#include "tests/support/ExternalTools.h"
#include "tests/support/TestSongs.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QLineEdit>

namespace lccd {
namespace {

using DiscJourneyTest = test::MainWindowTest;

// From a folder of tagged WAV files to a printed-ready label, through the menus.
TEST_F(DiscJourneyTest, FolderToEditorToSaveToLabelInTheMainWindow) {
    const QString folder = dir.filePath(QStringLiteral("夏のアルバム"));
    QDir().mkpath(folder);
    const QStringList titles{QStringLiteral("表の歌"), QStringLiteral("ソナタ"),
                             QStringLiteral("海辺"), QStringLiteral("夕焼け"),
                             QStringLiteral("星")};
    for (int i = 0; i < titles.size(); ++i)
        test::writeTestWav(QStringLiteral("%1/%2.wav").arg(folder).arg(i + 1), 44100 * (i + 2), {},
                           {{"INAM", toSjis(titles[i])}});
    open();

    dialogs.answerFolder(folder);
    dialogs.answerDialog([&](QDialog& editor) {
        auto click = [&](const char* name) {
            editor.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        };
        click("Button7");
        editor.findChild<QLineEdit*>(QStringLiteral("edtPaformer"))
            ->setText(QStringLiteral("ミナモ楽団"));
        editor.findChild<QLineEdit*>(QStringLiteral("editAlubm"))->setText(QStringLiteral("夏"));
        click("BitBtn2");
        click("BitBtn7");
        return int(QDialog::Accepted);
    });
    trigger("CDT1");

    for (const char* extension : {".txt", ".cue", ".csv"})
        EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/夏") + QLatin1String(extension)))
            << extension;
    if (test::toolInstalled(QStringLiteral("cueprint"))) {
        const QString cue =
            test::runTool(QStringLiteral("cueprint"), {folder + QStringLiteral("/夏.cue")});
        EXPECT_TRUE(cue.contains(QLatin1String("5"))) << cue.toStdString();
    }

    EXPECT_EQ(form->CurrentLayoutPath(), folder + QStringLiteral("/夏.csv"));
    EXPECT_EQ(form->settings().lastProject, folder);
    ASSERT_EQ(form->layoutList().count(), 17 + 5);
    // the song rows come in the order the folder lists its files
    QStringList songRows;
    for (int row = 17; row < 22; ++row)
        songRows.append(form->layoutList().item(row).field(Field::Value));
    for (const QString& title : titles)
        EXPECT_EQ(songRows.filter(title).size(), 1) << title.toStdString();
    QString drawn;
    for (const Primitive& primitive : form->surface().currentPage()->primitives())
        if (const auto* text = std::get_if<primitive::Text>(&primitive))
            drawn += text->character;
    for (const QString& title : titles)
        EXPECT_TRUE(drawn.contains(title)) << title.toStdString();
    EXPECT_TRUE(drawn.contains(QStringLiteral("ミナモ楽団")));
}

// The CD-TEXT file option goes from the options dialog to the save and into the settings.
TEST_F(DiscJourneyTest, CdTextFileOptionTravelsToTheSaveAndTheSettings) {
    const QString folder = dir.filePath(QStringLiteral("冬"));
    QDir().mkpath(folder);
    test::writeTestWav(folder + QStringLiteral("/1.wav"), 44100, {},
                       {{"INAM", toSjis(QStringLiteral("Snow"))}});
    open();
    EXPECT_TRUE(form->settings().cd.writeCdText);
    dialogs.answerFolder(folder);
    dialogs.answerDialog([&](QDialog& editor) {
        auto click = [&](const char* name) {
            editor.findChild<QAbstractButton*>(QString::fromLatin1(name))->click();
        };
        click("Button7");
        dialogs.answerDialog([](QDialog& options) {
            options.findChild<QAbstractButton*>(QStringLiteral("chkCdText"))->click();
            return int(QDialog::Accepted);
        });
        click("BitBtn8");
        editor.findChild<QLineEdit*>(QStringLiteral("edtPaformer"))->setText(QStringLiteral("P"));
        editor.findChild<QLineEdit*>(QStringLiteral("editAlubm"))->setText(QStringLiteral("冬"));
        click("BitBtn2");
        click("BitBtn7");
        return int(QDialog::Accepted);
    });
    trigger("CDT1");
    EXPECT_TRUE(QFile::exists(folder + QStringLiteral("/冬.cue")));
    EXPECT_FALSE(QFile::exists(folder + QStringLiteral("/冬.cdt")));
    EXPECT_FALSE(form->settings().cd.writeCdText);
}

TEST_F(DiscJourneyTest, ClosingWithoutSavingOpensNoLayout) {
    const QString layout = writeLayout(QStringLiteral("old.csv"), {QStringLiteral("矩形")});
    open();
    form->setCurrentLayoutPath(layout);
    dialogs.answerDialog([](QDialog&) { return int(QDialog::Rejected); });
    trigger("CDT1");
    EXPECT_TRUE(form->CurrentLayoutPath().isEmpty());
    EXPECT_EQ(form->layoutList().count(), 0);
}

} // namespace
} // namespace lccd
