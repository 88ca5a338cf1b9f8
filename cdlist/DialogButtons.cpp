#include "cdlist/DialogButtons.h"

#include "platform/NamedWidget.h"

#include <QBoxLayout>
#include <QPushButton>

namespace lccd {

void addOkCancelButtons(QDialog& dialog, QBoxLayout& layout) {
    auto* ok = named(new QPushButton(QStringLiteral("OK"), &dialog), "Button2");
    auto* cancel = named(new QPushButton(QStringLiteral("キャンセル"), &dialog), "Button1");
    ok->setDefault(true);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    row->addWidget(ok);
    row->addWidget(cancel);
    layout.addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
}

} // namespace lccd
