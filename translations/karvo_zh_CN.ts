<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>Print only the files that failed or whose encoding is uncertain.</source>
        <translation>只输出失败或编码不确定的文件。</translation>
    </message>
    <message>
        <source>Files and folders to convert.</source>
        <translation>要转换的文件和文件夹。</translation>
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
        <translation>无法创建保存文件夹“%1”：%2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>试运行：未写入任何内容。</translation>
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
        <source>Could not find codec for the target encoding.</source>
        <translation>找不到目标编码的编解码器。</translation>
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
        <source>Could not open target file.</source>
        <translation>无法打开目标文件。</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>无法写入目标文件：保存文件夹中有同名的符号链接。</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <extracomment>Why a file was not read: a folder, a device, a pipe or the like.</extracomment>
        <translation>它不是普通文件。</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
    <message>
        <source>a file of that name appeared during the conversion</source>
        <translation>转换期间出现了同名文件</translation>
    </message>
    <message>
        <source>the existing file could not be kept</source>
        <translation>无法保留现有文件</translation>
    </message>
    <message>
        <source>The converted text is kept in %1.</source>
        <translation>转换后的文本保存在 %1。</translation>
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
        <source>Not converted: the same file is already in this run.</source>
        <translation>未转换：同一文件已在本次处理中。</translation>
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
        <source>Could not convert file: the character U+%1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a Unicode code point in hexadecimal, %4 the name of the target encoding.</extracomment>
        <translation>无法转换文件：第 %2 行第 %3 列的字符 U+%1 无法用 %4 表示。</translation>
    </message>
    <message>
        <source>Could not read source file.</source>
        <translation>无法读取源文件。</translation>
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
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[跳过] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>（二进制文件，未处理）</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[存疑] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[失败] </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 个失败</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%n 个待核对</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n 个二进制文件未处理</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <extracomment>%1 files were done when the run was cancelled, out of %n</extracomment>
        <translation>
            <numerusform>已取消，共 %n 个文件，完成 %1 个</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run: %1 text files converted out of %2.</extracomment>
        <translation>[%1/%2] 成功！</translation>
    </message>
    <message>
        <source>[Undone]  </source>
        <extracomment>The status that begins an undo&apos;s Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[已撤销]  </translation>
    </message>
    <message>
        <source>[Left]       </source>
        <extracomment>The status that begins an undo&apos;s Detail line: the file was left as it is. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[保留]     </translation>
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
        <source>it starts as UTF-8, but has other bytes further in</source>
        <extracomment>why detection asks</extracomment>
        <translation>文件以 UTF-8 开头，但后面有其他字节</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>%1 Its original is kept as %2.</source>
        <extracomment>Why a file was not undone (%1), then where its original is (%2).</extracomment>
        <translation>%1 其原文件保存为 %2。</translation>
    </message>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>它在处理后被移动或删除了。</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>它在处理后被修改了。</translation>
    </message>
    <message>
        <source>It could not be removed: %1.</source>
        <translation>无法删除它：%1。</translation>
    </message>
    <message>
        <source>Its original could not be read: %1.</source>
        <translation>无法读取其原文件：%1。</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>无法写入：%1。</translation>
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
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MB; its name is the box&apos;s title.</extracomment>
        <translation>文件大于 10 MB。
确定这是文本文件吗？</translation>
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
        <source>Opens Karvo&apos;s home page in the web browser.</source>
        <translation>在网页浏览器中打开 Karvo 主页。</translation>
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
        <source>Shows the files whose encoding is uncertain, to convert each with the encoding you pick.</source>
        <translation>列出编码不确定的文件，可逐个按你选择的编码转换。</translation>
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
        <source>Processing, please waiting...</source>
        <translation>正在处理，请稍候……</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MBytes.
Are they really text files?</source>
        <translation>
            <numerusform>%n 个文件大于 10 MB。
确定它们都是文本文件吗？</numerusform>
        </translation>
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
        <extracomment>Under the target encoding: converted files go into the folder %1.</extracomment>
        <translation>保存到：%1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>不再保存到 %1：直接替换原文件</translation>
    </message>
    <message>
        <source>%1 is gone: replace source file</source>
        <translation>%1 已不存在：直接覆盖原文件</translation>
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
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>详细信息</translation>
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
        <source>Convert</source>
        <extracomment>converts the chosen file from the encoding picked above</extracomment>
        <translation>转换</translation>
    </message>
    <message>
        <source>Karvo is not sure in which encoding these files are. Pick the one in which the text reads right, then convert it; files you do not convert stay as they are.</source>
        <translation>Karvo 无法确定这些文件的编码。请选择能让文字正常显示的编码，然后转换；未转换的文件保持不变。</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1（%2%）</translation>
    </message>
</context>
</TS>
