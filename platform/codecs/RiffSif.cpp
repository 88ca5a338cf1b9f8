#include "platform/codecs/RiffSif.h"

#include "platform/FileReplace.h"
#include "platform/Mp3Infp.h"

namespace lccd {

quint32 id3TagsOfStream(QIODevice& file, qint64 offset, qint64 length) {
    constexpr qint64 kId3v1Size = 128;
    quint32 tags = 0;
    if (length >= 10 && readAt(file, offset, 3) == "ID3")
        tags |= TagTypeFlags::Id3v2;
    if (length >= kId3v1Size && readAt(file, offset + length - kId3v1Size, 3) == "TAG")
        tags |= TagTypeFlags::Id3v1;
    return tags;
}

} // namespace lccd
