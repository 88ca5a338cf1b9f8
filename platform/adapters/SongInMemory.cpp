#include "platform/adapters/SongInMemory.h"

#include <QFile>

namespace lccd {

SongInMemory::SongInMemory(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (bytes.size() == file.size())
        stream_ = std::make_unique<TagLib::ByteVectorStream>(
            TagLib::ByteVector(bytes.constData(), uint(bytes.size())));
}

QByteArray SongInMemory::bytes() const {
    const TagLib::ByteVector& data = *stream_->data();
    return QByteArray(data.data(), qsizetype(data.size()));
}

} // namespace lccd
