#include "platform/InfoTagFile.h"

#include "platform/FileReplace.h"
#include "platform/TagLibText.h"

#include <QFile>

#include <taglib/infotag.h>
#include <taglib/wavfile.h>

namespace lccd {
namespace {

TagLib::ByteVector tagId(const QByteArray& id) {
    return TagLib::ByteVector(id.constData(), uint(id.size()));
}

// The copy is edited in place by TagLib and closed before it replaces the song.
bool writeInfoFields(const QString& copy, const TagFields& changes) {
    TagLib::RIFF::WAV::File file(QFile::encodeName(copy).constData(), false);
    if (!file.isValid())
        return false;
    for (auto change = changes.begin(); change != changes.end(); ++change)
        file.InfoTag()->setFieldText(tagId(change.key()), fromRawBytes(change.value()));
    return file.save(TagLib::RIFF::WAV::File::Info, TagLib::File::StripNone);
}

// Whether the copy reads back with the changes. TagLib saves into a file whose chunk sizes lie
// (one reaching past the end of the file) without complaint, but where no reader finds the
// values again: such a save must fail rather than replace the song.
bool holdsChanges(const QString& copy, const TagFields& changes) {
    const std::optional<TagFields> stored = readInfoFields(copy);
    if (!stored)
        return false;
    for (auto change = changes.begin(); change != changes.end(); ++change)
        if (stored->value(change.key()) != change.value())
            return false;
    return true;
}

} // namespace

std::optional<TagFields> readInfoFields(const QString& path) {
    useRawTagStrings();
    const TagLib::RIFF::WAV::File file(QFile::encodeName(path).constData(), false);
    if (!file.isValid())
        return std::nullopt;
    TagFields fields;
    for (const QByteArray& id : kSongTagIds)
        fields.insert(id, rawBytes(file.InfoTag()->fieldText(tagId(id))));
    return fields;
}

bool saveInfoFields(const QString& path, const TagFields& changes) {
    useRawTagStrings();
    return replaceFile(path, [&](QFile& replacement) {
        QFile song(path);
        return song.open(QIODevice::ReadOnly) && copyRange(song, 0, song.size(), replacement) &&
               replacement.flush() && writeInfoFields(replacement.fileName(), changes) &&
               holdsChanges(replacement.fileName(), changes);
    });
}

} // namespace lccd
