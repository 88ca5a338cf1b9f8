#include "platform/PlatformLog.h"

namespace lccd {

Q_LOGGING_CATEGORY(lcPlatform, "lccd.platform", QtInfoMsg)

} // namespace lccd
