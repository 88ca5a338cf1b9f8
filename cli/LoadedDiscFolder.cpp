#include "cli/LoadedDiscFolder.h"

#include "cdlist/FolderLoader.h"
#include "cli/CliText.h"
#include "platform/AppError.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {

LoadedDiscFolder::LoadedDiscFolder(const QString& folder, CliContext& context)
    : editor_(context.services.songs) {
    if (!QFileInfo(folder).isDir())
        throw AppError(
            localText("there is no folder %1", "フォルダー %1 がありません").arg(folder));
    QObject::connect(&editor_.status(), &StatusPanel::textChanged, [&context](const QString& text) {
        if (!text.trimmed().isEmpty())
            context.err << "lccdtool-cli: " << text << Qt::endl;
    });
    const QString path = QDir(folder).absolutePath();
    editor_.disc().setFolderPath(path);
    LoadFolder(editor_, path);
}

} // namespace lccd
