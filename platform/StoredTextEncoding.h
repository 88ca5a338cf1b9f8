#pragma once

#include <QByteArray>

// Texts stored without a word of their encoding (RIFF INFO values, ID3 fields stored as
// Latin-1): Japanese tag writers store code page 932, Linux programs UTF-8, and many byte
// strings are valid in both.
namespace lccd {

// Whether bytes are UTF-8 rather than code page 932: they are valid UTF-8 with a multi-byte
// character, and that reading is the plausible one. A reading is plausible when all its
// characters belong to the scripts songs are tagged in (kana, kanji, Latin with the Latin-1
// accents, punctuation and symbols), not the Latin Extended, IPA, Greek or Cyrillic letters
// that half-width katakana pairs make when read as UTF-8 ("ﾊｲ" reads "ʲ"). When both readings
// are plausible, UTF-8 wins unless its only non-ASCII characters are Latin-1 ones standing
// apart from any Latin letter, as half-width katakana pairs read ("ﾃｨ" is "è"); "Café" is
// UTF-8.
bool readsAsUtf8(const QByteArray& bytes);

} // namespace lccd
