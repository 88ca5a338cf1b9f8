#include "layout/ListCommands.h"

#include <QUndoStack>

#include <gtest/gtest.h>

namespace lccd {
namespace {

LayoutItem row(const QString& id, const QString& value = QString()) {
    LayoutItem item;
    item.setField(Field::Id, id);
    item.setField(Field::Value, value);
    return item;
}

QStringList ids(const LayoutList& list) {
    QStringList result;
    for (const LayoutItem& item : list.items())
        result.append(item.field(Field::Id));
    return result;
}

// Each step of the editor, without any window: what it does, what undo and redo give back, and
// the row each leaves to be selected.
TEST(ListCommandsTest, StepsUndoAndRedoAndSayWhichRowToSelect) {
    const struct {
        const char* step;
        std::function<void(LayoutListEditor&)> act;
        QStringList after;
        int touchedByStep; // and by redo
        int touchedByUndo;
    } steps[] = {
        {"append two",
         [](LayoutListEditor& e) {
             e.appendRows({row("d"), row("e")}, "add");
         },
         {"a", "b", "c", "d", "e"},
         4,
         2},
        {"replace",
         [](LayoutListEditor& e) { e.replaceRow(1, row("B"), "edit"); },
         {"a", "B", "c"},
         1,
         1},
        {"remove the last", [](LayoutListEditor& e) { e.removeRow(2); }, {"a", "b"}, 1, 2},
        {"move to the end",
         [](LayoutListEditor& e) { e.moveRow(0, 9, "drag"); },
         {"b", "c", "a"},
         2,
         0},
        {"move up", [](LayoutListEditor& e) { e.moveRowUp(2); }, {"a", "c", "b"}, 1, 2},
        {"move down", [](LayoutListEditor& e) { e.moveRowDown(0); }, {"b", "a", "c"}, 1, 0},
    };
    for (const auto& test : steps) {
        SCOPED_TRACE(test.step);
        LayoutList list;
        for (const char* id : {"a", "b", "c"})
            list.append(row(QString::fromLatin1(id)));
        QUndoStack stack;
        LayoutListEditor editor(list, stack);
        QList<int> touched;
        editor.rowTouched = [&touched](int at) { touched.append(at); };
        const QList<LayoutItem> before = list.items();

        test.act(editor);
        const QList<LayoutItem> after = list.items();
        EXPECT_EQ(ids(list), test.after);
        EXPECT_EQ(stack.count(), 1);
        stack.undo();
        EXPECT_EQ(list.items(), before);
        stack.redo();
        EXPECT_EQ(list.items(), after);
        EXPECT_EQ(touched,
                  (QList<int>{test.touchedByStep, test.touchedByUndo, test.touchedByStep}));
    }
}

// What changes nothing makes no step; a change the list already holds becomes one that puts
// the old row back.
TEST(ListCommandsTest, NoStepForNothingAndRecordedChangesUndo) {
    LayoutList list;
    list.append(row("a", "yes"));
    list.append(row("b"));
    QUndoStack stack;
    LayoutListEditor editor(list, stack);
    editor.appendRows({}, "add");
    editor.replaceRow(0, list.item(0), "edit");
    editor.moveRowUp(0);
    editor.moveRowDown(1);
    editor.moveRow(1, 1, "drag");
    editor.removeRow(5);
    editor.recordChangedRow(0, list.item(0), "print");
    EXPECT_EQ(stack.count(), 0);

    const LayoutItem before = list.item(0);
    list.setField(0, Field::Value, QStringLiteral("Yes"));
    editor.recordChangedRow(0, before, "print");
    ASSERT_EQ(stack.count(), 1);
    EXPECT_EQ(stack.undoText(), QStringLiteral("print"));
    stack.undo();
    EXPECT_EQ(list.item(0).field(Field::Value), QStringLiteral("yes"));
    stack.redo();
    EXPECT_EQ(list.item(0).field(Field::Value), QStringLiteral("Yes"));
}

} // namespace
} // namespace lccd
