<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>Определяет кодировку каждого текстового файла и перезаписывает его в другой, не теряя ни байта.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>© 2026 Разработчики Karvo. Свободная программа под лицензией %1.</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Использует Qt %1 и uchardet %2.</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>О Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Файл</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>Из</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>В</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Причина</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>Путь</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>Подробнее: «karvo --help».</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>«%1» и «%2» были бы записаны в один файл «%3»; ни один файл не записан</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>«%1» был бы записан поверх «%2», который тоже читается в этом запуске; ни один файл не записан</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>Определяет кодировку каждого файла и без потерь перезаписывает его в другой.
Без аргументов karvo открывает своё окно.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>Показать эту справку и выйти.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>Показать версию и выйти.</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Перезаписать файлы в кодировке &lt;encoding&gt; (по умолчанию UTF-8).</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Записывать преобразованные копии в &lt;folder&gt; (создаётся при необходимости), а не заменять файлы.</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>Обрабатывать и файлы во вложенных папках, кроме скрытых папок и ссылок на папки.</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>Определить и сообщить, что было бы сделано, ничего не записывая.</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>Ничего не записывать; завершиться с кодом 3, если какой-либо файл ещё не в целевой кодировке.</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>Читать каждый текстовый файл в кодировке &lt;encoding&gt;, а не в определённой.</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>Вывести один отчёт в JSON вместо строки на каждый файл.</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>Перечислить известные karvo кодировки с их псевдонимами.</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>Выводить только файлы, которые не удалось обработать или чья кодировка под вопросом, и жёсткие ссылки, хранящие старый текст.</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>неизвестная кодировка «%1»; см. --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>не указаны файлы или папки</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>имя папки для сохранения пустое</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>нельзя сохранять в «%1»: это не папка</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>не удаётся создать папку для сохранения «%1»</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>не удаётся создать папку для сохранения «%1»: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Пробный запуск: ничего не записано.</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>папка для сохранения «%1» — это папка «%2»: исходные файлы были бы заменены; ни один файл не записан</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>С -o заменять другой файл с тем же именем в папке сохранения.</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>Сначала сохранять копию каждого заменяемого файла в &lt;folder&gt;, по пути, как в списке.</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>имя папки резервных копий пусто</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo: не удалось записать отчёт: %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>Выводить преобразованный текст файлов в стандартный вывод, один за другим, не трогая файлы. Путь - читает стандартный ввод.</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>Открыть окно и начать запуск над файлами, как при перетаскивании. Идёт первым; за ним может следовать --to &lt;encoding&gt; или --ask.</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>Файлы и папки для преобразования; одиночный - преобразует стандартный ввод в стандартный вывод.</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window должен идти перед всеми другими аргументами</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 несовместим со стандартным выводом</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>- (стандартный ввод) указывается один или с --stdout</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>нельзя хранить копии в «%1»: это не папка</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>не удаётся создать папку для копий «%1»</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>не удаётся создать папку для копий «%1»: %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>Не найден кодек для файла.</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>Не удалось открыть исходный файл.</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>Не удалось скопировать файл: в папке для сохранения уже есть другой файл с таким именем.</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>Не удалось записать целевой файл.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>Не удалось записать целевой файл: в папке для сохранения есть символическая ссылка с таким именем.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>Не преобразован: не удалось сохранить оригинал для отмены.</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>Не записан: другой файл этого запуска имеет в папке для сохранения то же имя.</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>Не удалось преобразовать файл: байты в строке %1, столбце %2 недопустимы в %3.</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>Не удалось преобразовать файл: он обрывается посреди символа %3, в строке %1, столбце %2.</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>Не тронут: имя не в корректной UTF-8, а Karvo открывает только файлы с такими именами.</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>Не удалось прочитать папку.</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>Не тронут: это ссылка на файл за пределами перетащенной папки.</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>Исключён: вы указали, что это не текстовый файл.</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>Не преобразован: кодировка под вопросом.</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>Не удалось преобразовать файл: символ %1 в строке %2, столбце %3 нельзя записать в %4.</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>Не удалось записать файл: это имя занято не файлом.</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>Не записан: папка для сохранения — это папка самого файла.</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>Не записан: папки для сохранения больше нет.</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>Не преобразован: файл только для чтения.</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>Не преобразован: его нельзя заменить в его папке, так что его можно только перезаписать на месте, а для этого нужно заранее сохранить копию (отмена в окне, --backup-dir в командной строке).</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>Не преобразован: файл изменился во время преобразования.</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>Обработан один раз: это тот же файл, что и другой в этом запуске.</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>Не обработан: запуск отменён.</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>Его оригинала больше нет в хранилище отмены.</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>Не преобразован: это тот же файл, что и другой в этом запуске, и заменяется он только под тем именем; под этим именем остаётся старый текст.</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>Не удалось записать целевой файл и вернуть оригинал: файл обрезан. Оригинал сохранён в %1.</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>стандартный вывод</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>не текстовый файл; ничего не записано</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>кодировка неизвестна; укажите её через --force-encoding</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>кодировка под вопросом (возможно, %1); укажите её через --force-encoding</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>Вывод обрывается перед этим местом.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>стандартный ввод</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>Неизвестная кодировка</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo не знает кодировку «%1».</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Преобразовать в Karvo</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>Перекодировать файл в:</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>Перекодировать %n файл в:</numerusform>
            <numerusform>Перекодировать %n файла в:</numerusform>
            <numerusform>Перекодировать %n файлов в:</numerusform>
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
        <translation>Пустой</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>Неизвестно</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Успешно] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>заменён существующий файл</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Ошибка]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Пропущен]  </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>Не тронут: это не текстовый файл.</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Под вопросом] </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>Не преобразован: кодировка под вопросом (возможно, %1).</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[Пропущен] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(двоичный файл, не тронут)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[Под вопросом] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Ошибка] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>отменено после %1 из %n файла</numerusform>
            <numerusform>отменено после %1 из %n файлов</numerusform>
            <numerusform>отменено после %1 из %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] Готово!</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n оставлен как есть</numerusform>
            <numerusform>%n оставлены как есть</numerusform>
            <numerusform>%n оставлено как есть</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] Отменено</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>1 скрытый файл пропущен</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>%Ln скрытый файл пропущен</numerusform>
            <numerusform>%Ln скрытых файла пропущены</numerusform>
            <numerusform>%Ln скрытых файлов пропущено</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>Преобразован</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>Скопирован</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>Без изменений</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>Под вопросом</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>Двоичный</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Пропущен</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>Исключён</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Дубликат</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>владельца сохранить не удалось: теперь файл ваш</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>группу сохранить не удалось</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>бит set-user-ID или set-group-ID снят вместе с владельцем или группой</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>другие жёсткие ссылки на него хранят старый текст</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>расширенные атрибуты или ACL сохранить не удалось</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>перезаписан на месте, так как его нельзя заменить в папке; оригинал сохранён заранее</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>«%1» (%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>Отменён</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>Оставлен</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[Исключён] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln преобразован</numerusform>
            <numerusform>%Ln преобразованы</numerusform>
            <numerusform>%Ln преобразовано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln не обработан</numerusform>
            <numerusform>%Ln не обработаны</numerusform>
            <numerusform>%Ln не обработано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln на проверку</numerusform>
            <numerusform>%Ln на проверку</numerusform>
            <numerusform>%Ln на проверку</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln исключён</numerusform>
            <numerusform>%Ln исключены</numerusform>
            <numerusform>%Ln исключено</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln двоичный не тронут</numerusform>
            <numerusform>%Ln двоичных не тронуты</numerusform>
            <numerusform>%Ln двоичных не тронуто</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln не тронут</numerusform>
            <numerusform>%Ln не тронуты</numerusform>
            <numerusform>%Ln не тронуто</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln назван дважды</numerusform>
            <numerusform>%Ln названы дважды</numerusform>
            <numerusform>%Ln названо дважды</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>Отменено после %L1 из 1 файла</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>Отменено после %L1 из %Ln файла</numerusform>
            <numerusform>Отменено после %L1 из %Ln файлов</numerusform>
            <numerusform>Отменено после %L1 из %Ln файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>Отменено: ничего не записано</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>Нечего преобразовывать: папка пуста</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>Нечего преобразовывать</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] преобразовано</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>возможно, читается как %1 в %2, но без уверенности</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>читается как %1 почти одинаково хорошо в %2 и в %3</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>читается как %1 в %2 и почти так же хорошо как %3 в %4</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1, слишком мало показательных символов (%n)</numerusform>
            <numerusform>%1, слишком мало показательных символов (%n)</numerusform>
            <numerusform>%1, слишком мало показательных символов (%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>ни в одной кодировке не читается как язык, известный Karvo (ближе всего: %1)</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>детектор кодировок сообщает %1, а Karvo не умеет её читать</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>часть текста в UTF-8, а часть — нет</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>английский</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[К преобразованию] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln к преобразованию</numerusform>
            <numerusform>%Ln к преобразованию</numerusform>
            <numerusform>%Ln к преобразованию</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] уже в %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Его переместили или удалили после запуска.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Его изменили после запуска.</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo не может создать папку для отмены %1.</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo не может записывать в папку для отмены %1 (%2).</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>Файлы занимают %1 — больше, чем %2, которые можно хранить для отмены.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
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
        <translation>Подробно</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>Заменять исходный файл</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>Перетащите файл или папку
или щёлкните для выбора</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>Преобразовывать и файлы во вложенных папках перетащенной папки.</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>Подпапки</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>Отменить последнее</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>Проверить</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>Вернуть все файлы этого запуска в прежний вид.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Отменить</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>Выберите файлы для преобразования</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>Преобразование файлов</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>Перетащите сюда текстовые файлы или папки или выберите их, чтобы перезаписать их в кодировке, указанной в «В:».</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>Выбрать файлы</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>Открывает выбор файлов. Ctrl+O выбирает файлы, Ctrl+Shift+O — папку; можно и перетащить их сюда.</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>Целевая кодировка</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>Кодировка, в которой файлы будут перезаписаны.</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>Папка для сохранения</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>Выбирает папку для преобразованных копий; при повторном нажатии файлы заменяются на месте.</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>Сайт</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>Показывает ход преобразования файлов.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход выполнения</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>Сколько из найденных файлов уже обработано.</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>Останавливает после записываемого файла; то же делает Escape.</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>Результат</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>Сообщает, как прошёл последний запуск.</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>Если включено, перетащенная папка преобразуется вместе со всеми вложенными.</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>Возвращает файлы последнего запуска в прежний вид.</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>Возвращает все файлы этого запуска в прежний вид.</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>Перечисляет все файлы запуска и что с ними стало.</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>Возвращает на страницу перетаскивания; то же делает Escape.</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>Выберите папку для преобразования</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>Файлы преобразуются, подождите.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>Обработка: %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>Отмена...</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>Выберите папку для преобразованных файлов</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>Выбрать папку для сохранения</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>сохранять в: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Не сохранять в %1: заменять исходные файлы</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 файл</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n файл</numerusform>
            <numerusform>%n файла</numerusform>
            <numerusform>%n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>Отменить запуск от %1: %2 в %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
Всё равно преобразовать без возможности отмены?</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>Отмена изменений...</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>Этот запуск ещё идёт — в этом окне или в другом Karvo. Отмените его, когда он закончится.</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>сохранять в: %1 (нет папки)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Сайт Karvo</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>О Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Сайт Karvo, версия и лицензия (F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Открывает сайт Karvo или окно «О Karvo».</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>Показывает файлы с сомнительной кодировкой, чтобы преобразовать их из выбранной вами.</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>Открывает папку, куда легли копии.</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>Поиск файлов…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>Ещё одно перетаскивание ждёт своей очереди.</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>Ещё %n перетаскивание ждёт очереди.</numerusform>
            <numerusform>Ещё %n перетаскивания ждут очереди.</numerusform>
            <numerusform>Ещё %n перетаскиваний ждут очереди.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>Следующее начнётся, когда вы вернётесь.</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n ждёт: следующее начнётся, когда вы вернётесь.</numerusform>
            <numerusform>%n ждут: следующее начнётся, когда вы вернётесь.</numerusform>
            <numerusform>%n ждут: следующее начнётся, когда вы вернётесь.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>Этот файл больше 10 МиБ.
Это точно текстовый файл?</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n файл больше 10 МиБ.
Это точно текстовые файлы?</numerusform>
            <numerusform>%n файла больше 10 МиБ.
Это точно текстовые файлы?</numerusform>
            <numerusform>%n файлов больше 10 МиБ.
Это точно текстовые файлы?</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>Папки для сохранения %1 нет.
Создать её заново, выбрать другую или преобразовать файлы на месте?</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>Создать заново</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>Выбрать другую…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>Преобразовать на месте</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>Копии в %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Подробности</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>Файлы запуска</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>Только проблемы</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Сохранить как CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>Копировать</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>Сохранить как CSV…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-подробности.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>Не удалось сохранить %1: %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>Проверка кодировки</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>Файлы для проверки</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>Кодировка файла</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>Начало файла в этой кодировке</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1 (%2 %)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>Файл</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>Вероятно</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>Эту кодировку — всем выбранным</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo не уверен, в какой кодировке эти файлы. Выберите файлы и кодировку, в которой текст читается верно, и преобразуйте их; остальные файлы останутся как есть.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>Преобразование…</translation>
    </message>
</context>
</TS>
