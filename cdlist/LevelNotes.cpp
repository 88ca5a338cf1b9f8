#include "cdlist/LevelNotes.h"

#include <QCoreApplication>

#include <cmath>

namespace lccd {

TrackLevelling windowLevelling(const Leveller& leveller,
                               const std::function<void(const QString&)>& show) {
    if (leveller.settings.mode == LevelMode::Off)
        return {};
    Leveller shown = leveller;
    shown.progress = [show](int measured, int songs) {
        show(QStringLiteral("音量を測っています… %1 / %2 曲").arg(measured).arg(songs));
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    };
    return [shown](QList<TrackSource>& songs) { shown.level(songs); };
}

QString levelNote(const LoudnessCache& cache, const TrackSource& song) {
    const std::optional<TrackLoudness> measured = cache.find(song);
    if (!measured)
        return {};
    if (!std::isfinite(measured->loudness.integrated))
        return QStringLiteral("音量: 無音 (ゲインなし)");
    return QStringLiteral("音量 %1 LUFS・ピーク %2 dBTP → ゲイン %3 dB")
        .arg(measured->loudness.integrated, 0, 'f', 1)
        .arg(measured->loudness.truePeak, 0, 'f', 1)
        .arg((song.gainDb > 0 ? QStringLiteral("+") : QString()) +
             QString::number(song.gainDb, 'f', 1));
}

} // namespace lccd
