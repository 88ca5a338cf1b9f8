#include "render/PreviewEditing.h"

#include <cmath>

namespace lccd {
namespace {

// How far the pointer must go, in screen pixels, before a press becomes a drag: a click does
// not move the row.
constexpr double kDragStartPixels = 3;

const std::vector<PlacedItem> kNothingPlaced;

} // namespace

PreviewEditing::PreviewEditing(LayoutListEditor& editor, const SheetSurface& surface)
    : editor_(editor), surface_(surface) {}

void PreviewEditing::setActive(bool active) {
    if (active_ == active)
        return;
    active_ = active;
    gesture_.reset();
    changed();
}

void PreviewEditing::select(int row) {
    if (selected_ == row)
        return;
    selected_ = row;
    gesture_.reset();
    changed();
}

const std::vector<PlacedItem>& PreviewEditing::placed() const {
    const PagePicture* page = surface_.currentPage();
    return active_ && page ? page->placedItems() : kNothingPlaced;
}

bool PreviewEditing::rowIsListed(int row) const {
    return row >= 0 && row < editor_.list().count();
}

QList<Edges> PreviewEditing::handlesOf(int row) const {
    return rowIsListed(row) ? resizeHandles(decodeRow(editor_.list().item(row))) : QList<Edges>{};
}

std::optional<QRectF> PreviewEditing::selectedScreenBox(const SheetView& view) const {
    const std::optional<QRect> box = placedBoxOf(placed(), selected_);
    if (!box || !rowIsListed(selected_))
        return std::nullopt;
    QRectF screen = view.toScreen(*box);
    if (gesture_ && gesture_->started) {
        // The placed box follows the fields the gesture changes, edge by edge.
        const RowSpan was = rowSpan(decodeRow(gesture_->before));
        const RowSpan now = rowSpan(decodeRow(gesture_->now));
        const QPointF topLeft = view.toDeviceDelta(QPointF(now.left - was.left, now.top - was.top));
        const QPointF bottomRight =
            view.toDeviceDelta(QPointF(now.right - was.right, now.bottom - was.bottom));
        screen.adjust(topLeft.x() * view.scale, topLeft.y() * view.scale,
                      bottomRight.x() * view.scale, bottomRight.y() * view.scale);
    }
    return screen;
}

void PreviewEditing::choose(int row) {
    selected_ = row;
    if (rowChosen)
        rowChosen(row);
    changed();
}

void PreviewEditing::changed() {
    if (overlayChanged)
        overlayChanged();
}

void PreviewEditing::press(QPointF at, const SheetView& view) {
    gesture_.reset();
    if (!active_)
        return;
    std::optional<Edges> handle;
    if (const std::optional<QRectF> box = selectedScreenBox(view))
        handle = handleAt(*box, handlesOf(selected_), at);
    if (!handle) {
        const QList<int> rows = rowsAt(placed(), at, view);
        // The selected row stays chosen wherever it lies in the stack, so that a row reached
        // with Tab can be dragged.
        const int row = rows.contains(selected_) ? selected_ : rows.value(0, -1);
        if (row != selected_)
            choose(row);
    }
    if (!rowIsListed(selected_))
        return;
    const LayoutItem& item = editor_.list().item(selected_);
    gesture_ = Gesture{selected_, handle, at, item, false, item};
}

void PreviewEditing::drag(QPointF at, Qt::KeyboardModifiers modifiers, const SheetView& view) {
    if (!gesture_)
        return;
    const QPointF moved = at - gesture_->start;
    if (!gesture_->started && std::hypot(moved.x(), moved.y()) < kDragStartPixels)
        return;
    gesture_->started = true;
    const QPoint delta = view.toLayoutDelta(moved);
    const bool snap = !(modifiers & Qt::AltModifier);
    gesture_->now = gesture_->handle ? resizedRow(gesture_->before, *gesture_->handle, delta, snap)
                                     : movedRow(gesture_->before, delta, snap);
    changed();
}

void PreviewEditing::release(QPointF at, Qt::KeyboardModifiers modifiers, const SheetView& view) {
    if (!gesture_)
        return;
    drag(at, modifiers, view);
    const Gesture done = *gesture_;
    gesture_.reset();
    // A row the list changed meanwhile is left as the list holds it.
    if (done.started && rowIsListed(done.row) && editor_.list().item(done.row) == done.before)
        editor_.replaceRow(done.row, done.now, done.handle ? ListStep::Resize : ListStep::Place);
    changed();
}

bool PreviewEditing::cancel() {
    if (!gesture_)
        return false;
    gesture_.reset();
    changed();
    return true;
}

bool PreviewEditing::cycle(QPointF at, const SheetView& view) {
    const QList<int> rows = rowsAt(placed(), at, view);
    if (rows.isEmpty())
        return false;
    const qsizetype current = rows.indexOf(selected_);
    choose(rows[(current + 1) % rows.size()]);
    return true;
}

bool PreviewEditing::nudge(int key, Qt::KeyboardModifiers modifiers) {
    if (!active_ || gesture_ || !rowIsListed(selected_))
        return false;
    const int step = modifiers & Qt::ShiftModifier ? 10 : 1;
    QPoint delta;
    switch (key) {
    case Qt::Key_Left:
        delta = {-step, 0};
        break;
    case Qt::Key_Right:
        delta = {step, 0};
        break;
    case Qt::Key_Up:
        delta = {0, -step};
        break;
    case Qt::Key_Down:
        delta = {0, step};
        break;
    default:
        return false;
    }
    const LayoutItem& item = editor_.list().item(selected_);
    const LayoutItem moved = movedRow(item, delta, false);
    if (moved == item)
        return false;
    editor_.replaceRow(selected_, moved, ListStep::Place);
    return true;
}

std::optional<PreviewEditing::Overlay> PreviewEditing::overlay(const SheetView& view) const {
    const std::optional<QRectF> box = selectedScreenBox(view);
    if (!box)
        return std::nullopt;
    Overlay shown{*box, {}};
    for (const Edges handle : handlesOf(selected_))
        shown.handles.append(handlePoint(*box, handle));
    return shown;
}

Qt::CursorShape PreviewEditing::cursorAt(QPointF at, const SheetView& view) const {
    const std::optional<QRectF> box = selectedScreenBox(view);
    if (!box)
        return Qt::ArrowCursor;
    if (const std::optional<Edges> handle = handleAt(*box, handlesOf(selected_), at)) {
        const bool horizontal = *handle & (Edge::Left | Edge::Right);
        const bool vertical = *handle & (Edge::Top | Edge::Bottom);
        if (horizontal && vertical)
            return (*handle == (Edge::Left | Edge::Top) || *handle == (Edge::Right | Edge::Bottom))
                       ? Qt::SizeFDiagCursor
                       : Qt::SizeBDiagCursor;
        return horizontal ? Qt::SizeHorCursor : Qt::SizeVerCursor;
    }
    return rowsAt(placed(), at, view).contains(selected_) ? Qt::SizeAllCursor : Qt::ArrowCursor;
}

} // namespace lccd
