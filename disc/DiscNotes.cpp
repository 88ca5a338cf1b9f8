#include "disc/DiscNotes.h"

namespace lccd {

QString discNoteText(const DiscNote& note) {
    switch (note.kind) {
    case DiscNoteKind::SongFileMissing:
        return QStringLiteral("Can't Find file");
    case DiscNoteKind::TagLibraryTooOld:
        return QStringLiteral("Too old version of mp3infp");
    case DiscNoteKind::NotASong:
        return QStringLiteral("Not Music file");
    case DiscNoteKind::WavFilesLeftOut:
        return QStringLiteral("WAVファイル数が４本を越えています");
    case DiscNoteKind::CatalogNotMcn:
        return QStringLiteral("CATALOG「%1」は13桁の数字でないため、"
                              "ディスクにカタログ番号 (MCN) を書き込みません")
            .arg(note.values.value(0));
    }
    return {};
}

QStringList discNoteTexts(const DiscNotes& notes) {
    QStringList texts;
    for (const DiscNote& note : notes)
        texts.append(discNoteText(note));
    return texts;
}

} // namespace lccd
