#include "platform/adapters/SongInMemory.h"

#include <QFile>

namespace lccd {

void SongStream::insert(const TagLib::ByteVector& data, unsigned long start,
                        unsigned long replace) {
    const auto size = static_cast<unsigned long>(length());
    if (start > size || replace > size - start) {
        overrun_ = true;
        return;
    }
    ByteVectorStream::insert(data, start, replace);
}

SongInMemory::SongInMemory(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    const QByteArray bytes = file.readAll();
    if (bytes.size() == file.size())
        stream_ =
            std::make_unique<SongStream>(TagLib::ByteVector(bytes.constData(), uint(bytes.size())));
}

QByteArray SongInMemory::bytes() const {
    const TagLib::ByteVector& data = *stream_->data();
    return QByteArray(data.data(), qsizetype(data.size()));
}

} // namespace lccd
