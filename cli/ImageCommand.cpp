#include "cli/ImageCommand.h"

#include "cli/CliText.h"
#include "cli/LevelOptions.h"
#include "cli/LoadedDiscFolder.h"
#include "disc/DiscImage.h"

namespace lccd {

int imageCommand(const QStringList& arguments, CliContext& context) {
    const QString output = QStringLiteral("output");
    const QString gap = QStringLiteral("gap");
    QCommandLineParser parser;
    parser.addOptions({valueOption({QStringLiteral("o"), output}), QCommandLineOption(gap)});
    parser.addOptions(levelOptions());
    parseCommand(parser, arguments, 1);
    const LevelSettings level = levelSettings(parser);
    const QString wavPath = parser.value(output);
    if (wavPath.isEmpty())
        throw UsageError(localText("image needs -o DISC.wav",
                                   "image には -o で書き出す .wav ファイルを指定してください"));

    const Disc disc = loadFolderForCommand(parser.positionalArguments().first(), context);
    LoudnessCache loudness;
    const QStringList cutShort =
        writeDiscImage(context.services.songs.decoder, disc.info, disc.tracks, parser.isSet(gap),
                       wavPath, {}, cliLevelling(context, level, loudness));
    for (const QString& song : cutShort)
        context.err << "lccdtool-cli: "
                    << localText("the end of %1 could not be decoded; it is silent in the image",
                                 "%1 の終わりをデコードできなかったため、その部分は無音です")
                           .arg(song)
                    << Qt::endl;
    context.out << wavPath << '\n' << cueSheetPathBeside(wavPath) << Qt::endl;
    return 0;
}

} // namespace lccd
