#pragma once

#include "disc/CdOptions.h"

#include <QDialog>

#include <functional>
#include <optional>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace lccd {

class LevelChoice;

// Lets the user choose a label product, starting from the current one (empty for none); gives
// the name chosen, or nothing when the user cancels.
using LabelProductChooser =
    std::function<std::optional<QString>(QWidget* parent, const QString& current)>;

// The options dialog: the label template and the label product the disc label goes on, unsplit
// mode, the CUE gaps, tag writing on save, the CD-TEXT file and the loudness levelling.
class TfrmOption : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOption(QWidget* parent = nullptr);

    // The boxes show the options (so Cancel, which changes nothing, leaves them as shown next
    // time too).
    void setOptions(const CdOptions& options);
    CdOptions options() const;
    // What the product button opens; without one, no product can be chosen.
    void setLabelProductChooser(LabelProductChooser chooser);

private:
    void Button3Click(); // "..." beside the template box
    void btnLabelSheetClick();

    LabelProductChooser chooseLabelProduct_;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* edtLabelSheet = nullptr;
    QPushButton* btnLabelSheet = nullptr;
    QPushButton* btnNoLabelSheet = nullptr;
    QCheckBox* chkNoCut = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QCheckBox* chkCdText = nullptr;
    QCheckBox* chkEveryLabel = nullptr;
    LevelChoice* levelChoice = nullptr;
};

} // namespace lccd
