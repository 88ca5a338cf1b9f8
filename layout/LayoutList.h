#pragma once

#include "layout/LayoutItem.h"

#include <QAbstractTableModel>
#include <QIcon>
#include <QList>

namespace lccd {

// The layout rows in drawing order, as the main window's list shows them: one column per
// field (field 1 is the caption), a check box that mirrors field 3 and the kind as icon.
class LayoutList : public QAbstractTableModel {
    Q_OBJECT

public:
    // Data role that answers the kind icon index of a row (0 when the kind word is unknown).
    static constexpr int KindIconRole = Qt::UserRole + 1;
    // A cell shows at most this many characters of its field (the row keeps and saves them
    // all): the view lays out the whole text of a cell each time it paints it.
    static constexpr qsizetype kMaxShownCharacters = 1000;

    explicit LayoutList(QObject* parent = nullptr);

    // Column captions, one per field.
    static const QStringList& columnCaptions();
    // The column that shows a field, and the field a column shows.
    static constexpr int columnOf(Field field) { return fieldNumber(field) - 1; }
    static constexpr Field fieldOfColumn(int column) { return fieldAt(column + 1); }

    int count() const { return int(rows_.size()); }
    const LayoutItem& item(int row) const { return rows_[row]; }
    const QList<LayoutItem>& items() const { return rows_; }

    void append(const LayoutItem& item);
    void insert(int row, const LayoutItem& item);
    void remove(int row);
    // Moves a row so that it ends at position to, its fields (and so its check box and icon)
    // whole; the view keeps its selection on it.
    void move(int from, int to);
    void clear();
    void setItem(int row, const LayoutItem& item);
    void setField(int row, Field field, const QString& text);

    // The icons shown for kinds 0 to 7.
    void setKindIcons(const QList<QIcon>& icons);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    // Ticking or clearing a row's check box writes "Yes" or "No" into field 3, and tells
    // printTicked what the row was before.
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;

Q_SIGNALS:
    // The user ticked or cleared a row's check box: the row now holds the new field 3.
    void printTicked(int row, const lccd::LayoutItem& before);

private:
    QList<LayoutItem> rows_;
    QList<QIcon> kindIcons_;
};

} // namespace lccd
