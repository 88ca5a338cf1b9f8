#pragma once

#include <QTableView>

namespace lccd {

// The main window's list of layout rows: Enter asks to edit the current row, and a row dragged
// with the mouse asks to be moved where it is dropped. The view moves nothing itself: whoever
// shows it makes the edit (an undoable step).
class LayoutListView : public QTableView {
    Q_OBJECT

public:
    // What a dragged row carries: this process and the row.
    static const QString kRowMimeType;

    explicit LayoutListView(QWidget* parent = nullptr);

    // The drag data of a row, as a drag from this view carries it.
    static QMimeData* rowMimeData(int row);

Q_SIGNALS:
    void editRequested(int row);
    // The row at from was dropped before the row at before (the row count: after the last).
    void moveRequested(int from, int before);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void startDrag(Qt::DropActions supportedActions) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // The row a drag carries, or -1 when it carries none of this process.
    static int draggedRow(const QMimeData* data);
    // Where a drop at the point puts a row: before this row.
    int dropBefore(const QPoint& at) const;

    int dropLine_ = -1; // the row before which the drop line shows, while a row is dragged
};

} // namespace lccd
