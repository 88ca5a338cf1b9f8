#include "fuzz/FuzzInput.h"
#include "layout/LabelDatabase.h"
#include "layout/LabelGuideRows.h"
#include "render/ProductSheet.h"

#include <cmath>

namespace {

const lccd::LabelDatabaseFile kPaperSizes{QStringLiteral("paper-sizes.xml"),
                                          R"(<Glabels-paper-sizes>
         <Paper-size id="A4" _name="A4" width="210mm" height="297mm"/>
         <Paper-size id="US-Letter" _name="US Letter" width="8.5in" height="11in"/>
       </Glabels-paper-sizes>)"};

const lccd::TPaperInfos kPrinterPapers{{QStringLiteral("A4"), 9, 2100, 2970},
                                       {QStringLiteral("Letter"), 1, 2159, 2794}};

bool sensible(double millimetres) {
    return std::isfinite(millimetres) && std::abs(millimetres) <= 10000;
}

} // namespace

// A label database file of any bytes, read as templates (with known paper sizes), as paper sizes
// and as categories. Every product it gives keeps the reader's promises: a bounded number of
// labels, finite positive sizes, and guide rows that outline each label.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lccd;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    readLabelPaperSizes(bytes);
    readLabelCategories(bytes);
    const LabelDatabaseFile templates{QStringLiteral("fuzz-templates.xml"), bytes};
    const LabelDatabase database = buildLabelDatabase(kPaperSizes, {}, {templates, templates});
    fuzz::require(database.messages.size() <= 2, "at most one message per file");
    for (const LabelProduct& product : database.products) {
        const int labels = product.labelCount();
        fuzz::require(labels >= 1 && labels <= kMaxLabelsPerSheet, "label count is bounded");
        fuzz::require(product.sheetSize.width() > 0 && product.sheetSize.height() > 0 &&
                          sensible(product.sheetSize.width()) &&
                          sensible(product.sheetSize.height()),
                      "sheet size is positive and finite");
        fuzz::require(product.frame.size.width() > 0 && product.frame.size.height() > 0 &&
                          sensible(product.frame.size.width()) &&
                          sensible(product.frame.size.height()),
                      "label size is positive and finite");
        const ProductSheet sheet = productSheetRows(product, kPrinterPapers);
        fuzz::require(sheet.rows.size() > labels && sheet.rows.size() <= 3 * labels + 1,
                      "a settings row and one to three guide rows per label");
        matchesLabelSearch(product, QStringLiteral("cd tray"), kDiscCategory);
    }
    return 0;
}
