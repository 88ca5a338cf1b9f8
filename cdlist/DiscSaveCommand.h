#pragma once

#include "cdlist/CdOptions.h"
#include "cdlist/DiscLabelPlacement.h"
#include "cdlist/DiscSongTags.h"
#include "platform/ProgramPaths.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lccd {

class CdListPresenter;

// The settings the save command works with; the main window keeps them between runs.
struct DiscSaveSettings {
    CdOptions cd;
    // Where a song's tag differs from the value its loaded project gives (the song was tagged
    // after the project was written): ask, keep the song's value or write the project's.
    ProjectTagChoice projectTags = ProjectTagChoice::Ask;
    ProgramPaths programPaths;
    // Write values with characters the files cannot hold as "?" without asking first.
    bool writeLossy = false;
    // Finds the label product the options name.
    DiscLabelSheetSource labelSheets;
};

// Saves the disc held by the editor as three files beside its songs, named by the folder and
// the album title as typed: the project (".txt"), the CUE sheet (".cue") and the label layout
// (".csv"), each replaced whole or not at all; when asked, a fourth, the CD-TEXT (".cdt") of
// the tracks the CUE sheet lists. A row whose file is no readable song stays in the project but
// is left out of the other files and of the tags. Before anything is written, song file names (and
// the folder) that code page 932 cannot hold stop the save, and other values that would lose
// characters are written as "?" only when the user agrees. Tags are written on the way when
// asked for: what the user edited since the load, and what a loaded project knows about songs
// that lack it (planSongTags); songs whose values are unchanged stay untouched. Without unsplit
// mode a first song with its print check off raises the question whether the folder's WAV files
// are unsplit. A label product that cannot be found stops the save before it writes, like the
// checks, and so does a CUE sheet that would replace the sheet of the album image the songs
// come from. A finished save says so on the status panel, with any song it could not tag, the songs
// that kept values the project differs in, and how the label product's paper was chosen; when
// unsplit mode left WAV files out, the report follows that message and stays with it.
class DiscSaveCommand {
public:
    explicit DiscSaveCommand(CdListPresenter& editor) : editor_(editor) {}

    // Returns the label layout's path, for the main window to open once the editor closes.
    // Returns nothing when a check fails (its message goes to the status panel and nothing is
    // written), when the user stops the save at a question, or when a save is already running:
    // the waits after each tag write let window events through, and a save started from one of
    // them is ignored. A file that cannot be written stops the command with AppError, whose
    // message then names the files written before it (they stay) and those not written.
    std::optional<QString> run(DiscSaveSettings& settings);

    // The songs (paths) whose tags the last save that wrote its files could not write.
    const QStringList& untaggedSongs() const { return untaggedSongs_; }

private:
    struct SongTagWork {
        QList<SongTagUpdate> updates;
        bool takeProject = false;
    };

    // What the status panel says at the end of a save.
    struct SaveReport {
        QStringList lines;
        bool stays = false; // not cleared after six seconds: unsplit mode left WAV files out
    };

    bool checksPass();
    // Writes the tags and the files; returns the report for the status panel.
    SaveReport writeFiles(const DiscInfo& disc, const TrackRows& tracks,
                          const DiscLabelSheet* labelSheet, const SongTagWork& tags,
                          DiscSaveSettings& settings);

    CdListPresenter& editor_;
    bool running_ = false;
    QStringList untaggedSongs_;
};

} // namespace lccd
