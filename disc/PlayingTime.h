#pragma once

#include <QString>

#include <optional>

// Playing times of songs: whole seconds, shown as minutes and seconds ("003:25").
namespace lccd {

class SongLengths;

// Minutes with at least three digits, a colon, seconds with two: 3725 gives "062:05".
QString FormatPlayingTime(int seconds);

// Minutes before the first colon and seconds after it, each a decimal integer (leading blanks
// and a sign allowed, nothing else); a part that is no integer counts as 0, and a text without a
// colon is 0 seconds.
int ParsePlayingTime(const QString& text);

struct PlayingTime {
    int seconds = 0;
    QString text;
    bool measured = true;   // false when the file's length could not be found
    bool estimated = false; // taken from the header of a song that could not be decoded
};

// Whether a file measured so is no song the program can read: its length cannot be found, or
// its decoder cannot open it and no header gives it any length (a text file named .wav, random
// bytes).
bool isUnreadableSong(const PlayingTime& time);

// The playing time of the song file at path, truncated to whole seconds; a file that cannot be
// measured gives 0 seconds ("000:00") and says so. Nothing when no file exists at path.
std::optional<PlayingTime> QueryPlayingTime(SongLengths& lengths, const QString& path);

} // namespace lccd
