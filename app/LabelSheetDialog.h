#pragma once

#include "layout/LabelDatabase.h"
#include "render/PaperTable.h"
#include "render/ProductSheet.h"

#include <QDialog>

#include <functional>
#include <optional>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace lccd {

class DialogAdapter;
class LabelProductModel;
class LabelSheetOutline;

// "ラベル用紙から作る": finds a label product by maker, part number or description (with a
// category filter that puts CD/DVD labels and printable-disc trays one choice away), shows its
// sheet to scale and says which of the printer's papers it goes on.
class TfrmLabelSheet : public QDialog {
    Q_OBJECT

public:
    // database: the products to choose from, kept by the caller while the dialog lives;
    // papers: the current printer's paper table, which the sheet's paper is matched against.
    TfrmLabelSheet(const LabelDatabase& database, const TPaperInfos& papers,
                   QWidget* parent = nullptr);

    // The product of the selected row; null when none is selected.
    const LabelProduct* selectedProduct() const;
    // The rows the selected product adds to a layout, with its paper matched against the
    // printer's; no rows when none is selected.
    ProductSheet sheet() const;
    // Selects the product of that name ("BRAND PART") among those shown; false when not shown.
    bool selectProduct(const QString& name);
    // Shows the CD/DVD labels and printable-disc trays with the named product selected (among
    // all products when it is none of those); the first of them when name is empty.
    void showDiscProducts(const QString& name);

private:
    void buildUi();
    void refilter();
    void selectionChanged();

    const LabelDatabase& database_;
    TPaperInfos papers_;
    LabelProductModel* model_ = nullptr;

    QLineEdit* edtSearch = nullptr;
    QComboBox* cmbCategory = nullptr;
    QTableView* lstProducts = nullptr;
    LabelSheetOutline* pnlOutline = nullptr;
    QLabel* lblInfo = nullptr;
    QLabel* lblMessage = nullptr;
    QPushButton* btnOk = nullptr;
};

// Shows the dialog through the dialog adapter and, when the user presses OK on a product,
// hands addRow the settings row for its paper and a guide row for each label, in order. Returns
// nothing when the user cancels; otherwise what the user should be told about the paper (empty
// when the printer has the sheet's own paper).
std::optional<QString> addRowsFromLabelSheet(TfrmLabelSheet& dialog, DialogAdapter& dialogs,
                                             const std::function<void(const LayoutItem&)>& addRow);

} // namespace lccd
