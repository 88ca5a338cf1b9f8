#include "cli/LevelOptions.h"

#include "cli/CliText.h"

namespace lccd {
namespace {

const QString kLevel = QStringLiteral("level");
const QString kTarget = QStringLiteral("target");

double target(const QCommandLineParser& parser) {
    bool ok = false;
    const double value = parser.value(kTarget).trimmed().toDouble(&ok);
    if (!ok || !(value >= kLowestLoudnessTarget && value <= kHighestLoudnessTarget))
        throw UsageError(localText("--target takes a loudness from %1 to %2 LUFS, not '%3'",
                                   "--target には %1〜%2 の LUFS を指定してください"
                                   "（'%3' は使えません）")
                             .arg(kLowestLoudnessTarget)
                             .arg(kHighestLoudnessTarget)
                             .arg(parser.value(kTarget)));
    return value;
}

} // namespace

QList<QCommandLineOption> levelOptions() {
    return {valueOption({kLevel}), valueOption({kTarget})};
}

LevelSettings levelSettings(const QCommandLineParser& parser) {
    LevelSettings settings;
    if (!parser.isSet(kLevel)) {
        if (parser.isSet(kTarget))
            throw UsageError(localText("--target needs --level song or --level disc",
                                       "--target は --level song か --level disc と一緒に"
                                       "指定してください"));
        return settings;
    }
    const std::optional<LevelMode> mode = levelModeNamed(parser.value(kLevel));
    if (!mode || *mode == LevelMode::Off)
        throw UsageError(localText("--level takes song or disc, not '%1'",
                                   "--level には song か disc を指定してください"
                                   "（'%1' は使えません）")
                             .arg(parser.value(kLevel)));
    settings.mode = *mode;
    if (parser.isSet(kTarget))
        settings.target = target(parser);
    return settings;
}

TrackLevelling cliLevelling(CliContext& context, const LevelSettings& settings,
                            LoudnessCache& cache) {
    if (settings.mode == LevelMode::Off)
        return {};
    QTextStream& err = context.err;
    const Leveller leveller{context.services.songs.decoder, context.services.songs.loudness, cache,
                            settings, [&err](int measured, int songs) {
                                err << '\r'
                                    << localText("measuring loudness: %1 of %2 songs",
                                                 "音量を測っています: %1 / %2 曲")
                                           .arg(measured)
                                           .arg(songs)
                                    << (measured == songs ? "\n" : "") << Qt::flush;
                            }};
    return [leveller](QList<TrackSource>& songs) { leveller.level(songs); };
}

} // namespace lccd
