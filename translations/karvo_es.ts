<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
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
        <source>Print only the files that failed or whose encoding is uncertain.</source>
        <translation>Imprime solo los archivos que fallaron o cuya codificación es dudosa.</translation>
    </message>
    <message>
        <source>Files and folders to convert.</source>
        <translation>Archivos y carpetas que convertir.</translation>
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
        <translation>no se puede crear la carpeta de destino «%1»: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Simulación: no se ha escrito nada.</translation>
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
        <source>Could not find codec for the target encoding.</source>
        <translation>No se encontró un códec para la codificación de destino.</translation>
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
        <source>Could not open target file.</source>
        <translation>No se pudo abrir el archivo de destino.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>No se pudo escribir el archivo de destino: hay un enlace simbólico con ese nombre en la carpeta de destino.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <extracomment>Why a file was not read: a folder, a device, a pipe or the like.</extracomment>
        <translation>No es un archivo normal.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>a file of that name appeared during the conversion</source>
        <translation>apareció un archivo con ese nombre durante la conversión</translation>
    </message>
    <message>
        <source>the existing file could not be kept</source>
        <translation>no se pudo conservar el archivo existente</translation>
    </message>
    <message>
        <source>The converted text is kept in %1.</source>
        <translation>El texto convertido se guarda en %1.</translation>
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
        <source>Not converted: the same file is already in this run.</source>
        <translation>No convertido: el mismo archivo ya está en esta ejecución.</translation>
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
        <source>Could not convert file: the character U+%1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a Unicode code point in hexadecimal, %4 the name of the target encoding.</extracomment>
        <translation>No se pudo convertir el archivo: el carácter U+%1 de la línea %2, columna %3 no se puede escribir en %4.</translation>
    </message>
    <message>
        <source>Could not read source file.</source>
        <translation>No se pudo leer el archivo de origen.</translation>
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
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Omitido] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(archivo binario, sin tocar)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Dudoso] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Error] </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n falló</numerusform>
            <numerusform>%n fallaron</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%n por revisar</numerusform>
            <numerusform>%n por revisar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n binario sin tocar</numerusform>
            <numerusform>%n binarios sin tocar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <extracomment>%1 files were done when the run was cancelled, out of %n</extracomment>
        <translation>
            <numerusform>cancelado tras %1 de %n archivo</numerusform>
            <numerusform>cancelado tras %1 de %n archivos</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run: %1 text files converted out of %2.</extracomment>
        <translation>[%1/%2] ¡Hecho!</translation>
    </message>
    <message>
        <source>[Undone]  </source>
        <extracomment>The status that begins an undo&apos;s Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Deshecho]  </translation>
    </message>
    <message>
        <source>[Left]       </source>
        <extracomment>The status that begins an undo&apos;s Detail line: the file was left as it is. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Sin cambios] </translation>
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
        <source>it starts as UTF-8, but has other bytes further in</source>
        <extracomment>why detection asks</extracomment>
        <translation>empieza como UTF-8, pero más adelante tiene otros bytes</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>%1 Its original is kept as %2.</source>
        <extracomment>Why a file was not undone (%1), then where its original is (%2).</extracomment>
        <translation>%1 El original se conserva como %2.</translation>
    </message>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Se movió o se eliminó después de la ejecución.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Se modificó después de la ejecución.</translation>
    </message>
    <message>
        <source>It could not be removed: %1.</source>
        <translation>No se pudo eliminar: %1.</translation>
    </message>
    <message>
        <source>Its original could not be read: %1.</source>
        <translation>No se pudo leer el original: %1.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>No se pudo escribir: %1.</translation>
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
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MB; its name is the box&apos;s title.</extracomment>
        <translation>El archivo supera los 10 MB.
¿Seguro que es un archivo de texto?</translation>
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
        <source>Opens Karvo&apos;s home page in the web browser.</source>
        <translation>Abre la página web de Karvo en el navegador.</translation>
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
        <source>Shows the files whose encoding is uncertain, to convert each with the encoding you pick.</source>
        <translation>Muestra los archivos de codificación dudosa, para convertir cada uno con la codificación que elija.</translation>
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
        <source>Processing, please waiting...</source>
        <translation>Procesando, espere...</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MBytes.
Are they really text files?</source>
        <translation>
            <numerusform>%n archivo supera los 10 MB.
¿Seguro que son archivos de texto?</numerusform>
            <numerusform>%n archivos superan los 10 MB.
¿Seguro que son archivos de texto?</numerusform>
        </translation>
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
        <extracomment>Under the target encoding: converted files go into the folder %1.</extracomment>
        <translation>guardar en: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Dejar de guardar en %1: reemplazar los archivos originales</translation>
    </message>
    <message>
        <source>%1 is gone: replace source file</source>
        <translation>%1 ya no existe: reemplazar el archivo original</translation>
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
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Detalles</translation>
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
        <source>Convert</source>
        <extracomment>converts the chosen file from the encoding picked above</extracomment>
        <translation>Convertir</translation>
    </message>
    <message>
        <source>Karvo is not sure in which encoding these files are. Pick the one in which the text reads right, then convert it; files you do not convert stay as they are.</source>
        <translation>Karvo no está seguro de la codificación de estos archivos. Elija aquella con la que el texto se lee bien y conviértalo; los archivos que no convierta quedan como están.</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
</context>
</TS>
