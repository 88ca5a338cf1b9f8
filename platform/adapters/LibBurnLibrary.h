#pragma once

#include <QString>

#include <memory>

namespace burn {
struct burn_drive;
struct burn_drive_info;
} // namespace burn

// What every use of libburn shares: the library started once for the process, its messages,
// and a drive held for the time it is used.
namespace lccd {

// Starts libburn on first use (it is finished when the program ends) and keeps its messages
// for takeLibBurnMessage instead of printing them.
void useLibBurn();

// The most severe message libburn has queued since the last call ("SORRY" and worse, the latest
// of them), empty when there is none; the queue is emptied.
QString takeLibBurnMessage();

// While it lives, a signal that ends the program (Ctrl+C, a hang-up) first stops every drive that
// writes and releases it, so that no drive is left locked in the middle of a burn.
class DrivesStopOnSignals {
public:
    DrivesStopOnSignals();
    ~DrivesStopOnSignals();
    DrivesStopOnSignals(const DrivesStopOnSignals&) = delete;
    DrivesStopOnSignals& operator=(const DrivesStopOnSignals&) = delete;
};

// A drive opened for this program alone, by its device file; released when dropped.
class GrabbedDrive {
public:
    // Throws AppError with libburn's words when the drive cannot be opened.
    explicit GrabbedDrive(const QString& address);
    ~GrabbedDrive();
    GrabbedDrive(const GrabbedDrive&) = delete;
    GrabbedDrive& operator=(const GrabbedDrive&) = delete;

    burn::burn_drive* drive() const;
    // Opens the tray once the drive is released.
    void ejectOnRelease() { eject_ = true; }

private:
    burn::burn_drive_info* infos_ = nullptr;
    bool eject_ = false;
};

} // namespace lccd
