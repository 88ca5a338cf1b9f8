#include "render/DrawingPass.h"

#include "render/BarcodeItem.h"
#include "render/ImageItem.h"
#include "render/PaperMatch.h"
#include "render/ParagraphItem.h"
#include "render/RowFile.h"
#include "render/ShapeItems.h"
#include "render/TextItem.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QScopeGuard>

namespace lccd {

LayoutDrawingPass::LayoutDrawingPass(TLcPrnPrev& surface, DrawingPassHost& host)
    : surface_(surface), host_(host) {}

void LayoutDrawingPass::RedrawLayout(const LayoutList& list, bool skipSettingsRows) {
    surface_.NewPage();
    try {
        for (const LayoutItem& item : list.items()) {
            if (skipSettingsRows && item.field(Field::Id) == QStringLiteral("設定"))
                continue;
            DrawLayoutItem(item.toRowLine());
        }
    } catch (...) {
        surface_.EndPage();
        host_.showPreviewTab();
        throw;
    }
    surface_.EndPage();
    host_.showPreviewTab();
}

void LayoutDrawingPass::DrawLayoutItem(const QString& line) {
    DecodedRow row = decodeRow(line);
    if (!row.kind)
        return;
    if (*row.kind == ItemKind::Settings) {
        applySettingsRow(row);
        return;
    }
    // A label guide that is not printed draws into the preview's own layer.
    if (!row.print && !row.guide)
        return;
    PageCanvas& canvas = *surface_.pageCanvas();
    canvas.setLayer(row.print ? PageLayer::Print : PageLayer::ScreenOnly);
    const auto printedLayer = qScopeGuard([&canvas] { canvas.setLayer(PageLayer::Print); });

    const ItemContext context{surface_, host_.correctionX(), host_.correctionY(),
                              host_.printerDpiX()};
    switch (*row.kind) {
    case ItemKind::Rectangle:
        DrawRectangleRow(context, row);
        break;
    case ItemKind::RuleLine:
        DrawRuleLineRow(context, row);
        break;
    case ItemKind::Image:
        // A bare file name is the last project's first, as a disc's jacket image is.
        row.value =
            ResolveRowFile(row.value, QFileInfo(row.value).fileName() == row.value
                                          ? QStringList{host_.lastProject(), host_.programFolder()}
                                          : QStringList{host_.programFolder()});
        DrawImageRow(context, row);
        break;
    case ItemKind::Text:
        DrawTextRow(context, row);
        break;
    case ItemKind::Barcode:
        DrawBarcodeRow(context, row);
        break;
    case ItemKind::Paragraph:
        row.value = ResolveRowFile(row.value, {host_.programFolder()});
        DrawParagraphRow(context, host_, row);
        break;
    case ItemKind::Settings:
        break;
    }
}

void LayoutDrawingPass::applySettingsRow(const DecodedRow& row) {
    const QStringList papers = host_.paperNames();
    const int found = FindPaperIndex(papers, row.value);
    if (found == -1)
        return;
    if (found == host_.selectedPaperIndex() && host_.portraitChecked() == row.vertical)
        return;
    surface_.SelectPaper(papers[found],
                         row.vertical ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    QCoreApplication::processEvents();
}

} // namespace lccd
