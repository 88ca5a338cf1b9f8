#pragma once

#include "layout/LabelProduct.h"

#include <QWidget>

namespace lccd {

// The outline of a label sheet drawn to scale: the sheet, every label on it, and the holes of
// disc labels.
class LabelSheetOutline : public QWidget {
    Q_OBJECT

public:
    explicit LabelSheetOutline(QWidget* parent = nullptr);

    // The product to outline; null shows nothing.
    void setProduct(const LabelProduct* product);

    QSize sizeHint() const override { return {260, 340}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const LabelProduct* product_ = nullptr;
};

} // namespace lccd
