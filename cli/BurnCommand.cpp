#include "cli/BurnCommand.h"

#include "cli/CliText.h"
#include "cli/LevelOptions.h"
#include "cli/LoadedDiscFolder.h"
#include "disc/BurnProgress.h"
#include "disc/DiscBurnPlan.h"
#include "platform/AppError.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QThread>

#include <cmath>

namespace lccd {
namespace {

constexpr int kPollIntervalMs = 500;
constexpr int kFastestSpeed = 100;
// One times CD speed in the 1000 bytes a second of drive speeds.
constexpr double kSingleSpeedKBps = 176.4;

QList<BurnDrive> writingDrives(DiscBurner& burner) {
    const QList<BurnDrive> drives = burner.drives();
    if (drives.isEmpty())
        throw AppError(QStringLiteral("CD書き込みドライブが見つかりません"));
    return drives;
}

// Follows the burn until it ends, rewriting one progress line; returns how it ended.
BurnStatus followBurn(BurnJob& job, BurnProgressMeter& meter, QTextStream& err) {
    QElapsedTimer clock;
    clock.start();
    QString shown;
    for (;;) {
        const BurnStatus status = job.status();
        const QString line = meter.update(status, clock.elapsed()).text;
        if (line != shown) {
            // Blanks wipe what a longer line left behind.
            err << '\r' << line.leftJustified(shown.size()) << Qt::flush;
            shown = line;
        }
        if (status.phase == BurnPhase::Done || status.phase == BurnPhase::Failed ||
            status.phase == BurnPhase::Cancelled) {
            err << Qt::endl;
            return status;
        }
        QThread::msleep(kPollIntervalMs);
    }
}

} // namespace

int burnCommand(const QStringList& arguments, CliContext& context) {
    DiscBurner& burner = context.services.burner;
    AudioDecoder& decoder = context.services.songs.decoder;
    const QString drive = QStringLiteral("drive");
    const QString speed = QStringLiteral("speed");
    QCommandLineParser parser;
    parser.addOptions(
        {valueOption({drive}), valueOption({speed}), QCommandLineOption(QStringLiteral("simulate")),
         QCommandLineOption(QStringLiteral("eject")), QCommandLineOption(QStringLiteral("gap")),
         QCommandLineOption(QStringLiteral("nocut"))});
    parser.addOptions(levelOptions());
    parseCommand(parser, arguments, 1);
    const LevelSettings level = levelSettings(parser);
    const QString given = parser.positionalArguments().first();
    if (!QFileInfo(given).isDir())
        throw AppError(localText("there is no folder %1", "フォルダー %1 がありません").arg(given));
    BurnOptions options;
    options.speedKBps =
        int(std::ceil(intOption(parser, speed, 0, kFastestSpeed, 0) * kSingleSpeedKBps));
    options.simulate = parser.isSet(QStringLiteral("simulate"));
    options.eject = parser.isSet(QStringLiteral("eject"));
    options.stopOnSignals = true;

    const QList<BurnDrive> drives = writingDrives(burner);
    const QString address = parser.isSet(drive) ? parser.value(drive) : drives.first().address;

    const Disc disc = loadFolderForCommand(given, context);
    LoudnessCache loudness;
    DiscNotes trackNotes;
    const DiscBurnPlan plan =
        planDiscBurn(disc.info, disc.tracks,
                     {.noCut = parser.isSet(QStringLiteral("nocut")),
                      .addGap = parser.isSet(QStringLiteral("gap"))},
                     decoder, trackNotes, cliLevelling(context, level, loudness));
    for (const QString& note : discNoteTexts(trackNotes + plan.notes))
        context.err << "lccdtool-cli: " << note << Qt::endl;

    const BurnMedium medium = burner.inspect(address);
    if (const std::optional<QString> problem = mediumProblem(medium))
        throw AppError(*problem);
    if (const std::optional<QString> tooLong =
            discLengthProblem(plan.discSectors(), medium.capacitySectors))
        throw AppError(*tooLong);

    const std::unique_ptr<BurnJob> job = burner.start(address, plan.session(decoder), options);
    BurnProgressMeter meter(int(plan.tracks.size()), plan.audioSectors(), options.simulate);
    const BurnStatus status = followBurn(*job, meter, context.err);
    const QString outcome = burnOutcomeText(status, options.simulate).value_or(QString());
    if (status.phase != BurnPhase::Done)
        throw AppError(outcome);
    context.out << outcome << Qt::endl;
    return 0;
}

int drivesCommand(const QStringList& arguments, CliContext& context) {
    DiscBurner& burner = context.services.burner;
    QCommandLineParser parser;
    parseCommand(parser, arguments, 0);
    for (const BurnDrive& drive : writingDrives(burner))
        context.out << drive.address << '\t' << drive.vendor << ' ' << drive.model << '\n';
    context.out.flush();
    return 0;
}

} // namespace lccd
