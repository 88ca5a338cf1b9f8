#pragma once

#include "audio/CdAudioPlayer.h"
#include "audio/LoudnessAnalysis.h"
#include "cdlist/CdListPresenter.h"
#include "cdlist/EditorDiscSave.h"
#include "cdlist/Option.h"
#include "disc/JacketOffer.h"
#include "disc/SongPlayback.h"
#include "platform/ProgramPaths.h"
#include "platform/Services.h"

#include <QDialog>
#include <QTimer>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QSlider;
class QTableView;
class QToolButton;

namespace lccd {

class TfrmBurnCd;
class TfrmCheckWavFile;
class TfrmEditItems;

// The CD list editor: the disc fields, a toolbar and the grid of 25 song rows. It reads, measures
// and burns songs with the services handed in.
class TfrmEditCdList : public QDialog {
    Q_OBJECT

public:
    TfrmEditCdList(const ProgramPaths& paths, TfrmEditItems& editItems, TfrmOption& options,
                   TfrmCheckWavFile& checkWavFile, const Services& services,
                   QWidget* parent = nullptr);

    CdListPresenter& presenter() { return presenter_; }

    // What the main window hands over before showing the editor, and takes back after.
    void setLastProject(const QString& folder);
    QString lastProject() const { return presenter_.disc().folderPath; }
    void setOptions(const CdOptions& options);
    CdOptions options() const;
    // How the save finds the label product of the options.
    void setLabelSheets(DiscLabelSheetSource labelSheets) { labelSheets_ = std::move(labelSheets); }
    // The label layout the last save wrote (forgotten at each opening).
    const QString& savedLayoutPath() const { return savedLayoutPath_; }
    void forgetSavedLayout() { savedLayoutPath_.clear(); }

    // Commands.
    void Button7Click(); // ",,," beside the folder box
    void Button1Click(); // ",,," beside the jacket box
    // "この画像を使う" beside the empty jacket box: the folder's or a song's cover becomes the
    // jacket; a song's is first written as a picture file beside it, when the user agrees.
    void btnTakeJacketClick();
    void SpeedButton2Click(); // "↑"
    void SpeedButton3Click(); // "↓"
    void SpeedButton4Click(); // "ｸﾘｱ"
    void BitBtn3Click();      // "新規開始"
    void BitBtn2Click();      // "プロジェクトを保存する"
    void BitBtn4Click();      // "再読み込みをする"
    void BitBtn5Click();      // "上記の共通項目をすべての曲に設定する"
    void BitBtn8Click();      // "オプション設定"
    void BitBtn6Click();      // "操作説明"
    void Edit2Click(); // "IDタグの書き出し／演奏時間の編集／項目追加(&E)"
    void WAVW1Click(); // "無分割時にWAVファイルを確認する(&W)"
    // Burns the disc, saving it first when it changed since the last save.
    void btnBurnCdClick();
    // "ディスクイメージを書き出す(&I)...": the disc as one WAV file with its CUE sheet.
    void mnuWriteImageClick();
    // Plays the selected song as the disc holds it, or stops what plays.
    void btnPlayClick();
    // "曲のつなぎを聴く": the end of the selected song, the gap and the start of the next.
    void btnPlayJoinClick();

    CdAudioPlayer& player() { return player_; }

    // Closing with changes not yet saved asks whether to save them first.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A folder or song files from a file manager, dropped anywhere on the window.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildUi();
    QWidget* buildDiscPanel();
    QWidget* buildToolbar();
    QWidget* buildPlayBar();
    void connectPlayer();
    void playSong(int songNumber);
    // Songs songNumber on, count of them, with their files; nothing (said on the status panel)
    // when there are not so many, or one has no file.
    std::optional<QList<DiscSong>> songsToPlay(int songNumber, int count);
    // Plays the pieces at the gains levelling gives the disc's songs; firstPath is the song
    // whose leaving the list stops it.
    void playInLevel(QList<PlaybackPiece> pieces, const QString& firstPath);
    // The disc's songs in order, as the image and the burner take them.
    QList<TrackSource> discSources() const;
    void showPlayPosition();
    // A song that is no longer in the list stops playing.
    void stopIfSongGone();
    void connectCommands();
    void loadFolder(const QString& folder);
    void showDisc();
    void showPathBoxes();
    // Looks for a cover to offer while the jacket box is empty, and shows it beside the box.
    void showJacketOffer();
    void readDiscBoxes();
    int selectedRow() const;
    void selectRow(int songNumber);
    void setNoCut(bool on);
    // Edits not yet saved are about to go: asks whether to save them first. True when the
    // command may go on (nothing to lose, saved, or the user lets them go).
    bool mayDropUnsaved();
    // The chosen (or dropped) folder becomes the disc's folder and is loaded.
    void openFolder(const QString& folder);
    // Accepts a drag of local files or folders and loads them once dropped; false for others.
    bool takeFileDrop(QEvent* event);
    // A dropped folder loads as the folder choice does; dropped files go after the songs.
    void loadDropped(const QStringList& paths);
    // The songs' levelling as the options ask, its progress on the status panel.
    TrackLevelling levelling();
    // Measures the disc's songs (once per file version) and shows each one's gain as the
    // tooltip of its row.
    void showLevels();

    ProgramPaths paths_;
    TfrmEditItems& editItems_;
    TfrmOption& options_;
    TfrmCheckWavFile& checkWavFile_;
    Services services_;
    TfrmBurnCd* burnCd_ = nullptr;
    CdListPresenter presenter_{services_.songs};
    EditorDiscSave save_{presenter_};
    CdAudioPlayer player_{services_.sound, [this](const TrackSource& song) {
                              return openPlaybackTrack(services_.songs.decoder, song);
                          }};
    QString playingPath_; // the file of the song that plays first
    QTimer seekDelay_;
    CdOptions settings_;
    LoudnessCache loudness_;
    DiscLabelSheetSource labelSheets_;
    QString savedLayoutPath_;
    // Only the first showing after the window opens loads the folder.
    bool loadOnShow_ = true;
    // The rows or disc fields changed since the folder was loaded or the disc saved.
    bool modified_ = false;
    std::optional<JacketOffer> jacketOffer_;

    QLineEdit* edtFolderName = nullptr;
    QLineEdit* edtJacketFilename = nullptr;
    QLabel* imgJacketOffer = nullptr;
    QPushButton* btnTakeJacket = nullptr;
    QLineEdit* edtDiscId = nullptr;
    QLineEdit* edtCATALOG = nullptr;
    QLineEdit* edtRelease = nullptr;
    QComboBox* cmbGenre = nullptr;
    QLineEdit* editAlubm = nullptr;
    QLineEdit* edtPaformer = nullptr;
    QLineEdit* edtSubTitle1 = nullptr;
    QLineEdit* edtSubTitle2 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLabel* Label8 = nullptr;
    QLabel* Label12 = nullptr;
    QCheckBox* chkNoCut = nullptr;
    QToolButton* btnPlay = nullptr;
    QSlider* sldPlayPosition = nullptr;
    QLabel* lblPlayTime = nullptr;
    QTableView* CtrlGrid1 = nullptr;
    QMenu* gridMenu_ = nullptr;
    QAction* WAVW1 = nullptr;
    QLabel* statusPanels_[3] = {};
};

} // namespace lccd
