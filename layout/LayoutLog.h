#pragma once

#include <QLoggingCategory>

// Traces of the layout library's quiet decisions (rows and files passed over without a word to
// the user); off unless asked for: QT_LOGGING_RULES="lccd.layout.debug=true".
namespace lccd {

Q_DECLARE_LOGGING_CATEGORY(lcLayout)

} // namespace lccd
