#pragma once

#include "disc/DiscTracks.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

// CD-TEXT: the titles and performers a CD player shows, written into the disc's lead-in as
// packs of 18 bytes. Here always one block, in Japanese with the character code MS-JIS, where
// every character takes two bytes of code page 932.
namespace lccd {

struct CdTextEntry {
    QString title;
    QString performer;
};

struct CdText {
    CdTextEntry album;
    QList<CdTextEntry> tracks;
};

// The disc's album title and performer and its tracks', trimmed.
CdText discCdText(const DiscInfo& disc, const QList<DiscTrack>& tracks);

// A text as MS-JIS holds it: every character as its two-byte code page 932 form. Letters,
// digits and signs become their full-width forms, blanks and control characters the
// full-width blank, half-width katakana their full-width forms (with the voicing marks joined
// on), and a character the code page lacks "？".
QByteArray msJisText(const QString& text);

// The packs of the CD-TEXT, with their checksums; nothing when the texts need more packs than
// one block holds.
std::optional<QByteArray> cdTextPacks(const CdText& text);

// The packs as a CD-TEXT file, as cdrecord-family burners take it with textfile=: the length
// of the packs plus 2 as a big-endian 16-bit number, two zero bytes, then the packs.
QByteArray cdTextFile(const QByteArray& packs);

} // namespace lccd
