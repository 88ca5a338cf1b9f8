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
    QList<LayoutItem> rows;
    const std::optional<QString> message = addRowsFromLabelSheet(
        dialog, dialogs(), [&rows](const LayoutItem& row) { rows.append(row); });
    if (!message)
        return;
    // One step; a settings row among the rows selects its paper and orientation.
    addRows(rows, ListStep::LabelSheet);
    RefreshPrinterInfo();
    if (!message->isEmpty())
        dialogs().messageBox(*message, applicationTitle(),
                             MessageBoxType::Ok | MessageBoxType::IconInformation);
    RedrawLayout(true);
}

void TForm1::calibrationSheetClick() {
    if (!drawCalibrationSheet(true))
        dialogs().messageBox(
            QStringLiteral("プリンターの用紙がわからないため、印刷位置調整シートを作れません。"),
            applicationTitle(), MessageBoxType::Ok | MessageBoxType::IconWarning);
}

bool TForm1::drawCalibrationSheet(bool explicitPass) {
    PrinterInfo info;
    if (surface().GetPrinterInfo(info) < 0 || info.paperWidth <= 0)
        return false;
    const QSize portrait(info.paperWidth, info.paperHeight);
    LayoutList sheet;
    for (const LayoutItem& row :
         calibrationSheetRows(info.portrait ? portrait : portrait.transposed(), spnHoseiX->value(),
                              spnHoseiY->value()))
        sheet.append(row);
    // Drawn over the printer's current paper and offsets, like the layout; the list stays as it
    // is, and printing (or any change of the list) brings the layout back.
    runPass(sheet, true, explicitPass);
    calibrationShown_ = true;
    return true;
}

} // namespace lccd
