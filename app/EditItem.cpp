#include "app/EditItem.h"

#include "app/ColorComboBox.h"
#include "common/MyCommonW.h"
#include "common/Numbers.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/NamedWidget.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionComboBox>

namespace lccd {
namespace {

const QString kAlignWords =
    QStringLiteral("左寄せ■中心合せ■右寄せ■左右合せ拡張左右合せ■矩形■■角丸■■円");
const QString kDefaultFace = QStringLiteral("ＭＳ ゴシック");
// The picker shows a face that is not installed by its name with this mark; the entry's data
// holds the bare name.
const QString kNotInstalledMark = QStringLiteral("%1 (未インストール)");
constexpr int kFaceRole = Qt::UserRole + 1;
constexpr int kPickerWidth = 170;

// The alignment radio buttons: control name, caption, the word written, and where that word
// starts in the alignment word list.
struct AlignmentChoice {
    const char* control;
    const char* caption;
    const char* word;
    int position;
};

constexpr AlignmentChoice kAlignments[] = {
    {"rdoLeft", "左寄せ", "左寄せ", 1},
    {"rdoCenter", "中央合せ", "中心合せ", 5},
    {"rdoRight", "右寄せ", "右寄せ", 10},
    {"rdoJustify", "左右合せ", "左右合せ", 14},
    {"rdoJustifyEx", "左右合せEx", "拡張左右合せ", 18},
    {"rdoRectangle", "矩形", "矩形", 25},
    {"rdoRoundrect", "角丸矩形", "角丸", 29},
    {"rdoEllisp", "円形", "円", 33},
};
constexpr int kLeft = 0;
constexpr int kRectangle = 5;

// The fields the user types or picks as text.
constexpr Field kTypedFields[] = {Field::Left,   Field::Top,   Field::Width, Field::Height,
                                  Field::Width2, Field::Value, Field::Face};

const QString kLostCharactersQuestion =
    QStringLiteral("次の文字は保存できないため「?」になります: %1\n"
                   "このまま確定しますか?（キャンセルで編集に戻ります）");

// The row as a layout file will hold it: its typed texts in Shift-JIS.
LayoutItem inSjis(LayoutItem row) {
    for (Field field : kTypedFields)
        row.setField(field, fromSjis(toSjis(row.field(field))));
    return row;
}

QString oneDecimal(double value) {
    return QString::asprintf("%3.1f", value).trimmed();
}

// Shows its value without trailing zeros ("9", "13.5", "0.25") and takes at most three typed
// characters; a value it is given, or reaches by its arrows, still shows whole.
class DecimalSpinBox : public QDoubleSpinBox {
public:
    using QDoubleSpinBox::QDoubleSpinBox;
    QString textFromValue(double value) const override { return QString::number(value, 'g', 6); }
    QValidator::State validate(QString& input, int& pos) const override {
        if (input.size() > kMaxTypedCharacters && input != textFromValue(value()))
            return QValidator::Invalid;
        return QDoubleSpinBox::validate(input, pos);
    }

private:
    static constexpr int kMaxTypedCharacters = 3;
};

QDoubleSpinBox* decimalSpin(const char* name, double minimum, double value, QWidget* parent) {
    auto* spin = named(new DecimalSpinBox(parent), name);
    spin->setRange(minimum, 150);
    spin->setSingleStep(0.5);
    spin->setDecimals(2);
    spin->setValue(value);
    return spin;
}

} // namespace

TfrmEditItem::TfrmEditItem(const QString& programFolder, FontSystem& fonts, QWidget* parent)
    : QDialog(parent, Qt::Tool), fonts_(fonts), programFolder_(programFolder) {
    setObjectName(QStringLiteral("frmEditItem"));
    setWindowTitle(QStringLiteral("項目編集"));
    QFont dialogFont(QStringLiteral("ＭＳ Ｐゴシック"));
    dialogFont.setPixelSize(12);
    setFont(dialogFont);
    buildUi();
    resize(587, 236);
}

void TfrmEditItem::buildUi() {
    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);

    pnlKind = named(new QLabel(this), "pnlKind");
    QFont bold = pnlKind->font();
    bold.setBold(true);
    pnlKind->setFont(bold);
    pnlKind->setFrameShape(QFrame::Panel);
    pnlKind->setFrameShadow(QFrame::Sunken);
    pnlKind->setAlignment(Qt::AlignCenter);
    pnlKind->setMinimumWidth(80);
    chkView = named(new QCheckBox(QStringLiteral("表示"), this), "chkView");
    chkPrint = named(new QCheckBox(QStringLiteral("印刷"), this), "chkPrint");
    chkEdit = named(new QCheckBox(QStringLiteral("編集"), this), "chkEdit");
    auto* top = new QHBoxLayout;
    for (QWidget* widget : {static_cast<QWidget*>(pnlKind), static_cast<QWidget*>(chkView),
                            static_cast<QWidget*>(chkPrint), static_cast<QWidget*>(chkEdit)})
        top->addWidget(widget);
    struct Box {
        QLineEdit*& edit;
        const char* name;
        const char* caption;
    };
    for (const Box& box : {Box{edtLeft, "edtLeft", "左"}, Box{edtTop, "edtTop", "上"},
                           Box{edtWidth, "edtWidth", "幅"}, Box{edtheight, "edtheight", "高"},
                           Box{edtWidthEx, "edtWidthEx", "幅Ex"}}) {
        top->addWidget(new QLabel(QString::fromUtf8(box.caption), this));
        box.edit = named(new QLineEdit(this), box.name);
        box.edit->setFixedWidth(48);
        top->addWidget(box.edit);
    }
    top->addStretch(1);
    grid->addLayout(top, 0, 0, 1, 5);

    grid->addWidget(
        new QLabel(
            QStringLiteral("フォント名                    サイズ(Point)  行間(Point)[文章時]  "
                           "描画方向          カラー"),
            this),
        1, 0, 1, 5);
    FontComboBoxEx1 = named(new QComboBox(this), "FontComboBoxEx1");
    for (const InstalledFace& face : fonts_.installedFaces()) {
        FontComboBoxEx1->addItem(face.name, face.charset);
        FontComboBoxEx1->setItemData(FontComboBoxEx1->count() - 1, face.name, kFaceRole);
    }
    FontComboBoxEx1->setMinimumWidth(kPickerWidth);
    spnFontSize = decimalSpin("spnFontSize", 0.25, 9, this);
    spnLineSpace = decimalSpin("spnLineSpace", 3, 13.5, this);
    rdoTateoki = named(new QRadioButton(QStringLiteral("縦置き"), this), "rdoTateoki");
    rdoYokooki = named(new QRadioButton(QStringLiteral("横置き"), this), "rdoYokooki");
    auto* orientation = new QButtonGroup(this);
    orientation->addButton(rdoTateoki);
    orientation->addButton(rdoYokooki);
    auto* direction = new QVBoxLayout;
    direction->addWidget(rdoTateoki);
    direction->addWidget(rdoYokooki);
    ColorComboBox1 = named(new ColorComboBox(kColorBlack, this), "ColorComboBox1");
    ColorComboBox2 = named(new ColorComboBox(kColorWhite, this), "ColorComboBox2");
    auto* colors = new QGridLayout;
    colors->addWidget(new QLabel(QStringLiteral("線色"), this), 0, 0);
    colors->addWidget(ColorComboBox1, 0, 1);
    colors->addWidget(new QLabel(QStringLiteral("背色"), this), 1, 0);
    colors->addWidget(ColorComboBox2, 1, 1);
    grid->addWidget(FontComboBoxEx1, 2, 0, Qt::AlignTop);
    grid->addWidget(spnFontSize, 2, 1, Qt::AlignTop);
    grid->addWidget(spnLineSpace, 2, 2, Qt::AlignTop);
    grid->addLayout(direction, 2, 3);
    grid->addLayout(colors, 2, 4);

    alignments_ = new QButtonGroup(this);
    auto* alignmentRow = new QHBoxLayout;
    for (int i = 0; i < int(std::size(kAlignments)); ++i) {
        auto* button = new QRadioButton(QString::fromUtf8(kAlignments[i].caption), this);
        button->setObjectName(QString::fromLatin1(kAlignments[i].control));
        alignments_->addButton(button, i);
        alignmentRow->addWidget(button);
    }
    alignmentRow->addStretch(1);
    grid->addLayout(alignmentRow, 3, 0, 1, 5);

    edtValue = named(new QLineEdit(this), "edtValue");
    Button3 = named(new QPushButton(QStringLiteral("..."), this), "Button3");
    Button3->setFixedWidth(28);
    auto* valueRow = new QHBoxLayout;
    valueRow->addWidget(new QLabel(QStringLiteral("値"), this));
    valueRow->addWidget(edtValue, 1);
    valueRow->addWidget(Button3);
    grid->addLayout(valueRow, 4, 0, 1, 5);

    Panel4 = named(new QLabel(this), "Panel4");
    Panel4->setAutoFillBackground(true);
    Panel4->setFrameShape(QFrame::Panel);
    Panel4->setFrameShadow(QFrame::Sunken);
    Panel4->setMinimumHeight(28);
    auto* ok = named(new QPushButton(QStringLiteral("OK"), this), "Button2");
    auto* cancel = named(new QPushButton(QStringLiteral("キャンセル"), this), "Button1");
    ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(new QLabel(QStringLiteral("見本"), this));
    bottom->addWidget(Panel4, 1);
    bottom->addWidget(ok);
    bottom->addWidget(cancel);
    grid->addLayout(bottom, 5, 0, 1, 5);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this,
            [this] { runGuarded([this] { Button3Click(); }); });
    connect(FontComboBoxEx1, &QComboBox::currentIndexChanged, this, &TfrmEditItem::updateSample);
    connect(ColorComboBox1, &ColorComboBox::colorChanged, this, &TfrmEditItem::updateSample);
    connect(ColorComboBox2, &ColorComboBox::colorChanged, this, &TfrmEditItem::updateSample);
}

void TfrmEditItem::EditLayoutRow(LayoutList& list, int row) {
    if (row < 0 || row >= list.count())
        return;
    const LayoutItem item = list.item(row);
    fillFrom(item);
    for (;;) {
        if (dialogs().execDialog(*this) != QDialog::Accepted)
            return;
        const LayoutItem written = writtenBack(item);
        QStringList lost;
        for (Field field : kTypedFields)
            for (const QString& character : charactersOutsideSjis(written.field(field)))
                if (!lost.contains(character))
                    lost.append(character);
        if (lost.isEmpty() ||
            dialogs().messageBox(kLostCharactersQuestion.arg(lost.join(u' ')), windowTitle(),
                                 MessageBoxType::OkCancel | MessageBoxType::IconWarning) ==
                DialogResult::Ok) {
            list.setItem(row, inSjis(written));
            return;
        }
    }
}

void TfrmEditItem::fillFrom(const LayoutItem& item) {
    // The fields as the row line reads back, as a layout file would give them.
    const LayoutItem fields = LayoutItem::fromRowLine(item.toRowLine());
    // The colors are read first: a text the pickers cannot read stops before anything shows.
    const ColorValue lineColor = pickerColorFromText(fields.field(Field::TextColor), kColorBlack);
    const ColorValue backColor = pickerColorFromText(fields.field(Field::FillColor), kColorWhite);

    kind_ = fields.field(Field::Id);
    pnlKind->setText(kind_);
    chkView->setChecked(isYes(fields.field(Field::Screen)));
    chkPrint->setChecked(isYes(fields.field(Field::Print)));
    chkEdit->setChecked(isYes(fields.field(Field::Edit)));
    edtLeft->setText(fields.field(Field::Left));
    edtTop->setText(fields.field(Field::Top));
    edtWidth->setText(fields.field(Field::Width));
    edtheight->setText(fields.field(Field::Height));
    edtWidthEx->setText(fields.field(Field::Width2));
    selectAlignment(fields.field(Field::Align), kind_);
    (isYes(fields.field(Field::Vertical)) ? rdoTateoki : rdoYokooki)->setChecked(true);
    spnLineSpace->setValue(parseDecimal(fields.field(Field::LineSpacing)).value_or(13.5));
    edtValue->setText(StripQuotesW(fields.field(Field::Value)));
    spnFontSize->setValue(parseDecimal(fields.field(Field::Size)).value_or(9));
    selectFace(fields.field(Field::Face));
    ColorComboBox1->setColorValue(lineColor);
    ColorComboBox2->setColorValue(backColor);

    Panel4->setText(fields.field(Field::Value));
    QFont sample = Panel4->font();
    sample.setFamily(fields.field(Field::Face));
    Panel4->setFont(sample);
    updateSample();
}

void TfrmEditItem::selectAlignment(const QString& word, const QString& kind) {
    const int position = PosW(word, kAlignWords);
    int choice = kind == kindWord(ItemKind::Rectangle) ? kRectangle : kLeft;
    for (int i = 0; i < int(std::size(kAlignments)); ++i)
        if (kAlignments[i].position == position)
            choice = i;
    alignments_->button(choice)->setChecked(true);
}

void TfrmEditItem::selectFace(const QString& faceField) {
    if (missingFaceEntry_ >= 0) {
        FontComboBoxEx1->removeItem(missingFaceEntry_);
        FontComboBoxEx1->setMinimumWidth(kPickerWidth);
        missingFaceEntry_ = -1;
    }
    QString face = faceField;
    QString fallback = kDefaultFace;
    if (const qsizetype bar = faceField.indexOf(QLatin1Char('|')); bar >= 0) {
        face = faceField.left(bar);
        fallback = faceField.mid(bar + 1);
    }
    rememberedFallback_ = fallback;
    if (FaceCharset(fonts_, face) != Charset::NotInstalled) {
        FontComboBoxEx1->setCurrentText(face);
    } else if (!face.isEmpty()) {
        // A face this desktop lacks stays the row's face: the picker shows it marked, and only
        // a face the user picks replaces it.
        missingFaceEntry_ = 0;
        const QString entry = kNotInstalledMark.arg(face);
        FontComboBoxEx1->insertItem(missingFaceEntry_, entry);
        FontComboBoxEx1->setItemData(missingFaceEntry_, face, kFaceRole);
        FontComboBoxEx1->setCurrentIndex(missingFaceEntry_);
        // wide enough to show the name with its mark
        QStyleOptionComboBox option;
        option.initFrom(FontComboBoxEx1);
        const QSize text(FontComboBoxEx1->fontMetrics().horizontalAdvance(entry),
                         FontComboBoxEx1->fontMetrics().height());
        FontComboBoxEx1->setMinimumWidth(
            qMax(kPickerWidth,
                 FontComboBoxEx1->style()
                     ->sizeFromContents(QStyle::CT_ComboBox, &option, text, FontComboBoxEx1)
                     .width()));
    } else if (FaceCharset(fonts_, fallback) != Charset::NotInstalled) {
        FontComboBoxEx1->setCurrentText(fallback);
        rememberedFallback_ = face;
    }
}

QString TfrmEditItem::selectedFace() const {
    return FontComboBoxEx1->currentData(kFaceRole).toString();
}

LayoutItem TfrmEditItem::writtenBack(const LayoutItem& item) const {
    LayoutItem row = item;
    row.setField(Field::Screen, yesNo(chkView->isChecked()));
    row.setField(Field::Print, yesNo(chkPrint->isChecked()));
    row.setField(Field::Edit, yesNo(chkEdit->isChecked()));
    row.setField(Field::Left, blankControlCharacters(edtLeft->text()));
    row.setField(Field::Top, blankControlCharacters(edtTop->text()));
    row.setField(Field::Width, blankControlCharacters(edtWidth->text()));
    row.setField(Field::Height, blankControlCharacters(edtheight->text()));
    row.setField(Field::Width2, blankControlCharacters(edtWidthEx->text()));
    const int checked = alignments_->checkedId();
    const int choice =
        checked >= 0 ? checked : (kind_ == kindWord(ItemKind::Rectangle) ? kRectangle : kLeft);
    row.setField(Field::Align, QString::fromUtf8(kAlignments[choice].word));
    row.setField(Field::Vertical, yesNo(rdoTateoki->isChecked()));
    row.setField(Field::LineSpacing, oneDecimal(spnLineSpace->value()));
    row.setField(Field::Value, blankControlCharacters(edtValue->text()));
    row.setField(Field::Size, oneDecimal(spnFontSize->value()));
    const QString face = selectedFace();
    row.setField(Field::Face, face != kDefaultFace && face != rememberedFallback_
                                  ? face + QLatin1Char('|') + rememberedFallback_
                                  : face);
    auto colorText = [](const ColorComboBox* picker) {
        const std::optional<ColorValue> color = picker->colorValue();
        return color ? colorToText(*color) : QStringLiteral("clNone");
    };
    row.setField(Field::TextColor, colorText(ColorComboBox1));
    row.setField(Field::FillColor, colorText(ColorComboBox2));
    return row;
}

void TfrmEditItem::Button3Click() {
    const bool image = kind_ == kindWord(ItemKind::Image);
    if (!image && kind_ != kindWord(ItemKind::Paragraph))
        return;
    FileDialogRequest request;
    request.startPath = edtValue->text();
    std::optional<QString> chosen;
    if (image) {
        request.filter = QStringLiteral("画像(*.png;*.eps;*.tif;*.tiff;*.dib;*.jpeg;*.jpg;*.emf;*."
                                        "wmf;*.ico;*.bmp;*.gif)|*.png;*.eps;"
                                        "*.tif;*.tiff;*.dib;*.jpeg;*.jpg;*.emf;*.wmf;*.ico;*.bmp;*."
                                        "gif|PNG(*.png)|*.png|Paintshop(*."
                                        "psp)|*.psp|TIF(*.tif;*.tiff)|*.tif;*.tiff|"
                                        "DeviceIndependantBitmaps(*.dib)|*.dib|JPEG(*."
                                        "jpeg;*.jpg)|*.jpeg;*jpg|WindowsEnhancedMeta(*.emf;*wmf)|*."
                                        "emf;*.wmf|WindowsIcons(*.ico)|*"
                                        ".ico|WindowsBitmaps(*.bmp)|*.bmp|GIF-Format(*.gif)|*.gif");
        chosen = dialogs().openPicture(request);
    } else {
        request.filter = QStringLiteral("文章(*.txt)|*.txt|すべて(*.*)|*.*");
        chosen = dialogs().openFile(request);
    }
    if (!chosen)
        return;
    const QString folder = QDir(programFolder_).absolutePath() + QLatin1Char('/');
    if (chosen->startsWith(folder, Qt::CaseInsensitive))
        edtValue->setText(chosen->mid(folder.size()).left(255));
    else
        edtValue->setText(*chosen);
}

void TfrmEditItem::updateSample() {
    QPalette palette = Panel4->palette();
    palette.setColor(QPalette::WindowText,
                     toQColor(ColorComboBox1->colorValue().value_or(kColorBlack)));
    palette.setColor(QPalette::Window,
                     toQColor(ColorComboBox2->colorValue().value_or(kColorWhite)));
    Panel4->setPalette(palette);
    if (sender() == FontComboBoxEx1) {
        QFont sample = Panel4->font();
        sample.setFamily(selectedFace());
        Panel4->setFont(sample);
    }
}

} // namespace lccd
