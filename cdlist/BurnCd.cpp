#include "cdlist/BurnCd.h"

#include "cdlist/DiscImageExport.h"
#include "cdlist/LevelChoice.h"
#include "cdlist/LevelNotes.h"
#include "platform/AppError.h"
#include "platform/Dialogs.h"
#include "platform/Messages.h"
#include "platform/NamedWidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScopeGuard>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace lccd {
namespace {

const QString kCaption = QStringLiteral("CDに書き込む");
const QString kNoDrive = QStringLiteral(
    "CD書き込みドライブが見つかりません。\n"
    "・書き込みドライブをつないでください。\n"
    "・つないであるときは、このユーザーが cdrom グループに入っているか確かめてください\n"
    "  (sudo usermod -aG cdrom ユーザー名 のあと、ログインし直します)。\n"
    "・このプログラムから見えるドライブは lccdtool-cli drives で一覧できます。\n"
    "ドライブがなくても、ディスクイメージを書き出せば、ほかの書き込みソフトで焼けます。");
// One times CD speed: 75 sectors of 2352 bytes a second, in the 1000 bytes of drive speeds.
constexpr double kSingleSpeedKBps = 176.4;

QString driveName(const BurnDrive& drive) {
    return QStringLiteral("%1 %2 (%3)").arg(drive.vendor, drive.model, drive.address);
}

} // namespace

TfrmBurnCd::TfrmBurnCd(DiscBurner& burner, const SongServices& songs, LoudnessCache& loudness,
                       QWidget* parent)
    : QDialog(parent), burner_(burner), songs_(songs), loudness_(loudness) {
    setObjectName(QStringLiteral("frmBurnCd"));
    setWindowTitle(kCaption);
    auto* layout = new QVBoxLayout(this);
    lblDisc = named(new QLabel(this), "lblDisc");
    lblDisc->setWordWrap(true);
    layout->addWidget(lblDisc);
    lblNoDrive = named(new QLabel(kNoDrive, this), "lblNoDrive");
    lblNoDrive->setWordWrap(true);
    lblNoDrive->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QPalette warning = lblNoDrive->palette();
    warning.setColor(QPalette::WindowText, QColor(176, 0, 0));
    lblNoDrive->setPalette(warning);
    layout->addWidget(lblNoDrive);

    auto* form = new QFormLayout;
    cmbDrive = named(new QComboBox(this), "cmbDrive");
    cmbSpeed = named(new QComboBox(this), "cmbSpeed");
    form->addRow(QStringLiteral("ドライブ"), cmbDrive);
    lblMedium = named(new QLabel(this), "lblMedium");
    lblMedium->setWordWrap(true);
    form->addRow(QStringLiteral("ディスク"), lblMedium);
    form->addRow(QStringLiteral("書き込み速度"), cmbSpeed);
    layout->addLayout(form);
    chkSimulate = named(new QCheckBox(QStringLiteral("テスト書き込み"), this), "chkSimulate");
    chkEject = named(new QCheckBox(QStringLiteral("書き込み後に取り出す"), this), "chkEject");
    chkEject->setChecked(true);
    layout->addWidget(chkSimulate);
    layout->addWidget(chkEject);
    levelChoice = new LevelChoice(this);
    layout->addWidget(levelChoice);

    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    lblProgress = named(new QLabel(this), "lblProgress");
    layout->addWidget(ProgressBar1);
    layout->addWidget(lblProgress);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    btnWriteImage = named(new QPushButton(QStringLiteral("ディスクイメージを書き出す..."), this),
                          "btnWriteImage");
    btnStart = named(new QPushButton(QStringLiteral("書き込み開始"), this), "btnStart");
    btnCancel = named(new QPushButton(QStringLiteral("閉じる"), this), "btnCancel");
    btnStart->setDefault(true);
    buttons->insertWidget(0, btnWriteImage);
    buttons->addWidget(btnStart);
    buttons->addWidget(btnCancel);
    layout->addLayout(buttons);
    resize(520, sizeHint().height());

    pollTimer_.setInterval(kPollIntervalMs);
    connect(&pollTimer_, &QTimer::timeout, this, [this] { runGuarded([this] { poll(); }); });
    connect(btnStart, &QPushButton::clicked, this,
            [this] { runGuarded([this] { btnStartClick(); }); });
    connect(btnWriteImage, &QPushButton::clicked, this,
            [this] { runGuarded([this] { btnWriteImageClick(); }); });
    connect(btnCancel, &QPushButton::clicked, this, &TfrmBurnCd::btnCancelClick);
    connect(cmbDrive, &QComboBox::activated, this, &TfrmBurnCd::cmbDriveChange);
}

TfrmBurnCd::~TfrmBurnCd() = default;

void TfrmBurnCd::prepare(DiscBurnPlan plan, const QList<BurnDrive>& drives, DiscImageSource image,
                         const LevelSettings& level) {
    plan_ = std::move(plan);
    levelChoice->setSettings(level);
    drives_ = drives;
    image_ = std::move(image);
    lblNoDrive->setVisible(drives_.isEmpty());
    outcome_.clear();
    QStringList disc = {QStringLiteral("%1曲  %2")
                            .arg(plan_.tracks.size())
                            .arg(sectorsAsMinutes(plan_.discSectors()))};
    disc += discNoteTexts(plan_.notes);
    lblDisc->setText(disc.join(QLatin1Char('\n')));
    cmbDrive->clear();
    for (const BurnDrive& drive : drives_)
        cmbDrive->addItem(driveName(drive));
    ProgressBar1->setValue(0);
    lblProgress->clear();
    setBurning(false);
    cmbDriveChange();
    // Without a drive the image is the way to a disc.
    (drives_.isEmpty() ? btnWriteImage : btnStart)->setDefault(true);
}

void TfrmBurnCd::cmbDriveChange() {
    showMedium({});
    const int drive = cmbDrive->currentIndex();
    if (drive < 0) {
        lblMedium->clear(); // no drive, so no disc to tell about
        return;
    }
    // A drive that cannot be opened says why where the disc would be described.
    try {
        showMedium(burner_.inspect(drives_[drive].address));
    } catch (const AppError& error) {
        lblMedium->setText(error.message());
    }
}

void TfrmBurnCd::showMedium(const BurnMedium& medium) {
    if (const std::optional<QString> problem = mediumProblem(medium))
        lblMedium->setText(*problem);
    else
        lblMedium->setText(medium.capacitySectors >= 0
                               ? QStringLiteral("空の%1 (%2 まで)")
                                     .arg(medium.profile, sectorsAsMinutes(medium.capacitySectors))
                               : QStringLiteral("空の%1").arg(medium.profile));
    // Looking at the disc again (as a burn starts) keeps the speed the user chose.
    const QVariant chosenSpeed = cmbSpeed->currentData();
    cmbSpeed->clear();
    cmbSpeed->addItem(QStringLiteral("最大"), 0);
    for (const int speed : medium.writeSpeedsKBps)
        cmbSpeed->addItem(QStringLiteral("%1倍速").arg(std::lround(speed / kSingleSpeedKBps)),
                          speed);
    cmbSpeed->setCurrentIndex(std::max(0, cmbSpeed->findData(chosenSpeed)));
}

std::optional<BurnMedium> TfrmBurnCd::blankMedium() {
    const QString& address = drives_[cmbDrive->currentIndex()].address;
    for (;;) {
        const BurnMedium medium = burner_.inspect(address);
        showMedium(medium);
        const std::optional<QString> problem = mediumProblem(medium);
        if (!problem)
            return medium;
        if (!AskOkCancel(*problem + QStringLiteral("\nCDを入れたら OK を押してください"),
                         QStringLiteral("確認")))
            return std::nullopt;
    }
}

BurnOptions TfrmBurnCd::chosenOptions() const {
    return {cmbSpeed->currentData().toInt(), chkSimulate->isChecked(), chkEject->isChecked()};
}

void TfrmBurnCd::btnStartClick() {
    if (job_ || cmbDrive->currentIndex() < 0)
        return;
    const std::optional<BurnMedium> medium = blankMedium();
    if (!medium)
        return;
    if (const std::optional<QString> tooLong =
            discLengthProblem(plan_.discSectors(), medium->capacitySectors)) {
        ShowMessageBox(*tooLong, kCaption, MessageBoxType::Ok | MessageBoxType::IconWarning);
        return;
    }
    const BurnOptions options = chosenOptions();
    DiscBurnPlan levelled = plan_;
    if (const TrackLevelling level = levelling()) {
        setBurning(true);
        const auto idle = qScopeGuard([this] { setBurning(false); });
        QList<TrackSource> songs;
        for (const PlannedTrack& track : levelled.tracks)
            songs.append(track.song);
        level(songs);
        for (qsizetype i = 0; i < songs.size(); ++i)
            levelled.tracks[i].song = songs[i];
        lblProgress->clear();
    }
    job_ = burner_.start(drives_[cmbDrive->currentIndex()].address,
                         levelled.session(songs_.decoder), options);
    simulating_ = options.simulate;
    meter_.emplace(int(plan_.tracks.size()), plan_.audioSectors(), simulating_);
    outcome_.clear();
    setBurning(true);
    clock_.start();
    pollTimer_.start();
    poll();
}

void TfrmBurnCd::btnWriteImageClick() {
    if (job_)
        return;
    setBurning(true);
    btnCancel->setEnabled(false);
    const auto idle = qScopeGuard([this] { setBurning(false); });
    ProgressBar1->setValue(0);
    lblProgress->setText(QStringLiteral("ディスクイメージを書き出しています…"));
    std::optional<QString> written;
    try {
        written = exportDiscImage(
            songs_.decoder, image_.disc, image_.tracks, image_.gaps,
            [this](int percent) {
                ProgressBar1->setValue(percent);
                // The progress shows; clicks wait until the image is written.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            levelling());
    } catch (const AppError&) {
        lblProgress->clear();
        throw;
    }
    lblProgress->setText(written.value_or(QString()));
    if (written)
        outcome_ = *written;
}

void TfrmBurnCd::poll() {
    if (!job_)
        return;
    const BurnStatus status = job_->status();
    const BurnProgressView view = meter_->update(status, clock_.elapsed());
    ProgressBar1->setValue(view.percent);
    lblProgress->setText(view.text);
    const std::optional<QString> outcome = burnOutcomeText(status, simulating_);
    if (!outcome)
        return;
    // The burn ended: the drive is released before anything else happens.
    pollTimer_.stop();
    job_.reset();
    setBurning(false);
    outcome_ = *outcome;
    if (status.phase == BurnPhase::Done)
        ShowMessageBox(outcome_, kCaption, MessageBoxType::Ok | MessageBoxType::IconInformation);
    else if (status.phase == BurnPhase::Failed)
        ShowMessageBox(outcome_, kCaption, MessageBoxType::Ok | MessageBoxType::IconError);
}

void TfrmBurnCd::btnCancelClick() {
    if (!job_) {
        QDialog::reject();
        return;
    }
    if (!AskOkCancel(QStringLiteral("書き込みを中止しますか。書きかけのCD-Rは使えなくなります"),
                     QStringLiteral("確認")))
        return;
    // The job may have ended while the question was open.
    if (!job_)
        return;
    job_->cancel();
    btnCancel->setEnabled(false);
    lblProgress->setText(QStringLiteral("中止しています…"));
}

void TfrmBurnCd::reject() {
    if (job_)
        btnCancelClick();
    else
        QDialog::reject();
}

LevelSettings TfrmBurnCd::levelSettings() const {
    return levelChoice->settings();
}

TrackLevelling TfrmBurnCd::levelling() {
    return windowLevelling({songs_.decoder, songs_.loudness, loudness_, levelSettings()},
                           [this](const QString& text) { lblProgress->setText(text); });
}

void TfrmBurnCd::setBurning(bool on) {
    for (QWidget* control : std::initializer_list<QWidget*>{cmbDrive, cmbSpeed, chkSimulate,
                                                            chkEject, levelChoice, btnWriteImage})
        control->setEnabled(!on);
    btnStart->setEnabled(!on && !drives_.isEmpty());
    btnCancel->setEnabled(true);
    btnCancel->setText(on ? QStringLiteral("中止") : QStringLiteral("閉じる"));
}

} // namespace lccd
