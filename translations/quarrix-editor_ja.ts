<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Revert</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Changes against %1</source>
        <translation>%1に対する変更</translation>
    </message>
    <message>
        <source>Stage %1: 1 change (%2)</source>
        <translation>ステージ %1: 変更 1 件 (%2)</translation>
    </message>
    <message>
        <source>Stage %1: %2 changes (%3)</source>
        <translation>ステージ %1: 変更 %2 件 (%3)</translation>
    </message>
    <message>
        <source>A tile among these is loaded by several stages: it is put back in every stage that loads it. Revert?</source>
        <translation>この中に複数のステージが読み込むタイルがあります。そのタイルは、読み込むすべてのステージで復元されます。復元しますか？</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>ColoursWindow</name>
    <message>
        <source>Stage %1: the four palette sets, each four sub-palettes and their animation</source>
        <translation>ステージ %1: 4 つのパレットセット (それぞれサブパレット 4 つとそのアニメーション)</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>セット %1</translation>
    </message>
    <message>
        <source>on %1</source>
        <translation>オン %1</translation>
    </message>
    <message>
        <source>off %1</source>
        <translation>オフ %1</translation>
    </message>
    <message>
        <source>Set %1, sub-palette %2, animation selector: Space turns it on or off, + and - or two digits choose the animation.</source>
        <translation>セット %1, サブパレット %2, アニメーション選択: Space でオン/オフ、+/- か 2 桁の数字でアニメーションを選択。</translation>
    </message>
    <message>
        <source>Set %1, sub-palette %2, colour %3: + and -, two digits or a click in the grid set it.</source>
        <translation>セット %1, サブパレット %2, 色 %3: +/-、2 桁の数字かグリッドのクリックで設定。</translation>
    </message>
    <message>
        <source> The animation shows its own colour here; this one shows when it is off.</source>
        <translation>ここにはアニメーションの色が表示され、この色はオフのときに表示。</translation>
    </message>
    <message>
        <source> Ctrl+C copies the whole set.</source>
        <translation>Ctrl+C でセット全体をコピー。</translation>
    </message>
    <message>
        <source> Ctrl+C copies the sub-palette, Ctrl+A the set.</source>
        <translation>Ctrl+C でサブパレットをコピー、Ctrl+A でセット全体を選択。</translation>
    </message>
    <message>
        <source> Typed: %1_</source>
        <translation>入力中: %1_</translation>
    </message>
</context>
<context>
    <name>CommandSearchPopup</name>
    <message>
        <source>Find Command</source>
        <translation>コマンド検索</translation>
    </message>
    <message>
        <source>Type a command, a stage or an object&apos;s name</source>
        <translation>コマンド、ステージ、オブジェクトの名前を入力</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>最初</translation>
    </message>
    <message>
        <source>(saved)</source>
        <translation>(保存済み)</translation>
    </message>
</context>
<context>
    <name>KeyReferenceWindow</name>
    <message>
        <source>Keys and mouse</source>
        <translation>キーとマウス</translation>
    </message>
    <message>
        <source>Key or mouse</source>
        <translation>キー/マウス</translation>
    </message>
    <message>
        <source>Does</source>
        <translation>動作</translation>
    </message>
</context>
<context>
    <name>ObjectListWindow</name>
    <message>
        <source>Objects</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>Load names...</source>
        <translation>名前を読み込む...</translation>
    </message>
    <message>
        <source>No names loaded</source>
        <translation>名前は読み込まれていません</translation>
    </message>
    <message>
        <source>Names: %1</source>
        <translation>名前: %1</translation>
    </message>
    <message>
        <source>Load names</source>
        <translation>名前の読み込み</translation>
    </message>
    <message>
        <source>Object names (*.json);;All files (*)</source>
        <translation>オブジェクト名 (*.json);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The object names are not used: %1.</source>
        <translation>オブジェクト名は使われません: %1</translation>
    </message>
</context>
<context>
    <name>OverviewWindow</name>
    <message>
        <source>Overview of the stage</source>
        <translation>ステージ全体図</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>オブジェクト</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>stopped before it ended</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no command has the id %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptConsoleWindow</name>
    <message>
        <source>Script Console</source>
        <translation>スクリプトコンソール</translation>
    </message>
    <message>
        <source>JavaScript, such as editor.stage(0).objects().length</source>
        <translation>JavaScript (例: editor.stage(0).objects().length)</translation>
    </message>
</context>
<context>
    <name>TileWindow</name>
    <message>
        <source>Chip %1 of stage %2</source>
        <translation>ステージ %2 のチップ %1</translation>
    </message>
    <message>
        <source>Tile %1 of stage %2</source>
        <translation>ステージ %2 のタイル %1</translation>
    </message>
    <message>
        <source>%1 (chip&apos;s)</source>
        <translation>%1 (チップの)</translation>
    </message>
    <message>
        <source>colour %1 (%2)</source>
        <translation>色 %1 (%2)</translation>
    </message>
    <message>
        <source>Tile %1 at x %2, y %3: %4</source>
        <translation>タイル %1 の x %2, y %3: %4</translation>
    </message>
    <message>
        <source>Tiles %1 %2 %3 %4; drawing with %5</source>
        <translation>タイル %1 %2 %3 %4; %5 で描画</translation>
    </message>
    <message>
        <source>Drawing with %1</source>
        <translation>%1 で描画</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>Chip 2 × 2</source>
        <translation>チップ 2 × 2</translation>
    </message>
    <message>
        <source>Show the current chip&apos;s four tiles instead of the tile (C)</source>
        <translation>タイルの代わりに現在のチップの 4 つのタイルを表示 (C)</translation>
    </message>
    <message>
        <source>The colour drawn with: a click or the keys 1 to 4 choose it, the right button picks it from the tile.</source>
        <translation>描画する色: クリックかキー 1 から 4 で選び、右ボタンでタイルから拾います。</translation>
    </message>
    <message>
        <source>Sub-palette</source>
        <translation>サブパレット</translation>
    </message>
    <message>
        <source>The sub-palette the tiles are shown and copied with</source>
        <translation>タイルの表示とコピーに使うサブパレット</translation>
    </message>
    <message>
        <source>Flip horizontally (H)</source>
        <translation>左右反転 (H)</translation>
    </message>
    <message>
        <source>Flip vertically (V)</source>
        <translation>上下反転 (V)</translation>
    </message>
    <message>
        <source>Turn a quarter turn clockwise (R)</source>
        <translation>時計回りに 90 度回転 (R)</translation>
    </message>
    <message>
        <source>Left button draws, right button picks, Shift+left fills. 1 to 4: colour; H, V: flip; R: turn; arrows, wheel: next tile; C: tile or chip; Ctrl+C, Ctrl+V: copy, paste.</source>
        <translation>左ボタンで描画、右ボタンで色を拾い、Shift+左で塗りつぶし。1 から 4: 色; H, V: 反転; R: 回転; 矢印, ホイール: 次のタイル; C: タイルかチップ; Ctrl+C, Ctrl+V: コピー, 貼り付け。</translation>
    </message>
    <message>
        <source>Tile %1: %2</source>
        <translation>タイル %1: %2</translation>
    </message>
</context>
<context>
    <name>UsageWindow</name>
    <message>
        <source>Where it is used</source>
        <translation>使用箇所</translation>
    </message>
</context>
<context>
    <name>about_box</name>
    <message>
        <source>Quarrix Editor ver.%1

A level editor for ROM images of a 16-stage NES action game.
Free software under the MIT License.

Unsaved edits, backups taken before each save and play-test copies are kept in
%2</source>
        <translation>Quarrix Editor ver.%1

16 ステージの NES アクションゲームの ROM イメージ用レベルエディタです。
MIT ライセンスのフリーソフトウェアです。

未保存の編集、保存のたびに取るバックアップ、テストプレイ用のコピーは次の場所にあります:
%2</translation>
    </message>
    <message>
        <source>About Quarrix Editor</source>
        <translation>Quarrix Editor について</translation>
    </message>
</context>
<context>
    <name>change_baseline</name>
    <message>
        <source>the image chosen to compare with, %1</source>
        <translation>比較用に選んだイメージ (%1)</translation>
    </message>
    <message>
        <source>the original remembered for Ctrl+E, %1</source>
        <translation>Ctrl+E 用に記憶した元のイメージ (%1)</translation>
    </message>
    <message>
        <source>the image as last saved or opened</source>
        <translation>最後に保存したとき、または開いたときのイメージ</translation>
    </message>
    <message>
        <source>The image to compare with</source>
        <translation>比較するイメージ</translation>
    </message>
    <message>
        <source>NES images (*.nes);;(*.*) (*)</source>
        <translation>NES イメージ (*.nes);;(*.*) (*)</translation>
    </message>
    <message>
        <source>The changes stay counted against what they were: %1</source>
        <translation>変更はこれまでと同じイメージと比べられます: %1</translation>
    </message>
    <message>
        <source>Compare with</source>
        <translation>比較対象</translation>
    </message>
</context>
<context>
    <name>emulator_choice</name>
    <message>
        <source>Choose Emulator</source>
        <translation>エミュレータの選択</translation>
    </message>
    <message>
        <source>The command that Play-Test starts; %f stands for the image.
Leave it empty to look for fceux, nestopia or mednafen.</source>
        <translation>テストプレイで起動するコマンドです。%f はイメージを表します。
空にすると fceux, nestopia, mednafen を探します。</translation>
    </message>
</context>
<context>
    <name>object_names_in_use</name>
    <message>
        <source>The object names are not used: %1. The editor goes on without names.</source>
        <translation>オブジェクト名は使われません: %1。名前なしで続けます。</translation>
    </message>
</context>
<context>
    <name>open_image_dialog</name>
    <message>
        <source>the file dialog cannot pass on the name of &apos;%1&apos; because it is not UTF-8; name the file on the command line instead</source>
        <translation>「%1」の名前は UTF-8 ではないため、ファイルダイアログでは渡せません。コマンドラインでファイルを指定してください</translation>
    </message>
</context>
<context>
    <name>patch_export</name>
    <message>
        <source>The original (unmodified) image to make the patch against</source>
        <translation>パッチの基準にする元の (未変更の) イメージ</translation>
    </message>
    <message>
        <source>NES images (*.nes);;(*.*) (*)</source>
        <translation>NES イメージ (*.nes);;(*.*) (*)</translation>
    </message>
    <message>
        <source>BPS patch (*.bps)</source>
        <translation>BPS パッチ (*.bps)</translation>
    </message>
    <message>
        <source>IPS patch (*.ips)</source>
        <translation>IPS パッチ (*.ips)</translation>
    </message>
    <message>
        <source>Export a patch</source>
        <translation>パッチのエクスポート</translation>
    </message>
    <message>
        <source>patch</source>
        <translation>パッチ</translation>
    </message>
    <message>
        <source>The original image remembered for this image, &apos;%1&apos;, has changed since: choose the original (unmodified) image again.</source>
        <translation>このイメージ用に記憶した元のイメージ「%1」はその後変更されています。元の (未変更の) イメージをもう一度選んでください。</translation>
    </message>
    <message>
        <source>The original image remembered for this image, &apos;%1&apos;, can no longer be read: choose the original (unmodified) image again.</source>
        <translation>このイメージ用に記憶した元のイメージ「%1」はもう読み込めません。元の (未変更の) イメージをもう一度選んでください。</translation>
    </message>
    <message>
        <source>the patch would replace the image &apos;%1&apos;: choose another file</source>
        <translation>パッチがイメージ「%1」を上書きしてしまいます。別のファイルを選んでください</translation>
    </message>
    <message>
        <source>%1 patch written to &apos;%2&apos;: %3 bytes for %4 changed bytes.</source>
        <translation>%1 パッチを「%2」に書き込みました: 変更された %4 バイトに対して %3 バイトです。</translation>
    </message>
    <message>
        <source>The patch could not be exported: %1</source>
        <translation>パッチをエクスポートできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>picture_export_dialog</name>
    <message>
        <source>Export pictures into</source>
        <translation>画像のエクスポート先</translation>
    </message>
    <message>
        <source>Writing the pictures of every stage...</source>
        <translation>全ステージの画像を書き込んでいます...</translation>
    </message>
    <message>
        <source>Export pictures</source>
        <translation>画像のエクスポート</translation>
    </message>
    <message>
        <source>%1 pictures of 16 stages written to %2</source>
        <translation>16 ステージの画像 %1 枚を %2 に書き込みました</translation>
    </message>
</context>
<context>
    <name>replacement_dialog</name>
    <message>
        <source>Replace</source>
        <translation>置換</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>script_runs</name>
    <message>
        <source>another script is still running</source>
        <translation>別のスクリプトがまだ実行中です</translation>
    </message>
    <message>
        <source>Script</source>
        <translation>スクリプト</translation>
    </message>
    <message>
        <source>The script %1 has run for 2 seconds. Stop it and take back its changes?</source>
        <translation>スクリプト %1 が 2 秒間実行されています。停止して変更を取り消しますか？</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Let It Run</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>%1: stopped; its changes are taken back</source>
        <translation>%1: 停止しました。変更は取り消されました</translation>
    </message>
    <message>
        <source>The script failed and its changes are taken back:
%1</source>
        <translation>スクリプトが失敗したため、変更は取り消されました:
%1</translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation>スクリプトの実行</translation>
    </message>
    <message>
        <source>JavaScript (*.js);;All files (*)</source>
        <translation>JavaScript (*.js);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>The script %1 cannot be read: %2</source>
        <translation>スクリプト %1 を読み込めません: %2</translation>
    </message>
    <message>
        <source>Script Console</source>
        <translation>スクリプトコンソール</translation>
    </message>
</context>
<context>
    <name>stage_file_dialogs</name>
    <message>
        <source>Stage files (*.json);;(*.*) (*)</source>
        <translation>ステージファイル (*.json);;(*.*) (*)</translation>
    </message>
    <message>
        <source>Export the stage</source>
        <translation>ステージのエクスポート</translation>
    </message>
    <message>
        <source>Import a stage file into the current stage</source>
        <translation>ステージファイルを現在のステージにインポート</translation>
    </message>
    <message>
        <source>the stage file would replace the image itself: choose another file</source>
        <translation>ステージファイルがイメージそのものを上書きしてしまいます。別のファイルを選んでください</translation>
    </message>
    <message>
        <source>Stage %1 written to &apos;%2&apos;.</source>
        <translation>ステージ %1 を「%2」に書き込みました。</translation>
    </message>
    <message>
        <source>stage file</source>
        <translation>ステージファイル</translation>
    </message>
    <message>
        <source>The stage could not be exported: %1</source>
        <translation>ステージをエクスポートできませんでした: %1</translation>
    </message>
    <message>
        <source>The stage file could not be imported: %1</source>
        <translation>ステージファイルをインポートできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>tile_sheet_dialog</name>
    <message>
        <source>Tile sheets (*.png);;(*.*) (*)</source>
        <translation>タイルシート (*.png);;(*.*) (*)</translation>
    </message>
    <message>
        <source>sub-palette %1 of palette set %2</source>
        <translation>パレットセット %2 のサブパレット %1</translation>
    </message>
    <message>
        <source>Import a tile sheet into stage %1 (colours of %2)</source>
        <translation>タイルシートをステージ %1 にインポート (%2 の色)</translation>
    </message>
    <message>
        <source>The sheet was read by its palette index (0 to 3).</source>
        <translation>シートはパレット番号 (0 から 3) で読み込みました。</translation>
    </message>
    <message>
        <source>The sheet was read in the colours of %1.</source>
        <translation>シートは %1 の色で読み込みました。</translation>
    </message>
    <message>
        <source>tile sheet</source>
        <translation>タイルシート</translation>
    </message>
    <message>
        <source>The tile sheet could not be imported: %1</source>
        <translation>タイルシートをインポートできませんでした: %1</translation>
    </message>
</context>
<context>
    <name>usage_list_model</name>
    <message>
        <source>Where</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>What</source>
        <translation>内容</translation>
    </message>
</context>
<context>
    <name>application_commands</name>
    <message>
        <source>Script %1</source>
        <translation>スクリプト %1</translation>
    </message>
</context>
<context>
    <name>main_window</name>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
</context>
<context>
    <name>menu_bar</name>
    <message>
        <source>No scripts in %1</source>
        <translation>%1 にスクリプトはありません</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>履歴を消去</translation>
    </message>
</context>
<context>
    <name>open_image</name>
    <message>
        <source>cannot open %1: %2</source>
        <translation>%1 を開けません: %2</translation>
    </message>
    <message>
        <source>Save the changes to %1 before opening another image?</source>
        <translation>別のイメージを開く前に、%1 への変更を保存しますか?</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>The image was saved, but %1</source>
        <translation>イメージは保存されましたが、%1</translation>
    </message>
</context>
</TS>
