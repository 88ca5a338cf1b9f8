#pragma once

#include "platform/ProgramPaths.h"
#include "platform/Services.h"

#include <QStringList>
#include <QTextStream>

namespace lccd {

// Runs lccdtool-cli with its arguments (the program first) and returns the exit status: 0 done,
// 1 an error (its message on err), 2 a command line that cannot be carried out or a check
// that failed. Prints, measures text, reads songs and burns discs with the services given.
// Needs a QGuiApplication; dialogs are answered as CliDialogs answers them.
int runCommandLine(const QStringList& arguments, const ProgramPaths& paths,
                   const Services& services, QTextStream& out, QTextStream& err);

} // namespace lccd
