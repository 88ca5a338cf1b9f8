#include "platform/adapters/SongTagFile.h"

#include "platform/CodePage.h"
#include "platform/FileReplace.h"
#include "platform/ReplacementFile.h"
#include "platform/StoredTextEncoding.h"
#include "platform/adapters/AudioPackets.h"
#include "platform/adapters/Id3Tags.h"
#include "platform/adapters/Id3v1Patch.h"
#include "platform/adapters/SongInMemory.h"
#include "platform/adapters/SongTagEdits.h"
#include "platform/adapters/TagLibText.h"
#include "platform/codecs/Mp4Atoms.h"
#include "platform/codecs/SongContainer.h"

#include <QFile>

#include <memory>
#include <type_traits>

#include <taglib/aifffile.h>
#include <taglib/apefile.h>
#include <taglib/apetag.h>
#include <taglib/asffile.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2framefactory.h>
#include <taglib/id3v2header.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4file.h>
#include <taglib/mpcfile.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>
#include <taglib/trueaudiofile.h>
#include <taglib/wavpackfile.h>

namespace lccd {
namespace {

constexpr qsizetype kId3v1Size = 128;

// Each field of own, or of fallback where own's is empty.
TagFields merged(TagFields own, const TagFields& fallback) {
    for (auto field = fallback.begin(); field != fallback.end(); ++field)
        if (own.value(field.key()).isEmpty())
            own.insert(field.key(), field.value());
    return own;
}

// An ID3v1 tag's fields as UTF-8 texts, to start a new tag with.
TagFields asUtf8(const TagFields& stored) {
    TagFields texts;
    for (auto field = stored.begin(); field != stored.end(); ++field)
        texts.insert(field.key(),
                     readsAsUtf8(field.value()) ? field.value() : fromSjis(field.value()).toUtf8());
    return texts;
}

// A file TagLib opens may still hold no audio (a header cut short): such a file is no song.
bool holdsAudio(const TagLib::File& file) {
    const TagLib::AudioProperties* audio = file.audioProperties();
    return file.isValid() && audio != nullptr && audio->sampleRate() > 0 && audio->channels() > 0;
}

TagLib::ID3v2::Version versionToWrite(const TagLib::ID3v2::Tag* tag) {
    return tag != nullptr && tag->header()->majorVersion() == 4 ? TagLib::ID3v2::v4
                                                                : TagLib::ID3v2::v3;
}

// A song opened by TagLib from a stream, with the tag the program writes into it (its own tag).
class SongTags {
public:
    virtual ~SongTags() = default;
    virtual bool isValid() const = 0;
    // The fields as shown: the own tag's, else the ID3v1 tag's.
    virtual TagFields fields() const = 0;
    // The own tag's properties; none when the song has no such tag yet.
    virtual TagLib::PropertyMap properties() const = 0;
    // What a new own tag starts with.
    virtual TagFields startingFields() const { return {}; }
    virtual bool hasId3v1() const { return false; }
    // Writes the changes into the song's stream; an ID3v1 tag at its end is left off, for the
    // caller to put back with its own bytes.
    virtual bool save(const TagFields& changes) = 0;
};

// MP3 and TTA files: an ID3v2 tag, and maybe an ID3v1 tag at the end. An MP3 file's APE tag,
// which FFmpeg's players read over its ID3v2 tag, is kept in step too. TagLib writes a TTA
// file's ID3v2 tag as ID3v2.4.
template <typename File> class Id3v2TaggedSong : public SongTags {
    static constexpr bool kMpeg = std::is_same_v<File, TagLib::MPEG::File>;

public:
    explicit Id3v2TaggedSong(TagLib::IOStream& stream) : file_(open(stream)) {}

    bool isValid() const override { return holdsAudio(*file_); }
    TagFields fields() const override {
        return merged(v2() ? id3v2Fields(*v2()) : TagFields(),
                      v1() ? id3v1Fields(*v1()) : TagFields());
    }
    TagLib::PropertyMap properties() const override {
        return v2() ? v2()->properties() : TagLib::PropertyMap();
    }
    TagFields startingFields() const override {
        return !v2() && v1() ? asUtf8(id3v1Fields(*v1())) : TagFields();
    }
    bool hasId3v1() const override { return v1() != nullptr; }

    bool save(const TagFields& changes) override {
        const TagLib::ID3v2::Version version = versionToWrite(v2());
        if (v1())
            file_->strip(File::ID3v1);
        applyChanges(*file_->ID3v2Tag(true), changes);
        if constexpr (kMpeg) {
            int tags = TagLib::MPEG::File::ID3v2;
            if (file_->hasAPETag()) {
                applyChanges(*file_->APETag(), changes);
                tags |= TagLib::MPEG::File::APE;
            }
            return file_->save(tags, TagLib::File::StripNone, version,
                               TagLib::File::DoNotDuplicate);
        } else {
            return file_->save();
        }
    }

private:
    static std::unique_ptr<File> open(TagLib::IOStream& stream) {
        if constexpr (kMpeg)
            return std::make_unique<File>(&stream, TagLib::ID3v2::FrameFactory::instance());
        else
            return std::make_unique<File>(&stream);
    }
    TagLib::ID3v2::Tag* v2() const { return file_->hasID3v2Tag() ? file_->ID3v2Tag() : nullptr; }
    TagLib::ID3v1::Tag* v1() const { return file_->hasID3v1Tag() ? file_->ID3v1Tag() : nullptr; }

    std::unique_ptr<File> file_;
};

class AiffSong : public SongTags {
public:
    explicit AiffSong(TagLib::IOStream& stream) : file_(&stream) {}
    bool isValid() const override { return holdsAudio(file_); }
    TagFields fields() const override { return id3v2Fields(*file_.tag()); }
    TagLib::PropertyMap properties() const override {
        return file_.hasID3v2Tag() ? file_.tag()->properties() : TagLib::PropertyMap();
    }
    bool save(const TagFields& changes) override {
        const TagLib::ID3v2::Version version =
            versionToWrite(file_.hasID3v2Tag() ? file_.tag() : nullptr);
        applyChanges(*file_.tag(), changes);
        return file_.save(version);
    }

private:
    TagLib::RIFF::AIFF::File file_;
};

// Monkey's Audio, WavPack and Musepack files: an APE tag, and maybe an ID3v1 tag after it.
template <typename File> class ApeTaggedSong : public SongTags {
public:
    explicit ApeTaggedSong(TagLib::IOStream& stream, bool ofOtherFormat = false)
        : file_(&stream, !ofOtherFormat), ofOtherFormat_(ofOtherFormat) {}
    // A TTA file's audio is checked by its own reader.
    bool isValid() const override { return ofOtherFormat_ ? file_.isValid() : holdsAudio(file_); }
    TagFields fields() const override {
        return merged(ape() ? apeFields(*ape()) : TagFields(),
                      v1() ? id3v1Fields(*v1()) : TagFields());
    }
    TagLib::PropertyMap properties() const override {
        return ape() ? ape()->properties() : TagLib::PropertyMap();
    }
    TagFields startingFields() const override {
        return !ape() && v1() ? asUtf8(id3v1Fields(*v1())) : TagFields();
    }
    bool hasId3v1() const override { return v1() != nullptr; }
    bool save(const TagFields& changes) override {
        if (v1())
            file_.strip(File::ID3v1);
        applyChanges(*file_.APETag(true), changes);
        return file_.save();
    }

private:
    TagLib::APE::Tag* ape() const {
        return file_.hasAPETag() ? const_cast<File&>(file_).APETag() : nullptr;
    }
    TagLib::ID3v1::Tag* v1() const {
        return file_.hasID3v1Tag() ? const_cast<File&>(file_).ID3v1Tag() : nullptr;
    }

    File file_;
    bool ofOtherFormat_;
};

// MP4 and ASF files, whose tags TagLib reads and writes whole.
template <typename File> class WholeTagSong : public SongTags {
public:
    explicit WholeTagSong(TagLib::IOStream& stream) : file_(&stream) {}
    bool isValid() const override { return holdsAudio(file_); }
    TagFields fields() const override { return fieldsOf(properties()); }
    TagLib::PropertyMap properties() const override { return file_.tag()->properties(); }
    bool save(const TagFields& changes) override {
        applyChanges(*file_.tag(), changes);
        return file_.save();
    }

private:
    File file_;
};

std::unique_ptr<SongTags> openSongTags(TagLib::IOStream& stream, SongContainer container) {
    std::unique_ptr<SongTags> song;
    switch (container) {
    case SongContainer::Mpeg:
    case SongContainer::Unknown: // plain MPEG audio carries no mark
        song = std::make_unique<Id3v2TaggedSong<TagLib::MPEG::File>>(stream);
        break;
    case SongContainer::Tta:
        // FFmpeg and foobar2000 tag TTA files with APE tags, which TagLib's TTA reader ignores.
        if (!holdsAudio(TagLib::TrueAudio::File(&stream)))
            break;
        if (TagLib::APE::File(&stream, false).hasAPETag())
            song = std::make_unique<ApeTaggedSong<TagLib::APE::File>>(stream, true);
        else
            song = std::make_unique<Id3v2TaggedSong<TagLib::TrueAudio::File>>(stream);
        break;
    case SongContainer::Aiff:
        song = std::make_unique<AiffSong>(stream);
        break;
    case SongContainer::Ape:
        song = std::make_unique<ApeTaggedSong<TagLib::APE::File>>(stream);
        break;
    case SongContainer::WavPack:
        song = std::make_unique<ApeTaggedSong<TagLib::WavPack::File>>(stream);
        break;
    case SongContainer::Musepack:
        song = std::make_unique<ApeTaggedSong<TagLib::MPC::File>>(stream);
        break;
    case SongContainer::Mp4:
        song = std::make_unique<WholeTagSong<TagLib::MP4::File>>(stream);
        break;
    case SongContainer::Asf:
        song = std::make_unique<WholeTagSong<TagLib::ASF::File>>(stream);
        break;
    default:
        break;
    }
    return song && song->isValid() ? std::move(song) : nullptr;
}

// Whether the written copy reads back with the own tag's properties and the ID3v1 tag expected.
bool readsBack(const QString& copy, SongContainer container, const TagLib::PropertyMap& expected,
               bool withId3v1) {
    const QByteArray name = QFile::encodeName(copy);
    TagLib::FileStream stream(name.constData(), true);
    const std::unique_ptr<SongTags> song = openSongTags(stream, container);
    return song && song->properties() == expected && song->hasId3v1() == withId3v1;
}

} // namespace

std::optional<TagFields> readSongTagFields(const QString& path) {
    const SongContainer container = songContainerOf(path);
    if (container == SongContainer::Mpeg || container == SongContainer::Unknown)
        return std::nullopt;
    useRawTagStrings();
    const QByteArray name = QFile::encodeName(path);
    TagLib::FileStream stream(name.constData(), true);
    if (!stream.isOpen())
        return std::nullopt;
    const std::unique_ptr<SongTags> song = openSongTags(stream, container);
    if (!song)
        return std::nullopt;
    return song->fields();
}

bool saveSongTagFields(const QString& path, const TagFields& changes) {
    useRawTagStrings();
    const SongContainer container = songContainerOf(path);
    SongInMemory song(path);
    if (!song.isRead())
        return false;
    const QByteArray original = song.bytes();
    if (container == SongContainer::Mp4 && !mp4AtomsFitTheirFile(original))
        return false;
    std::unique_ptr<SongTags> tags = openSongTags(song.stream(), container);
    if (!tags)
        return false;
    TagFields effective = tags->startingFields();
    for (auto change = changes.begin(); change != changes.end(); ++change)
        effective.insert(change.key(), change.value());
    const TagLib::PropertyMap expected = withChanges(tags->properties(), effective);
    const bool withId3v1 = tags->hasId3v1();
    const QByteArray oldId3v1 = original.right(kId3v1Size);
    if (withId3v1 && !oldId3v1.startsWith("TAG"))
        return false;
    if (!tags->save(effective) || song.wasOverrun())
        return false;
    tags.reset();
    const QByteArray changed =
        song.bytes() + (withId3v1 ? id3v1WithChanges(oldId3v1, changes) : QByteArray());
    return replaceFile(path, [&](ReplacementFile& replacement) {
        replacement.write(changed);
        const QString copy = replacement.readablePath();
        return replacement.device().seek(0) && replacement.device().readAll() == changed &&
               readsBack(copy, container, expected, withId3v1) && sameAudioPackets(path, copy);
    });
}

} // namespace lccd
