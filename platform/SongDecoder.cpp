#include "platform/SongDecoder.h"

#include "platform/AppError.h"
#include "platform/CodedAudio.h"
#include "platform/Mpg123Stream.h"
#include "platform/SndfileStream.h"

namespace lccd {

std::unique_ptr<AudioStream> SongDecoder::open(const QString& path) {
    if (std::unique_ptr<AudioStream> stream = openSndfileStream(path))
        return stream;
    // A FLAC or Ogg file that libsndfile refuses is damaged; the MP3 decoder would find frames
    // in its bytes all the same and make noise of it.
    if (codedContainerOf(path) != CodedContainer::None)
        throw AppError::cannotOpen(path);
    if (std::unique_ptr<AudioStream> stream = openMpg123Stream(path))
        return stream;
    throw AppError::cannotOpen(path);
}

std::optional<qint64> decodedLengthMilliseconds(AudioDecoder& decoder, const QString& path) {
    try {
        return decoder.open(path)->format().lengthMilliseconds();
    } catch (const AppError&) {
        return std::nullopt;
    }
}

} // namespace lccd
