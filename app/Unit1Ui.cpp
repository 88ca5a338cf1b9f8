// The main window's controls, menus and their layout.
#include "app/KindIcons.h"
#include "app/LayoutListView.h"
#include "app/Unit1.h"
#include "cdlist/ColumnWidth.h"
#include "platform/NamedWidget.h"
#include "render/LcPrnPrev.h"

#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QTabWidget>
#include <QTableView>
#include <QUndoStack>

namespace lccd {
namespace {

QLabel* label(const char* name, const QString& caption, QWidget* parent) {
    return named(new QLabel(caption, parent), name);
}

QLineEdit* edit(const char* name, const QString& text, int width, QWidget* parent) {
    auto* box = named(new QLineEdit(text, parent), name);
    box->setFixedWidth(width);
    return box;
}

QSpinBox* spin(const char* name, int minimum, int maximum, int value, QWidget* parent) {
    auto* box = named(new QSpinBox(parent), name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    box->setFixedWidth(60);
    box->findChild<QLineEdit*>()->setMaxLength(3);
    return box;
}

QAction* action(QMenu* menu, const char* name, const QString& caption,
                const QList<QKeySequence>& keys = {}) {
    QAction* entry = menu->addAction(caption);
    entry->setObjectName(QString::fromLatin1(name));
    entry->setShortcuts(keys);
    return entry;
}

// Column widths of the layout list, one per field, as designed.
constexpr int kColumnWidths[] = {70, 35, 35, 35,  50,  50, 50, 50, 50,
                                 50, 35, 45, 150, 100, 45, 60, 60};

// What each column shows whole, so that its designed width grows where this desktop's fonts
// need more: every kind word beside its check box and icon, the alignment words, typical
// numbers, faces and colors. Values may be of any length and are cut where they do not fit.
const ColumnContent& columnContent(int column) {
    static const ColumnContent flag{{yesNo(true), yesNo(false)}};
    static const ColumnContent number{{QStringLiteral("-1000"), QStringLiteral("2970")}};
    static const ColumnContent decimal{{QStringLiteral("13.5")}};
    static const ColumnContent color{{QStringLiteral("clWindowText"), QStringLiteral("$00B48246")}};
    static const ColumnContent none;
    static const ColumnContent columns[kLayoutFieldCount] = {
        {kindWords(), true},
        flag,
        flag,
        flag,
        number,
        number,
        number,
        number,
        number,
        {{QStringLiteral("拡張左右合せ"), QStringLiteral("中心合せ")}},
        flag,
        decimal,
        none,
        {{QStringLiteral("HG創英角ﾎﾟｯﾌﾟ体"), QStringLiteral("ＭＳ Ｐゴシック")}},
        decimal,
        color,
        color,
    };
    return columns[column];
}

} // namespace

void TForm1::buildUi() {
    setObjectName(QStringLiteral("Form1"));
    setFont(QApplication::font());

    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    Panel1 = named(new QWidget(central), "Panel1");
    Panel1->setFixedHeight(81);
    buildTopPanel(Panel1);
    layout->addWidget(Panel1);

    PageControl1 = named(new QTabWidget(central), "PageControl1");
    tbsListView = named(new QWidget, "tbsListView");
    tbsPreview = named(new QWidget, "tbsPreview");
    tbsWork = named(new QWidget, "tbsWork");
    PageControl1->addTab(tbsListView, QStringLiteral("印刷リスト"));
    PageControl1->addTab(tbsPreview, QStringLiteral("プレビュー"));
    PageControl1->addTab(tbsWork, QStringLiteral("[作業用]"));
    layout->addWidget(PageControl1, 1);
    setCentralWidget(central);

    undoStack_ = new QUndoStack(this);
    editor_ = std::make_unique<LayoutListEditor>(document_.rows(), *undoStack_);
    ImageList1 = kindIcons();
    document_.rows().setKindIcons(ImageList1);
    TntListView1 = named(new LayoutListView(tbsListView), "TntListView1");
    TntListView1->setModel(&document_.rows());
    TntListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    TntListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    TntListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TntListView1->setShowGrid(true);
    TntListView1->verticalHeader()->hide();
    TntListView1->verticalHeader()->setDefaultSectionSize(18);
    TntListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    for (int column = 0; column < kLayoutFieldCount; ++column)
        TntListView1->setColumnWidth(column, readableColumnWidth(*TntListView1, column,
                                                                 kColumnWidths[column],
                                                                 columnContent(column)));
    auto* listLayout = new QVBoxLayout(tbsListView);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(TntListView1);

    ScrollBox1 = named(new QScrollArea(tbsPreview), "ScrollBox1");
    LcPrnPrev1 = new TLcPrnPrev(surface_);
    ScrollBox1->setWidget(LcPrnPrev1);
    ScrollBox1->setBackgroundRole(QPalette::Dark);
    auto* previewLayout = new QVBoxLayout(tbsPreview);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    previewLayout->addWidget(ScrollBox1);

    EditorEx1 = named(new QPlainTextEdit(tbsWork), "EditorEx1");
    EditorEx1->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    auto* workLayout = new QVBoxLayout(tbsWork);
    workLayout->setContentsMargins(0, 0, 0, 0);
    workLayout->addWidget(EditorEx1);

    auto* status = named(new QStatusBar(this), "TntStatusBar1");
    const int widths[] = {80, 80, 50};
    for (int i = 0; i < 3; ++i) {
        statusPanels[i] = new QLabel(status);
        statusPanels[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i + 1));
        statusPanels[i]->setMinimumWidth(widths[i]);
        status->addWidget(statusPanels[i], i == 2 ? 1 : 0);
    }
    setStatusBar(status);

    // The list's commands are in the popup menu and in the edit menu.
    buildPopupMenu();
    buildMenus();
    setAcceptDrops(true);
}

void TForm1::buildTopPanel(QWidget* panel) {
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(6, 1, 6, 1);
    grid->setSpacing(1);

    Label2 = label("Label2", QStringLiteral("プリンター"), panel);
    edtPrinterName = edit("edtPrinterName", QString(), 260, panel);
    edtPrinterName->setReadOnly(true);
    edtCanvasSize = edit("edtCanvasSize", QStringLiteral("0,0,0,0,0,0"), 230, panel);
    edtCanvasSize->setReadOnly(true);
    Label1 = label("Label1", QStringLiteral("用紙名"), panel);
    ComboBox1 = named(new QComboBox(panel), "ComboBox1");
    ComboBox1->setMinimumWidth(150);
    rdoTateoki = named(new QRadioButton(QStringLiteral("縦置き"), panel), "rdoTateoki");
    rdoYokooki = named(new QRadioButton(QStringLiteral("横置き"), panel), "rdoYokooki");
    rdoTateoki->setChecked(true);
    Label14 = label("Label14", QStringLiteral("幅"), panel);
    edtpWidth = edit("edtpWidth", QStringLiteral("850"), 48, panel);
    Label15 = label("Label15", QStringLiteral("高"), panel);
    edtpHeight = edit("edtpHeight", QStringLiteral("1000"), 48, panel);

    Label3 = label("Label3", QStringLiteral("プレビュー・ズーム"), panel);
    GaugeBar1 = named(new QSlider(Qt::Horizontal, panel), "GaugeBar1");
    GaugeBar1->setRange(25, 200);
    GaugeBar1->setFixedWidth(140);
    edtPrevXZoom = edit("edtPrevXZoom", QString(), 36, panel);
    edtPrevXZoom->setValidator(new QIntValidator(25, 200, edtPrevXZoom));
    Label4 = label("Label4", QStringLiteral("％"), panel);
    Label5 = label("Label5", QStringLiteral("(25～200%)"), panel);
    Label6 = label("Label6", QStringLiteral("補横"), panel);
    spnHoseiX = spin("spnHoseiX", -999, 999, 0, panel);
    Label7 = label("Label7", QStringLiteral("補縦"), panel);
    spnHoseiY = spin("spnHoseiY", -999, 999, 0, panel);
    Label8 = label("Label8", QStringLiteral("枚数"), panel);
    spnMaisu = spin("spnMaisu", 1, 999, 1, panel);
    Button1 = named(new QPushButton(QStringLiteral("CSV開く"), panel), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("印　刷"), panel), "Button2");
    Button2->setToolTip(QStringLiteral("[Shift]を押しながら押すと再読み込みして印刷する"));
    Button3 = named(new QPushButton(QStringLiteral("終了"), panel), "Button3");

    // Three rows: printer, paper, and zoom with the print settings; the buttons on the right.
    const QList<QList<QWidget*>> rows = {
        {Label2, edtPrinterName, edtCanvasSize},
        {Label1, ComboBox1, rdoTateoki, rdoYokooki, Label14, edtpWidth, Label15, edtpHeight},
        {Label3, GaugeBar1, edtPrevXZoom, Label4, Label5, Label6, spnHoseiX, Label7, spnHoseiY,
         Label8, spnMaisu},
    };
    for (int row = 0; row < rows.size(); ++row) {
        auto* line = new QHBoxLayout;
        line->setSpacing(4);
        for (QWidget* widget : rows[row])
            line->addWidget(widget);
        line->addStretch(1);
        grid->addLayout(line, row, 0);
    }
    auto* buttons = new QVBoxLayout;
    buttons->setSpacing(2);
    for (QPushButton* button : {Button1, Button2, Button3}) {
        button->setFixedSize(88, 24);
        buttons->addWidget(button);
    }
    grid->addLayout(buttons, 0, 1, 3, 1);
}

void TForm1::buildMenus() {
    using Keys = QList<QKeySequence>;
    QMenu* file = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    action(file, "CSVO1", QStringLiteral("CSV開く(&O)"), {QKeySequence::Open});
    action(file, "Save1", QStringLiteral("上書き保存(&A)"), {QKeySequence::Save});
    action(file, "CSVV1", QStringLiteral("CSVに保存(&V)"),
           {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)});
    action(file, "Export1", QStringLiteral("PDF/PNGに書き出し(&W)..."));
    action(file, "Close1", QStringLiteral("閉じる(&E)"), {QKeySequence(Qt::CTRL | Qt::Key_W)});
    file->addSeparator();
    action(file, "INIQ1", QStringLiteral("INIから開く(&Q)"));
    action(file, "INIS1", QStringLiteral("INIに保存(&S)"));
    file->addSeparator();
    action(file, "C1", QStringLiteral("プリンター設定(&C)"));
    action(file, "Print1", QStringLiteral("印刷(&P)"), {QKeySequence::Print});
    file->addSeparator();
    action(file, "Exit1", QStringLiteral("終了(&X)"), {QKeySequence(Qt::CTRL | Qt::Key_Q)});

    QMenu* edit = menuBar()->addMenu(QStringLiteral("編集(&E)"));
    edit->setObjectName(QStringLiteral("EditMenu1"));
    undoAction_ = action(edit, "Undo1", QStringLiteral("元に戻す(&Z)"), {QKeySequence::Undo});
    redoAction_ = action(
        edit, "Redo1", QStringLiteral("やり直し(&Y)"),
        Keys{QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
    edit->addSeparator();
    const char* const entries[] = {"E1",    "N1", nullptr, "C2",    "V3",
                                   nullptr, "U1", "D1",    nullptr, "X1"};
    for (const char* name : entries) {
        if (!name) {
            edit->addSeparator();
            continue;
        }
        edit->addAction(findChild<QAction*>(QString::fromLatin1(name)));
    }

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    action(view, "R1", QStringLiteral("再表示(&R)"), {QKeySequence(Qt::Key_F5)});
    action(view, "N7", QStringLiteral("プレビュー・クリア"));
    view->addSeparator();
    action(view, "ZoomIn1", QStringLiteral("拡大(&I)"),
           Keys{QKeySequence::ZoomIn, QKeySequence(Qt::CTRL | Qt::Key_Equal)});
    action(view, "ZoomOut1", QStringLiteral("縮小(&O)"), {QKeySequence::ZoomOut});
    action(view, "Zoom1001", QStringLiteral("100%(&1)"), {QKeySequence(Qt::CTRL | Qt::Key_0)});

    QMenu* tools = menuBar()->addMenu(QStringLiteral("ツール(&T)"));
    action(tools, "CDT1", QStringLiteral("音楽CDリストの作成(&T)"));
    tools->addSeparator();
    action(tools, "L1", QStringLiteral("ラベル用紙から作る(&L)..."));
    action(tools, "K2", QStringLiteral("印刷位置調整シート(&K)..."));

    QMenu* version = menuBar()->addMenu(QStringLiteral("バージョン(&V)"));
    action(version, "H1", QStringLiteral("使用方法(&H)"));
    action(version, "V2", QStringLiteral("バージョン表示(&V)"));
}

void TForm1::buildPopupMenu() {
    PopupMenu1 = named(new QMenu(this), "PopupMenu1");
    // The list's keys work while the list has the focus: elsewhere Delete, Enter and the
    // clipboard keys are the focused box's.
    std::vector<QAction*> listKeys;
    auto listAction = [&](QMenu* menu, const char* name, const QString& caption,
                          const QList<QKeySequence>& keys) {
        QAction* entry = action(menu, name, caption, keys);
        entry->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        TntListView1->addAction(entry);
        return entry;
    };
    listAction(PopupMenu1, "E1", QStringLiteral("項目編集(&E)"), {QKeySequence(Qt::Key_F2)});
    QMenu* add = PopupMenu1->addMenu(QStringLiteral("項目追加..."));
    add->menuAction()->setObjectName(QStringLiteral("N1"));
    action(add, "N3", QStringLiteral("文字(&M)"));
    action(add, "B1", QStringLiteral("文章(&B)"));
    action(add, "G1", QStringLiteral("画像(&G)"));
    action(add, "K1", QStringLiteral("矩形(&K)"));
    action(add, "S1", QStringLiteral("罫線(&S)"));
    action(add, "A1", QStringLiteral("設定(&A)"));
    action(add, "P1", QStringLiteral("カスタマーバーコード(&C)"));
    PopupMenu1->addSeparator();
    listAction(PopupMenu1, "C2", QStringLiteral("項目コピー(&C)"), {QKeySequence::Copy});
    listAction(PopupMenu1, "V3", QStringLiteral("項目貼付(追加)(&V)"), {QKeySequence::Paste});
    PopupMenu1->addSeparator();
    listAction(PopupMenu1, "U1", QStringLiteral("上へ移動(&U)"),
               {QKeySequence(Qt::ALT | Qt::Key_Up)});
    listAction(PopupMenu1, "D1", QStringLiteral("下に移動(&D)"),
               {QKeySequence(Qt::ALT | Qt::Key_Down)});
    PopupMenu1->addSeparator();
    listAction(PopupMenu1, "X1", QStringLiteral("項目削除(&X)"), {QKeySequence::Delete});
    connect(TntListView1, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        PopupMenu1->popup(TntListView1->viewport()->mapToGlobal(at));
    });
}

} // namespace lccd
