#pragma once

#include "cdlist/StatusPanel.h"
#include "cdlist/TrackTableModel.h"
#include "common/ColorText.h"
#include "disc/DiscInfo.h"
#include "disc/LoadedSongs.h"
#include "disc/SongLengths.h"
#include "platform/Services.h"

#include <QObject>

namespace lccd {

// The CD list editor without its window: the song rows, the disc fields, the status panel and
// the displays that follow the list (totals label, time label, position box). The window binds
// its controls to these and forwards the grid's selection and mouse presses.
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
    DiscInfo& disc() { return disc_; }
    const DiscInfo& disc() const { return disc_; }
    StatusPanel& status() { return status_; }
    SongLengths& songLengths() { return songLengths_; }

    const QString& totalsText() const { return totalsText_; }
    ColorValue totalsColor() const { return totalsColor_; }
    const QString& timeLabelText() const { return timeLabelText_; }
    const QString& positionText() const { return positionText_; }

    // Counts the songs (the rows above the first title of zero length) and sums their playing
    // times, measuring each song's file (the time column counts for a missing file); a decoded
    // length is measured again only when its file changed.
    // Shows the totals in the totals label and as a status message; returns the count.
    int RecountTracks();

    // Empties the disc fields and every row and forgets the loaded songs. The folder and jacket
    // paths and the genre text stay (the jacket box shows nothing); the totals and time labels
    // keep their texts.
    void ClearCdList();

    // Remembers every song row that names a file as it stands now, at the end of a load: its
    // values were read from the folder's project file, or from the songs' own tags.
    void rememberLoadedSongs(bool fromProject);
    // The same for the rows from firstRow on, added from their songs' files; the songs
    // remembered before stay.
    void rememberAddedSongs(int firstRow, bool fromProject = false);
    const LoadedSongs& loadedSongs() const { return loadedSongs_; }

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
    // The file whose playing time counts for the row.
    QString songFileOf(const TrackRow& track) const;

    TrackTableModel tracks_;
    DiscInfo disc_;
    LoadedSongs loadedSongs_;
    StatusPanel status_;
    SongServices songs_;
    SongLengths songLengths_;
    QString totalsText_ = QStringLiteral("曲数= 00 総時間=0時間 00分 00秒");
    ColorValue totalsColor_ = kTotalsNormalColor;
    QString timeLabelText_ = QStringLiteral("演奏時間=00:00");
    QString positionText_;
};

} // namespace lccd
