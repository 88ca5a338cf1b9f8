#include "platform/adapters/Id3Tags.h"

#include "platform/Mp3Infp.h"
#include "platform/adapters/TagLibText.h"

#include <QFile>

#include <array>

#include <taglib/apetag.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v1tag.h>
#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tbytevectorstream.h>
#include <taglib/textidentificationframe.h>
#include <taglib/tfile.h>

namespace lccd {

TagFields id3v1Fields(const TagLib::ID3v1::Tag& tag) {
    return {{"INAM", rawBytes(tag.title())},
            {"IART", rawBytes(tag.artist())},
            {"IPRD", rawBytes(tag.album())},
            {"ICMT", rawBytes(tag.comment())},
            {"ICRD", tag.year() == 0 ? QByteArray() : QByteArray::number(tag.year())},
            {"IGNR", rawBytes(tag.genre())}};
}

// APE texts are UTF-8.
TagFields apeFields(const TagLib::APE::Tag& tag) {
    return {{"INAM", utf8Bytes(tag.title())},
            {"IART", utf8Bytes(tag.artist())},
            {"IPRD", utf8Bytes(tag.album())},
            {"ICMT", utf8Bytes(tag.comment())},
            {"ICRD", tag.year() == 0 ? QByteArray() : QByteArray::number(tag.year())},
            {"IGNR", utf8Bytes(tag.genre())}};
}

namespace {

// Whether the frame's text is stored as Latin-1. The encoding is compared as a number: TagLib
// keeps an encoding byte it does not know as it is (and decodes such a text as UTF-16), and that
// byte names no String::Type.
bool isLatin1Frame(const TagLib::ID3v2::Frame* frame) {
    int encoding = TagLib::String::UTF8;
    if (const auto* text = dynamic_cast<const TagLib::ID3v2::TextIdentificationFrame*>(frame))
        encoding = static_cast<int>(text->textEncoding());
    else if (const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame))
        encoding = static_cast<int>(comment->textEncoding());
    return encoding == TagLib::String::Latin1;
}

// The comment that players show: the first without a description, else the first.
const TagLib::ID3v2::Frame* mainComment(const TagLib::ID3v2::FrameList& comments) {
    for (const TagLib::ID3v2::Frame* frame : comments) {
        const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame);
        if (comment != nullptr && comment->description().isEmpty())
            return frame;
    }
    return comments.front();
}

// Latin-1 fields keep their bytes (code page 932 as Japanese taggers write them); texts in a
// Unicode encoding are given as UTF-8.
QByteArray fieldBytes(const TagLib::String& text, bool latin1Field) {
    return latin1Field ? rawBytes(text) : utf8Bytes(text);
}

QByteArray id3v2Field(const TagLib::ID3v2::Tag& tag, const char* frameId) {
    const TagLib::ID3v2::FrameList& frames = tag.frameListMap()[frameId];
    if (frames.isEmpty())
        return {};
    const bool isComment = qstrcmp(frameId, "COMM") == 0;
    const TagLib::ID3v2::Frame* frame = isComment ? mainComment(frames) : frames.front();
    // A genre may be an ID3v1 genre number; TagLib's genre() gives its name.
    const TagLib::String text = qstrcmp(frameId, "TCON") == 0 ? tag.genre() : frame->toString();
    return fieldBytes(text, isLatin1Frame(frame));
}

} // namespace

TagFields id3v2Fields(const TagLib::ID3v2::Tag& tag) {
    // TagLib reads an ID3v2.3 year (TYER) as a recording time (TDRC).
    const std::array<std::pair<const char*, const char*>, 6> frames = {{{"INAM", "TIT2"},
                                                                        {"IART", "TPE1"},
                                                                        {"IPRD", "TALB"},
                                                                        {"ICMT", "COMM"},
                                                                        {"ICRD", "TDRC"},
                                                                        {"IGNR", "TCON"}}};
    TagFields fields;
    for (const auto& [id, frameId] : frames)
        fields.insert(id, id3v2Field(tag, frameId));
    return fields;
}

namespace {

// A TagLib file over bytes in memory, so that a tag can be read from part of another file.
class BytesFile : public TagLib::File {
public:
    explicit BytesFile(TagLib::IOStream* stream) : TagLib::File(stream) {}
    TagLib::Tag* tag() const override { return nullptr; }
    TagLib::AudioProperties* audioProperties() const override { return nullptr; }
    bool save() override { return false; }
};

} // namespace

std::optional<Id3Tags> readId3Tags(const QString& path) {
    useRawTagStrings();
    TagLib::MPEG::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid() || file.firstFrameOffset() < 0)
        return std::nullopt;
    Id3Tags tags;
    if (file.hasID3v1Tag()) {
        tags.present |= TagTypeFlags::Id3v1;
        tags.v1 = id3v1Fields(*file.ID3v1Tag());
    }
    if (file.hasID3v2Tag()) {
        tags.present |= TagTypeFlags::Id3v2;
        tags.v2 = id3v2Fields(*file.ID3v2Tag());
    }
    if (file.hasAPETag())
        tags.ape = apeFields(*file.APETag());
    return tags;
}

std::optional<TagFields> readId3v2Chunk(const QByteArray& chunkData) {
    if (!chunkData.startsWith("ID3"))
        return std::nullopt;
    TagLib::ByteVectorStream stream(
        TagLib::ByteVector(chunkData.constData(), uint(chunkData.size())));
    BytesFile file(&stream);
    const TagLib::ID3v2::Tag tag(&file, 0);
    if (tag.header()->tagSize() == 0)
        return std::nullopt;
    return id3v2Fields(tag);
}

} // namespace lccd
