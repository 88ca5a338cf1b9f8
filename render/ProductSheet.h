#pragma once

#include "layout/LabelProduct.h"
#include "layout/LayoutItem.h"
#include "render/PaperTable.h"

namespace lccd {

// The printer's paper that a label product's sheet goes on.
struct ProductPaper {
    QString paperName; // as the printer lists it; empty when the printer lists no paper
    bool portrait = true;
    // Set when the printer has no paper of the sheet's size and a near one was chosen.
    QString message;
};

// The printer's paper of the sheet's size (within 1 mm, either way round), in the sheet's
// orientation; else the smallest paper the sheet fits on, else the nearest in size, with a
// message that says so.
ProductPaper chooseProductPaper(const LabelProduct& product, const TPaperInfos& papers);

// What a label product adds to a layout: a settings row for its paper and orientation (none
// when the printer lists no paper), then a guide row for every label.
struct ProductSheet {
    QList<LayoutItem> rows;
    QString message; // how the paper was chosen, when the user should know
};

ProductSheet productSheetRows(const LabelProduct& product, const TPaperInfos& papers);

} // namespace lccd
