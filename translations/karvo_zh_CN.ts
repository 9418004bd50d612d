<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>拖入文本文件或文件夹</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>转</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>官网</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>选择保存转换结果的文件夹</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>直接覆盖原文件</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>请稍候…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>文件大于 10 MB。
确定这是文本文件吗？</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>保存到：</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>详细信息</translation>
    </message>
</context>
</TS>
