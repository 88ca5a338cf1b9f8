#include "platform/ColumnWidth.h"

#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTableView>

namespace lccd {

int readableColumnWidth(const QTableView& view, int column, int designed,
                        const ColumnContent& content) {
    int width = qMax(designed, view.horizontalHeader()->sectionSizeHint(column));
    QStyleOptionViewItem option;
    option.initFrom(&view);
    option.font = view.font();
    option.fontMetrics = view.fontMetrics();
    option.features = QStyleOptionViewItem::HasDisplay;
    if (content.checkAndIcon) {
        option.features |=
            QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
        option.decorationSize =
            view.iconSize().isValid()
                ? view.iconSize()
                : QSize(1, 1) * view.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &view);
    }
    for (const QString& sample : content.samples) {
        option.text = sample;
        width = qMax(width, view.style()
                                ->sizeFromContents(QStyle::CT_ItemViewItem, &option, QSize(), &view)
                                .width());
    }
    return width;
}

} // namespace lccd
