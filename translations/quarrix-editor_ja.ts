<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en">
<context>
    <name>ChangesWindow</name>
    <message>
        <source>Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Revert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Changes against %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage %1: 1 change (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stage %1: %2 changes (%3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandSearchPopup</name>
    <message>
        <source>Find Command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a command, a stage or an object&apos;s name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(saved)</source>
        <translation type="unfinished"></translation>
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
    <message>
        <source>The image to compare with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NES images (*.nes);;(*.*) (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes stay counted against what they were: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A tile among these is loaded by several stages: it is put back in every stage that loads it. Revert?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another script is still running</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script %1 has run for 2 seconds. Stop it and take back its changes?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Let It Run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: stopped; its changes are taken back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script failed and its changes are taken back:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Run Script</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript (*.js);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The script %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script Console</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScriptConsoleWindow</name>
    <message>
        <source>Script Console</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JavaScript, such as editor.stage(0).objects().length</source>
        <translation type="unfinished"></translation>
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
