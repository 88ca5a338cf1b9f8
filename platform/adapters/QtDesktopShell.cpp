#include "platform/adapters/QtDesktopShell.h"

#include <QDesktopServices>
#include <QUrl>

namespace lccd {

bool QtDesktopShell::openDocument(const QString& path) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

bool QtDesktopShell::openUrl(const QString& address) {
    return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
}

} // namespace lccd
