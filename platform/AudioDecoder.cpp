#include "platform/AudioDecoder.h"

#include "platform/AppError.h"

namespace lccd {

std::optional<qint64> decodedLengthMilliseconds(AudioDecoder& decoder, const QString& path) {
    try {
        return decoder.open(path)->format().lengthMilliseconds();
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace lccd
