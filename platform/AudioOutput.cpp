#include "platform/AudioOutput.h"

namespace lccd {

QString noAudioDeviceMessage() {
    return QStringLiteral("音を出す装置が見つからないため、曲を再生できません");
}

} // namespace lccd
