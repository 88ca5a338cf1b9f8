#pragma once

#include <QLoggingCategory>

// Traces of the disc side's quiet decisions (songs left untouched or left out, the steps of a burn
// plan); off unless asked for: QT_LOGGING_RULES="lccd.disc.debug=true".
namespace lccd {

Q_DECLARE_LOGGING_CATEGORY(lcDisc)

} // namespace lccd
