#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace lccd {

// The options the CD list editor works with.
struct CdListOptions {
    QString templateName;
    bool noCut = false;
    bool addGap = false;
    bool setId3Tag = false;
};

// The options dialog: the label template, unsplit mode, the CUE gaps and tag writing on save.
class TfrmOption : public QDialog {
    Q_OBJECT

public:
    explicit TfrmOption(QWidget* parent = nullptr);

    // The boxes show the options (so Cancel, which changes nothing, leaves them as shown next
    // time too).
    void setOptions(const CdListOptions& options);
    CdListOptions options() const;

private:
    void Button3Click();

    QLineEdit* Edit1 = nullptr;
    QCheckBox* chkNoCut = nullptr;
    QCheckBox* CheckBox1 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
};

} // namespace lccd
