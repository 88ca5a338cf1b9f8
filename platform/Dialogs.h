#pragma once

#include "platform/Service.h"

#include <QColor>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDialog;

// Every modal interaction of the program goes through DialogAdapter, so that tests can answer
// it by script. Windows never open message boxes or file dialogs themselves.
namespace lccd {

class PrinterSystem;

// Message box type bits and button codes, with the values the program's callers pass and
// compare (they follow the classic desktop message box).
namespace MessageBoxType {
constexpr int Ok = 0x00;
constexpr int OkCancel = 0x01;
constexpr int YesNoCancel = 0x03;
constexpr int YesNo = 0x04;
constexpr int IconError = 0x10;
constexpr int IconQuestion = 0x20;
constexpr int IconWarning = 0x30;
constexpr int IconInformation = 0x40;
constexpr int ButtonMask = 0x0F;
constexpr int IconMask = 0xF0;
} // namespace MessageBoxType

namespace DialogResult {
constexpr int Ok = 1;
constexpr int Cancel = 2;
constexpr int Yes = 6;
constexpr int No = 7;
} // namespace DialogResult

struct FileDialogRequest {
    QString title;
    // Filter in the classic form "Name(*.a)|*.a;*.b|All(*.*)|*.*".
    QString filter;
    // A file to preselect or a folder to start in; empty for the current folder.
    QString startPath;
};

class DialogAdapter {
public:
    virtual ~DialogAdapter() = default;

    // Returns the DialogResult code of the button chosen.
    virtual int messageBox(const QString& text, const QString& caption, int type) = 0;

    // Each returns the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> openFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> saveFile(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> openPicture(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> browseFolder(const QString& prompt,
                                                const QString& startFolder) = 0;

    // The print setup dialog for the current printer. When the user confirms it, the printer
    // and the settings chosen become current and the result is true; nothing is printed.
    virtual bool printSetup(PrinterSystem& printers) = 0;

    // Asks for a whole number within a range; nothing when the user cancels.
    virtual std::optional<int> askNumber(const QString& caption, const QString& label, int value,
                                         int minimum, int maximum) = 0;

    // A color chooser starting on initial; nothing when the user cancels.
    virtual std::optional<QColor> chooseColor(const QColor& initial) = 0;

    // Shows one of the program's own dialog windows modally; returns its QDialog result code.
    virtual int execDialog(QDialog& dialog) = 0;
};

inline DialogAdapter& dialogs() {
    return Service<DialogAdapter>::current();
}

// The application's default error box: the message under the application's title.
void showErrorBox(const QString& message);

// Asks, as the save dialog does, whether an existing file may be replaced: for a name that the
// program completed after the dialog (an extension added), which the dialog never saw. True
// when no such file exists or the user says Yes.
bool confirmReplace(const QString& path);

// Runs one user command; an AppError (or any other exception) that stops it is shown in the
// error box instead of leaving the event handler.
void runGuarded(const std::function<void()>& command);

// Converts a classic filter string into Qt name filters: "ListData(*.csv)|*.csv;" becomes
// "ListData(*.csv) (*.csv)". "*.*" stands for every file.
QStringList qtNameFilters(const QString& classicFilter);

} // namespace lccd
