#include "cdlist/ColumnWidth.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace lccd {

int readableColumnWidth(const QTableView& view, int column, int designed,
                        const ColumnContent& content) {
    int width = qMax(designed, view.horizontalHeader()->sectionSizeHint(column));
    if (content.samples.isEmpty())
        return width;
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.font = view.font();
    option.fontMetrics = view.fontMetrics();
    option.features = QStyleOptionViewItem::HasDisplay;
    if (content.checkAndIcon) {
        option.features |=
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
        const int icon = view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
        option.decorationSize = view.iconSize().isValid() ? view.iconSize() : QSize(icon, icon);
    }
    // The style places a cell's text, at its natural width and with a margin on each side,
    // after the check box and icon; in a cell too narrow the text's place is cut short and the
    // text is cut to "…". In a cell wide enough the place's right edge is the width needed,
    // and the grid line takes one pixel more.
    option.rect = QRect(0, 0, QWIDGETSIZE_MAX, view.verticalHeader()->defaultSectionSize());
    const int gridLine = view.showGrid() ? 1 : 0;
    for (const QString& sample : content.samples) {
        option.text = sample;
        const QRect place =
            view.style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &view);
        width = qMax(width, place.right() + 1 + gridLine);
    }
    return width;
}

} // namespace lccd
