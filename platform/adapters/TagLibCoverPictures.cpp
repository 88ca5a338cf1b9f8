#include "platform/adapters/TagLibCoverPictures.h"

#include "platform/codecs/SongContainer.h"

#include <QFile>

#include <taglib/aifffile.h>
#include <taglib/attachedpictureframe.h>
#include <taglib/flacfile.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpegfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/wavfile.h>
#include <taglib/xiphcomment.h>

namespace lccd {
namespace {

// A picture with its type, numbered as ID3v2 numbers them (FLAC and Ogg take the same).
struct TypedPicture {
    int type;
    TagLib::ByteVector data;
};

QByteArray bytesOf(const TagLib::ByteVector& data) {
    return QByteArray(data.data(), qsizetype(data.size()));
}

// The front cover, else the first picture of type Other.
QByteArray frontAmong(const QList<TypedPicture>& pictures) {
    constexpr int kOther = 0, kFrontCover = 3;
    for (const int wanted : {kFrontCover, kOther})
        for (const TypedPicture& picture : pictures)
            if (picture.type == wanted)
                return bytesOf(picture.data);
    return {};
}

QByteArray fromId3v2(TagLib::ID3v2::Tag* tag) {
    if (!tag)
        return {};
    QList<TypedPicture> pictures;
    for (const TagLib::ID3v2::Frame* frame : tag->frameList("APIC"))
        if (const auto* picture = dynamic_cast<const TagLib::ID3v2::AttachedPictureFrame*>(frame))
            pictures.append({int(picture->type()), picture->picture()});
    return frontAmong(pictures);
}

QByteArray fromFlacPictures(const TagLib::List<TagLib::FLAC::Picture*>& blocks) {
    QList<TypedPicture> pictures;
    for (const TagLib::FLAC::Picture* picture : blocks)
        pictures.append({int(picture->type()), picture->data()});
    return frontAmong(pictures);
}

QByteArray fromXiph(TagLib::Ogg::XiphComment* comment) {
    return comment ? fromFlacPictures(comment->pictureList()) : QByteArray();
}

QByteArray fromMp4(TagLib::MP4::Tag* tag) {
    if (!tag || !tag->contains("covr"))
        return {};
    const TagLib::MP4::CoverArtList covers = tag->item("covr").toCoverArtList();
    return covers.isEmpty() ? QByteArray() : bytesOf(covers.front().data());
}

// An Ogg file holds Vorbis, Opus or FLAC; the first reader that finds its stream valid reads it.
QByteArray fromOgg(const char* name) {
    if (TagLib::Ogg::Vorbis::File vorbis(name, false); vorbis.isValid())
        return fromXiph(vorbis.tag());
    if (TagLib::Ogg::Opus::File opus(name, false); opus.isValid())
        return fromXiph(opus.tag());
    if (TagLib::Ogg::FLAC::File flac(name, false); flac.isValid())
        return fromXiph(flac.tag());
    return {};
}

} // namespace

QByteArray TagLibCoverPictures::frontCover(const QString& path) {
    const QByteArray fileName = QFile::encodeName(path);
    const char* name = fileName.constData();
    switch (songContainerOf(path)) {
    case SongContainer::Unknown: // plain MPEG audio has no mark of its own
    case SongContainer::Mpeg: {
        TagLib::MPEG::File file(name, false);
        return file.isValid() ? fromId3v2(file.ID3v2Tag()) : QByteArray();
    }
    case SongContainer::Flac: {
        TagLib::FLAC::File file(name, false);
        if (!file.isValid())
            return {};
        const QByteArray block = fromFlacPictures(file.pictureList());
        return block.isEmpty() ? fromXiph(file.xiphComment()) : block;
    }
    case SongContainer::Ogg:
        return fromOgg(name);
    case SongContainer::Mp4: {
        TagLib::MP4::File file(name, false);
        return file.isValid() ? fromMp4(file.tag()) : QByteArray();
    }
    case SongContainer::Wave: {
        TagLib::RIFF::WAV::File file(name, false);
        return file.isValid() && file.hasID3v2Tag() ? fromId3v2(file.ID3v2Tag()) : QByteArray();
    }
    case SongContainer::Aiff: {
        TagLib::RIFF::AIFF::File file(name, false);
        return file.isValid() && file.hasID3v2Tag() ? fromId3v2(file.tag()) : QByteArray();
    }
    default:
        return {};
    }
}

} // namespace lccd
