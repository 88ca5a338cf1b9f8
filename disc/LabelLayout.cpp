#include "disc/LabelLayout.h"

#include "disc/DiscInfo.h"
#include "disc/DiscLabelPlacement.h"
#include "disc/LabelTemplate.h"
#include "layout/LayoutItem.h"
#include "platform/CodePage.h"
#include "platform/FileIO.h"

namespace lccd {
namespace {

constexpr int kRowPitch = 45;
constexpr int kTwoColumnsFrom = 15;

struct Placement {
    int firstLeft;
    int secondLeft; // the second column's left; two columns only
    int width;
    int firstTop;
    bool twoColumns;
};

Placement placementFor(int songCount) {
    if (songCount >= kTwoColumnsFrom)
        return {1400, 1910, 470, 600, true};
    if (songCount == kTwoColumnsFrom - 1)
        return {1450, 0, 960, 550, false};
    return {1450, 0, 960, 600, false};
}

QString songRow(int left, int top, int width, int number, const TrackRow& song,
                const SjisSpellings& spellings) {
    const QString time =
        song.time.isEmpty() ? QStringLiteral("0:00") : spellings.losslessOf(song.time);
    // Tags may hold line breaks, which would split the row in the file.
    QString value = blankControlCharacters(QString::asprintf("%.02d ", number) + time +
                                           QLatin1Char(' ') + spellings.losslessOf(song.title));
    // A quote in a title is doubled so that the quoted value reads back whole.
    value.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QStringLiteral(
               "文字,Yes,Yes,Yes,%1,%2,%3,30,,左寄せ,No,10.5,\"%4\",\"MS UI Gothic\",9.5,"
               "clWindowText,clWhite")
        .arg(QString::number(left), QString::number(top), QString::number(width), value);
}

} // namespace

int printedSongCount(const TrackRows& tracks) {
    int count = 0;
    while (count < kTrackRowCount && !isTitleEmptyRaw(tracks[size_t(count)].title) &&
           tracks[size_t(count)].isChecked())
        ++count;
    return count;
}

QStringList labelSongRows(const TrackRows& tracks, const SjisSpellings& spellings) {
    const int count = printedSongCount(tracks);
    const Placement place = placementFor(count);
    const int secondColumnFrom = (count + 1) / 2 + 1;
    QStringList rows;
    int left = place.firstLeft;
    int position = 0;
    for (int songNumber = 1; songNumber <= count; ++songNumber) {
        const TrackRow& song = tracks[size_t(songNumber - 1)];
        if (isTitleEmptyTrimmed(song.title))
            break;
        if (place.twoColumns && songNumber == secondColumnFrom) {
            left = place.secondLeft;
            position = 0;
        }
        rows.append(songRow(left, place.firstTop + kRowPitch * position, place.width, songNumber,
                            song, spellings));
        ++position;
    }
    return rows;
}

QList<QByteArray> labelLayoutLines(const QStringList& templateLines, const DiscInfo& disc,
                                   const TrackRows& tracks, const DiscLabelSheet* product) {
    QList<QByteArray> lines = fillLabelPlaceholders(templateLines, disc);
    if (!product) {
        for (const QString& row : labelSongRows(tracks, disc.spellings))
            lines.append(toSjisLossless(row));
        return lines;
    }
    // The template's rows and the songs are placed as one drawing, under the template's header.
    QStringList rows;
    for (qsizetype i = 1; i < lines.size(); ++i)
        rows.append(fromSjisLossless(lines[i]));
    rows += labelSongRows(tracks, disc.spellings);
    lines = {lines.value(0)};
    for (const LayoutItem& row : product->rows)
        lines.append(toSjis(row.toRowLine()));
    for (const QPointF& centre : QList<QPointF>{product->labelCentre} + product->otherLabelCentres)
        for (const QString& row : placeDiscLabel(rows, centre))
            lines.append(toSjisLossless(row));
    return lines;
}

void writeLabelLayout(const QString& path, const QStringList& templateLines, const DiscInfo& disc,
                      const TrackRows& tracks, const DiscLabelSheet* product) {
    writeFileAtomically(path,
                        joinLinesCrLf(labelLayoutLines(templateLines, disc, tracks, product)));
}

} // namespace lccd
