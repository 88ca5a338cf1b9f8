#include "cdlist/DiscSaveCommand.h"

#include "cdlist/CdListPresenter.h"
#include "cdlist/CueSheet.h"
#include "cdlist/DiscPaths.h"
#include "cdlist/DiscProject.h"
#include "cdlist/LabelLayout.h"
#include "cdlist/TrackTags.h"
#include "common/FileHelpers.h"
#include "common/Messages.h"
#include "common/MyCommonW.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

#include <QFileInfo>

#include <array>
#include <utility>

namespace lccd {
namespace {

constexpr int kWaitAfterTagWriteMs = 150;

// Writes the tags of the songs written to the project into their files, leaving files whose
// tags already hold these values alone and skipping songs whose file is missing.
void writeSongTags(const DiscInfo& disc, const TrackRows& tracks) {
    const QString comment = lastPathComponent(disc.jacketPath);
    const int count = projectTrackCount(tracks);
    for (int r = 1; r <= count; ++r) {
        const TrackRow& song = tracks[size_t(r - 1)];
        const QString path = songFilePath(disc.folderPath, TrimW(song.fileName));
        if (!QFileInfo(path).isFile())
            continue;
        WriteTrackTags(
            path, {song.title, song.performer, song.album, song.year, song.genre, comment}, true);
        WaitWithEvents(kWaitAfterTagWriteMs);
    }
}

// Clears the running flag however the save ends.
class RunningFlag {
public:
    explicit RunningFlag(bool& flag) : flag_(flag) { flag_ = true; }
    ~RunningFlag() { flag_ = false; }
    RunningFlag(const RunningFlag&) = delete;
    RunningFlag& operator=(const RunningFlag&) = delete;

private:
    bool& flag_;
};

} // namespace

bool DiscSaveCommand::checksPass() {
    const DiscInfo& disc = editor_.disc();
    const std::array<std::pair<const QString*, const char16_t*>, 3> checks = {{
        {&disc.discPerformer, u"演者がブランクです"},
        {&disc.folderBoxText, u"読み込みがされていません"},
        {&disc.albumTitle, u"アルバム名が設定されていません"},
    }};
    for (const auto& [text, message] : checks) {
        if (TrimW(*text).isEmpty()) {
            editor_.ShowStatusMessage(QString::fromUtf16(message));
            return false;
        }
    }
    return true;
}

std::optional<QString> DiscSaveCommand::run(DiscSaveSettings& settings) {
    if (running_ || !checksPass())
        return std::nullopt;
    const RunningFlag running(running_);

    // The files describe the disc as it stood when the save began, even if the window changes
    // it while the save lets events through.
    const DiscInfo disc = editor_.disc();
    const TrackRows tracks = editor_.tracks().rows();
    const QString base = discFileBase(disc);

    const QList<QByteArray> projectLines = DiscProjectLines(disc, tracks);
    if (settings.setId3Tag)
        writeSongTags(disc, tracks);
    writeFileAtomically(base + QStringLiteral(".txt"), joinLinesCrLf(projectLines));

    if (!settings.noCut && !tracks[0].isChecked() &&
        AskOkCancel(QStringLiteral("WAVファイルが[無分割]ではないですか"), QStringLiteral("確認")))
        settings.noCut = true;
    WriteCueSheet(base + QStringLiteral(".cue"), disc, tracks, {settings.noCut, settings.addGap},
                  editor_.status());

    const QString labelPath = base + QStringLiteral(".csv");
    WriteLabelLayout(labelPath, LoadLabelTemplate(settings.programPaths, settings.templateName),
                     disc, tracks);
    return labelPath;
}

} // namespace lccd
