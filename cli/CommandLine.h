#pragma once

#include "platform/ProgramPaths.h"
#include "platform/Services.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <stdexcept>
#include <utility>

namespace lccd {

// A command line that cannot be carried out as written, or a check that stopped the command:
// exit status 2.
class UsageError : public std::runtime_error {
public:
    explicit UsageError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const noexcept { return message_; }

private:
    QString message_;
};

// What every command works with.
struct CliContext {
    QTextStream& out;
    QTextStream& err;
    ProgramPaths paths; // where the program reads its files (the label template)
    Services services;
};

// An option that takes a value, named by its long name and any short ones.
QCommandLineOption valueOption(const QStringList& names);

// Parses a command's arguments (the command word first) and checks that exactly fileCount
// file arguments follow it (any number for kAnyArgumentCount). Throws UsageError naming an
// unknown option, a missing value or the wrong number of files.
constexpr int kAnyArgumentCount = -1;
void parseCommand(QCommandLineParser& parser, const QStringList& arguments, int fileCount);

// The whole number an option gives, within minimum and maximum; fallback when it is not set.
int intOption(const QCommandLineParser& parser, const QString& name, int minimum, int maximum,
              int fallback);

// "--offset X,Y": two whole numbers, each within -999 and 999; 0,0 when it is not set.
std::pair<int, int> offsetOption(const QCommandLineParser& parser);

} // namespace lccd
