#include "cdlist/EditorCommands.h"

#include "common/FileHelpers.h"
#include "common/Numbers.h"
#include "disc/DiscPaths.h"
#include "disc/PlayingTime.h"
#include "disc/TrackTags.h"
#include "platform/BlankTrim.h"
#include "platform/Messages.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

namespace lccd {
namespace {

bool titled(const TrackTableModel& tracks, int songNumber) {
    return songNumber >= 1 && songNumber <= kTrackRowCount &&
           !isTitleEmptyTrimmed(tracks.field(songNumber, TrackColumn::Title));
}

int swapWith(TrackTableModel& tracks, int songNumber, int other) {
    if (!titled(tracks, songNumber) || !titled(tracks, other))
        return songNumber;
    const TrackRow song = tracks.track(songNumber);
    tracks.setTrack(songNumber, tracks.track(other));
    tracks.setTrack(other, song);
    return other;
}

void applyIfFilled(TrackTableModel& tracks, int songNumber, TrackColumn column,
                   const QString& box) {
    if (!trimBlanks(box).isEmpty())
        tracks.setField(songNumber, column, box);
}

QString twoDigits(int value) {
    return QString::asprintf("%.02d", value);
}

} // namespace

int moveTrackUp(TrackTableModel& tracks, int songNumber) {
    return songNumber <= 1 ? songNumber : swapWith(tracks, songNumber, songNumber - 1);
}

int moveTrackDown(TrackTableModel& tracks, int songNumber) {
    return songNumber >= kTrackRowCount ? songNumber : swapWith(tracks, songNumber, songNumber + 1);
}

int moveTrackTo(TrackTableModel& tracks, int fromSongNumber, int songNumber) {
    int at = fromSongNumber;
    for (;;) {
        const int next = at < songNumber   ? moveTrackDown(tracks, at)
                         : at > songNumber ? moveTrackUp(tracks, at)
                                           : at;
        if (next == at)
            return at;
        at = next;
    }
}

void applyDiscFieldsToSongs(TrackTableModel& tracks, const DiscInfo& disc) {
    for (int songNumber = 1; titled(tracks, songNumber); ++songNumber) {
        applyIfFilled(tracks, songNumber, TrackColumn::Performer, disc.discPerformer);
        applyIfFilled(tracks, songNumber, TrackColumn::Album, disc.albumTitle);
        applyIfFilled(tracks, songNumber, TrackColumn::Genre, disc.genre);
        applyIfFilled(tracks, songNumber, TrackColumn::Year, disc.releaseYear);
    }
}

bool canEditSong(const TrackTableModel& tracks, int songNumber) {
    return songNumber >= 1 && songNumber <= kTrackRowCount &&
           (songNumber == 1 || titled(tracks, songNumber - 1));
}

SongEdit songEditFor(const CdListPresenter& editor, int songNumber) {
    const TrackRow& track = editor.tracks().track(songNumber);
    SongEdit edit;
    edit.title = track.title;
    edit.performer = track.performer;
    edit.album = track.album;
    edit.year = track.year;
    edit.genre = track.genre;
    edit.comment = lastPathComponent(editor.disc().jacketPath);
    if (const qsizetype colon = track.time.indexOf(QLatin1Char(':')); colon >= 0) {
        edit.second = track.time.mid(colon + 1, 2);
        const int minutes = StrToIntLoose(track.time.left(colon));
        edit.minute = twoDigits(minutes % 60);
        if (minutes >= 60)
            edit.hour = twoDigits(minutes / 60);
    }
    return edit;
}

bool applySongEdit(CdListPresenter& editor, int songNumber, const SongEdit& edit, bool unsplit) {
    TrackRow track = editor.tracks().track(songNumber);
    track.title = edit.title;
    track.album = edit.album;
    track.performer = edit.performer;
    track.year = edit.year;
    track.genre = edit.genre;
    if (unsplit || trimBlanks(track.time).isEmpty()) {
        const qint64 seconds = qint64(StrToIntLoose(edit.hour)) * 3600 +
                               qint64(StrToIntLoose(edit.minute)) * 60 + StrToIntLoose(edit.second);
        track.time = FormatPlayingTime(int(std::clamp<qint64>(seconds, 0, INT_MAX)));
    }
    const QString& folder = editor.disc().folderPath;
    std::optional<QString> file;
    if (!track.fileName.isEmpty())
        file = existingFileInFolder(folder, track.fileName)
                   .value_or(songFilePath(folder, track.fileName));
    const bool hasSong = file && QFileInfo(*file).isFile();
    const TrackTags tags{edit.title, edit.performer, edit.album,
                         edit.year,  edit.genre,     edit.comment};
    if (hasSong) {
        const TagWritePlan plan = planTrackTags(editor.tagLibrary(), *file, tags, true);
        if (plan.blocker == TagWriteResult::Written && !plan.lostCharacters.isEmpty() &&
            !AskOkCancel(QStringLiteral("この曲のタグは Shift-JIS で書かれているため、次の文字は"
                                        "「?」になります: %1\n書き込みますか。")
                             .arg(plan.lostCharacters),
                         QStringLiteral("確認")))
            return false;
    }
    editor.tracks().setTrack(songNumber, track);
    if (hasSong) {
        const TagWriteResult result = WriteTrackTags(editor.tagLibrary(), *file, tags, true);
        if (const QString problem = tagWriteProblem(*file, result); !problem.isEmpty())
            editor.ShowStatusMessage(problem);
    }
    return true;
}

std::optional<QList<WavCheckLine>> wavCheckLines(SongLengths& lengths, const QString& folder) {
    QStringList files;
    FindFiles(files, folder, QStringLiteral(".wav"), false, true, FileAttr::Any);
    if (files.isEmpty())
        return std::nullopt;
    QList<WavCheckLine> lines(4);
    for (int k = 0; k < 4 && k < files.size(); ++k) {
        lines[k].fileName = lastPathComponent(files[k]);
        const std::optional<PlayingTime> time = QueryPlayingTime(lengths, files[k]);
        lines[k].time = time ? time->text : QString();
    }
    return lines;
}

} // namespace lccd
