#include "cdlist/DiscImageExport.h"

#include "disc/DiscImage.h"
#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "platform/BlankTrim.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

namespace lccd {

std::optional<QString> exportDiscImage(AudioDecoder& decoder, const DiscInfo& disc,
                                       const TrackRows& tracks, bool gaps,
                                       const std::function<void(int percent)>& progress,
                                       const TrackLevelling& levelling) {
    // Beside the disc's folder: in it, the next load would take the image for a song, and its
    // CUE sheet could replace the save's.
    const QString name = trimBlanks(disc.albumTitle).isEmpty()
                             ? QStringLiteral("disc")
                             : lastPathComponent(discFileBase(disc));
    const QString start =
        QFileInfo(QDir::cleanPath(disc.folderPath)).dir().filePath(name + QStringLiteral(".wav"));
    const std::optional<QString> wavPath =
        dialogs().saveFile({QStringLiteral("ディスクイメージを書き出す"),
                            QStringLiteral("WAV(*.wav)|*.wav|すべて(*.*)|*.*"), start});
    if (!wavPath || !confirmReplace(cueSheetPathBeside(*wavPath)))
        return std::nullopt;
    int shown = -1;
    const QStringList cutShort = writeDiscImage(
        decoder, disc, tracks, gaps, *wavPath,
        [&](qint64 written, qint64 all) {
            const int percent = all > 0 ? int(written * 100 / all) : 100;
            if (percent == shown || !progress)
                return;
            shown = percent;
            progress(percent);
        },
        levelling);
    QStringList words{
        QStringLiteral("ディスクイメージを書き出しました: %1, %2")
            .arg(lastPathComponent(*wavPath), lastPathComponent(cueSheetPathBeside(*wavPath)))};
    for (const QString& song : cutShort)
        words.append(QStringLiteral("%1 の終わりをデコードできなかったため、その部分は無音です")
                         .arg(lastPathComponent(song)));
    return words.join(QStringLiteral(" / "));
}

} // namespace lccd
