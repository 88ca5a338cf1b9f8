#include "disc/PlayingTime.h"

#include "common/Numbers.h"
#include "disc/SongLengths.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>
#include <limits>

namespace lccd {

QString FormatPlayingTime(int seconds) {
    return QString::asprintf("%03d:%.02d", seconds / 60, seconds % 60);
}

int ParsePlayingTime(const QString& text) {
    const qsizetype colon = text.indexOf(QLatin1Char(':'));
    if (colon < 0)
        return 0;
    const int minutes = parseDecimalField(QStringView(text).left(colon)).value_or(0);
    const int seconds = parseDecimalField(QStringView(text).mid(colon + 1)).value_or(0);
    // A hand-typed time may be absurdly large; it saturates instead of overflowing.
    const qint64 total = qint64(minutes) * 60 + seconds;
    return int(std::clamp<qint64>(total, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

bool isUnreadableSong(const PlayingTime& time) {
    return !time.measured || (time.estimated && time.seconds == 0);
}

std::optional<PlayingTime> QueryPlayingTime(SongLengths& lengths, const QString& path) {
    if (!QFileInfo(path).isFile())
        return std::nullopt;
    const std::optional<SongLength> length = lengths.measure(path);
    const qint64 milliseconds = length ? length->milliseconds : 0;
    const int seconds = int(std::clamp<qint64>(milliseconds / 1000, 0, INT_MAX));
    return PlayingTime{seconds, FormatPlayingTime(seconds), length.has_value(),
                       length && length->estimated};
}

} // namespace lccd
