#include "cdlist/CheckWavFile.h"

#include "cdlist/DialogButtons.h"

#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lccd {

TfrmCheckWavFile::TfrmCheckWavFile(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCheckWavFile"));
    setWindowTitle(QStringLiteral("WAVファイルの確認"));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    for (int k = 0; k < 4; ++k) {
        times_[k] = new QLineEdit(QStringLiteral("00:00"), this);
        times_[k]->setObjectName(QStringLiteral("edtTime%1").arg(k + 1));
        times_[k]->setReadOnly(true);
        times_[k]->setFixedWidth(64);
        names_[k] = new QLineEdit(this);
        names_[k]->setObjectName(QStringLiteral("edtFilename%1").arg(k + 1));
        names_[k]->setReadOnly(true);
        names_[k]->setMinimumWidth(300);
        grid->addWidget(times_[k], k, 0);
        grid->addWidget(names_[k], k, 1);
    }
    layout->addLayout(grid);
    addOkCancelButtons(*this, *layout);
}

void TfrmCheckWavFile::setLines(const QList<WavCheckLine>& lines) {
    for (int k = 0; k < 4; ++k) {
        times_[k]->setText(k < lines.size() ? lines[k].time : QStringLiteral("00:00"));
        names_[k]->setText(k < lines.size() ? lines[k].fileName : QString());
    }
}

} // namespace lccd
