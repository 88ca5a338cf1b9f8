#include "disc/BurnProgress.h"

#include <QtGlobal>

namespace lccd {
namespace {

QString minutesAndSeconds(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

BurnProgressView BurnProgressMeter::update(const BurnStatus& status, qint64 nowMs) {
    const qint64 written = qBound(qint64(0), status.sectorsWritten, totalSectors_);
    BurnProgressView view;
    view.percent = totalSectors_ > 0 ? int(written * 100 / totalSectors_) : 0;
    switch (status.phase) {
    case BurnPhase::Starting:
        view.text = QStringLiteral("書き込みを始めています…");
        break;
    case BurnPhase::Writing:
        if (!writingSinceMs_ && written > 0) {
            writingSinceMs_ = nowMs;
            writtenAtStart_ = written;
        }
        view.text = QStringLiteral("トラック %1/%2  %3%  残り %4")
                        .arg(status.track)
                        .arg(trackCount_)
                        .arg(view.percent)
                        .arg(timeLeft(written, nowMs));
        break;
    case BurnPhase::Finishing:
        view.percent = 100;
        view.text = QStringLiteral("仕上げています…");
        break;
    case BurnPhase::Done:
    case BurnPhase::Failed:
    case BurnPhase::Cancelled:
        view.text = burnOutcomeText(status, simulate_).value_or(QString());
        break;
    }
    if (simulate_ && !burnOutcomeText(status, simulate_))
        view.text = QStringLiteral("テスト書き込み: ") + view.text;
    return view;
}

QString BurnProgressMeter::timeLeft(qint64 written, qint64 nowMs) const {
    const qint64 paced = written - writtenAtStart_;
    if (!writingSinceMs_ || paced <= 0 || nowMs <= *writingSinceMs_)
        return QStringLiteral("--:--");
    const qint64 remaining = totalSectors_ - written;
    return minutesAndSeconds((nowMs - *writingSinceMs_) * remaining / paced / 1000);
}

std::optional<QString> burnOutcomeText(const BurnStatus& status, bool simulate) {
    switch (status.phase) {
    case BurnPhase::Done:
        return simulate ? QStringLiteral("テスト書き込みが終わりました (CDには何も書いていません)")
                        : QStringLiteral("CDへの書き込みが終わりました");
    case BurnPhase::Failed:
        return QStringLiteral("CDへの書き込みに失敗しました: ") + status.message;
    case BurnPhase::Cancelled:
        return QStringLiteral("CDへの書き込みを中止しました");
    default:
        return std::nullopt;
    }
}

} // namespace lccd
