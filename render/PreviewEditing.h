#pragma once

#include "layout/ListCommands.h"
#include "render/SheetHitTest.h"
#include "render/SheetSurface.h"

#include <functional>
#include <optional>

// Editing the layout on its preview, without any window: a click selects the row under the
// pointer, a drag moves the selected row or resizes it by a handle, the arrow keys nudge it.
// Each gesture is one step on the list's undo stack; the widget only hands over its events.
namespace lccd {

class PreviewEditing {
public:
    PreviewEditing(LayoutListEditor& editor, const SheetSurface& surface);

    // Editing works only while the page shows the list (not the calibration sheet).
    void setActive(bool active);
    bool isActive() const { return active_; }

    int selectedRow() const { return selected_; }
    // The list selected a row (-1: none).
    void select(int row);
    // A click or Tab chose a row (-1: none).
    std::function<void(int row)> rowChosen;
    // What the overlay shows has changed.
    std::function<void()> overlayChanged;

    void press(QPointF at, const SheetView& view);
    // The pointer moved with the button held; Alt keeps the row off the millimetre grid.
    void drag(QPointF at, Qt::KeyboardModifiers modifiers, const SheetView& view);
    void release(QPointF at, Qt::KeyboardModifiers modifiers, const SheetView& view);
    // Esc: the drag under way ends without changing the row; false when none is.
    bool cancel();
    // Tab: the next of the rows under the point, below the selected one (round again); false
    // when there is none.
    bool cycle(QPointF at, const SheetView& view);
    // An arrow key moves the selected row by 0.1 mm, with Shift 1 mm; false for other keys or
    // when no row is selected that moves.
    bool nudge(int key, Qt::KeyboardModifiers modifiers);

    // The selection as the preview draws it above the page, screen pixels: the row's box
    // (where a drag would put it) and its handles.
    struct Overlay {
        QRectF box;
        QList<QPointF> handles;
    };
    std::optional<Overlay> overlay(const SheetView& view) const;
    // The pointer's shape over a point: a handle's direction, or the move cross over the
    // selected row.
    Qt::CursorShape cursorAt(QPointF at, const SheetView& view) const;

private:
    struct Gesture {
        int row;
        std::optional<Edges> handle; // nothing: a move
        QPointF start;
        LayoutItem before;
        bool started = false;
        LayoutItem now; // the row as the gesture would leave it
    };

    const std::vector<PlacedItem>& placed() const;
    bool rowIsListed(int row) const;
    std::optional<QRectF> selectedScreenBox(const SheetView& view) const;
    QList<Edges> handlesOf(int row) const;
    void choose(int row);
    void changed();

    LayoutListEditor& editor_;
    const SheetSurface& surface_;
    bool active_ = true;
    int selected_ = -1;
    std::optional<Gesture> gesture_;
};

} // namespace lccd
