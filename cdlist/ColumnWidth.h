#pragma once

#include <QStringList>

class QTableView;

namespace lccd {

// How a column of a table shows its cells: the texts it should show whole and whether each
// cell also shows a check box and an icon before its text.
struct ColumnContent {
    QStringList samples;
    bool checkAndIcon = false;
};

// The width a table column needs to show its header and each sample whole in the view's font
// and style, and at least designed pixels: designed widths are for the fonts of another
// desktop, and a text cut to "…" in every row helps no one.
int readableColumnWidth(const QTableView& view, int column, int designed,
                        const ColumnContent& content);

} // namespace lccd
