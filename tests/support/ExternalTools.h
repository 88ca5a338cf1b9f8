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

// Runs an outside program for what it makes (a song file, ...); true when it ended well.
inline bool runToolSucceeded(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    return process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

inline bool toolInstalled(const QString& program) {
    return !QStandardPaths::findExecutable(program).isEmpty();
}

} // namespace lccd::test
