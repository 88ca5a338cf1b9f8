#include "audio/AudioLog.h"

namespace lccd {

Q_LOGGING_CATEGORY(lcAudio, "lccd.audio", QtInfoMsg)

} // namespace lccd
