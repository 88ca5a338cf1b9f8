#include "platform/adapters/LibBurnTrackSource.h"

#include "platform/AppError.h"

#include <libburn/libburn.h>

#include <cstdlib>
#include <new>

namespace lccd {
namespace {

using namespace burn;

struct SourceData {
    std::unique_ptr<BurnTrackSource> audio;
    std::shared_ptr<TrackSourceError> error;
    off_t size;
};

SourceData& dataOf(burn_source* source) {
    return *static_cast<SourceData*>(source->data);
}

// The audio gives as many bytes as are asked for, fewer only at the end of the track.
int readAudio(burn_source* source, unsigned char* buffer, int size) {
    SourceData& data = dataOf(source);
    try {
        return int(data.audio->read(reinterpret_cast<char*>(buffer), size));
    } catch (const AppError& failure) {
        data.error->note(failure.message());
    } catch (const std::exception& failure) {
        data.error->note(QString::fromLocal8Bit(failure.what()));
    }
    return -1;
}

off_t sizeOf(burn_source* source) {
    return dataOf(source).size;
}

// libburn may announce a fixed size of its own; it pads or cuts the track to it.
int setSize(burn_source* source, off_t size) {
    dataOf(source).size = size;
    return 1;
}

// The drive stopped taking the track: nothing to let go of before the data is freed.
int stopReading(burn_source*) {
    return 1;
}

void freeData(burn_source* source) {
    delete static_cast<SourceData*>(source->data);
}

} // namespace

void TrackSourceError::note(const QString& message) {
    const std::lock_guard lock(mutex_);
    if (message_.isEmpty())
        message_ = message;
}

QString TrackSourceError::message() const {
    const std::lock_guard lock(mutex_);
    return message_;
}

burn_source* newLibBurnTrackSource(std::unique_ptr<BurnTrackSource> source,
                                   std::shared_ptr<TrackSourceError> error) {
    // libburn frees the structure itself with free() once the last reference goes.
    auto* burnSource = static_cast<burn_source*>(std::calloc(1, sizeof(burn_source)));
    if (!burnSource)
        throw std::bad_alloc();
    const off_t size = off_t(source->byteCount());
    burnSource->refcount = 1;
    burnSource->get_size = sizeOf;
    burnSource->set_size = setSize;
    burnSource->free_data = freeData;
    burnSource->data = new SourceData{std::move(source), std::move(error), size};
    // Version 1: read_xt stands in for read.
    burnSource->version = 1;
    burnSource->read_xt = readAudio;
    burnSource->cancel = stopReading;
    return burnSource;
}

} // namespace lccd
