#include "platform/adapters/LibBurnLibrary.h"

#include "platform/AppError.h"

#include <QFile>

#include <libburn/libburn.h>

namespace lccd {
namespace {

using namespace burn;

// libburn's own handler: it cancels the drives' work, waits for them and ends the program.
constexpr int kAbortAndExit = 0x10;
constexpr int kSystemDefault = 1;

// libburn for the whole process: started on first use, finished after every drive is released.
struct LibBurnRunning {
    LibBurnRunning() {
        if (!burn_initialize())
            throw AppError(QStringLiteral("CD書き込みライブラリ (libburn) を開始できません"));
        // Messages are queued for the program to show; none go to the terminal by themselves.
        burn_msgs_set_severities(const_cast<char*>("SORRY"), const_cast<char*>("NEVER"),
                                 const_cast<char*>("libburn: "));
    }
    ~LibBurnRunning() { burn_finish(); }
};

} // namespace

void useLibBurn() {
    static LibBurnRunning running;
}

QString takeLibBurnMessage() {
    QString message;
    int code = 0;
    int osErrno = 0;
    char text[BURN_MSGS_MESSAGE_LEN];
    char severity[80];
    while (burn_msgs_obtain(const_cast<char*>("SORRY"), &code, text, &osErrno, severity) == 1)
        message = QString::fromLocal8Bit(text);
    return message;
}

DrivesStopOnSignals::DrivesStopOnSignals() {
    useLibBurn();
    static char prefix[] = "lccdtool-cli : ";
    burn_set_signal_handling(prefix, nullptr, kAbortAndExit);
}

DrivesStopOnSignals::~DrivesStopOnSignals() {
    burn_set_signal_handling(nullptr, nullptr, kSystemDefault);
}

GrabbedDrive::GrabbedDrive(const QString& address) {
    useLibBurn();
    QByteArray device = QFile::encodeName(address);
    // A link such as /dev/cdrom names the same drive as its device file.
    char resolved[BURN_DRIVE_ADR_LEN];
    if (burn_drive_convert_fs_adr(device.data(), resolved) == 1)
        device = resolved;
    if (burn_drive_scan_and_grab(&infos_, device.data(), 1) != 1) {
        infos_ = nullptr;
        const QString reason = takeLibBurnMessage();
        throw AppError(QStringLiteral("ドライブ %1 を開けません").arg(address) +
                       (reason.isEmpty() ? QString() : QStringLiteral(": ") + reason));
    }
}

GrabbedDrive::~GrabbedDrive() {
    burn_drive_release(infos_[0].drive, eject_ ? 1 : 0);
    burn_drive_info_free(infos_);
}

burn_drive* GrabbedDrive::drive() const {
    return infos_[0].drive;
}

} // namespace lccd
