#include "app/LayoutListView.h"

#include <QCoreApplication>
#include <QDrag>
#include <QDragEnterEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

namespace lccd {

const QString LayoutListView::kRowMimeType = QStringLiteral("application/x-lccdtool-layout-row");

LayoutListView::LayoutListView(QWidget* parent) : QTableView(parent) {
    setDragEnabled(true);
    setAcceptDrops(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
}

QMimeData* LayoutListView::rowMimeData(int row) {
    auto* data = new QMimeData;
    data->setData(
        kRowMimeType,
        QStringLiteral("%1 %2").arg(QCoreApplication::applicationPid()).arg(row).toLatin1());
    return data;
}

int LayoutListView::draggedRow(const QMimeData* data) {
    if (!data || !data->hasFormat(kRowMimeType))
        return -1;
    const QList<QByteArray> parts = data->data(kRowMimeType).split(' ');
    // A row of another instance of the program is no row of this list.
    if (parts.size() != 2 || parts[0].toLongLong() != QCoreApplication::applicationPid())
        return -1;
    bool ok = false;
    const int row = parts[1].toInt(&ok);
    return ok && row >= 0 ? row : -1;
}

int LayoutListView::dropBefore(const QPoint& at) const {
    const QModelIndex index = indexAt(at);
    if (!index.isValid())
        return model() ? model()->rowCount() : 0;
    const QRect rect = visualRect(index);
    return at.y() < rect.center().y() ? index.row() : index.row() + 1;
}

void LayoutListView::keyPressEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        event->modifiers() == Qt::NoModifier && currentIndex().isValid() &&
        state() != EditingState) {
        Q_EMIT editRequested(currentIndex().row());
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
}

void LayoutListView::startDrag(Qt::DropActions) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    auto* drag = new QDrag(this);
    drag->setMimeData(rowMimeData(current.row()));
    drag->exec(Qt::MoveAction);
    dropLine_ = -1;
    viewport()->update();
}

void LayoutListView::dragEnterEvent(QDragEnterEvent* event) {
    if (draggedRow(event->mimeData()) < 0) {
        // Files from a file manager are the window's to take.
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void LayoutListView::dragMoveEvent(QDragMoveEvent* event) {
    if (draggedRow(event->mimeData()) < 0) {
        event->ignore();
        return;
    }
    dropLine_ = dropBefore(event->position().toPoint());
    viewport()->update();
    event->setDropAction(Qt::MoveAction);
    event->accept();
}

void LayoutListView::dragLeaveEvent(QDragLeaveEvent* event) {
    dropLine_ = -1;
    viewport()->update();
    QTableView::dragLeaveEvent(event);
}

void LayoutListView::dropEvent(QDropEvent* event) {
    const int row = draggedRow(event->mimeData());
    dropLine_ = -1;
    viewport()->update();
    if (row < 0) {
        event->ignore();
        return;
    }
    event->setDropAction(Qt::MoveAction);
    event->accept();
    Q_EMIT moveRequested(row, dropBefore(event->position().toPoint()));
}

void LayoutListView::paintEvent(QPaintEvent* event) {
    QTableView::paintEvent(event);
    if (dropLine_ < 0 || !model())
        return;
    const int rows = model()->rowCount();
    int y = 0;
    if (rows > 0)
        y = dropLine_ < rows ? visualRect(model()->index(dropLine_, 0)).top()
                             : visualRect(model()->index(rows - 1, 0)).bottom();
    QPainter painter(viewport());
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawLine(0, y, viewport()->width(), y);
}

} // namespace lccd
