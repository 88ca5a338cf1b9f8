#include "cli/LoadedDiscFolder.h"

#include "cli/CliText.h"
#include "disc/FolderLoad.h"
#include "disc/SongLengths.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {

Disc loadFolderForCommand(const QString& folder, CliContext& context) {
    if (!QFileInfo(folder).isDir())
        throw AppError(
            localText("there is no folder %1", "フォルダー %1 がありません").arg(folder));
    SongServices& services = context.services.songs;
    SongLengths lengths(services.lengths, services.decoder);
    Disc empty;
    empty.info.setFolderPath(QDir(folder).absolutePath());
    const FolderLoad load =
        loadDiscFolder(empty, empty.info.folderPath, {services.tags, lengths, services.decoder});
    QStringList told;
    if (!load.recovered.isEmpty())
        told.append(load.recovered.join(QStringLiteral(" / ")));
    told += discNoteTexts(load.notes);
    if (load.projectFile)
        told.append(discTotalText(discTotal(*load.disc, lengths)));
    told.append(load.problems);
    for (const QString& text : told)
        if (!text.trimmed().isEmpty())
            context.err << "lccdtool-cli: " << text << Qt::endl;
    return load.disc.value_or(empty);
}

} // namespace lccd
