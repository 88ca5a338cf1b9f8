#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

// Running lccdtool-cli under the fault shim (FaultShim.cpp) and looking at the folder it wrote.
namespace lccd::test {

// A call the shim counted: its kind ("write", "sync", ...), its number within the kind, the
// function and the file, relative to the watched folder.
struct ShimCall {
    QString kind;
    int number = 0;
    QString function;
    QString file;
    bool faulted = false;
};

// The call to fail: the nth of a kind, with "ENOSPC", "EIO" or "short". No kind, no fault.
struct Fault {
    QString kind;
    int nth = 0;
    QString error;
};

struct ShimRun {
    int exitCode = -1; // -1 when the program crashed or did not end
    QString err;
    QList<ShimCall> calls;
};

// A folder with fast syncs for the many runs (a tmpfs where there is one), removed at the end.
QString workRoot();

QStringList shimEnvironment(const QString& folder, const QString& log, const Fault& fault = {});

// Runs the program with the shim watching folder.
ShimRun runUnderShim(const QStringList& arguments, const QString& folder, const Fault& fault = {},
                     const QStringList& environment = {});

QList<ShimCall> readShimLog(const QString& log, const QString& folder);

// Every file under a folder, hidden ones too, by its path relative to it.
using Snapshot = QMap<QString, QByteArray>;
Snapshot snapshot(const QString& folder);

// Makes folder hold exactly these files.
void restore(const QString& folder, const Snapshot& files);

} // namespace lccd::test
