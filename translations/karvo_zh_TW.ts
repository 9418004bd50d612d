<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>偵測每個文字檔的編碼，並改寫為另一種編碼，不遺失任何位元組。</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>版權所有 © 2026 Karvo 開發者。以 %1 授權條款發布的自由軟體。</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>使用 Qt %1 與 uchardet %2。</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>關於 Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>狀態</translation>
    </message>
    <message>
        <source>File</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>原編碼</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>目標編碼</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>路徑</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>請執行「karvo --help」以取得更多資訊。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>「%1」和「%2」都會寫入「%3」；未寫入任何檔案</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>「%1」會覆寫本次也要讀取的「%2」；未寫入任何檔案</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>偵測每個檔案的字元編碼，並無損地將其改寫為另一種編碼。
不帶參數執行時，karvo 會開啟視窗。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>顯示此說明並結束。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>顯示版本並結束。</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>將檔案改寫為 &lt;encoding&gt; 編碼（預設為 UTF-8）。</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>將轉換後的副本寫入 &lt;folder&gt;（不存在時自動建立），而不取代原始檔案。</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>一併處理子資料夾中的檔案，但不包括隱藏資料夾與指向資料夾的連結。</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>只偵測並報告將要執行的動作，不寫入任何內容。</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>不寫入任何內容；若有檔案尚未使用目標編碼，則以 3 結束。</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>以 &lt;encoding&gt; 讀取每個文字檔，而不使用偵測到的編碼。</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>輸出一份 JSON 報告，而非每個檔案一行。</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>列出 karvo 支援的編碼及其別名。</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>只輸出失敗或編碼不確定的檔案，以及仍是舊內容的硬連結。</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>未知的編碼「%1」；請參閱 --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>未指定檔案或資料夾</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>儲存資料夾的名稱是空的</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>無法將「%1」用作儲存資料夾：它不是資料夾</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>無法建立儲存資料夾「%1」</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>無法建立儲存資料夾「%1」：%2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>試執行：未寫入任何內容。</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>儲存資料夾「%1」就是「%2」所在的資料夾：來源檔案會被取代；未寫入任何檔案</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>搭配 -o 使用：取代儲存資料夾中同名的其他檔案。</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>先將每個被取代的檔案複製一份到 &lt;folder&gt;，依列出的路徑存放。</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>備份資料夾的名稱為空</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo：無法寫出報告：%1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>將檔案轉換後的文字依序寫到標準輸出，不更動任何檔案。路徑 - 表示讀取標準輸入。</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>開啟視窗並對這些檔案開始轉換，如同拖放一樣。須放在最前；其後可接 --to &lt;encoding&gt; 或 --ask。</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>要轉換的檔案與資料夾；單獨的 - 會將標準輸入轉換到標準輸出。</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window 必須放在其他參數之前</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 不能與標準輸出一起使用</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>-（標準輸入）只能單獨使用，或與 --stdout 一起使用</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>無法將「%1」用作備份資料夾：它不是資料夾</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>無法建立備份資料夾「%1」</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>無法建立備份資料夾「%1」：%2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>無法判斷此檔案的編碼。</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>無法開啟來源檔案。</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>無法複製檔案：儲存資料夾中已有另一個同名檔案。</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>無法寫入目標檔案。</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>無法寫入目標檔案：儲存資料夾中有同名的符號連結。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是一般檔案。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>未轉換：無法為復原保留原始檔案。</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>未寫入：本次處理中的另一個檔案在儲存資料夾中同名。</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>無法轉換檔案：第 %1 行第 %2 欄的位元組不是有效的 %3。</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>無法轉換檔案：檔案在第 %1 行第 %2 欄的一個 %3 字元中間結束。</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>未處理：檔名不是有效的 UTF-8，而 Karvo 只能開啟檔名為有效 UTF-8 的檔案。</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>無法讀取該資料夾。</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>未處理：它是指向所拖放資料夾以外檔案的連結。</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>已排除：您表示它不是文字檔。</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>未轉換：編碼不確定。</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>無法轉換檔案：第 %2 行第 %3 欄的字元%1 無法以 %4 表示。</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>無法寫入目標檔案：該名稱已被非檔案的項目佔用。</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>未寫入：儲存資料夾就是該檔案所在的資料夾。</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>未寫入：儲存資料夾已不存在。</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>未轉換：該檔案為唯讀。</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>未轉換：無法在其資料夾中取代它，只能就地覆寫，而這需要先保留一份副本（視窗中的「復原」，命令列中的 --backup-dir）。</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>未轉換：檔案在轉換過程中被修改了。</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>只處理一次：它與本次轉換中的另一個檔案是同一個檔案。</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>未處理：轉換已取消。</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>其原始檔案已不在復原儲存區中。</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>未轉換：它與本次轉換中的另一個檔案是同一個檔案，只在那個名稱下被取代；這個名稱仍是舊內容。</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>無法寫入目標檔案，也無法放回原始檔案：檔案已被截斷。原始檔案保留在 %1。</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>標準輸出</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>不是文字檔；未寫入任何內容</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>編碼未知；請用 --force-encoding 指定</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>編碼不確定（可能是 %1）；請用 --force-encoding 指定</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>輸出在該處之前停止。</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>標準輸入</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>未知的編碼</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo 不認得編碼「%1」。</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>用 Karvo 轉換</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>將檔案轉換為：</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>將 %n 個檔案轉換為：</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Karvo::Report</name>
    <message>
        <source>%1 (%2)</source>
        <extracomment>A failure&apos;s sentence (%1) and, in brackets, which file and the system&apos;s reason (%2).</extracomment>
        <translation>%1（%2）</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Separates the notes of a summary, as in &quot;2 failed, 1 to review&quot;.</extracomment>
        <translation>，</translation>
    </message>
    <message>
        <source>Empty</source>
        <comment>the encoding of an empty file</comment>
        <translation>空檔案</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>未知</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[成功] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>取代了現有檔案</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[失敗]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[略過]     </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>未處理：它不是文字檔。</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[存疑]     </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>未轉換：編碼不確定（可能是 %1）。</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[略過] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>（二進位檔案，未處理）</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[存疑] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[失敗] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>已取消，共 %n 個檔案，完成 %1 個</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] 成功！</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n 個維持現狀</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] 已復原</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>略過 1 個隱藏檔案</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>略過 %Ln 個隱藏檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>已轉換</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已複製</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>未變動</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>存疑</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>二進位</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已略過</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>無法保留其擁有者：現在歸您所有</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>無法保留其所屬群組</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>其 set-user-ID 或 set-group-ID 位元隨擁有者或群組一併移除</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>它的其他硬連結仍是舊內容</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>無法保留其延伸屬性或 ACL</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>已就地覆寫，因為無法在其資料夾中取代它；事先已保留原始檔</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>「%1」(%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>已復原</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>保持原狀</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[已排除] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 個已轉換</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 個失敗</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln 個待核對</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln 個已排除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 個二進位檔案未處理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln 個未處理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln 個重複</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>處理 %L1/1 個檔案後已取消</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>處理 %L1/%Ln 個檔案後已取消</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>已取消：未寫入任何內容</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>沒有可轉換的檔案：資料夾是空的</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>沒有可轉換的檔案</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] 已轉換</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>在 %2 中可能讀作%1，但不確定</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>在 %2 和 %3 中讀作%1的效果差不多</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>在 %2 中讀作%1，在 %4 中讀作%3也幾乎一樣通順</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1，可供判斷的字元太少（%n 個）</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>在任何編碼下都讀不成 Karvo 認識的語言（最接近的是 %1）</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>字元集偵測器認為是 %1，但 Karvo 無法讀取該編碼</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>部分是 UTF-8，部分不是</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>英語</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[待轉換] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln 個待轉換</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] 已是 %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>它在處理後被移動或刪除了。</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>它在處理後被修改了。</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo 無法建立復原資料夾 %1。</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo 無法寫入復原資料夾 %1（%2）。</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>這些檔案共 %1，超過了復原功能最多可保留的 %2。</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>轉為</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>官網</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在處理</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>詳情</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>直接覆寫原始檔案</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>拖放到這裡，或按一下選擇
檔案或資料夾</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>一併轉換拖入資料夾之子資料夾中的檔案。</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>子資料夾</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>復原上次轉換</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>核對</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>將本次處理的所有檔案還原。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>選擇要轉換的檔案</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>轉換檔案</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>將文字檔或資料夾拖放到這裡，或選擇它們，即可改寫為「轉為」處選定的編碼。</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>選擇檔案</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>開啟檔案選擇器。Ctrl+O 選擇檔案，Ctrl+Shift+O 選擇資料夾；也可以直接拖放到這裡。</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>目標編碼</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>檔案將改寫成的編碼。</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>儲存資料夾</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>選擇存放轉換後副本的資料夾；再按一次則直接取代原始檔案。</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>首頁</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>顯示檔案轉換的進度。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進度</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>已處理的檔案數 / 找到的檔案數。</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>寫完目前檔案後停止；按 Esc 鍵也可以。</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>結果</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>顯示上次處理的結果。</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>開啟後，拖入的資料夾會連同所有子資料夾一起轉換。</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>將上次處理的檔案還原。</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>將本次處理的每個檔案還原。</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>列出本次處理的每個檔案及其結果。</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>返回拖放頁面；按 Esc 鍵也可以。</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>選擇要轉換的資料夾</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>正在轉換檔案，請稍候。</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在處理 %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消……</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>選擇儲存轉換後檔案的資料夾</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>選擇儲存資料夾</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>儲存到：%1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>不再儲存到 %1：直接取代原始檔案</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 個檔案</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 個檔案</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>復原 %1 的轉換：%2 轉為 %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
仍要轉換嗎？轉換後將無法復原。</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>正在復原……</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>該轉換仍在進行（在此視窗或另一個 Karvo 中）。請在完成後再復原。</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>儲存到：%1（不存在）</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Karvo 官網</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>關於 Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Karvo 官網，以及版本與授權（F1）</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>開啟 Karvo 官網或「關於」對話框。</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>顯示編碼不確定的檔案，以您選擇的編碼轉換它們。</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>開啟存放副本的資料夾。</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>正在尋找檔案…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>還有 1 次拖放在排隊等候。</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>還有 %n 次拖放在排隊等候。</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>返回後開始下一次拖放的轉換。</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>有 %n 次拖放在等候：返回後開始下一次。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>此檔案大於 10 MiB。
它真的是文字檔嗎？</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n 個檔案大於 10 MiB。
它們真的是文字檔嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>儲存資料夾 %1 不存在。
要重新建立它、另選資料夾，還是直接在原處轉換檔案？</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>重新建立</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>另選…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>在原處轉換</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>副本在 %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>詳細資訊</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>本次轉換的檔案</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>僅顯示問題</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>另存為 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>複製</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>另存為 CSV…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-詳情.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>無法儲存 %1：%2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>核對編碼</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>待核對的檔案</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>檔案的編碼</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>以該編碼讀取的檔案開頭</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1（%2%）</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>檔案</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>可能的編碼</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>對所有選取的檔案使用此編碼</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo 不確定這些檔案的編碼。請選取檔案，挑選能正確顯示文字的編碼，然後轉換；未轉換的檔案保持原狀。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在轉換…</translation>
    </message>
</context>
</TS>
