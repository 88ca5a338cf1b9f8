#include "cli/WindowManText.h"

namespace lccd {
namespace {

const char* const kEnglishText = R"(Usage: lccdtool

Lc音楽ＣＤ作成補助ツール, the window of lccdtool: prints label sheets and prepares music CDs.
It prints CD labels and jackets, postcards and any sheet a printer takes from a layout of
text lines, wrapped paragraphs, images, rectangles, rule lines and postal customer barcodes,
with a preview that is exactly the print. Its CD list editor reads a folder of songs with their
tags and playing times, lets you order and edit them and writes a CUE sheet, a disc project
and a label layout, or burns the disc. The window speaks Japanese. On its first start it
creates its INI file and opens with a demo jacket.

Files:
  ~/.config/lccdtool/lccdtool.ini
      The settings and the layout stored with "INIに保存". A program that is not installed
      keeps it beside itself where it may write there.
  /usr/share/lccdtool/LcJacketStd.lct
      The default label template; copy it to make your own.
  /usr/share/lccdtool/readme.txt
      The user's guide (Shift-JIS), shown by "使用方法".

See also: lccdtool-cli(1), the same work without a window.
)";

const char* const kJapaneseText = R"(使い方: lccdtool

Lc音楽ＣＤ作成補助ツールのウィンドウです。ラベルの印刷と音楽CDの準備をします。
文字・文章・画像・矩形・罫線・カスタマーバーコードを並べたレイアウトから、CDラベルや
ジャケット、ハガキなどを印刷します（プレビューは印刷結果そのものです）。CDリスト編集では
曲ファイルのフォルダーから曲名タグと演奏時間を読み込み、曲順や曲名を編集して、CUEシート・
CDリスト・ジャケット用レイアウトを書き出し、CDに書き込みます。初めて起動したときは
INIファイルを作り、デモのジャケットを開きます。

ファイル:
  ~/.config/lccdtool/lccdtool.ini
      設定と「INIに保存」したレイアウト。インストールしていないプログラムは、
      書き込めるときはプログラムと同じフォルダーに置きます。
  /usr/share/lccdtool/LcJacketStd.lct
      標準のジャケット・テンプレート。コピーして編集できます。
  /usr/share/lccdtool/readme.txt
      使用方法（Shift-JIS）。「使用方法」で開きます。

関連項目: lccdtool-cli(1)（ウィンドウを開かずに同じ仕事をします）
)";

} // namespace

QString windowManText(bool japanese) {
    return QString::fromUtf8(japanese ? kJapaneseText : kEnglishText);
}

} // namespace lccd
