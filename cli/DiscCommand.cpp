#include "cli/DiscCommand.h"

#include "cli/CliSaveQuestions.h"
#include "cli/CliText.h"
#include "cli/LoadedDiscFolder.h"
#include "disc/DiscPaths.h"
#include "disc/DiscSaveCommand.h"
#include "platform/AppError.h"

#include <QFileInfo>

namespace lccd {
namespace {

// The template the save reads: a file the command line names (relative to the working folder),
// else a bare name looked up where the program reads its files, as the editor's setting is.
// A template asked for by name must exist: the save would fall back to the built-in one.
QString templateToUse(const QString& given, const ProgramPaths& paths) {
    if (given.isEmpty())
        return defaultTemplateName();
    if (QFileInfo(given).isFile())
        return QFileInfo(given).absoluteFilePath();
    if (!given.contains(QLatin1Char('/')) && QFileInfo(paths.programFile(given)).isFile())
        return given;
    throw AppError::cannotOpen(given);
}

} // namespace

int discCommand(const QStringList& arguments, CliContext& context) {
    const QString album = QStringLiteral("album");
    const QString performer = QStringLiteral("performer");
    const QString catalog = QStringLiteral("catalog");
    QCommandLineParser parser;
    parser.addOptions(
        {valueOption({album}), valueOption({performer}), valueOption({catalog}),
         valueOption({QStringLiteral("template")}), QCommandLineOption(QStringLiteral("gap")),
         QCommandLineOption(QStringLiteral("nocut")), QCommandLineOption(QStringLiteral("tags")),
         QCommandLineOption(QStringLiteral("overwrite-tags")),
         QCommandLineOption(QStringLiteral("lossy"))});
    parseCommand(parser, arguments, 1);
    DiscSaveSettings settings;
    settings.programPaths = context.paths;
    settings.cd.templateName =
        templateToUse(parser.value(QStringLiteral("template")), context.paths);
    settings.cd.noCut = parser.isSet(QStringLiteral("nocut"));
    settings.cd.addGap = parser.isSet(QStringLiteral("gap"));
    settings.cd.setId3Tag = parser.isSet(QStringLiteral("tags"));
    // Nobody is there to answer the question of the window: the songs keep their values unless
    // told otherwise.
    const bool overwriteTags = parser.isSet(QStringLiteral("overwrite-tags"));
    if (overwriteTags && !settings.cd.setId3Tag)
        throw UsageError(localText("--overwrite-tags goes with --tags",
                                   "--overwrite-tags は --tags と一緒に指定します"));
    settings.projectTags =
        overwriteTags ? ProjectTagChoice::UseProject : ProjectTagChoice::KeepSongs;
    settings.writeLossy = parser.isSet(QStringLiteral("lossy"));

    // The disc as the editor holds it once the folder is chosen and loaded and the boxes are typed
    // in.
    Disc disc = loadFolderForCommand(parser.positionalArguments().first(), context);
    if (parser.isSet(album))
        disc.info.albumTitle = parser.value(album);
    if (parser.isSet(performer))
        disc.info.discPerformer = parser.value(performer);
    if (parser.isSet(catalog))
        disc.info.catalog = parser.value(catalog);

    CliSaveQuestions questions(context.err);
    DiscSaveCommand save(context.services.songs.tags, questions);
    const DiscSaveOutcome outcome = save.run(disc.info, disc.tracks, disc.loadedSongs, settings);
    QStringList messages = discNoteTexts(outcome.notes);
    if (!outcome.message.trimmed().isEmpty())
        messages.append(outcome.message);
    for (const QString& message : messages)
        context.err << "lccdtool-cli: " << message << Qt::endl;
    if (!outcome.labelPath)
        return 2; // a check failed or a question stopped the save; the reason is out already
    const QString base = discFileBase(disc.info);
    context.out << base << ".txt\n" << base << ".cue\n" << *outcome.labelPath << Qt::endl;
    if (save.untaggedSongs().isEmpty())
        return 0;
    context.err << "lccdtool-cli: "
                << localText("saved, but the tags of these songs were not written:",
                             "保存しましたが、次の曲にはタグを書き込めませんでした:")
                << '\n';
    for (const QString& song : save.untaggedSongs())
        context.err << "  " << song << '\n';
    context.err.flush();
    return kExitUntagged;
}

} // namespace lccd
