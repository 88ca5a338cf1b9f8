#pragma once

#include <QLoggingCategory>

// Traces of the services' quiet decisions (a decoder tried after another, the steps of a burn); off
// unless asked for: QT_LOGGING_RULES="lccd.platform.debug=true".
namespace lccd {

Q_DECLARE_LOGGING_CATEGORY(lcPlatform)

} // namespace lccd
