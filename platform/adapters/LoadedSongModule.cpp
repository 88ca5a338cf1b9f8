#include "platform/adapters/LoadedSongModule.h"

#include "platform/AppError.h"
#include "platform/adapters/ProgramModule.h"
#include "platform/adapters/SongModule.h"

namespace lccd {

const SongModuleServices& LoadedSongModule::loaded() {
    // A failed load throws out of call_once, so that the next use tries again.
    std::call_once(loading_, [this] {
        QString reason;
        using Entry = const SongModuleServices* (*)();
        if (const auto entry = reinterpret_cast<Entry>(resolveProgramModule(
                QStringLiteral("lccdtool-songs.so"), "lccdSongModuleServices", reason))) {
            services_ = entry();
            return;
        }
        throw AppError(
            QStringLiteral("曲ファイルと CD ドライブのライブラリを読み込めません: %1").arg(reason));
    });
    return *services_;
}

quint32 LoadedSongModule::GetVer() {
    return loaded().songs.tags.GetVer();
}
int LoadedSongModule::Load(const QString& path) {
    return loaded().songs.tags.Load(path);
}
int LoadedSongModule::GetType() {
    return loaded().songs.tags.GetType();
}
quint32 LoadedSongModule::mp3_GetTagType() {
    return loaded().songs.tags.mp3_GetTagType();
}
QByteArray LoadedSongModule::GetValue(const QByteArray& name) {
    return loaded().songs.tags.GetValue(name);
}
TagEncoding LoadedSongModule::writeEncoding() {
    return loaded().songs.tags.writeEncoding();
}
int LoadedSongModule::SetValue(const QByteArray& name, const QByteArray& value) {
    return loaded().songs.tags.SetValue(name, value);
}
int LoadedSongModule::Save(const QString& path) {
    return loaded().songs.tags.Save(path);
}
int LoadedSongModule::makeId3v2(const QString& path) {
    return loaded().songs.tags.makeId3v2(path);
}

std::optional<qint64> LoadedSongModule::milliseconds(const QString& path) {
    return loaded().songs.lengths.milliseconds(path);
}

std::unique_ptr<AudioStream> LoadedSongModule::open(const QString& path) {
    return loaded().songs.decoder.open(path);
}

QByteArray LoadedSongModule::frontCover(const QString& path) {
    return loaded().songs.covers.frontCover(path);
}

std::unique_ptr<LoudnessMeasurement> LoadedSongModule::startCdAudio() {
    return loaded().songs.loudness.startCdAudio();
}

QList<BurnDrive> LoadedSongModule::drives() {
    return loaded().burner.drives();
}
BurnMedium LoadedSongModule::inspect(const QString& address) {
    return loaded().burner.inspect(address);
}
std::unique_ptr<BurnJob> LoadedSongModule::start(const QString& address, BurnSession session,
                                                 const BurnOptions& options) {
    return loaded().burner.start(address, std::move(session), options);
}

} // namespace lccd
