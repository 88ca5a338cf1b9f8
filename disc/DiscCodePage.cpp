#include "disc/DiscCodePage.h"

#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "disc/DiscProject.h"
#include "platform/BlankTrim.h"
#include "platform/CodePage.h"

#include <utility>

namespace lccd {
namespace {

void addIfOutside(QStringList& found, const QString& label, const QString& value) {
    const QString outside = charactersOutsideSjis(value).join(QString());
    if (!outside.isEmpty())
        found.append(QStringLiteral("%1 (%2)").arg(label, outside));
}

} // namespace

QStringList namesOutsideCodePage(const TrackRows& tracks) {
    QStringList found;
    const int count = projectTrackCount(tracks);
    for (int songNumber = 1; songNumber <= count; ++songNumber) {
        const QString name =
            composedName(lastPathComponent(trimBlanks(tracks[size_t(songNumber - 1)].fileName)));
        addIfOutside(found, name, name);
    }
    return found;
}

QStringList valuesOutsideCodePage(const DiscInfo& disc, const TrackRows& tracks) {
    QStringList found;
    const std::pair<const char16_t*, QString> discFields[] = {
        {u"アルバム", disc.albumTitle},
        {u"小見出し１", disc.subtitle1},
        {u"小見出し２", disc.subtitle2},
        {u"演者", disc.discPerformer},
        {u"DISCID", disc.discId},
        {u"CATALOG", disc.catalog},
        {u"GENRE", disc.selectedGenre()},
        {u"RELEASE", disc.releaseYear},
        {u"ジャケット画像", disc.jacketPath},
    };
    for (const auto& [label, value] : discFields)
        addIfOutside(found, QString::fromUtf16(label), value);
    const std::pair<const char16_t*, QString TrackRow::*> songColumns[] = {
        {u"時間", &TrackRow::time},      {u"曲名", &TrackRow::title},
        {u"演者", &TrackRow::performer}, {u"アルバム", &TrackRow::album},
        {u"年", &TrackRow::year},        {u"ジャンル", &TrackRow::genre},
    };
    const int count = projectTrackCount(tracks);
    for (int songNumber = 1; songNumber <= count; ++songNumber)
        for (const auto& [label, column] : songColumns)
            addIfOutside(
                found, QStringLiteral("%1曲目の%2").arg(songNumber).arg(QString::fromUtf16(label)),
                tracks[size_t(songNumber - 1)].*column);
    return found;
}

} // namespace lccd
