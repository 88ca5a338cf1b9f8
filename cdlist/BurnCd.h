#pragma once

#include "disc/BurnProgress.h"
#include "disc/DiscBurnPlan.h"
#include "disc/DiscInfo.h"
#include "platform/DiscBurner.h"
#include "platform/Services.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QTimer>

#include <memory>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

namespace lccd {

class LevelChoice;

// The burn dialog: the drive and its speed, test writing and ejecting, then the progress of
// the burn with its track, percent and time left, and a button that stops it. The drive writes
// on its own thread; a timer on the window's thread asks how far it got, so the window stays
// responsive and the editor behind it untouched.
class TfrmBurnCd : public QDialog {
    Q_OBJECT

public:
    static constexpr int kPollIntervalMs = 250;

    // The songs' loudness measurements are kept in `loudness`, shared with the editor.
    TfrmBurnCd(DiscBurner& burner, const SongServices& songs, LoudnessCache& loudness,
               QWidget* parent = nullptr);
    ~TfrmBurnCd() override;

    // The disc as the editor holds it, for its image.
    struct DiscImageSource {
        DiscInfo disc;
        TrackRows tracks;
        bool gaps = false;
    };

    // Shows the disc to burn and the drives, the first one chosen with the disc it holds; with
    // no drive, what the user can do about it. The songs are levelled as `level` says unless
    // the user chooses otherwise here.
    void prepare(DiscBurnPlan plan, const QList<BurnDrive>& drives, DiscImageSource image,
                 const LevelSettings& level = {});
    LevelSettings levelSettings() const;
    bool burning() const { return bool(job_); }
    // The closing word of the last burn since prepare; empty when none ended.
    const QString& outcome() const { return outcome_; }

    void btnStartClick();
    // "ディスクイメージを書き出す...": the disc as one WAV file with its CUE sheet, for another
    // CD-writing program or a drive elsewhere.
    void btnWriteImageClick();
    // Stops a running burn once the user confirms; otherwise closes the dialog.
    void btnCancelClick();
    // Closing the window while the drive writes asks to stop the burn instead.
    void reject() override;

private:
    void cmbDriveChange();
    void showMedium(const BurnMedium& medium);
    // The blank CD in the chosen drive, asking the user to put one in until there is one;
    // nothing when the user gives up.
    std::optional<BurnMedium> blankMedium();
    BurnOptions chosenOptions() const;
    void poll();
    void setBurning(bool on);
    // The levelling chosen, its progress on the progress line.
    TrackLevelling levelling();

    DiscBurner& burner_;
    SongServices songs_;
    LoudnessCache& loudness_;
    DiscBurnPlan plan_;
    DiscImageSource image_;
    QList<BurnDrive> drives_;
    std::unique_ptr<BurnJob> job_;
    std::optional<BurnProgressMeter> meter_;
    QElapsedTimer clock_;
    QTimer pollTimer_;
    bool simulating_ = false;
    QString outcome_;

    QComboBox* cmbDrive = nullptr;
    QComboBox* cmbSpeed = nullptr;
    QCheckBox* chkSimulate = nullptr;
    QCheckBox* chkEject = nullptr;
    LevelChoice* levelChoice = nullptr;
    QLabel* lblDisc = nullptr;
    QLabel* lblNoDrive = nullptr;
    QLabel* lblMedium = nullptr;
    QProgressBar* ProgressBar1 = nullptr;
    QLabel* lblProgress = nullptr;
    QPushButton* btnStart = nullptr;
    QPushButton* btnWriteImage = nullptr;
    QPushButton* btnCancel = nullptr;
};

} // namespace lccd
