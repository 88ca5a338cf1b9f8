#include "platform/adapters/QtDialogs.h"

#include "platform/adapters/QtPrinters.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QGridLayout>
#include <QImageReader>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>

namespace lccd {

namespace {

QMessageBox::Icon iconOf(int type) {
    switch (type & MessageBoxType::IconMask) {
    case MessageBoxType::IconError:
        return QMessageBox::Critical;
    case MessageBoxType::IconQuestion:
        return QMessageBox::Question;
    case MessageBoxType::IconWarning:
        return QMessageBox::Warning;
    case MessageBoxType::IconInformation:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

struct ButtonSet {
    QMessageBox::StandardButtons buttons;
    QMessageBox::StandardButton escape;
};

ButtonSet buttonsOf(int type) {
    switch (type & MessageBoxType::ButtonMask) {
    case MessageBoxType::OkCancel:
        return {QMessageBox::Ok | QMessageBox::Cancel, QMessageBox::Cancel};
    case MessageBoxType::YesNoCancel:
        return {QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel};
    case MessageBoxType::YesNo:
        return {QMessageBox::Yes | QMessageBox::No, QMessageBox::No};
    default:
        return {QMessageBox::Ok, QMessageBox::Ok};
    }
}

int resultOf(int button) {
    switch (button) {
    case QMessageBox::Ok:
        return DialogResult::Ok;
    case QMessageBox::Yes:
        return DialogResult::Yes;
    case QMessageBox::No:
        return DialogResult::No;
    default:
        return DialogResult::Cancel;
    }
}

void prepare(QFileDialog& dialog, const FileDialogRequest& request) {
    if (!request.title.isEmpty())
        dialog.setWindowTitle(request.title);
    if (!request.filter.isEmpty()) {
        dialog.setOption(QFileDialog::HideNameFilterDetails);
        dialog.setNameFilters(qtNameFilters(request.filter));
    }
    const QFileInfo start(request.startPath);
    if (start.isDir()) {
        dialog.setDirectory(start.absoluteFilePath());
    } else if (!request.startPath.isEmpty()) {
        dialog.setDirectory(start.absolutePath());
        dialog.selectFile(start.fileName());
    }
}

std::optional<QString> run(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// A picture preview beside the file list of a (Qt-drawn) file dialog.
void addPicturePreview(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    auto* preview = new QLabel(&dialog);
    preview->setObjectName(QStringLiteral("picturePreview"));
    preview->setFixedSize(200, 200);
    preview->setAlignment(Qt::AlignCenter);
    preview->setFrameShape(QFrame::StyledPanel);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog.layout()))
        grid->addWidget(preview, 0, grid->columnCount(), grid->rowCount(), 1);
    QObject::connect(
        &dialog, &QFileDialog::currentChanged, preview, [preview](const QString& path) {
            QImageReader reader(path);
            reader.setAutoTransform(true);
            const QSize size = reader.size();
            if (size.isValid())
                reader.setScaledSize(size.scaled(preview->size(), Qt::KeepAspectRatio));
            preview->setPixmap(QPixmap::fromImage(reader.read()));
        });
}

} // namespace

int QtDialogs::messageBox(const QString& text, const QString& caption, int type) {
    const ButtonSet set = buttonsOf(type);
    QMessageBox box(iconOf(type), caption, text, set.buttons, QApplication::activeWindow());
    box.setEscapeButton(set.escape);
    return resultOf(box.exec());
}

std::optional<QString> QtDialogs::openFile(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    return run(dialog);
}

std::optional<QString> QtDialogs::saveFile(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    prepare(dialog, request);
    return run(dialog);
}

std::optional<QString> QtDialogs::openPicture(const FileDialogRequest& request) {
    QFileDialog dialog(QApplication::activeWindow());
    dialog.setFileMode(QFileDialog::ExistingFile);
    prepare(dialog, request);
    addPicturePreview(dialog);
    return run(dialog);
}

std::optional<QString> QtDialogs::browseFolder(const QString& prompt, const QString& startFolder) {
    const QString folder =
        QFileDialog::getExistingDirectory(QApplication::activeWindow(), prompt, startFolder);
    if (folder.isEmpty())
        return std::nullopt;
    return folder;
}

bool QtDialogs::printSetup(PrinterSystem& printers) {
    auto* qtPrinters = dynamic_cast<QtPrinterSystem*>(&printers);
    return qtPrinters && qtPrinters->runSetupDialog(QApplication::activeWindow());
}

std::optional<int> QtDialogs::askNumber(const QString& caption, const QString& label, int value,
                                        int minimum, int maximum) {
    bool ok = false;
    const int number = QInputDialog::getInt(QApplication::activeWindow(), caption, label, value,
                                            minimum, maximum, 1, &ok);
    if (!ok)
        return std::nullopt;
    return number;
}

std::optional<QColor> QtDialogs::chooseColor(const QColor& initial) {
    const QColor chosen = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

int QtDialogs::execDialog(QDialog& dialog) {
    return dialog.exec();
}

} // namespace lccd
