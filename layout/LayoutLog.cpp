#include "layout/LayoutLog.h"

namespace lccd {

Q_LOGGING_CATEGORY(lcLayout, "lccd.layout", QtInfoMsg)

} // namespace lccd
