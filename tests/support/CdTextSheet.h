#pragma once

#include "platform/CodePage.h"
#include "platform/adapters/LibBurnLibrary.h"

#include <libburn/libburn.h>

#include <QString>

#include <cstdlib>

namespace lccd::test {

// CD-TEXT packs as libburn reads them back: its text sheet ("Input Sheet Version 0.7T", the
// album's and every track's title and performer) and the character code it found.
struct CdTextSheet {
    int characterCode = -1;
    QString text; // empty when libburn could not read the packs
};

inline CdTextSheet readCdTextPacks(const QByteArray& packs) {
    useLibBurn();
    QByteArray copy = packs;
    char* sheet = nullptr;
    CdTextSheet read;
    const int length = burn::burn_make_input_sheet_v07t(
        reinterpret_cast<unsigned char*>(copy.data()), int(copy.size() / 18), 0, 0, &sheet,
        &read.characterCode, 0);
    if (length > 0)
        read.text = fromSjis(QByteArray(sheet, length));
    std::free(sheet);
    return read;
}

} // namespace lccd::test
