<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>Détecte l’encodage de chaque fichier texte et le réécrit dans un autre, sans perdre un octet.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>Copyright © 2026 Les développeurs de Karvo. Logiciel libre sous licence %1.</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Utilise Qt %1 et uchardet %2.</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>À propos de Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>État</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>De</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>Vers</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motif</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>Chemin</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>Pour en savoir plus : « karvo --help ».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>« %1 » et « %2 » seraient tous deux écrits dans « %3 » ; aucun fichier n’a été écrit</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>« %1 » écraserait « %2 », que cette opération lit aussi ; aucun fichier n’a été écrit</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>Détecte l’encodage de chaque fichier et le réécrit, sans perte, dans un autre.
Sans argument, karvo ouvre sa fenêtre.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Affiche cette aide et quitte.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Affiche la version et quitte.</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Réécrit les fichiers en &lt;encoding&gt; (UTF-8 par défaut).</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Écrit des copies converties dans &lt;folder&gt; (créé au besoin) au lieu de remplacer les fichiers.</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>Traite aussi les fichiers des sous-dossiers, sauf les dossiers cachés et les liens vers des dossiers.</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>Détecte et indique ce qui serait fait, sans rien écrire.</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>N’écrit rien ; quitte avec le code 3 si un fichier n’est pas encore dans l’encodage cible.</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>Lit chaque fichier texte en &lt;encoding&gt; au lieu de l’encodage détecté.</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>Affiche un rapport JSON au lieu d’une ligne par fichier.</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>Liste les encodages que karvo connaît, avec leurs alias.</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>N’affiche que les fichiers en échec ou dont l’encodage est incertain, et les liens physiques qui gardent l’ancien texte.</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>encodage inconnu « %1 » ; voir --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>aucun fichier ni dossier indiqué</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>le nom du dossier de destination est vide</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>impossible d’utiliser « %1 » comme dossier de destination : ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>impossible de créer le dossier de destination « %1 »</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>impossible de créer le dossier de destination « %1 » : %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Simulation : rien n’a été écrit.</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>le dossier de destination « %1 » est le dossier de « %2 » : les sources seraient remplacées ; aucun fichier n’a été écrit</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>Avec -o, remplacer un autre fichier du même nom dans le dossier de destination.</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Garder d’abord une copie de chaque fichier remplacé dans &lt;folder&gt;, sous le chemin listé.</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>le nom du dossier de sauvegarde est vide</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo : impossible d’écrire le rapport : %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>Écrit le texte converti des fichiers sur la sortie standard, l’un après l’autre, sans toucher aux fichiers. Le chemin - lit l’entrée standard.</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>Ouvre la fenêtre et lance un lot sur les fichiers, comme un dépôt. Vient en premier ; --to &lt;encoding&gt; ou --ask peut suivre.</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>Fichiers et dossiers à convertir ; - seul convertit l’entrée standard vers la sortie standard.</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window doit venir avant tout autre argument</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 ne va pas avec la sortie standard</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>- (entrée standard) s’emploie seul, ou avec --stdout</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>impossible d’utiliser « %1 » comme dossier de sauvegarde : ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>impossible de créer le dossier de sauvegarde « %1 »</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>impossible de créer le dossier de sauvegarde « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>Aucun codec trouvé pour le fichier.</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>Impossible d’ouvrir le fichier source.</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>Impossible de copier le fichier : un autre fichier de ce nom se trouve déjà dans le dossier de destination.</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>Impossible d’écrire le fichier cible.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>Impossible d’écrire le fichier cible : un lien symbolique de ce nom se trouve dans le dossier de destination.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Ce n’est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>Non converti : l’original n’a pas pu être conservé pour l’annulation.</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>Non écrit : un autre fichier de cette opération porte le même nom dans le dossier de destination.</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>Impossible de convertir le fichier : les octets à la ligne %1, colonne %2 ne sont pas du %3 valide.</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>Impossible de convertir le fichier : il se termine au milieu d’un caractère %3, ligne %1, colonne %2.</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>Laissé tel quel : son nom n’est pas de l’UTF-8 valide, et Karvo ne peut ouvrir que les fichiers dont le nom l’est.</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>Impossible de lire le dossier.</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>Laissé tel quel : c’est un lien vers un fichier hors du dossier déposé.</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>Écarté : vous avez indiqué que ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>Non converti : l’encodage est incertain.</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>Impossible de convertir le fichier : le caractère %1 à la ligne %2, colonne %3 ne peut pas s’écrire en %4.</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>Impossible d’écrire le fichier cible : ce nom est pris par autre chose qu’un fichier.</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>Non écrit : le dossier de destination est le dossier du fichier lui-même.</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>Non écrit : le dossier de destination a disparu.</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>Non converti : le fichier est en lecture seule.</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>Non converti : il ne peut pas être remplacé dans son dossier, il ne pourrait donc être réécrit que sur place, ce qui demande d’en garder une copie d’abord (Annuler dans la fenêtre, --backup-dir en ligne de commande).</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>Non converti : le fichier a changé pendant sa conversion.</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>Traité une seule fois : c’est le même fichier qu’un autre de ce lot.</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>Non traité : le lot a été annulé.</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>Son original n’est plus dans la réserve d’annulation.</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>Non converti : c’est le même fichier qu’un autre de ce lot, remplacé sous cet autre nom seulement ; ce nom-ci garde l’ancien texte.</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>Impossible d’écrire le fichier cible ou d’y remettre l’original : il est tronqué. L’original est conservé dans %1.</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>sortie standard</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>pas un fichier texte ; rien n’a été écrit</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>l’encodage est inconnu ; indiquez-le avec --force-encoding</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>l’encodage est incertain (peut-être %1) ; indiquez-le avec --force-encoding</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>La sortie s’arrête avant cet endroit.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>Encodage inconnu</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo ne connaît pas l’encodage « %1 ».</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Convertir avec Karvo</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>Convertir le fichier en :</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>Convertir %n fichier en :</numerusform>
            <numerusform>Convertir %n fichiers en :</numerusform>
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
        <translation>Vide</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Réussi] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>un fichier existant a été remplacé</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Échec]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Ignoré]    </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>Laissé tel quel : ce n’est pas un fichier texte.</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Incertain]  </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>Non converti : l’encodage est incertain (peut-être %1).</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[Ignoré] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(fichier binaire, laissé tel quel)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[Incertain] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Échec] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>annulé après %1 sur %n fichier</numerusform>
            <numerusform>annulé après %1 sur %n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] Réussi !</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n laissé en l’état</numerusform>
            <numerusform>%n laissés en l’état</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] Annulé</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>1 fichier caché ignoré</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>%Ln fichier caché ignoré</numerusform>
            <numerusform>%Ln fichiers cachés ignorés</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>Converti</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Copié</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>Inchangé</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Échec</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Incertain</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>Binaire</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Ignoré</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Écarté</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Doublon</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>son propriétaire n’a pas pu être conservé : il vous appartient désormais</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>son groupe n’a pas pu être conservé</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>son bit set-user-ID ou set-group-ID est tombé avec son propriétaire ou son groupe</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>ses autres liens physiques gardent l’ancien texte</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>ses attributs étendus ou son ACL n’ont pas pu être conservés</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>réécrit sur place, car il ne peut pas être remplacé dans son dossier ; l’original a été gardé d’abord</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>« %1 » (%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>Laissé</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[Écarté] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln converti</numerusform>
            <numerusform>%Ln convertis</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln en échec</numerusform>
            <numerusform>%Ln en échec</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln à vérifier</numerusform>
            <numerusform>%Ln à vérifier</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln écarté</numerusform>
            <numerusform>%Ln écartés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln binaire laissé tel quel</numerusform>
            <numerusform>%Ln binaires laissés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln laissé tel quel</numerusform>
            <numerusform>%Ln laissés tels quels</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln nommé deux fois</numerusform>
            <numerusform>%Ln nommés deux fois</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>Annulé après %L1 fichier sur 1</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>Annulé après %L1 fichier sur %Ln</numerusform>
            <numerusform>Annulé après %L1 fichiers sur %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>Annulé : rien n’a été écrit</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>Rien à convertir : le dossier est vide</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Rien à convertir</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] convertis</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>il pourrait se lire en %1 dans %2, mais sans certitude</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>il se lit en %1 presque aussi bien dans %2 que dans %3</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>il se lit en %1 dans %2, et presque aussi bien en %3 dans %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1, sur trop peu de caractères révélateurs (%n)</numerusform>
            <numerusform>%1, sur trop peu de caractères révélateurs (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>dans aucun encodage il ne se lit dans une langue que Karvo connaît (le plus proche : %1)</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>le détecteur de jeu de caractères indique %1, que Karvo ne sait pas lire</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>une partie est en UTF-8, une autre non</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>anglais</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[À convertir] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln à convertir</numerusform>
            <numerusform>%Ln à convertir</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] déjà en %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Il a été déplacé ou supprimé après l’opération.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Il a été modifié après l’opération.</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo ne peut pas créer son dossier d’annulation %1.</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo ne peut pas écrire dans son dossier d’annulation %1 (%2).</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>Les fichiers totalisent %1, plus que les %2 que l’annulation peut conserver.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>En</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Site</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Remplacer le fichier d’origine</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>Déposez ici ou cliquez pour
choisir un fichier ou un dossier</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>Convertit aussi les fichiers des sous-dossiers d’un dossier déposé.</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Sous-dossiers</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>Annuler le dernier lot</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Vérifier</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>Remet chaque fichier de cette opération dans son état d’origine.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>Choisir les fichiers à convertir</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>Convertir des fichiers</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>Déposez ici des fichiers texte ou des dossiers, ou choisissez-les, pour les réécrire dans l’encodage choisi sous « En ».</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>Choisir des fichiers</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>Ouvre un sélecteur de fichiers. Ctrl+O choisit des fichiers, Ctrl+Maj+O un dossier ; on peut aussi les déposer ici.</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>Encodage cible</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>L’encodage dans lequel les fichiers sont réécrits.</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>Dossier de destination</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>Choisit un dossier pour les copies converties ; si on appuie de nouveau, les fichiers sont remplacés sur place.</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>Affiche l’avancement de la conversion des fichiers.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>Fichiers traités sur les fichiers trouvés.</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>Arrête après le fichier en cours d’écriture ; Échap fait de même.</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>Indique comment s’est passée la dernière opération.</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>Activé, un dossier déposé est converti avec tous ses sous-dossiers.</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>Remet les fichiers de la dernière opération dans leur état d’origine.</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>Remet chaque fichier de cette opération dans son état d’origine.</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>Liste chaque fichier de l’opération et ce qu’il est devenu.</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>Revient à la page de dépôt ; Échap fait de même.</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>Choisir un dossier à convertir</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>Conversion des fichiers, veuillez patienter.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Traitement de %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>Choisir un dossier où enregistrer les fichiers convertis</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>Choisir un dossier de destination</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>enregistrer dans : %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Ne plus enregistrer dans %1 : remplacer les fichiers d’origine</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform>
            <numerusform>%n fichiers</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>Annuler l’opération du %1 : %2 en %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
Convertir quand même, sans pouvoir annuler&#xa0;?</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>Annulation en cours…</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>Ce lot est encore en cours, dans cette fenêtre ou dans un autre Karvo. Annulez-le une fois terminé.</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>enregistrer dans : %1 (absent)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Site de Karvo</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>À propos de Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Site de Karvo, sa version et sa licence (F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Ouvre le site de Karvo ou la fenêtre « À propos ».</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>Montre les fichiers dont l’encodage est incertain, pour les convertir avec celui que vous choisissez.</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>Ouvre le dossier où sont les copies.</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>Recherche des fichiers…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>Un autre dépôt attend son tour.</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>%n autre dépôt attend son tour.</numerusform>
            <numerusform>%n autres dépôts attendent leur tour.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>Le dépôt suivant commence quand vous revenez.</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n dépôt attend : le suivant commence quand vous revenez.</numerusform>
            <numerusform>%n dépôts attendent : le suivant commence quand vous revenez.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>Ce fichier dépasse 10 Mio.
Est-ce vraiment un fichier texte ?</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n fichier dépasse 10 Mio.
Est-ce vraiment du texte ?</numerusform>
            <numerusform>%n fichiers dépassent 10 Mio.
Sont-ce vraiment des fichiers texte ?</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>Le dossier de destination %1 n’existe pas.
Le recréer, en choisir un autre ou convertir les fichiers sur place ?</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>Le recréer</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>En choisir un autre…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>Convertir sur place</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>Copies dans %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>Fichiers du lot</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>Problèmes seulement</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Enregistrer en CSV…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-details.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d’enregistrer %1 : %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Vérifier l’encodage</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>Fichiers à vérifier</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>Encodage du fichier</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>Le début du fichier, lu dans cet encodage</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Probable</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>Cet encodage pour tous les choisis</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo n’est pas sûr de l’encodage de ces fichiers. Choisissez des fichiers et l’encodage dans lequel le texte se lit bien, puis convertissez-les ; les fichiers non convertis restent tels quels.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Conversion…</translation>
    </message>
</context>
</TS>
