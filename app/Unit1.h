#pragma once

#include "app/LabelLibrary.h"
#include "app/Settings.h"
#include "layout/LayoutList.h"
#include "layout/ListCommands.h"
#include "platform/ProgramPaths.h"
#include "platform/Services.h"
#include "render/DrawingPass.h"
#include "render/LoadedSettingsRow.h"
#include "render/SheetDocument.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QComboBox;
class QDragEnterEvent;
class QDragMoveEvent;
class QDropEvent;
class QMimeData;
class QUndoStack;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QMenu;
class QMouseEvent;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSlider;
class QSpinBox;
class QTabWidget;
class QTableView;

namespace lccd {

class LayoutListView;
class PreviewEditing;
class TLcPrnPrev;
class TfrmCheckWavFile;
class TfrmEditCdList;
class TfrmEditItem;
class TfrmEditItems;
class TfrmOption;
class TfrmVersion;

// The main window: the layout list, the preview and the work tab under a panel with the
// printer, paper, zoom, print corrections and the main buttons.
class TForm1 : public QMainWindow, private DrawingPassObserver {
    Q_OBJECT

public:
    // Prints, measures text, reads songs and burns discs with the services given.
    TForm1(const ProgramPaths& paths, const Services& services, QWidget* parent = nullptr);
    ~TForm1() override;

    LayoutList& layoutList() { return document_.rows(); }
    // Every edit of the list is a step on it.
    QUndoStack& undoStack() { return *undoStack_; }
    TLcPrnPrev& preview() { return *LcPrnPrev1; }
    SheetSurface& surface() { return surface_; }
    const AppSettings& settings() const { return settings_; }
    const QString& CurrentLayoutPath() const { return currentLayoutPath_; }
    void setCurrentLayoutPath(const QString& path) { currentLayoutPath_ = path; }
    bool shiftHeld() const { return shiftFlag_; }
    // The list differs from what was last opened, stored or saved.
    bool isListModified() const;
    // A drawing pass waits for the event loop (a change of the list, printer or offsets).
    bool redrawPending() const { return redrawPending_; }
    // How many drawing passes of the layout have run.
    int passCount() const { return passCount_; }

    // Commands of the top panel and the main menu.
    void Button1Click();                // "CSV開く"
    void Button2Click();                // "印　刷"
    void CSVO1Click();                  // "CSV開く(&O)"
    void Close1Click();                 // "閉じる(&E)"
    void INIQ1Click();                  // "INIから開く(&Q)"
    void INIS1Click();                  // "INIに保存(&S)"
    void CSVV1Click();                  // "CSVに保存(&V)"
    void saveClick();                   // "上書き保存(&A)": where the list came from
    void exportSheetClick();            // "PDF/PNGに書き出し(&W)..."
    void C1Click();                     // "プリンター設定(&C)"
    void Print1Click();                 // "印刷(&P)"
    void R1Click();                     // "再表示(&R)"
    void N7Click();                     // "プレビュー・クリア"
    void GaugeBar1Change(int position); // the zoom slider
    void ComboBox1Change();             // the paper list
    void rdoTateokiClick();             // "縦置き" and "横置き"

    // List editing (the list's popup menu) and the version menu.
    void E1Click(); // "項目編集(&E)"
    void addSampleRow(SampleRow sample);
    void C2Click();   // "項目コピー(&C)"
    void V3Click();   // "項目貼付(追加)(&V)"
    void U1Click();   // "上へ移動(&U)"
    void D1Click();   // "下に移動(&D)"
    void X1Click();   // "項目削除(&X)"
    void H1Click();   // "使用方法(&H)"
    void V2Click();   // "バージョン表示(&V)"
    void CDT1Click(); // "音楽CDリストの作成(&T)"
    // The tool menu's label sheet and calibration sheet.
    void labelSheetClick();       // "ラベル用紙から作る(&L)..."
    void calibrationSheetClick(); // "印刷位置調整シート(&K)..."

    TfrmEditItem& frmEditItem() { return *frmEditItem_; }
    TfrmVersion& frmVersion() { return *frmVersion_; }
    TfrmEditCdList& frmEditCdList() { return *frmEditCdList_; }
    const QString& helpPath() const { return helpPath_; }

    // Reads CurrentLayoutPath (asking for a file when it is empty) into the list; false when
    // nothing was read.
    bool OpenLayoutFile();
    // Saves into a file the user names; false when cancelled.
    bool SaveLayoutFile();
    void AddLayoutRow(const QString& line, int fieldCount);
    void RedrawLayout(bool skipSettingsRows);
    void RefreshPrinterInfo();
    void SelectPaperByName(const QString& name, int orientation);

protected:
    void showEvent(QShowEvent* event) override;
    // Closing after the list changed asks whether to store it first.
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A layout file dropped from a file manager opens, as "CSV開く" opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // DrawingPassObserver
    void paperSelected() override;
    void passEnded() override;
    void paragraphStarted() override;
    void paragraphWrapped(const QString& wrappedText, const QString& face, int points,
                          const QColor& color) override;

    void buildUi();
    void buildTopPanel(QWidget* panel);
    void buildMenus();
    void buildPopupMenu();
    void connectCommands();
    void FormCreate();
    void FormShow();
    void FormDestroy();
    // The window sees every key first (key preview).
    void FormKeyDown(const QKeyEvent& key);
    void FormKeyUp();
    // A press on a row's check box or icon.
    void TntListView1MouseDown(const QMouseEvent& press);
    // Where the row's label starts in the list's first column: the box and icon lie left of it.
    int labelLeft(const QModelIndex& index) const;
    void applySettingsToWindow();
    AppSettings settingsFromWindow() const;
    void loadLayoutFromIni();
    // Where the list came from, and so where "save" writes it.
    enum class ListOrigin { None, Csv, Ini };
    void setListOrigin(ListOrigin origin, const QString& path = QString());
    // The list as it was last opened, stored or saved: what closing compares against.
    void markListSaved();
    // The title names where the list came from and marks unsaved changes.
    void updateTitle();
    // Before the list is replaced or dropped: asks whether to save unsaved changes first.
    // False when the user cancels (or the save does not happen).
    bool mayDiscardList();
    // Saves the list where it came from; false when cancelled.
    bool saveList();
    bool mayClose();
    // Replaces the list by a layout file dropped on the window.
    void openDroppedLayout(const QString& path);
    static std::optional<QString> droppedLayoutPath(const QMimeData* data);
    void showSaved(const QString& path);
    // Gives the window the outer size of the settings; false while the frame is not known.
    bool applyFrameSize();
    int firstSettingsRow() const;
    int selectedRow() const;
    void selectRow(int row);
    void clearPreviewNow();
    // Redraws once the event loop comes round: every request of one turn makes one pass,
    // and no pass starts while another runs.
    void requestRedraw(bool skipSettingsRows);
    void flushRedraw();
    // One drawing pass; an explicit one shows the preview tab.
    void runPass(const LayoutList& rows, bool skipSettingsRows, bool explicitPass);
    void listChanged();
    // Rows the user adds: one step, and a settings row among them applies as when loaded.
    void addRows(const QList<LayoutItem>& rows, const QString& step);
    void showLoadedSettingsRow(const LoadedSettingsRow& row);
    // Draws the calibration sheet for the printer's paper and the offsets; false when the
    // paper is not known.
    bool drawCalibrationSheet(bool explicitPass);
    void editRow(int row);
    void dropRow(int from, int before);
    void zoomBy(int percent);
    void zoomBoxEdited();
    // Lets the CD list options choose a label product and the save find it.
    void connectLabelProducts(TfrmOption& options);
    // Runs a command; an error that stops it is shown in the error box.
    void command(const std::function<void()>& work);

    ProgramPaths paths_;
    // What the CD list editor burns discs with.
    Services services_;
    // The page the preview shows and the printer prints, and what it is drawn from; the
    // controls show the document and hand every change on to it.
    SheetSurface surface_;
    SheetDocument document_;
    AppSettings settings_;
    QString currentLayoutPath_;
    ListOrigin origin_ = ListOrigin::Ini;
    QString originPath_;
    // The title a settings row gave on loading; it stays until another one gives one.
    QString layoutTitle_;
    QString helpPath_;
    QString copiedRow_;
    TfrmEditItem* frmEditItem_ = nullptr;
    TfrmVersion* frmVersion_ = nullptr;
    TfrmEditCdList* frmEditCdList_ = nullptr;
    bool shiftFlag_ = false;
    bool shown_ = false;
    bool centreOnFirstShow_ = false;
    // The preview shows the calibration sheet instead of the layout until the next print or
    // drawing pass.
    bool calibrationShown_ = false;
    bool frameSizePending_ = false;
    QList<LayoutItem> savedRows_;
    QUndoStack* undoStack_ = nullptr;
    std::unique_ptr<LayoutListEditor> editor_;
    // Clicks, drags and keys on the preview, as steps of the same editor.
    std::unique_ptr<PreviewEditing> previewEditing_;
    // The coalesced redraw: a pass is asked for, whether it skips settings rows, whether one
    // runs now, whether the list changed since the last pass.
    bool redrawPending_ = false;
    bool redrawSkipsSettings_ = false;
    bool passRunning_ = false;
    int passCount_ = 0;
    bool explicitPass_ = false;
    bool paperChangedInPass_ = false;
    bool listChangedSincePass_ = false;
    // While a layout loads, its rows make no redraw of their own.
    int loading_ = 0;
    int wheelRemainder_ = 0;
    int doubleClickX_ = 0; // where the last double click on the list was
    LabelLibrary labels_{installedLabelTemplatesFolder()};

    // Controls, named as their objectName says.
    QWidget* Panel1 = nullptr;
    QLabel* Label2 = nullptr;
    QLineEdit* edtPrinterName = nullptr;
    QLineEdit* edtCanvasSize = nullptr;
    QLabel* Label1 = nullptr;
    QComboBox* ComboBox1 = nullptr;
    QRadioButton* rdoTateoki = nullptr;
    QRadioButton* rdoYokooki = nullptr;
    QLabel* Label14 = nullptr;
    QLineEdit* edtpWidth = nullptr;
    QLabel* Label15 = nullptr;
    QLineEdit* edtpHeight = nullptr;
    QLabel* Label3 = nullptr;
    QSlider* GaugeBar1 = nullptr;
    QLineEdit* edtPrevXZoom = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;
    QPushButton* Button3 = nullptr;
    QLabel* Label6 = nullptr;
    QSpinBox* spnHoseiX = nullptr;
    QLabel* Label7 = nullptr;
    QSpinBox* spnHoseiY = nullptr;
    QLabel* Label8 = nullptr;
    QSpinBox* spnMaisu = nullptr;
    QTabWidget* PageControl1 = nullptr;
    QWidget* tbsListView = nullptr;
    QWidget* tbsPreview = nullptr;
    QWidget* tbsWork = nullptr;
    LayoutListView* TntListView1 = nullptr;
    QList<QIcon> ImageList1; // the list's icons, one per kind
    QScrollArea* ScrollBox1 = nullptr;
    TLcPrnPrev* LcPrnPrev1 = nullptr;
    QPlainTextEdit* EditorEx1 = nullptr;
    QLabel* statusPanels[3] = {};
    QMenu* PopupMenu1 = nullptr;
    QAction* undoAction_ = nullptr;
    QAction* redoAction_ = nullptr;
};

} // namespace lccd
