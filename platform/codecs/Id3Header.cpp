#include "platform/codecs/Id3Header.h"

namespace lccd {

qint64 id3v2TagSize(const QByteArray& header) {
    constexpr char kFooterFlag = 0x10;
    qint64 size = 0;
    for (int i = 6; i < 10 && i < header.size(); ++i)
        size = (size << 7) | (uchar(header[i]) & 0x7F);
    const bool footer = header.size() > 5 && (header[5] & kFooterFlag) != 0;
    return 10 + size + (footer ? 10 : 0);
}

} // namespace lccd
