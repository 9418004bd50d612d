<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <source>Print only the files that failed or whose encoding is uncertain.</source>
        <translation>Nur die Dateien ausgeben, die fehlschlugen oder deren Kodierung unsicher ist.</translation>
    </message>
    <message>
        <source>Files and folders to convert.</source>
        <translation>Umzuwandelnde Dateien und Ordner.</translation>
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
        <translation>der Zielordner „%1“ lässt sich nicht anlegen: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Probelauf: nichts wurde geschrieben.</translation>
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
        <source>Could not find codec for the target encoding.</source>
        <translation>Für die Zielkodierung ist kein Kodierer vorhanden.</translation>
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
        <source>Could not open target file.</source>
        <translation>Die Zieldatei ließ sich nicht öffnen.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>Die Zieldatei ließ sich nicht schreiben: Im Zielordner liegt eine symbolische Verknüpfung dieses Namens.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <extracomment>Why a file was not read: a folder, a device, a pipe or the like.</extracomment>
        <translation>Es ist keine gewöhnliche Datei.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>a file of that name appeared during the conversion</source>
        <translation>während der Umwandlung erschien eine Datei dieses Namens</translation>
    </message>
    <message>
        <source>the existing file could not be kept</source>
        <translation>die vorhandene Datei ließ sich nicht aufbewahren</translation>
    </message>
    <message>
        <source>The converted text is kept in %1.</source>
        <translation>Der umgewandelte Text liegt in %1.</translation>
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
        <source>Not converted: the same file is already in this run.</source>
        <translation>Nicht umgewandelt: Dieselbe Datei ist schon in diesem Lauf.</translation>
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
        <source>Could not convert file: the character U+%1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a Unicode code point in hexadecimal, %4 the name of the target encoding.</extracomment>
        <translation>Die Datei ließ sich nicht umwandeln: Das Zeichen U+%1 in Zeile %2, Spalte %3 lässt sich in %4 nicht schreiben.</translation>
    </message>
    <message>
        <source>Could not read source file.</source>
        <translation>Die Quelldatei ließ sich nicht lesen.</translation>
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
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Übersprungen] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(Binärdatei, unverändert)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Unsicher] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Fehler] </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n fehlgeschlagen</numerusform>
            <numerusform>%n fehlgeschlagen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%n zu prüfen</numerusform>
            <numerusform>%n zu prüfen</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n Binärdatei unverändert</numerusform>
            <numerusform>%n Binärdateien unverändert</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <extracomment>%1 files were done when the run was cancelled, out of %n</extracomment>
        <translation>
            <numerusform>abgebrochen nach %1 von %n Datei</numerusform>
            <numerusform>abgebrochen nach %1 von %n Dateien</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run: %1 text files converted out of %2.</extracomment>
        <translation>[%1/%2] Erfolgreich!</translation>
    </message>
    <message>
        <source>[Undone]  </source>
        <extracomment>The status that begins an undo&apos;s Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Rückgängig]  </translation>
    </message>
    <message>
        <source>[Left]       </source>
        <extracomment>The status that begins an undo&apos;s Detail line: the file was left as it is. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Belassen]    </translation>
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
        <source>it starts as UTF-8, but has other bytes further in</source>
        <extracomment>why detection asks</extracomment>
        <translation>es beginnt als UTF-8, enthält aber weiter hinten andere Bytes</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>%1 Its original is kept as %2.</source>
        <extracomment>Why a file was not undone (%1), then where its original is (%2).</extracomment>
        <translation>%1 Das Original liegt unter %2.</translation>
    </message>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Sie wurde nach dem Lauf verschoben oder gelöscht.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Sie wurde nach dem Lauf geändert.</translation>
    </message>
    <message>
        <source>It could not be removed: %1.</source>
        <translation>Sie ließ sich nicht entfernen: %1.</translation>
    </message>
    <message>
        <source>Its original could not be read: %1.</source>
        <translation>Das Original ließ sich nicht lesen: %1.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>Sie ließ sich nicht schreiben: %1.</translation>
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
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MB; its name is the box&apos;s title.</extracomment>
        <translation>Die Datei ist größer als 10 MB.
Ist das wirklich eine Textdatei?</translation>
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
        <source>Opens Karvo&apos;s home page in the web browser.</source>
        <translation>Öffnet die Startseite von Karvo im Webbrowser.</translation>
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
        <source>Shows the files whose encoding is uncertain, to convert each with the encoding you pick.</source>
        <translation>Zeigt die Dateien mit unsicherer Kodierung, um jede mit der gewählten Kodierung umzuwandeln.</translation>
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
        <source>Processing, please waiting...</source>
        <translation>Verarbeitung läuft, bitte warten ...</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MBytes.
Are they really text files?</source>
        <translation>
            <numerusform>%n Datei ist größer als 10 MB.
Sind das wirklich Textdateien?</numerusform>
            <numerusform>%n Dateien sind größer als 10 MB.
Sind das wirklich Textdateien?</numerusform>
        </translation>
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
        <extracomment>Under the target encoding: converted files go into the folder %1.</extracomment>
        <translation>speichern in: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Nicht mehr in %1 speichern: die Originaldateien ersetzen</translation>
    </message>
    <message>
        <source>%1 is gone: replace source file</source>
        <translation>%1 fehlt: Originaldatei ersetzen</translation>
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
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
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
        <source>Convert</source>
        <extracomment>converts the chosen file from the encoding picked above</extracomment>
        <translation>Umwandeln</translation>
    </message>
    <message>
        <source>Karvo is not sure in which encoding these files are. Pick the one in which the text reads right, then convert it; files you do not convert stay as they are.</source>
        <translation>Karvo ist nicht sicher, in welcher Kodierung diese Dateien sind. Wählen Sie die, in der der Text richtig zu lesen ist, und wandeln Sie um; Dateien, die Sie nicht umwandeln, bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
</context>
</TS>
