#include "render/DrawingPass.h"

#include "render/BarcodeItem.h"
#include "render/ImageItem.h"
#include "render/PaperMatch.h"
#include "render/ParagraphItem.h"
#include "render/ShapeItems.h"
#include "render/TextItem.h"

#include <QCoreApplication>
#include <QScopeGuard>

namespace lccd {
namespace {

// Image rows name a bare file relative to the last project folder.
QString resolveImagePath(const QString& value, const QString& lastProject) {
    if (value.contains(QLatin1Char('/')))
        return value;
    QString folder = lastProject;
    if (!folder.isEmpty() && !folder.endsWith(QLatin1Char('/')))
        folder.append(QLatin1Char('/'));
    return folder + value;
}

} // namespace

LayoutDrawingPass::LayoutDrawingPass(TLcPrnPrev& surface, DrawingPassHost& host)
    : surface_(surface), host_(host) {}

void LayoutDrawingPass::RedrawLayout(const LayoutList& list, bool skipSettingsRows) {
    surface_.NewPage();
    for (const LayoutItem& item : list.items()) {
        if (skipSettingsRows && item.field(Field::Id) == QStringLiteral("設定"))
            continue;
        DrawLayoutItem(item.toRowLine());
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
        row.value = resolveImagePath(row.value, host_.lastProject());
        DrawImageRow(context, row);
        break;
    case ItemKind::Text:
        DrawTextRow(context, row);
        break;
    case ItemKind::Barcode:
        DrawBarcodeRow(context, row);
        break;
    case ItemKind::Paragraph:
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
