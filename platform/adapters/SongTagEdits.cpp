#include "platform/adapters/SongTagEdits.h"

#include "platform/adapters/TagLibText.h"

#include <array>
#include <utility>

#include <taglib/apetag.h>
#include <taglib/asftag.h>
#include <taglib/commentsframe.h>
#include <taglib/id3v2tag.h>
#include <taglib/mp4tag.h>
#include <taglib/textidentificationframe.h>

namespace lccd {
namespace {

// The names of the six fields in one kind of tag, in the order of kSongTagIds.
using FieldNames = std::array<const char*, 6>;

constexpr FieldNames kPropertyNames = {"TITLE", "ARTIST", "ALBUM", "COMMENT", "DATE", "GENRE"};
constexpr FieldNames kId3v2Frames = {"TIT2", "TPE1", "TALB", "COMM", "TDRC", "TCON"};
constexpr FieldNames kApeKeys = {"TITLE", "ARTIST", "ALBUM", "COMMENT", "YEAR", "GENRE"};
constexpr FieldNames kMp4Atoms = {"\251nam", "\251ART", "\251alb", "\251cmt", "\251day", "\251gen"};
// Title, author and description live in the ASF content description, set through its own calls;
// FFmpeg writes them as attributes of these names too, and reads those last.
constexpr FieldNames kAsfAttributes = {"Title",       "Author",  "WM/AlbumTitle",
                                       "Description", "WM/Year", "WM/Genre"};

TagLib::String text(const QByteArray& utf8) {
    return TagLib::String(utf8.toStdString(), TagLib::String::UTF8);
}

// Calls change with each changed field's name in names and its new text.
template <typename Change>
void forEachChange(const TagFields& changes, const FieldNames& names, Change change) {
    for (size_t i = 0; i < names.size(); ++i) {
        const auto found = changes.constFind(kSongTagIds[qsizetype(i)]);
        if (found != changes.cend())
            change(i, names[i], *found);
    }
}

TagLib::ID3v2::Frame* songComment(const TagLib::ID3v2::Tag& tag) {
    for (TagLib::ID3v2::Frame* frame : tag.frameList("COMM")) {
        const auto* comment = dynamic_cast<const TagLib::ID3v2::CommentsFrame*>(frame);
        if (comment != nullptr && comment->description().isEmpty())
            return frame;
    }
    return nullptr;
}

void setComment(TagLib::ID3v2::Tag& tag, const QByteArray& value) {
    TagLib::ByteVector language("XXX");
    if (TagLib::ID3v2::Frame* old = songComment(tag)) {
        language = static_cast<TagLib::ID3v2::CommentsFrame*>(old)->language();
        tag.removeFrame(old);
    }
    if (value.isEmpty())
        return;
    auto* comment = new TagLib::ID3v2::CommentsFrame(TagLib::String::UTF16);
    comment->setLanguage(language);
    comment->setText(text(value));
    tag.addFrame(comment);
}

} // namespace

void applyChanges(TagLib::ID3v2::Tag& tag, const TagFields& changes) {
    forEachChange(changes, kId3v2Frames, [&](size_t, const char* id, const QByteArray& value) {
        if (qstrcmp(id, "COMM") == 0) {
            setComment(tag, value);
            return;
        }
        tag.removeFrames(id);
        if (value.isEmpty())
            return;
        auto* frame = new TagLib::ID3v2::TextIdentificationFrame(id, TagLib::String::UTF16);
        frame->setText(text(value));
        tag.addFrame(frame);
    });
}

void applyChanges(TagLib::APE::Tag& tag, const TagFields& changes) {
    forEachChange(changes, kApeKeys, [&](size_t, const char* key, const QByteArray& value) {
        if (value.isEmpty())
            tag.removeItem(key);
        else
            tag.addValue(key, text(value), true);
    });
}

void applyChanges(TagLib::MP4::Tag& tag, const TagFields& changes) {
    forEachChange(changes, kMp4Atoms, [&](size_t, const char* atom, const QByteArray& value) {
        if (qstrcmp(atom, "\251gen") == 0)
            tag.removeItem("gnre"); // a genre by its ID3v1 number
        if (value.isEmpty())
            tag.removeItem(atom);
        else
            tag.setItem(atom, TagLib::StringList(text(value)));
    });
}

void applyChanges(TagLib::ASF::Tag& tag, const TagFields& changes) {
    forEachChange(changes, kAsfAttributes,
                  [&](size_t i, const char* name, const QByteArray& value) {
                      const TagLib::String changed = text(value);
                      if (i == 0)
                          tag.setTitle(changed);
                      else if (i == 1)
                          tag.setArtist(changed);
                      else if (i == 3)
                          tag.setComment(changed);
                      // Attribute names are compared without regard to case, as FFmpeg writes
                      // "title".
                      TagLib::StringList names;
                      for (const auto& [key, attributes] : tag.attributeListMap())
                          if (key.upper() == TagLib::String(name).upper())
                              names.append(key);
                      const bool inDescription = i == 0 || i == 1 || i == 3;
                      if (names.isEmpty() && !inDescription)
                          names.append(name);
                      for (const TagLib::String& key : names) {
                          if (value.isEmpty())
                              tag.removeItem(key);
                          else
                              tag.setAttribute(key, TagLib::ASF::Attribute(changed));
                      }
                  });
}

TagFields fieldsOf(const TagLib::PropertyMap& properties) {
    TagFields fields;
    for (size_t i = 0; i < kPropertyNames.size(); ++i) {
        const TagLib::StringList values = properties.value(kPropertyNames[i]);
        fields.insert(kSongTagIds[qsizetype(i)],
                      values.isEmpty() ? QByteArray() : utf8Bytes(values.front()));
    }
    return fields;
}

TagLib::PropertyMap withChanges(TagLib::PropertyMap properties, const TagFields& changes) {
    forEachChange(changes, kPropertyNames, [&](size_t, const char* name, const QByteArray& value) {
        if (value.isEmpty())
            properties.erase(name);
        else
            properties.replace(name, TagLib::StringList(text(value)));
    });
    return properties;
}

} // namespace lccd
