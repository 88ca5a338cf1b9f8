#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include <taglib/tbytevectorstream.h>

namespace lccd {

// A whole song read into memory for TagLib to change: every byte of the new version is then
// written, and checked, by the program's own writer.
class SongInMemory {
public:
    explicit SongInMemory(const QString& path);

    // False when the file could not be read whole.
    bool isRead() const { return stream_ != nullptr; }
    TagLib::ByteVectorStream& stream() { return *stream_; }
    QByteArray bytes() const;

private:
    std::unique_ptr<TagLib::ByteVectorStream> stream_;
};

} // namespace lccd
