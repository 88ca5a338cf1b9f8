#include "platform/MediaLength.h"

#include "platform/Riff.h"

#include <QFile>

#include <taglib/fileref.h>
#include <taglib/mpegfile.h>
#include <taglib/wavfile.h>

namespace lccd {
namespace {

// Counted from the sample frames, so that a length is never rounded up to the next millisecond.
std::optional<qint64> wavLength(const QByteArray& fileName) {
    const TagLib::RIFF::WAV::File file(fileName.constData());
    const TagLib::RIFF::WAV::Properties* properties = file.audioProperties();
    if (!file.isValid() || properties == nullptr || properties->sampleRate() <= 0)
        return std::nullopt;
    return qint64(properties->sampleFrames()) * 1000 / properties->sampleRate();
}

std::optional<qint64> lengthOf(const TagLib::File* file) {
    if (file == nullptr || !file->isValid() || file->audioProperties() == nullptr)
        return std::nullopt;
    return file->audioProperties()->lengthInMilliseconds();
}

} // namespace

std::optional<qint64> mediaLengthMilliseconds(const QString& path) {
    const QByteArray fileName = QFile::encodeName(path);
    const QByteArray form = riffFormOf(path);
    if (form == "WAVE")
        return wavLength(fileName);
    if (form == "RMP3") {
        // The MPEG frames in the "data" chunk are found as in a plain MP3 file.
        const TagLib::MPEG::File file(fileName.constData());
        return lengthOf(&file);
    }
    const TagLib::FileRef file(fileName.constData());
    return lengthOf(file.file());
}

} // namespace lccd
