#include "platform/ProgramPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lccd {

ProgramPaths ProgramPaths::forExecutable(const QString& executablePath) {
    const QFileInfo program(executablePath);
    ProgramPaths paths;
    paths.programPath = program.absoluteFilePath();
    const QString folder = program.absolutePath();
    const QString iniName = program.completeBaseName() + QLatin1String(".ini");
    const QString dataFolder = QDir::cleanPath(folder + QLatin1String("/../share/lccdtool"));
    // An installed program never writes into the system's program folder, even as root.
    const bool installed = QFileInfo(dataFolder).isDir();
    if (!installed && QFileInfo(folder).isWritable()) {
        paths.iniPath = QDir(folder).filePath(iniName);
    } else {
        const QString config =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
            QLatin1String("/lccdtool");
        QDir().mkpath(config);
        paths.iniPath = QDir(config).filePath(iniName);
    }
    paths.readFolders = {folder, dataFolder};
    return paths;
}

QString ProgramPaths::programFolder() const {
    return QFileInfo(programPath).absolutePath();
}

QString ProgramPaths::programFile(const QString& name) const {
    for (const QString& folder : readFolders) {
        const QString candidate = QDir(folder).filePath(name);
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return QDir(programFolder()).filePath(name);
}

} // namespace lccd
