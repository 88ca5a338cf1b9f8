#include "disc/DiscLog.h"

namespace lccd {

Q_LOGGING_CATEGORY(lcDisc, "lccd.disc", QtInfoMsg)

} // namespace lccd
