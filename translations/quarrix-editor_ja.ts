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
    <name>application_commands</name>
    <message>
        <source>Script %1</source>
        <translation>スクリプト %1</translation>
    </message>
</context>
<context>
    <name>baseline</name>
    <message>
        <source>it is larger than the image: an original has the size of its image, %1 bytes</source>
        <translation>イメージより大きいファイルです。元のイメージはそのイメージと同じ %1 バイトです</translation>
    </message>
    <message>
        <source>it is %1 bytes: an original has the size of its image, %2 bytes</source>
        <translation>%1 バイトのファイルです。元のイメージはそのイメージと同じ %2 バイトです</translation>
    </message>
    <message>
        <source>&apos;%1&apos; cannot be the original: %2</source>
        <translation>「%1」は元のイメージにできません: %2</translation>
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
    <name>change_items</name>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Stage %1 · %2</source>
        <translation>ステージ %1 · %2</translation>
    </message>
    <message>
        <source>1 pixel</source>
        <translation>1 ピクセル</translation>
    </message>
    <message>
        <source>Tile %1 (loaded by %2) · %3</source>
        <translation>タイル %1 (%2 が読み込み) · %3</translation>
    </message>
    <message>
        <source>Tile %1 (%2) · %3</source>
        <translation>タイル %1 (%2) · %3</translation>
    </message>
    <message>
        <source>%1 %2 to %3</source>
        <translation>%1 %2～%3</translation>
    </message>
    <message>
        <source>%1: %2 %3 -&gt; %4</source>
        <translation>%1: %2 %3 -&gt; %4</translation>
    </message>
    <message>
        <source>%1: %2 -&gt; %3</source>
        <translation>%1: %2 -&gt; %3</translation>
    </message>
    <message>
        <source>%1 · %2: %3 -&gt; %4</source>
        <translation>%1 · %2: %3 -&gt; %4</translation>
    </message>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>stage %1</source>
        <translation>ステージ %1</translation>
    </message>
    <message>
        <source>stages %1 to %2</source>
        <translation>ステージ %1～%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>stages %1</source>
        <translation>ステージ %1</translation>
    </message>
</context>
<context>
    <name>clipboard_commands</name>
    <message>
        <source>pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>objects</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>map-set cells</source>
        <translation>マップセットのセル</translation>
    </message>
    <message>
        <source>chip sets</source>
        <translation>チップセット</translation>
    </message>
    <message>
        <source>chips</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>It cannot add any more!</source>
        <translation>これ以上追加できません!</translation>
    </message>
    <message>
        <source>The clipboard holds nothing that Quarrix Editor can paste.</source>
        <translation>クリップボードに Quarrix Editor が貼り付けられるものがありません。</translation>
    </message>
    <message>
        <source>The clipboard holds a selection of a newer Quarrix Editor (format %1), which this one cannot read.</source>
        <translation>クリップボードにあるのは新しい Quarrix Editor の選択範囲 (形式 %1) で、このバージョンでは読めません。</translation>
    </message>
    <message>
        <source>The selection on the clipboard is damaged (%1); nothing was pasted.</source>
        <translation>クリップボードの選択範囲が壊れています (%1)。何も貼り付けていません。</translation>
    </message>
    <message>
        <source>The clipboard holds tiles, which &quot;%1&quot; cannot paste: the tile window (F4) pastes them.</source>
        <translation>クリップボードにあるのはタイルで、「%1」には貼り付けられません。タイルウィンドウ (F4) で貼り付けてください。</translation>
    </message>
    <message>
        <source>The clipboard holds sub-palettes, which &quot;%1&quot; cannot paste: the Colours window (F3) pastes them.</source>
        <translation>クリップボードにあるのはサブパレットで、「%1」には貼り付けられません。色ウィンドウ (F3) で貼り付けてください。</translation>
    </message>
    <message>
        <source>The clipboard holds %1 of &quot;%2&quot;, which &quot;%3&quot; cannot paste: it pastes %4.</source>
        <translation>クリップボードにあるのは「%2」の%1で、「%3」には貼り付けられません。「%3」に貼り付けられるのは%4です。</translation>
    </message>
    <message>
        <source>It cannot erase any more!</source>
        <translation>これ以上消去できません!</translation>
    </message>
</context>
<context>
    <name>colour_editing</name>
    <message>
        <source>The clipboard holds items of &quot;%1&quot;, which the Colours window cannot paste: it pastes sub-palettes.</source>
        <translation>クリップボードにあるのは「%1」の項目で、色ウィンドウには貼り付けられません。色ウィンドウに貼り付けられるのはサブパレットです。</translation>
    </message>
</context>
<context>
    <name>colour_table</name>
    <message>
        <source>it holds %1 bytes; a palette file holds 64 colours of 3 bytes (192 bytes) or 1536 bytes</source>
        <translation>%1 バイトのファイルです。パレットファイルは 3 バイトの色 64 個 (192 バイト) か 1536 バイトです</translation>
    </message>
</context>
<context>
    <name>command_search</name>
    <message>
        <source>Stage %1</source>
        <translation>ステージ %1</translation>
    </message>
    <message>
        <source>stage</source>
        <translation>ステージ</translation>
    </message>
    <message>
        <source>object %1</source>
        <translation>オブジェクト %1</translation>
    </message>
</context>
<context>
    <name>commands</name>
    <message>
        <source>Open...</source>
        <translation>開く...</translation>
    </message>
    <message>
        <source>open another image in this window</source>
        <translation>このウィンドウで別のイメージを開く</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>最近開いたイメージ</translation>
    </message>
    <message>
        <source>open one of the images opened last</source>
        <translation>最近開いたイメージの一つを開く</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>write every stage into the image</source>
        <translation>全ステージをイメージに書き込む</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>再読み込み</translation>
    </message>
    <message>
        <source>read every stage again, dropping the unsaved edits</source>
        <translation>保存していない編集を捨てて、全ステージを読み直す</translation>
    </message>
    <message>
        <source>Export patch...</source>
        <translation>パッチの書き出し...</translation>
    </message>
    <message>
        <source>write a patch of every stage against the original image</source>
        <translation>元のイメージに対する全ステージのパッチを書き出す</translation>
    </message>
    <message>
        <source>Export stage file...</source>
        <translation>ステージファイルの書き出し...</translation>
    </message>
    <message>
        <source>write the current stage as a stage file</source>
        <translation>現在のステージをステージファイルとして書き出す</translation>
    </message>
    <message>
        <source>Import stage file...</source>
        <translation>ステージファイルの読み込み...</translation>
    </message>
    <message>
        <source>read a stage file into the current stage</source>
        <translation>ステージファイルを現在のステージに読み込む</translation>
    </message>
    <message>
        <source>Import tile sheet...</source>
        <translation>タイルシートの読み込み...</translation>
    </message>
    <message>
        <source>read a tile sheet (PNG) into the current stage&apos;s tiles</source>
        <translation>タイルシート (PNG) を現在のステージのタイルに読み込む</translation>
    </message>
    <message>
        <source>Export pictures...</source>
        <translation>画像の書き出し...</translation>
    </message>
    <message>
        <source>write the picture and the chip, chip-set and tile sheets of every stage into a folder</source>
        <translation>全ステージの画像と、チップ・チップセット・タイルのシートをフォルダに書き出す</translation>
    </message>
    <message>
        <source>Compare with...</source>
        <translation>比較対象...</translation>
    </message>
    <message>
        <source>choose the image that the changes are counted against</source>
        <translation>変更を数える基準のイメージを選ぶ</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>end the program</source>
        <translation>プログラムを終了する</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>undo the last edit</source>
        <translation>最後の編集を元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直す</translation>
    </message>
    <message>
        <source>redo the edit undone last</source>
        <translation>最後に元に戻した編集をやり直す</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>cut the selected objects</source>
        <translation>選択したオブジェクトを切り取る</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>copy the selection, or the current item</source>
        <translation>選択範囲、または現在の項目をコピーする</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>paste at the current item</source>
        <translation>現在の項目の位置に貼り付ける</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>select everything the view shows</source>
        <translation>ビューに表示されているものをすべて選択する</translation>
    </message>
    <message>
        <source>Replace Uses...</source>
        <translation>使用箇所の置き換え...</translation>
    </message>
    <message>
        <source>replace every use of the current item in this stage</source>
        <translation>このステージでの現在の項目の使用箇所をすべて置き換える</translation>
    </message>
    <message>
        <source>Find Command...</source>
        <translation>コマンドの検索...</translation>
    </message>
    <message>
        <source>find a command, a stage or an object&apos;s name by typing, and run it</source>
        <translation>コマンド、ステージ、オブジェクト名を入力して探し、実行する</translation>
    </message>
    <message>
        <source>MAP</source>
        <translation>MAP</translation>
    </message>
    <message>
        <source>show the pages of the stage</source>
        <translation>ステージのページを表示する</translation>
    </message>
    <message>
        <source>OBJECT</source>
        <translation>OBJECT</translation>
    </message>
    <message>
        <source>show the objects of the stage</source>
        <translation>ステージのオブジェクトを表示する</translation>
    </message>
    <message>
        <source>MAP SET</source>
        <translation>MAP SET</translation>
    </message>
    <message>
        <source>show the map sets</source>
        <translation>マップセットを表示する</translation>
    </message>
    <message>
        <source>CHIP SET</source>
        <translation>CHIP SET</translation>
    </message>
    <message>
        <source>show the chip sets</source>
        <translation>チップセットを表示する</translation>
    </message>
    <message>
        <source>CHIP</source>
        <translation>CHIP</translation>
    </message>
    <message>
        <source>show the chips and tiles</source>
        <translation>チップとタイルを表示する</translation>
    </message>
    <message>
        <source>Keys and Mouse</source>
        <translation>キーとマウス</translation>
    </message>
    <message>
        <source>show or close this list</source>
        <translation>この一覧を表示する/閉じる</translation>
    </message>
    <message>
        <source>Where Used</source>
        <translation>使用箇所</translation>
    </message>
    <message>
        <source>show or close where the current item is used</source>
        <translation>現在の項目の使用箇所を表示する/閉じる</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>show or close the palette sets of the stage, to edit</source>
        <translation>ステージのパレットセットを編集用に表示する/閉じる</translation>
    </message>
    <message>
        <source>Tiles</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>show or close the current tile or chip large, to draw on</source>
        <translation>現在のタイルまたはチップを描画用に拡大表示する/閉じる</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>オブジェクト</translation>
    </message>
    <message>
        <source>show or close the list of the stage&apos;s objects</source>
        <translation>ステージのオブジェクトの一覧を表示する/閉じる</translation>
    </message>
    <message>
        <source>Overview</source>
        <translation>全体表示</translation>
    </message>
    <message>
        <source>show or close the stage&apos;s 48 pages at a glance</source>
        <translation>ステージの 48 ページを一目で表示する/閉じる</translation>
    </message>
    <message>
        <source>Script Console</source>
        <translation>スクリプトコンソール</translation>
    </message>
    <message>
        <source>show or close the console that runs lines of JavaScript</source>
        <translation>JavaScript の行を実行するコンソールを表示する/閉じる</translation>
    </message>
    <message>
        <source>Show Changes</source>
        <translation>変更を表示</translation>
    </message>
    <message>
        <source>mark in every view what differs from the image compared with</source>
        <translation>比較対象のイメージと異なる箇所を全ビューで示す</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>show or close the list of changes, to review and revert them</source>
        <translation>確認と取り消しのために変更の一覧を表示する/閉じる</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>show or close the undo steps, to go back or forward to one</source>
        <translation>元に戻すステップを表示する/閉じる。任意のステップまで戻ったり進んだりできる</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>ズームイン</translation>
    </message>
    <message>
        <source>show the editing area one step larger</source>
        <translation>編集領域を一段階大きく表示する</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>ズームアウト</translation>
    </message>
    <message>
        <source>show the editing area one step smaller</source>
        <translation>編集領域を一段階小さく表示する</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>実寸</translation>
    </message>
    <message>
        <source>show the editing area at its actual size</source>
        <translation>編集領域を実寸で表示する</translation>
    </message>
    <message>
        <source>Play-Test</source>
        <translation>テストプレイ</translation>
    </message>
    <message>
        <source>run the emulator on a copy with the unsaved edits</source>
        <translation>保存していない編集を含むコピーでエミュレータを実行する</translation>
    </message>
    <message>
        <source>Choose Emulator...</source>
        <translation>エミュレータの選択...</translation>
    </message>
    <message>
        <source>name the emulator that Play-Test starts</source>
        <translation>テストプレイで起動するエミュレータを指定する</translation>
    </message>
    <message>
        <source>Run Script...</source>
        <translation>スクリプトの実行...</translation>
    </message>
    <message>
        <source>run a JavaScript file on the image, as one step</source>
        <translation>JavaScript ファイルをイメージに対して 1 ステップとして実行する</translation>
    </message>
    <message>
        <source>Scripts</source>
        <translation>スクリプト</translation>
    </message>
    <message>
        <source>the scripts of the scripts folder and the commands scripts registered</source>
        <translation>スクリプトフォルダのスクリプトと、スクリプトが登録したコマンド</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>the version, the licence and where the editor keeps its state</source>
        <translation>バージョン、ライセンス、エディタが状態を保存する場所</translation>
    </message>
    <message>
        <source>File</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>View</source>
        <translation>表示</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>choose the language of the menus, panels and messages</source>
        <translation>メニュー、パネル、メッセージの言語を選びます</translation>
    </message>
</context>
<context>
    <name>editable_tables</name>
    <message>
        <source>cell (%1, %2)</source>
        <translation>セル (%1, %2)</translation>
    </message>
    <message>
        <source>top-left chip</source>
        <translation>左上のチップ</translation>
    </message>
    <message>
        <source>top-right chip</source>
        <translation>右上のチップ</translation>
    </message>
    <message>
        <source>bottom-left chip</source>
        <translation>左下のチップ</translation>
    </message>
    <message>
        <source>bottom-right chip</source>
        <translation>右下のチップ</translation>
    </message>
    <message>
        <source>top-left tile</source>
        <translation>左上のタイル</translation>
    </message>
    <message>
        <source>top-right tile</source>
        <translation>右上のタイル</translation>
    </message>
    <message>
        <source>bottom-left tile</source>
        <translation>左下のタイル</translation>
    </message>
    <message>
        <source>bottom-right tile</source>
        <translation>右下のタイル</translation>
    </message>
    <message>
        <source>palette</source>
        <translation>パレット</translation>
    </message>
    <message>
        <source>style</source>
        <translation>スタイル</translation>
    </message>
    <message>
        <source>page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>sub-palette %1 · colour %2</source>
        <translation>サブパレット %1 · 色 %2</translation>
    </message>
    <message>
        <source>sub-palette %1 · animation</source>
        <translation>サブパレット %1 · アニメーション</translation>
    </message>
    <message>
        <source>pages</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>map set</source>
        <translation>マップセット</translation>
    </message>
    <message>
        <source>map sets</source>
        <translation>マップセット</translation>
    </message>
    <message>
        <source>cells</source>
        <translation>セル</translation>
    </message>
    <message>
        <source>chip set</source>
        <translation>チップセット</translation>
    </message>
    <message>
        <source>chip sets</source>
        <translation>チップセット</translation>
    </message>
    <message>
        <source>chips</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>chip</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>fields</source>
        <translation>フィールド</translation>
    </message>
    <message>
        <source>object slot</source>
        <translation>オブジェクトスロット</translation>
    </message>
    <message>
        <source>object slots</source>
        <translation>オブジェクトスロット</translation>
    </message>
    <message>
        <source>palette set</source>
        <translation>パレットセット</translation>
    </message>
    <message>
        <source>palette sets</source>
        <translation>パレットセット</translation>
    </message>
    <message>
        <source>colours</source>
        <translation>色</translation>
    </message>
    <message>
        <source>tile</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>pixels</source>
        <translation>ピクセル</translation>
    </message>
    <message>
        <source>objects</source>
        <translation>オブジェクト</translation>
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
    <name>item_uses</name>
    <message>
        <source>top-left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top-right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>bottom-left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom-right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>map set %1</source>
        <translation>マップセット %1</translation>
    </message>
    <message>
        <source>chip set %1</source>
        <translation>チップセット %1</translation>
    </message>
    <message>
        <source>chip %1</source>
        <translation>チップ %1</translation>
    </message>
    <message>
        <source>tile %1</source>
        <translation>タイル %1</translation>
    </message>
    <message>
        <source>page %1</source>
        <translation>ページ %1</translation>
    </message>
    <message>
        <source>map set %1, column %2, row %3</source>
        <translation>マップセット %1、列 %2、行 %3</translation>
    </message>
    <message>
        <source>chip set %1, quadrant %2 (%3)</source>
        <translation>チップセット %1、区画 %2 (%3)</translation>
    </message>
    <message>
        <source>chip %1, quadrant %2</source>
        <translation>チップ %1、区画 %2</translation>
    </message>
</context>
<context>
    <name>key_reference</name>
    <message>
        <source>Mouse in &quot;%1&quot;</source>
        <translation>「%1」のマウス操作</translation>
    </message>
    <message>
        <source>Pointer over %1</source>
        <translation>%1の上のポインタ</translation>
    </message>
    <message>
        <source>Left button on %1</source>
        <translation>%1で左ボタン</translation>
    </message>
    <message>
        <source>Right button on %1</source>
        <translation>%1で右ボタン</translation>
    </message>
    <message>
        <source>Shift+drag over %1</source>
        <translation>%1で Shift+ドラッグ</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>does nothing in this view</source>
        <translation>このビューでは何もしない</translation>
    </message>
    <message>
        <source>Buttons in &quot;%1&quot;</source>
        <translation>「%1」のボタン</translation>
    </message>
    <message>
        <source>Button &quot;%1&quot;</source>
        <translation>ボタン「%1」</translation>
    </message>
    <message>
        <source>In the menus only</source>
        <translation>メニューのみ</translation>
    </message>
    <message>
        <source>Keys in &quot;%1&quot;</source>
        <translation>「%1」のキー</translation>
    </message>
    <message>
        <source>Keys with Ctrl</source>
        <translation>Ctrl との組み合わせ</translation>
    </message>
</context>
<context>
    <name>key_tables</name>
    <message>
        <source>open another image in this window</source>
        <translation>このウィンドウで別のイメージを開く</translation>
    </message>
    <message>
        <source>Save: write every stage into the image</source>
        <translation>保存: 全ステージをイメージに書き込む</translation>
    </message>
    <message>
        <source>Reload: read every stage again, dropping the unsaved edits</source>
        <translation>再読み込み: 保存していない編集を捨てて、全ステージを読み直す</translation>
    </message>
    <message>
        <source>Exit, without a question</source>
        <translation>確認せずに終了する</translation>
    </message>
    <message>
        <source>undo the last edit</source>
        <translation>最後の編集を元に戻す</translation>
    </message>
    <message>
        <source>redo the edit undone last</source>
        <translation>最後に元に戻した編集をやり直す</translation>
    </message>
    <message>
        <source>previous palette set</source>
        <translation>前のパレットセット</translation>
    </message>
    <message>
        <source>next palette set</source>
        <translation>次のパレットセット</translation>
    </message>
    <message>
        <source>previous stage</source>
        <translation>前のステージ</translation>
    </message>
    <message>
        <source>next stage</source>
        <translation>次のステージ</translation>
    </message>
    <message>
        <source>next view</source>
        <translation>次のビュー</translation>
    </message>
    <message>
        <source>previous view</source>
        <translation>前のビュー</translation>
    </message>
    <message>
        <source>select everything: the map set, the half sheet, all chips, pages or objects</source>
        <translation>すべて選択: マップセット、シートの半分、全チップ、全ページまたは全オブジェクト</translation>
    </message>
    <message>
        <source>copy the selection, or the current item, to the clipboard</source>
        <translation>選択範囲、または現在の項目をクリップボードにコピーする</translation>
    </message>
    <message>
        <source>cut the selected objects: copy them and erase them</source>
        <translation>選択したオブジェクトを切り取る: コピーしてから消去する</translation>
    </message>
    <message>
        <source>paste at the current item; the numbers mean this stage&apos;s own chip sets, chips and tiles</source>
        <translation>現在の項目の位置に貼り付ける。番号はこのステージ自身のチップセット、チップ、タイルを指す</translation>
    </message>
    <message>
        <source>replace every use of the left page&apos;s map set in this stage</source>
        <translation>このステージでの左ページのマップセットの使用箇所をすべて置き換える</translation>
    </message>
    <message>
        <source>replace every use of the current item in this stage</source>
        <translation>このステージでの現在の項目の使用箇所をすべて置き換える</translation>
    </message>
    <message>
        <source>export a patch (BPS or IPS) of every stage as it is now against the original image</source>
        <translation>元のイメージに対する全ステージの現在のパッチ (BPS または IPS) を書き出す</translation>
    </message>
    <message>
        <source>export the current stage as a stage file</source>
        <translation>現在のステージをステージファイルとして書き出す</translation>
    </message>
    <message>
        <source>find a command, a stage or an object&apos;s name by typing, and run it</source>
        <translation>コマンド、ステージ、オブジェクト名を入力して探し、実行する</translation>
    </message>
    <message>
        <source>import a stage file into the current stage, as one step</source>
        <translation>ステージファイルを現在のステージに 1 ステップとして読み込む</translation>
    </message>
    <message>
        <source>import a tile sheet (PNG) into the current stage&apos;s tiles, in the current chip&apos;s colours, as one step</source>
        <translation>タイルシート (PNG) を現在のチップの色で、現在のステージのタイルに 1 ステップとして読み込む</translation>
    </message>
    <message>
        <source>zoom in: the editing area one step larger (2x to 4x)</source>
        <translation>ズームイン: 編集領域を一段階大きく (2x～4x)</translation>
    </message>
    <message>
        <source>zoom out: the editing area one step smaller</source>
        <translation>ズームアウト: 編集領域を一段階小さく</translation>
    </message>
    <message>
        <source>actual size: the editing area at 1x</source>
        <translation>実寸: 編集領域を 1x で表示</translation>
    </message>
    <message>
        <source>show or hide the frames around what differs from the image compared with</source>
        <translation>比較対象のイメージと異なる箇所の枠を表示する/隠す</translation>
    </message>
    <message>
        <source>show or close this list</source>
        <translation>この一覧を表示する/閉じる</translation>
    </message>
    <message>
        <source>play-test: the emulator on a copy with the unsaved edits</source>
        <translation>テストプレイ: 保存していない編集を含むコピーでエミュレータを実行する</translation>
    </message>
    <message>
        <source>start selecting at the current item (its moves extend the selection); again: stop extending</source>
        <translation>現在の項目から選択を始める (移動すると選択範囲が広がる)。もう一度押すと広げるのをやめる</translation>
    </message>
    <message>
        <source>end the selection</source>
        <translation>選択を終える</translation>
    </message>
    <message>
        <source>show or close where the current item is used and what the stage leaves unused</source>
        <translation>現在の項目の使用箇所と、ステージで使われていないものを表示する/閉じる</translation>
    </message>
    <message>
        <source>show or close the Colours window: the stage&apos;s palette sets, to edit</source>
        <translation>色ウィンドウを表示する/閉じる: ステージのパレットセットを編集する</translation>
    </message>
    <message>
        <source>show or close the tile window: the current tile or chip large, to draw on</source>
        <translation>タイルウィンドウを表示する/閉じる: 現在のタイルまたはチップを拡大して描画する</translation>
    </message>
    <message>
        <source>show or close the overview of the stage&apos;s 48 pages</source>
        <translation>ステージの 48 ページの全体表示を表示する/閉じる</translation>
    </message>
    <message>
        <source>show or close the list of the stage&apos;s objects, where values are typed and names shown</source>
        <translation>ステージのオブジェクトの一覧を表示する/閉じる。値を入力でき、名前が表示される</translation>
    </message>
    <message>
        <source>show or close the changes against the image compared with, to revert them</source>
        <translation>比較対象のイメージに対する変更を表示する/閉じる。変更を取り消せる</translation>
    </message>
    <message>
        <source>show or close the undo steps by name, to go back or forward to one</source>
        <translation>元に戻すステップを名前付きで表示する/閉じる。任意のステップまで戻ったり進んだりできる</translation>
    </message>
    <message>
        <source>scroll one page left</source>
        <translation>1 ページ左へスクロール</translation>
    </message>
    <message>
        <source>scroll one page right</source>
        <translation>1 ページ右へスクロール</translation>
    </message>
    <message>
        <source>left page: map set - 4</source>
        <translation>左ページ: マップセット - 4</translation>
    </message>
    <message>
        <source>left page: map set + 4</source>
        <translation>左ページ: マップセット + 4</translation>
    </message>
    <message>
        <source>left page: map set + 1</source>
        <translation>左ページ: マップセット + 1</translation>
    </message>
    <message>
        <source>left page: map set - 1</source>
        <translation>左ページ: マップセット - 1</translation>
    </message>
    <message>
        <source>next page that shows the left page&apos;s map set</source>
        <translation>左ページのマップセットを表示する次のページ</translation>
    </message>
    <message>
        <source>previous page that shows the left page&apos;s map set</source>
        <translation>左ページのマップセットを表示する前のページ</translation>
    </message>
    <message>
        <source>select the previous object</source>
        <translation>前のオブジェクトを選択</translation>
    </message>
    <message>
        <source>move the object one page left</source>
        <translation>オブジェクトを 1 ページ左へ移動</translation>
    </message>
    <message>
        <source>select the next object</source>
        <translation>次のオブジェクトを選択</translation>
    </message>
    <message>
        <source>move the object one page right</source>
        <translation>オブジェクトを 1 ページ右へ移動</translation>
    </message>
    <message>
        <source>move the object 1 pixel left</source>
        <translation>オブジェクトを 1 ピクセル左へ移動</translation>
    </message>
    <message>
        <source>move the object 16 pixels left</source>
        <translation>オブジェクトを 16 ピクセル左へ移動</translation>
    </message>
    <message>
        <source>move the object 1 pixel right</source>
        <translation>オブジェクトを 1 ピクセル右へ移動</translation>
    </message>
    <message>
        <source>move the object 16 pixels right</source>
        <translation>オブジェクトを 16 ピクセル右へ移動</translation>
    </message>
    <message>
        <source>move the object 1 pixel up</source>
        <translation>オブジェクトを 1 ピクセル上へ移動</translation>
    </message>
    <message>
        <source>move the object 16 pixels up</source>
        <translation>オブジェクトを 16 ピクセル上へ移動</translation>
    </message>
    <message>
        <source>move the object 1 pixel down</source>
        <translation>オブジェクトを 1 ピクセル下へ移動</translation>
    </message>
    <message>
        <source>move the object 16 pixels down</source>
        <translation>オブジェクトを 16 ピクセル下へ移動</translation>
    </message>
    <message>
        <source>scroll one map set left</source>
        <translation>1 マップセット左へスクロール</translation>
    </message>
    <message>
        <source>scroll one map set right</source>
        <translation>1 マップセット右へスクロール</translation>
    </message>
    <message>
        <source>cursor left</source>
        <translation>カーソルを左へ</translation>
    </message>
    <message>
        <source>chip set - 1</source>
        <translation>チップセット - 1</translation>
    </message>
    <message>
        <source>cursor right</source>
        <translation>カーソルを右へ</translation>
    </message>
    <message>
        <source>chip set + 1</source>
        <translation>チップセット + 1</translation>
    </message>
    <message>
        <source>cursor up</source>
        <translation>カーソルを上へ</translation>
    </message>
    <message>
        <source>chip set - 16 (a row up)</source>
        <translation>チップセット - 16 (1 行上)</translation>
    </message>
    <message>
        <source>cursor down</source>
        <translation>カーソルを下へ</translation>
    </message>
    <message>
        <source>chip set + 16 (a row down)</source>
        <translation>チップセット + 16 (1 行下)</translation>
    </message>
    <message>
        <source>paint the chip set into the cursor cell, or every selected cell</source>
        <translation>チップセットをカーソルのセル、または選択したすべてのセルに塗る</translation>
    </message>
    <message>
        <source>pick the chip set of the cursor cell</source>
        <translation>カーソルのセルのチップセットを拾う</translation>
    </message>
    <message>
        <source>cursor to the next cell that holds the cursor cell&apos;s chip set</source>
        <translation>カーソルのセルと同じチップセットを持つ次のセルへカーソルを移動</translation>
    </message>
    <message>
        <source>cursor to the previous cell that holds the cursor cell&apos;s chip set</source>
        <translation>カーソルのセルと同じチップセットを持つ前のセルへカーソルを移動</translation>
    </message>
    <message>
        <source>show the other half of the chip sets</source>
        <translation>チップセットのもう半分を表示</translation>
    </message>
    <message>
        <source>chip - 1</source>
        <translation>チップ - 1</translation>
    </message>
    <message>
        <source>chip + 1</source>
        <translation>チップ + 1</translation>
    </message>
    <message>
        <source>chip - 16 (a row up)</source>
        <translation>チップ - 16 (1 行上)</translation>
    </message>
    <message>
        <source>chip + 16 (a row down)</source>
        <translation>チップ + 16 (1 行下)</translation>
    </message>
    <message>
        <source>put the chip into the top-left quadrant (of every selected chip set)</source>
        <translation>チップを左上の区画に置く (選択したすべてのチップセットで)</translation>
    </message>
    <message>
        <source>put the chip into the top-right quadrant (of every selected chip set)</source>
        <translation>チップを右上の区画に置く (選択したすべてのチップセットで)</translation>
    </message>
    <message>
        <source>put the chip into the bottom-left quadrant (of every selected chip set)</source>
        <translation>チップを左下の区画に置く (選択したすべてのチップセットで)</translation>
    </message>
    <message>
        <source>put the chip into the bottom-right quadrant (of every selected chip set)</source>
        <translation>チップを右下の区画に置く (選択したすべてのチップセットで)</translation>
    </message>
    <message>
        <source>pick the chip of the top-left quadrant</source>
        <translation>左上の区画のチップを拾う</translation>
    </message>
    <message>
        <source>pick the chip of the top-right quadrant</source>
        <translation>右上の区画のチップを拾う</translation>
    </message>
    <message>
        <source>pick the chip of the bottom-left quadrant</source>
        <translation>左下の区画のチップを拾う</translation>
    </message>
    <message>
        <source>pick the chip of the bottom-right quadrant</source>
        <translation>右下の区画のチップを拾う</translation>
    </message>
    <message>
        <source>&quot;MAP SET&quot;: the next cell that holds the chip set</source>
        <translation>「MAP SET」: このチップセットを持つ次のセル</translation>
    </message>
    <message>
        <source>&quot;MAP SET&quot;: the previous cell that holds the chip set</source>
        <translation>「MAP SET」: このチップセットを持つ前のセル</translation>
    </message>
    <message>
        <source>sub-palette + 1 (of every selected chip)</source>
        <translation>サブパレット + 1 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style + 0x10 (of every selected chip)</source>
        <translation>スタイル + 0x10 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>sub-palette - 1 (of every selected chip)</source>
        <translation>サブパレット - 1 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style - 0x10 (of every selected chip)</source>
        <translation>スタイル - 0x10 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>tile - 1</source>
        <translation>タイル - 1</translation>
    </message>
    <message>
        <source>tile + 1</source>
        <translation>タイル + 1</translation>
    </message>
    <message>
        <source>tile - 16 (a row up)</source>
        <translation>タイル - 16 (1 行上)</translation>
    </message>
    <message>
        <source>tile + 16 (a row down)</source>
        <translation>タイル + 16 (1 行下)</translation>
    </message>
    <message>
        <source>put the tile into the top-left quadrant (of every selected chip)</source>
        <translation>タイルを左上の区画に置く (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>put the tile into the top-right quadrant (of every selected chip)</source>
        <translation>タイルを右上の区画に置く (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>put the tile into the bottom-left quadrant (of every selected chip)</source>
        <translation>タイルを左下の区画に置く (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>put the tile into the bottom-right quadrant (of every selected chip)</source>
        <translation>タイルを右下の区画に置く (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>pick the tile of the top-left quadrant</source>
        <translation>左上の区画のタイルを拾う</translation>
    </message>
    <message>
        <source>pick the tile of the top-right quadrant</source>
        <translation>右上の区画のタイルを拾う</translation>
    </message>
    <message>
        <source>pick the tile of the bottom-left quadrant</source>
        <translation>左下の区画のタイルを拾う</translation>
    </message>
    <message>
        <source>pick the tile of the bottom-right quadrant</source>
        <translation>右下の区画のタイルを拾う</translation>
    </message>
    <message>
        <source>&quot;CHIP SET&quot;: the next chip set that holds the chip</source>
        <translation>「CHIP SET」: このチップを持つ次のチップセット</translation>
    </message>
    <message>
        <source>&quot;CHIP SET&quot;: the previous chip set that holds the chip</source>
        <translation>「CHIP SET」: このチップを持つ前のチップセット</translation>
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
    <name>mouse_editing</name>
    <message>
        <source>the two pages</source>
        <translation>2 つのページ</translation>
    </message>
    <message>
        <source>place the selected object at the pointer</source>
        <translation>選択したオブジェクトをポインタの位置に置く</translation>
    </message>
    <message>
        <source>place it on the 8-pixel grid</source>
        <translation>8 ピクセルのグリッドに合わせて置く</translation>
    </message>
    <message>
        <source>the two map sets</source>
        <translation>2 つのマップセット</translation>
    </message>
    <message>
        <source>the cursor follows the pointer</source>
        <translation>カーソルがポインタに付いて動く</translation>
    </message>
    <message>
        <source>paint the chip set into the cell</source>
        <translation>チップセットをセルに塗る</translation>
    </message>
    <message>
        <source>pick the cell&apos;s chip set</source>
        <translation>セルのチップセットを拾う</translation>
    </message>
    <message>
        <source>select a rectangle of cells of one map set</source>
        <translation>1 つのマップセットのセルを矩形で選択する</translation>
    </message>
    <message>
        <source>the chip-set sheet</source>
        <translation>チップセットシート</translation>
    </message>
    <message>
        <source>select a chip set</source>
        <translation>チップセットを選択する</translation>
    </message>
    <message>
        <source>the chip sets</source>
        <translation>チップセット</translation>
    </message>
    <message>
        <source>select a chip set of the half shown</source>
        <translation>表示中の半分からチップセットを選択する</translation>
    </message>
    <message>
        <source>show the other half</source>
        <translation>もう半分を表示する</translation>
    </message>
    <message>
        <source>select a rectangle of chip sets</source>
        <translation>チップセットを矩形で選択する</translation>
    </message>
    <message>
        <source>the chip sheet</source>
        <translation>チップシート</translation>
    </message>
    <message>
        <source>select a chip</source>
        <translation>チップを選択する</translation>
    </message>
    <message>
        <source>the enlarged chip set</source>
        <translation>拡大したチップセット</translation>
    </message>
    <message>
        <source>put the chip into the quadrant</source>
        <translation>チップをその区画に置く</translation>
    </message>
    <message>
        <source>pick the quadrant&apos;s chip</source>
        <translation>その区画のチップを拾う</translation>
    </message>
    <message>
        <source>select a rectangle of chips</source>
        <translation>チップを矩形で選択する</translation>
    </message>
    <message>
        <source>the tile sheet</source>
        <translation>タイルシート</translation>
    </message>
    <message>
        <source>select a tile</source>
        <translation>タイルを選択する</translation>
    </message>
    <message>
        <source>the enlarged chip</source>
        <translation>拡大したチップ</translation>
    </message>
    <message>
        <source>put the tile into the quadrant</source>
        <translation>タイルをその区画に置く</translation>
    </message>
    <message>
        <source>pick the quadrant&apos;s tile</source>
        <translation>その区画のタイルを拾う</translation>
    </message>
</context>
<context>
    <name>number_list</name>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
</context>
<context>
    <name>object_commands</name>
    <message>
        <source>It cannot erase any more!</source>
        <translation>これ以上消去できません!</translation>
    </message>
    <message>
        <source>It cannot add any more!</source>
        <translation>これ以上追加できません!</translation>
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
    <name>object_table</name>
    <message>
        <source>Only the page, x, y and data can be typed.</source>
        <translation>入力できるのはページ、x、y、データだけです。</translation>
    </message>
    <message>
        <source>There is no object in that slot.</source>
        <translation>そのスロットにはオブジェクトがありません。</translation>
    </message>
    <message>
        <source>Type a value as two hexadecimal digits, 00 to FF.</source>
        <translation>値は 2 桁の 16 進数 (00～FF) で入力してください。</translation>
    </message>
    <message>
        <source>The page must be 00 to 2F.</source>
        <translation>ページは 00～2F でなければなりません。</translation>
    </message>
    <message>
        <source>slot</source>
        <translation>スロット</translation>
    </message>
    <message>
        <source>page</source>
        <translation>ページ</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>data</source>
        <translation>データ</translation>
    </message>
    <message>
        <source>name</source>
        <translation>名前</translation>
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
    <name>refusal</name>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>replace_uses</name>
    <message>
        <source>Replace 1 use of %1 with:</source>
        <translation>%1 の使用箇所 1 か所を次に置き換えます:</translation>
    </message>
    <message>
        <source>Replace %1 uses of %2 with:</source>
        <translation>%2 の使用箇所 %1 か所を次に置き換えます:</translation>
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
    <name>selection_text</name>
    <message>
        <source>line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>an item has more than %1 numbers</source>
        <translation>項目の数値が %1 個より多くあります</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no page distance</source>
        <translation>「%1」はページの距離ではありません</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no two-digit hexadecimal number</source>
        <translation>「%1」は 2 桁の 16 進数ではありません</translation>
    </message>
    <message>
        <source>an item has %1 numbers instead of %2</source>
        <translation>項目の数値が %2 個ではなく %1 個です</translation>
    </message>
    <message>
        <source>a chip&apos;s sub-palette is %1, above 3</source>
        <translation>チップのサブパレットが %1 で、3 を超えています</translation>
    </message>
    <message>
        <source>a chip&apos;s style %1 has bit 0 or 1 set</source>
        <translation>チップのスタイル %1 のビット 0 または 1 が立っています</translation>
    </message>
    <message>
        <source>the text ends after %1 of %2 rows</source>
        <translation>%2 行のうち %1 行でテキストが終わっています</translation>
    </message>
    <message>
        <source>the row has %1 of %2 items</source>
        <translation>行に項目が %2 個のうち %1 個しかありません</translation>
    </message>
    <message>
        <source>the row has more than %1 items</source>
        <translation>行の項目が %1 個より多くあります</translation>
    </message>
    <message>
        <source>the text ends after %1 of %2 pixel rows</source>
        <translation>ピクセルの %2 行のうち %1 行でテキストが終わっています</translation>
    </message>
    <message>
        <source>the row has %1 pixels instead of %2</source>
        <translation>行のピクセルが %2 個ではなく %1 個です</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no pixel value 0 to 3</source>
        <translation>「%1」は 0～3 のピクセル値ではありません</translation>
    </message>
    <message>
        <source>no version number</source>
        <translation>バージョン番号がありません</translation>
    </message>
    <message>
        <source>unknown version %1</source>
        <translation>不明なバージョン %1 です</translation>
    </message>
    <message>
        <source>the text ends before the view is named</source>
        <translation>ビューの名前の前でテキストが終わっています</translation>
    </message>
    <message>
        <source>no view is named</source>
        <translation>ビューの名前がありません</translation>
    </message>
    <message>
        <source>no size of the form COLUMNSxROWS</source>
        <translation>COLUMNSxROWS の形のサイズがありません</translation>
    </message>
    <message>
        <source>the size %1x%2 does not fit %3</source>
        <translation>サイズ %1x%2 は %3 に合いません</translation>
    </message>
    <message>
        <source>text after the last row</source>
        <translation>最後の行の後にテキストがあります</translation>
    </message>
</context>
<context>
    <name>sheet_import</name>
    <message>
        <source>It is loaded from the same bytes as tile %1, which the sheet draws otherwise.</source>
        <translation>タイル %1 と同じバイトから読み込まれていますが、シートでは両者が違う絵になっています。</translation>
    </message>
    <message>
        <source>The tile could not be written.</source>
        <translation>タイルを書き込めませんでした。</translation>
    </message>
    <message>
        <source>the image is too short to hold the tiles of stage %1</source>
        <translation>イメージが短すぎて、ステージ %1 のタイルが収まりません</translation>
    </message>
    <message>
        <source>1 tile of stage %1 changed%2.</source>
        <translation>ステージ %1 のタイルを 1 個変更しました%2。</translation>
    </message>
    <message>
        <source>%1 tiles of stage %2 changed%3.</source>
        <translation>ステージ %2 のタイルを %1 個変更しました%3。</translation>
    </message>
    <message>
        <source>Tile %1 is left as it is: %2</source>
        <translation>タイル %1 はそのままです: %2</translation>
    </message>
</context>
<context>
    <name>sheet_tiles</name>
    <message>
        <source>The pixel at x %1, y %2 %3; nothing was imported.</source>
        <translation>x %1, y %2 のピクセルは%3。何も読み込んでいません。</translation>
    </message>
    <message>
        <source>the index %1</source>
        <translation>インデックス %1</translation>
    </message>
    <message>
        <source>the colour %1</source>
        <translation>色 %1</translation>
    </message>
    <message>
        <source>The sheet is %1 x %2 pixels, but a tile sheet is 128 x 128 (one pixel per tile pixel) or 256 x 256 (2 x 2 pixels per tile pixel, as the exported sheets are); nothing was imported.</source>
        <translation>シートは %1 x %2 ピクセルですが、タイルシートは 128 x 128 (タイルの 1 ピクセルにつき 1 ピクセル) か 256 x 256 (書き出したシートと同じく、タイルの 1 ピクセルにつき 2 x 2 ピクセル) です。何も読み込んでいません。</translation>
    </message>
    <message>
        <source>The sheet&apos;s pixels do not fill its size; nothing was imported.</source>
        <translation>シートのピクセルがサイズに足りません。何も読み込んでいません。</translation>
    </message>
    <message>
        <source>has the index %1, which the sheet&apos;s palette does not hold</source>
        <translation>インデックス %1 ですが、シートのパレットにありません</translation>
    </message>
    <message>
        <source>has %1, unlike %2 at x %3, y %4 in its 2 x 2 block: a sheet of 256 x 256 draws each tile pixel as a block of one colour</source>
        <translation>%1 で、同じ 2 x 2 ブロックの x %3, y %4 の%2 と異なります。256 x 256 のシートではタイルの各ピクセルを単色のブロックで描きます</translation>
    </message>
    <message>
        <source>has the index %1, but in a sheet of four colours or fewer the index is the value, 0 to 3</source>
        <translation>インデックス %1 ですが、4 色以下のシートではインデックスが値 (0～3) です</translation>
    </message>
    <message>
        <source>has the colour %1, which sub-palette %2 of palette set %3 does not hold</source>
        <translation>色 %1 ですが、パレットセット %3 のサブパレット %2 にありません</translation>
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
    <name>step_buttons</name>
    <message>
        <source>left page: map set + 1</source>
        <translation>左ページ: マップセット + 1</translation>
    </message>
    <message>
        <source>left page: map set - 1</source>
        <translation>左ページ: マップセット - 1</translation>
    </message>
    <message>
        <source>right page: map set + 1</source>
        <translation>右ページ: マップセット + 1</translation>
    </message>
    <message>
        <source>right page: map set - 1</source>
        <translation>右ページ: マップセット - 1</translation>
    </message>
    <message>
        <source>left page: map set + 4</source>
        <translation>左ページ: マップセット + 4</translation>
    </message>
    <message>
        <source>left page: map set - 4</source>
        <translation>左ページ: マップセット - 4</translation>
    </message>
    <message>
        <source>right page: map set + 4</source>
        <translation>右ページ: マップセット + 4</translation>
    </message>
    <message>
        <source>right page: map set - 4</source>
        <translation>右ページ: マップセット - 4</translation>
    </message>
    <message>
        <source>select the previous object</source>
        <translation>前のオブジェクトを選択</translation>
    </message>
    <message>
        <source>select the next object</source>
        <translation>次のオブジェクトを選択</translation>
    </message>
    <message>
        <source>select the object 8 slots back</source>
        <translation>8 スロット前のオブジェクトを選択</translation>
    </message>
    <message>
        <source>select the object 8 slots on</source>
        <translation>8 スロット先のオブジェクトを選択</translation>
    </message>
    <message>
        <source>x - 1</source>
        <translation>x - 1</translation>
    </message>
    <message>
        <source>x + 1</source>
        <translation>x + 1</translation>
    </message>
    <message>
        <source>y - 1</source>
        <translation>y - 1</translation>
    </message>
    <message>
        <source>y + 1</source>
        <translation>y + 1</translation>
    </message>
    <message>
        <source>data - 1</source>
        <translation>データ - 1</translation>
    </message>
    <message>
        <source>data + 1</source>
        <translation>データ + 1</translation>
    </message>
    <message>
        <source>data - 8</source>
        <translation>データ - 8</translation>
    </message>
    <message>
        <source>data + 8</source>
        <translation>データ + 8</translation>
    </message>
    <message>
        <source>erase the selected object</source>
        <translation>選択したオブジェクトを消去</translation>
    </message>
    <message>
        <source>insert a new object at the selected slot</source>
        <translation>選択したスロットに新しいオブジェクトを挿入</translation>
    </message>
    <message>
        <source>x - 8</source>
        <translation>x - 8</translation>
    </message>
    <message>
        <source>x + 8</source>
        <translation>x + 8</translation>
    </message>
    <message>
        <source>y - 8</source>
        <translation>y - 8</translation>
    </message>
    <message>
        <source>y + 8</source>
        <translation>y + 8</translation>
    </message>
    <message>
        <source>show the other half of the chip sets</source>
        <translation>チップセットのもう半分を表示</translation>
    </message>
    <message>
        <source>sub-palette + 1 (of every selected chip)</source>
        <translation>サブパレット + 1 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style + 0x10 (of every selected chip)</source>
        <translation>スタイル + 0x10 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style - 0x10 (of every selected chip)</source>
        <translation>スタイル - 0x10 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style + 0x40 (of every selected chip)</source>
        <translation>スタイル + 0x40 (選択したすべてのチップで)</translation>
    </message>
    <message>
        <source>style - 0x40 (of every selected chip)</source>
        <translation>スタイル - 0x40 (選択したすべてのチップで)</translation>
    </message>
</context>
<context>
    <name>step_name</name>
    <message>
        <source>%1 · %2</source>
        <translation>%1 · %2</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 ほか %2 件</translation>
    </message>
    <message>
        <source>Restored kept edits · %1</source>
        <translation>残っていた編集を復元 · %1</translation>
    </message>
    <message>
        <source>Restored kept edits · %1 (and 1 step before it)</source>
        <translation>残っていた編集を復元 · %1 (とその前の 1 ステップ)</translation>
    </message>
    <message>
        <source>Restored kept edits · %1 (and %2 steps before it)</source>
        <translation>残っていた編集を復元 · %1 (とその前の %2 ステップ)</translation>
    </message>
</context>
<context>
    <name>tile_blocks</name>
    <message>
        <source>Tile %1: %2</source>
        <translation>タイル %1: %2</translation>
    </message>
    <message>
        <source>Tile %1 stands in more than one quadrant, so the block cannot change as a whole.</source>
        <translation>タイル %1 が複数の区画にあるため、ブロック全体を変えられません。</translation>
    </message>
    <message>
        <source>Tiles %1 and %2 are loaded from the same bytes, so the block cannot change as a whole.</source>
        <translation>タイル %1 と %2 は同じバイトから読み込まれるため、ブロック全体を変えられません。</translation>
    </message>
    <message>
        <source>The clipboard holds items of &quot;%1&quot;, which the tile window cannot paste: it pastes tiles.</source>
        <translation>クリップボードにあるのは「%1」の項目で、タイルウィンドウには貼り付けられません。タイルウィンドウに貼り付けられるのはタイルです。</translation>
    </message>
</context>
<context>
    <name>tile_editing</name>
    <message>
        <source>This tile is not loaded from the image, so it cannot be drawn.</source>
        <translation>このタイルはイメージから読み込まれていないため、描けません。</translation>
    </message>
    <message>
        <source>This tile is loaded from bytes that also hold %1, so it cannot be drawn.</source>
        <translation>このタイルは %1 も入っているバイトから読み込まれているため、描けません。</translation>
    </message>
</context>
<context>
    <name>tile_sharing_text</name>
    <message>
        <source>%1 to %2</source>
        <translation>%1～%2</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 と %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>tile %1 of this stage</source>
        <translation>このステージのタイル %1</translation>
    </message>
    <message>
        <source>tile %1 of stage %2</source>
        <translation>ステージ %2 のタイル %1</translation>
    </message>
    <message>
        <source>tile %1 of stages %2</source>
        <translation>ステージ %2 のタイル %1</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>%1; and 1 more place</source>
        <translation>%1、ほか 1 か所</translation>
    </message>
    <message>
        <source>%1; and %2 more places</source>
        <translation>%1、ほか %2 か所</translation>
    </message>
    <message>
        <source>Also %1.</source>
        <translation>%1でも使われています。</translation>
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
    <name>usage_report</name>
    <message>
        <source>nowhere</source>
        <translation>どこにもありません</translation>
    </message>
    <message>
        <source>used 1 time in the stage&apos;s map sets</source>
        <translation>ステージのマップセットで 1 回使用</translation>
    </message>
    <message>
        <source>used %1 times in the stage&apos;s map sets</source>
        <translation>ステージのマップセットで %1 回使用</translation>
    </message>
    <message>
        <source>map sets</source>
        <translation>マップセット</translation>
    </message>
    <message>
        <source>chip sets</source>
        <translation>チップセット</translation>
    </message>
    <message>
        <source>chips</source>
        <translation>チップ</translation>
    </message>
    <message>
        <source>tiles</source>
        <translation>タイル</translation>
    </message>
    <message>
        <source>Stage %1: what the 48 pages use</source>
        <translation>ステージ %1: 48 ページが使うもの</translation>
    </message>
    <message>
        <source>%1 of %2 used; not used: %3</source>
        <translation>%2 個中 %1 個を使用、未使用: %3</translation>
    </message>
    <message>
        <source>Objects by data (%1)</source>
        <translation>データ別のオブジェクト (%1)</translation>
    </message>
    <message>
        <source>data %1</source>
        <translation>データ %1</translation>
    </message>
    <message>
        <source>1 object: slot %1</source>
        <translation>1 オブジェクト: スロット %1</translation>
    </message>
    <message>
        <source>%1 objects: slots %2</source>
        <translation>%1 オブジェクト: スロット %2</translation>
    </message>
    <message>
        <source>Chips of the stage drawn with each sub-palette</source>
        <translation>サブパレットごとのステージのチップ数</translation>
    </message>
    <message>
        <source>sub-palette %1</source>
        <translation>サブパレット %1</translation>
    </message>
    <message>
        <source>1 chip</source>
        <translation>1 チップ</translation>
    </message>
    <message>
        <source>%1 chips</source>
        <translation>%1 チップ</translation>
    </message>
    <message>
        <source>top-left</source>
        <translation>左上</translation>
    </message>
    <message>
        <source>top-right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>bottom-left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>bottom-right</source>
        <translation>右下</translation>
    </message>
    <message>
        <source>%1, quadrant %2 (%3)</source>
        <translation>%1、区画 %2 (%3)</translation>
    </message>
    <message>
        <source>Chips that show %1 (%2)</source>
        <translation>%1 を表示するチップ (%2)</translation>
    </message>
    <message>
        <source>Tiles drawn from the same bytes as %1</source>
        <translation>%1 と同じバイトから描かれるタイル</translation>
    </message>
    <message>
        <source>none: the tile is not loaded from the image</source>
        <translation>なし: このタイルはイメージから読み込まれていません</translation>
    </message>
    <message>
        <source>stage %1</source>
        <translation>ステージ %1</translation>
    </message>
    <message>
        <source>tile %1</source>
        <translation>タイル %1</translation>
    </message>
    <message>
        <source>tiles %1</source>
        <translation>タイル %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Pages that show %1 (%2)</source>
        <translation>%1 を表示するページ (%2)</translation>
    </message>
    <message>
        <source>The left page shows no map set</source>
        <translation>左ページにマップセットがありません</translation>
    </message>
    <message>
        <source>Under the cursor</source>
        <translation>カーソル位置</translation>
    </message>
    <message>
        <source>The cursor is on no map set</source>
        <translation>カーソルがマップセット上にありません</translation>
    </message>
    <message>
        <source>Map-set cells that hold %1 (%2)</source>
        <translation>%1 を持つマップセットのセル (%2)</translation>
    </message>
    <message>
        <source>Chip-set quadrants that hold %1 (%2)</source>
        <translation>%1 を持つチップセットの区画 (%2)</translation>
    </message>
</context>
</TS>
