#pragma once

#include "platform/DiscBurner.h"

#include <QString>

#include <optional>

namespace lccd {

// What the user sees of a burn: the bar's percent and a line such as
// "トラック 2/3  45%  残り 1:23".
struct BurnProgressView {
    int percent = 0;
    QString text;
};

// Follows a burn's reports: the percent of the session's audio written, and the time left,
// estimated from the pace since the first audio sector went to the drive.
class BurnProgressMeter {
public:
    BurnProgressMeter(int trackCount, qint64 totalSectors, bool simulate)
        : trackCount_(trackCount), totalSectors_(totalSectors), simulate_(simulate) {}

    // The view of a report that arrived nowMs milliseconds after the burn began.
    BurnProgressView update(const BurnStatus& status, qint64 nowMs);

private:
    QString timeLeft(qint64 written, qint64 nowMs) const;

    int trackCount_;
    qint64 totalSectors_;
    bool simulate_;
    std::optional<qint64> writingSinceMs_;
    qint64 writtenAtStart_ = 0;
};

// The closing word on a burn that ended; nothing for one still running.
std::optional<QString> burnOutcomeText(const BurnStatus& status, bool simulate);

} // namespace lccd
