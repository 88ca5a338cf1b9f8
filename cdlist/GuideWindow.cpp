#include "cdlist/GuideWindow.h"

#include "common/FileHelpers.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/FileIO.h"
#include "platform/NamedWidget.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace lccd {

void openGuide(DesktopShell& shell, const QString& path, QWidget* parent) {
    if (OpenWithAssociatedProgram(shell, path))
        return;
    const QByteArray bytes = readWholeFile(path);
    QDialog window(parent);
    window.setObjectName(QStringLiteral("frmGuide"));
    window.setWindowTitle(QFileInfo(path).fileName());
    auto* layout = new QVBoxLayout(&window);
    auto* text = named(new QPlainTextEdit(&window), "memGuide");
    text->setReadOnly(true);
    text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text->setPlainText(decodeText(withoutUtf8Bom(bytes), textEncodingOf(bytes)));
    layout->addWidget(text);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, &window);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &window, &QDialog::reject);
    layout->addWidget(buttons);
    window.resize(720, 560);
    dialogs().execDialog(window);
}

} // namespace lccd
