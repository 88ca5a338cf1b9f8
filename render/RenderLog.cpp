#include "render/RenderLog.h"

namespace lccd {

Q_LOGGING_CATEGORY(lcRender, "lccd.render", QtInfoMsg)

} // namespace lccd
