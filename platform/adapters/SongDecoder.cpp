#include "platform/adapters/SongDecoder.h"

#include "platform/AppError.h"
#include "platform/adapters/Mpg123Stream.h"
#include "platform/adapters/SndfileStream.h"
#include "platform/codecs/CodedAudio.h"

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

} // namespace lccd
