#include "cdlist/CdListPresenter.h"

#include "disc/DiscPaths.h"
#include "disc/PlayingTime.h"

namespace lccd {

CdListPresenter::CdListPresenter(const SongServices& songs, QObject* parent)
    : QObject(parent), songs_(songs), songLengths_(songs.lengths, songs.decoder) {}

QString CdListPresenter::songFileOf(const TrackRow& track) const {
    const QString& folder = disc_.folderPath;
    return existingFileInFolder(folder, lastPathComponent(track.fileName))
        .value_or(pathInFolder(folder, track.title));
}

int CdListPresenter::RecountTracks() {
    int count = 0;
    qint64 total = 0;
    while (count < kTrackRowCount && !isTitleEmptyRaw(tracks_.track(count + 1).title)) {
        const TrackRow& track = tracks_.track(count + 1);
        const std::optional<PlayingTime> measured =
            QueryPlayingTime(songLengths_, songFileOf(track));
        total += measured ? measured->seconds : ParsePlayingTime(track.time);
        ++count;
    }
    const QString text = QStringLiteral("曲数= %1 総時間=%2時間 %3分 %4秒")
                             .arg(count)
                             .arg(total / 3600)
                             .arg(total % 3600 / 60)
                             .arg(total % 60);
    setTotals(text, total);
    ShowStatusMessage(text);
    return count;
}

void CdListPresenter::ClearCdList() {
    disc_.jacketBoxText.clear();
    for (QString* field : {&disc_.albumTitle, &disc_.discPerformer, &disc_.subtitle1,
                           &disc_.subtitle2, &disc_.discId, &disc_.catalog, &disc_.releaseYear})
        field->clear();
    disc_.selectGenreEntry();
    disc_.spellings.clear();
    emit discChanged();
    setPositionText(QString());
    tracks_.clearTracks();
    loadedSongs_.clear();
}

void CdListPresenter::rememberLoadedSongs(bool fromProject) {
    loadedSongs_.clear();
    rememberAddedSongs(1, fromProject);
}

void CdListPresenter::rememberAddedSongs(int firstRow, bool fromProject) {
    for (int songNumber = firstRow; songNumber <= kTrackRowCount; ++songNumber)
        if (const TrackRow& row = tracks_.track(songNumber); !row.fileName.isEmpty())
            loadedSongs_.insert(row.fileName, {row, fromProject});
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
