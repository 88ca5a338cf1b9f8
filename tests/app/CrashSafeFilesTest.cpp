#include "app/Settings.h"
#include "cdlist/CdListPresenter.h"
#include "cdlist/EditorDiscSave.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutIniStore.h"
#include "platform/AppError.h"
#include "platform/FileIO.h"
#include "platform/adapters/QtPrinters.h"
#include "platform/adapters/TagLibMp3Infp.h"
#include "render/PageExport.h"
#include "tests/app/MainWindowFixture.h"
#include "tests/support/DesktopSongs.h"
#include "tests/support/FileBytes.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/TestSongs.h"

#include <QDir>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace lccd {
namespace {

// The previous file a writer is about to replace.
using MakeOld = std::function<void(const QString& path)>;
// Runs the writer on path; true when it reported the failure (an AppError or a failure code).
using Write = std::function<bool(const QString& path)>;

struct Writer {
    const char* name;
    const char* file;
    MakeOld makeOld;
    Write write;
};

void someText(const QString& path) {
    writeFileAtomically(path, "[Form1]\r\nTop=5\r\n[ListView]\r\nItem0=a\r\n");
}

void someSong(const QString& path) {
    test::writeTestWav(path, 100, {}, {{"INAM", "old"}});
}

void taglessMp3(const QString& path) {
    writeFileAtomically(path, readWholeFile(QStringLiteral(LCCD_TEST_DATA_DIR "/tagless.mp3")));
}

bool reported(const std::function<void()>& write) {
    try {
        write();
    } catch (const AppError&) {
        return true;
    }
    return false;
}

// The disc save command over one song in the file's folder: writes the project, the CUE sheet
// and the label, each named by the album title "Album".
bool saveDisc(const QString& path) {
    test::ScriptedDialogs dialogs;
    test::DesktopSongs songs;
    CdListPresenter editor(songs.services());
    editor.disc().setFolderPath(QFileInfo(path).path());
    editor.disc().albumTitle = QStringLiteral("Album");
    editor.disc().discPerformer = QStringLiteral("Band");
    TrackRow song;
    song.check = QStringLiteral("1");
    song.title = QStringLiteral("One");
    editor.tracks().setTrack(1, song);
    DiscSaveSettings settings;
    return reported([&] { EditorDiscSave(editor).run(settings); });
}

bool saveTitle(const QString& path) {
    TagLibMp3Infp library;
    return library.Load(path) != 0 || library.SetValue("INAM", "new") != 0 ||
           library.Save(path) != 0;
}

PagePicture page() {
    return PagePicture(QSize(1000, 1480), 254);
}

bool printPdf(const QString& path) {
    test::ScriptedDialogs dialogs;
    dialogs.answerFile(path);
    QtPrinterSystem system;
    system.setCurrentIndex(int(system.printerNames().size()) - 1);
    return reported([&] {
        if (!system.print(QStringLiteral("t"), 1, 1,
                          [](QPainter& painter, int) { painter.drawRect(10, 10, 100, 100); }))
            throw AppError(QStringLiteral("nothing printed"));
    });
}

const Writer kWriters[] = {
    {"layout file", "label.csv", someText,
     [](const QString& path) {
         return reported([&] { writeLayoutFile(path, {LayoutItem::fromRowLine("矩形")}); });
     }},
    {"settings", "lccdtool.ini", someText,
     [](const QString& path) { return reported([&] { SaveSettings(path, AppSettings{}); }); }},
    {"layout in the INI file", "lccdtool.ini", someText,
     [](const QString& path) {
         return reported([&] { SaveLayoutToIni(path, {LayoutItem::fromRowLine("矩形")}); });
     }},
    {"disc project", "Album.txt", someText, saveDisc},
    {"CUE sheet", "Album.cue", someText, saveDisc},
    {"label layout", "Album.csv", someText, saveDisc},
    {"WAV tags", "song.wav", someSong, saveTitle},
    {"ID3v2 tag for an MP3 file", "song.mp3", taglessMp3,
     [](const QString& path) {
         TagLibMp3Infp library;
         return library.Load(path) != 0 || library.makeId3v2(path) != 0 ||
                library.SetValue("INAM_v2", "new") != 0 || library.Save(path) != 0;
     }},
    {"PDF export", "sheet.pdf", someText,
     [](const QString& path) { return reported([&] { exportPagePdf(page(), path); }); }},
    {"PNG export", "sheet.png", someText,
     [](const QString& path) { return reported([&] { exportPagePng(page(), 100, path); }); }},
    {"PDF printer", "sheet.pdf", someText, printPdf},
};

// Every writer, failing in the middle of its file, reports the failure and leaves the previous
// file byte for byte and no half-written file beside it.
TEST(CrashSafeFilesTest, AFailedWriteKeepsThePreviousFile) {
    for (const Writer& writer : kWriters) {
        SCOPED_TRACE(writer.name);
        QTemporaryDir dir;
        const QString path = dir.filePath(QString::fromUtf8(writer.file));
        writer.makeOld(path);
        const QByteArray before = test::fileBytes(path);
        const QStringList entriesBefore = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);

        setWriteFaultForTests([&](const QString& written) {
            return QFileInfo(written).fileName() == QFileInfo(path).fileName();
        });
        EXPECT_TRUE(writer.write(path)) << "the failure was not reported";
        setWriteFaultForTests({});

        EXPECT_EQ(test::fileBytes(path), before);
        const QStringList leftOver = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        for (const QString& entry : leftOver)
            EXPECT_TRUE(entriesBefore.contains(entry) || entry.startsWith(QLatin1String("Album.")))
                << "left behind: " << entry.toStdString();

        // Without the fault the same writer replaces the file.
        EXPECT_FALSE(writer.write(path));
        EXPECT_NE(test::fileBytes(path), before);
    }
}

using CancelTest = test::MainWindowTest;

// Each file dialog of the main window, cancelled, leaves the list and every file as they were.
TEST_F(CancelTest, CancelledDialogsChangeNothing) {
    const QString layout =
        writeLayout(QStringLiteral("label.csv"), {QStringLiteral("矩形"), QStringLiteral("罫線")});
    open();
    dialogs.answerFile(layout);
    trigger("CSVO1");
    const QByteArray before = test::fileBytes(layout);
    const QStringList entries = QDir(dir.path()).entryList(QDir::Files);

    child<QPushButton>("Button1")->click(); // opening another layout
    trigger("CSVV1");                       // saving the list
    trigger("Export1");                     // exporting the page
    dialogs.answerFile(dir.filePath(QStringLiteral("sheet.png")));
    trigger("Export1"); // a PNG, cancelled at its resolution
    EXPECT_EQ(dialogs.unanswered(), 4);

    EXPECT_EQ(form->layoutList().count(), 2);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), entries);
    EXPECT_EQ(test::fileBytes(layout), before);
}

} // namespace
} // namespace lccd
