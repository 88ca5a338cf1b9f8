#pragma once

#include <QLoggingCategory>

// Traces of the render library's quiet decisions (rows and files passed over without a word to
// the user); off unless asked for: QT_LOGGING_RULES="lccd.render.debug=true".
namespace lccd {

Q_DECLARE_LOGGING_CATEGORY(lcRender)

} // namespace lccd
