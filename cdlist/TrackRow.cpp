#include "cdlist/TrackRow.h"

#include "common/MyCommonW.h"

namespace lccd {
namespace {

QString TrackRow::*memberOf(TrackColumn column) {
    switch (column) {
    case TrackColumn::Check:
        return &TrackRow::check;
    case TrackColumn::Time:
        return &TrackRow::time;
    case TrackColumn::Title:
        return &TrackRow::title;
    case TrackColumn::Performer:
        return &TrackRow::performer;
    case TrackColumn::Album:
        return &TrackRow::album;
    case TrackColumn::Year:
        return &TrackRow::year;
    case TrackColumn::Genre:
        return &TrackRow::genre;
    case TrackColumn::FileName:
        return &TrackRow::fileName;
    case TrackColumn::Number:
        break;
    }
    return nullptr;
}

} // namespace

QString TrackRow::field(TrackColumn column) const {
    QString TrackRow::*member = memberOf(column);
    return member != nullptr ? this->*member : QString();
}

void TrackRow::setField(TrackColumn column, const QString& text) {
    if (QString TrackRow::*member = memberOf(column))
        this->*member = text;
}

bool isTitleEmptyRaw(const QString& title) {
    return title.isEmpty();
}

bool isTitleEmptyTrimmed(const QString& title) {
    return TrimW(title).isEmpty();
}

QString trackNumberText(int row) {
    return QString::asprintf("  %.02d", row);
}

} // namespace lccd
