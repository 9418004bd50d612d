<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>检测每个文本文件的编码，并将其改写为另一种编码，不丢失任何字节。</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>版权所有 © 2026 Karvo 开发者。以 %1 许可证发布的自由软件。</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>使用 Qt %1 和 uchardet %2。</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>关于 Karvo</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>状态</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>原编码</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>目标编码</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>路径</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>请运行“karvo --help”了解更多信息。</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>“%1”和“%2”都会写入“%3”；未写入任何文件</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>“%1”会覆盖本次也要读取的“%2”；未写入任何文件</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>检测每个文件的字符编码，并无损地将其改写为另一种编码。
不带参数运行时，karvo 会打开窗口。</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>显示此帮助并退出。</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>显示版本并退出。</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>将文件改写为 &lt;encoding&gt; 编码（默认为 UTF-8）。</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>将转换后的副本写入 &lt;folder&gt;（不存在时自动创建），而不替换原文件。</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>同时处理子文件夹中的文件，但不包括隐藏文件夹和指向文件夹的链接。</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>只检测并报告将要执行的操作，不写入任何内容。</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>不写入任何内容；若有文件尚未采用目标编码，则以 3 退出。</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>按 &lt;encoding&gt; 读取每个文本文件，而不使用检测到的编码。</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>输出一份 JSON 报告，而不是每个文件一行。</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>列出 karvo 支持的编码及其别名。</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>只输出失败或编码不确定的文件，以及仍是旧内容的硬链接。</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>未知编码“%1”；请参阅 --list-encodings</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>未指定文件或文件夹</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>保存文件夹的名称为空</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>无法将“%1”用作保存文件夹：它不是文件夹</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>无法创建保存文件夹“%1”</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>无法创建保存文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>试运行：未写入任何内容。</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>保存文件夹“%1”就是“%2”所在的文件夹：源文件会被替换；未写入任何文件</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>配合 -o 使用：替换保存文件夹中同名的其他文件。</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>先将每个被替换的文件复制一份到 &lt;folder&gt;，按列出的路径存放。</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>备份文件夹的名称为空</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo：无法写出报告：%1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>将文件转换后的文本依次写到标准输出，不改动任何文件。路径 - 表示读取标准输入。</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>打开窗口并对这些文件开始转换，如同拖放一样。须放在最前；其后可跟 --to &lt;encoding&gt; 或 --ask。</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>要转换的文件和文件夹；单独的 - 将标准输入转换到标准输出。</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window 必须放在其他参数之前</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1 不能与标准输出一起使用</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>-（标准输入）只能单独使用，或与 --stdout 一起使用</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>无法将“%1”用作备份文件夹：它不是文件夹</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>无法创建备份文件夹“%1”</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>无法创建备份文件夹“%1”：%2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>无法确定该文件的编码。</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>无法打开源文件。</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>无法复制文件：保存文件夹中已有另一个同名文件。</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>无法写入目标文件。</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>无法写入目标文件：保存文件夹中有同名的符号链接。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>未转换：无法为撤销保留原文件。</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>未写入：本次处理中的另一个文件在保存文件夹中同名。</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>无法转换文件：第 %1 行第 %2 列的字节不是有效的 %3。</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>无法转换文件：文件在第 %1 行第 %2 列的一个 %3 字符中间结束。</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>未处理：文件名不是有效的 UTF-8，而 Karvo 只能打开文件名为有效 UTF-8 的文件。</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>无法读取该文件夹。</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>未处理：它是指向所拖放文件夹之外文件的链接。</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>已排除：你表示它不是文本文件。</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>未转换：编码不确定。</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>无法转换文件：第 %2 行第 %3 列的字符%1 无法用 %4 表示。</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>无法写入目标文件：该名称已被非文件的对象占用。</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>未写入：保存文件夹就是该文件所在的文件夹。</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>未写入：保存文件夹已不存在。</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>未转换：该文件是只读的。</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>未转换：无法在其文件夹中替换它，只能原地覆盖，而这需要先保留一份副本（窗口中的“撤销”，命令行中的 --backup-dir）。</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>未转换：文件在转换过程中被修改了。</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>只处理一次：它与本次转换中的另一个文件是同一个文件。</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>未处理：转换已取消。</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>其原始文件已不在撤销存储中。</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>未转换：它与本次转换中的另一个文件是同一个文件，只在那个名称下被替换；这个名称仍是旧内容。</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>无法写入目标文件，也无法放回原文件：文件已被截断。原文件保留在 %1。</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>不是文本文件；未写入任何内容</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>编码未知；请用 --force-encoding 指定</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>编码不确定（可能是 %1）；请用 --force-encoding 指定</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>输出在该处之前停止。</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>标准输入</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>未知编码</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo 不认识编码“%1”。</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>用 Karvo 转换</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>将文件转换为：</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>将 %n 个文件转换为：</numerusform>
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
        <translation>空文件</translation>
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
        <translation>替换了已有文件</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[失败]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[跳过]     </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>未处理：它不是文本文件。</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[存疑]     </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>未转换：编码不确定（可能是 %1）。</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[跳过] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>（二进制文件，未处理）</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[存疑] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[失败] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>已取消，共 %n 个文件，完成 %1 个</numerusform>
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
            <numerusform>%n 个保持现状</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] 已撤销</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>跳过 1 个隐藏文件</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>跳过 %Ln 个隐藏文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>已转换</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>已复制</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>未改动</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>存疑</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>二进制</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>已略过</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>已排除</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>无法保留其所有者：现在归你所有</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>无法保留其所属组</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>其 set-user-ID 或 set-group-ID 位随所有者或组一起被去掉</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>它的其他硬链接仍是旧内容</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>无法保留其扩展属性或 ACL</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>已原地覆盖，因为无法在其文件夹中替换它；事先已保留原文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>“%1”(%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>已撤销</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>保持原样</translation>
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
            <numerusform>%Ln 个已转换</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln 个待核对</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln 个已排除</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln 个二进制文件未处理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln 个未处理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln 个重复</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>处理 %L1/1 个文件后已取消</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>处理 %L1/%Ln 个文件后已取消</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>已取消：未写入任何内容</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>没有可转换的文件：文件夹是空的</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>没有可转换的文件</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] 已转换</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>在 %2 中可能读作%1，但不确定</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>在 %2 和 %3 中读作%1的效果差不多</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>在 %2 中读作%1，在 %4 中读作%3也几乎一样通顺</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1，可供判断的字符太少（%n 个）</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>在任何编码下都读不成 Karvo 认识的语言（最接近的是 %1）</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>字符集检测器认为是 %1，但 Karvo 无法读取该编码</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>部分是 UTF-8，部分不是</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>英语</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[待转换] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln 个待转换</numerusform>
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
        <translation>它在处理后被移动或删除了。</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>它在处理后被修改了。</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo 无法创建撤销文件夹 %1。</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo 无法写入撤销文件夹 %1（%2）。</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>这些文件共 %1，超过了撤销功能最多可保留的 %2。</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>转为</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>官网</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>详情</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>直接覆盖原文件</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>拖放到这里，或点击选择
文件或文件夹</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>同时转换拖入文件夹的子文件夹中的文件。</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>子文件夹</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>撤销上次转换</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>核对</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>将本次处理的所有文件恢复原样。</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>选择要转换的文件</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>转换文件</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>将文本文件或文件夹拖放到这里，或选择它们，即可改写为“转为”处选定的编码。</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>打开文件选择框。Ctrl+O 选择文件，Ctrl+Shift+O 选择文件夹；也可以直接拖放到这里。</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>目标编码</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>文件将被改写成的编码。</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>保存文件夹</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>选择存放转换后副本的文件夹；再按一次则直接替换原文件。</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>主页</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>显示文件转换的进度。</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>已处理的文件数 / 找到的文件数。</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>写完当前文件后停止；按 Esc 键也可以。</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>结果</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>显示上次处理的结果。</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>开启后，拖入的文件夹会连同所有子文件夹一起转换。</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>将上次处理的文件恢复原样。</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>将本次处理的每个文件恢复原样。</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>列出本次处理的每个文件及其结果。</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>返回拖放页面；按 Esc 键也可以。</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>选择要转换的文件夹</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>正在转换文件，请稍候。</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>正在处理 %1</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>正在取消……</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>选择保存转换后文件的文件夹</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>选择保存文件夹</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>保存到：%1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>不再保存到 %1：直接替换原文件</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 个文件</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n 个文件</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>撤销 %1 的转换：%2 转为 %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
仍要转换吗？转换后将无法撤销。</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>正在撤销……</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>该转换仍在进行（在此窗口或另一个 Karvo 中）。请在完成后再撤销。</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>保存到：%1（不存在）</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Karvo 官网</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>关于 Karvo</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Karvo 官网，以及版本和许可证（F1）</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>打开 Karvo 官网或“关于”对话框。</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>显示编码不确定的文件，按你选择的编码转换它们。</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>打开保存副本的文件夹。</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>正在查找文件…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>还有 1 次拖放在排队等候。</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>还有 %n 次拖放在排队等候。</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>返回后开始下一次拖放的转换。</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>有 %n 次拖放在等候：返回后开始下一次。</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>此文件大于 10 MiB。
它真的是文本文件吗？</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n 个文件大于 10 MiB。
它们真的是文本文件吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>保存文件夹 %1 不存在。
要重新创建它、另选文件夹，还是直接在原处转换文件？</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>重新创建</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>另选…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>在原处转换</translation>
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
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>本次转换的文件</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>仅显示问题</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>另存为 CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>复制</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>另存为 CSV…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-详情.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>无法保存 %1：%2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>核对编码</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>待核对的文件</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>文件的编码</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>按该编码读取的文件开头</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1（%2%）</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>文件</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>可能的编码</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>对所有选中文件使用此编码</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo 不确定这些文件的编码。请选择文件，挑选能正确显示文字的编码，然后转换；未转换的文件保持原样。</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>正在转换…</translation>
    </message>
</context>
</TS>
