#include "cdlist/EditItems.h"

#include "cdlist/DialogButtons.h"
#include "platform/NamedWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace lccd {
namespace {

QLineEdit* timeBox(const char* name, QWidget* parent) {
    auto* box = named(new QLineEdit(QStringLiteral("00"), parent), name);
    box->setFixedWidth(36);
    box->setAlignment(Qt::AlignRight);
    return box;
}

} // namespace

TfrmEditItems::TfrmEditItems(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmEditItems"));
    setWindowTitle(QStringLiteral("ID3タグ／演奏時間の編集"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    edtName = named(new QLineEdit(this), "edtName");
    edtPaformer = named(new QLineEdit(this), "edtPaformer");
    editAlubm = named(new QLineEdit(this), "editAlubm");
    edtComment = named(new QLineEdit(this), "edtComment");
    edtRelease = named(new QLineEdit(this), "edtRelease");
    cmbGenre = named(new QComboBox(this), "cmbGenre");
    form->addRow(QStringLiteral("曲　名"), edtName);
    form->addRow(QStringLiteral("演　者"), edtPaformer);
    form->addRow(QStringLiteral("アルバム"), editAlubm);
    form->addRow(QStringLiteral("コメント"), edtComment);
    form->addRow(QStringLiteral("ﾘﾘｰｽ年"), edtRelease);
    form->addRow(QStringLiteral("ジャンル"), cmbGenre);
    edtName->setMinimumWidth(320);
    layout->addLayout(form);

    auto* time = new QGroupBox(QStringLiteral(" 演奏時間"), this);
    auto* timeLayout = new QVBoxLayout(time);
    auto* boxes = new QHBoxLayout;
    edtHour = timeBox("edtHour", time);
    edtMin = timeBox("edtMin", time);
    edtSec = timeBox("edtSec", time);
    for (QLineEdit* box : {edtHour, edtMin, edtSec})
        boxes->addWidget(box);
    boxes->addStretch(1);
    timeLayout->addWidget(new QLabel(QStringLiteral("時　　 分 　　秒"), time));
    timeLayout->addLayout(boxes);
    layout->addWidget(time);
    addOkCancelButtons(*this, *layout);
}

void TfrmEditItems::setEdit(const SongEdit& edit, const QStringList& genres) {
    edtName->setText(edit.title);
    edtPaformer->setText(edit.performer);
    editAlubm->setText(edit.album);
    edtComment->setText(edit.comment);
    edtRelease->setText(edit.year);
    cmbGenre->clear();
    cmbGenre->addItems(genres);
    int selected = -1;
    for (int i = 0; i < genres.size() && selected < 0; ++i)
        if (genres[i].compare(edit.genre, Qt::CaseInsensitive) == 0)
            selected = i;
    cmbGenre->setCurrentIndex(selected);
    edtHour->setText(edit.hour);
    edtMin->setText(edit.minute);
    edtSec->setText(edit.second);
}

SongEdit TfrmEditItems::edit() const {
    SongEdit edit;
    edit.title = edtName->text();
    edit.performer = edtPaformer->text();
    edit.album = editAlubm->text();
    edit.comment = edtComment->text();
    edit.year = edtRelease->text();
    edit.genre = cmbGenre->currentIndex() >= 0 ? cmbGenre->currentText() : QString();
    edit.hour = edtHour->text();
    edit.minute = edtMin->text();
    edit.second = edtSec->text();
    return edit;
}

} // namespace lccd
