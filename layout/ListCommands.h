#pragma once

#include "layout/LayoutList.h"

#include <functional>

class QUndoStack;

// Editing the layout list: sample rows of each kind, and the edits of the list as undoable
// steps. None of them redraws.
namespace lccd {

enum class SampleRow { Text, Paragraph, Image, Rectangle, RuleLine, Barcode, Settings };

// The row line of a sample row, as the add menu appends it.
QString sampleRowLine(SampleRow sample);

// The names of the steps, as the undo and redo entries show them.
namespace ListStep {
inline const QString Add = QStringLiteral("項目追加");
inline const QString Paste = QStringLiteral("項目貼付");
inline const QString Edit = QStringLiteral("項目編集");
inline const QString MoveUp = QStringLiteral("上へ移動");
inline const QString MoveDown = QStringLiteral("下に移動");
inline const QString Drag = QStringLiteral("項目の移動");
inline const QString Place = QStringLiteral("位置の変更");
inline const QString Resize = QStringLiteral("大きさの変更");
inline const QString Remove = QStringLiteral("項目削除");
inline const QString LabelSheet = QStringLiteral("ラベル用紙から作る");
inline const QString Print = QStringLiteral("印刷の切替");
inline const QString Paper = QStringLiteral("用紙の変更");
inline const QString Orientation = QStringLiteral("向きの変更");
} // namespace ListStep

// Every edit of a layout list as a step on an undo stack. A step holds the rows it puts in
// and takes out, so undoing it gives back the rows exactly as they were, field for field.
class LayoutListEditor {
public:
    LayoutListEditor(LayoutList& list, QUndoStack& stack);

    LayoutList& list() { return list_; }
    QUndoStack& stack() { return stack_; }

    // Appends rows at the end, as one step; nothing for no rows.
    void appendRows(const QList<LayoutItem>& rows, const QString& step);
    // Replaces a row, as one step; nothing when the row is the same.
    void replaceRow(int row, const LayoutItem& item, const QString& step);
    // A change the list already holds (made by a dialog or the check box) becomes a step:
    // before is the row as it was. Nothing when the row is unchanged.
    void recordChangedRow(int row, const LayoutItem& before, const QString& step);
    // Removes a row, as one step.
    void removeRow(int row);
    // Moves a row, all its fields, so that it ends at position to (clamped to the list), as
    // one step. Returns where it is now; a row that stays where it is makes no step.
    int moveRow(int from, int to, const QString& step);
    // One place up or down; the first row up and the last row down stay.
    int moveRowUp(int row);
    int moveRowDown(int row);

    // Told, after every step, undo and redo, the row the change leaves to be selected (-1 when
    // none is left).
    std::function<void(int row)> rowTouched;

private:
    LayoutList& list_;
    QUndoStack& stack_;
};

} // namespace lccd
