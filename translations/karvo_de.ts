<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>Erkennt die Kodierung jeder Textdatei und schreibt sie in einer anderen neu, ohne ein Byte zu verlieren.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>Copyright © 2026 Die Karvo-Entwickler. Freie Software unter der %1-Lizenz.</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Verwendet Qt %1 und uchardet %2.</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Über Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>Status</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>Von</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>Nach</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>Pfad</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>Mehr dazu mit „karvo --help“.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>„%1“ und „%2“ würden beide nach „%3“ geschrieben; keine Datei wurde geschrieben</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>„%1“ würde „%2“ überschreiben, das dieser Lauf ebenfalls liest; keine Datei wurde geschrieben</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>Erkennt die Zeichenkodierung jeder Datei und schreibt sie verlustfrei in einer anderen neu.
Ohne Argumente öffnet karvo sein Fenster.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Die Version anzeigen und beenden.</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Dateien in &lt;encoding&gt; neu schreiben (Vorgabe UTF-8).</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Umgewandelte Kopien nach &lt;folder&gt; schreiben (wird bei Bedarf angelegt), statt die Dateien zu ersetzen.</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>Auch die Dateien in Unterordnern verarbeiten, außer in versteckten Ordnern und Verknüpfungen auf Ordner.</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>Erkennen und melden, was getan würde; nichts schreiben.</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>Nichts schreiben; mit 3 beenden, wenn eine Datei noch nicht in der Zielkodierung ist.</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>Jede Textdatei als &lt;encoding&gt; lesen statt in der erkannten Kodierung.</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>Einen JSON-Bericht statt einer Zeile je Datei ausgeben.</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>Die Kodierungen, die karvo kennt, mit ihren Aliasnamen auflisten.</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>Nur die Dateien ausgeben, die fehlschlugen oder deren Kodierung unsicher ist, und harte Links, die noch den alten Text enthalten.</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>unbekannte Kodierung „%1“; siehe --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>keine Dateien oder Ordner angegeben</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>der Name des Zielordners ist leer</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>„%1“ kann nicht als Zielordner dienen: es ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>der Zielordner „%1“ lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>der Zielordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>der Zielordner „%1“ ist der Ordner von „%2“: Die Quelldateien würden ersetzt; keine Datei wurde geschrieben</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>Mit -o eine andere Datei gleichen Namens im Zielordner ersetzen.</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Von jeder ersetzten Datei vorher eine Kopie in &lt;folder&gt; sichern, darunter wie aufgelistet.</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>der Name des Sicherungsordners ist leer</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo: Der Bericht ließ sich nicht schreiben: %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>Den umgewandelten Text der Dateien nacheinander auf die Standardausgabe schreiben; keine Datei anrühren. Der Pfad - liest die Standardeingabe.</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>Das Fenster öffnen und einen Lauf über die Dateien starten, wie beim Ablegen. Steht zuerst; --to &lt;encoding&gt; oder --ask darf folgen.</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>Umzuwandelnde Dateien und Ordner; - allein wandelt die Standardeingabe auf die Standardausgabe um.</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window muss vor allen anderen Argumenten stehen</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 geht nicht zusammen mit der Standardausgabe</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>- (Standardeingabe) steht allein oder mit --stdout</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>„%1“ kann nicht als Sicherungsordner dienen: es ist kein Ordner</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>der Sicherungsordner „%1“ lässt sich nicht anlegen</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>der Sicherungsordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>Für die Datei ist keine passende Kodierung vorhanden.</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>Die Quelldatei ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>Die Datei ließ sich nicht kopieren: Im Zielordner liegt schon eine andere Datei dieses Namens.</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>Die Zieldatei ließ sich nicht schreiben.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>Die Zieldatei ließ sich nicht schreiben: Im Zielordner liegt eine symbolische Verknüpfung dieses Namens.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>Nicht umgewandelt: Das Original ließ sich für „Rückgängig“ nicht aufbewahren.</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>Nicht geschrieben: Eine andere Datei dieses Laufs hat im Zielordner denselben Namen.</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>Die Datei ließ sich nicht umwandeln: Die Bytes in Zeile %1, Spalte %2 sind kein gültiges %3.</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>Die Datei ließ sich nicht umwandeln: Sie endet mitten in einem %3-Zeichen, in Zeile %1, Spalte %2.</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>Unverändert gelassen: Der Name ist kein gültiges UTF-8, und Karvo kann nur Dateien mit solchen Namen öffnen.</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>Der Ordner ließ sich nicht lesen.</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>Unverändert gelassen: Es ist ein Link auf eine Datei außerhalb des abgelegten Ordners.</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>Ausgelassen: Sie haben angegeben, dass es keine Textdatei ist.</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>Nicht umgewandelt: Die Kodierung ist unsicher.</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>Die Datei ließ sich nicht umwandeln: Das Zeichen %1 in Zeile %2, Spalte %3 lässt sich in %4 nicht schreiben.</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>Die Zieldatei ließ sich nicht schreiben: Etwas anderes als eine Datei trägt diesen Namen.</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>Nicht geschrieben: Der Zielordner ist der Ordner der Datei selbst.</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>Nicht geschrieben: Der Zielordner ist verschwunden.</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>Nicht umgewandelt: Die Datei ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>Nicht umgewandelt: Die Datei lässt sich in ihrem Ordner nicht ersetzen, also nur an Ort und Stelle überschreiben, und dafür muss vorher eine Kopie gesichert werden (Rückgängig im Fenster, --backup-dir auf der Kommandozeile).</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>Nicht umgewandelt: Die Datei hat sich während der Umwandlung geändert.</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>Nur einmal bearbeitet: Es ist dieselbe Datei wie eine andere dieses Laufs.</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>Nicht bearbeitet: Der Lauf wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>Das Original ist nicht mehr im Rückgängig-Speicher.</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>Nicht umgewandelt: Es ist dieselbe Datei wie eine andere dieses Laufs, die nur unter jenem Namen ersetzt wird; dieser Name behält den alten Text.</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>Die Zieldatei ließ sich nicht schreiben und das Original nicht zurückschreiben: Sie ist abgeschnitten. Das Original liegt unter %1.</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>Standardausgabe</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>keine Textdatei; nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>die Kodierung ist unbekannt; geben Sie sie mit --force-encoding an</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>die Kodierung ist unsicher (vielleicht %1); geben Sie sie mit --force-encoding an</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>Die Ausgabe endet vor dieser Stelle.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>Unbekannte Kodierung</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo kennt die Kodierung „%1“ nicht.</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Mit Karvo umwandeln</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>Die Datei umwandeln in:</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>%n Datei umwandeln in:</numerusform>
            <numerusform>%n Dateien umwandeln in:</numerusform>
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
        <translation>Leer</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Erfolg] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>eine vorhandene Datei ersetzt</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Fehler]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Übersprungen] </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>Unverändert gelassen: Es ist keine Textdatei.</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Unsicher]   </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>Nicht umgewandelt: Die Kodierung ist unsicher (vielleicht %1).</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[Übersprungen] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(Binärdatei, unverändert)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[Unsicher] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Fehler] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>abgebrochen nach %1 von %n Datei</numerusform>
            <numerusform>abgebrochen nach %1 von %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] Erfolgreich!</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n so belassen, wie sie ist</numerusform>
            <numerusform>%n so belassen, wie sie sind</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] Rückgängig gemacht</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>1 versteckte Datei übergangen</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>%Ln versteckte Datei übergangen</numerusform>
            <numerusform>%Ln versteckte Dateien übergangen</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>Umgewandelt</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Kopiert</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Unsicher</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>Binär</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Ausgelassen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>der Eigentümer ließ sich nicht erhalten: Die Datei gehört jetzt Ihnen</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>die Gruppe ließ sich nicht erhalten</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>das Set-User-ID- oder Set-Group-ID-Bit entfiel mit Eigentümer oder Gruppe</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>die anderen harten Links enthalten noch den alten Text</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>die erweiterten Attribute oder die ACL ließen sich nicht erhalten</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>an Ort und Stelle überschrieben, da sie sich in ihrem Ordner nicht ersetzen lässt; das Original wurde vorher gesichert</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>„%1“ (%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>Zurückgenommen</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>Belassen</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[Ausgelassen] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln umgewandelt</numerusform>
            <numerusform>%Ln umgewandelt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln fehlgeschlagen</numerusform>
            <numerusform>%Ln fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln zu prüfen</numerusform>
            <numerusform>%Ln zu prüfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln ausgelassen</numerusform>
            <numerusform>%Ln ausgelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln Binärdatei unverändert</numerusform>
            <numerusform>%Ln Binärdateien unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln unverändert gelassen</numerusform>
            <numerusform>%Ln unverändert gelassen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln doppelt genannt</numerusform>
            <numerusform>%Ln doppelt genannt</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>Abgebrochen nach %L1 von 1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>Abgebrochen nach %L1 von %Ln Datei</numerusform>
            <numerusform>Abgebrochen nach %L1 von %Ln Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>Abgebrochen: Nichts wurde geschrieben</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>Nichts umzuwandeln: Der Ordner ist leer</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Nichts umzuwandeln</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] umgewandelt</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>es liest sich vielleicht als %1 in %2, aber nicht sicher</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>es liest sich als %1 in %2 etwa so gut wie in %3</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>es liest sich als %1 in %2 und fast so gut als %3 in %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1, bei zu wenigen aussagekräftigen Zeichen (%n)</numerusform>
            <numerusform>%1, bei zu wenigen aussagekräftigen Zeichen (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>in keiner Kodierung liest es sich als eine Sprache, die Karvo kennt (am nächsten: %1)</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>die Zeichensatzerkennung sagt %1, das Karvo nicht lesen kann</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>ein Teil davon ist UTF-8, ein Teil nicht</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>Englisch</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[Umzuwandeln] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln umzuwandeln</numerusform>
            <numerusform>%Ln umzuwandeln</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] schon in %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Sie wurde nach dem Lauf verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Sie wurde nach dem Lauf geändert.</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo kann seinen Ordner für „Rückgängig“ %1 nicht anlegen.</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo kann nicht in seinen Ordner für „Rückgängig“ %1 schreiben (%2).</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>Die Dateien sind zusammen %1 groß, mehr als die %2, die „Rückgängig“ aufbewahren darf.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
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
        <translation>Details</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Originaldatei ersetzen</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>Hier ablegen oder klicken,
um Datei oder Ordner zu wählen</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>Auch die Dateien in Unterordnern eines abgelegten Ordners umwandeln.</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Unterordner</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>Letzten Lauf zurücknehmen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>Alle Dateien dieses Laufs wiederherstellen, wie sie waren.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>Umzuwandelnde Dateien wählen</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>Dateien umwandeln</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>Textdateien oder Ordner hier ablegen oder wählen, um sie in der unter „In:“ gewählten Kodierung neu zu schreiben.</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>Dateien wählen</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>Öffnet eine Dateiauswahl. Strg+O wählt Dateien, Strg+Umschalt+O einen Ordner; Ablegen hier geht auch.</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>Zielkodierung</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>Die Kodierung, in der die Dateien neu geschrieben werden.</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>Zielordner</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>Wählt einen Ordner für umgewandelte Kopien; erneut gedrückt, werden die Dateien an Ort und Stelle ersetzt.</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>Zeigt den Fortschritt der Umwandlung.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>Erledigte Dateien von den gefundenen.</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>Hält nach der Datei an, die gerade geschrieben wird; Esc tut dasselbe.</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>Zeigt, wie der letzte Lauf ausging.</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>Wenn an, wird ein abgelegter Ordner samt allen Unterordnern umgewandelt.</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>Stellt die Dateien des letzten Laufs wieder her, wie sie waren.</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>Stellt jede Datei dieses Laufs wieder her, wie sie war.</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>Listet jede Datei des Laufs auf und was aus ihr wurde.</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>Zurück zur Ablageseite; Esc tut dasselbe.</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>Umzuwandelnden Ordner wählen</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>Dateien werden umgewandelt, bitte warten.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Verarbeite %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Wird abgebrochen ...</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>Ordner für die umgewandelten Dateien wählen</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>Zielordner wählen</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>speichern in: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Nicht mehr in %1 speichern: die Originaldateien ersetzen</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform>
            <numerusform>%n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>Lauf vom %1 zurücknehmen: %2 nach %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
Trotzdem umwandeln, ohne „Rückgängig“?</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>Wird rückgängig gemacht ...</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>Dieser Lauf ist noch im Gang, in diesem Fenster oder in einem anderen Karvo. Nehmen Sie ihn zurück, wenn er fertig ist.</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>speichern in: %1 (fehlt)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Karvos Website</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Über Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Karvos Website sowie Version und Lizenz (F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Öffnet Karvos Website oder das Fenster „Über Karvo“.</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>Zeigt die Dateien mit unsicherer Kodierung, um sie mit der gewählten Kodierung umzuwandeln.</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>Öffnet den Ordner mit den Kopien.</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>Dateien werden gesucht …</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>Eine weitere Ablage wartet, bis sie dran ist.</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>Noch %n Ablage wartet, bis sie dran ist.</numerusform>
            <numerusform>Noch %n Ablagen warten, bis sie dran sind.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>Die nächste Ablage beginnt, wenn Sie zurückgehen.</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n Ablage wartet: Die nächste beginnt, wenn Sie zurückgehen.</numerusform>
            <numerusform>%n Ablagen warten: Die nächste beginnt, wenn Sie zurückgehen.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>Diese Datei ist größer als 10 MiB.
Ist es wirklich eine Textdatei?</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n Datei ist größer als 10 MiB.
Ist sie wirklich eine Textdatei?</numerusform>
            <numerusform>%n Dateien sind größer als 10 MiB.
Sind es wirklich Textdateien?</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>Der Zielordner %1 ist nicht da.
Neu anlegen, einen anderen wählen oder die Dateien an Ort und Stelle umwandeln?</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>Neu anlegen</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>Anderen wählen …</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>An Ort und Stelle umwandeln</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>Kopien in %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>Dateien des Laufs</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>Nur Probleme</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Als CSV speichern</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Als CSV speichern …</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-details.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>%1 ließ sich nicht speichern: %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Kodierung prüfen</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>Zu prüfende Dateien</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>Kodierung der Datei</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>Der Anfang der Datei, in dieser Kodierung gelesen</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Vermutlich</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>Diese Kodierung für alle ausgewählten</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo ist unsicher, in welcher Kodierung diese Dateien sind. Wählen Sie Dateien und die Kodierung, in der der Text richtig zu lesen ist, und wandeln Sie sie um; Dateien, die Sie nicht umwandeln, bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Wird umgewandelt …</translation>
    </message>
</context>
</TS>
