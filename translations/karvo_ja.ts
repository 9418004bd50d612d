<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>ファイルをここにドロップ</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>保存先</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>変換したファイルの保存先フォルダを選択</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>元のファイルを上書き</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>お待ちください…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>ファイルサイズが 10 MB を超えています。
本当にテキストファイルですか？</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>保存先：</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>詳細</translation>
    </message>
</context>
</TS>
