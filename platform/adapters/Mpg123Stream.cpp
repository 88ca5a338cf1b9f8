#include "platform/adapters/Mpg123Stream.h"

#include "platform/AppError.h"
#include "platform/adapters/SpeakerOrder.h"

#include <QFile>

#include <mpg123.h>

namespace lccd {
namespace {

struct HandleDeleter {
    void operator()(mpg123_handle* handle) const { mpg123_delete(handle); }
};
using Handle = std::unique_ptr<mpg123_handle, HandleDeleter>;

class Mpg123Stream final : public AudioStream {
public:
    Mpg123Stream(Handle handle, const AudioFormat& format, const QString& path)
        : handle_(std::move(handle)), format_(format), path_(path) {}

    const AudioFormat& format() const override { return format_; }

    qint64 read(float* samples, qint64 frames) override {
        const size_t frameBytes = sizeof(float) * size_t(format_.channels());
        const size_t wanted = size_t(frames) * frameBytes;
        auto* out = reinterpret_cast<unsigned char*>(samples);
        size_t total = 0;
        while (total < wanted) {
            size_t done = 0;
            const int result = mpg123_read(handle_.get(), out + total, wanted - total, &done);
            total += done;
            if (result == MPG123_DONE)
                break;
            // The output format is fixed at opening, so a new format in the stream is converted
            // to it and reading goes on.
            if (result != MPG123_OK && result != MPG123_NEW_FORMAT)
                throw AppError(
                    QStringLiteral("ファイル %1 の音声を読み込めません: %2")
                        .arg(path_, QString::fromLocal8Bit(mpg123_strerror(handle_.get()))));
        }
        return qint64(total / frameBytes);
    }

private:
    Handle handle_;
    AudioFormat format_;
    QString path_;
};

} // namespace

std::unique_ptr<AudioStream> openMpg123Stream(const QString& path) {
    Handle handle(mpg123_new(nullptr, nullptr));
    if (!handle ||
        mpg123_param(handle.get(), MPG123_ADD_FLAGS, MPG123_QUIET | MPG123_FORCE_FLOAT, 0) !=
            MPG123_OK ||
        mpg123_open(handle.get(), QFile::encodeName(path).constData()) != MPG123_OK)
        return nullptr;
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    if (mpg123_getformat(handle.get(), &rate, &channels, &encoding) != MPG123_OK ||
        mpg123_format_none(handle.get()) != MPG123_OK ||
        mpg123_format(handle.get(), rate, channels, MPG123_ENC_FLOAT_32) != MPG123_OK ||
        mpg123_scan(handle.get()) != MPG123_OK)
        return nullptr;
    const off_t frames = mpg123_length(handle.get());
    if (frames < 0 || rate <= 0)
        return nullptr;
    AudioFormat format;
    format.sampleRate = int(rate);
    format.frames = frames;
    format.speakers = standardSpeakers(channels, ChannelOrder::Wave);
    return std::make_unique<Mpg123Stream>(std::move(handle), format, path);
}

} // namespace lccd
