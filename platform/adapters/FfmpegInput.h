#pragma once

#include <QString>

#include <memory>

extern "C" {
#include <libavformat/avformat.h>
}

namespace lccd {

struct FormatCloser {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
using FormatContext = std::unique_ptr<AVFormatContext, FormatCloser>;

// The media file at path opened by libavformat, through the file protocol only: a playlist
// posing as a song must not make FFmpeg reach the network. FFmpeg's own messages are off; the
// program tells failures itself. Nothing when libavformat cannot open it.
FormatContext openLocalMedia(const QString& path);

} // namespace lccd
