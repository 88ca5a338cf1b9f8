#include "platform/adapters/LibBurnJob.h"

#include "platform/AppError.h"
#include "platform/PlatformLog.h"

#include <libburn/libburn.h>

#include <QThread>

#include <numeric>

namespace lccd {
namespace {

using namespace burn;

constexpr int kSectorBytes = 2352;
// About 2.4 MB, a few seconds of writing at full speed.
constexpr int kFifoSectors = 1024;
// The track's audio comes in reads of any size, not only whole sectors.
constexpr int kReadsAnyAmount = 1;
constexpr int kWaitForIdleMs = 100;

[[noreturn]] void refuse(const QString& what) {
    const QString reason = takeLibBurnMessage();
    throw AppError(what + (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
}

// libburn lists its reasons as "reason, reason, ".
QString reasonsText(const char* reasons) {
    QString text = QString::fromLocal8Bit(reasons).trimmed();
    if (text.endsWith(QLatin1Char(',')))
        text.chop(1);
    return text;
}

} // namespace

LibBurnJob::LibBurnJob(std::unique_ptr<GrabbedDrive> drive, BurnSession session,
                       const BurnOptions& options)
    : drive_(std::move(drive)), disc_(burn_disc_create(), burn_disc_free),
      options_(burn_write_opts_new(drive_->drive()), burn_write_opts_free),
      cdTextPacks_(session.cdTextPacks), eject_(options.eject) {
    if (options.stopOnSignals)
        stopOnSignals_.emplace();
    takeLibBurnMessage(); // what earlier work left in the queue is not this burn's
    describeSession(session);
    setWriteOptions(session, options);
    char reasons[BURN_REASONS_LEN] = {};
    if (burn_precheck_write(options_.get(), disc_.get(), reasons, 0) <= 0)
        refuse(QStringLiteral("この CD には書き込めません (%1)").arg(reasonsText(reasons)));
    burn_disc_write(options_.get(), disc_.get());
    qCDebug(lcPlatform) << "burn started:" << session.tracks.size() << "tracks, speed"
                        << options.speedKBps << "kB/s" << (options.simulate ? ", simulated" : "");
}

LibBurnJob::~LibBurnJob() {
    if (result_)
        return;
    // The program is going while the drive writes: stop it before the drive is released.
    burn_drive_cancel(drive_->drive());
    while (burn_drive_get_status(drive_->drive(), nullptr) != BURN_DRIVE_IDLE)
        QThread::msleep(kWaitForIdleMs);
}

void LibBurnJob::describeSession(BurnSession& session) {
    std::unique_ptr<burn_session, void (*)(burn_session*)> burnSession(burn_session_create(),
                                                                       burn_session_free);
    burn_disc_add_session(disc_.get(), burnSession.get(), BURN_POS_END);
    for (BurnTrack& track : session.tracks) {
        trackSectors_.push_back(track.audio->byteCount() / kSectorBytes);
        std::unique_ptr<burn_track, void (*)(burn_track*)> burnTrack(burn_track_create(),
                                                                     burn_track_free);
        burn_track_define_data(burnTrack.get(), 0, 0, 1, BURN_AUDIO);
        // A fifo decodes ahead on its own thread, so that a slow stretch of a song does not keep
        // the drive waiting.
        burn_source* audio = newLibBurnTrackSource(std::move(track.audio), sourceError_);
        burn_source* fifo =
            burn_fifo_source_new(audio, kSectorBytes, kFifoSectors, kReadsAnyAmount);
        burn_source_free(audio); // the fifo and then the track hold their own references
        const burn_source_status attached =
            fifo ? burn_track_set_source(burnTrack.get(), fifo) : BURN_SOURCE_FAILED;
        if (fifo)
            burn_source_free(fifo);
        if (attached != BURN_SOURCE_OK)
            refuse(QStringLiteral("トラック %1 の音声を渡せません").arg(trackSectors_.size()));
        if (track.pregapSectors > 0)
            burn_track_set_pregap_size(burnTrack.get(), track.pregapSectors, 0);
        burn_session_add_track(burnSession.get(), burnTrack.get(), BURN_POS_END);
    }
}

void LibBurnJob::setWriteOptions(const BurnSession& session, const BurnOptions& options) {
    burn_write_opts* opts = options_.get();
    burn_write_opts_set_write_type(opts, BURN_WRITE_SAO, BURN_BLOCK_SAO);
    burn_write_opts_set_simulate(opts, options.simulate ? 1 : 0);
    burn_write_opts_set_underrun_proof(opts, 1);
    burn_write_opts_set_perform_opc(opts, 1);
    burn_write_opts_set_multi(opts, 0);
    if (session.mediaCatalog.size() == 13) {
        QByteArray digits = session.mediaCatalog;
        burn_write_opts_set_mediacatalog(opts, reinterpret_cast<unsigned char*>(digits.data()));
        burn_write_opts_set_has_mediacatalog(opts, 1);
    }
    if (!cdTextPacks_.isEmpty() &&
        burn_write_opts_set_leadin_text(opts, reinterpret_cast<unsigned char*>(cdTextPacks_.data()),
                                        int(cdTextPacks_.size() / 18), 0) <= 0)
        refuse(QStringLiteral("CD-TEXT を渡せません"));
    burn_drive_set_speed(drive_->drive(), 0, options.speedKBps);
}

qint64 LibBurnJob::sectorsBefore(int trackIndex) const {
    return std::accumulate(trackSectors_.begin(), trackSectors_.begin() + trackIndex, qint64(0));
}

BurnStatus LibBurnJob::status() {
    if (result_)
        return *result_;
    burn_progress progress{};
    const burn_drive_status busy = burn_drive_get_status(drive_->drive(), &progress);
    BurnStatus status;
    const int index = qBound(0, progress.track, int(trackSectors_.size()) - 1);
    switch (busy) {
    case BURN_DRIVE_IDLE:
        return finish();
    case BURN_DRIVE_WRITING:
    case BURN_DRIVE_WRITING_PREGAP:
        status.phase = BurnPhase::Writing;
        status.track = index + 1;
        // libburn counts the sectors of the track it writes.
        status.sectorsWritten =
            sectorsBefore(index) +
            (busy == BURN_DRIVE_WRITING
                 ? qBound(qint64(0), qint64(progress.sector), trackSectors_[size_t(index)])
                 : 0);
        break;
    case BURN_DRIVE_WRITING_LEADOUT:
    case BURN_DRIVE_CLOSING_TRACK:
    case BURN_DRIVE_CLOSING_SESSION:
        status.phase = BurnPhase::Finishing;
        status.track = int(trackSectors_.size());
        status.sectorsWritten = sectorsBefore(int(trackSectors_.size()));
        break;
    default:
        status.phase = BurnPhase::Starting;
        break;
    }
    return status;
}

void LibBurnJob::cancel() {
    if (result_ || cancelled_)
        return;
    cancelled_ = true;
    burn_drive_cancel(drive_->drive());
}

BurnStatus LibBurnJob::finish() {
    BurnStatus status;
    status.track = int(trackSectors_.size());
    // A stop asked for as the drive closed the disc leaves a disc that is whole all the same.
    if (burn_drive_wrote_well(drive_->drive())) {
        status.phase = BurnPhase::Done;
        status.sectorsWritten = sectorsBefore(status.track);
        if (eject_)
            drive_->ejectOnRelease();
    } else if (cancelled_) {
        status.phase = BurnPhase::Cancelled;
    } else {
        status.phase = BurnPhase::Failed;
        // A song that could not be decoded explains the failure better than the drive's words.
        status.message = sourceError_->message();
        if (status.message.isEmpty())
            status.message = takeLibBurnMessage();
        if (status.message.isEmpty())
            status.message = QStringLiteral("ドライブが書き込みを終えられませんでした");
    }
    qCDebug(lcPlatform) << "burn ended: phase" << int(status.phase) << "after" << status.track
                        << "tracks" << status.message;
    result_ = status;
    options_.reset();
    disc_.reset();
    drive_.reset();
    return status;
}

} // namespace lccd
