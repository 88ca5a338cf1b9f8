#include "cli/CliText.h"

#include <QByteArray>

namespace lccd {

bool japaneseMessages() {
    // The first of these that is set decides, as it does for the messages of any program.
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QByteArray locale = qgetenv(variable);
        if (!locale.isEmpty())
            return locale.startsWith("ja");
    }
    return false;
}

QString localText(const char* english, const char* japanese) {
    return QString::fromUtf8(japaneseMessages() ? japanese : english);
}

namespace {

const char* const kEnglishHelp = R"(Usage: lccdtool-cli COMMAND [OPTIONS]

lccdtool without a window: draws and prints label layouts and saves music CD projects.
No display is needed.

Commands:
  render LAYOUT.csv -o OUT.pdf|OUT.png [--paper NAME] [--landscape|--portrait]
         [--dpi N] [--offset X,Y] [--project-folder DIR] [--guides]
      Opens the layout as the main window does (its settings rows choose the paper), draws
      it on the built-in PDF printer and writes the page: a vector PDF whose text stays
      text, or a PNG picture. --guides adds the rows shown on screen only (label guides).
  print LAYOUT.csv [--printer NAME] [--copies N] [--paper NAME] [--landscape|--portrait]
        [--offset X,Y] [--project-folder DIR]
      Prints the layout on a CUPS printer, by default the default printer.
  disc FOLDER [--album T] [--performer P] [--catalog C] [--gap] [--nocut]
       [--template FILE] [--tags [--overwrite-tags]] [--lossy]
      Loads the folder as the CD list editor does (its project file, or its songs - WAV,
      FLAC, MP3, Ogg Vorbis, Opus - in name order with their tags and playing times), sets
      the disc fields given and saves: the disc project (.txt), the CUE sheet (.cue) and the
      label layout (.csv) beside the songs, and the CD-TEXT file (.cdt) for burners that take
      one with textfile=. Prints the paths of the first three; files it could not read are
      named on standard error.
  image FOLDER -o DISC.wav [--gap] [--level song|disc [--target LUFS]]
      Loads the folder as disc does and writes the disc's audio, the songs in list order, as
      one 44.1 kHz 16-bit stereo WAV file (every song made into CD audio, each track filled
      up with silence to whole sectors) and a UTF-8 CUE sheet beside it (DISC.cue) that
      marks where each track starts: a disc image any CD-writing program burns. Prints the
      two paths.
  burn FOLDER [--drive DEV] [--speed N] [--simulate] [--eject] [--gap] [--nocut]
       [--level song|disc [--target LUFS]]
      Loads the folder as disc does and burns its audio CD in one session: a track per
      song (its file made CD audio as the drive takes it), the catalog number as the
      disc's MCN when it has 13 digits, and the titles and performers as Japanese
      CD-TEXT. A progress line goes to standard error. The drive is the first CD writer
      unless --drive names one; a disc longer than the CD is refused before writing.
  drives
      Lists the CD writers: device file, a tab, vendor and model.
  demo OUT.csv [--songs N]
      Writes a demo jacket layout: the built-in jacket template filled with a demo disc
      of N songs (1 to 25, default 6).
  store LAYOUT.csv INIFILE
      Stores the layout as the stored layout of the program's INI file, as "INIに保存"
      does; a missing INI file is created.
  sheets [WORD...] [--cd]
      Lists the label products installed with glabels-data whose maker, part number or
      description hold every word: maker, part, description, labels, paper (tab-separated).
      --cd lists only CD/DVD labels and printable-disc trays.
  sheet "MAKER PART" -o GUIDES.csv
      Writes a layout for the product: a settings row for the default printer's paper
      (the nearest one, with a message, when it has none of the sheet's size) and a guide
      row outlining each label, shown in the preview and never printed.
  calibration [-o OUT.pdf|OUT.png|OUT.csv] [--printer NAME] [--copies N] [--paper NAME]
              [--landscape|--portrait] [--offset X,Y] [--dpi N]
      Prints the sheet that finds the print offsets (補横/補縦) for the paper: crosses
      20 mm in from each corner and at the centre, millimetre rulers and how to read them.
      Give the offsets the printer uses now with --offset; -o writes the sheet instead.

Options:
  -o, --output FILE      the file to write: .pdf or .png (.csv for sheet and calibration,
                         .wav for image)
  --paper NAME           a paper of the printer (A4, B5, 官製ハガキ, ...) in place of the
                         layout's; its settings rows are then not applied while drawing
  --landscape, --portrait
                         the orientation in place of the layout's
  --dpi N                resolution of a PNG picture, 72 to 1200 (default 300)
  --offset X,Y           print corrections in 0.1 mm, -999 to 999 each (default 0,0)
  --project-folder DIR   the folder of images named without a folder
  --guides               also draw rows shown on screen only (label guides)
  --printer NAME         the CUPS printer to print on
  --copies N             copies, 1 to 999 (default 1)
  --album T, --performer P, --catalog C
                         disc fields in place of the loaded ones
  --gap                  a two-second gap before every track (CUE sheet and burn; in the
                         image, two seconds of silence)
  --level song|disc      level the loudness (image and burn; the song files stay as they
                         are): song brings every song to the target, disc gives all songs
                         one gain that brings the disc there and keeps their differences.
                         Loudness is measured as EBU R 128 integrated loudness; no song goes
                         above a true peak of -1 dBTP (its gain is lowered instead)
  --target LUFS          with --level: the loudness to reach, -30 to -5 (default -16)
  --nocut                unsplit mode: the folder's WAV files are not one per song (the
                         save then does not ask about it)
  --template FILE        the label template (default LcJacketStd.lct, looked up beside the
                         program, then in <prefix>/share/lccdtool)
  --tags                 write the songs' tags while saving: what was changed since the
                         folder was loaded, and the project's values into songs whose tag
                         for them is empty (a song whose values are unchanged is not touched)
  --overwrite-tags       with --tags: where a song's tag differs from the project's value,
                         write the project's (without it the song keeps its own)
  --lossy                write values with characters Shift-JIS lacks as "?" instead of
                         stopping the save (exit status 2)
  --drive DEV            the CD writer to burn on, such as /dev/sr0
  --speed N              burn at N times CD speed (default: the drive's fastest)
  --simulate             a test burn: the drive goes through it without writing
  --eject                open the tray once the disc is written
  -h, --help             this help; in Japanese under a Japanese locale
                         (LANG=ja_JP.UTF-8 lccdtool-cli --help)
  --version              the program's version

Exit status: 0 done, 1 an error (its message on standard error, naming the file),
2 a command line that cannot be carried out, or a check of the save that failed,
3 saved, but some songs' tags were not written (those songs are listed on standard error).
)";

const char* const kJapaneseHelp = R"(使い方: lccdtool-cli コマンド [オプション]

ウィンドウを開かずに lccdtool を使います。レイアウトの描画・印刷と、音楽CDプロジェクトの
保存ができます。ディスプレイは要りません。

コマンド:
  render レイアウト.csv -o 出力.pdf|出力.png [--paper 用紙名] [--landscape|--portrait]
         [--dpi N] [--offset X,Y] [--project-folder フォルダー] [--guides]
      メイン画面の「CSV開く」と同じにレイアウトを開き（設定行で用紙が決まります）、内蔵の
      PDFプリンターで描画して書き出します。PDF はベクター形式で文字は文字のまま、PNG は
      画像です。--guides を付けると画面だけに出す行（ラベルのガイド）も描きます。
  print レイアウト.csv [--printer プリンター名] [--copies 枚数] [--paper 用紙名]
        [--landscape|--portrait] [--offset X,Y] [--project-folder フォルダー]
      CUPS のプリンター（省略時は既定のプリンター）で印刷します。
  disc フォルダー [--album タイトル] [--performer 演者] [--catalog 番号] [--gap] [--nocut]
       [--template ファイル] [--tags [--overwrite-tags]] [--lossy]
      CDリスト編集と同じにフォルダーを読み込み（プロジェクトファイル、またはファイル名順の
      曲ファイル（WAV・FLAC・MP3・Ogg Vorbis・Opus）のタグと演奏時間）、指定の項目を設定して
      保存します。曲と同じフォルダーにプロジェクト(.txt)・CUEシート(.cue)・ジャケット用
      レイアウト(.csv)と、textfile= で渡せるCD-TEXTファイル(.cdt)を書き、初めの3つのパスを
      表示します。読めなかったファイルは標準エラーに出します。
  image フォルダー -o 出力.wav [--gap] [--level song|disc [--target LUFS]]
      disc と同じにフォルダーを読み込み、CDの音声全体を曲順に1つの WAV ファイル（44.1 kHz・
      16ビット・ステレオ。どの曲もCDの音声にし、各トラックの最後のセクターを無音で埋めます）
      に書き出し、その隣に各トラックの開始位置を示す UTF-8 の CUEシート（出力.cue）を
      書きます。どのCD書き込みソフトでも焼けるディスクイメージです。2つのパスを表示します。
  burn フォルダー [--drive デバイス] [--speed N] [--simulate] [--eject] [--gap] [--nocut]
       [--level song|disc [--target LUFS]]
      disc と同じにフォルダーを読み込み、音楽CDを1セッションで書き込みます。曲ごとに
      1トラック（曲ファイルを書き込みながらCDの音声にします）、13桁の CATALOG は
      ディスクのMCN、曲名と演者は日本語のCD-TEXTになります。進み具合は
      標準エラーに出します。ドライブは --drive がなければ最初のCD書き込みドライブです。
      CDに入りきらない長さのときは書き込む前に止めます。
  drives
      CD書き込みドライブを一覧にします（デバイス、タブ、メーカーと型番）。
  demo 出力.csv [--songs N]
      組み込みのジャケット・テンプレートにデモ用のCD（N曲、1〜25、省略時6曲）を入れた
      レイアウトを書きます。
  store レイアウト.csv INIファイル
      「INIに保存」と同じに、レイアウトをINIファイルに保存します。INIファイルがなければ
      作ります。
  sheets [語...] [--cd]
      glabels-data で入っているラベル用紙のうち、メーカー・品番・説明にすべての語を含む
      ものを一覧にします（メーカー、品番、説明、面数、用紙をタブ区切りで）。--cd で
      CD/DVD ラベルとディスク印刷用トレイだけにします。
  sheet "メーカー 品番" -o ガイド.csv
      その用紙のレイアウトを書きます。既定のプリンターの用紙を選ぶ設定行（同じ大きさの
      用紙がなければ近いものを選び、そう表示します）と、ラベルごとの輪郭のガイド行
      （プレビューに出て印刷はされません）です。
  calibration [-o 出力.pdf|出力.png|出力.csv] [--printer プリンター名] [--copies 枚数]
              [--paper 用紙名] [--landscape|--portrait] [--offset X,Y] [--dpi N]
      印刷補正（補横・補縦）を求める印刷位置調整シートを印刷します。四隅から 20 mm と
      中心の十字、ミリの目盛りと読み方の説明です。今の補正値は --offset で渡します。
      -o を付けると印刷せずにファイルに書きます。

オプション:
  -o, --output ファイル     書き出すファイル（.pdf か .png、sheet と calibration は .csv も、
                            image は .wav）
  --paper 用紙名            レイアウトの用紙の代わりに使うプリンターの用紙（A4, B5,
                            官製ハガキ など）。このとき描画では設定行を適用しません
  --landscape, --portrait   レイアウトの代わりに横置き・縦置きにします
  --dpi N                   PNG の解像度、72〜1200（省略時 300）
  --offset X,Y              印刷補正（0.1mm 単位、それぞれ -999〜999、省略時 0,0）
  --project-folder フォルダー  フォルダー名のない画像ファイルを探すフォルダー
  --guides                  画面だけに出す行（ラベルのガイド）も描きます
  --printer プリンター名    印刷に使う CUPS のプリンター
  --copies 枚数             印刷枚数、1〜999（省略時 1）
  --album, --performer, --catalog
                            読み込んだ内容の代わりに使うアルバム名・演者・CATALOG
  --gap                     各曲の前に２秒のギャップを入れます（CUEシートと書き込み。image
                            では２秒の無音）
  --level song|disc         音量をそろえます（image と burn。曲ファイルはそのまま）。song は
                            どの曲も目標の音量に、disc は全曲に同じゲインを掛けてディスク
                            全体を目標の音量にします（曲どうしの差はそのまま）。音量は
                            EBU R 128 のラウドネスで測り、トゥルーピークが -1 dBTP を
                            越える曲はゲインを下げます
  --target LUFS             --level と一緒に指定し、目標の音量 -30〜-5（省略時 -16）
  --nocut                   無分割（フォルダーのWAVファイルが曲ごとに分かれていない）。
                            保存時の問合わせはしません
  --template ファイル       ジャケット・テンプレート（省略時 LcJacketStd.lct を
                            プログラムの隣、次に <prefix>/share/lccdtool で探します）
  --tags                    保存時に曲ファイルにタグを設定します。読み込んでから変えた値と、
                            タグが空の曲にはプロジェクトの値を書きます（内容の変わらない
                            曲ファイルには触れません）
  --overwrite-tags          --tags と一緒に指定し、曲のタグがプロジェクトの値と違うときに
                            プロジェクトの値で書き換えます（省略時は曲のタグを残します）
  --lossy                   Shift-JISにない文字を「?」にして保存します（省略時は保存を
                            止めて終了コード 2）
  --drive デバイス          書き込みに使うドライブ（/dev/sr0 など）
  --speed N                 N倍速で書き込みます（省略時はドライブの最大）
  --simulate                テスト書き込み（ドライブは実際には書き込みません）
  --eject                   書き込み後に取り出します
  -h, --help                この説明（英語のロケールでは英語）
  --version                 バージョン

終了コード: 0 成功、1 エラー（ファイル名を含むメッセージを標準エラーに出します）、
2 コマンドラインの誤り、または保存時のチェックで止まったとき、
3 保存はしたが、タグを書き込めなかった曲があるとき（その曲を標準エラーに出します）
)";

} // namespace

QString cliHelpText(bool japanese) {
    return QString::fromUtf8(japanese ? kJapaneseHelp : kEnglishHelp);
}

} // namespace lccd
