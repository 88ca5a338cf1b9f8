// The main window's tool menu commands that work with label products and the print offsets.
#include "app/LabelSheetDialog.h"
#include "app/Unit1.h"
#include "cdlist/EditCdList.h"
#include "cdlist/Option.h"
#include "layout/CalibrationSheet.h"
#include "platform/ApplicationTitle.h"
#include "platform/Dialogs.h"
#include "render/LcPrnPrev.h"

#include <QSpinBox>

namespace lccd {

void TForm1::connectLabelProducts(TfrmOption& options) {
    options.setLabelProductChooser([this](QWidget* parent, const QString& current) {
        return chooseDiscLabelProduct(labels_.database(), surface().paperInfos(), dialogs(), parent,
                                      current);
    });
    frmEditCdList_->setLabelSheets([this](const QString& name) {
        return discLabelSheet(labels_.database(), surface().paperInfos(), name);
    });
}

void TForm1::labelSheetClick() {
    TfrmLabelSheet dialog(labels_.database(), surface().paperInfos(), this);
    // A settings row among the rows selects its paper and orientation as it is added.
    const std::optional<QString> message =
        addRowsFromLabelSheet(dialog, dialogs(), [this](const LayoutItem& row) {
            AddLayoutRow(row.toRowLine(), kLayoutFieldCount);
        });
    if (!message)
        return;
    RefreshPrinterInfo();
    if (!message->isEmpty())
        dialogs().messageBox(*message, applicationTitle(),
                             MessageBoxType::Ok | MessageBoxType::IconInformation);
    RedrawLayout(true);
}

void TForm1::calibrationSheetClick() {
    PrinterInfo info;
    if (surface().GetPrinterInfo(info) < 0 || info.paperWidth <= 0) {
        dialogs().messageBox(
            QStringLiteral("プリンターの用紙がわからないため、印刷位置調整シートを作れません。"),
            applicationTitle(), MessageBoxType::Ok | MessageBoxType::IconWarning);
        return;
    }
    const QSize portrait(info.paperWidth, info.paperHeight);
    LayoutList sheet;
    for (const LayoutItem& row :
         calibrationSheetRows(info.portrait ? portrait : portrait.transposed(), spnHoseiX->value(),
                              spnHoseiY->value()))
        sheet.append(row);
    // Drawn over the printer's current paper and offsets, like the layout; the list stays as it
    // is, and printing (or any redraw) brings the layout back.
    pass_->RedrawLayout(sheet, true, sheetInputs());
    calibrationShown_ = true;
}

} // namespace lccd
