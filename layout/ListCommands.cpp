#include "layout/ListCommands.h"

#include <QUndoStack>

namespace lccd {

QString sampleRowLine(SampleRow sample) {
    switch (sample) {
    case SampleRow::Text:
        return QStringLiteral(
            "文字,Yes,Yes,Yes,110,150,489,53,1,左寄せ,No,,サンプル文字,MS UI Gothic,8,"
            "clWindowText,clWhite");
    case SampleRow::Paragraph:
        return QStringLiteral(
            "文章,Yes,Yes,Yes,200,200,700,1000,,左寄せ,No,13.5,ミナモ楽団.txt,ＭＳ 明朝,"
            "9.0,clWindowText,clWhite");
    case SampleRow::Image:
        return QStringLiteral("画像,Yes,Yes,Yes,1000,450,243,66,,,,,MarovellLogo.jpg ,,,,clNavy");
    case SampleRow::Rectangle:
        return QStringLiteral("矩形,Yes,Yes,Yes,100,100,120,100,,,,,,実線,1,clGray,clYellow");
    case SampleRow::RuleLine:
        return QStringLiteral("罫線,Yes,No,Yes,1550,100,400,500,,,,,,実線,1,clGray,clWhite");
    case SampleRow::Barcode:
        return QStringLiteral(
            "バーコード,Yes,Yes,No,318,600,585,56,1,左寄せ,No,,(12345678-9A12-34DDDDF),"
            "i-JapanPost,9,clWindowText,clWhite");
    case SampleRow::Settings:
        return QStringLiteral("設定,,,,,,,,,,Yes,,A4,,,,");
    }
    return QString();
}

namespace {

using Touch = std::function<void(int)>;

void touch(const Touch& rowTouched, int row) {
    if (rowTouched)
        rowTouched(row);
}

// Rows put at the end; undone by taking them off again.
class AppendRows : public QUndoCommand {
public:
    AppendRows(LayoutList& list, const Touch& touched, const QList<LayoutItem>& rows,
               const QString& step)
        : QUndoCommand(step), list_(list), touched_(touched), rows_(rows), first_(list.count()) {}

    void redo() override {
        for (const LayoutItem& row : rows_)
            list_.append(row);
        touch(touched_, list_.count() - 1);
    }
    void undo() override {
        for (qsizetype i = 0; i < rows_.size(); ++i)
            list_.remove(list_.count() - 1);
        touch(touched_, qMin(first_, list_.count() - 1));
    }

private:
    LayoutList& list_;
    const Touch& touched_;
    const QList<LayoutItem> rows_;
    const int first_;
};

// One row exchanged for another.
class ReplaceRow : public QUndoCommand {
public:
    ReplaceRow(LayoutList& list, const Touch& touched, int row, const LayoutItem& before,
               const LayoutItem& after, const QString& step)
        : QUndoCommand(step), list_(list), touched_(touched), row_(row), before_(before),
          after_(after) {}

    void redo() override { put(after_); }
    void undo() override { put(before_); }

private:
    void put(const LayoutItem& item) {
        // A change the list already holds is not written again.
        if (!(list_.item(row_) == item))
            list_.setItem(row_, item);
        touch(touched_, row_);
    }

    LayoutList& list_;
    const Touch& touched_;
    const int row_;
    const LayoutItem before_;
    const LayoutItem after_;
};

// A row taken out; undone by putting it back where it was.
class RemoveRow : public QUndoCommand {
public:
    RemoveRow(LayoutList& list, const Touch& touched, int row)
        : QUndoCommand(ListStep::Remove), list_(list), touched_(touched), row_(row),
          removed_(list.item(row)) {}

    void redo() override {
        list_.remove(row_);
        touch(touched_, qMin(row_, list_.count() - 1));
    }
    void undo() override {
        list_.insert(row_, removed_);
        touch(touched_, row_);
    }

private:
    LayoutList& list_;
    const Touch& touched_;
    const int row_;
    const LayoutItem removed_;
};

class MoveRow : public QUndoCommand {
public:
    MoveRow(LayoutList& list, const Touch& touched, int from, int to, const QString& step)
        : QUndoCommand(step), list_(list), touched_(touched), from_(from), to_(to) {}

    void redo() override {
        list_.move(from_, to_);
        touch(touched_, to_);
    }
    void undo() override {
        list_.move(to_, from_);
        touch(touched_, from_);
    }

private:
    LayoutList& list_;
    const Touch& touched_;
    const int from_;
    const int to_;
};

} // namespace

LayoutListEditor::LayoutListEditor(LayoutList& list, QUndoStack& stack)
    : list_(list), stack_(stack) {}

void LayoutListEditor::appendRows(const QList<LayoutItem>& rows, const QString& step) {
    if (!rows.isEmpty())
        stack_.push(new AppendRows(list_, rowTouched, rows, step));
}

void LayoutListEditor::replaceRow(int row, const LayoutItem& item, const QString& step) {
    if (row < 0 || row >= list_.count() || list_.item(row) == item)
        return;
    stack_.push(new ReplaceRow(list_, rowTouched, row, list_.item(row), item, step));
}

void LayoutListEditor::recordChangedRow(int row, const LayoutItem& before, const QString& step) {
    if (row < 0 || row >= list_.count() || list_.item(row) == before)
        return;
    stack_.push(new ReplaceRow(list_, rowTouched, row, before, list_.item(row), step));
}

void LayoutListEditor::removeRow(int row) {
    if (row >= 0 && row < list_.count())
        stack_.push(new RemoveRow(list_, rowTouched, row));
}

int LayoutListEditor::moveRow(int from, int to, const QString& step) {
    if (from < 0 || from >= list_.count())
        return from;
    to = qBound(0, to, list_.count() - 1);
    if (to == from)
        return from;
    stack_.push(new MoveRow(list_, rowTouched, from, to, step));
    return to;
}

int LayoutListEditor::moveRowUp(int row) {
    return row <= 0 ? row : moveRow(row, row - 1, ListStep::MoveUp);
}

int LayoutListEditor::moveRowDown(int row) {
    return row < 0 || row >= list_.count() - 1 ? row : moveRow(row, row + 1, ListStep::MoveDown);
}

} // namespace lccd
