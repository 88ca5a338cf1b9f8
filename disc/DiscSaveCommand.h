#pragma once

#include "disc/CdOptions.h"
#include "disc/DiscInfo.h"
#include "disc/DiscLabelPlacement.h"
#include "disc/DiscNotes.h"
#include "disc/DiscSongTags.h"
#include "disc/LabelTemplate.h"
#include "platform/ProgramPaths.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace lccd {

class Mp3Infp;
class SaveQuestions;

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

// What a save came to.
struct DiscSaveOutcome {
    // The label layout's path, for the main window to open once the editor closes; nothing
    // when a check failed, the user stopped the save at a question or a save was running.
    std::optional<QString> labelPath;
    // What choosing the tracks noted on the way (discTracks), before the message.
    DiscNotes notes;
    // For the status panel: why a check failed, or the report of a finished save.
    QString message;
    // The message is not cleared after six seconds: unsplit mode left WAV files out.
    bool messageStays = false;
};

// Saves a disc as three files beside its songs, named by the folder and
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
// come from. A finished save says so in its message, with any song it could not tag, the songs
// that kept values the project differs in, and how the label product's paper was chosen; when
// unsplit mode left WAV files out, the report follows that message and stays with it. The
// questions are asked, and told of each song tried, through questions; tags go through tags.
class DiscSaveCommand {
public:
    DiscSaveCommand(Mp3Infp& tags, SaveQuestions& questions) : tags_(tags), questions_(questions) {}

    // Saves the disc and its rows, the rows as loaded given by loadedSongs; they are copies, so
    // the files describe the disc as it stood when the save began, even if a window changes it
    // while told of a song tried. Nothing is written when a check fails, when the user stops the
    // save at a question, or when a save is already running (a window may start one while told of a
    // song tried: it is ignored). A file that cannot be written stops the command with AppError,
    // whose message then names the files written before it (they stay) and those not written.
    DiscSaveOutcome run(DiscInfo disc, TrackRows tracks, LoadedSongs loadedSongs,
                        DiscSaveSettings& settings);

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

    // Writes the tags and the files; returns the report for the status panel.
    SaveReport writeFiles(const DiscInfo& disc, const TrackRows& tracks,
                          const DiscLabelSheet* labelSheet, const SongTagWork& tags,
                          DiscSaveSettings& settings, DiscNotes& notes);

    Mp3Infp& tags_;
    SaveQuestions& questions_;
    bool running_ = false;
    QStringList untaggedSongs_;
};

} // namespace lccd
