#include "platform/adapters/LibBurnDiscBurner.h"

#include "platform/adapters/LibBurnJob.h"
#include "platform/adapters/LibBurnLibrary.h"

#include <libburn/libburn.h>

#include <QFile>
#include <QThread>

#include <algorithm>
#include <functional>

namespace lccd {
namespace {

using namespace burn;

constexpr int kScanWaitMs = 10;
constexpr int kSettleWaitMs = 100;
constexpr int kSettleTries = 50;
// MMC profiles of the discs an audio CD goes on.
constexpr int kProfileCdR = 0x09;
constexpr int kProfileCdRw = 0x0a;
// Free space is told in bytes of 2048-byte data sectors.
constexpr off_t kDataSectorBytes = 2048;

MediumState stateOf(burn_disc_status status, int profile) {
    const bool cd = profile == kProfileCdR || profile == kProfileCdRw;
    switch (status) {
    case BURN_DISC_EMPTY:
        return MediumState::NoDisc;
    case BURN_DISC_BLANK:
        return cd ? MediumState::Blank : MediumState::Unusable;
    case BURN_DISC_APPENDABLE:
    case BURN_DISC_FULL:
        return cd ? MediumState::Written : MediumState::Unusable;
    case BURN_DISC_UNSUITABLE:
        return MediumState::Unusable;
    default:
        return MediumState::NotReady;
    }
}

QList<int> writeSpeeds(burn_drive* drive) {
    QList<int> speeds;
    burn_speed_descriptor* list = nullptr;
    if (burn_drive_get_speedlist(drive, &list) == 1) {
        for (burn_speed_descriptor* entry = list; entry; entry = entry->next)
            if (entry->write_speed > 0 && !speeds.contains(entry->write_speed))
                speeds.append(entry->write_speed);
        burn_drive_free_speedlist(&list);
    }
    if (speeds.isEmpty() && burn_drive_get_write_speed(drive) > 0)
        speeds.append(burn_drive_get_write_speed(drive));
    std::sort(speeds.begin(), speeds.end(), std::greater<>());
    return speeds;
}

} // namespace

QList<BurnDrive> LibBurnDiscBurner::drives() {
    useLibBurn();
    burn_drive_info* infos = nullptr;
    unsigned int count = 0;
    int scanned = 0;
    while ((scanned = burn_drive_scan(&infos, &count)) == 0)
        QThread::msleep(kScanWaitMs);
    QList<BurnDrive> drives;
    for (unsigned int i = 0; scanned > 0 && i < count; ++i) {
        if (infos[i].write_cdr || infos[i].write_cdrw) {
            char address[BURN_DRIVE_ADR_LEN] = {};
            burn_drive_d_get_adr(infos[i].drive, address);
            drives.append({QFile::decodeName(address),
                           QString::fromLatin1(infos[i].vendor).trimmed(),
                           QString::fromLatin1(infos[i].product).trimmed()});
        }
        // The scan locks every drive; none stays locked while nothing is written.
        burn_drive_info_forget(&infos[i], 0);
    }
    if (scanned > 0)
        burn_drive_info_free(infos);
    takeLibBurnMessage();
    return drives;
}

BurnMedium LibBurnDiscBurner::inspect(const QString& address) {
    const GrabbedDrive grabbed(address);
    burn_drive* drive = grabbed.drive();
    burn_disc_status status = burn_disc_get_status(drive);
    for (int tries = 0; status == BURN_DISC_UNREADY && tries < kSettleTries; ++tries) {
        QThread::msleep(kSettleWaitMs);
        status = burn_disc_get_status(drive);
    }
    int profile = 0;
    char profileName[80] = {};
    burn_disc_get_profile(drive, &profile, profileName);
    BurnMedium medium;
    medium.state = stateOf(status, profile);
    medium.profile = QString::fromLatin1(profileName);
    if (medium.state == MediumState::Blank) {
        const off_t room = burn_disc_available_space(drive, nullptr);
        medium.capacitySectors = room > 0 ? qint64(room / kDataSectorBytes) : -1;
    }
    medium.writeSpeedsKBps = writeSpeeds(drive);
    return medium;
}

std::unique_ptr<BurnJob> LibBurnDiscBurner::start(const QString& address, BurnSession session,
                                                  const BurnOptions& options) {
    return std::make_unique<LibBurnJob>(std::make_unique<GrabbedDrive>(address), std::move(session),
                                        options);
}

} // namespace lccd
