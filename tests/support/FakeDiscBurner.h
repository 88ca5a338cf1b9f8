#pragma once

#include "platform/AppError.h"
#include "platform/DiscBurner.h"

#include <QMap>

#include <vector>

namespace lccd::test {

// A burner with drives and discs held in memory. It records the sessions it was given, and a
// burn advances half a track (at most 256 sectors) at each status call, pulling that much of
// the track's audio, as a drive pulls it while it writes.
class FakeDiscBurner : public DiscBurner {
public:
    struct RecordedTrack {
        qint64 byteCount = 0;
        qint64 bytesRead = 0;
        int pregapSectors = 0;
    };
    struct Recording {
        QString address;
        std::vector<RecordedTrack> tracks;
        QByteArray mediaCatalog;
        QByteArray cdTextPacks;
        BurnOptions options;
        bool cancelled = false;
        bool finished = false; // the job ended (or was dropped) and released its drive
    };

    QList<BurnDrive> driveList;
    // The disc each drive holds; a drive not listed holds a blank 80-minute CD-R. Each inspect
    // takes the next entry of a drive's queue while more than one is left, as a disc that the
    // user puts in between two looks.
    QMap<QString, QList<BurnMedium>> media;
    // A burn that fails at this status call with the drive's words.
    int failAtStatusCall = -1;
    QString failure = QStringLiteral("SCSI error on write");
    std::vector<Recording> recordings;
    int inspections = 0;

    static BurnMedium blankCdR() {
        return {MediumState::Blank, QStringLiteral("CD-R"), 359849, {7056, 4234, 1764}};
    }

    void addDrive(const QString& address = QStringLiteral("/dev/sr0")) {
        driveList.append({address, QStringLiteral("ACME"), QStringLiteral("CDRW-52X")});
    }

    QList<BurnDrive> drives() override { return driveList; }

    BurnMedium inspect(const QString& address) override {
        ++inspections;
        QList<BurnMedium>& queue = media[address];
        if (queue.isEmpty())
            return blankCdR();
        return queue.size() > 1 ? queue.takeFirst() : queue.first();
    }

    std::unique_ptr<BurnJob> start(const QString& address, BurnSession session,
                                   const BurnOptions& options) override {
        Recording recording{address, {}, session.mediaCatalog, session.cdTextPacks, options};
        for (const BurnTrack& track : session.tracks)
            recording.tracks.push_back({track.audio->byteCount(), 0, track.pregapSectors});
        recordings.push_back(recording);
        return std::make_unique<Job>(*this, recordings.size() - 1, std::move(session));
    }

private:
    class Job : public BurnJob {
    public:
        Job(FakeDiscBurner& burner, size_t index, BurnSession session)
            : burner_(burner), index_(index), session_(std::move(session)) {}
        ~Job() override { record().finished = true; }

        BurnStatus status() override {
            ++calls_;
            if (result_)
                return *result_;
            if (record().cancelled)
                return end({BurnPhase::Cancelled, track_ + 1, written_, {}});
            if (calls_ == burner_.failAtStatusCall)
                return end({BurnPhase::Failed, track_ + 1, written_, burner_.failure});
            if (track_ == int(session_.tracks.size()))
                return end({BurnPhase::Done, track_, written_, {}});
            pull();
            return {BurnPhase::Writing, track_ + 1, written_, {}};
        }
        void cancel() override { record().cancelled = true; }

    private:
        Recording& record() { return burner_.recordings[index_]; }

        void pull() {
            BurnTrack& track = session_.tracks[size_t(track_)];
            RecordedTrack& recorded = record().tracks[size_t(track_)];
            const qint64 chunk =
                qBound(qint64(1), recorded.byteCount / 2 / 2352, qint64(256)) * 2352;
            std::vector<char> buffer(static_cast<size_t>(chunk));
            const qint64 read = track.audio->read(buffer.data(), chunk);
            recorded.bytesRead += read;
            written_ += read / 2352;
            if (read < chunk || recorded.bytesRead == recorded.byteCount)
                ++track_;
        }
        BurnStatus end(const BurnStatus& status) {
            result_ = status;
            session_.tracks.clear();
            record().finished = true;
            return status;
        }

        FakeDiscBurner& burner_;
        size_t index_;
        BurnSession session_;
        int calls_ = 0;
        int track_ = 0;
        qint64 written_ = 0;
        std::optional<BurnStatus> result_;
    };
};

} // namespace lccd::test
