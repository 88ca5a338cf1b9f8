#include "render/ProductSheet.h"

#include "layout/LabelGuideRows.h"

#include <QLocale>

#include <cstdlib>
#include <limits>
#include <utility>

namespace lccd {
namespace {

// Two sizes in 0.1 mm this close in both directions are the same paper.
constexpr int kSamePaperTolerance = 10;

// A size as (short side, long side).
std::pair<int, int> sides(int width, int height) {
    return width <= height ? std::pair(width, height) : std::pair(height, width);
}

QString millimetres(int units) {
    return QLocale::c().toString(units / 10.0, 'f', 1);
}

LayoutItem settingsRow(const ProductPaper& paper) {
    LayoutItem row;
    row.setField(Field::Id, kindWord(ItemKind::Settings));
    row.setField(Field::Vertical, yesNo(paper.portrait));
    row.setField(Field::Value, paper.paperName);
    return row;
}

} // namespace

ProductPaper chooseProductPaper(const LabelProduct& product, const TPaperInfos& papers) {
    const int width = layoutUnits(product.sheetSize.width());
    const int height = layoutUnits(product.sheetSize.height());
    const auto [shortSide, longSide] = sides(width, height);
    ProductPaper chosen;
    chosen.portrait = width <= height;
    if (papers.isEmpty()) {
        chosen.message = QStringLiteral("プリンターの用紙一覧がないため、用紙は選んでいません。");
        return chosen;
    }

    const TPaperInfo* same = nullptr;
    const TPaperInfo* holding = nullptr; // the smallest paper the sheet fits on
    const TPaperInfo* nearest = nullptr;
    int sameDistance = std::numeric_limits<int>::max();
    qint64 holdingArea = std::numeric_limits<qint64>::max();
    int nearestDistance = std::numeric_limits<int>::max();
    for (const TPaperInfo& paper : papers) {
        const auto [paperShort, paperLong] = sides(paper.PaperWidth, paper.PaperHeight);
        const int shortDifference = std::abs(paperShort - shortSide);
        const int longDifference = std::abs(paperLong - longSide);
        const int distance = shortDifference + longDifference;
        if (shortDifference <= kSamePaperTolerance && longDifference <= kSamePaperTolerance &&
            distance < sameDistance) {
            same = &paper;
            sameDistance = distance;
        }
        const qint64 area = qint64(paperShort) * paperLong;
        if (paperShort >= shortSide && paperLong >= longSide && area < holdingArea) {
            holding = &paper;
            holdingArea = area;
        }
        if (distance < nearestDistance) {
            nearest = &paper;
            nearestDistance = distance;
        }
    }
    if (same) {
        chosen.paperName = same->PaperName;
        return chosen;
    }
    chosen.paperName = (holding ? holding : nearest)->PaperName;
    const QString size = QStringLiteral("%1 × %2 mm").arg(millimetres(width), millimetres(height));
    const QString wanted = product.paperId == QLatin1String("Other")
                               ? size
                               : QStringLiteral("%1（%2）").arg(product.paperName, size);
    chosen.message = QStringLiteral("プリンターに %1 の用紙がないため、近い %2 を選びました。")
                         .arg(wanted, chosen.paperName);
    return chosen;
}

ProductSheet productSheetRows(const LabelProduct& product, const TPaperInfos& papers) {
    ProductSheet sheet;
    const ProductPaper paper = chooseProductPaper(product, papers);
    if (!paper.paperName.isEmpty())
        sheet.rows.append(settingsRow(paper));
    sheet.rows.append(labelGuideRows(product));
    sheet.message = paper.message;
    return sheet;
}

} // namespace lccd
