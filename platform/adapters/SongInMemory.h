#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

#include <taglib/tbytevectorstream.h>

namespace lccd {

// TagLib's stream over a song in memory, kept from moving bytes the song does not have: a
// writer that takes a damaged song's block to reach past its end (a file cut short) would have
// it copy memory from before the block. Such an insertion is left undone and remembered.
class SongStream : public TagLib::ByteVectorStream {
public:
    using ByteVectorStream::ByteVectorStream;
    void insert(const TagLib::ByteVector& data, unsigned long start,
                unsigned long replace) override;
    bool wasOverrun() const { return overrun_; }

private:
    bool overrun_ = false;
};

// A whole song read into memory for TagLib to change: every byte of the new version is then
// written, and checked, by the program's own writer.
class SongInMemory {
public:
    explicit SongInMemory(const QString& path);

    // False when the file could not be read whole.
    bool isRead() const { return stream_ != nullptr; }
    TagLib::ByteVectorStream& stream() { return *stream_; }
    QByteArray bytes() const;
    // Whether a writer asked for bytes past the end: what it made is no whole song.
    bool wasOverrun() const { return stream_->wasOverrun(); }

private:
    std::unique_ptr<SongStream> stream_;
};

} // namespace lccd
