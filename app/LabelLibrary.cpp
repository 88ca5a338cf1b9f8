#include "app/LabelLibrary.h"

#include "app/LabelSheetDialog.h"
#include "platform/Dialogs.h"
#include "render/ProductSheet.h"

namespace lccd {

const LabelDatabase& LabelLibrary::database() {
    if (!database_)
        database_ = loadLabelDatabase(folder_);
    return *database_;
}

std::optional<DiscLabelSheet> discLabelSheet(const LabelDatabase& database,
                                             const TPaperInfos& papers, const QString& name) {
    const LabelProduct* product = database.find(name);
    if (!product || product->labelCount() == 0)
        return std::nullopt;
    const ProductSheet sheet = productSheetRows(*product, papers);
    QList<QPointF> centres; // layout units
    for (const QRectF& box : product->labelBoxes())
        centres.append(box.center() * 10);
    return DiscLabelSheet{sheet.rows, centres.first(), sheet.message, centres.mid(1)};
}

std::optional<QString> chooseDiscLabelProduct(const LabelDatabase& database,
                                              const TPaperInfos& papers, DialogAdapter& dialogs,
                                              QWidget* parent, const QString& current) {
    TfrmLabelSheet dialog(database, papers, parent);
    dialog.showDiscProducts(current);
    if (dialogs.execDialog(dialog) != QDialog::Accepted || !dialog.selectedProduct())
        return std::nullopt;
    return dialog.selectedProduct()->name();
}

} // namespace lccd
