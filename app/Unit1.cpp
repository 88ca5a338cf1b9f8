#include "app/Unit1.h"

#include "app/EditItem.h"
#include "app/LayoutListView.h"
#include "app/PrinterPanel.h"
#include "app/UiFont.h"
#include "app/Version.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/EditCdList.h"
#include "cdlist/EditItems.h"
#include "cdlist/GuideWindow.h"
#include "cdlist/Option.h"
#include "common/FileHelpers.h"
#include "disc/DemoJacket.h"
#include "layout/LayoutFile.h"
#include "layout/LayoutIniStore.h"
#include "layout/ListCommands.h"
#include "platform/AppError.h"
#include "platform/ApplicationTitle.h"
#include "platform/CodePage.h"
#include "platform/Dialogs.h"
#include "platform/Fonts.h"
#include "platform/Printer.h"
#include "render/LcPrnPrev.h"
#include "render/LoadedSettingsRow.h"
#include "render/PageExport.h"
#include "render/PreviewEditing.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>
#include <QUrl>
#include <QWheelEvent>

namespace lccd {

TForm1::TForm1(const ProgramPaths& paths, const Services& services, QWidget* parent)
    : QMainWindow(parent), paths_(paths), services_(services),
      surface_(services_.printers, services_.fonts),
      document_(surface_, static_cast<DrawingPassObserver&>(*this)) {
    useJapaneseUiFont(services_.fonts);
    buildUi();
    surface_.onChanged = [this] { LcPrnPrev1->sheetChanged(); };
    document_.setProgramFolder(paths_.programFolder());
    frmEditItem_ = new TfrmEditItem(paths_.programFolder(), services_.fonts, this);
    frmVersion_ = new TfrmVersion(services_.shell, this);
    auto* editItems = new TfrmEditItems(this);
    auto* options = new TfrmOption(this);
    auto* checkWavFile = new TfrmCheckWavFile(this);
    frmEditCdList_ =
        new TfrmEditCdList(paths_, *editItems, *options, *checkWavFile, services_, this);
    connectLabelProducts(*options);
    connectCommands();
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
    qApp->removeEventFilter(this);
    // The children go after this window: what they tell as they go is no longer heard.
    undoStack_->disconnect(this);
    document_.rows().disconnect(this);
    TntListView1->selectionModel()->disconnect(this);
    LcPrnPrev1->setEditing(nullptr);
}

void TForm1::FormDestroy() {
    // The settings are written as the window goes.
    command([this] { SaveSettings(paths_.iniPath, settingsFromWindow()); });
}

void TForm1::command(const std::function<void()>& work) {
    runGuarded(work);
}

void TForm1::connectCommands() {
    auto on = [this](const char* name, void (TForm1::*slot)()) {
        QAction* entry = findChild<QAction*>(QString::fromLatin1(name));
        connect(entry, &QAction::triggered, this,
                [this, slot] { command([=, this] { (this->*slot)(); }); });
    };
    on("CSVO1", &TForm1::CSVO1Click);
    on("Close1", &TForm1::Close1Click);
    on("INIQ1", &TForm1::INIQ1Click);
    on("INIS1", &TForm1::INIS1Click);
    on("CSVV1", &TForm1::CSVV1Click);
    on("Save1", &TForm1::saveClick);
    on("Export1", &TForm1::exportSheetClick);
    on("C1", &TForm1::C1Click);
    on("Print1", &TForm1::Print1Click);
    on("R1", &TForm1::R1Click);
    on("N7", &TForm1::N7Click);
    on("H1", &TForm1::H1Click);
    on("V2", &TForm1::V2Click);
    on("CDT1", &TForm1::CDT1Click);
    on("L1", &TForm1::labelSheetClick);
    on("K2", &TForm1::calibrationSheetClick);
    on("E1", &TForm1::E1Click);
    on("C2", &TForm1::C2Click);
    on("V3", &TForm1::V3Click);
    on("U1", &TForm1::U1Click);
    on("D1", &TForm1::D1Click);
    on("X1", &TForm1::X1Click);
    const std::pair<const char*, SampleRow> samples[] = {
        {"N3", SampleRow::Text},      {"B1", SampleRow::Paragraph}, {"G1", SampleRow::Image},
        {"K1", SampleRow::Rectangle}, {"S1", SampleRow::RuleLine},  {"P1", SampleRow::Barcode},
        {"A1", SampleRow::Settings}};
    for (const auto& entry : samples) {
        const SampleRow sample = entry.second;
        connect(findChild<QAction*>(QString::fromLatin1(entry.first)), &QAction::triggered, this,
                [this, sample] { command([=, this] { addSampleRow(sample); }); });
    }
    connect(findChild<QAction*>(QStringLiteral("Exit1")), &QAction::triggered, this,
            &QWidget::close);

    connect(Button1, &QPushButton::clicked, this, [this] { command([this] { Button1Click(); }); });
    connect(Button2, &QPushButton::clicked, this, [this] { command([this] { Button2Click(); }); });
    connect(Button3, &QPushButton::clicked, this, &QWidget::close);
    connect(GaugeBar1, &QSlider::valueChanged, this, &TForm1::GaugeBar1Change);
    connect(edtPrevXZoom, &QLineEdit::editingFinished, this, &TForm1::zoomBoxEdited);
    const std::pair<const char*, int> zooms[] = {{"ZoomIn1", 10}, {"ZoomOut1", -10}};
    for (const auto& [name, step] : zooms)
        connect(findChild<QAction*>(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, step = step] { zoomBy(step); });
    connect(findChild<QAction*>(QStringLiteral("Zoom1001")), &QAction::triggered, this,
            [this] { GaugeBar1->setValue(100); });
    // The offsets move the page at once.
    connect(spnHoseiX, &QSpinBox::valueChanged, this, [this](int units) {
        document_.setCorrectionX(units);
        requestRedraw(true);
    });
    connect(spnHoseiY, &QSpinBox::valueChanged, this, [this](int units) {
        document_.setCorrectionY(units);
        requestRedraw(true);
    });
    connect(spnMaisu, &QSpinBox::valueChanged, this,
            [this](int copies) { document_.setCopies(copies); });
    // The paper and orientation shown are those the next pass draws on.
    connect(ComboBox1, &QComboBox::currentIndexChanged, this,
            [this](int index) { document_.setSelectedPaperIndex(index); });
    connect(rdoTateoki, &QRadioButton::toggled, this,
            [this](bool portrait) { document_.setPortrait(portrait); });
    connect(ComboBox1, &QComboBox::activated, this,
            [this] { command([this] { ComboBox1Change(); }); });
    for (QRadioButton* button : {rdoTateoki, rdoYokooki})
        connect(button, &QRadioButton::clicked, this,
                [this] { command([this] { rdoTateokiClick(); }); });
    connect(undoAction_, &QAction::triggered, undoStack_, &QUndoStack::undo);
    connect(redoAction_, &QAction::triggered, undoStack_, &QUndoStack::redo);
    auto showSteps = [this] {
        const QString undo = undoStack_->undoText();
        const QString redo = undoStack_->redoText();
        undoAction_->setText(undo.isEmpty() ? QStringLiteral("元に戻す(&Z)")
                                            : QStringLiteral("「%1」を元に戻す(&Z)").arg(undo));
        redoAction_->setText(redo.isEmpty() ? QStringLiteral("やり直し(&Y)")
                                            : QStringLiteral("「%1」をやり直す(&Y)").arg(redo));
        undoAction_->setEnabled(undoStack_->canUndo());
        redoAction_->setEnabled(undoStack_->canRedo());
    };
    connect(undoStack_, &QUndoStack::indexChanged, this, showSteps);
    connect(undoStack_, &QUndoStack::cleanChanged, this, showSteps);
    showSteps();
    editor_->rowTouched = [this](int row) {
        if (row >= 0)
            selectRow(row);
        else
            TntListView1->clearSelection();
    };

    // Every change of the rows redraws the preview and may mark the title.
    const LayoutList* rows = &document_.rows();
    connect(rows, &LayoutList::rowsInserted, this, &TForm1::listChanged);
    connect(rows, &LayoutList::rowsRemoved, this, &TForm1::listChanged);
    connect(rows, &LayoutList::rowsMoved, this, &TForm1::listChanged);
    connect(rows, &LayoutList::dataChanged, this, &TForm1::listChanged);
    connect(rows, &LayoutList::modelReset, this, &TForm1::listChanged);
    connect(rows, &LayoutList::printTicked, this, [this](int row, const LayoutItem& before) {
        editor_->recordChangedRow(row, before, ListStep::Print);
    });
    connect(TntListView1, &LayoutListView::editRequested, this,
            [this](int row) { command([=, this] { editRow(row); }); });
    connect(TntListView1, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex& at) {
        // A double click on the check box or icon only ticks.
        if (at.column() == 0 && doubleClickX_ < labelLeft(at))
            return;
        command([=, this] { editRow(at.row()); });
    });
    connect(TntListView1, &LayoutListView::moveRequested, this,
            [this](int from, int before) { command([=, this] { dropRow(from, before); }); });
    // A click on the preview selects the row in the list, and the list's selection shows on
    // the preview.
    previewEditing_ = std::make_unique<PreviewEditing>(*editor_, surface_);
    LcPrnPrev1->setEditing(previewEditing_.get());
    previewEditing_->rowChosen = [this](int row) {
        if (row >= 0)
            selectRow(row);
        else
            TntListView1->clearSelection();
    };
    previewEditing_->overlayChanged = [this] { LcPrnPrev1->update(); };
    connect(TntListView1->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { previewEditing_->select(selectedRow()); });
    qApp->installEventFilter(this);
}

void TForm1::FormCreate() {
    const QFileInfo program(paths_.programPath);
    const QString mht = program.absolutePath() + QLatin1Char('/') + program.completeBaseName() +
                        QLatin1String(".mht");
    helpPath_ = QFileInfo::exists(mht) ? mht : paths_.programFile(QStringLiteral("readme.txt"));
    if (!QFileInfo::exists(paths_.iniPath)) {
        command([this] {
            createIniFile(paths_.iniPath);
            // A first start opens with a label to look at, wherever the program is installed.
            storeDemoJacket(paths_.iniPath);
            dialogs().messageBox(
                QStringLiteral("The program created \"%1\" file.").arg(paths_.iniPath),
                applicationTitle(), MessageBoxType::Ok | MessageBoxType::IconInformation);
        });
        centreOnFirstShow_ = true;
    }
    GaugeBar1->setValue(75);
    GaugeBar1Change(75);
    command([this] { settings_ = LoadSettings(paths_.iniPath); });
    applySettingsToWindow();
    GaugeBar1->setValue(settings_.zoom);
    command([this] { RefreshPrinterInfo(); });
    command([this] { loadLayoutFromIni(); });
    setListOrigin(ListOrigin::Ini);
    // The window's own start draws at its first showing.
    redrawPending_ = false;
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (shown_)
        return;
    shown_ = true;
    // A window manager may tell the frame only once the window is on screen: then the size is
    // applied again when the window is first activated.
    frameSizePending_ = !applyFrameSize();
    if (centreOnFirstShow_ && screen())
        move(screen()->availableGeometry().center() - frameGeometry().center() + pos());
    FormShow();
}

bool TForm1::event(QEvent* event) {
    if (frameSizePending_ && event->type() == QEvent::WindowActivate) {
        frameSizePending_ = false;
        applyFrameSize();
    }
    return QMainWindow::event(event);
}

bool TForm1::applyFrameSize() {
    if (windowState() & (Qt::WindowMaximized | Qt::WindowMinimized | Qt::WindowFullScreen))
        return true;
    // The settings hold the outer size, frame included, as they hold the frame's position.
    const QSize frame = frameGeometry().size() - size();
    resize(QSize(settings_.width, settings_.height) - frame);
    return !frame.isNull();
}

void TForm1::closeEvent(QCloseEvent* event) {
    bool close = false;
    command([&] { close = mayClose(); });
    if (close)
        event->accept();
    else
        event->ignore();
}

bool TForm1::mayClose() {
    return mayDiscardList();
}

bool TForm1::isListModified() const {
    return document_.rows().items() != savedRows_;
}

bool TForm1::mayDiscardList() {
    if (!isListModified())
        return true;
    switch (dialogs().messageBox(QStringLiteral("変更を保存しますか"), applicationTitle(),
                                 MessageBoxType::YesNoCancel | MessageBoxType::IconQuestion)) {
    case DialogResult::Yes:
        // A failed save throws and so keeps the list.
        return saveList();
    case DialogResult::No:
        return true;
    default:
        return false;
    }
}

bool TForm1::saveList() {
    switch (origin_) {
    case ListOrigin::Csv:
        writeLayoutFile(originPath_, document_.rows().items());
        markListSaved();
        showSaved(originPath_);
        return true;
    case ListOrigin::Ini:
        // Stored where the next start finds it.
        INIS1Click();
        return true;
    case ListOrigin::None:
        break;
    }
    return SaveLayoutFile();
}

void TForm1::saveClick() {
    saveList();
}

void TForm1::setListOrigin(ListOrigin origin, const QString& path) {
    origin_ = origin;
    originPath_ = origin == ListOrigin::Csv ? path : QString();
    updateTitle();
}

void TForm1::updateTitle() {
    QString name = QStringLiteral("無題");
    if (origin_ == ListOrigin::Csv)
        name = QFileInfo(originPath_).fileName();
    else if (origin_ == ListOrigin::Ini)
        name = QFileInfo(paths_.iniPath).fileName();
    QString title = name + QStringLiteral("[*] - ") + applicationTitle();
    if (!layoutTitle_.isEmpty())
        title += QStringLiteral(" - ") + layoutTitle_;
    setWindowTitle(title);
    setWindowModified(isListModified());
}

void TForm1::markListSaved() {
    savedRows_ = document_.rows().items();
    updateTitle();
}

void TForm1::showSaved(const QString& path) {
    statusPanels[2]->setText(QStringLiteral("保存しました: %1").arg(path));
}

void TForm1::FormShow() {
    // The installed-font list must exist before the first drawing pass.
    services_.fonts.installedFaces();
    command([this] { RedrawLayout(false); });
}

void TForm1::applySettingsToWindow() {
    move(settings_.left, settings_.top);
    resize(settings_.width, settings_.height);
    if (settings_.windowState == 2)
        setWindowState(Qt::WindowMaximized);
    else if (settings_.windowState == 1)
        setWindowState(Qt::WindowMinimized);
    spnHoseiX->setValue(settings_.hoseiX);
    spnHoseiY->setValue(settings_.hoseiY);
    document_.setLastProject(settings_.lastProject);
}

AppSettings TForm1::settingsFromWindow() const {
    AppSettings s = settings_;
    s.windowState = isMaximized() ? 2 : (isMinimized() ? 1 : 0);
    s.top = pos().y();
    s.left = pos().x();
    s.width = frameGeometry().width();
    s.height = frameGeometry().height();
    s.hoseiX = spnHoseiX->value();
    s.hoseiY = spnHoseiY->value();
    s.zoom = GaugeBar1->value();
    return s;
}

bool TForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress)
        FormKeyDown(*static_cast<QKeyEvent*>(event));
    else if (event->type() == QEvent::KeyRelease)
        FormKeyUp();
    else if (event->type() == QEvent::MouseButtonPress && watched == TntListView1->viewport())
        TntListView1MouseDown(*static_cast<QMouseEvent*>(event));
    else if (event->type() == QEvent::MouseButtonDblClick && watched == TntListView1->viewport())
        doubleClickX_ = static_cast<QMouseEvent*>(event)->position().toPoint().x();
    else if (event->type() == QEvent::Wheel &&
             (watched == LcPrnPrev1 || watched == ScrollBox1->viewport())) {
        // Ctrl and the wheel zoom the preview, a notch 10 percent.
        auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->modifiers() & Qt::ControlModifier) {
            wheelRemainder_ += wheel->angleDelta().y();
            const int notches = wheelRemainder_ / 120;
            wheelRemainder_ -= notches * 120;
            if (notches != 0)
                zoomBy(10 * notches);
            return true;
        }
    } else if (event->type() == QEvent::FocusOut && watched == edtPrevXZoom &&
               !edtPrevXZoom->hasAcceptableInput()) {
        // A zoom typed half is not kept.
        edtPrevXZoom->setText(QString::number(GaugeBar1->value()));
    }
    return QMainWindow::eventFilter(watched, event);
}

// Shift (or Ctrl) held while a key goes down shows "True"; only Shift arms the print button's
// redraw.
void TForm1::FormKeyDown(const QKeyEvent& key) {
    // A modifier key's own press counts as held.
    Qt::KeyboardModifiers held = key.modifiers();
    if (key.key() == Qt::Key_Shift)
        held |= Qt::ShiftModifier;
    else if (key.key() == Qt::Key_Control)
        held |= Qt::ControlModifier;
    if (held & (Qt::ShiftModifier | Qt::ControlModifier)) {
        shiftFlag_ = held.testFlag(Qt::ShiftModifier);
        statusPanels[1]->setText(QStringLiteral("True"));
    } else {
        statusPanels[1]->setText(QStringLiteral("False"));
    }
}

void TForm1::FormKeyUp() {
    shiftFlag_ = false;
    statusPanels[1]->setText(QStringLiteral("False"));
}

// The view ticks the box itself as the click ends, and the list writes field 3 then; the press
// writes field 3 as the box shows it, in its Yes/No form, as the icon's press does too.
void TForm1::TntListView1MouseDown(const QMouseEvent& press) {
    const QPoint at = press.position().toPoint();
    const QModelIndex index = TntListView1->indexAt(at);
    if (!index.isValid() || index.column() != 0 || at.x() >= labelLeft(index))
        return;
    const LayoutItem before = document_.rows().item(index.row());
    document_.rows().setField(index.row(), Field::Print,
                              yesNo(index.data(Qt::CheckStateRole).toInt() == Qt::Checked));
    editor_->recordChangedRow(index.row(), before, ListStep::Print);
}

int TForm1::labelLeft(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    option.initFrom(TntListView1);
    option.rect = TntListView1->visualRect(index);
    option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasCheckIndicator |
                      QStyleOptionViewItem::HasDecoration;
    option.text = index.data().toString();
    const QStyle* style = TntListView1->style();
    option.decorationSize =
        TntListView1->iconSize().isValid()
            ? TntListView1->iconSize()
            : QSize(style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, TntListView1),
                    style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, TntListView1));
    return style->subElementRect(QStyle::SE_ItemViewItemText, &option, TntListView1).left();
}

// ---- Layout files and the INI store

bool TForm1::OpenLayoutFile() {
    if (currentLayoutPath_.isEmpty()) {
        const std::optional<QString> chosen =
            dialogs().openFile({QString(), layoutFileFilter(), QString()});
        if (!chosen)
            return false;
        currentLayoutPath_ = *chosen;
    }
    const LayoutFileRead read = readLayoutFile(currentLayoutPath_);
    if (read.refusal == LayoutFileRefusal::CannotRead)
        throw AppError(describeLayoutFileRefusal(read, currentLayoutPath_));
    // A file that is no layout file is passed over without a word, as it always has been.
    if (!read.content) {
        currentLayoutPath_.clear();
        return false;
    }
    {
        ++loading_;
        const auto loaded = qScopeGuard([this] { --loading_; });
        document_.load(read.content->rowLines, read.content->headerFieldCount,
                       [this](const LoadedSettingsRow& row) { showLoadedSettingsRow(row); });
    }
    undoStack_->clear();
    markListSaved();
    if (read.content->utf8)
        statusPanels[2]->setText(readAsUtf8Note(currentLayoutPath_));
    setListOrigin(ListOrigin::Csv, currentLayoutPath_);
    return true;
}

bool TForm1::SaveLayoutFile() {
    const std::optional<QString> chosen =
        dialogs().saveFile({QString(), layoutFileFilter(),
                            origin_ == ListOrigin::Csv ? originPath_ : currentLayoutPath_});
    if (!chosen)
        return false;
    // The dialog asked about the name as chosen; a name that gets ".csv" only now is asked
    // about here.
    const QString path = layoutSavePath(*chosen);
    if (path != *chosen && !confirmReplace(path))
        return false;
    writeLayoutFile(path, document_.rows().items());
    // The list is now that file's.
    origin_ = ListOrigin::Csv;
    originPath_ = path;
    markListSaved();
    showSaved(path);
    return true;
}

void TForm1::AddLayoutRow(const QString& line, int fieldCount) {
    const std::optional<LoadedSettingsRow> settingsRow =
        document_.appendLoadedRow(line, fieldCount);
    if (settingsRow)
        showLoadedSettingsRow(*settingsRow);
}

void TForm1::showLoadedSettingsRow(const LoadedSettingsRow& settingsRow) {
    if (settingsRow.title) {
        layoutTitle_ = *settingsRow.title;
        updateTitle();
    }
    if (settingsRow.paperIndex >= 0) {
        (settingsRow.portrait ? rdoTateoki : rdoYokooki)->setChecked(true);
        // The newly selected paper shows while the rest of the layout loads.
        QCoreApplication::processEvents();
    }
}

void TForm1::addRows(const QList<LayoutItem>& rows, const QString& step) {
    editor_->appendRows(rows, step);
    for (const LayoutItem& row : rows)
        if (const auto settingsRow = document_.applySettingsRow(row))
            showLoadedSettingsRow(*settingsRow);
}

int TForm1::firstSettingsRow() const {
    for (int row = 0; row < document_.rows().count(); ++row)
        if (isSettingsCaption(document_.rows().item(row).field(Field::Id)))
            return row;
    return -1;
}

// ---- Drawing passes

void TForm1::RedrawLayout(bool skipSettingsRows) {
    runPass(document_.rows(), skipSettingsRows, true);
}

void TForm1::runPass(const LayoutList& rows, bool skipSettingsRows, bool explicitPass) {
    if (passRunning_) {
        // The pass that runs lets events through; this one follows it.
        requestRedraw(skipSettingsRows);
        return;
    }
    // This pass draws whatever a pending request asked for.
    redrawPending_ = false;
    listChangedSincePass_ = false;
    calibrationShown_ = false;
    passRunning_ = true;
    explicitPass_ = explicitPass;
    paperChangedInPass_ = false;
    const auto ended = qScopeGuard([this] {
        passRunning_ = false;
        if (redrawPending_)
            QMetaObject::invokeMethod(this, &TForm1::flushRedraw, Qt::QueuedConnection);
    });
    ++passCount_;
    // Only the list's own rows can be taken on the page.
    previewEditing_->setActive(&rows == &document_.rows());
    // Paragraphs wrap as they show on the screen the preview is on.
    document_.setScreenDpi(LcPrnPrev1->logicalDpiY());
    document_.draw(rows, skipSettingsRows);
    // A settings row chose another paper: the panel shows it, and the next pass knows it.
    if (paperChangedInPass_)
        RefreshPrinterInfo();
}

void TForm1::requestRedraw(bool skipSettingsRows) {
    if (loading_ > 0)
        return;
    // Requests of one turn make one pass, which applies settings rows if any of them asks to.
    redrawSkipsSettings_ =
        redrawPending_ ? redrawSkipsSettings_ && skipSettingsRows : skipSettingsRows;
    if (redrawPending_)
        return;
    redrawPending_ = true;
    if (!passRunning_)
        QMetaObject::invokeMethod(this, &TForm1::flushRedraw, Qt::QueuedConnection);
}

void TForm1::flushRedraw() {
    if (!redrawPending_ || passRunning_)
        return;
    command([this] {
        // The calibration sheet follows the offsets and the printer until the list changes.
        if (calibrationShown_ && !listChangedSincePass_) {
            drawCalibrationSheet(false);
            return;
        }
        runPass(document_.rows(), redrawSkipsSettings_, false);
    });
}

void TForm1::listChanged() {
    if (loading_ > 0)
        return;
    listChangedSincePass_ = true;
    setWindowModified(isListModified());
    requestRedraw(false);
}

// ---- Opening and saving

void TForm1::Button1Click() {
    if (!mayDiscardList())
        return;
    currentLayoutPath_.clear();
    OpenLayoutFile();
    RedrawLayout(false);
}

// The open dialog starts on the layout last opened, so that Enter reads it again.
void TForm1::CSVO1Click() {
    if (!mayDiscardList())
        return;
    const std::optional<QString> chosen =
        dialogs().openFile({QString(), layoutFileFilter(), currentLayoutPath_});
    if (!chosen)
        return;
    currentLayoutPath_ = *chosen;
    OpenLayoutFile();
    RedrawLayout(true);
}

void TForm1::Close1Click() {
    if (!mayDiscardList())
        return;
    document_.rows().clear();
    undoStack_->clear();
    markListSaved();
    setListOrigin(ListOrigin::None);
    RedrawLayout(false);
    EditorEx1->clear();
}

void TForm1::loadLayoutFromIni() {
    const std::optional<QStringList> lines = LoadLayoutFromIni(paths_.iniPath);
    if (!lines)
        return;
    {
        ++loading_;
        const auto loaded = qScopeGuard([this] { --loading_; });
        document_.load(*lines, kLayoutFieldCount,
                       [this](const LoadedSettingsRow& row) { showLoadedSettingsRow(row); });
    }
    undoStack_->clear();
    markListSaved();
    setListOrigin(ListOrigin::Ini);
}

void TForm1::INIQ1Click() {
    if (!mayDiscardList())
        return;
    loadLayoutFromIni();
    RedrawLayout(true);
}

void TForm1::INIS1Click() {
    // The store lets events through; it writes this copy of the rows whatever they do.
    const QList<LayoutItem> rows = document_.rows().items();
    const IniStoreOutcome outcome =
        SaveLayoutToIni(paths_.iniPath, rows, [] { QCoreApplication::processEvents(); });
    if (outcome == IniStoreOutcome::TooLarge)
        throw AppError(describeIniStoreOutcome(outcome, paths_.iniPath));
    if (outcome == IniStoreOutcome::StoredInNewFile)
        dialogs().messageBox(describeIniStoreOutcome(outcome, paths_.iniPath), applicationTitle(),
                             MessageBoxType::Ok | MessageBoxType::IconInformation);
    // The stored copy is what the list is now compared with and saved into.
    savedRows_ = rows;
    setListOrigin(ListOrigin::Ini);
    showSaved(paths_.iniPath);
}

void TForm1::CSVV1Click() {
    SaveLayoutFile();
}

std::optional<QString> TForm1::droppedLayoutPath(const QMimeData* data) {
    if (!data || !data->hasUrls())
        return std::nullopt;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile() &&
            url.toLocalFile().endsWith(QLatin1String(".csv"), Qt::CaseInsensitive))
            return url.toLocalFile();
    return std::nullopt;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (droppedLayoutPath(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dragMoveEvent(QDragMoveEvent* event) {
    if (droppedLayoutPath(event->mimeData()))
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event) {
    const std::optional<QString> path = droppedLayoutPath(event->mimeData());
    if (!path) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The file manager's drag ends first; the question and the loading follow.
    QMetaObject::invokeMethod(
        this, [this, file = *path] { command([&] { openDroppedLayout(file); }); },
        Qt::QueuedConnection);
}

void TForm1::openDroppedLayout(const QString& path) {
    if (!mayDiscardList())
        return;
    currentLayoutPath_ = path;
    if (!OpenLayoutFile()) {
        // Not silent here: the user gave this very file.
        const LayoutFileRead read = readLayoutFile(path);
        statusPanels[2]->setText(describeLayoutFileRefusal(read, path));
        return;
    }
    RedrawLayout(false);
}

void TForm1::exportSheetClick() {
    const PagePicture* page = surface().currentPage();
    if (!page)
        return;
    const QFileInfo layout(currentLayoutPath_);
    const QString suggested = layout.fileName().isEmpty()
                                  ? QString()
                                  : layout.absolutePath() + QLatin1Char('/') +
                                        layout.completeBaseName() + QLatin1String(".pdf");
    std::optional<QString> path =
        dialogs().saveFile({QStringLiteral("PDF/PNGに書き出し"),
                            QStringLiteral("PDF(*.pdf)|*.pdf|PNG(*.png)|*.png"), suggested});
    if (!path)
        return;
    if (path->endsWith(QLatin1String(".png"), Qt::CaseInsensitive)) {
        const std::optional<int> dpi = dialogs().askNumber(
            QStringLiteral("PNGに書き出し"), QStringLiteral("解像度 (dpi)"), 300, 72, 1200);
        if (!dpi)
            return;
        exportPagePng(*page, *dpi, *path);
        showSaved(*path);
        return;
    }
    if (!path->endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        path->append(QLatin1String(".pdf"));
        if (!confirmReplace(*path))
            return;
    }
    exportPagePdf(*page, *path);
    showSaved(*path);
}

// ---- Printer and paper

void TForm1::RefreshPrinterInfo() {
    PrinterInfo info;
    const int index = document_.refreshPrinter(info);
    {
        const QSignalBlocker block(ComboBox1);
        ComboBox1->clear();
        ComboBox1->addItems(info.paperNames);
        ComboBox1->setCurrentIndex(index < 0 ? -1 : index);
    }
    (info.portrait ? rdoTateoki : rdoYokooki)->setChecked(true);
    const PrinterPanelTexts texts = describePrinter(info, index);
    edtpWidth->setText(texts.paperWidth);
    edtpHeight->setText(texts.paperHeight);
    edtPrinterName->setText(texts.printerName);
    edtCanvasSize->setText(texts.canvasSize);
}

void TForm1::SelectPaperByName(const QString& name, int orientation) {
    surface_.SelectPaper(name, orientation);
    RefreshPrinterInfo();
}

void TForm1::clearPreviewNow() {
    LcPrnPrev1->ClearPreview();
    QCoreApplication::processEvents();
}

void TForm1::ComboBox1Change() {
    const int row = firstSettingsRow();
    if (row < 0)
        return;
    // The choice as made; the redraw below draws whatever waited for a pass too.
    const QString text = ComboBox1->currentText();
    redrawPending_ = false;
    clearPreviewNow();
    const LayoutItem before = document_.rows().item(row);
    document_.rows().setField(row, Field::Value, text.section(QLatin1Char(' '), 0, 0));
    editor_->recordChangedRow(row, before, ListStep::Paper);
    SelectPaperByName(text, rdoTateoki->isChecked() ? PaperOrientation::Portrait
                                                    : PaperOrientation::Landscape);
    RedrawLayout(true);
}

void TForm1::rdoTateokiClick() {
    const int row = firstSettingsRow();
    if (row < 0)
        return;
    const QString name = ComboBox1->currentText();
    const bool portrait = rdoTateoki->isChecked();
    redrawPending_ = false;
    clearPreviewNow();
    const LayoutItem before = document_.rows().item(row);
    document_.rows().setField(row, Field::Vertical, yesNo(portrait));
    editor_->recordChangedRow(row, before, ListStep::Orientation);
    SelectPaperByName(name, portrait ? PaperOrientation::Portrait : PaperOrientation::Landscape);
    RedrawLayout(false);
}

void TForm1::C1Click() {
    dialogs().printSetup(services_.printers);
    RefreshPrinterInfo();
    // The printer and paper chosen stand: the settings rows are not applied over them.
    requestRedraw(true);
}

// ---- Printing, view and zoom

void TForm1::Print1Click() {
    // What prints is the list as it is, as the preview shows it.
    flushRedraw();
    document_.print();
    // The calibration sheet is shown to be printed; once it is, the layout comes back.
    if (calibrationShown_)
        RedrawLayout(true);
}

void TForm1::Button2Click() {
    if (shiftFlag_) {
        clearPreviewNow();
        RedrawLayout(false);
    }
    Print1Click();
}

void TForm1::R1Click() {
    statusPanels[2]->setText(
        QStringLiteral("%1 %2").arg(spnHoseiX->value()).arg(spnHoseiY->value()));
    RedrawLayout(false);
}

void TForm1::N7Click() {
    clearPreviewNow();
}

void TForm1::GaugeBar1Change(int position) {
    edtPrevXZoom->setText(QString::number(position));
    LcPrnPrev1->setZoomScale(position);
    LcPrnPrev1->repaint();
}

void TForm1::zoomBy(int percent) {
    GaugeBar1->setValue(
        qBound(GaugeBar1->minimum(), GaugeBar1->value() + percent, GaugeBar1->maximum()));
}

void TForm1::zoomBoxEdited() {
    bool ok = false;
    const int typed = edtPrevXZoom->text().toInt(&ok);
    if (ok)
        GaugeBar1->setValue(typed);
    edtPrevXZoom->setText(QString::number(GaugeBar1->value()));
}

// ---- List editing, help and version

int TForm1::selectedRow() const {
    const QModelIndexList rows = TntListView1->selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void TForm1::selectRow(int row) {
    TntListView1->selectRow(row);
    TntListView1->setCurrentIndex(document_.rows().index(row, 0));
}

void TForm1::E1Click() {
    editRow(selectedRow());
}

void TForm1::editRow(int row) {
    if (row < 0 || row >= document_.rows().count())
        return;
    selectRow(row);
    const LayoutItem before = document_.rows().item(row);
    frmEditItem_->EditLayoutRow(document_.rows(), row);
    editor_->recordChangedRow(row, before, ListStep::Edit);
}

void TForm1::addSampleRow(SampleRow sample) {
    addRows({LayoutItem::fromRowLine(sampleRowLine(sample))}, ListStep::Add);
}

void TForm1::C2Click() {
    const int row = selectedRow();
    if (row < 0)
        return;
    copiedRow_ = document_.rows().item(row).toRowLine();
    statusPanels[2]->setText(copiedRow_);
}

void TForm1::V3Click() {
    addRows({LayoutItem::fromRowLine(copiedRow_)}, ListStep::Paste);
}

void TForm1::U1Click() {
    const int row = selectedRow();
    if (row >= 0)
        selectRow(editor_->moveRowUp(row));
    TntListView1->setFocus();
}

void TForm1::D1Click() {
    const int row = selectedRow();
    if (row >= 0)
        selectRow(editor_->moveRowDown(row));
    TntListView1->setFocus();
}

void TForm1::dropRow(int from, int before) {
    if (from < 0 || from >= document_.rows().count())
        return;
    selectRow(editor_->moveRow(from, before > from ? before - 1 : before, ListStep::Drag));
}

void TForm1::X1Click() {
    const int row = selectedRow();
    if (row >= 0)
        editor_->removeRow(row);
    TntListView1->setFocus();
}

void TForm1::H1Click() {
    if (QFileInfo::exists(helpPath_))
        openGuide(services_.shell, QFileInfo(helpPath_).absoluteFilePath(), this);
}

void TForm1::V2Click() {
    dialogs().execDialog(*frmVersion_);
}

void TForm1::CDT1Click() {
    frmEditCdList_->setOptions(settings_.cd);
    frmEditCdList_->setLastProject(settings_.lastProject);
    currentLayoutPath_.clear();
    frmEditCdList_->forgetSavedLayout();
    dialogs().execDialog(*frmEditCdList_);

    settings_.cd = frmEditCdList_->options();
    settings_.lastProject = frmEditCdList_->lastProject();
    document_.setLastProject(settings_.lastProject);
    // The label layout the editor's save wrote opens for printing, once the list's changes are
    // saved or given up.
    const QString jacket = frmEditCdList_->savedLayoutPath();
    if (!QFileInfo(jacket).isFile())
        return;
    // The file of the list is now the editor's new jacket: saving the list goes elsewhere.
    if (origin_ == ListOrigin::Csv && QFileInfo(originPath_) == QFileInfo(jacket))
        origin_ = ListOrigin::None;
    if (!mayDiscardList()) {
        updateTitle();
        return;
    }
    currentLayoutPath_ = jacket;
    OpenLayoutFile();
    RedrawLayout(false);
}

// ---- What the drawing pass reads and tells

// The printer's new paper shows before the rest of the page is drawn; the pass draws from a
// copy of the rows, so what the events do to the list waits for the next pass.
void TForm1::paperSelected() {
    paperChangedInPass_ = true;
    QCoreApplication::processEvents();
}

// The tabs follow the passes the user asked for; a pass that follows an edit leaves the user
// where the edit was made.
void TForm1::passEnded() {
    if (explicitPass_)
        PageControl1->setCurrentWidget(tbsPreview);
}

void TForm1::paragraphStarted() {
    if (explicitPass_)
        PageControl1->setCurrentWidget(tbsWork);
}

void TForm1::paragraphWrapped(const QString& wrappedText, const QString& face, int points,
                              const QColor& color) {
    QFont font(face);
    font.setPointSize(qMax(1, points));
    EditorEx1->setFont(font);
    QPalette palette = EditorEx1->palette();
    palette.setColor(QPalette::Text, color);
    EditorEx1->setPalette(palette);
    EditorEx1->setPlainText(wrappedText);
}

} // namespace lccd
