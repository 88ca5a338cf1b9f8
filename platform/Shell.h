#pragma once

#include <QString>

// The desktop shell: documents open in the program the desktop associates with them, and web
// addresses in the user's browser.
namespace lccd {

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // Each returns true when the desktop accepted the request.
    virtual bool openDocument(const QString& path) = 0;
    virtual bool openUrl(const QString& address) = 0;
};

} // namespace lccd
