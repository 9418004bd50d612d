<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>拖入文字檔或資料夾</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>轉</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>官網</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在處理</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳情</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>選擇儲存轉換結果的資料夾</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>直接覆寫原始檔案</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>請稍候…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>檔案大於 10 MB。
確定這是文字檔嗎？</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>儲存至：</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>詳細資訊</translation>
    </message>
</context>
</TS>
