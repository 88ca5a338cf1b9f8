#pragma once

#include "layout/LayoutList.h"
#include "platform/Fonts.h"

#include <QDialog>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lccd {

class ColorComboBox;

// The item edit dialog: all seventeen fields of a layout row in typed controls.
class TfrmEditItem : public QDialog {
    Q_OBJECT

public:
    // programFolder: files chosen inside it are stored relative to it.
    // The face list offers the installed faces of fonts.
    TfrmEditItem(const QString& programFolder, FontSystem& fonts, QWidget* parent = nullptr);

    // Fills the dialog from the row, shows it, and on OK writes the controls back into the
    // row, its texts as a layout file holds them: control characters as blanks and in
    // Shift-JIS. When that loses characters the user is asked, and may go back to the dialog.
    // A color text the pickers cannot read stops it with an AppError before the dialog shows;
    // the row is then unchanged.
    void EditLayoutRow(LayoutList& list, int row);

private:
    void buildUi();
    void fillFrom(const LayoutItem& item);
    LayoutItem writtenBack(const LayoutItem& item) const;
    void selectAlignment(const QString& word, const QString& kind);
    void selectFace(const QString& faceField);
    QString selectedFace() const;
    void Button3Click(); // "..." beside the value: a picture or paragraph file
    void updateSample();

    FontSystem& fonts_;
    QString programFolder_;
    QString kind_;
    QString rememberedFallback_;
    int missingFaceEntry_ = -1; // the picker's entry for a face that is not installed

    QLabel* pnlKind = nullptr;
    QCheckBox* chkView = nullptr;
    QCheckBox* chkPrint = nullptr;
    QCheckBox* chkEdit = nullptr;
    QLineEdit* edtLeft = nullptr;
    QLineEdit* edtTop = nullptr;
    QLineEdit* edtWidth = nullptr;
    QLineEdit* edtheight = nullptr;
    QLineEdit* edtWidthEx = nullptr;
    QComboBox* FontComboBoxEx1 = nullptr;
    QDoubleSpinBox* spnFontSize = nullptr;
    QDoubleSpinBox* spnLineSpace = nullptr;
    QRadioButton* rdoTateoki = nullptr;
    QRadioButton* rdoYokooki = nullptr;
    QButtonGroup* alignments_ = nullptr;
    ColorComboBox* ColorComboBox1 = nullptr;
    ColorComboBox* ColorComboBox2 = nullptr;
    QLineEdit* edtValue = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Panel4 = nullptr;
};

} // namespace lccd
