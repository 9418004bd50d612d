<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>Detecta la codificación de cada archivo de texto y lo reescribe en otra, sin perder un byte.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>Copyright © 2026 Los desarrolladores de Karvo. Software libre con licencia %1.</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Usa Qt %1 y uchardet %2.</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Acerca de Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>Estado</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>A</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>Ruta</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>Para más información, ejecute «karvo --help».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>«%1» y «%2» se escribirían ambos en «%3»; no se ha escrito ningún archivo</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>«%1» sobrescribiría «%2», que esta ejecución también lee; no se ha escrito ningún archivo</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>Detecta la codificación de cada archivo y lo reescribe, sin pérdidas, en otra.
Sin argumentos, karvo abre su ventana.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Muestra esta ayuda y sale.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Muestra la versión y sale.</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Reescribe los archivos en &lt;encoding&gt; (UTF-8 por omisión).</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Escribe copias convertidas en &lt;folder&gt; (se crea si no existe) en lugar de reemplazar los archivos.</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>Procesa también los archivos de las subcarpetas, salvo las ocultas y los enlaces a carpetas.</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>Detecta e informa de lo que se haría, sin escribir nada.</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>No escribe nada; sale con 3 si algún archivo aún no está en la codificación de destino.</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>Lee cada archivo de texto como &lt;encoding&gt; en lugar de la codificación detectada.</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>Imprime un informe JSON en lugar de una línea por archivo.</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>Lista las codificaciones que karvo conoce, con sus alias.</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>Imprime solo los archivos que fallaron o cuya codificación es dudosa, y los enlaces duros que siguen con el texto antiguo.</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>codificación desconocida «%1»; consulte --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>no se indicó ningún archivo ni carpeta</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>el nombre de la carpeta de destino está vacío</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>no se puede usar «%1» como carpeta de destino: no es una carpeta</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>no se puede crear la carpeta de destino «%1»</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>no se puede crear la carpeta de destino «%1»: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Simulación: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>la carpeta de destino «%1» es la carpeta de «%2»: se reemplazarían los originales; no se escribió ningún archivo</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>Con -o, reemplazar otro archivo del mismo nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Guardar antes una copia de cada archivo reemplazado en &lt;folder&gt;, bajo la ruta listada.</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>el nombre de la carpeta de copias está vacío</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo: no se pudo escribir el informe: %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>Escribe el texto convertido de los archivos en la salida estándar, uno tras otro, sin tocar ningún archivo. La ruta - lee la entrada estándar.</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>Abre la ventana e inicia una tanda sobre los archivos, como al soltarlos. Va primero; puede seguirle --to &lt;encoding&gt; o --ask.</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>Archivos y carpetas que convertir; - solo convierte la entrada estándar a la salida estándar.</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window va antes de cualquier otro argumento</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 no va con la salida estándar</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>- (entrada estándar) va solo o con --stdout</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>no se puede usar «%1» como carpeta de copias: no es una carpeta</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>no se puede crear la carpeta de copias «%1»</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>no se puede crear la carpeta de copias «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>No se encontró un códec para el archivo.</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>No se pudo abrir el archivo de origen.</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>No se pudo copiar el archivo: ya hay otro archivo con ese nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>No se pudo escribir el archivo de destino.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>No se pudo escribir el archivo de destino: hay un enlace simbólico con ese nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>No convertido: no se pudo conservar el original para deshacer.</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>No escrito: otro archivo de esta ejecución tiene el mismo nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>No se pudo convertir el archivo: los bytes de la línea %1, columna %2 no son %3 válido.</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>No se pudo convertir el archivo: termina a mitad de un carácter %3, en la línea %1, columna %2.</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>Sin tocar: su nombre no es UTF-8 válido, y Karvo solo puede abrir archivos cuyo nombre lo sea.</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>No se pudo leer la carpeta.</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>Sin tocar: es un enlace a un archivo fuera de la carpeta soltada.</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>Excluido: indicó que no es un archivo de texto.</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>No convertido: la codificación es dudosa.</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>No se pudo convertir el archivo: el carácter %1 de la línea %2, columna %3 no se puede escribir en %4.</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>No se pudo escribir el archivo de destino: ese nombre lo tiene algo que no es un archivo.</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>No escrito: la carpeta de destino es la carpeta del propio archivo.</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>No escrito: la carpeta de destino ya no existe.</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>No convertido: el archivo es de solo lectura.</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>No convertido: no se puede reemplazar en su carpeta, así que solo podría sobrescribirse en su sitio, y eso requiere guardar antes una copia (Deshacer en la ventana, --backup-dir en la línea de órdenes).</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>No convertido: el archivo cambió mientras se convertía.</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>Hecho una vez: es el mismo archivo que otro de esta tanda.</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>Sin hacer: la tanda se canceló.</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>Su original ya no está en el almacén para deshacer.</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>No convertido: es el mismo archivo que otro de esta tanda, reemplazado solo con aquel nombre; este nombre conserva el texto antiguo.</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>No se pudo escribir el archivo de destino ni volver a poner el original: ha quedado cortado. El original se conserva en %1.</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>salida estándar</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>no es un archivo de texto; no se escribió nada</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>la codificación es desconocida; indíquela con --force-encoding</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>la codificación es dudosa (quizá %1); indíquela con --force-encoding</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>La salida se detiene antes de ese punto.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>Codificación desconocida</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo no conoce la codificación «%1».</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Convertir con Karvo</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>Convertir el archivo a:</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>Convertir %n archivo a:</numerusform>
            <numerusform>Convertir %n archivos a:</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Karvo::Report</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s sentence (%1) and, in brackets, which file and the system&apos;s reason (%2).</extracomment>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the notes of a summary, as in &quot;2 failed, 1 to review&quot;.</extracomment>
        <translation>, </translation>
    </message>
    <message>
        <source>Empty</source>
        <comment>the encoding of an empty file</comment>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>Desconocida</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Éxito] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>se reemplazó un archivo existente</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Error]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Omitido]   </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>Sin tocar: no es un archivo de texto.</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Dudoso]    </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>No convertido: la codificación es dudosa (quizá %1).</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[Omitido] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(archivo binario, sin tocar)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[Dudoso] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Error] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>cancelado tras %1 de %n archivo</numerusform>
            <numerusform>cancelado tras %1 de %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] ¡Hecho!</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n se deja como está</numerusform>
            <numerusform>%n se dejan como están</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] Deshecho</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>1 archivo oculto omitido</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>%Ln archivo oculto omitido</numerusform>
            <numerusform>%Ln archivos ocultos omitidos</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>Convertido</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copiado</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>Sin cambios</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Dudoso</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>Binario</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Omitido</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Excluido</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicado</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>no se pudo conservar su propietario: ahora es suyo</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>no se pudo conservar su grupo</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>su bit set-user-ID o set-group-ID se quitó con su propietario o grupo</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>sus otros enlaces duros siguen con el texto antiguo</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>no se pudieron conservar sus atributos extendidos o su ACL</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>sobrescrito en su sitio, porque no se puede reemplazar en su carpeta; antes se guardó el original</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>Deshecho</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>Dejado</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[Excluido] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln convertido</numerusform>
            <numerusform>%Ln convertidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln falló</numerusform>
            <numerusform>%Ln fallaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln por revisar</numerusform>
            <numerusform>%Ln por revisar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln excluido</numerusform>
            <numerusform>%Ln excluidos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln binario sin tocar</numerusform>
            <numerusform>%Ln binarios sin tocar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln sin tocar</numerusform>
            <numerusform>%Ln sin tocar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln nombrado dos veces</numerusform>
            <numerusform>%Ln nombrados dos veces</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>Cancelado tras %L1 de 1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>Cancelado tras %L1 de %Ln archivo</numerusform>
            <numerusform>Cancelado tras %L1 de %Ln archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>Cancelado: no se escribió nada</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>Nada que convertir: la carpeta está vacía</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nada que convertir</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] convertidos</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>quizá se lea como %1 en %2, pero no con seguridad</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>se lee como %1 casi igual de bien en %2 que en %3</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>se lee como %1 en %2, y casi igual de bien como %3 en %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1, con muy pocos caracteres reveladores (%n)</numerusform>
            <numerusform>%1, con muy pocos caracteres reveladores (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>en ninguna codificación se lee como un idioma que Karvo conozca (la más cercana: %1)</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>el detector de juegos de caracteres dice %1, que Karvo no puede leer</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>una parte es UTF-8 y otra no</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>inglés</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[Por convertir] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln por convertir</numerusform>
            <numerusform>%Ln por convertir</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] ya en %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Se movió o se eliminó después de la ejecución.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Se modificó después de la ejecución.</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo no puede crear su carpeta para deshacer %1.</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo no puede escribir en su carpeta para deshacer %1 (%2).</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>Los archivos suman %1, más de los %2 que se pueden conservar para deshacer.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
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
        <translation>Detalles</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Reemplazar el archivo original</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>Suelte aquí o haga clic para
elegir un archivo o una carpeta</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>Convierte también los archivos de las subcarpetas de una carpeta soltada.</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Subcarpetas</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>Deshacer lo último</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Revisar</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>Devuelve cada archivo de esta ejecución a como estaba.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>Elegir los archivos que convertir</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>Convertir archivos</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>Suelte aquí archivos de texto o carpetas, o elíjalos, para reescribirlos en la codificación indicada en «A:».</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>Elegir archivos</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>Abre un selector de archivos. Ctrl+O elige archivos y Ctrl+Mayús+O una carpeta; también se pueden soltar aquí.</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>Codificación de destino</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>La codificación en la que se reescriben los archivos.</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>Carpeta de destino</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>Elige una carpeta para las copias convertidas; si se pulsa de nuevo, los archivos se reemplazan en su sitio.</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>Muestra el progreso de la conversión de los archivos.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>Archivos procesados de los encontrados.</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>Se detiene tras el archivo que se está escribiendo; Esc hace lo mismo.</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>Indica cómo fue la última ejecución.</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>Si está activado, una carpeta soltada se convierte con todas sus subcarpetas.</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>Devuelve los archivos de la última ejecución a como estaban.</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>Devuelve cada archivo de esta ejecución a como estaba.</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>Lista cada archivo de la ejecución y qué fue de él.</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>Vuelve a la página para soltar archivos; Esc hace lo mismo.</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>Elegir una carpeta que convertir</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>Convirtiendo archivos, espere.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Procesando %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>Elegir una carpeta donde guardar los archivos convertidos</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>Elegir una carpeta de destino</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>guardar en: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Dejar de guardar en %1: reemplazar los archivos originales</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform>
            <numerusform>%n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>Deshacer la ejecución del %1: %2 a %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
¿Convertir de todos modos, sin poder deshacer?</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>Deshaciendo...</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>Esa tanda aún está en marcha, en esta ventana o en otro Karvo. Deshágala cuando termine.</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>guardar en: %1 (no existe)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Sitio web de Karvo</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Acerca de Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Sitio web de Karvo, su versión y su licencia (F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Abre el sitio web de Karvo o la ventana «Acerca de».</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>Muestra los archivos de codificación dudosa, para convertirlos con la que elija.</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>Abre la carpeta donde quedaron las copias.</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>Buscando archivos…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>Otro arrastre espera su turno.</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>%n arrastre más espera su turno.</numerusform>
            <numerusform>%n arrastres más esperan su turno.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>El siguiente empieza cuando vuelva.</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n arrastre espera: el siguiente empieza cuando vuelva.</numerusform>
            <numerusform>%n arrastres esperan: el siguiente empieza cuando vuelva.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>Este archivo supera los 10 MiB.
¿Es de verdad un archivo de texto?</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n archivo supera los 10 MiB.
¿Es de verdad de texto?</numerusform>
            <numerusform>%n archivos superan los 10 MiB.
¿Son de verdad archivos de texto?</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>La carpeta de destino %1 no existe.
¿Crearla de nuevo, elegir otra o convertir los archivos en su sitio?</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>Crearla de nuevo</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>Elegir otra…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>Convertir en su sitio</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>Copias en %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>Archivos de la tanda</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>Solo problemas</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Guardar como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Guardar como CSV…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-detalles.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Revisar la codificación</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>Archivos por revisar</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>Codificación del archivo</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>El comienzo del archivo, leído con esa codificación</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Probable</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>Usar esta codificación en todos los elegidos</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo no está seguro de la codificación de estos archivos. Elija archivos y la codificación en la que el texto se lee bien, y conviértalos; los que no convierta quedan como están.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Convirtiendo…</translation>
    </message>
</context>
</TS>
