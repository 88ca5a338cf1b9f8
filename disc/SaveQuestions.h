#pragma once

#include <QString>

#include <optional>

namespace lccd {

// What a disc save asks before it writes and tells when it cannot go on, each worded by the
// save: the CD list answers with message boxes, the command line from its options.
class SaveQuestions {
public:
    virtual ~SaveQuestions() = default;

    // Names the files cannot hold have stopped the save.
    virtual void namesDoNotFit(const QString& message) = 0;
    // Whether values that would lose characters are written with "?".
    virtual bool writeLossyValues(const QString& question) = 0;
    // Whether the project's values replace the songs' own where they differ (true) or the songs
    // keep theirs (false); nothing stops the save.
    virtual std::optional<bool> takeProjectTags(const QString& question) = 0;
    // Whether the folder's WAV files are unsplit, when the first song's print check is off.
    virtual bool folderIsUnsplit(const QString& question) = 0;
    // Called after each song whose tags the save tried, so that a window can keep up.
    virtual void songTried() = 0;
};

} // namespace lccd
