#include "platform/Shell.h"

#include <QDesktopServices>
#include <QUrl>

namespace lccd {
namespace {

class QtDesktopShell : public DesktopShell {
public:
    bool openDocument(const QString& path) override {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
    }
    bool openUrl(const QString& address) override {
        return QDesktopServices::openUrl(QUrl(address, QUrl::TolerantMode));
    }
};

} // namespace

template <> DesktopShell& ServiceDefault<DesktopShell>::get() {
    static QtDesktopShell instance;
    return instance;
}

} // namespace lccd
