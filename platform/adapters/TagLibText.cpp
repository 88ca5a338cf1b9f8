#include "platform/adapters/TagLibText.h"

#include <taglib/id3v1tag.h>

namespace lccd {
namespace {

// The bytes up to the first NUL: fixed-size and NUL-terminated fields end there.
TagLib::ByteVector beforeNul(const TagLib::ByteVector& data) {
    const int end = data.find(TagLib::ByteVector(1, '\0'));
    return end < 0 ? data : data.mid(0, static_cast<unsigned int>(end));
}

class RawId3v1Strings : public TagLib::ID3v1::StringHandler {
public:
    // ID3v1 fields are padded with NULs or blanks; a Shift-JIS byte pair never ends in a blank.
    TagLib::String parse(const TagLib::ByteVector& data) const override {
        TagLib::ByteVector text = beforeNul(data);
        while (!text.isEmpty() && text[text.size() - 1] == ' ')
            text.resize(text.size() - 1);
        return TagLib::String(text, TagLib::String::Latin1);
    }
};

} // namespace

void useRawTagStrings() {
    static const RawId3v1Strings id3v1Strings;
    TagLib::ID3v1::Tag::setStringHandler(&id3v1Strings);
}

QByteArray rawBytes(const TagLib::String& text) {
    const TagLib::ByteVector bytes = text.data(TagLib::String::Latin1);
    return QByteArray(bytes.data(), bytes.size());
}

QByteArray utf8Bytes(const TagLib::String& text) {
    const std::string utf8 = text.to8Bit(true);
    return QByteArray(utf8.data(), qsizetype(utf8.size()));
}

} // namespace lccd
