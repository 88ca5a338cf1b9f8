#pragma once

#include "app/Unit1.h"

#include "platform/CodePage.h"
#include "platform/FileIO.h"
#include "platform/adapters/MediaLength.h"
#include "platform/adapters/QtFonts.h"
#include "platform/adapters/SongDecoder.h"
#include "platform/adapters/TagLibMp3Infp.h"
#include "render/PagePicture.h"
#include "tests/support/FakePrinters.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedDialogs.h"
#include "tests/support/StrictServices.h"

#include <QAction>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace lccd::test {

// Where a recorded page puts its ink, in printer pixels: the corners of its shapes and lines,
// its images' targets and its characters' origins.
inline QRect inkBounds(const PagePicture& page) {
    QRect bounds;
    auto add = [&bounds](const QRect& rect) { bounds |= rect.normalized(); };
    for (const Primitive& primitive : page.primitives()) {
        if (const auto* line = std::get_if<primitive::Line>(&primitive))
            add(QRect(line->from, line->to));
        else if (const auto* shape = std::get_if<primitive::Shape>(&primitive))
            add(QRect(shape->corner1, shape->corner2));
        else if (const auto* image = std::get_if<primitive::Image>(&primitive))
            add(image->target);
        else if (const auto* text = std::get_if<primitive::Text>(&primitive))
            add(QRect(text->origin, QSize(1, 1)));
    }
    return bounds;
}

// A main window over a fake printer, a recording shell and scripted dialogs, with the desktop's
// fonts and the program's own tag library, lengths and decoder; burning fails the test. Its
// program files lie in a temporary folder.
class MainWindowTest : public ::testing::Test {
protected:
    MainWindowTest() {
        paths.programPath = dir.filePath(QStringLiteral("lccdtool"));
        paths.iniPath = dir.filePath(QStringLiteral("lccdtool.ini"));
        paths.readFolders = {dir.path()};
        services.with(printers).with(fonts).with(shell).with(tags).with(lengths).with(decoder);
    }

    // The window of a program that has run before: its INI file holds no stored layout unless
    // the test wrote one.
    TForm1& open() {
        if (!QFileInfo::exists(paths.iniPath))
            writeFileAtomically(paths.iniPath, "[General]\r\nName=MarovellApplication\r\n");
        return openFirstStart();
    }

    // The window of a first start when the test wrote no INI file.
    TForm1& openFirstStart() {
        form = std::make_unique<TForm1>(paths, services.services());
        return *form;
    }

    template <typename Widget> Widget* child(const char* name) {
        Widget* widget = form->findChild<Widget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }

    void trigger(const char* action) { child<QAction>(action)->trigger(); }

    QString writeFile(const QString& name, const QString& text) {
        const QString path = dir.filePath(name);
        writeFileAtomically(path, toSjis(text));
        return path;
    }

    // A layout file of the given rows under the usual header.
    QString writeLayout(const QString& name, const QStringList& rows) {
        return writeFile(name, QStringLiteral("ID,画面,印刷,編集,左,上,幅,高,幅２,配置,縦書き,XLS,"
                                              "値,書体,サイズ,文字色,矩形色\r\n") +
                                   rows.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    QTemporaryDir dir;
    ProgramPaths paths;
    FakePrinters printers;
    QtFontSystem fonts;
    RecordingShell shell;
    TagLibMp3Infp tags;
    HeaderMediaLengths lengths;
    SongDecoder decoder;
    TestServices services;
    ScriptedDialogs dialogs;
    std::unique_ptr<TForm1> form;
};

} // namespace lccd::test
