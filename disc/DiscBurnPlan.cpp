#include "disc/DiscBurnPlan.h"

#include "audio/CdFormat.h"
#include "audio/CdTrackAudio.h"
#include "disc/CdText.h"
#include "disc/DiscInfo.h"
#include "disc/DiscLog.h"
#include "disc/DiscPaths.h"
#include "disc/DiscTracks.h"
#include "platform/AppError.h"
#include "platform/BlankTrim.h"

#include <algorithm>
#include <numeric>

namespace lccd {
namespace {

constexpr int kCatalogDigits = 13;
// What a disc that does not tell its size is taken to hold: the 80-minute CD-R less a margin.
constexpr qint64 kUnknownCapacitySectors = (79 * 60 + 57) * qint64(kCdSectorsPerSecond);

// A song's CD audio handed to the burner as the drive pulls it.
class CdTrackSource final : public BurnTrackSource {
public:
    CdTrackSource(AudioDecoder& decoder, const TrackSource& song) : audio_(decoder, song) {}
    qint64 byteCount() const override { return audio_.byteCount(); }
    qint64 read(char* data, qint64 maxBytes) override { return audio_.read(data, maxBytes); }

private:
    CdTrackAudio audio_;
};

TrackSource trackSong(const DiscInfo& disc, const DiscTrack& track, int number) {
    if (track.albumTrack)
        return {track.albumTrack->imagePath, track.albumTrack->segment};
    if (track.fileName.isEmpty())
        throw AppError(QStringLiteral("曲 %1「%2」には曲ファイルがありません")
                           .arg(QString::number(number), track.title));
    const std::optional<QString> path = existingFileInFolder(disc.folderPath, track.fileName);
    if (!path)
        throw AppError(QStringLiteral("曲 %1「%2」のファイル %3 が見つかりません")
                           .arg(QString::number(number), track.title,
                                pathInFolder(disc.folderPath, track.fileName)));
    return {*path, {}};
}

} // namespace

qint64 DiscBurnPlan::audioSectors() const {
    return std::accumulate(
        tracks.begin(), tracks.end(), qint64(0),
        [](qint64 sum, const PlannedTrack& track) { return sum + track.sectors; });
}

qint64 DiscBurnPlan::discSectors() const {
    // The first track's gap lies before the disc's first sector.
    return audioSectors() + qint64(pregapSectors) * std::max<qint64>(0, tracks.size() - 1);
}

BurnSession DiscBurnPlan::session(AudioDecoder& decoder) const {
    BurnSession session;
    for (const PlannedTrack& track : tracks)
        session.tracks.push_back(
            {std::make_unique<CdTrackSource>(decoder, track.song), pregapSectors});
    session.mediaCatalog = mediaCatalog;
    session.cdTextPacks = cdTextPacks;
    return session;
}

DiscBurnPlan planDiscBurn(const DiscInfo& disc, const TrackRows& tracks, const CdOptions& options,
                          AudioDecoder& decoder, DiscNotes& trackNotes,
                          const TrackLevelling& levelling) {
    const QList<DiscTrack> discTrackList = discTracks(disc, tracks, options.noCut, trackNotes);
    if (discTrackList.isEmpty())
        throw AppError(QStringLiteral("CDに書き込む曲がありません"));
    DiscBurnPlan plan;
    plan.pregapSectors = options.addGap ? kCdGapSectors : 0;
    QList<TrackSource> songs;
    for (int number = 1; number <= discTrackList.size(); ++number)
        songs.append(trackSong(disc, discTrackList[number - 1], number));
    if (levelling)
        levelling(songs);
    for (const TrackSource& song : songs)
        plan.tracks.append({song, CdTrackAudio(decoder, song).sectorCount()});
    if (const std::optional<QByteArray> catalog = mediaCatalogNumber(disc.catalog))
        plan.mediaCatalog = *catalog;
    else if (!trimBlanks(disc.catalog).isEmpty())
        plan.notes.append({DiscNoteKind::CatalogNotMcn, {disc.catalog}});
    const std::optional<QByteArray> packs = cdTextPacks(discCdText(disc, discTrackList));
    if (!packs)
        throw AppError(QStringLiteral("曲名と演者の文字が多すぎて CD-TEXT に入りきりません。"
                                      "短くしてから書き込んでください"));
    plan.cdTextPacks = *packs;
    qCDebug(lcDisc) << "burn planned:" << plan.tracks.size() << "tracks," << plan.discSectors()
                    << "sectors, pregap" << plan.pregapSectors << "MCN" << plan.mediaCatalog;
    return plan;
}

std::optional<QByteArray> mediaCatalogNumber(const QString& catalog) {
    const QString digits = trimBlanks(catalog).normalized(QString::NormalizationForm_KC);
    const bool valid =
        digits.size() == kCatalogDigits &&
        std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    if (!valid)
        return std::nullopt;
    return digits.toLatin1();
}

std::optional<QString> discLengthProblem(qint64 discSectors, qint64 capacitySectors) {
    const qint64 room = capacitySectors >= 0 ? capacitySectors : kUnknownCapacitySectors;
    if (discSectors <= room)
        return std::nullopt;
    return QStringLiteral("ディスクの長さ %1 が CD に入る %2 を超えるため、書き込めません")
        .arg(sectorsAsMinutes(discSectors), sectorsAsMinutes(room));
}

std::optional<QString> mediumProblem(const BurnMedium& medium) {
    switch (medium.state) {
    case MediumState::Blank:
        return std::nullopt;
    case MediumState::NoDisc:
        return QStringLiteral("ドライブにCDが入っていません。書き込める空のCD-Rを入れてください");
    case MediumState::Written:
        return QStringLiteral("ドライブのCDは書き込み済みです。空のCD-Rに入れ替えてください");
    case MediumState::Unusable:
        return QStringLiteral("ドライブのディスク (%1) には音楽CDを書き込めません。"
                              "空のCD-Rに入れ替えてください")
            .arg(medium.profile.isEmpty() ? QStringLiteral("不明") : medium.profile);
    case MediumState::NotReady:
        break;
    }
    return QStringLiteral("ドライブの準備ができていません。しばらく待ってからやり直してください");
}

QString sectorsAsMinutes(qint64 sectors) {
    const qint64 seconds = sectors / kCdSectorsPerSecond;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace lccd
