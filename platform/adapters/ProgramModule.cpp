#include "platform/adapters/ProgramModule.h"

#include <QCoreApplication>
#include <QDir>

namespace lccd {

QFunctionPointer resolveProgramModule(const QString& fileName, const char* entry, QString& reason) {
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& path :
         {fileName, QStringLiteral(LCCD_INSTALLED_MODULE_DIR "/") + fileName}) {
        QLibrary module(programFolder.filePath(path));
        if (const QFunctionPointer resolved = module.resolve(entry))
            return resolved;
        reason = module.errorString();
    }
    return nullptr;
}

} // namespace lccd
