#include "layout/LayoutList.h"

namespace lccd {

LayoutList::LayoutList(QObject* parent) : QAbstractTableModel(parent) {}

const QStringList& LayoutList::columnCaptions() {
    static const QStringList captions = {
        QStringLiteral("[印刷] ID"), QStringLiteral("画面"),   QStringLiteral("印刷"),
        QStringLiteral("編集"),      QStringLiteral("左"),     QStringLiteral("上"),
        QStringLiteral("幅/x2"),     QStringLiteral("高/y2"),  QStringLiteral("幅２"),
        QStringLiteral("配置"),      QStringLiteral("縦書き"), QStringLiteral("行高"),
        QStringLiteral("値"),        QStringLiteral("書体"),   QStringLiteral("ｻｲｽﾞ/太"),
        QStringLiteral("文字色"),    QStringLiteral("矩形色"),
    };
    return captions;
}

void LayoutList::append(const LayoutItem& item) {
    insert(count(), item);
}

void LayoutList::insert(int row, const LayoutItem& item) {
    beginInsertRows({}, row, row);
    rows_.insert(row, item);
    endInsertRows();
}

void LayoutList::remove(int row) {
    beginRemoveRows({}, row, row);
    rows_.removeAt(row);
    endRemoveRows();
}

void LayoutList::move(int from, int to) {
    if (from == to)
        return;
    // beginMoveRows names the place before which the row goes, in the rows as they are.
    beginMoveRows({}, from, from, {}, to > from ? to + 1 : to);
    rows_.move(from, to);
    endMoveRows();
}

void LayoutList::clear() {
    beginResetModel();
    rows_.clear();
    endResetModel();
}

void LayoutList::setItem(int row, const LayoutItem& item) {
    rows_[row] = item;
    Q_EMIT dataChanged(index(row, 0), index(row, kLayoutFieldCount - 1));
}

void LayoutList::setField(int row, Field field, const QString& text) {
    rows_[row].setField(field, text);
    // The check box and the icon of column 1 follow fields 3 and 1.
    Q_EMIT dataChanged(index(row, 0), index(row, columnOf(field)));
}

void LayoutList::setKindIcons(const QList<QIcon>& icons) {
    kindIcons_ = icons;
    if (!rows_.isEmpty())
        Q_EMIT dataChanged(index(0, 0), index(count() - 1, 0), {Qt::DecorationRole});
}

int LayoutList::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

int LayoutList::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kLayoutFieldCount;
}

QVariant LayoutList::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const LayoutItem& row = rows_[index.row()];
    switch (role) {
    case Qt::DisplayRole:
        return row.field(fieldOfColumn(index.column())).left(kMaxShownCharacters);
    case Qt::CheckStateRole:
        if (index.column() == 0)
            return isYes(row.field(Field::Print)) ? Qt::Checked : Qt::Unchecked;
        return {};
    case Qt::DecorationRole: {
        const int icon = kindIcon(row.field(Field::Id));
        if (index.column() == 0 && icon < kindIcons_.size())
            return kindIcons_[icon];
        return {};
    }
    case KindIconRole:
        return kindIcon(row.field(Field::Id));
    default:
        return {};
    }
}

QVariant LayoutList::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kLayoutFieldCount)
        return columnCaptions()[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags LayoutList::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    // A row may be dragged to another place (the view asks for the move).
    if (index.isValid())
        flags |= Qt::ItemIsDragEnabled;
    if (index.column() == 0)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool LayoutList::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || index.column() != 0 || role != Qt::CheckStateRole)
        return false;
    const bool ticked = value.toInt() == Qt::Checked;
    const LayoutItem before = rows_[index.row()];
    setField(index.row(), Field::Print, yesNo(ticked));
    Q_EMIT printTicked(index.row(), before);
    return true;
}

} // namespace lccd
