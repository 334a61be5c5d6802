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
        <translation>ステージの全体表示</translation>
    </message>
    <message>
        <source>Objects</source>
        <translation>オブジェクト</translation>
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
    <name>bps_patch</name>
    <message>
        <source>the patch is cut short: %1</source>
        <translation>パッチが途中で切れています: %1</translation>
    </message>
    <message>
        <source>the patch is malformed at byte %1: %2</source>
        <translation>パッチのバイト %1 が不正です: %2</translation>
    </message>
    <message>
        <source>the source size runs past the end of the patch</source>
        <translation>元ファイルのサイズがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>the source size is too large</source>
        <translation>元ファイルのサイズが大きすぎます</translation>
    </message>
    <message>
        <source>the target size runs past the end of the patch</source>
        <translation>出力ファイルのサイズがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>the target size is too large</source>
        <translation>出力ファイルのサイズが大きすぎます</translation>
    </message>
    <message>
        <source>the metadata size runs past the end of the patch</source>
        <translation>メタデータのサイズがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>the metadata size is too large</source>
        <translation>メタデータのサイズが大きすぎます</translation>
    </message>
    <message>
        <source>an action runs past the end of the patch</source>
        <translation>処理命令がパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>an action is too large</source>
        <translation>処理命令が大きすぎます</translation>
    </message>
    <message>
        <source>a copy&apos;s offset runs past the end of the patch</source>
        <translation>コピーのオフセットがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>a copy&apos;s offset is too large</source>
        <translation>コピーのオフセットが大きすぎます</translation>
    </message>
    <message>
        <source>not a BPS patch: it does not start with &quot;BPS1&quot;</source>
        <translation>BPS パッチではありません: &quot;BPS1&quot; で始まっていません</translation>
    </message>
    <message>
        <source>it has %1 bytes, and a BPS patch has at least %2</source>
        <translation>%1 バイトしかありませんが、BPS パッチは少なくとも %2 バイトあります</translation>
    </message>
    <message>
        <source>its metadata runs past the end of the patch</source>
        <translation>メタデータがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>the patch would make a file of %1 bytes, more than the %2 MiB an image can have</source>
        <translation>このパッチは %1 バイトのファイルを作ります。イメージの上限 %2 MiB を超えています</translation>
    </message>
    <message>
        <source>an action writes past the end of the %1-byte target</source>
        <translation>処理命令が %1 バイトの出力ファイルの終わりを越えて書き込みます</translation>
    </message>
    <message>
        <source>it reads past the end of the source</source>
        <translation>元ファイルの終わりを越えて読み込みます</translation>
    </message>
    <message>
        <source>its literal bytes at byte %1 run past the end of the patch</source>
        <translation>バイト %1 の直接データがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>a copy starts before the start of the file</source>
        <translation>コピーがファイルの先頭より前から始まっています</translation>
    </message>
    <message>
        <source>a copy reads past the end of the source</source>
        <translation>コピーが元ファイルの終わりを越えて読み込みます</translation>
    </message>
    <message>
        <source>a copy reads target bytes not made yet</source>
        <translation>コピーがまだ作られていない出力ファイルのバイトを読み込みます</translation>
    </message>
    <message>
        <source>its actions make %1 of the %2 bytes of the target</source>
        <translation>処理命令が出力ファイルの %2 バイトのうち %1 バイトしか作りません</translation>
    </message>
    <message>
        <source>the patch is damaged: its bytes have the CRC32 %1, and it says %2</source>
        <translation>パッチが壊れています: パッチの CRC32 は %1 ですが、パッチには %2 と記録されています</translation>
    </message>
    <message>
        <source>the patch was made for another image: it expects one of %1 bytes with the CRC32 %2, and this one has %3 bytes with the CRC32 %4</source>
        <translation>このパッチは別のイメージ用です: %1 バイトで CRC32 が %2 のイメージを想定していますが、このイメージは %3 バイトで CRC32 は %4 です</translation>
    </message>
    <message>
        <source>the patch makes a file with the CRC32 %1, and it expects %2</source>
        <translation>パッチで作られたファイルの CRC32 は %1 ですが、パッチが想定する値は %2 です</translation>
    </message>
</context>
<context>
    <name>cartridge_header</name>
    <message>
        <source>horizontal</source>
        <translation>水平</translation>
    </message>
    <message>
        <source>vertical</source>
        <translation>垂直</translation>
    </message>
    <message>
        <source>four-screen</source>
        <translation>4 画面</translation>
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
    <name>checked_tables</name>
    <message>
        <source>pages: stage %1</source>
        <translation>ページ: ステージ %1</translation>
    </message>
    <message>
        <source>pages: stage %1, page %2</source>
        <translation>ページ: ステージ %1、ページ %2</translation>
    </message>
    <message>
        <source>map sets: stage %1</source>
        <translation>マップセット: ステージ %1</translation>
    </message>
    <message>
        <source>map sets: stage %1, map set %2</source>
        <translation>マップセット: ステージ %1、マップセット %2</translation>
    </message>
    <message>
        <source>map sets: stage %1, map set %2, column %3</source>
        <translation>マップセット: ステージ %1、マップセット %2、列 %3</translation>
    </message>
    <message>
        <source>map sets: stage %1, map set %2, column %3, row %4</source>
        <translation>マップセット: ステージ %1、マップセット %2、列 %3、行 %4</translation>
    </message>
    <message>
        <source>chip sets: stage %1</source>
        <translation>チップセット: ステージ %1</translation>
    </message>
    <message>
        <source>chip sets: stage %1, chip set %2</source>
        <translation>チップセット: ステージ %1、チップセット %2</translation>
    </message>
    <message>
        <source>chips: stage %1</source>
        <translation>チップ: ステージ %1</translation>
    </message>
    <message>
        <source>chips: stage %1, chip %2</source>
        <translation>チップ: ステージ %1、チップ %2</translation>
    </message>
    <message>
        <source>palette sets: stage %1</source>
        <translation>パレットセット: ステージ %1</translation>
    </message>
    <message>
        <source>palette sets: stage %1, palette set %2</source>
        <translation>パレットセット: ステージ %1、パレットセット %2</translation>
    </message>
    <message>
        <source>palette sets: stage %1, palette set %2, sub-palette %3</source>
        <translation>パレットセット: ステージ %1、パレットセット %2、サブパレット %3</translation>
    </message>
    <message>
        <source>palette sets: stage %1, palette set %2, sub-palette %3, colour %4</source>
        <translation>パレットセット: ステージ %1、パレットセット %2、サブパレット %3、色 %4</translation>
    </message>
    <message>
        <source>tiles: stage %1</source>
        <translation>タイル: ステージ %1</translation>
    </message>
    <message>
        <source>tiles: stage %1, tile %2</source>
        <translation>タイル: ステージ %1、タイル %2</translation>
    </message>
    <message>
        <source>tiles: stage %1, tile %2, x %3</source>
        <translation>タイル: ステージ %1、タイル %2、x %3</translation>
    </message>
    <message>
        <source>tiles: stage %1, tile %2, x %3, y %4</source>
        <translation>タイル: ステージ %1、タイル %2、x %3、y %4</translation>
    </message>
    <message>
        <source>objects: stage %1</source>
        <translation>オブジェクト: ステージ %1</translation>
    </message>
    <message>
        <source>objects: stage %1, slot %2</source>
        <translation>オブジェクト: ステージ %1、スロット %2</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>there is no page %1 (0 to %2)</source>
        <translation>ページ %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no chip set %1 (0 to %2)</source>
        <translation>チップセット %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no chip %1 (0 to %2)</source>
        <translation>チップ %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no tile %1 (0 to %2)</source>
        <translation>タイル %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no slot %1 (0 to %2)</source>
        <translation>スロット %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no map set %1 (0 to %2)</source>
        <translation>マップセット %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no column %1 (0 to %2)</source>
        <translation>列 %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no row %1 (0 to %2)</source>
        <translation>行 %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no palette set %1 (0 to %2)</source>
        <translation>パレットセット %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no sub-palette %1 (0 to %2)</source>
        <translation>サブパレット %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no colour %1 (0 to %2)</source>
        <translation>色 %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no x %1 (0 to %2)</source>
        <translation>x %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no y %1 (0 to %2)</source>
        <translation>y %1 はありません (0～%2)</translation>
    </message>
    <message>
        <source>there is no stage %1 (0 to 15)</source>
        <translation>ステージ %1 はありません (0～15)</translation>
    </message>
    <message>
        <source>%1 is not a map set (0 to %2)</source>
        <translation>%1 はマップセットではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a chip set (0 to %2)</source>
        <translation>%1 はチップセットではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a chip (0 to %2)</source>
        <translation>%1 はチップではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a tile (0 to %2)</source>
        <translation>%1 はタイルではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a sub-palette (0 to %2)</source>
        <translation>%1 はサブパレットではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a style (a multiple of 4, 0 to 252)</source>
        <translation>%1 はスタイルではありません (4 の倍数、0～252)</translation>
    </message>
    <message>
        <source>%1 is not a console colour (0 to %2)</source>
        <translation>%1 は本体の色ではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not an animation selector (0 to %2)</source>
        <translation>%1 はアニメーションセレクタではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a pixel value (0 to %2)</source>
        <translation>%1 はピクセル値ではありません (0～%2)</translation>
    </message>
    <message>
        <source>slot %1 holds no object and is not the first free slot (%2)</source>
        <translation>スロット %1 にはオブジェクトがなく、最初の空きスロット (%2) でもありません</translation>
    </message>
    <message>
        <source>%1 is not a page (0 to %2)</source>
        <translation>%1 はページではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not an x position (0 to %2)</source>
        <translation>%1 は x 座標ではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a y position (0 to %2)</source>
        <translation>%1 は y 座標ではありません (0～%2)</translation>
    </message>
    <message>
        <source>%1 is not a data value (0 to %2)</source>
        <translation>%1 はデータ値ではありません (0～%2)</translation>
    </message>
    <message>
        <source>slot %1 holds no object</source>
        <translation>スロット %1 にはオブジェクトがありません</translation>
    </message>
    <message>
        <source>the last object of a stage cannot be removed</source>
        <translation>ステージの最後のオブジェクトは削除できません</translation>
    </message>
    <message>
        <source>there is no quadrant %1 (0 to %2)</source>
        <translation>区画 %1 はありません (0～%2)</translation>
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
    <name>command_inputs</name>
    <message>
        <source>a stage is 0 to 15 (or its digit 0 to F), not &apos;%1&apos;</source>
        <translation>ステージは 0～15 (または 1 桁の 0～F) で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>the output &apos;%1&apos; is the input &apos;%2&apos;: give another file to write</source>
        <translation>出力「%1」は入力「%2」と同じファイルです: 書き込み先に別のファイルを指定してください</translation>
    </message>
</context>
<context>
    <name>command_line</name>
    <message>
        <source>it is larger than 1536 bytes, the largest palette file</source>
        <translation>パレットファイルの上限 1536 バイトより大きいファイルです</translation>
    </message>
    <message>
        <source>the palette file &apos;%1&apos; cannot be used: %2</source>
        <translation>パレットファイル「%1」は使えません: %2</translation>
    </message>
    <message>
        <source>Level editor for the ROM image of a 16-stage NES action game.
Without arguments it asks for the ROM image in a file dialog.</source>
        <translation>16 ステージの NES アクションゲームの ROM イメージ用レベルエディタです。
引数がなければ、ファイルダイアログで ROM イメージを選びます。</translation>
    </message>
    <message>
        <source>The ROM image to open, instead of choosing it in the file dialog.</source>
        <translation>開く ROM イメージ (ファイルダイアログで選ぶ代わりに指定します)。</translation>
    </message>
    <message>
        <source>Write the built-in demo image into the user&apos;s data folder and open it.</source>
        <translation>内蔵のデモイメージをユーザーのデータフォルダに書き出して開きます。</translation>
    </message>
    <message>
        <source>Start as usual, let the first frames run, save the window as a PNG image to &lt;file&gt; and end.</source>
        <translation>通常どおり起動し、最初の数フレームを表示してから、ウィンドウを PNG 画像として &lt;file&gt; に保存して終了します。</translation>
    </message>
    <message>
        <source>Start in view &lt;n&gt;: 0 MAP, 1 OBJECT, 2 MAP SET, 3 CHIP SET, 4 CHIP.</source>
        <translation>ビュー &lt;n&gt; で起動します: 0 MAP、1 OBJECT、2 MAP SET、3 CHIP SET、4 CHIP。</translation>
    </message>
    <message>
        <source>Play-test (F5) with &lt;command&gt;; %f in it stands for the image, which otherwise comes last. Default: $QUARRIX_EMULATOR, else the first of fceux, nestopia, mednafen on PATH.</source>
        <translation>&lt;command&gt; でテストプレイ (F5) します。コマンド中の %f はイメージに置き換わり、%f がなければイメージは最後に付きます。既定: $QUARRIX_EMULATOR、なければ PATH 上の fceux、nestopia、mednafen のうち最初に見つかったもの。</translation>
    </message>
    <message>
        <source>Name the objects&apos; data values from the names file &lt;file&gt;. Without it, the image&apos;s name followed by .objects.json is used when there is one.</source>
        <translation>オブジェクトのデータ値に名前ファイル &lt;file&gt; の名前を付けます。指定がなければ、イメージの名前に .objects.json を付けたファイルがあればそれを使います。</translation>
    </message>
    <message>
        <source>Draw the views, the Colours window and every picture with the 64 colours of the emulator palette &lt;file&gt; (192 or 1536 bytes).</source>
        <translation>ビュー、色ウィンドウ、すべての画像をエミュレータのパレット &lt;file&gt; (192 または 1536 バイト) の 64 色で描きます。</translation>
    </message>
    <message>
        <source>Write the 64 colours the editor draws with (those of --palette-file, if given) to &lt;file&gt; as an emulator palette of 192 bytes, the format fceux&apos;s --palette reads, and end.</source>
        <translation>エディタが描画に使う 64 色 (--palette-file があればその色) を、fceux の --palette が読む 192 バイトのエミュレータパレットとして &lt;file&gt; に書き出して終了します。</translation>
    </message>
    <message>
        <source>Print the wall-clock time (ms since 1970) of the first painted frame and end.</source>
        <translation>最初のフレームを描画した時刻 (1970 年からのミリ秒) を表示して終了します。</translation>
    </message>
    <message>
        <source>give at most one ROM image</source>
        <translation>ROM イメージは 1 つまでにしてください</translation>
    </message>
    <message>
        <source>give either a ROM image or --demo, not both</source>
        <translation>ROM イメージと --demo のどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>--view takes a number from 0 to 4</source>
        <translation>--view には 0～4 の数を指定してください</translation>
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
        <translation>確認と復元のために変更の一覧を表示する/閉じる</translation>
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
    <name>demo_image_file</name>
    <message>
        <source>cannot make the data folder &apos;%1&apos;</source>
        <translation>データフォルダ「%1」を作成できません</translation>
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
    <name>error_report</name>
    <message>
        <source>error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>warning</source>
        <translation>警告</translation>
    </message>
</context>
<context>
    <name>file_commands</name>
    <message>
        <source>stage %1 written to %2</source>
        <translation>ステージ %1 を %2 に書き出しました</translation>
    </message>
    <message>
        <source>stage %1 of %2 written into a copy of the image, %3</source>
        <translation>%2 のステージ %1 をイメージのコピー %3 に書き込みました</translation>
    </message>
    <message>
        <source>%1 patch written to %2: %3 bytes for %4 changed bytes</source>
        <translation>%1 パッチを %2 に書き出しました: 変更 %4 バイトに対して %3 バイト</translation>
    </message>
    <message>
        <source>%1 patch applied, image written to %2: %3 bytes, CRC32 %4</source>
        <translation>%1 パッチを適用し、イメージを %2 に書き出しました: %3 バイト、CRC32 %4</translation>
    </message>
    <message>
        <source>given with --against</source>
        <translation>--against で指定</translation>
    </message>
    <message>
        <source>remembered by Ctrl+E</source>
        <translation>Ctrl+E で記憶</translation>
    </message>
    <message>
        <source>Write a patch that turns &lt;original&gt; into the ROM image, to the file given after it, and end: IMAGE --make-patch ORIGINAL OUT.bps (or OUT.ips); the name&apos;s ending chooses the format.</source>
        <translation>&lt;original&gt; を ROM イメージに変えるパッチを、その後に指定したファイルに書き出して終了します: IMAGE --make-patch ORIGINAL OUT.bps (または OUT.ips)。形式はファイル名の拡張子で決まります。</translation>
    </message>
    <message>
        <source>Apply &lt;patch&gt; (BPS or IPS) to the ROM image and write the result to the file given after it, and end: ORIGINAL --apply-patch PATCH OUT.nes.</source>
        <translation>&lt;patch&gt; (BPS または IPS) を ROM イメージに適用し、結果をその後に指定したファイルに書き出して終了します: ORIGINAL --apply-patch PATCH OUT.nes。</translation>
    </message>
    <message>
        <source>Print the ROM image&apos;s size, header, CRC32 and SHA-1 (with and without the header), whether its stage tables load, and which stages&apos; tables differ from its original, and end.</source>
        <translation>ROM イメージのサイズ、ヘッダー、CRC32 と SHA-1 (ヘッダーを含む場合と除く場合)、ステージのテーブルが読み込めるか、どのステージのテーブルが元のイメージと異なるかを表示して終了します。</translation>
    </message>
    <message>
        <source>With --info: compare with &lt;original&gt; instead of the original remembered by Ctrl+E.</source>
        <translation>--info と共に: Ctrl+E で記憶した元のイメージの代わりに &lt;original&gt; と比べます。</translation>
    </message>
    <message>
        <source>Write the tables of stage &lt;S&gt; (pages, map sets, chip sets, chips, objects) as a JSON stage file to the file given after it, and end: IMAGE --export-stage-data S FILE.json.</source>
        <translation>ステージ &lt;S&gt; のテーブル (ページ、マップセット、チップセット、チップ、オブジェクト) を JSON のステージファイルとして、その後に指定したファイルに書き出して終了します: IMAGE --export-stage-data S FILE.json。</translation>
    </message>
    <message>
        <source>Write a copy of the ROM image with stage &lt;S&gt; replaced by a stage file, and end: IMAGE --import-stage-data S FILE.json OUT.nes.</source>
        <translation>ステージ &lt;S&gt; をステージファイルで置き換えた ROM イメージのコピーを書き出して終了します: IMAGE --import-stage-data S FILE.json OUT.nes。</translation>
    </message>
    <message>
        <source>Print what differs between the ROM image&apos;s stages and those of &lt;original&gt;, one change a line, and end: IMAGE --changes ORIGINAL.</source>
        <translation>ROM イメージのステージと &lt;original&gt; のステージとの違いを 1 行に 1 つずつ表示して終了します: IMAGE --changes ORIGINAL。</translation>
    </message>
    <message>
        <source>With --changes: print the changes as a JSON array (stage, table, place, old, new, count).</source>
        <translation>--changes と共に: 変更を JSON 配列 (stage、table、place、old、new、count) として表示します。</translation>
    </message>
    <message>
        <source>--json goes with --changes</source>
        <translation>--json は --changes と共に使います</translation>
    </message>
    <message>
        <source>--against goes with --info</source>
        <translation>--against は --info と共に使います</translation>
    </message>
    <message>
        <source>give one of --make-patch, --apply-patch, --info, --export-stage-data, --import-stage-data and --changes</source>
        <translation>--make-patch、--apply-patch、--info、--export-stage-data、--import-stage-data、--changes のうち 1 つだけを指定してください</translation>
    </message>
    <message>
        <source>--make-patch, --apply-patch, --info and the stage files open no window and write no picture: leave out --%1</source>
        <translation>--make-patch、--apply-patch、--info とステージファイルの操作はウィンドウを開かず、画像も書き出しません: --%1 を外してください</translation>
    </message>
    <message>
        <source>--info takes one ROM image</source>
        <translation>--info には ROM イメージを 1 つ指定してください</translation>
    </message>
    <message>
        <source>--changes takes the image and its original: IMAGE --changes ORIGINAL</source>
        <translation>--changes にはイメージとその元のイメージを指定してください: IMAGE --changes ORIGINAL</translation>
    </message>
    <message>
        <source>--export-stage-data takes the image, a stage and the stage file: IMAGE --export-stage-data S FILE.json</source>
        <translation>--export-stage-data にはイメージ、ステージ、ステージファイルを指定してください: IMAGE --export-stage-data S FILE.json</translation>
    </message>
    <message>
        <source>--import-stage-data takes the image, a stage, the stage file and the file to write: IMAGE --import-stage-data S FILE.json OUT.nes</source>
        <translation>--import-stage-data にはイメージ、ステージ、ステージファイル、書き込み先のファイルを指定してください: IMAGE --import-stage-data S FILE.json OUT.nes</translation>
    </message>
    <message>
        <source>--make-patch takes the modified image, the original and the patch file: MODIFIED --make-patch ORIGINAL OUT.bps</source>
        <translation>--make-patch には変更したイメージ、元のイメージ、パッチファイルを指定してください: MODIFIED --make-patch ORIGINAL OUT.bps</translation>
    </message>
    <message>
        <source>--apply-patch takes the original image, the patch and the file to write: ORIGINAL --apply-patch PATCH OUT.nes</source>
        <translation>--apply-patch には元のイメージ、パッチ、書き込み先のファイルを指定してください: ORIGINAL --apply-patch PATCH OUT.nes</translation>
    </message>
    <message>
        <source>cannot make the patch: %1</source>
        <translation>パッチを作成できません: %1</translation>
    </message>
    <message>
        <source>cannot apply the patch: %1</source>
        <translation>パッチを適用できません: %1</translation>
    </message>
    <message>
        <source>cannot tell what the image is: %1</source>
        <translation>イメージの内容を調べられません: %1</translation>
    </message>
    <message>
        <source>cannot export the stage: %1</source>
        <translation>ステージを書き出せません: %1</translation>
    </message>
    <message>
        <source>cannot import the stage: %1</source>
        <translation>ステージを読み込めません: %1</translation>
    </message>
    <message>
        <source>cannot list the changes: %1</source>
        <translation>変更を一覧にできません: %1</translation>
    </message>
    <message>
        <source>name the ROM image first</source>
        <translation>先に ROM イメージを指定してください</translation>
    </message>
</context>
<context>
    <name>image_backups</name>
    <message>
        <source>no copy of &apos;%1&apos; could be kept in &apos;%2&apos;: %3</source>
        <translation>「%1」のコピーを「%2」に残せませんでした: %3</translation>
    </message>
</context>
<context>
    <name>image_lock</name>
    <message>
        <source>%1 is already open in another Quarrix Editor (process %2, since %3). Open it anyway?</source>
        <translation>「%1」は別の Quarrix Editor で既に開かれています (プロセス %2、%3 から)。それでも開きますか?</translation>
    </message>
</context>
<context>
    <name>image_report</name>
    <message>
        <source>yes</source>
        <translation>あり</translation>
    </message>
    <message>
        <source>no</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>%1 KiB</source>
        <translation>%1 KiB</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>header: none (the file does not start with &quot;NES&quot; and 0x1A)</source>
        <translation>ヘッダー: なし (ファイルが &quot;NES&quot; と 0x1A で始まっていません)</translation>
    </message>
    <message>
        <source>header: %1, mapper %2, PRG %3, CHR %4, mirroring %5, battery %6, trainer %7</source>
        <translation>ヘッダー: %1、マッパー %2、PRG %3、CHR %4、ミラーリング %5、バッテリー %6、トレーナー %7</translation>
    </message>
    <message>
        <source>none (RAM)</source>
        <translation>なし (RAM)</translation>
    </message>
    <message>
        <source>stage tables: do not load (%1)</source>
        <translation>ステージのテーブル: 読み込めません (%1)</translation>
    </message>
    <message>
        <source>stage tables: load; used objects per stage:%1</source>
        <translation>ステージのテーブル: 読み込めます。ステージごとの使用オブジェクト数:%1</translation>
    </message>
    <message>
        <source>original: none known (Ctrl+E remembers one, or give it with --against ORIGINAL)</source>
        <translation>元のイメージ: 不明 (Ctrl+E で記憶するか、--against ORIGINAL で指定してください)</translation>
    </message>
    <message>
        <source>original: %1 (%2), %3</source>
        <translation>元のイメージ: %1 (%2)、%3</translation>
    </message>
    <message>
        <source>stage %1: %2 byte</source>
        <translation>ステージ %1: %2 バイト</translation>
    </message>
    <message>
        <source>stage %1: %2 bytes</source>
        <translation>ステージ %1: %2 バイト</translation>
    </message>
    <message>
        <source>tables differing from the original: none, all 16 stages are the same</source>
        <translation>元のイメージと異なるテーブル: なし、16 ステージすべて同じです</translation>
    </message>
    <message>
        <source>tables differing from the original: %1; the other stage is the same</source>
        <translation>元のイメージと異なるテーブル: %1。残りの 1 ステージは同じです</translation>
    </message>
    <message>
        <source>tables differing from the original: %1; the other %2 are the same</source>
        <translation>元のイメージと異なるテーブル: %1。残りの %2 ステージは同じです</translation>
    </message>
    <message>
        <source>tables differing from the original: %1</source>
        <translation>元のイメージと異なるテーブル: %1</translation>
    </message>
    <message>
        <source>file: %1, %2 bytes</source>
        <translation>ファイル: %1、%2 バイト</translation>
    </message>
    <message>
        <source>whole file: %1</source>
        <translation>ファイル全体: %1</translation>
    </message>
    <message>
        <source>without the 16-byte header: %1</source>
        <translation>16 バイトのヘッダーを除く: %1</translation>
    </message>
</context>
<context>
    <name>ips_patch</name>
    <message>
        <source>the patch is cut short at byte %1: %2</source>
        <translation>パッチがバイト %1 で途中で切れています: %2</translation>
    </message>
    <message>
        <source>an IPS patch reaches only the first 16 MiB of a file, and this one has %1 bytes: make a BPS patch instead</source>
        <translation>IPS パッチが届くのはファイルの最初の 16 MiB までですが、このファイルは %1 バイトあります: 代わりに BPS パッチを作ってください</translation>
    </message>
    <message>
        <source>not an IPS patch: it does not start with &quot;PATCH&quot;</source>
        <translation>IPS パッチではありません: &quot;PATCH&quot; で始まっていません</translation>
    </message>
    <message>
        <source>it ends without the &quot;EOF&quot; marker</source>
        <translation>&quot;EOF&quot; マーカーがないまま終わっています</translation>
    </message>
    <message>
        <source>a record&apos;s offset and length are missing</source>
        <translation>レコードのオフセットと長さがありません</translation>
    </message>
    <message>
        <source>a run record&apos;s count and byte are missing</source>
        <translation>連続レコードの個数とバイトがありません</translation>
    </message>
    <message>
        <source>the patch is malformed at byte %1: a run record of no bytes</source>
        <translation>パッチのバイト %1 が不正です: 長さ 0 の連続レコードです</translation>
    </message>
    <message>
        <source>a record&apos;s bytes run past the end of the patch</source>
        <translation>レコードのバイトがパッチの終わりを越えています</translation>
    </message>
    <message>
        <source>the patch is malformed: %1 bytes follow its &quot;EOF&quot; marker</source>
        <translation>パッチが不正です: &quot;EOF&quot; マーカーの後に %1 バイトあります</translation>
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
    <name>load_rom</name>
    <message>
        <source>stage %1&apos;s pages</source>
        <translation>ステージ %1 のページ</translation>
    </message>
    <message>
        <source>stage %1&apos;s map sets</source>
        <translation>ステージ %1 のマップセット</translation>
    </message>
    <message>
        <source>stage %1&apos;s chip sets</source>
        <translation>ステージ %1 のチップセット</translation>
    </message>
    <message>
        <source>stage %1&apos;s chips</source>
        <translation>ステージ %1 のチップ</translation>
    </message>
    <message>
        <source>stage %1&apos;s objects</source>
        <translation>ステージ %1 のオブジェクト</translation>
    </message>
    <message>
        <source>stage %1&apos;s palette sets</source>
        <translation>ステージ %1 のパレットセット</translation>
    </message>
    <message>
        <source>stage %1&apos;s tiles</source>
        <translation>ステージ %1 のタイル</translation>
    </message>
    <message>
        <source>the tile-loading list of stage %1</source>
        <translation>ステージ %1 のタイル読み込みリスト</translation>
    </message>
    <message>
        <source>palette animation %1</source>
        <translation>パレットアニメーション %1</translation>
    </message>
    <message>
        <source>the pointers to the tile-loading lists</source>
        <translation>タイル読み込みリストへのポインタ</translation>
    </message>
    <message>
        <source>the pointers to the palette animations</source>
        <translation>パレットアニメーションへのポインタ</translation>
    </message>
    <message>
        <source>the cartridge header</source>
        <translation>カートリッジのヘッダー</translation>
    </message>
    <message>
        <source>the colour triples of the palette animations</source>
        <translation>パレットアニメーションの 3 色組</translation>
    </message>
    <message>
        <source>the stage player program</source>
        <translation>ステージプレーヤーのプログラム</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset), so the file dialog cannot be shown.
Name a ROM image or use --demo to get a screenshot instead.</source>
        <translation>ディスプレイが見つからないため (DISPLAY と WAYLAND_DISPLAY が未設定)、ファイルダイアログを表示できません。
代わりにスクリーンショットを得るには、ROM イメージを指定するか --demo を使ってください。</translation>
    </message>
    <message>
        <source>No display found (DISPLAY and WAYLAND_DISPLAY are unset): instead of opening a window, the editor writes a screenshot to %1</source>
        <translation>ディスプレイが見つかりません (DISPLAY と WAYLAND_DISPLAY が未設定): ウィンドウを開く代わりに、スクリーンショットを %1 に書き出します</translation>
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
    <name>object_names_file</name>
    <message>
        <source>the title is not a text</source>
        <translation>タイトルが文字列ではありません</translation>
    </message>
    <message>
        <source>the title holds a control character: a name is one line of text</source>
        <translation>タイトルに制御文字があります: 名前は 1 行の文字列です</translation>
    </message>
    <message>
        <source>the title is empty</source>
        <translation>タイトルが空です</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, is not a map of data values to names</source>
        <translation>&quot;names&quot; が、データ値から名前へのマップではありません</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, the key %1 is not a data value: give two hexadecimal digits, 00 to FF</source>
        <translation>&quot;names&quot; のキー %1 はデータ値ではありません: 16 進数 2 桁 (00～FF) で指定してください</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, names data value %1 twice</source>
        <translation>&quot;names&quot; でデータ値 %1 に 2 回名前が付いています</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, the name of %1 is not a text</source>
        <translation>&quot;names&quot; の %1 の名前が文字列ではありません</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, the name of %1 holds a control character: a name is one line of text</source>
        <translation>&quot;names&quot; の %1 の名前に制御文字があります: 名前は 1 行の文字列です</translation>
    </message>
    <message>
        <source>in &quot;names&quot;, the name of %1 is empty</source>
        <translation>&quot;names&quot; の %1 の名前が空です</translation>
    </message>
    <message>
        <source>in stage %1, is not a map of data values to names</source>
        <translation>ステージ %1 が、データ値から名前へのマップではありません</translation>
    </message>
    <message>
        <source>in stage %1, the key %2 is not a data value: give two hexadecimal digits, 00 to FF</source>
        <translation>ステージ %1 のキー %2 はデータ値ではありません: 16 進数 2 桁 (00～FF) で指定してください</translation>
    </message>
    <message>
        <source>in stage %1, names data value %2 twice</source>
        <translation>ステージ %1 でデータ値 %2 に 2 回名前が付いています</translation>
    </message>
    <message>
        <source>in stage %1, the name of %2 is not a text</source>
        <translation>ステージ %1 の %2 の名前が文字列ではありません</translation>
    </message>
    <message>
        <source>in stage %1, the name of %2 holds a control character: a name is one line of text</source>
        <translation>ステージ %1 の %2 の名前に制御文字があります: 名前は 1 行の文字列です</translation>
    </message>
    <message>
        <source>in stage %1, the name of %2 is empty</source>
        <translation>ステージ %1 の %2 の名前が空です</translation>
    </message>
    <message>
        <source>the stage key %1 is not a stage: give 0 to 15, or its digit 0 to F</source>
        <translation>ステージのキー %1 はステージではありません: 0～15 (または 1 桁の 0～F) で指定してください</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>JSON ではありません (%1)</translation>
    </message>
    <message>
        <source>it is not a JSON object</source>
        <translation>JSON オブジェクトではありません</translation>
    </message>
    <message>
        <source>it has no &quot;version&quot;</source>
        <translation>&quot;version&quot; がありません</translation>
    </message>
    <message>
        <source>its version is %1, and this editor reads version %2</source>
        <translation>バージョンが %1 ですが、このエディタが読めるのはバージョン %2 です</translation>
    </message>
    <message>
        <source>&quot;stage&quot; is not a map of stages to names</source>
        <translation>&quot;stage&quot; が、ステージから名前へのマップではありません</translation>
    </message>
    <message>
        <source>stage %1 is given twice</source>
        <translation>ステージ %1 が 2 回指定されています</translation>
    </message>
    <message>
        <source>it holds %1, which a names file does not have</source>
        <translation>名前ファイルにはない %1 があります</translation>
    </message>
    <message>
        <source>the names file is refused: %1</source>
        <translation>名前ファイルを受け付けられません: %1</translation>
    </message>
    <message>
        <source>cannot read the names file &apos;%1&apos;: %2</source>
        <translation>名前ファイル「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>the names file &apos;%1&apos; is refused: it is larger than 4 MiB</source>
        <translation>名前ファイル「%1」を受け付けられません: 4 MiB より大きいファイルです</translation>
    </message>
    <message>
        <source>the names file &apos;%1&apos; is refused: %2</source>
        <translation>名前ファイル「%1」を受け付けられません: %2</translation>
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
    <name>palette_export</name>
    <message>
        <source>cannot export the palette: %1</source>
        <translation>パレットを書き出せません: %1</translation>
    </message>
    <message>
        <source>palette written to %1: 64 colours, 192 bytes</source>
        <translation>パレットを %1 に書き出しました: 64 色、192 バイト</translation>
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
        <translation>パッチの書き出し</translation>
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
        <translation>パッチを書き出せませんでした: %1</translation>
    </message>
</context>
<context>
    <name>patch_files</name>
    <message>
        <source>the output &apos;%1&apos; is the input &apos;%2&apos;: give another file to write</source>
        <translation>出力「%1」は入力「%2」と同じファイルです: 書き込み先に別のファイルを指定してください</translation>
    </message>
</context>
<context>
    <name>patch_format</name>
    <message>
        <source>the patch file&apos;s name must end in .bps or .ips, which says its format</source>
        <translation>パッチファイルの名前は形式を表す .bps か .ips で終わる必要があります</translation>
    </message>
    <message>
        <source>not a patch: it starts with neither &quot;BPS1&quot; nor &quot;PATCH&quot;</source>
        <translation>パッチではありません: &quot;BPS1&quot; でも &quot;PATCH&quot; でも始まっていません</translation>
    </message>
</context>
<context>
    <name>picture_export_dialog</name>
    <message>
        <source>Export pictures into</source>
        <translation>画像の書き出し先</translation>
    </message>
    <message>
        <source>Writing the pictures of every stage...</source>
        <translation>全ステージの画像を書き込んでいます...</translation>
    </message>
    <message>
        <source>Export pictures</source>
        <translation>画像の書き出し</translation>
    </message>
    <message>
        <source>%1 pictures of 16 stages written to %2</source>
        <translation>16 ステージの画像 %1 枚を %2 に書き込みました</translation>
    </message>
</context>
<context>
    <name>play_test</name>
    <message>
        <source>Install an emulator, for example with: apt-get install fceux
(Debian puts it into /usr/games, which PATH may have to name)
or name one with --emulator &quot;COMMAND&quot; or in the variable QUARRIX_EMULATOR (%f in the command stands for the image).</source>
        <translation>エミュレータをインストールしてください。例: apt-get install fceux
(Debian では /usr/games に入るため、PATH に加える必要があるかもしれません)
または --emulator &quot;COMMAND&quot; か環境変数 QUARRIX_EMULATOR でエミュレータを指定してください (コマンド中の %f はイメージに置き換わります)。</translation>
    </message>
    <message>
        <source>The play-test copy could not be written: %1</source>
        <translation>テストプレイ用のコピーを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>--emulator was empty</source>
        <translation>--emulator が空でした</translation>
    </message>
    <message>
        <source>no --emulator option</source>
        <translation>--emulator の指定なし</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 が空です</translation>
    </message>
    <message>
        <source>%1 is not set</source>
        <translation>%1 が未設定です</translation>
    </message>
    <message>
        <source>Tools &gt; Choose Emulator</source>
        <translation>ツール &gt; エミュレータの選択</translation>
    </message>
    <message>
        <source>no emulator chosen in Tools &gt; Choose Emulator</source>
        <translation>ツール &gt; エミュレータの選択 でエミュレータが選ばれていません</translation>
    </message>
    <message>
        <source>none of %1 is on PATH</source>
        <translation>%1 のどれも PATH 上にありません</translation>
    </message>
    <message>
        <source>No emulator found to play-test with (%1).
%2</source>
        <translation>テストプレイに使うエミュレータが見つかりません (%1)。
%2</translation>
    </message>
    <message>
        <source>The emulator could not be started: %1 (from %2).
%3</source>
        <translation>エミュレータを起動できませんでした: %1 (%2 より)。
%3</translation>
    </message>
</context>
<context>
    <name>recovery_file</name>
    <message>
        <source>the file is cut short</source>
        <translation>ファイルが途中で切れています</translation>
    </message>
    <message>
        <source>it is not a file of kept edits</source>
        <translation>保持された編集のファイルではありません</translation>
    </message>
    <message>
        <source>it was written by another version of the editor</source>
        <translation>別のバージョンのエディタが書いたファイルです</translation>
    </message>
    <message>
        <source>the file is damaged</source>
        <translation>ファイルが壊れています</translation>
    </message>
    <message>
        <source>it belongs to another image</source>
        <translation>別のイメージのファイルです</translation>
    </message>
    <message>
        <source>cannot write &apos;%1&apos;: %2</source>
        <translation>「%1」に書き込めません: %2</translation>
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
    <name>remembered_original</name>
    <message>
        <source>the original of &apos;%1&apos; could not be remembered: %2</source>
        <translation>「%1」の元のイメージを記憶できませんでした: %2</translation>
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
    <name>script_api</name>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 は整数ではありません</translation>
    </message>
    <message>
        <source>there is no place of kind &apos;%1&apos;</source>
        <translation>種類「%1」の場所はありません</translation>
    </message>
</context>
<context>
    <name>script_command</name>
    <message>
        <source>Run the JavaScript &lt;file&gt; on the ROM image and end, printing what it prints: IMAGE --script FILE.js [--output OUT.nes]. An error prints its file, line and message and ends with exit code 1, writing nothing.</source>
        <translation>JavaScript の &lt;file&gt; を ROM イメージに対して実行し、その出力を表示して終了します: IMAGE --script FILE.js [--output OUT.nes]。エラーの場合はファイル、行、メッセージを表示し、何も書き込まずに終了コード 1 で終了します。</translation>
    </message>
    <message>
        <source>With --script: write the image as the script left it to &lt;file&gt; when the script succeeded and changed something; give the image itself to write it in place, as Save does.</source>
        <translation>--script と共に: スクリプトが成功して何かを変更したとき、スクリプト実行後のイメージを &lt;file&gt; に書き出します。イメージ自身を指定すると、保存と同じくその場に書き込みます。</translation>
    </message>
    <message>
        <source>With --script: stop the script after &lt;seconds&gt; (default 30) and end with exit code 1.</source>
        <translation>--script と共に: &lt;seconds&gt; 秒 (既定 30) でスクリプトを止め、終了コード 1 で終了します。</translation>
    </message>
    <message>
        <source>--output and --script-timeout go with --script</source>
        <translation>--output と --script-timeout は --script と共に使います</translation>
    </message>
    <message>
        <source>--script opens no window and does nothing else: leave out --%1</source>
        <translation>--script はウィンドウを開かず、ほかの処理もしません: --%1 を外してください</translation>
    </message>
    <message>
        <source>--script takes the image and the script: IMAGE --script FILE.js [--output OUT.nes]</source>
        <translation>--script にはイメージとスクリプトを指定してください: IMAGE --script FILE.js [--output OUT.nes]</translation>
    </message>
    <message>
        <source>--script-timeout takes a number of seconds above 0</source>
        <translation>--script-timeout には 0 より大きい秒数を指定してください</translation>
    </message>
    <message>
        <source>cannot run the script: %1</source>
        <translation>スクリプトを実行できません: %1</translation>
    </message>
    <message>
        <source>%1: stopped after %2 seconds (--script-timeout); nothing written</source>
        <translation>%1: %2 秒で停止しました (--script-timeout)。何も書き込んでいません</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>%1 に書き込めません: %2</translation>
    </message>
</context>
<context>
    <name>script_prelude</name>
    <message>
        <source>setPages: the pages must be an array of 48</source>
        <translation>setPages: ページは要素数 48 の配列で指定してください</translation>
    </message>
    <message>
        <source>setMapSet: the columns must be an array of 8</source>
        <translation>setMapSet: 列は要素数 8 の配列で指定してください</translation>
    </message>
    <message>
        <source>setMapSet: column %1 must be an array of 8</source>
        <translation>setMapSet: 列 %1 は要素数 8 の配列で指定してください</translation>
    </message>
    <message>
        <source>setChipSet: the chips must be an array of 4</source>
        <translation>setChipSet: チップは要素数 4 の配列で指定してください</translation>
    </message>
    <message>
        <source>setChipSets: the chip sets must be an array of 256</source>
        <translation>setChipSets: チップセットは要素数 256 の配列で指定してください</translation>
    </message>
    <message>
        <source>setChip: the tiles must be an array of 4</source>
        <translation>setChip: タイルは要素数 4 の配列で指定してください</translation>
    </message>
    <message>
        <source>setChips: the chips must be an array of 256</source>
        <translation>setChips: チップは要素数 256 の配列で指定してください</translation>
    </message>
    <message>
        <source>setPaletteSet: the colours must be an array of 4</source>
        <translation>setPaletteSet: 色は要素数 4 の配列で指定してください</translation>
    </message>
    <message>
        <source>setPaletteSet: the selectors must be an array of 4</source>
        <translation>setPaletteSet: セレクタは要素数 4 の配列で指定してください</translation>
    </message>
    <message>
        <source>setPaletteSet: sub-palette %1 must be an array of 4</source>
        <translation>setPaletteSet: サブパレット %1 は要素数 4 の配列で指定してください</translation>
    </message>
    <message>
        <source>setTile: the rows must be an array of 8</source>
        <translation>setTile: 行は要素数 8 の配列で指定してください</translation>
    </message>
    <message>
        <source>setTile: row %1 must be an array of 8</source>
        <translation>setTile: 行 %1 は要素数 8 の配列で指定してください</translation>
    </message>
    <message>
        <source>setObjects: the objects must be an array of 1 to 64</source>
        <translation>setObjects: オブジェクトは要素数 1～64 の配列で指定してください</translation>
    </message>
    <message>
        <source>%1: give a place such as {stage: 0, page: 3}</source>
        <translation>%1: {stage: 0, page: 3} のように場所を指定してください</translation>
    </message>
    <message>
        <source>%1: the place names no page, mapSet, chipSet, object, chip or tile</source>
        <translation>%1: 場所に page、mapSet、chipSet、object、chip、tile のどれも指定されていません</translation>
    </message>
    <message>
        <source>step: give a name and a function</source>
        <translation>step: 名前と関数を指定してください</translation>
    </message>
    <message>
        <source>registerCommand: give an id, a label and a function</source>
        <translation>registerCommand: ID、ラベル、関数を指定してください</translation>
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
    <name>script_session</name>
    <message>
        <source>stopped before it ended</source>
        <translation>終わる前に停止しました</translation>
    </message>
    <message>
        <source>no command has the id %1</source>
        <translation>ID が %1 のコマンドはありません</translation>
    </message>
    <message>
        <source>the script engine cannot be loaded: %1</source>
        <translation>スクリプトエンジンを読み込めません: %1</translation>
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
    <name>stage_export</name>
    <message>
        <source>cannot write the picture &apos;%1&apos;: %2</source>
        <translation>画像「%1」を書き出せません: %2</translation>
    </message>
    <message>
        <source>the image could not be encoded</source>
        <translation>画像をエンコードできませんでした</translation>
    </message>
    <message>
        <source>stage %1 done (%2 of %3)</source>
        <translation>ステージ %1 完了 (%3 中 %2)</translation>
    </message>
    <message>
        <source>%1 pictures of %2 stages written to %3</source>
        <translation>%2 ステージの画像 %1 枚を %3 に書き出しました</translation>
    </message>
    <message>
        <source>stage %1 written to %2</source>
        <translation>ステージ %1 を %2 に書き出しました</translation>
    </message>
    <message>
        <source>Write stage &lt;S&gt; (0 to 15, or 0 to F) as one picture of its 48 pages to the PNG file given after it, and end: --export-stage S OUT.png.</source>
        <translation>ステージ &lt;S&gt; (0～15 または 0～F) の 48 ページを 1 枚の画像として、その後に指定した PNG ファイルに書き出して終了します: --export-stage S OUT.png。</translation>
    </message>
    <message>
        <source>Write the picture and the chip, chip-set and tile sheets of every stage into &lt;folder&gt;, and end.</source>
        <translation>すべてのステージの画像と、チップ、チップセット、タイルのシートを &lt;folder&gt; に書き出して終了します。</translation>
    </message>
    <message>
        <source>Draw the exported pictures and tile sheets in palette set &lt;K&gt; (0 to 3; default 0).</source>
        <translation>書き出す画像とタイルシートをパレットセット &lt;K&gt; (0～3、既定 0) で描きます。</translation>
    </message>
    <message>
        <source>Mark the objects on the exported stage pictures.</source>
        <translation>書き出すステージの画像にオブジェクトの印を付けます。</translation>
    </message>
    <message>
        <source>--palette goes with --export-stage, --export-all, --export-tiles or --import-tiles</source>
        <translation>--palette は --export-stage、--export-all、--export-tiles、--import-tiles のいずれかと共に使います</translation>
    </message>
    <message>
        <source>--objects goes with --export-stage or --export-all</source>
        <translation>--objects は --export-stage か --export-all と共に使います</translation>
    </message>
    <message>
        <source>give either --export-stage or --export-all, not both</source>
        <translation>--export-stage と --export-all のどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>exporting pictures opens no window: leave out --screenshot and --view</source>
        <translation>画像の書き出しはウィンドウを開きません: --screenshot と --view を外してください</translation>
    </message>
    <message>
        <source>--export-stage takes a stage and then the picture file: --export-stage S OUT.png</source>
        <translation>--export-stage にはステージと画像ファイルをこの順に指定してください: --export-stage S OUT.png</translation>
    </message>
    <message>
        <source>cannot make the folder &apos;%1&apos;</source>
        <translation>フォルダ「%1」を作成できません</translation>
    </message>
    <message>
        <source>--export-stage takes a stage from 0 to 15 (or its digit 0 to F), not &apos;%1&apos;</source>
        <translation>--export-stage にはステージを 0～15 (または 1 桁の 0～F) で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--palette takes a palette set from 0 to 3, not &apos;%1&apos;</source>
        <translation>--palette にはパレットセットを 0～3 で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>name the ROM image to draw the pictures from, or use --demo</source>
        <translation>画像を描く元の ROM イメージを指定するか、--demo を使ってください</translation>
    </message>
    <message>
        <source>the picture would replace the ROM image &apos;%1&apos;: give another file</source>
        <translation>画像が ROM イメージ「%1」を上書きしてしまいます: 別のファイルを指定してください</translation>
    </message>
</context>
<context>
    <name>stage_file</name>
    <message>
        <source>the stage file is refused: %1</source>
        <translation>ステージファイルを受け付けられません: %1</translation>
    </message>
    <message>
        <source>the file has no &quot;%1&quot;</source>
        <translation>ファイルに &quot;%1&quot; がありません</translation>
    </message>
    <message>
        <source>%1 has no &quot;%2&quot;</source>
        <translation>%1 に &quot;%2&quot; がありません</translation>
    </message>
    <message>
        <source>%1 is not a list</source>
        <translation>%1 がリストではありません</translation>
    </message>
    <message>
        <source>%1 has %2 entries, and must have %3</source>
        <translation>%1 の要素数が %2 ですが、%3 である必要があります</translation>
    </message>
    <message>
        <source>%1 is not a whole number</source>
        <translation>%1 が整数ではありません</translation>
    </message>
    <message>
        <source>%1 is %2, and must be 0 to %3</source>
        <translation>%1 が %2 ですが、0～%3 である必要があります</translation>
    </message>
    <message>
        <source>%1 is %2, and must be a multiple of %3 from 0 to %4</source>
        <translation>%1 が %2 ですが、0～%4 の %3 の倍数である必要があります</translation>
    </message>
    <message>
        <source>it is not JSON (%1)</source>
        <translation>JSON ではありません (%1)</translation>
    </message>
    <message>
        <source>it is not a stage file (it has no &quot;format&quot; of &quot;%1&quot;)</source>
        <translation>ステージファイルではありません (&quot;format&quot; が &quot;%1&quot; ではありません)</translation>
    </message>
    <message>
        <source>its version %1 is not one this editor reads (it reads versions 1 to %2)</source>
        <translation>バージョン %1 はこのエディタでは読めません (読めるのはバージョン 1～%2)</translation>
    </message>
    <message>
        <source>%1 is not an object of tiles, palette and style</source>
        <translation>%1 が tiles、palette、style のオブジェクトではありません</translation>
    </message>
    <message>
        <source>%1 is not an object of page, x, y and data</source>
        <translation>%1 が page、x、y、data のオブジェクトではありません</translation>
    </message>
    <message>
        <source>%1 is not an object of colours and selectors</source>
        <translation>%1 が colours と selectors のオブジェクトではありません</translation>
    </message>
    <message>
        <source>%1 (palette set %2, sub-palette %3, colour %4)</source>
        <translation>%1 (パレットセット %2、サブパレット %3、色 %4)</translation>
    </message>
    <message>
        <source>%1 (palette set %2, animation selector of sub-palette %3)</source>
        <translation>%1 (パレットセット %2、サブパレット %3 のアニメーションセレクタ)</translation>
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
        <translation>ステージの書き出し</translation>
    </message>
    <message>
        <source>Import a stage file into the current stage</source>
        <translation>ステージファイルを現在のステージに読み込む</translation>
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
        <translation>ステージを書き出せませんでした: %1</translation>
    </message>
    <message>
        <source>The stage file could not be imported: %1</source>
        <translation>ステージファイルを読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>startup</name>
    <message>
        <source>screenshot written to %1</source>
        <translation>スクリーンショットを %1 に書き出しました</translation>
    </message>
    <message>
        <source>cannot write the screenshot to %1</source>
        <translation>スクリーンショットを %1 に書き出せません</translation>
    </message>
    <message>
        <source>file reading error</source>
        <translation>ファイル読み込みエラー</translation>
    </message>
</context>
<context>
    <name>state_folder</name>
    <message>
        <source>cannot make the folder &apos;%1&apos;: %2</source>
        <translation>フォルダ「%1」を作成できません: %2</translation>
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
    <name>stream_error</name>
    <message>
        <source>file &apos;%1&apos; not found</source>
        <translation>ファイル「%1」が見つかりません</translation>
    </message>
    <message>
        <source>not enough data in stream</source>
        <translation>データが足りません</translation>
    </message>
    <message>
        <source>unable to write to stream</source>
        <translation>書き込めません</translation>
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
    <name>tile_sheet_commands</name>
    <message>
        <source>--palette takes a palette set from 0 to 3, not &apos;%1&apos;</source>
        <translation>--palette にはパレットセットを 0～3 で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>--sub-palette takes a sub-palette from 0 to 3, not &apos;%1&apos;</source>
        <translation>--sub-palette にはサブパレットを 0～3 で指定してください。「%1」は使えません</translation>
    </message>
    <message>
        <source>the tiles of stage %1 written to %2, in sub-palette %3 of palette set %4</source>
        <translation>ステージ %1 のタイルを、パレットセット %4 のサブパレット %3 で %2 に書き出しました</translation>
    </message>
    <message>
        <source>, in a copy of the image written to %1</source>
        <translation> (書き出したイメージのコピー: %1)</translation>
    </message>
    <message>
        <source>Write the 256 tiles of stage &lt;S&gt; as a tile sheet of 128 x 128 pixels to the PNG file given after it, and end: IMAGE --export-tiles S SHEET.png. Its palette index is the pixel&apos;s value.</source>
        <translation>ステージ &lt;S&gt; の 256 タイルを 128 x 128 ピクセルのタイルシートとして、その後に指定した PNG ファイルに書き出して終了します: IMAGE --export-tiles S SHEET.png。パレットの番号がピクセルの値です。</translation>
    </message>
    <message>
        <source>Write a copy of the ROM image with the tiles of stage &lt;S&gt; drawn as a tile sheet (128 x 128, or 256 x 256 as --export-all writes it) written where the stage loads them from, and end: IMAGE --import-tiles S SHEET.png OUT.nes. A sheet of four colours or fewer is read by index, any other by the colours of --palette and --sub-palette.</source>
        <translation>タイルシート (128 x 128、または --export-all が書き出す 256 x 256) に描いたステージ &lt;S&gt; のタイルを、ステージがタイルを読み込む場所に書き込んだ ROM イメージのコピーを書き出して終了します: IMAGE --import-tiles S SHEET.png OUT.nes。4 色以下のシートはパレットの番号で、それ以外は --palette と --sub-palette の色で読み取ります。</translation>
    </message>
    <message>
        <source>With --export-tiles and --import-tiles: the sub-palette &lt;P&gt; (0 to 3; default 0).</source>
        <translation>--export-tiles と --import-tiles と共に: サブパレット &lt;P&gt; (0～3、既定 0)。</translation>
    </message>
    <message>
        <source>--sub-palette goes with --export-tiles or --import-tiles</source>
        <translation>--sub-palette は --export-tiles か --import-tiles と共に使います</translation>
    </message>
    <message>
        <source>give either --export-tiles or --import-tiles, not both</source>
        <translation>--export-tiles と --import-tiles のどちらか一方だけを指定してください</translation>
    </message>
    <message>
        <source>--export-tiles and --import-tiles open no window and do nothing else: leave out --%1</source>
        <translation>--export-tiles と --import-tiles はウィンドウを開かず、ほかの処理もしません: --%1 を外してください</translation>
    </message>
    <message>
        <source>--import-tiles takes the image, a stage, the tile sheet and the file to write: IMAGE --import-tiles S SHEET.png OUT.nes</source>
        <translation>--import-tiles にはイメージ、ステージ、タイルシート、書き込み先のファイルを指定してください: IMAGE --import-tiles S SHEET.png OUT.nes</translation>
    </message>
    <message>
        <source>--export-tiles takes the image, a stage and the tile sheet to write: IMAGE --export-tiles S SHEET.png</source>
        <translation>--export-tiles にはイメージ、ステージ、書き出すタイルシートを指定してください: IMAGE --export-tiles S SHEET.png</translation>
    </message>
    <message>
        <source>name the ROM image first</source>
        <translation>先に ROM イメージを指定してください</translation>
    </message>
    <message>
        <source>cannot import the tile sheet: %1</source>
        <translation>タイルシートを読み込めません: %1</translation>
    </message>
    <message>
        <source>cannot export the tile sheet: %1</source>
        <translation>タイルシートを書き出せません: %1</translation>
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
        <translation>タイルシートをステージ %1 に読み込む (%2 の色)</translation>
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
        <translation>タイルシートを読み込めませんでした: %1</translation>
    </message>
</context>
<context>
    <name>tile_sheet_png</name>
    <message>
        <source>&apos;%1&apos; is larger than 16 MB, too large for a tile sheet</source>
        <translation>「%1」は 16 MB より大きく、タイルシートとしては大きすぎます</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a PNG picture</source>
        <translation>「%1」は PNG 画像ではありません</translation>
    </message>
    <message>
        <source>the PNG picture &apos;%1&apos; cannot be read: %2</source>
        <translation>PNG 画像「%1」を読み込めません: %2</translation>
    </message>
    <message>
        <source>the tile sheet cannot be encoded as PNG: %1</source>
        <translation>タイルシートを PNG にエンコードできません: %1</translation>
    </message>
</context>
<context>
    <name>unsaved_work</name>
    <message>
        <source>an unknown time</source>
        <translation>不明な日時</translation>
    </message>
    <message>
        <source>The unsaved edits of %1 cannot be kept for a crash or a later session (%2). Editing and saving go on as usual.</source>
        <translation>「%1」の保存していない編集を、クラッシュや次回のために残せません (%2)。編集と保存はこれまでどおり続けられます。</translation>
    </message>
    <message>
        <source>Unsaved edits of %1 were kept, but they cannot be used: %2. The file was set aside as %3.</source>
        <translation>「%1」の保存していない編集が残っていますが、使えません: %2。ファイルは %3 として別に保管しました。</translation>
    </message>
    <message>
        <source>Unsaved edits of %1 were kept, but they cannot be used: %2. The file %3 was left where it is.</source>
        <translation>「%1」の保存していない編集が残っていますが、使えません: %2。ファイル %3 はそのままにしてあります。</translation>
    </message>
    <message>
        <source>Unsaved edits of %1 from %2 were kept. Restore them?</source>
        <translation>「%1」の保存していない編集 (%2) が残っています。復元しますか?</translation>
    </message>
    <message>
        <source>The image&apos;s tables have changed on disk since these edits were made: restoring them replaces those changes too.</source>
        <translation>これらの編集の後に、ディスク上のイメージのテーブルが変更されています: 復元するとその変更も置き換えられます。</translation>
    </message>
</context>
<context>
    <name>unsaved_work_keeper</name>
    <message>
        <source>Restore</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
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
