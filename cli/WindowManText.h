#pragma once

#include <QString>

namespace lccd {

// The text of lccdtool(1), the window program's manual page, laid out as lccdtool-cli's help
// (see ManPage.h).
QString windowManText(bool japanese);

} // namespace lccd
