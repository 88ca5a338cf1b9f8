#include "render/DrawingPass.h"

#include "render/BarcodeItem.h"
#include "render/ImageItem.h"
#include "render/ItemBox.h"
#include "render/PaperMatch.h"
#include "render/ParagraphItem.h"
#include "render/RenderLog.h"
#include "render/RowFile.h"
#include "render/ShapeItems.h"
#include "render/TextItem.h"

#include <QFileInfo>
#include <QScopeGuard>

namespace lccd {

LayoutDrawingPass::LayoutDrawingPass(SheetSurface& surface)
    : surface_(surface), observer_(silent_) {}

LayoutDrawingPass::LayoutDrawingPass(SheetSurface& surface, DrawingPassObserver& observer)
    : surface_(surface), observer_(observer) {}

void LayoutDrawingPass::RedrawLayout(const LayoutList& list, bool skipSettingsRows,
                                     const SheetInputs& inputs) {
    // A copy of the rows (shared until the list changes), for an observer may let events
    // through that edit the list.
    const QList<LayoutItem> rows = list.items();
    surface_.NewPage();
    const auto ended = qScopeGuard([this] {
        surface_.EndPage();
        observer_.passEnded();
    });
    for (int index = 0; index < rows.size(); ++index) {
        const LayoutItem& item = rows[index];
        if (skipSettingsRows && isSettingsCaption(item.field(Field::Id)))
            continue;
        drawRow(decodeRow(item), inputs, index);
    }
}

void LayoutDrawingPass::DrawLayoutItem(const QString& line, const SheetInputs& inputs,
                                       int listRow) {
    drawRow(decodeRow(line), inputs, listRow);
}

void LayoutDrawingPass::drawRow(DecodedRow row, const SheetInputs& inputs, int listRow) {
    if (!row.kind) {
        qCDebug(lcRender) << "a row of no known kind is passed over, list row" << listRow;
        return;
    }
    if (*row.kind == ItemKind::Settings) {
        applySettingsRow(row, inputs);
        return;
    }
    // A label guide that is not printed draws into the preview's own layer.
    if (!row.print && !row.guide)
        return;
    PageCanvas& canvas = *surface_.pageCanvas();
    canvas.setLayer(row.print ? PageLayer::Print : PageLayer::ScreenOnly);
    const auto printedLayer = qScopeGuard([&canvas] { canvas.setLayer(PageLayer::Print); });

    const ItemContext context{surface_, inputs.correctionX, inputs.correctionY, inputs.printerDpiX,
                              inputs.screenDpi};
    if (listRow >= 0)
        canvas.place({listRow, placedBox(context, row)});
    switch (*row.kind) {
    case ItemKind::Rectangle:
        drawRectangleRow(context, row);
        break;
    case ItemKind::RuleLine:
        drawRuleLineRow(context, row);
        break;
    case ItemKind::Image:
        // A bare file name is the last project's first, as a disc's jacket image is.
        row.value =
            resolveRowFile(row.value, QFileInfo(row.value).fileName() == row.value
                                          ? QStringList{inputs.lastProject, inputs.programFolder}
                                          : QStringList{inputs.programFolder});
        drawImageRow(context, row);
        break;
    case ItemKind::Text:
        drawTextRow(context, row);
        break;
    case ItemKind::Barcode:
        drawBarcodeRow(context, row);
        break;
    case ItemKind::Paragraph:
        row.value = resolveRowFile(row.value, {inputs.programFolder});
        drawParagraphRow(context, observer_, row);
        break;
    case ItemKind::Settings:
        break;
    }
}

void LayoutDrawingPass::applySettingsRow(const DecodedRow& row, const SheetInputs& inputs) {
    const int found = FindPaperIndex(inputs.paperNames, row.value);
    if (found == -1) {
        qCDebug(lcRender) << "the printer has no paper" << row.value << "of a settings row";
        return;
    }
    if (found == inputs.selectedPaperIndex && inputs.portrait == row.vertical)
        return;
    surface_.SelectPaper(inputs.paperNames[found],
                         row.vertical ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    observer_.paperSelected();
}

} // namespace lccd
