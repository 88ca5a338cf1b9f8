#include "tests/faults/ShimRun.h"

#include "tests/cli/CliProcess.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace lccd::test {

QString workRoot() {
    // Hundreds of runs each sync several files: on a disk that is most of their time.
    const QString shm = QStringLiteral("/dev/shm");
    const QString base = QFileInfo(shm).isDir() && QFileInfo(shm).isWritable()
                             ? shm + QStringLiteral("/lccd-faults-XXXXXX")
                             : QString();
    static QTemporaryDir root(base);
    static QTemporaryDir fallback;
    return QFileInfo(root.isValid() ? root.path() : fallback.path()).canonicalFilePath();
}

QStringList shimEnvironment(const QString& folder, const QString& log, const Fault& fault) {
    QStringList environment = {
        QStringLiteral("LD_PRELOAD=" LCCD_FAULT_SHIM_PATH),
        QStringLiteral("LCCD_FAULT_DIR=") + folder,
        QStringLiteral("LCCD_FAULT_LOG=") + log,
        // A sanitized program wants its runtime first in the list; the shim goes before it.
        QStringLiteral("ASAN_OPTIONS=") + qEnvironmentVariable("ASAN_OPTIONS") +
            QStringLiteral(":verify_asan_link_order=0"),
    };
    if (!fault.kind.isEmpty())
        environment << QStringLiteral("LCCD_FAULT_KIND=") + fault.kind
                    << QStringLiteral("LCCD_FAULT_NTH=%1").arg(fault.nth)
                    << QStringLiteral("LCCD_FAULT_ERROR=") + fault.error;
    return environment;
}

QList<ShimCall> readShimLog(const QString& log, const QString& folder) {
    QFile file(log);
    QList<ShimCall> calls;
    if (!file.open(QIODevice::ReadOnly))
        return calls;
    const QString prefix = folder + QLatin1Char('/');
    for (const QByteArray& line : file.readAll().split('\n')) {
        const QStringList fields = QString::fromUtf8(line).split(QLatin1Char('\t'));
        if (fields.size() < 4)
            continue;
        QString file = fields[3];
        if (file.startsWith(prefix))
            file = file.mid(prefix.size());
        // An O_TMPFILE file is opened on its folder and shows as "#<inode> (deleted)".
        if (file == folder)
            file = QStringLiteral("(folder)");
        if (file.startsWith(QLatin1Char('#')) && file.endsWith(QLatin1String(" (deleted)")))
            file = QStringLiteral("(unnamed file)");
        calls.append({fields[0], fields[1].toInt(), fields[2], file, fields.size() > 4});
    }
    return calls;
}

ShimRun runUnderShim(const QStringList& arguments, const QString& folder, const Fault& fault,
                     const QStringList& environment) {
    static int runs = 0;
    const QString log = QDir(workRoot()).filePath(QStringLiteral("shim-%1.log").arg(++runs));
    const CliRun run = runCli(arguments, shimEnvironment(folder, log, fault) + environment);
    ShimRun shimRun{run.exitCode, run.err, readShimLog(log, folder)};
    QFile::remove(log);
    return shimRun;
}

Snapshot snapshot(const QString& folder) {
    Snapshot files;
    QDirIterator entries(folder, QDir::Files | QDir::Hidden | QDir::System,
                         QDirIterator::Subdirectories);
    while (entries.hasNext()) {
        const QString path = entries.next();
        QFile file(path);
        files.insert(QDir(folder).relativeFilePath(path),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
    }
    return files;
}

void restore(const QString& folder, const Snapshot& files) {
    QDir(folder).removeRecursively();
    QDir().mkpath(folder);
    for (auto entry = files.begin(); entry != files.end(); ++entry) {
        QFile file(QDir(folder).filePath(entry.key()));
        if (file.open(QIODevice::WriteOnly))
            file.write(entry.value());
    }
}

} // namespace lccd::test
