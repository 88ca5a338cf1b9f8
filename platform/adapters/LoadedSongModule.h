#pragma once

#include "platform/Services.h"

#include <mutex>

namespace lccd {

struct SongModuleServices;

// The song module's services, loaded on the first use of any of them (where ProgramModule.h
// looks). A module that cannot be loaded throws AppError.
class LoadedSongModule final : public Mp3Infp,
                               public MediaLengths,
                               public AudioDecoder,
                               public CoverPictures,
                               public LoudnessMeter,
                               public DiscBurner {
public:
    SongServices songs() { return {*this, *this, *this, *this, *this}; }
    DiscBurner& burner() { return *this; }

    quint32 GetVer() override;
    int Load(const QString& path) override;
    int GetType() override;
    quint32 mp3_GetTagType() override;
    QByteArray GetValue(const QByteArray& name) override;
    TagEncoding writeEncoding() override;
    int SetValue(const QByteArray& name, const QByteArray& value) override;
    int Save(const QString& path) override;
    int makeId3v2(const QString& path) override;

    std::optional<qint64> milliseconds(const QString& path) override;

    std::unique_ptr<AudioStream> open(const QString& path) override;

    QByteArray frontCover(const QString& path) override;
    std::unique_ptr<LoudnessMeasurement> startCdAudio() override;

    QList<BurnDrive> drives() override;
    BurnMedium inspect(const QString& address) override;
    std::unique_ptr<BurnJob> start(const QString& address, BurnSession session,
                                   const BurnOptions& options) override;

private:
    const SongModuleServices& loaded();

    std::once_flag loading_; // songs are measured on several threads
    const SongModuleServices* services_ = nullptr;
};

} // namespace lccd
