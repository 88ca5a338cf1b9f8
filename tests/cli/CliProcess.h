#pragma once

#include "layout/LayoutFile.h"

#include <QProcess>
#include <QStringList>

// Running lccdtool-cli as its own process, as a user or a script runs it.
namespace lccd::test {

struct CliRun {
    int exitCode = -1; // -1 when the program crashed or did not end
    QString out;
    QString err;
};

// Runs the program (the built lccdtool-cli unless another is named) with further environment
// entries "NAME=value".
inline CliRun runCli(const QStringList& arguments, const QStringList& environment = {},
                     const QString& program = QStringLiteral(LCCD_CLI_PATH)) {
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (const QString& entry : environment)
        variables.insert(entry.section(QLatin1Char('='), 0, 0), entry.section(QLatin1Char('='), 1));
    QProcess process;
    process.setProcessEnvironment(variables);
    process.start(program, arguments);
    const bool ended = process.waitForFinished(120000);
    CliRun run;
    if (ended && process.exitStatus() == QProcess::NormalExit)
        run.exitCode = process.exitCode();
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    return run;
}

// Writes a layout file of these row lines.
inline void writeLayout(const QString& path, const QStringList& rows) {
    QList<LayoutItem> items;
    for (const QString& row : rows)
        items.append(LayoutItem::fromRowLine(row));
    writeLayoutFile(path, items);
}

} // namespace lccd::test
