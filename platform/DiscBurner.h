#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// Writing an audio CD: the drives of the system, the disc in a drive, and a burn that runs on
// its own while the caller asks how far it got.
namespace lccd {

// The audio of one track, pulled front to back by the thread that writes; its size is known
// before the first byte. Reads may throw AppError when the audio cannot be made.
class BurnTrackSource {
public:
    virtual ~BurnTrackSource() = default;
    virtual qint64 byteCount() const = 0;
    // Copies up to maxBytes of the next audio to data; fewer only at the end.
    virtual qint64 read(char* data, qint64 maxBytes) = 0;
};

struct BurnTrack {
    std::unique_ptr<BurnTrackSource> audio;
    // Sectors of silence before the track; the first track always has at least 150.
    int pregapSectors = 0;
};

// One session written at once: the tracks in order, the media catalog number (13 ASCII digits,
// or empty for none) and the CD-TEXT packs for the lead-in (18 bytes each, or empty for none).
struct BurnSession {
    std::vector<BurnTrack> tracks;
    QByteArray mediaCatalog;
    QByteArray cdTextPacks;
};

struct BurnOptions {
    int speedKBps = 0; // 1000 bytes a second; 0 for the drive's fastest
    bool simulate = false;
    bool eject = false;
    // While the disc is written, a signal that ends the program (Ctrl+C) first stops the drive
    // and releases it: for a program run in a terminal.
    bool stopOnSignals = false;
};

struct BurnDrive {
    QString address; // the device file, such as /dev/sr0
    QString vendor;
    QString model;
};

enum class MediumState {
    NoDisc,
    Blank,    // a blank CD-R or CD-RW
    Written,  // a CD with a closed or open session on it
    Unusable, // a disc that cannot take an audio CD (a DVD, a pressed CD)
    NotReady, // the drive has not settled yet
};

struct BurnMedium {
    MediumState state = MediumState::NotReady;
    QString profile;             // "CD-R", "DVD+RW", ...
    qint64 capacitySectors = -1; // room for audio sectors; -1 when the disc does not say
    QList<int> writeSpeedsKBps;  // fastest first
};

enum class BurnPhase { Starting, Writing, Finishing, Done, Failed, Cancelled };

struct BurnStatus {
    BurnPhase phase = BurnPhase::Starting;
    int track = 0;             // 1-based track being written; 0 before the first
    qint64 sectorsWritten = 0; // audio sectors of the whole session
    QString message;           // why it failed
};

// A burn under way. Dropping it waits for the drive to stop and releases it.
class BurnJob {
public:
    virtual ~BurnJob() = default;
    // Where the burn stands now; called from the thread that started it, while the drive writes.
    virtual BurnStatus status() = 0;
    // Asks the drive to stop; status() reports Cancelled once it has.
    virtual void cancel() = 0;
};

class DiscBurner {
public:
    virtual ~DiscBurner() = default;
    // The drives that write CDs.
    virtual QList<BurnDrive> drives() = 0;
    // The disc in the drive at address; throws AppError when the drive cannot be opened.
    virtual BurnMedium inspect(const QString& address) = 0;
    // Starts writing the session in SAO mode and returns at once; throws AppError with the
    // drive's own words when it refuses.
    virtual std::unique_ptr<BurnJob> start(const QString& address, BurnSession session,
                                           const BurnOptions& options) = 0;
};

} // namespace lccd
