#pragma once

#include "layout/LabelProductReader.h"

#include <utility>

// The label products installed on this computer: the template folder of Debian's glabels-data
// package (the database that gLabels and other Linux label programs use), read at run time.
namespace lccd {

struct LabelDatabase {
    QList<LabelProduct> products; // by brand, then part number
    QList<LabelCategory> categories;
    // One message per file that could not be used, or one saying the database is missing.
    QStringList messages;

    // The product named "BRAND PART" (letter case and runs of blanks do not matter).
    const LabelProduct* find(const QString& name) const;
};

// The template folder of the installed label database, looked for in the system's data folders
// ($XDG_DATA_DIRS, /usr/share, ...); empty when the package is not installed.
QString installedLabelTemplatesFolder();

// Reads every template file of the folder with its paper sizes and categories. A missing folder
// gives an empty database with a message that names the package to install.
LabelDatabase loadLabelDatabase(const QString& folder);

// A file of the database: its name (for messages) and its bytes.
using LabelDatabaseFile = std::pair<QString, QByteArray>;

// The database from files already read: paper sizes and categories first (either may be
// empty), then the template files. A file that is not well-formed is skipped with a message
// naming it; products listed as the same as another take that product's sheet and labels.
LabelDatabase buildLabelDatabase(const LabelDatabaseFile& paperSizes,
                                 const LabelDatabaseFile& categories,
                                 const QList<LabelDatabaseFile>& templateFiles);

// The filter that finds CD/DVD labels and printable-disc trays.
inline const QString kDiscCategory = QStringLiteral("media");

// Whether the product is in the category ("" for every product; kDiscCategory for disc-shaped
// labels too) and every blank-separated word of the search text is found, in any letter case,
// in its brand, part number or description.
bool matchesLabelSearch(const LabelProduct& product, const QString& search,
                        const QString& category = {});

// The category as a Japanese-speaking user knows it; the file's own name for ids not known.
QString labelCategoryCaption(const LabelCategory& category);

} // namespace lccd
