<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>Suelte archivo o carpeta</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>A:</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Web</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Procesando</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Más</translation>
    </message>
    <message>
        <source>set save folder.</source>
        <translation>Elegir la carpeta donde guardar los archivos convertidos</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Reemplazar el archivo original</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>espere, por favor…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>El archivo supera los 10 MB.
¿Seguro que es un archivo de texto?</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>Guardar en: </translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Detalles</translation>
    </message>
</context>
</TS>
