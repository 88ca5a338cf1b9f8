#include "app/LabelSheetDialog.h"

#include "app/LabelProductModel.h"
#include "app/LabelSheetOutline.h"
#include "platform/Dialogs.h"
#include "platform/NamedWidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QTableView>

namespace lccd {
namespace {

QString millimetres(double value) {
    return QLocale::c().toString(value, 'f', 1);
}

QString describe(const LabelProduct& product, const ProductPaper& paper) {
    // A sheet of its own size is named by its size already.
    const QString sheet = product.paperId == QLatin1String("Other")
                              ? product.paperName
                              : QStringLiteral("%1（%2 × %3 mm）")
                                    .arg(product.paperName, millimetres(product.sheetSize.width()),
                                         millimetres(product.sheetSize.height()));
    QString text = QStringLiteral("%1 %2　%3\n%4 面、%5")
                       .arg(product.brand, product.part, product.description)
                       .arg(product.labelCount())
                       .arg(sheet);
    if (!paper.paperName.isEmpty())
        text += QStringLiteral("\n印刷する用紙: %1（%2）")
                    .arg(paper.paperName,
                         paper.portrait ? QStringLiteral("縦置き") : QStringLiteral("横置き"));
    return text;
}

} // namespace

TfrmLabelSheet::TfrmLabelSheet(const LabelDatabase& database, const TPaperInfos& papers,
                               QWidget* parent)
    : QDialog(parent), database_(database), papers_(papers) {
    setObjectName(QStringLiteral("frmLabelSheet"));
    setWindowTitle(QStringLiteral("ラベル用紙から作る"));
    buildUi();
    refilter();
}

void TfrmLabelSheet::buildUi() {
    edtSearch = named(new QLineEdit(this), "edtSearch");
    edtSearch->setPlaceholderText(QStringLiteral("メーカー・品番・説明で検索"));
    edtSearch->setClearButtonEnabled(true);
    cmbCategory = named(new QComboBox(this), "cmbCategory");
    cmbCategory->addItem(QStringLiteral("すべての用紙"), QString());
    cmbCategory->addItem(labelCategoryCaption({kDiscCategory, {}}), kDiscCategory);
    for (const LabelCategory& category : database_.categories)
        if (category.id != kDiscCategory)
            cmbCategory->addItem(labelCategoryCaption(category), category.id);

    model_ = new LabelProductModel(database_.products, this);
    lstProducts = named(new QTableView(this), "lstProducts");
    lstProducts->setModel(model_);
    lstProducts->setSelectionBehavior(QAbstractItemView::SelectRows);
    lstProducts->setSelectionMode(QAbstractItemView::SingleSelection);
    lstProducts->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lstProducts->verticalHeader()->hide();
    lstProducts->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    lstProducts->horizontalHeader()->setStretchLastSection(true);
    for (const auto& [column, width] : {std::pair(0, 110), std::pair(1, 140), std::pair(2, 220),
                                        std::pair(3, 44), std::pair(4, 130)})
        lstProducts->setColumnWidth(column, width);

    pnlOutline = named(new LabelSheetOutline(this), "pnlOutline");
    lblInfo = named(new QLabel(this), "lblInfo");
    lblInfo->setWordWrap(true);
    lblMessage = named(new QLabel(this), "lblMessage");
    lblMessage->setWordWrap(true);
    lblMessage->setStyleSheet(QStringLiteral("color: #b00000"));
    lblMessage->setText(database_.messages.join(QLatin1Char('\n')));

    btnOk = named(new QPushButton(QStringLiteral("OK"), this), "btnOk");
    btnOk->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("キャンセル"), this), "btnCancel");

    auto* grid = new QGridLayout(this);
    auto* filters = new QHBoxLayout;
    filters->addWidget(new QLabel(QStringLiteral("検索"), this));
    filters->addWidget(edtSearch, 1);
    filters->addWidget(cmbCategory);
    grid->addLayout(filters, 0, 0, 1, 2);
    grid->addWidget(lstProducts, 1, 0);
    grid->addWidget(pnlOutline, 1, 1);
    grid->addWidget(lblInfo, 2, 0, 1, 2);
    grid->addWidget(lblMessage, 3, 0, 1, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOk);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    grid->setColumnStretch(0, 1);
    resize(980, 580);

    connect(edtSearch, &QLineEdit::textChanged, this, &TfrmLabelSheet::refilter);
    connect(cmbCategory, &QComboBox::currentIndexChanged, this, &TfrmLabelSheet::refilter);
    connect(lstProducts->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &TfrmLabelSheet::selectionChanged);
    connect(lstProducts, &QTableView::doubleClicked, this, [this] {
        if (selectedProduct())
            accept();
    });
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmLabelSheet::refilter() {
    model_->filter(edtSearch->text(), cmbCategory->currentData().toString());
    if (model_->rowCount() > 0)
        lstProducts->selectRow(0);
    selectionChanged();
}

const LabelProduct* TfrmLabelSheet::selectedProduct() const {
    const QModelIndex current = lstProducts->selectionModel()->currentIndex();
    return current.isValid() ? model_->product(current.row()) : nullptr;
}

ProductSheet TfrmLabelSheet::sheet() const {
    const LabelProduct* product = selectedProduct();
    return product ? productSheetRows(*product, papers_) : ProductSheet{};
}

bool TfrmLabelSheet::selectProduct(const QString& name) {
    const LabelProduct* wanted = database_.find(name);
    for (int row = 0; wanted && row < model_->rowCount(); ++row)
        if (model_->product(row) == wanted) {
            lstProducts->selectRow(row);
            return true;
        }
    return false;
}

void TfrmLabelSheet::showDiscProducts(const QString& name) {
    edtSearch->clear();
    cmbCategory->setCurrentIndex(cmbCategory->findData(kDiscCategory));
    if (name.isEmpty() || selectProduct(name))
        return;
    cmbCategory->setCurrentIndex(cmbCategory->findData(QString()));
    selectProduct(name);
}

void TfrmLabelSheet::selectionChanged() {
    const LabelProduct* product = selectedProduct();
    pnlOutline->setProduct(product);
    btnOk->setEnabled(product != nullptr);
    if (!product) {
        lblInfo->setText(model_->rowCount() == 0 && !database_.products.isEmpty()
                             ? QStringLiteral("合う用紙がありません。")
                             : QString());
        return;
    }
    const ProductPaper paper = chooseProductPaper(*product, papers_);
    lblInfo->setText(describe(*product, paper) +
                     (paper.message.isEmpty() ? QString() : QLatin1Char('\n') + paper.message));
}

std::optional<QString> addRowsFromLabelSheet(TfrmLabelSheet& dialog, DialogAdapter& dialogs,
                                             const std::function<void(const LayoutItem&)>& addRow) {
    if (dialogs.execDialog(dialog) != QDialog::Accepted || !dialog.selectedProduct())
        return std::nullopt;
    const ProductSheet sheet = dialog.sheet();
    for (const LayoutItem& row : sheet.rows)
        addRow(row);
    return sheet.message;
}

} // namespace lccd
