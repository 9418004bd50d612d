<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>Перетащите сюда файл</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>В:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Обработка</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Ещё</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>Выбрать папку для сохранения результатов</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Заменять исходный файл</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>подождите…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>Файл больше 10 МБ.
Это точно текстовый файл?</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>Сохранять в: </translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Подробности</translation>
    </message>
</context>
</TS>
