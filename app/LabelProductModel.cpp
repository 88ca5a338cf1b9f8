#include "app/LabelProductModel.h"

#include "layout/LabelDatabase.h"

namespace lccd {

LabelProductModel::LabelProductModel(const QList<LabelProduct>& products, QObject* parent)
    : QAbstractTableModel(parent), products_(products) {
    filter({}, {});
}

void LabelProductModel::filter(const QString& search, const QString& category) {
    beginResetModel();
    shown_.clear();
    for (qsizetype i = 0; i < products_.size(); ++i)
        if (matchesLabelSearch(products_[i], search, category))
            shown_.append(i);
    endResetModel();
}

const LabelProduct* LabelProductModel::product(int row) const {
    return row >= 0 && row < shown_.size() ? &products_[shown_[row]] : nullptr;
}

int LabelProductModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(shown_.size());
}

int LabelProductModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 5;
}

QVariant LabelProductModel::data(const QModelIndex& index, int role) const {
    const LabelProduct* shown = product(index.row());
    if (!shown)
        return {};
    if (role == Qt::TextAlignmentRole && index.column() == 3)
        return QVariant(Qt::AlignRight | Qt::AlignVCenter);
    if (role != Qt::DisplayRole)
        return {};
    switch (index.column()) {
    case 0:
        return shown->brand;
    case 1:
        return shown->part;
    case 2:
        return shown->description;
    case 3:
        return shown->labelCount();
    default:
        return shown->paperName;
    }
}

QVariant LabelProductModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    static const QStringList captions = {QStringLiteral("メーカー"), QStringLiteral("品番"),
                                         QStringLiteral("説明"), QStringLiteral("面数"),
                                         QStringLiteral("用紙")};
    return captions.value(section);
}

} // namespace lccd
