<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>Datei/Ordner hier ablegen</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>In:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeite</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>Ordner für die umgewandelten Dateien wählen</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Originaldatei ersetzen</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>bitte warten …</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>Die Datei ist größer als 10 MB.
Ist das wirklich eine Textdatei?</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>Speichern in: </translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
</context>
</TS>
