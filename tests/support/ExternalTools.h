#pragma once

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

namespace lccd::test {

// Runs an outside program (pdfinfo, soxi, cueprint, ...) and returns what it printed.
inline QString runTool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(30000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline bool toolInstalled(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace lccd::test
