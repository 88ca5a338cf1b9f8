#include "disc/TrackRow.h"

#include "platform/BlankTrim.h"

namespace lccd {
namespace {

// The member behind each column; the row number column has none.
const std::array<QString TrackRow::*, kTrackColumnCount> kMembers = {
    nullptr,          &TrackRow::check, &TrackRow::time,  &TrackRow::title,   &TrackRow::performer,
    &TrackRow::album, &TrackRow::year,  &TrackRow::genre, &TrackRow::fileName};

} // namespace

QString TrackRow::field(TrackColumn column) const {
    QString TrackRow::*member = kMembers.at(size_t(column));
    return member != nullptr ? this->*member : QString();
}

void TrackRow::setField(TrackColumn column, const QString& text) {
    if (QString TrackRow::*member = kMembers.at(size_t(column)))
        this->*member = text;
}

bool isTitleEmptyRaw(const QString& title) {
    return title.isEmpty();
}

bool isTitleEmptyTrimmed(const QString& title) {
    return trimBlanks(title).isEmpty();
}

QString trackNumberText(int songNumber) {
    return QString::asprintf("  %.02d", songNumber);
}

void markUnreadableSong(TrackRow& row, const QString& reason) {
    row.check = QStringLiteral("0");
    row.time = QStringLiteral("--:--");
    row.unreadable = reason;
}

TrackRows discRowsOf(const TrackRows& rows) {
    TrackRows disc;
    auto next = disc.begin();
    for (const TrackRow& row : rows)
        if (row.unreadable.isEmpty())
            *next++ = row;
    return disc;
}

} // namespace lccd
