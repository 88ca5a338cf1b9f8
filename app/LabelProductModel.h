#pragma once

#include "layout/LabelProduct.h"

#include <QAbstractTableModel>

namespace lccd {

// The label products that match a search, one row each: maker, part number, description,
// number of labels and paper.
class LabelProductModel : public QAbstractTableModel {
    Q_OBJECT

public:
    LabelProductModel(const QList<LabelProduct>& products, QObject* parent = nullptr);

    // Shows the products that match the search words within the category (see
    // matchesLabelSearch).
    void filter(const QString& search, const QString& category);
    // The product of a row, null for none.
    const LabelProduct* product(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const QList<LabelProduct>& products_;
    QList<qsizetype> shown_;
};

} // namespace lccd
