#include "cdlist/Option.h"

#include "cdlist/DialogButtons.h"
#include "cdlist/LevelChoice.h"
#include "platform/Dialogs.h"
#include "platform/NamedWidget.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lccd {

TfrmOption::TfrmOption(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOption"));
    setWindowTitle(QStringLiteral("オプション設定"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("ＣＤジャケット・テンプレート"), this));
    auto* templateRow = new QHBoxLayout;
    Edit1 = named(new QLineEdit(this), "Edit1");
    auto* browse = named(new QPushButton(QStringLiteral("..."), this), "Button3");
    browse->setFixedWidth(28);
    templateRow->addWidget(Edit1, 1);
    templateRow->addWidget(browse);
    layout->addLayout(templateRow);

    layout->addWidget(new QLabel(QStringLiteral("ディスクラベル用紙"), this));
    auto* productRow = new QHBoxLayout;
    edtLabelSheet = named(new QLineEdit(this), "edtLabelSheet");
    edtLabelSheet->setReadOnly(true);
    edtLabelSheet->setPlaceholderText(QStringLiteral("なし（テンプレートのまま）"));
    btnLabelSheet = named(new QPushButton(QStringLiteral("選ぶ..."), this), "btnLabelSheet");
    btnLabelSheet->setEnabled(false);
    btnNoLabelSheet = named(new QPushButton(QStringLiteral("なし"), this), "btnNoLabelSheet");
    productRow->addWidget(edtLabelSheet, 1);
    productRow->addWidget(btnLabelSheet);
    productRow->addWidget(btnNoLabelSheet);
    layout->addLayout(productRow);
    layout->addWidget(new QLabel(
        QStringLiteral("(選ぶと、テンプレートの表紙をその用紙の1枚目のディスクラベルに置く)"),
        this));
    chkEveryLabel =
        named(new QCheckBox(QStringLiteral("用紙のすべてのラベルに同じデザインを印刷する"), this),
              "chkEveryLabel");
    layout->addWidget(chkEveryLabel);

    chkNoCut = named(new QCheckBox(QStringLiteral("無分割"), this), "chkNoCut");
    layout->addWidget(chkNoCut);
    for (const QString& line :
         {QStringLiteral("(CUEファイルを書き出すときに、フォルダ内のWAVファイルを使う)"),
          QStringLiteral(
              "ライブなど曲で分割できないときとか、WAVファイルが曲名リストと一致していない"),
          QStringLiteral("場合に使用する")})
        layout->addWidget(new QLabel(line, this));
    CheckBox1 = named(new QCheckBox(QStringLiteral("CD作成時に、曲間のギャップを２秒間追加する"
                                                   "(ギャップを含むファイルでは不要)"),
                                    this),
                      "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("保存時に曲ファイルにID3タグを設定する"), this),
                      "CheckBox2");
    chkCdText =
        named(new QCheckBox(QStringLiteral("CD-TEXTファイル(.cdt)を書き出す"), this), "chkCdText");
    layout->addWidget(CheckBox1);
    layout->addWidget(CheckBox2);
    layout->addWidget(chkCdText);
    levelChoice = new LevelChoice(this);
    layout->addWidget(levelChoice);
    addOkCancelButtons(*this, *layout);
    connect(browse, &QPushButton::clicked, this,
            [this] { runGuarded([this] { Button3Click(); }); });
    connect(btnLabelSheet, &QPushButton::clicked, this,
            [this] { runGuarded([this] { btnLabelSheetClick(); }); });
    connect(btnNoLabelSheet, &QPushButton::clicked, edtLabelSheet, &QLineEdit::clear);
}

void TfrmOption::setOptions(const CdOptions& options) {
    Edit1->setText(options.templateName);
    edtLabelSheet->setText(options.labelProduct);
    chkNoCut->setChecked(options.noCut);
    CheckBox1->setChecked(options.addGap);
    CheckBox2->setChecked(options.setId3Tag);
    chkCdText->setChecked(options.writeCdText);
    chkEveryLabel->setChecked(options.everyLabel);
    levelChoice->setSettings(options.level);
}

CdOptions TfrmOption::options() const {
    return {Edit1->text(),
            chkNoCut->isChecked(),
            CheckBox1->isChecked(),
            CheckBox2->isChecked(),
            edtLabelSheet->text(),
            chkCdText->isChecked(),
            chkEveryLabel->isChecked(),
            levelChoice->settings()};
}

void TfrmOption::setLabelProductChooser(LabelProductChooser chooser) {
    chooseLabelProduct_ = std::move(chooser);
    btnLabelSheet->setEnabled(bool(chooseLabelProduct_));
}

void TfrmOption::Button3Click() {
    const std::optional<QString> chosen = dialogs().openFile(
        {QString(), QStringLiteral("テンプレート(*.lct)|*.lct|すべて(*.*)|*.*"), QString()});
    // Templates are always taken from the program's folder: only the name is kept.
    if (chosen)
        Edit1->setText(QFileInfo(*chosen).fileName());
}

void TfrmOption::btnLabelSheetClick() {
    if (const std::optional<QString> chosen = chooseLabelProduct_(this, edtLabelSheet->text()))
        edtLabelSheet->setText(*chosen);
}

} // namespace lccd
