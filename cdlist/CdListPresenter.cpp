#include "cdlist/CdListPresenter.h"

#include "disc/PlayingTime.h"

namespace lccd {

CdListPresenter::CdListPresenter(const SongServices& songs, QObject* parent)
    : QObject(parent), songs_(songs), songLengths_(songs.lengths, songs.decoder) {}

void CdListPresenter::takeDisc(const Disc& disc) {
    disc_.info = disc.info;
    disc_.loadedSongs = disc.loadedSongs;
    tracks_.setRows(disc.tracks);
    emit discChanged();
}

int CdListPresenter::RecountTracks() {
    const DiscTotal total = discTotal(disc_, songLengths_);
    const QString text = discTotalText(total);
    setTotals(text, total.seconds);
    ShowStatusMessage(text);
    return total.songs;
}

void CdListPresenter::ClearCdList() {
    Disc cleared = disc_;
    cleared.clear();
    takeNewDisc(cleared);
}

void CdListPresenter::takeNewDisc(const Disc& disc) {
    tracks_.clearTracks(); // and the level notes, which told of songs no longer listed
    takeDisc(disc);
    setPositionText(QString());
}

void CdListPresenter::showSelection(int songNumber) {
    if (isTitleEmptyTrimmed(tracks_.track(1).title) || songNumber < 1 ||
        songNumber > kTrackRowCount)
        return;
    showPosition(songNumber, RecountTracks());
    showPlayingTime(songNumber);
}

void CdListPresenter::pressInGrid(int songNumber, int x, int numberWidth, int checkWidth) {
    status_.setText(
        QStringLiteral("R=%1 X=%2 %3 %4").arg(songNumber).arg(x).arg(numberWidth).arg(checkWidth));
    const bool onCheck = numberWidth <= x && x <= numberWidth + checkWidth;
    // A file that is no readable song cannot go on the label: its check stays off.
    if (!onCheck || songNumber < 1 || songNumber > kTrackRowCount ||
        isTitleEmptyRaw(tracks_.track(songNumber).title) ||
        !tracks_.track(songNumber).unreadable.isEmpty())
        return;
    const bool wasOn = tracks_.track(songNumber).isChecked();
    tracks_.setField(songNumber, TrackColumn::Check,
                     wasOn ? QStringLiteral("0") : QStringLiteral("1"));
    status_.setText(QStringLiteral("チェックがないとCDラベルにこの曲名を印刷しません"));
}

void CdListPresenter::showLoadTotal(int seconds) {
    setTotals(QStringLiteral("合計演奏時間=") + FormatPlayingTime(seconds), seconds);
}

void CdListPresenter::showPosition(int songNumber, int count) {
    setPositionText(QStringLiteral("%1 / %2").arg(songNumber).arg(count));
}

void CdListPresenter::showPlayingTime(int songNumber) {
    timeLabelText_ = QStringLiteral("演奏時間=") + tracks_.track(songNumber).time;
    emit timeLabelChanged();
}

void CdListPresenter::setTotals(const QString& text, qint64 seconds) {
    totalsText_ = text;
    totalsColor_ = seconds > kDiscSeconds ? kTotalsOverColor : kTotalsNormalColor;
    emit totalsChanged();
}

void CdListPresenter::setPositionText(const QString& text) {
    positionText_ = text;
    emit positionChanged();
}

} // namespace lccd
