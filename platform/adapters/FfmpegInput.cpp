#include "platform/adapters/FfmpegInput.h"

#include <QFile>

namespace lccd {

FormatContext openLocalMedia(const QString& path) {
    static const bool quiet = (av_log_set_level(AV_LOG_QUIET), true);
    Q_UNUSED(quiet);
    AVDictionary* options = nullptr;
    av_dict_set(&options, "protocol_whitelist", "file", 0);
    AVFormatContext* opened = nullptr;
    const int result =
        avformat_open_input(&opened, QFile::encodeName(path).constData(), nullptr, &options);
    av_dict_free(&options);
    return FormatContext(result < 0 ? nullptr : opened);
}

} // namespace lccd
