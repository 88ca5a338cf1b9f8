#pragma once

#include "layout/LabelProduct.h"

#include <QByteArray>
#include <QHash>

#include <optional>

// Readers of the label database files that Linux label programs share (the gLabels template
// format): paper sizes, categories and the product templates. Each reads the whole text it is
// given and never trusts it: lengths must carry a known unit (mm, cm, in, pt, pc; a bare number
// is points) and lie within a few metres, label counts are bounded, unknown elements and
// attributes are skipped.
namespace lccd {

// The length a database attribute gives, in millimetres; nothing when it is no length.
std::optional<double> parseLabelLength(QStringView text);

struct LabelPaper {
    QString id;   // "A4", "US-Letter"
    QString name; // "A4", "US Letter"
    QSizeF size;  // millimetres, portrait as listed
};

struct LabelCategory {
    QString id;   // "media"
    QString name; // as the file names it ("CD/DVD or other media")
};

// A product listed as the same as another of its brand ("equiv"): it takes that product's sheet
// and labels under its own part number.
struct LabelEquivalent {
    QString brand;
    QString part;
    QString sameAs;
};

// What reading one file gives. A file that is not well-formed, or not of the expected kind,
// gives nothing but its error.
struct LabelFileContent {
    QList<LabelProduct> products;
    QList<LabelEquivalent> equivalents;
    QList<LabelPaper> papers;
    QList<LabelCategory> categories;
    int skippedProducts = 0; // templates without a usable sheet, shape or layout
    QString error;           // "line N: what is wrong"
};

// A template file: its products with the sheet sizes looked up in papers (by id).
LabelFileContent readLabelTemplates(const QByteArray& xml,
                                    const QHash<QString, LabelPaper>& papers);

// paper-sizes.xml
LabelFileContent readLabelPaperSizes(const QByteArray& xml);

// categories.xml
LabelFileContent readLabelCategories(const QByteArray& xml);

} // namespace lccd
