#include "platform/adapters/Id3v1Patch.h"

#include "platform/CodePage.h"
#include "platform/StoredTextEncoding.h"

#include <taglib/id3v1genres.h>

namespace lccd {
namespace {

struct Field {
    const char* id;
    int offset;
    int size;
};

// The comment is 28 bytes in ID3v1.1, whose byte 125 is then 0 and 126 the track number.
const Field kTextFields[] = {
    {"INAM", 3, 30}, {"IART", 33, 30}, {"IPRD", 63, 30}, {"ICRD", 93, 4}, {"ICMT", 97, 30}};
constexpr int kGenreOffset = 127;

QString storedText(const QByteArray& tag, const Field& field) {
    QByteArray bytes = tag.mid(field.offset, field.size);
    bytes.truncate(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    while (bytes.endsWith(' '))
        bytes.chop(1);
    return readsAsUtf8(bytes) ? QString::fromUtf8(bytes) : fromSjis(bytes);
}

} // namespace

QByteArray id3v1WithChanges(const QByteArray& tag, const TagFields& changes) {
    QByteArray patched = tag;
    const bool hasTrack = tag[125] == '\0' && tag[126] != '\0';
    for (Field field : kTextFields) {
        const auto change = changes.constFind(field.id);
        if (change == changes.cend())
            continue;
        if (qstrcmp(field.id, "ICMT") == 0 && hasTrack)
            field.size = 28;
        const QString text = QString::fromUtf8(*change);
        if (text == storedText(tag, field))
            continue;
        const QByteArray bytes =
            toSjis(cutToSjisBytes(text, field.size)).leftJustified(field.size, '\0', true);
        patched.replace(field.offset, field.size, bytes);
    }
    const auto genre = changes.constFind("IGNR");
    if (genre != changes.cend()) {
        const TagLib::String name(genre->toStdString(), TagLib::String::UTF8);
        if (name != TagLib::ID3v1::genre(uchar(tag[kGenreOffset])))
            patched[kGenreOffset] = char(TagLib::ID3v1::genreIndex(name));
    }
    return patched;
}

} // namespace lccd
