<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
        <source>Print only the files that failed or whose encoding is uncertain.</source>
        <translation>Выводить только файлы, которые не удалось обработать или чья кодировка под вопросом.</translation>
    </message>
    <message>
        <source>Files and folders to convert.</source>
        <translation>Файлы и папки для преобразования.</translation>
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
        <translation>не удаётся создать папку для сохранения «%1»: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>Пробный запуск: ничего не записано.</translation>
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
        <source>Could not find codec for the target encoding.</source>
        <translation>Не найден кодек для целевой кодировки.</translation>
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
        <source>Could not open target file.</source>
        <translation>Не удалось открыть целевой файл.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>Не удалось записать целевой файл: в папке для сохранения есть символическая ссылка с таким именем.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <extracomment>Why a file was not read: a folder, a device, a pipe or the like.</extracomment>
        <translation>Это не обычный файл.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>файл доступен только для чтения</translation>
    </message>
    <message>
        <source>a file of that name appeared during the conversion</source>
        <translation>во время преобразования появился файл с таким именем</translation>
    </message>
    <message>
        <source>the existing file could not be kept</source>
        <translation>не удалось сохранить существующий файл</translation>
    </message>
    <message>
        <source>The converted text is kept in %1.</source>
        <translation>Преобразованный текст сохранён в %1.</translation>
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
        <source>Not converted: the same file is already in this run.</source>
        <translation>Не преобразован: этот файл уже есть в этом запуске.</translation>
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
        <source>Could not convert file: the character U+%1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a Unicode code point in hexadecimal, %4 the name of the target encoding.</extracomment>
        <translation>Не удалось преобразовать файл: символ U+%1 в строке %2, столбце %3 нельзя записать в %4.</translation>
    </message>
    <message>
        <source>Could not read source file.</source>
        <translation>Не удалось прочитать исходный файл.</translation>
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
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Пропущен] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(двоичный файл, не тронут)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[Под вопросом] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[Ошибка] </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n не обработан</numerusform>
            <numerusform>%n не обработаны</numerusform>
            <numerusform>%n не обработано</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%n на проверку</numerusform>
            <numerusform>%n на проверку</numerusform>
            <numerusform>%n на проверку</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n двоичный не тронут</numerusform>
            <numerusform>%n двоичных не тронуты</numerusform>
            <numerusform>%n двоичных не тронуто</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <extracomment>%1 files were done when the run was cancelled, out of %n</extracomment>
        <translation>
            <numerusform>отменено после %1 из %n файла</numerusform>
            <numerusform>отменено после %1 из %n файлов</numerusform>
            <numerusform>отменено после %1 из %n файлов</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run: %1 text files converted out of %2.</extracomment>
        <translation>[%1/%2] Готово!</translation>
    </message>
    <message>
        <source>[Undone]  </source>
        <extracomment>The status that begins an undo&apos;s Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Отменено]  </translation>
    </message>
    <message>
        <source>[Left]       </source>
        <extracomment>The status that begins an undo&apos;s Detail line: the file was left as it is. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[Оставлен]   </translation>
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
        <source>it starts as UTF-8, but has other bytes further in</source>
        <extracomment>why detection asks</extracomment>
        <translation>начинается как UTF-8, но дальше содержит другие байты</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>%1 Its original is kept as %2.</source>
        <extracomment>Why a file was not undone (%1), then where its original is (%2).</extracomment>
        <translation>%1 Оригинал сохранён как %2.</translation>
    </message>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>Его переместили или удалили после запуска.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>Его изменили после запуска.</translation>
    </message>
    <message>
        <source>It could not be removed: %1.</source>
        <translation>Не удалось удалить: %1.</translation>
    </message>
    <message>
        <source>Its original could not be read: %1.</source>
        <translation>Не удалось прочитать оригинал: %1.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>Не удалось записать: %1.</translation>
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
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MB; its name is the box&apos;s title.</extracomment>
        <translation>Файл больше 10 МБ.
Это точно текстовый файл?</translation>
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
        <source>Opens Karvo&apos;s home page in the web browser.</source>
        <translation>Открывает сайт Karvo в браузере.</translation>
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
        <source>Shows the files whose encoding is uncertain, to convert each with the encoding you pick.</source>
        <translation>Показывает файлы с кодировкой под вопросом, чтобы преобразовать каждый в выбранной вами кодировке.</translation>
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
        <source>Processing, please waiting...</source>
        <translation>Обработка, подождите...</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MBytes.
Are they really text files?</source>
        <translation>
            <numerusform>%n файл больше 10 МБ.
Это точно текстовые файлы?</numerusform>
            <numerusform>%n файла больше 10 МБ.
Это точно текстовые файлы?</numerusform>
            <numerusform>%n файлов больше 10 МБ.
Это точно текстовые файлы?</numerusform>
        </translation>
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
        <extracomment>Under the target encoding: converted files go into the folder %1.</extracomment>
        <translation>сохранять в: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>Не сохранять в %1: заменять исходные файлы</translation>
    </message>
    <message>
        <source>%1 is gone: replace source file</source>
        <translation>%1 нет: заменять исходный файл</translation>
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
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>Подробности</translation>
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
        <source>Convert</source>
        <extracomment>converts the chosen file from the encoding picked above</extracomment>
        <translation>Преобразовать</translation>
    </message>
    <message>
        <source>Karvo is not sure in which encoding these files are. Pick the one in which the text reads right, then convert it; files you do not convert stay as they are.</source>
        <translation>Karvo не уверен, в какой кодировке эти файлы. Выберите ту, в которой текст читается правильно, и преобразуйте файл; непреобразованные файлы останутся как есть.</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2 %)</translation>
    </message>
</context>
</TS>
