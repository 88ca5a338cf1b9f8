#include "cli/Cli.h"

#include "cli/BurnCommand.h"
#include "cli/CliDialogs.h"
#include "cli/CliText.h"
#include "cli/CommandLine.h"
#include "cli/DemoCommands.h"
#include "cli/DiscCommand.h"
#include "cli/ImageCommand.h"
#include "cli/LabelCommands.h"
#include "cli/SheetCommands.h"
#include "platform/AppError.h"
#include "platform/ProgramVersion.h"

#include <map>

namespace lccd {
namespace {

using Command = int (*)(const QStringList&, CliContext&);

const std::map<QString, Command>& commands() {
    static const std::map<QString, Command> table = {
        {QStringLiteral("render"), renderCommand},
        {QStringLiteral("print"), printCommand},
        {QStringLiteral("disc"), discCommand},
        {QStringLiteral("image"), imageCommand},
        {QStringLiteral("demo"), demoCommand},
        {QStringLiteral("store"), storeCommand},
        {QStringLiteral("sheets"), sheetsCommand},
        {QStringLiteral("sheet"), sheetCommand},
        {QStringLiteral("calibration"), calibrationCommand},
        {QStringLiteral("burn"), burnCommand},
        {QStringLiteral("drives"), drivesCommand},
    };
    return table;
}

bool asksForHelp(const QStringList& arguments) {
    for (const QString& argument : arguments) {
        if (argument == QLatin1String("--"))
            return false;
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help"))
            return true;
    }
    return false;
}

int runCommand(const QStringList& arguments, CliContext& context) {
    if (asksForHelp(arguments)) {
        context.out << cliHelpText();
        return 0;
    }
    if (arguments.value(1) == QLatin1String("--version")) {
        context.out << "lccdtool-cli " << LCCD_VERSION_TEXT << Qt::endl;
        return 0;
    }
    const auto command = commands().find(arguments.value(1));
    if (command == commands().end())
        throw UsageError(arguments.size() < 2
                             ? localText("a command is missing", "コマンドがありません")
                             : localText("there is no command '%1'", "コマンド '%1' はありません")
                                   .arg(arguments[1]));
    return command->second(arguments.mid(1), context);
}

} // namespace

int runCommandLine(const QStringList& arguments, const ProgramPaths& paths,
                   const Services& services, QTextStream& out, QTextStream& err) {
    CliDialogs cliDialogs(err);
    const Service<DialogAdapter>::Override answerDialogs(cliDialogs);
    CliContext context{out, err, paths, services};
    try {
        return runCommand(arguments, context);
    } catch (const UsageError& error) {
        err << "lccdtool-cli: " << error.message() << '\n'
            << localText("Try 'lccdtool-cli --help'.",
                         "'lccdtool-cli --help' で使い方を表示します。")
            << Qt::endl;
        return 2;
    } catch (const AppError& error) {
        err << "lccdtool-cli: " << error.message() << Qt::endl;
    } catch (const std::exception& error) {
        err << "lccdtool-cli: " << QString::fromLocal8Bit(error.what()) << Qt::endl;
    }
    return 1;
}

} // namespace lccd
