#include "platform/adapters/VorbisCommentFile.h"

#include "platform/FileReplace.h"
#include "platform/adapters/TagLibText.h"
#include "platform/codecs/CodedAudio.h"

#include <QFile>

#include <array>
#include <memory>
#include <utility>

#include <taglib/flacfile.h>
#include <taglib/oggflacfile.h>
#include <taglib/opusfile.h>
#include <taglib/vorbisfile.h>
#include <taglib/xiphcomment.h>

namespace lccd {
namespace {

const std::array<std::pair<const char*, const char*>, 6> kCommentNames = {{{"INAM", "TITLE"},
                                                                           {"IART", "ARTIST"},
                                                                           {"IPRD", "ALBUM"},
                                                                           {"ICMT", "COMMENT"},
                                                                           {"ICRD", "DATE"},
                                                                           {"IGNR", "GENRE"}}};

template <typename OggFile> std::unique_ptr<OggFile> validOgg(const char* fileName) {
    auto file = std::make_unique<OggFile>(fileName, false);
    return file->isValid() ? std::move(file) : nullptr;
}

// A FLAC or Ogg song opened by TagLib, with its comment (made, empty, for a FLAC file that has
// none).
class CommentedSong {
public:
    explicit CommentedSong(const QString& path) {
        const QByteArray name = QFile::encodeName(path);
        switch (codedContainerOf(path)) {
        case CodedContainer::Flac: {
            auto flac = std::make_unique<TagLib::FLAC::File>(name.constData(), false);
            if (flac->isValid())
                comment_ = flac->xiphComment(true);
            file_ = std::move(flac);
            break;
        }
        case CodedContainer::Ogg:
            // Each reader checks the codec that the stream's first packet names.
            if (auto vorbis = validOgg<TagLib::Ogg::Vorbis::File>(name.constData()))
                setOgg(std::move(vorbis));
            else if (auto opus = validOgg<TagLib::Ogg::Opus::File>(name.constData()))
                setOgg(std::move(opus));
            else if (auto flac = validOgg<TagLib::Ogg::FLAC::File>(name.constData()))
                setOgg(std::move(flac));
            break;
        case CodedContainer::None:
            break;
        }
    }

    // Nothing when the file is no song TagLib reads.
    TagLib::Ogg::XiphComment* comment() const { return comment_; }
    bool save() { return file_->save(); }

private:
    template <typename OggFile> void setOgg(std::unique_ptr<OggFile> file) {
        comment_ = file->tag();
        file_ = std::move(file);
    }

    std::unique_ptr<TagLib::File> file_;
    TagLib::Ogg::XiphComment* comment_ = nullptr;
};

QByteArray firstValue(const TagLib::Ogg::FieldListMap& fields, const char* name) {
    const auto values = fields.find(name);
    return values == fields.end() || values->second.isEmpty() ? QByteArray()
                                                              : utf8Bytes(values->second.front());
}

TagFields songFields(const TagLib::Ogg::XiphComment& comment) {
    const TagLib::Ogg::FieldListMap& fields = comment.fieldListMap();
    TagFields song;
    for (const auto& [id, name] : kCommentNames)
        song.insert(id, firstValue(fields, name));
    if (song.value("ICMT").isEmpty())
        song.insert("ICMT", firstValue(fields, "DESCRIPTION"));
    return song;
}

void applyChanges(TagLib::Ogg::XiphComment& comment, const TagFields& changes) {
    for (const auto& [id, name] : kCommentNames) {
        const auto change = changes.constFind(id);
        if (change == changes.cend())
            continue;
        if (change->isEmpty())
            comment.removeFields(name);
        else
            comment.addField(name, TagLib::String(change->toStdString(), TagLib::String::UTF8),
                             true);
    }
}

bool writeChanges(const QString& path, const TagFields& changes) {
    CommentedSong song(path);
    if (song.comment() == nullptr)
        return false;
    applyChanges(*song.comment(), changes);
    return song.save();
}

} // namespace

std::optional<TagFields> readVorbisCommentFields(const QString& path) {
    const CommentedSong song(path);
    if (song.comment() == nullptr)
        return std::nullopt;
    return songFields(*song.comment());
}

bool saveVorbisCommentFields(const QString& path, const TagFields& changes) {
    const std::optional<TagFields> stored = readVorbisCommentFields(path);
    if (!stored)
        return false;
    TagFields expected = *stored;
    for (auto change = changes.begin(); change != changes.end(); ++change)
        expected.insert(change.key(), change.value());
    return replaceFile(path, [&](QFile& replacement) {
        QFile song(path);
        if (!song.open(QIODevice::ReadOnly) || !copyRange(song, 0, song.size(), replacement) ||
            !replacement.flush())
            return false;
        const QString copy = replacement.fileName();
        return writeChanges(copy, changes) && readVorbisCommentFields(copy) == expected &&
               sameCodedAudio(path, copy);
    });
}

} // namespace lccd
