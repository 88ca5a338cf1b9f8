#pragma once

#include "cdlist/StatusPanel.h"
#include "cdlist/TrackTableModel.h"
#include "common/ColorText.h"
#include "disc/Disc.h"
#include "disc/SongLengths.h"
#include "platform/Services.h"

#include <QObject>

namespace lccd {

// The CD list editor without its window: the disc it shows (its rows seen by the grid through
// the model), the status panel and the displays that follow the list (totals label, time label,
// position box). The window binds its controls to these and forwards the grid's selection and mouse
// presses.
class CdListPresenter : public QObject {
    Q_OBJECT

public:
    // A disc holds 70 minutes; a longer total turns the totals label red.
    static constexpr int kDiscSeconds = 4200;
    static constexpr ColorValue kTotalsNormalColor = systemColor(1); // the desktop background
    static constexpr ColorValue kTotalsOverColor = 0x000000FF;       // red

    // Songs are read with these tags, measured with these lengths and this decoder.
    explicit CdListPresenter(const SongServices& songs, QObject* parent = nullptr);

    Mp3Infp& tagLibrary() { return songs_.tags; }
    AudioDecoder& decoder() { return songs_.decoder; }
    CoverPictures& coverPictures() { return songs_.covers; }

    TrackTableModel& tracks() { return tracks_; }
    const TrackTableModel& tracks() const { return tracks_; }
    DiscInfo& disc() { return disc_.info; }
    const DiscInfo& disc() const { return disc_.info; }
    StatusPanel& status() { return status_; }
    SongLengths& songLengths() { return songLengths_; }
    // What the loads read songs with.
    SongReaders songReaders() { return {songs_.tags, songLengths_, songs_.decoder}; }

    // The disc the editor shows; takeDisc shows another. takeNewDisc also forgets what belonged
    // to the songs shown before: the rows' level notes and the position box.
    const Disc& currentDisc() const { return disc_; }
    void takeDisc(const Disc& disc);
    void takeNewDisc(const Disc& disc);

    const QString& totalsText() const { return totalsText_; }
    ColorValue totalsColor() const { return totalsColor_; }
    const QString& timeLabelText() const { return timeLabelText_; }
    const QString& positionText() const { return positionText_; }

    // Counts the songs and sums their playing times (discTotal); a decoded length is measured
    // again only when its file changed. Shows the totals in the totals label and as a status
    // message; returns the count.
    int RecountTracks();

    // Takes the disc emptied (Disc::clear) as a new disc; the totals and time labels keep their
    // texts.
    void ClearCdList();

    const LoadedSongs& loadedSongs() const { return disc_.loadedSongs; }

    void ShowStatusMessage(const QString& message) { status_.ShowStatusMessage(message); }

    // The grid's selection moved to the song row songNumber: position box and time label, once
    // the list has songs.
    void showSelection(int songNumber);

    // A mouse press in the grid at x pixels from its left edge, with the song row songNumber
    // selected and the first two columns numberWidth and checkWidth wide: a press on the check
    // column toggles the print check of a song row whose file is a readable song.
    void pressInGrid(int songNumber, int x, int numberWidth, int checkWidth);

    // The totals label after a folder was loaded: the summed playing time of all files found.
    void showLoadTotal(int seconds);

    // The position box: "songNumber / count".
    void showPosition(int songNumber, int count);

    // The time label: the playing time of the song row as stored.
    void showPlayingTime(int songNumber);

signals:
    void totalsChanged();
    void timeLabelChanged();
    void positionChanged();
    void discChanged();

private:
    void setTotals(const QString& text, qint64 seconds);
    void setPositionText(const QString& text);

    Disc disc_;
    TrackTableModel tracks_{disc_.tracks}; // the grid's view of the disc's rows
    StatusPanel status_;
    SongServices songs_;
    SongLengths songLengths_;
    QString totalsText_ = QStringLiteral("曲数= 00 総時間=0時間 00分 00秒");
    ColorValue totalsColor_ = kTotalsNormalColor;
    QString timeLabelText_ = QStringLiteral("演奏時間=00:00");
    QString positionText_;
};

} // namespace lccd
