#include "cli/CommandLine.h"

#include "cli/CliText.h"

namespace lccd {
namespace {

constexpr int kOffsetLimit = 999; // the main window's offset boxes hold -999 to 999

int wholeNumber(const QString& text, const QString& option, int minimum, int maximum) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < minimum || value > maximum)
        throw UsageError(localText("--%1 takes a whole number from %2 to %3, not '%4'",
                                   "--%1 には %2〜%3 の整数を指定してください（'%4' は使えません）")
                             .arg(option)
                             .arg(minimum)
                             .arg(maximum)
                             .arg(text));
    return value;
}

} // namespace

QCommandLineOption valueOption(const QStringList& names) {
    return QCommandLineOption(names, QString(), QStringLiteral("value"));
}

void parseCommand(QCommandLineParser& parser, const QStringList& arguments, int fileCount) {
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    if (!parser.parse(arguments))
        throw UsageError(parser.errorText());
    const QStringList files = parser.positionalArguments();
    if (fileCount != kAnyArgumentCount && files.size() != fileCount)
        throw UsageError(localText("%1 takes %2 file argument(s), not %3",
                                   "%1 に指定するファイルは %2 個です（%3 個あります）")
                             .arg(arguments.value(0))
                             .arg(fileCount)
                             .arg(files.size()));
}

int intOption(const QCommandLineParser& parser, const QString& name, int minimum, int maximum,
              int fallback) {
    if (!parser.isSet(name))
        return fallback;
    return wholeNumber(parser.value(name), name, minimum, maximum);
}

std::pair<int, int> offsetOption(const QCommandLineParser& parser) {
    const QString name = QStringLiteral("offset");
    if (!parser.isSet(name))
        return {0, 0};
    const QStringList parts = parser.value(name).split(QLatin1Char(','));
    if (parts.size() != 2)
        throw UsageError(
            localText("--offset takes X,Y (two whole numbers), not '%1'",
                      "--offset には X,Y（整数2つ）を指定してください（'%1' は使えません）")
                .arg(parser.value(name)));
    return {wholeNumber(parts[0], name, -kOffsetLimit, kOffsetLimit),
            wholeNumber(parts[1], name, -kOffsetLimit, kOffsetLimit)};
}

} // namespace lccd
