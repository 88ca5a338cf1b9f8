#include "cdlist/EditCdList.h"

#include "audio/CdFormat.h"
#include "cdlist/BurnCd.h"
#include "cdlist/CheckWavFile.h"
#include "cdlist/ColumnWidth.h"
#include "cdlist/DiscImageExport.h"
#include "cdlist/EditItems.h"
#include "cdlist/EditorCommands.h"
#include "cdlist/FolderLoader.h"
#include "cdlist/GuideWindow.h"
#include "cdlist/LevelNotes.h"
#include "cdlist/StatusNotes.h"
#include "common/FileHelpers.h"
#include "disc/DiscBurnPlan.h"
#include "disc/DiscImage.h"
#include "disc/DiscInfo.h"
#include "disc/DiscPaths.h"
#include "platform/AppError.h"
#include "platform/BlankTrim.h"
#include "platform/Dialogs.h"
#include "platform/FileIO.h"
#include "platform/Messages.h"
#include "platform/NamedWidget.h"
#include "platform/PathEllipsis.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QSlider>
#include <QStatusBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace lccd {
namespace {

const QString kAskTitle = QStringLiteral("問合わせ");
const QString kFolderPrompt = QStringLiteral("フォルダを指定してください");
// A click beside the position slider's handle moves this far.
constexpr int kSeekPageSeconds = 10;
// The slider's clicks and keys seek once they pause this long.
constexpr int kSeekDelayMs = 250;

// The print check column: a box with a green tick.
class CheckMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, QModelIndex());
        const QRect box = QRect(0, 0, 11, 11).translated(option.rect.center() - QPoint(5, 5));
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::gray);
        painter->setBrush(Qt::white);
        painter->drawRect(box);
        if (index.data(Qt::CheckStateRole).toInt() == Qt::Checked) {
            painter->setPen(QPen(QColor(0, 160, 0), 2));
            painter->drawPolyline(
                QPolygonF({box.topLeft() + QPointF(2, 5.5), box.topLeft() + QPointF(4.5, 8.5),
                           box.topLeft() + QPointF(9.5, 2.5)}));
        }
        painter->restore();
    }
};

QLineEdit* box(const char* name, QWidget* parent) {
    return named(new QLineEdit(parent), name);
}

// What a grid column shows whole, beyond its header: the row numbers, times, years and the
// genre list's words.
ColumnContent gridColumnContent(TrackColumn column) {
    switch (column) {
    case TrackColumn::Number:
        return {{QStringLiteral("  25")}};
    case TrackColumn::Time:
        return {{QStringLiteral("000:00"), QStringLiteral("999:59")}};
    case TrackColumn::Year:
        return {{QStringLiteral("2024")}};
    case TrackColumn::Genre:
        return {defaultGenres()};
    default:
        return {};
    }
}

// "m:ss / m:ss": where playing is in what plays.
QString playTimeText(qint64 position, qint64 length) {
    const auto clock = [](qint64 bytes) {
        const qint64 seconds = bytes / (qint64(kCdSampleRate) * kCdFrameBytes);
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
    };
    return clock(position) + QStringLiteral(" / ") + clock(length);
}

} // namespace

TfrmEditCdList::TfrmEditCdList(const ProgramPaths& paths, TfrmEditItems& editItems,
                               TfrmOption& options, TfrmCheckWavFile& checkWavFile,
                               const Services& services, QWidget* parent)
    : QDialog(parent), paths_(paths), editItems_(editItems), options_(options),
      checkWavFile_(checkWavFile), services_(services),
      burnCd_(new TfrmBurnCd(services.burner, services.songs, loudness_, this)) {
    setObjectName(QStringLiteral("frmEditCdList"));
    setWindowTitle(QStringLiteral("CDリスト編集"));
    buildUi();
    connectCommands();
    connectPlayer();
    // Enter in a box ends the typing there and runs no command; songs and folders come in by
    // drop on any control (the burn window's controls are that window's own).
    for (QPushButton* button : findChildren<QPushButton*>())
        if (button->window() == this)
            button->setAutoDefault(false);
    setAcceptDrops(true);
    for (QWidget* control : findChildren<QWidget*>())
        if (control->window() == this && control->acceptDrops())
            control->installEventFilter(this);
    presenter_.ClearCdList();
    modified_ = false;
    resize(900, 640);
}

// ---- Controls

void TfrmEditCdList::buildUi() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 0);
    layout->addWidget(buildDiscPanel());
    layout->addWidget(buildToolbar());
    layout->addWidget(buildPlayBar());

    CtrlGrid1 = named(new QTableView(this), "CtrlGrid1");
    CtrlGrid1->setModel(&presenter_.tracks());
    CtrlGrid1->verticalHeader()->hide();
    CtrlGrid1->verticalHeader()->setDefaultSectionSize(20);
    CtrlGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    CtrlGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    CtrlGrid1->setItemDelegateForColumn(int(TrackColumn::Check), new CheckMarkDelegate(CtrlGrid1));
    CtrlGrid1->horizontalHeader()->setMinimumSectionSize(1);
    for (int column = 0; column < kTrackColumnCount; ++column) {
        const auto track = TrackColumn(column);
        const int designed = TrackTableModel::initialColumnWidth(track);
        // The file name column stays 1 pixel wide: in effect hidden.
        CtrlGrid1->setColumnWidth(column, track == TrackColumn::FileName
                                              ? designed
                                              : readableColumnWidth(*CtrlGrid1, column, designed,
                                                                    gridColumnContent(track)));
    }
    // Songs move by drag as with the move buttons; the window moves them (songDropped).
    CtrlGrid1->setDragDropMode(QAbstractItemView::InternalMove);
    CtrlGrid1->setDefaultDropAction(Qt::MoveAction);
    CtrlGrid1->setDragDropOverwriteMode(true);
    CtrlGrid1->setContextMenuPolicy(Qt::CustomContextMenu);
    CtrlGrid1->viewport()->installEventFilter(this);
    layout->addWidget(CtrlGrid1, 1);

    gridMenu_ = new QMenu(this);
    named(gridMenu_->addAction(QStringLiteral("IDタグの書き出し／演奏時間の編集／項目追加(&E)")),
          "Edit2");
    WAVW1 =
        named(gridMenu_->addAction(QStringLiteral("無分割時にWAVファイルを確認する(&W)")), "WAVW1");
    named(gridMenu_->addAction(QStringLiteral("CDに書き込む(&B)")), "CDW1");
    named(gridMenu_->addAction(QStringLiteral("ディスクイメージを書き出す(&I)...")),
          "mnuWriteImage");

    auto* status = named(new QStatusBar(this), "StatusBar1");
    status->setSizeGripEnabled(false);
    const int widths[] = {50, 200, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels_[i] = new QLabel(status);
        statusPanels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        statusPanels_[i]->setMinimumWidth(widths[i]);
        status->addWidget(statusPanels_[i], i == 2 ? 1 : 0);
    }
    layout->addWidget(status);
}

QWidget* TfrmEditCdList::buildDiscPanel() {
    auto* panel = new QWidget(this);
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    auto addRow = [&](int row, int column, const QString& caption, QWidget* field,
                      QWidget* button = nullptr) {
        grid->addWidget(new QLabel(caption, panel), row, column);
        grid->addWidget(field, row, column + 1, 1, button ? 1 : 2);
        if (button)
            grid->addWidget(button, row, column + 2);
    };
    edtFolderName = box("edtFolderName", panel);
    edtFolderName->setReadOnly(true);
    edtJacketFilename = box("edtJacketFilename", panel);
    edtJacketFilename->setReadOnly(true);
    // The cover offered while the jacket box is empty stands beside it.
    auto* jacketField = new QWidget(panel);
    auto* jacketRow = new QHBoxLayout(jacketField);
    jacketRow->setContentsMargins(0, 0, 0, 0);
    imgJacketOffer = named(new QLabel(jacketField), "imgJacketOffer");
    imgJacketOffer->setFixedSize(48, 48);
    imgJacketOffer->setAlignment(Qt::AlignCenter);
    btnTakeJacket =
        named(new QPushButton(QStringLiteral("この画像を使う"), jacketField), "btnTakeJacket");
    jacketRow->addWidget(edtJacketFilename, 1);
    jacketRow->addWidget(imgJacketOffer);
    jacketRow->addWidget(btnTakeJacket);
    imgJacketOffer->hide();
    btnTakeJacket->hide();
    auto* folderButton = named(new QPushButton(QStringLiteral(",,,"), panel), "Button7");
    auto* jacketButton = named(new QPushButton(QStringLiteral(",,,"), panel), "Button1");
    folderButton->setFixedWidth(28);
    jacketButton->setFixedWidth(28);
    edtDiscId = box("edtDiscId", panel);
    edtCATALOG = box("edtCATALOG", panel);
    edtRelease = box("edtRelease", panel);
    cmbGenre = named(new QComboBox(panel), "cmbGenre");
    cmbGenre->setEditable(true);
    addRow(0, 0, QStringLiteral("フォルダ"), edtFolderName, folderButton);
    addRow(1, 0, QStringLiteral("ジャケット画像"), jacketField, jacketButton);
    addRow(2, 0, QStringLiteral("DISCID:"), edtDiscId);
    addRow(3, 0, QStringLiteral("CATALOG:"), edtCATALOG);
    addRow(4, 0, QStringLiteral("RELEASE:"), edtRelease);
    addRow(5, 0, QStringLiteral("GENRE:"), cmbGenre);

    editAlubm = box("editAlubm", panel);
    edtPaformer = box("edtPaformer", panel);
    edtSubTitle1 = box("edtSubTitle1", panel);
    edtSubTitle2 = box("edtSubTitle2", panel);
    addRow(0, 3, QStringLiteral("アルバム"), editAlubm);
    addRow(1, 3, QStringLiteral("演者"), edtPaformer);
    addRow(2, 3, QStringLiteral("小見出し１"), edtSubTitle1);
    addRow(3, 3, QStringLiteral("小見出し２"), edtSubTitle2);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);
    return panel;
}

QWidget* TfrmEditCdList::buildToolbar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 2, 0, 2);
    auto speed = [&](const char* name, const QString& caption, const QString& hint) {
        auto* button = named(new QPushButton(caption, bar), name);
        button->setFixedWidth(36);
        button->setToolTip(hint);
        row->addWidget(button);
    };
    speed("SpeedButton2", QStringLiteral("↑"), QStringLiteral("順位を上に上げる"));
    speed("SpeedButton3", QStringLiteral("↓"), QStringLiteral("順位を下げる"));
    speed("SpeedButton4", QStringLiteral("ｸﾘｱ"), QString());
    Edit1 = named(new QLineEdit(bar), "Edit1");
    Edit1->setReadOnly(true);
    Edit1->setFixedWidth(64);
    row->addWidget(Edit1);
    Label8 = named(new QLabel(presenter_.timeLabelText(), bar), "Label8");
    Label12 = named(new QLabel(presenter_.totalsText(), bar), "Label12");
    row->addWidget(Label8);
    row->addWidget(Label12);
    chkNoCut = named(new QCheckBox(QStringLiteral("無分割"), bar), "chkNoCut");
    chkNoCut->setToolTip(
        QStringLiteral("WAVを曲名で分割していないときにチェックしてフォルダを指定する"));
    row->addWidget(chkNoCut);
    row->addStretch(1);
    auto picture = [&](const char* name, QStyle::StandardPixmap icon, const QString& hint) {
        auto* button = named(new QToolButton(bar), name);
        button->setIcon(style()->standardIcon(icon));
        button->setToolTip(hint);
        row->addWidget(button);
    };
    picture("BitBtn3", QStyle::SP_FileIcon, QStringLiteral("新規開始"));
    picture("BitBtn1", QStyle::SP_DirOpenIcon, QStringLiteral("フォルダを開く"));
    picture("BitBtn2", QStyle::SP_DialogSaveButton, QStringLiteral("プロジェクトを保存する"));
    picture("BitBtn4", QStyle::SP_BrowserReload, QStringLiteral("再読み込みをする"));
    picture("BitBtn5", QStyle::SP_ArrowDown,
            QStringLiteral("上記の共通項目をすべての曲に設定する"));
    picture("BitBtn8", QStyle::SP_FileDialogDetailedView, QStringLiteral("オプション設定"));
    picture("BitBtn6", QStyle::SP_DialogHelpButton, QStringLiteral("操作説明"));
    picture("BitBtn7", QStyle::SP_DialogCloseButton, QStringLiteral("終了する"));
    picture("btnBurnCd", QStyle::SP_DriveCDIcon, QStringLiteral("CDに書き込む"));
    auto* burn = bar->findChild<QToolButton*>(QStringLiteral("btnBurnCd"));
    burn->setText(QStringLiteral("CDに書き込む"));
    burn->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    return bar;
}

QWidget* TfrmEditCdList::buildPlayBar() {
    auto* bar = new QWidget(this);
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 2);
    btnPlay = named(new QToolButton(bar), "btnPlay");
    btnPlay->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    btnPlay->setToolTip(QStringLiteral("選んだ曲を聴く／止める (スペースキー、ダブルクリック)"));
    row->addWidget(btnPlay);
    sldPlayPosition = named(new QSlider(Qt::Horizontal, bar), "sldPlayPosition");
    sldPlayPosition->setEnabled(false);
    sldPlayPosition->setSingleStep(kCdSectorsPerSecond);
    sldPlayPosition->setPageStep(kSeekPageSeconds * kCdSectorsPerSecond);
    sldPlayPosition->setToolTip(QStringLiteral("再生位置"));
    row->addWidget(sldPlayPosition, 1);
    lblPlayTime = named(new QLabel(playTimeText(0, 0), bar), "lblPlayTime");
    row->addWidget(lblPlayTime);
    auto* join = named(new QPushButton(QStringLiteral("曲のつなぎを聴く"), bar), "btnPlayJoin");
    join->setToolTip(QStringLiteral("選んだ曲の終わり%1秒と次の曲の始め%1秒を、曲間を入れて聴く")
                         .arg(kJoinSeconds));
    row->addWidget(join);
    return bar;
}

void TfrmEditCdList::connectCommands() {
    auto on = [this](const char* name, void (TfrmEditCdList::*command)()) {
        QObject* control = findChild<QObject*>(QString::fromLatin1(name));
        auto run = [this, command] { runGuarded([=, this] { (this->*command)(); }); };
        if (auto* button = qobject_cast<QAbstractButton*>(control))
            connect(button, &QAbstractButton::clicked, this, run);
        else if (auto* entry = qobject_cast<QAction*>(control))
            connect(entry, &QAction::triggered, this, run);
    };
    on("Button7", &TfrmEditCdList::Button7Click);
    on("BitBtn1", &TfrmEditCdList::Button7Click);
    on("Button1", &TfrmEditCdList::Button1Click);
    on("btnTakeJacket", &TfrmEditCdList::btnTakeJacketClick);
    on("SpeedButton2", &TfrmEditCdList::SpeedButton2Click);
    on("SpeedButton3", &TfrmEditCdList::SpeedButton3Click);
    on("SpeedButton4", &TfrmEditCdList::SpeedButton4Click);
    on("BitBtn3", &TfrmEditCdList::BitBtn3Click);
    on("BitBtn2", &TfrmEditCdList::BitBtn2Click);
    on("BitBtn4", &TfrmEditCdList::BitBtn4Click);
    on("BitBtn5", &TfrmEditCdList::BitBtn5Click);
    on("BitBtn8", &TfrmEditCdList::BitBtn8Click);
    on("BitBtn6", &TfrmEditCdList::BitBtn6Click);
    on("Edit2", &TfrmEditCdList::Edit2Click);
    on("WAVW1", &TfrmEditCdList::WAVW1Click);
    on("btnBurnCd", &TfrmEditCdList::btnBurnCdClick);
    on("CDW1", &TfrmEditCdList::btnBurnCdClick);
    on("mnuWriteImage", &TfrmEditCdList::mnuWriteImageClick);
    on("btnPlay", &TfrmEditCdList::btnPlayClick);
    on("btnPlayJoin", &TfrmEditCdList::btnPlayJoinClick);
    connect(findChild<QToolButton*>(QStringLiteral("BitBtn7")), &QToolButton::clicked, this,
            &QDialog::accept);
    connect(chkNoCut, &QCheckBox::toggled, this, [this](bool on) {
        settings_.noCut = on;
        WAVW1->setEnabled(on);
    });
    connect(CtrlGrid1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { gridMenu_->popup(CtrlGrid1->viewport()->mapToGlobal(at)); });
    connect(&presenter_.tracks(), &TrackTableModel::songDropped, this, [this](int from, int to) {
        selectRow(moveTrackTo(presenter_.tracks(), from, to));
        CtrlGrid1->setFocus();
    });
    connect(CtrlGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) { presenter_.showSelection(current.row() + 1); });

    // The disc boxes edit the disc fields; the fields show in the boxes whenever they change.
    const auto edited = [this] {
        readDiscBoxes();
        modified_ = true;
    };
    for (QLineEdit* edit :
         {edtDiscId, edtCATALOG, edtRelease, editAlubm, edtPaformer, edtSubTitle1, edtSubTitle2})
        connect(edit, &QLineEdit::textEdited, this, edited);
    connect(cmbGenre, &QComboBox::currentTextChanged, this, edited);
    connect(&presenter_.tracks(), &QAbstractItemModel::dataChanged, this,
            [this] { modified_ = true; });
    connect(&presenter_, &CdListPresenter::discChanged, this, [this] {
        showDisc();
        showJacketOffer();
    });
    connect(&presenter_, &CdListPresenter::totalsChanged, this, [this] {
        Label12->setText(presenter_.totalsText());
        QPalette palette = Label12->palette();
        palette.setColor(QPalette::WindowText, toQColor(presenter_.totalsColor()));
        Label12->setPalette(palette);
    });
    connect(&presenter_, &CdListPresenter::timeLabelChanged, this,
            [this] { Label8->setText(presenter_.timeLabelText()); });
    connect(&presenter_, &CdListPresenter::positionChanged, this,
            [this] { Edit1->setText(presenter_.positionText()); });
    connect(&presenter_.status(), &StatusPanel::textChanged, statusPanels_[2], &QLabel::setText);
}

void TfrmEditCdList::connectPlayer() {
    connect(&player_, &CdAudioPlayer::playingChanged, this, [this](bool playing) {
        btnPlay->setIcon(
            style()->standardIcon(playing ? QStyle::SP_MediaStop : QStyle::SP_MediaPlay));
        sldPlayPosition->setEnabled(playing);
    });
    connect(&player_, &CdAudioPlayer::positionChanged, this, &TfrmEditCdList::showPlayPosition);
    connect(&player_, &CdAudioPlayer::message, &presenter_, &CdListPresenter::ShowStatusMessage);
    // The slider seeks when let go, and a moment after the last click beside the handle or
    // key, so that a held button does not start over at every step.
    const auto seek = [this] {
        seekDelay_.stop();
        player_.seek(qint64(sldPlayPosition->sliderPosition()) * kCdSectorBytes);
    };
    seekDelay_.setSingleShot(true);
    seekDelay_.setInterval(kSeekDelayMs);
    connect(&seekDelay_, &QTimer::timeout, this, seek);
    connect(sldPlayPosition, &QSlider::sliderReleased, this, seek);
    connect(sldPlayPosition, &QSlider::actionTriggered, this, [this] {
        if (!sldPlayPosition->isSliderDown())
            seekDelay_.start();
    });
    auto* space = new QShortcut(QKeySequence(Qt::Key_Space), CtrlGrid1);
    space->setContext(Qt::WidgetShortcut);
    connect(space, &QShortcut::activated, this, [this] { runGuarded([this] { btnPlayClick(); }); });
    TrackTableModel& tracks = presenter_.tracks();
    connect(&tracks, &QAbstractItemModel::dataChanged, this, &TfrmEditCdList::stopIfSongGone);
    connect(&tracks, &QAbstractItemModel::modelReset, this, &TfrmEditCdList::stopIfSongGone);
}

void TfrmEditCdList::showPlayPosition() {
    const qint64 length = player_.length();
    if (!sldPlayPosition->isSliderDown()) {
        const QSignalBlocker block(sldPlayPosition);
        sldPlayPosition->setRange(0, int(length / kCdSectorBytes));
        sldPlayPosition->setValue(int(player_.position() / kCdSectorBytes));
    }
    lblPlayTime->setText(playTimeText(player_.position(), length));
}

void TfrmEditCdList::stopIfSongGone() {
    if (player_.isPlaying() &&
        !listHoldsSong(presenter_.disc(), presenter_.tracks().rows(), playingPath_))
        player_.stop();
}

void TfrmEditCdList::showDisc() {
    const DiscInfo& disc = presenter_.disc();
    const QSignalBlocker block(cmbGenre);
    edtDiscId->setText(disc.discId);
    edtCATALOG->setText(disc.catalog);
    edtRelease->setText(disc.releaseYear);
    editAlubm->setText(disc.albumTitle);
    edtPaformer->setText(disc.discPerformer);
    edtSubTitle1->setText(disc.subtitle1);
    edtSubTitle2->setText(disc.subtitle2);
    cmbGenre->clear();
    cmbGenre->addItems(disc.genreList);
    cmbGenre->setCurrentIndex(disc.genreIndex);
    cmbGenre->setEditText(disc.genre);
    showPathBoxes();
}

void TfrmEditCdList::showPathBoxes() {
    const DiscInfo& disc = presenter_.disc();
    for (const auto& [box, text] : {std::pair{edtFolderName, disc.folderBoxText},
                                    std::pair{edtJacketFilename, disc.jacketBoxText}})
        box->setText(shortenPath(text, box->fontMetrics(), box->width() - 4));
    edtFolderName->setToolTip(disc.folderPath);
}

void TfrmEditCdList::showJacketOffer() {
    const DiscInfo& disc = presenter_.disc();
    jacketOffer_ = disc.folderBoxText.isEmpty() ? std::nullopt
                                                : jacketOfferFor(disc, presenter_.tracks().rows(),
                                                                 presenter_.coverPictures());
    QPixmap thumbnail;
    if (jacketOffer_ && jacketOffer_->file.isEmpty())
        thumbnail.loadFromData(jacketOffer_->picture);
    else if (jacketOffer_)
        thumbnail.load(jacketOffer_->file);
    imgJacketOffer->setPixmap(thumbnail.isNull()
                                  ? QPixmap()
                                  : thumbnail.scaled(imgJacketOffer->size(), Qt::KeepAspectRatio,
                                                     Qt::SmoothTransformation));
    const QString source = jacketOffer_ ? (jacketOffer_->file.isEmpty()
                                               ? QStringLiteral("曲 %1 のジャケット画像")
                                                     .arg(lastPathComponent(jacketOffer_->song))
                                               : jacketOffer_->file)
                                        : QString();
    imgJacketOffer->setToolTip(source);
    btnTakeJacket->setToolTip(source);
    imgJacketOffer->setVisible(bool(jacketOffer_));
    btnTakeJacket->setVisible(bool(jacketOffer_));
}

void TfrmEditCdList::readDiscBoxes() {
    DiscInfo& disc = presenter_.disc();
    disc.discId = edtDiscId->text();
    disc.catalog = edtCATALOG->text();
    disc.releaseYear = edtRelease->text();
    disc.albumTitle = editAlubm->text();
    disc.discPerformer = edtPaformer->text();
    disc.subtitle1 = edtSubTitle1->text();
    disc.subtitle2 = edtSubTitle2->text();
    disc.genre = cmbGenre->currentText();
    disc.selectGenreEntry();
}

void TfrmEditCdList::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    showPathBoxes();
}

// ---- Settings handed over by the main window

void TfrmEditCdList::setLastProject(const QString& folder) {
    presenter_.disc().setFolderPath(folder);
    showPathBoxes();
}

void TfrmEditCdList::setOptions(const CdOptions& options) {
    settings_ = options;
    setNoCut(options.noCut);
}

CdOptions TfrmEditCdList::options() const {
    return settings_;
}

void TfrmEditCdList::setNoCut(bool on) {
    chkNoCut->setChecked(on);
    settings_.noCut = on;
}

void TfrmEditCdList::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    showDisc();
    // Restoring the minimised window shows it again; only its opening loads the folder, so
    // edits not yet saved stay.
    if (!loadOnShow_)
        return;
    loadOnShow_ = false;
    if (QFileInfo(presenter_.disc().folderPath).isDir())
        runGuarded([this] { loadFolder(presenter_.disc().folderPath); });
}

void TfrmEditCdList::done(int result) {
    if (!mayDropUnsaved())
        return;
    loadOnShow_ = true;
    player_.stop();
    QDialog::done(result);
}

bool TfrmEditCdList::mayDropUnsaved() {
    if (!modified_)
        return true;
    switch (ShowMessageBox(QStringLiteral("変更を保存しますか"), QStringLiteral("確認"),
                           MessageBoxType::YesNoCancel | MessageBoxType::IconQuestion)) {
    case DialogResult::Yes:
        runGuarded([this] { BitBtn2Click(); });
        return !modified_;
    case DialogResult::No:
        return true;
    default:
        return false;
    }
}

// ---- Grid

int TfrmEditCdList::selectedRow() const {
    const QModelIndex current = CtrlGrid1->currentIndex();
    return current.isValid() ? current.row() + 1 : 0;
}

void TfrmEditCdList::selectRow(int songNumber) {
    const int column = qMax(0, CtrlGrid1->currentIndex().column());
    CtrlGrid1->setCurrentIndex(presenter_.tracks().index(songNumber - 1, column));
}

void TfrmEditCdList::dragEnterEvent(QDragEnterEvent* event) {
    takeFileDrop(event);
}

void TfrmEditCdList::dragMoveEvent(QDragMoveEvent* event) {
    takeFileDrop(event);
}

void TfrmEditCdList::dropEvent(QDropEvent* event) {
    takeFileDrop(event);
}

bool TfrmEditCdList::takeFileDrop(QEvent* event) {
    const auto type = event->type();
    if (type != QEvent::DragEnter && type != QEvent::DragMove && type != QEvent::Drop)
        return false;
    auto* drop = static_cast<QDropEvent*>(event);
    QStringList paths;
    for (const QUrl& url : drop->mimeData()->urls())
        if (url.isLocalFile())
            paths.append(url.toLocalFile());
    if (paths.isEmpty()) {
        drop->ignore();
        return false;
    }
    drop->setDropAction(Qt::CopyAction);
    drop->accept();
    // The file manager waits for the drop to end; the questions of a load come after it.
    if (type == QEvent::Drop)
        QMetaObject::invokeMethod(
            this, [this, paths] { runGuarded([&] { loadDropped(paths); }); }, Qt::QueuedConnection);
    return true;
}

void TfrmEditCdList::loadDropped(const QStringList& paths) {
    if (QFileInfo(paths.first()).isDir()) {
        openFolder(paths.first());
        return;
    }
    QStringList files;
    for (const QString& path : paths)
        if (QFileInfo(path).isFile())
            files.append(path);
    if (files.isEmpty())
        return;
    // Songs dropped on an empty editor make their folder the disc's, where the save writes.
    if (presenter_.disc().folderBoxText.isEmpty()) {
        presenter_.disc().setFolderPath(QFileInfo(files.first()).absolutePath());
        showPathBoxes();
    }
    appendSongFiles(presenter_, files);
    showJacketOffer();
}

// Every press toggles: a double click's second press arrives as MouseButtonDblClick. Only the left
// button moves the selection; the grid would move it for any button, so it never sees the others.
bool TfrmEditCdList::eventFilter(QObject* watched, QEvent* event) {
    if (watched != this && takeFileDrop(event))
        return true;
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (watched != CtrlGrid1->viewport() || !press)
        return QDialog::eventFilter(watched, event);
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QPoint at = mouse->position().toPoint();
    const bool left = mouse->button() == Qt::LeftButton;
    const QModelIndex cell = CtrlGrid1->indexAt(at);
    if (left && cell.isValid())
        CtrlGrid1->setCurrentIndex(cell);
    presenter_.pressInGrid(selectedRow(), at.x() + CtrlGrid1->horizontalHeader()->offset(),
                           CtrlGrid1->columnWidth(0), CtrlGrid1->columnWidth(1));
    // A double click on the print check toggles it twice; on the song's other cells it plays.
    if (left && event->type() == QEvent::MouseButtonDblClick && cell.isValid() &&
        cell.column() != int(TrackColumn::Check))
        runGuarded([&] { playSong(cell.row() + 1); });
    return !left;
}

// ---- Commands

void TfrmEditCdList::loadFolder(const QString& folder) {
    player_.stop();
    if (const std::optional<QString> caption = LoadFolder(presenter_, folder))
        setWindowTitle(*caption);
    modified_ = false;
    showJacketOffer();
}

void TfrmEditCdList::Button7Click() {
    const QString current = presenter_.disc().folderPath;
    const QString start = QFileInfo(current).isDir() ? current : paths_.programFolder();
    const std::optional<QString> folder = dialogs().browseFolder(kFolderPrompt, start);
    if (folder)
        openFolder(*folder);
}

void TfrmEditCdList::openFolder(const QString& folder) {
    if (!mayDropUnsaved())
        return;
    presenter_.disc().setFolderPath(folder);
    showPathBoxes();
    loadFolder(folder);
    presenter_.showPlayingTime(1);
}

void TfrmEditCdList::Button1Click() {
    const DiscInfo& disc = presenter_.disc();
    const QString start = QFileInfo(disc.jacketPath).isFile() ? disc.jacketPath : disc.folderPath;
    const std::optional<QString> jacket = dialogs().openPicture(
        {QString(), QStringLiteral("Jpeg(*.jpg)|*.jpg|すべて(*.*)|*.*"), start});
    if (!jacket)
        return;
    presenter_.disc().setJacketPath(*jacket);
    modified_ = true; // the project keeps the jacket
    showPathBoxes();
    showJacketOffer();
}

void TfrmEditCdList::btnTakeJacketClick() {
    if (!jacketOffer_)
        return;
    QString jacket = jacketOffer_->file;
    if (jacket.isEmpty()) {
        readDiscBoxes();
        jacket = coverFilePath(*jacketOffer_, presenter_.disc().albumTitle);
        if (!AskOkCancel(QStringLiteral("曲 %1 のジャケット画像をファイル %2 として保存し、"
                                        "ジャケット画像にしますか")
                             .arg(lastPathComponent(jacketOffer_->song), jacket),
                         QStringLiteral("確認")))
            return;
        writeFileAtomically(jacket, jacketOffer_->picture);
    }
    presenter_.disc().setJacketPath(jacket);
    modified_ = true;
    showPathBoxes();
    showJacketOffer();
}

void TfrmEditCdList::SpeedButton2Click() {
    const int songNumber = selectedRow();
    const int moved = moveTrackUp(presenter_.tracks(), songNumber);
    if (moved != songNumber)
        selectRow(moved);
    CtrlGrid1->setFocus();
}

void TfrmEditCdList::SpeedButton3Click() {
    const int songNumber = selectedRow();
    const int moved = moveTrackDown(presenter_.tracks(), songNumber);
    if (moved != songNumber)
        selectRow(moved);
    CtrlGrid1->setFocus();
}

void TfrmEditCdList::SpeedButton4Click() {
    const int songs = presenter_.RecountTracks();
    if (songs == 0)
        return;
    if (AskOkCancel(QStringLiteral("%1:曲残ってるのを消しますか").arg(songs), kAskTitle)) {
        presenter_.ClearCdList();
        modified_ = false;
    }
}

void TfrmEditCdList::BitBtn3Click() {
    if (!mayDropUnsaved())
        return;
    presenter_.ClearCdList();
    modified_ = false;
    presenter_.disc().folderBoxText.clear();
    showPathBoxes();
    presenter_.ShowStatusMessage(QStringLiteral("画面をクリアしました"));
}

void TfrmEditCdList::BitBtn2Click() {
    readDiscBoxes();
    DiscSaveSettings settings{.cd = settings_, .programPaths = paths_, .labelSheets = labelSheets_};
    // The user's answer to the unsplit question stands even when a later step of the save fails.
    const auto keepNoCut = qScopeGuard([&] {
        if (settings.cd.noCut != settings_.noCut)
            setNoCut(settings.cd.noCut);
    });
    const std::optional<QString> label = save_.run(settings);
    if (label) {
        savedLayoutPath_ = *label;
        modified_ = false;
    }
}

void TfrmEditCdList::BitBtn4Click() {
    if (AskOkCancel(QStringLiteral("再読み込みしますか"), kAskTitle))
        loadFolder(presenter_.disc().folderPath);
}

void TfrmEditCdList::BitBtn5Click() {
    readDiscBoxes();
    applyDiscFieldsToSongs(presenter_.tracks(), presenter_.disc());
}

void TfrmEditCdList::BitBtn8Click() {
    options_.setOptions(settings_);
    if (dialogs().execDialog(options_) != QDialog::Accepted)
        return;
    settings_ = options_.options();
    setNoCut(settings_.noCut);
    showLevels();
}

TrackLevelling TfrmEditCdList::levelling() {
    return windowLevelling(
        {services_.songs.decoder, services_.songs.loudness, loudness_, settings_.level},
        [this](const QString& text) { presenter_.status().setText(text); });
}

QList<TrackSource> TfrmEditCdList::discSources() const {
    QList<TrackSource> sources;
    for (const DiscSong& song :
         discSongs(presenter_.disc(), discRowsOf(presenter_.tracks().rows())))
        sources.append({song.path, song.segment});
    return sources;
}

void TfrmEditCdList::showLevels() {
    const TrackLevelling level = levelling();
    const TrackRows rows = discRowsOf(presenter_.tracks().rows());
    QHash<QString, QString> notes;
    // A song that cannot be measured says why on the panel; the gains show once it can.
    if (level && presenter_.RecountTracks() > 0) {
        readDiscBoxes();
        try {
            QList<TrackSource> sources = discSources();
            level(sources);
            presenter_.status().setText(QString());
            // The disc's songs are its first rows, in order.
            for (qsizetype i = 0; i < sources.size(); ++i)
                notes.insert(trimBlanks(rows[size_t(i)].fileName),
                             levelNote(loudness_, sources[i]));
        } catch (const AppError& error) {
            presenter_.status().setText(error.message());
        }
    }
    presenter_.tracks().setLevelNotes(notes);
}

void TfrmEditCdList::BitBtn6Click() {
    const QString guide = paths_.programFile(QStringLiteral("readme.txt"));
    if (QFileInfo(guide).isFile())
        openGuide(services_.shell, guide, this);
}

void TfrmEditCdList::Edit2Click() {
    const int songNumber = selectedRow();
    if (!canEditSong(presenter_.tracks(), songNumber))
        return;
    editItems_.setEdit(songEditFor(presenter_, songNumber), presenter_.disc().genreList);
    // Going back from the question about lost characters shows the dialog again as typed.
    do {
        if (dialogs().execDialog(editItems_) != QDialog::Accepted)
            return;
    } while (!applySongEdit(presenter_, songNumber, editItems_.edit(), settings_.noCut));
}

void TfrmEditCdList::WAVW1Click() {
    if (!settings_.noCut) {
        presenter_.status().setText(QStringLiteral("[無分割]にチェックがついているときに可能です"));
        return;
    }
    const std::optional<QList<WavCheckLine>> lines =
        wavCheckLines(presenter_.songLengths(), presenter_.disc().folderPath);
    if (!lines)
        return;
    checkWavFile_.setLines(*lines);
    dialogs().execDialog(checkWavFile_);
}

void TfrmEditCdList::mnuWriteImageClick() {
    readDiscBoxes();
    std::optional<QString> written;
    try {
        written = exportDiscImage(
            services_.songs.decoder, presenter_.disc(), discRowsOf(presenter_.tracks().rows()),
            settings_.addGap,
            [this](int percent) {
                presenter_.status().setText(
                    QStringLiteral("ディスクイメージを書き出しています… %1%").arg(percent));
                // The panel shows the progress; clicks wait until the image is written.
                QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            },
            levelling());
    } catch (const AppError&) {
        presenter_.status().setText(QString());
        throw;
    }
    if (written)
        presenter_.ShowStatusMessage(*written);
}

void TfrmEditCdList::btnPlayClick() {
    if (player_.isPlaying())
        player_.stop();
    else
        playSong(selectedRow());
}

void TfrmEditCdList::playSong(int songNumber) {
    const std::optional<QList<DiscSong>> songs = songsToPlay(songNumber, 1);
    if (!songs)
        return;
    playInLevel(songPlayback(songs->first()), songs->first().path);
    presenter_.ShowStatusMessage(QStringLiteral("再生: %1").arg(songs->first().title));
}

void TfrmEditCdList::btnPlayJoinClick() {
    const std::optional<QList<DiscSong>> songs = songsToPlay(selectedRow(), 2);
    if (!songs)
        return;
    playInLevel(joinPlayback(songs->at(0), songs->at(1), settings_.addGap), songs->first().path);
    presenter_.ShowStatusMessage(
        QStringLiteral("つなぎを再生: %1 → %2").arg(songs->at(0).title, songs->at(1).title));
}

void TfrmEditCdList::playInLevel(QList<PlaybackPiece> pieces, const QString& firstPath) {
    readDiscBoxes();
    levelPlayback(pieces, discSources(), levelling());
    playingPath_ = firstPath;
    player_.play(std::move(pieces));
}

std::optional<QList<DiscSong>> TfrmEditCdList::songsToPlay(int songNumber, int count) {
    const TrackRows& rows = presenter_.tracks().rows();
    if (songNumber < 1 || songNumber > discSongCount(rows)) {
        presenter_.ShowStatusMessage(QStringLiteral("聴く曲を選んでください"));
        return std::nullopt;
    }
    if (songNumber + count - 1 > discSongCount(rows)) {
        presenter_.ShowStatusMessage(QStringLiteral("次の曲がありません"));
        return std::nullopt;
    }
    QList<DiscSong> songs;
    try {
        for (int i = 0; i < count; ++i)
            songs.append(discSong(presenter_.disc(), rows, songNumber + i));
    } catch (const AppError& missing) {
        presenter_.ShowStatusMessage(missing.message());
        return std::nullopt;
    }
    return songs;
}

void TfrmEditCdList::btnBurnCdClick() {
    if (modified_) {
        BitBtn2Click();
        if (modified_)
            return; // the save was refused; its reason is on the status panel
    }
    readDiscBoxes();
    DiscNotes trackNotes;
    const DiscBurnPlan plan =
        planDiscBurn(presenter_.disc(), discRowsOf(presenter_.tracks().rows()), settings_,
                     services_.songs.decoder, trackNotes);
    showDiscNotes(presenter_.status(), trackNotes);
    if (!plan.notes.isEmpty())
        presenter_.ShowStatusMessage(discNoteTexts(plan.notes).join(QStringLiteral(" / ")));
    // Without a drive the window still opens: it says what to do and offers the disc image.
    burnCd_->prepare(plan, services_.burner.drives(),
                     {presenter_.disc(), discRowsOf(presenter_.tracks().rows()), settings_.addGap},
                     settings_.level);
    dialogs().execDialog(*burnCd_);
    if (burnCd_->levelSettings() != settings_.level) {
        settings_.level = burnCd_->levelSettings();
        showLevels();
    }
    if (!burnCd_->outcome().isEmpty())
        presenter_.ShowStatusMessage(burnCd_->outcome());
}

} // namespace lccd
