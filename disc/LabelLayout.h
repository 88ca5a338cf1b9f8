#pragma once

#include "disc/TrackRow.h"
#include "platform/CodePage.h"

#include <QByteArray>
#include <QList>
#include <QStringList>

// The label layout written for a disc: the template with the disc's fields filled in, then one
// text row per printed song with its number, playing time and title. On a label product, the
// layout is the product's settings row and label guides, then the template's disc label placed
// on the product's first label (DiscLabelPlacement.h), and again on each of its other labels
// that the product sheet names.
namespace lccd {

struct DiscInfo;
struct DiscLabelSheet;

// The songs printed on the label: the rows from the top while the title is not empty and the
// print check is on, so a song whose check is off also keeps every later song off the label.
int printedSongCount(const TrackRows& tracks);

// The text rows of the printed songs. Up to 13 songs stand in one column from top 600, 14 in
// one column from top 550, 15 or more in two columns (the first holding the larger half). The
// times and titles are in the lossless form of the bytes they were read in (SjisSpellings).
QStringList labelSongRows(const TrackRows& tracks,
                          const SjisSpellings& spellings = SjisSpellings());

// The layout's lines in Shift-JIS: the filled template, then the song rows. With a label
// product: the template's header line, the product's rows, then the disc label placed on its
// first label, then on each of its other labels given.
QList<QByteArray> labelLayoutLines(const QStringList& templateLines, const DiscInfo& disc,
                                   const TrackRows& tracks,
                                   const DiscLabelSheet* product = nullptr);

// Writes the layout to path (replaced whole or not at all).
void writeLabelLayout(const QString& path, const QStringList& templateLines, const DiscInfo& disc,
                      const TrackRows& tracks, const DiscLabelSheet* product = nullptr);

} // namespace lccd
