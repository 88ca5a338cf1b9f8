#pragma once

#include "platform/Shell.h"

namespace lccd {

// The desktop shell through Qt: the desktop's associated program and the user's browser.
class QtDesktopShell final : public DesktopShell {
public:
    bool openDocument(const QString& path) override;
    bool openUrl(const QString& address) override;
};

} // namespace lccd
