<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>About</name>
    <message>
        <source>Detects each text file&apos;s encoding and rewrites it in another, without losing a byte.</source>
        <translation>각 텍스트 파일의 인코딩을 감지하여 한 바이트도 잃지 않고 다른 인코딩으로 다시 씁니다.</translation>
    </message>
    <message>
        <source>Copyright © 2026 The Karvo developers. Free software under the %1 licence.</source>
        <extracomment>%1 is the name of the licence, MIT</extracomment>
        <translation>Copyright © 2026 Karvo 개발자. %1 라이선스를 따르는 자유 소프트웨어입니다.</translation>
    </message>
    <message>
        <source>Uses Qt %1 and uchardet %2.</source>
        <extracomment>%1 and %2 are versions, as in 5.15.8 and 0.0.7</extracomment>
        <translation>Qt %1 및 uchardet %2을(를) 사용합니다.</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <extracomment>The About box&apos;s title</extracomment>
        <translation>Karvo 정보</translation>
    </message>
</context>
<context>
    <name>DetailModel</name>
    <message>
        <source>Status</source>
        <extracomment>A column of the Detail table: what became of the file</extracomment>
        <translation>상태</translation>
    </message>
    <message>
        <source>File</source>
        <translation>파일</translation>
    </message>
    <message>
        <source>From</source>
        <extracomment>A column of the Detail table: the encoding the file was in</extracomment>
        <translation>원본</translation>
    </message>
    <message>
        <source>To</source>
        <extracomment>A column of the Detail table: the encoding it was converted to</extracomment>
        <translation>대상</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>이유</translation>
    </message>
    <message>
        <source>Path</source>
        <extracomment>The last column of the CSV file: the file&apos;s full path</extracomment>
        <translation>경로</translation>
    </message>
</context>
<context>
    <name>Karvo::CommandLine</name>
    <message>
        <source>Try &apos;karvo --help&apos; for more information.</source>
        <translation>자세한 내용은 &apos;karvo --help&apos;를 실행하십시오.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; and &apos;%2&apos; would both be written to &apos;%3&apos;; no file was written</source>
        <translation>&apos;%1&apos;과(와) &apos;%2&apos;이(가) 모두 &apos;%3&apos;에 쓰이게 되므로 파일을 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>&apos;%1&apos; would be written over &apos;%2&apos;, which this run also reads; no file was written</source>
        <translation>&apos;%1&apos;이(가) 이번에 함께 읽는 &apos;%2&apos;을(를) 덮어쓰게 되므로 파일을 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>Detects the character encoding of each file and rewrites it, losslessly, in another.
Without arguments, karvo opens its window.</source>
        <translation>각 파일의 문자 인코딩을 감지하여 내용 손실 없이 다른 인코딩으로 다시 씁니다.
인수 없이 실행하면 karvo 창이 열립니다.</translation>
    </message>
    <message>
        <source>Show this help and exit.</source>
        <translation>이 도움말을 표시하고 종료합니다.</translation>
    </message>
    <message>
        <source>Show the version and exit.</source>
        <translation>버전을 표시하고 종료합니다.</translation>
    </message>
    <message>
        <source>Rewrite files in &lt;encoding&gt; (default UTF-8).</source>
        <extracomment>&lt;encoding&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>파일을 &lt;encoding&gt;(으)로 다시 씁니다(기본값 UTF-8).</translation>
    </message>
    <message>
        <source>Write converted copies into &lt;folder&gt; (created if missing) instead of replacing the files.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>파일을 바꾸지 않고 변환된 사본을 &lt;folder&gt;에 씁니다(없으면 만듭니다).</translation>
    </message>
    <message>
        <source>Also process the files in subfolders, but not hidden ones or links to folders.</source>
        <translation>하위 폴더의 파일도 처리합니다(숨김 폴더와 폴더 링크는 제외).</translation>
    </message>
    <message>
        <source>Detect and report what would be done; write nothing.</source>
        <translation>감지하여 수행할 작업만 보고하고 아무것도 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>Write nothing; exit with 3 if any file is not in the target encoding yet.</source>
        <translation>아무것도 쓰지 않으며, 대상 인코딩이 아닌 파일이 있으면 3으로 종료합니다.</translation>
    </message>
    <message>
        <source>Read every text file as &lt;encoding&gt; instead of the detected one.</source>
        <translation>감지된 인코딩 대신 &lt;encoding&gt;(으)로 모든 텍스트 파일을 읽습니다.</translation>
    </message>
    <message>
        <source>Print one JSON report instead of a line per file.</source>
        <translation>파일마다 한 줄 대신 JSON 보고서 하나를 출력합니다.</translation>
    </message>
    <message>
        <source>List the encodings karvo knows, with their aliases.</source>
        <translation>karvo가 아는 인코딩을 별칭과 함께 나열합니다.</translation>
    </message>
    <message>
        <source>Print only the files that failed or whose encoding is uncertain, and hard links left with the old text.</source>
        <translation>실패했거나 인코딩이 불확실한 파일과 예전 내용이 남은 하드 링크만 출력합니다.</translation>
    </message>
    <message>
        <source>unknown encoding &apos;%1&apos;; see --list-encodings</source>
        <translation>알 수 없는 인코딩 &apos;%1&apos;입니다. --list-encodings를 참고하십시오</translation>
    </message>
    <message>
        <source>no files or folders given</source>
        <translation>파일이나 폴더를 지정하지 않았습니다</translation>
    </message>
    <message>
        <source>the save folder&apos;s name is empty</source>
        <translation>저장 폴더 이름이 비어 있습니다</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the save folder: it is not a folder</source>
        <translation>&apos;%1&apos;은(는) 폴더가 아니므로 저장 폴더로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;</source>
        <translation>저장 폴더 &apos;%1&apos;을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>cannot create the save folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>저장 폴더 &apos;%1&apos;을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>시험 실행: 아무것도 쓰지 않았습니다.</translation>
    </message>
    <message>
        <source>the save folder &apos;%1&apos; is the folder of &apos;%2&apos;: the sources would be replaced; no file was written</source>
        <translation>저장 폴더 &apos;%1&apos;은(는) &apos;%2&apos;이(가) 있는 폴더입니다. 원본이 대체되므로 아무 파일도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>With -o, replace a different file of the same name in the save folder.</source>
        <translation>-o와 함께 쓰면 저장 폴더에 있는 같은 이름의 다른 파일을 대체합니다.</translation>
    </message>
    <message>
        <source>Keep a copy of every file replaced in &lt;folder&gt; first, below it as listed.</source>
        <extracomment>&lt;folder&gt; is the option&apos;s value as the help shows it; keep it as it is.</extracomment>
        <translation>바뀌는 모든 파일의 사본을 먼저 &lt;folder&gt; 아래에 목록의 경로대로 남깁니다.</translation>
    </message>
    <message>
        <source>the backup folder&apos;s name is empty</source>
        <translation>백업 폴더 이름이 비어 있습니다</translation>
    </message>
    <message>
        <source>karvo: the report could not be written: %1</source>
        <translation>karvo: 보고서를 쓸 수 없습니다: %1</translation>
    </message>
    <message>
        <source>Write the converted text of the files to standard output, one after another; touch no file. A path of - reads standard input.</source>
        <translation>변환한 파일의 텍스트를 차례로 표준 출력에 쓰고, 파일은 건드리지 않습니다. 경로 -는 표준 입력을 읽습니다.</translation>
    </message>
    <message>
        <source>Open the window and start a run on the files, as a drop would. Comes first; --to &lt;encoding&gt; or --ask may follow it.</source>
        <translation>창을 열고 끌어다 놓은 것처럼 파일 변환을 시작합니다. 맨 앞에 두며, 뒤에 --to &lt;encoding&gt; 또는 --ask를 쓸 수 있습니다.</translation>
    </message>
    <message>
        <source>Files and folders to convert; - alone converts standard input to standard output.</source>
        <translation>변환할 파일과 폴더. - 하나만 쓰면 표준 입력을 표준 출력으로 변환합니다.</translation>
    </message>
    <message>
        <source>--window comes before any other argument</source>
        <translation>--window는 다른 모든 인수보다 앞에 와야 합니다</translation>
    </message>
    <message>
        <source>--%1 does not go with standard output</source>
        <extracomment>%1 is an option such as --json</extracomment>
        <translation>--%1은(는) 표준 출력과 함께 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>- (standard input) goes alone, or with --stdout</source>
        <translation>-(표준 입력)는 혼자 쓰거나 --stdout과 함께 써야 합니다</translation>
    </message>
    <message>
        <source>cannot use &apos;%1&apos; as the backup folder: it is not a folder</source>
        <translation>&apos;%1&apos;은(는) 폴더가 아니므로 백업 폴더로 쓸 수 없습니다</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;</source>
        <translation>백업 폴더 &apos;%1&apos;을(를) 만들 수 없습니다</translation>
    </message>
    <message>
        <source>cannot create the backup folder &apos;%1&apos;: %2</source>
        <extracomment>%2 is the system&apos;s reason</extracomment>
        <translation>백업 폴더 &apos;%1&apos;을(를) 만들 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>Karvo::Engine</name>
    <message>
        <source>Could not find codec for file.</source>
        <translation>이 파일의 인코딩을 처리할 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not open source file.</source>
        <translation>원본 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not copy file: a different file of that name is already in the save folder.</source>
        <translation>파일을 복사할 수 없습니다: 저장 폴더에 이름이 같은 다른 파일이 있습니다.</translation>
    </message>
    <message>
        <source>Could not write target file.</source>
        <translation>대상 파일을 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>대상 파일을 쓸 수 없습니다: 저장 폴더에 이름이 같은 심볼릭 링크가 있습니다.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 why something went wrong with it.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Not converted: its original could not be kept for Undo.</source>
        <translation>변환하지 않았습니다: 되돌리기용 원본을 보관할 수 없습니다.</translation>
    </message>
    <message>
        <source>Not written: another file of this run has the same name in the save folder.</source>
        <translation>쓰지 않았습니다: 이번 작업의 다른 파일이 저장 폴더에서 같은 이름을 씁니다.</translation>
    </message>
    <message>
        <source>Could not convert file: the bytes at line %1, column %2 are not valid %3.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as GB18030.</extracomment>
        <translation>파일을 변환할 수 없습니다: %1행 %2열의 바이트가 올바른 %3이(가) 아닙니다.</translation>
    </message>
    <message>
        <source>Could not convert file: it ends in the middle of a %3 character, at line %1, column %2.</source>
        <extracomment>%3 is the name of the file&apos;s encoding, such as Shift_JIS.</extracomment>
        <translation>파일을 변환할 수 없습니다: 파일이 %1행 %2열의 %3 문자 중간에서 끝납니다.</translation>
    </message>
    <message>
        <source>Left alone: its name is not valid UTF-8, and Karvo can only open files whose names are.</source>
        <translation>그대로 두었습니다: 이름이 올바른 UTF-8이 아니며, Karvo는 이름이 UTF-8인 파일만 열 수 있습니다.</translation>
    </message>
    <message>
        <source>Could not read the folder.</source>
        <translation>폴더를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>Left alone: it is a link to a file outside the dropped folder.</source>
        <translation>그대로 두었습니다: 끌어다 놓은 폴더 밖의 파일을 가리키는 링크입니다.</translation>
    </message>
    <message>
        <source>Left out: you said it is not a text file.</source>
        <translation>제외했습니다: 텍스트 파일이 아니라고 하셨습니다.</translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain.</source>
        <translation>변환하지 않았습니다: 인코딩이 불확실합니다.</translation>
    </message>
    <message>
        <source>Could not convert file: the character %1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a character with its code point, as in &quot;М&quot; (U+041C); %4 the name of the target encoding.</extracomment>
        <translation>파일을 변환할 수 없습니다: %2행 %3열의 문자 %1은(는) %4(으)로 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not write target file: something other than a file has that name.</source>
        <translation>대상 파일을 쓸 수 없습니다: 그 이름을 파일이 아닌 다른 것이 쓰고 있습니다.</translation>
    </message>
    <message>
        <source>Not written: the save folder is the file&apos;s own folder.</source>
        <translation>쓰지 않았습니다: 저장 폴더가 파일이 있는 폴더입니다.</translation>
    </message>
    <message>
        <source>Not written: the save folder is gone.</source>
        <translation>쓰지 않았습니다: 저장 폴더가 없어졌습니다.</translation>
    </message>
    <message>
        <source>Not converted: the file is read-only.</source>
        <translation>변환하지 않았습니다: 읽기 전용 파일입니다.</translation>
    </message>
    <message>
        <source>Not converted: it cannot be replaced in its folder, so it could only be written over in place, which needs a copy of it kept first (Undo in the window, --backup-dir on the command line).</source>
        <translation>변환하지 않았습니다: 폴더 안에서 파일을 바꿀 수 없어 그 자리에 덮어쓸 수밖에 없는데, 그러려면 먼저 사본을 남겨야 합니다(창에서는 되돌리기, 명령줄에서는 --backup-dir).</translation>
    </message>
    <message>
        <source>Not converted: the file changed while it was being converted.</source>
        <translation>변환하지 않았습니다: 변환하는 동안 파일이 바뀌었습니다.</translation>
    </message>
    <message>
        <source>Done once: it is the same file as another one of this run.</source>
        <extracomment>Two names of one file (a link and its target) in one run; the path of the other follows in brackets.</extracomment>
        <translation>한 번만 처리했습니다: 이번 작업의 다른 파일과 같은 파일입니다.</translation>
    </message>
    <message>
        <source>Not done: the run was cancelled.</source>
        <translation>처리하지 않았습니다: 작업이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Its original is no longer in the undo store.</source>
        <translation>원본이 더 이상 되돌리기 보관소에 없습니다.</translation>
    </message>
    <message>
        <source>Not converted: it is the same file as another one of this run, replaced under that name alone; this name keeps the old text.</source>
        <extracomment>Two names of one file (hard links) in one run, the file replaced under the other name alone; that name follows in brackets.</extracomment>
        <translation>변환하지 않았습니다: 이번 작업의 다른 파일과 같은 파일이며 그 이름으로만 바뀝니다. 이 이름에는 예전 내용이 남습니다.</translation>
    </message>
    <message>
        <source>Could not write target file, nor put its original back: it is cut short. Its original is kept as %1.</source>
        <extracomment>%1 is the path of the copy of the original kept before the file was written over.</extracomment>
        <translation>대상 파일을 쓸 수 없었고 원본도 되돌릴 수 없었습니다: 파일이 잘려 있습니다. 원본은 %1에 보관되어 있습니다.</translation>
    </message>
</context>
<context>
    <name>Karvo::Filter</name>
    <message>
        <source>standard output</source>
        <translation>표준 출력</translation>
    </message>
    <message>
        <source>not a text file; nothing was written</source>
        <translation>텍스트 파일이 아닙니다. 아무것도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>the encoding is unknown; name it with --force-encoding</source>
        <translation>인코딩을 알 수 없습니다. --force-encoding으로 지정하십시오</translation>
    </message>
    <message>
        <source>the encoding is uncertain (perhaps %1); name it with --force-encoding</source>
        <extracomment>%1 lists the encodings the text may be in</extracomment>
        <translation>인코딩이 불확실합니다(%1일 수 있음). --force-encoding으로 지정하십시오</translation>
    </message>
    <message>
        <source>The output stops before that point.</source>
        <extracomment>after the reason a conversion stopped; standard output holds the text before it</extracomment>
        <translation>출력은 그 지점 앞에서 멈췄습니다.</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>표준 입력</translation>
    </message>
</context>
<context>
    <name>Karvo::OpenWith</name>
    <message>
        <source>Unknown encoding</source>
        <translation>알 수 없는 인코딩</translation>
    </message>
    <message>
        <source>Karvo does not know the encoding &quot;%1&quot;.</source>
        <extracomment>%1 is an encoding name given on the command line</extracomment>
        <translation>Karvo는 인코딩 &quot;%1&quot;을(를) 모릅니다.</translation>
    </message>
    <message>
        <source>Convert with Karvo</source>
        <translation>Karvo로 변환</translation>
    </message>
    <message>
        <source>Rewrite the file in:</source>
        <translation>파일을 다시 쓸 인코딩:</translation>
    </message>
    <message numerus="yes">
        <source>Rewrite %n files in:</source>
        <translation>
            <numerusform>파일 %n개를 다시 쓸 인코딩:</numerusform>
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
        <translation>빈 파일</translation>
    </message>
    <message>
        <source>Unknown</source>
        <comment>the encoding of a file</comment>
        <translation>알 수 없음</translation>
    </message>
    <message>
        <source>[Success] </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.
----------
The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[성공] </translation>
    </message>
    <message>
        <source>replaced an existing file</source>
        <extracomment>a Detail line: the copy took the place of a file already in the save folder</extracomment>
        <translation>기존 파일을 대체함</translation>
    </message>
    <message>
        <source>[Failed]     </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[실패]     </translation>
    </message>
    <message>
        <source>[Skipped]    </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[건너뜀]   </translation>
    </message>
    <message>
        <source>Left alone: it is not a text file.</source>
        <extracomment>a Detail line: the file was not touched because it is not text</extracomment>
        <translation>그대로 두었습니다: 텍스트 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>[Doubtful]   </source>
        <extracomment>The status that begins a Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[불확실]   </translation>
    </message>
    <message>
        <source>Not converted: the encoding is uncertain (perhaps %1).</source>
        <extracomment>a Detail line; %1 lists the encodings the file may be in</extracomment>
        <translation>변환하지 않았습니다: 인코딩이 불확실합니다(%1일 수 있음).</translation>
    </message>
    <message>
        <source>[Skipped] </source>
        <translation>[건너뜀] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(바이너리 파일, 그대로 둠)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <translation>[불확실] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[실패] </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <translation>
            <numerusform>%n개 중 %1개 처리 후 취소됨</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run in which every text file succeeded: %1 of %2.</extracomment>
        <translation>[%1/%2] 성공!</translation>
    </message>
    <message numerus="yes">
        <source>%n left as it is now</source>
        <comment>files that changed after the run</comment>
        <translation>
            <numerusform>%n개는 현재 상태로 둠</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Undone</source>
        <extracomment>The summary of an undo: %1 files put back out of %2.</extracomment>
        <translation>[%1/%2] 되돌림</translation>
    </message>
    <message>
        <source>1 hidden file passed over</source>
        <translation>숨김 파일 1개 건너뜀</translation>
    </message>
    <message numerus="yes">
        <source>%Ln hidden files passed over</source>
        <comment>files and folders</comment>
        <translation>
            <numerusform>숨김 파일 %Ln개 건너뜀</numerusform>
        </translation>
    </message>
    <message>
        <source>Converted</source>
        <extracomment>A status in the Detail table</extracomment>
        <translation>변환됨</translation>
    </message>
    <message>
        <source>Copied</source>
        <translation>복사됨</translation>
    </message>
    <message>
        <source>Unchanged</source>
        <comment>a file already in the target encoding</comment>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>실패</translation>
    </message>
    <message>
        <source>Doubtful</source>
        <translation>불확실</translation>
    </message>
    <message>
        <source>Binary</source>
        <comment>a file that is not text</comment>
        <translation>바이너리</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>건너뜀</translation>
    </message>
    <message>
        <source>Left out</source>
        <translation>제외됨</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>중복</translation>
    </message>
    <message>
        <source>its owner could not be kept: it is yours now</source>
        <translation>소유자를 유지할 수 없었습니다: 이제 사용자의 파일입니다</translation>
    </message>
    <message>
        <source>its group could not be kept</source>
        <translation>그룹을 유지할 수 없었습니다</translation>
    </message>
    <message>
        <source>its set-user-ID or set-group-ID bit was dropped with its owner or group</source>
        <translation>set-user-ID 또는 set-group-ID 비트가 소유자나 그룹과 함께 제거되었습니다</translation>
    </message>
    <message>
        <source>its other hard links still hold the old text</source>
        <translation>다른 하드 링크에는 아직 예전 내용이 있습니다</translation>
    </message>
    <message>
        <source>its extended attributes or ACL could not be kept</source>
        <translation>확장 속성이나 ACL을 유지할 수 없었습니다</translation>
    </message>
    <message>
        <source>written over in place, as it cannot be replaced in its folder; the original was kept first</source>
        <translation>폴더 안에서 파일을 바꿀 수 없어 그 자리에 덮어썼습니다. 원본은 먼저 보관했습니다</translation>
    </message>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <extracomment>How a character is named: %1 the character itself, %2 its code point (U+041C). Use your language&apos;s quotes.</extracomment>
        <translation>“%1”(%2)</translation>
    </message>
    <message>
        <source>Undone</source>
        <extracomment>A status in the Detail table of an undo: the file was put back as it was before the run</extracomment>
        <translation>되돌림</translation>
    </message>
    <message>
        <source>Left</source>
        <comment>a file undo left as it is</comment>
        <translation>그대로 둠</translation>
    </message>
    <message>
        <source>[Left out] </source>
        <extracomment>The status before the name of a file the user left out. The space after it only pads it.</extracomment>
        <translation>[제외] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln converted</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln개 변환</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%Ln개 실패</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%Ln개 검토 필요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left out</source>
        <comment>files the user said are not text</comment>
        <translation>
            <numerusform>%Ln개 제외</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>바이너리 %Ln개는 그대로 둠</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln left alone</source>
        <comment>files such as links out of the folder</comment>
        <translation>
            <numerusform>%Ln개 그대로 둠</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln named twice</source>
        <comment>files met twice in one run, done once</comment>
        <translation>
            <numerusform>%Ln개 중복</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled after %L1 of 1 file</source>
        <translation>1개 중 %L1개 후 취소됨</translation>
    </message>
    <message numerus="yes">
        <source>Cancelled after %L1 of %Ln files</source>
        <translation>
            <numerusform>%Ln개 중 %L1개 후 취소됨</numerusform>
        </translation>
    </message>
    <message>
        <source>Cancelled: nothing was written</source>
        <translation>취소됨: 아무것도 쓰지 않았습니다</translation>
    </message>
    <message>
        <source>Nothing to convert: the folder is empty</source>
        <translation>변환할 것이 없습니다: 폴더가 비어 있습니다</translation>
    </message>
    <message>
        <source>Nothing to convert</source>
        <translation>변환할 것이 없습니다</translation>
    </message>
    <message>
        <source>[%1/%2] converted</source>
        <extracomment>The summary of a run in which some files did not succeed: %1 converted out of %2.</extracomment>
        <translation>[%1/%2] 변환됨</translation>
    </message>
    <message>
        <source>it may read as %1 in %2, but not surely</source>
        <extracomment>why detection asks: the only reading it has is too unsure; %1 is a language, %2 an encoding</extracomment>
        <translation>%2에서 %1(으)로 읽힐 수도 있지만 확실하지 않습니다</translation>
    </message>
    <message>
        <source>it reads as %1 about as well in %2 as in %3</source>
        <extracomment>why detection asks; %1 is a language such as &quot;română&quot;, %2 and %3 are encodings</extracomment>
        <translation>%2와(과) %3에서 거의 똑같이 %1(으)로 읽힙니다</translation>
    </message>
    <message>
        <source>it reads as %1 in %2, and nearly as well as %3 in %4</source>
        <extracomment>why detection asks; %1 and %3 are languages, %2 and %4 encodings</extracomment>
        <translation>%2에서는 %1(으)로, %4에서는 거의 비슷하게 %3(으)로 읽힙니다</translation>
    </message>
    <message numerus="yes">
        <source>%1, on too few telling characters (%n)</source>
        <extracomment>why detection asks: %1 says which readings; there are %n letters or signs outside ASCII to judge by</extracomment>
        <translation>
            <numerusform>%1, 판단할 수 있는 문자가 너무 적습니다(%n)</numerusform>
        </translation>
    </message>
    <message>
        <source>in no encoding does it read as a language Karvo knows (closest: %1)</source>
        <extracomment>why detection asks; %1 is the encoding that came closest</extracomment>
        <translation>어떤 인코딩으로도 Karvo가 아는 언어로 읽히지 않습니다(가장 가까운 것: %1)</translation>
    </message>
    <message>
        <source>the charset detector says %1, which Karvo cannot read</source>
        <extracomment>why detection asks; %1 is an encoding name, such as VISCII</extracomment>
        <translation>문자 집합 검출기는 %1(이)라고 하지만 Karvo는 이를 읽을 수 없습니다</translation>
    </message>
    <message>
        <source>part of it is UTF-8, and part is not</source>
        <extracomment>why detection asks</extracomment>
        <translation>일부는 UTF-8이지만 나머지는 아닙니다</translation>
    </message>
    <message>
        <source>English</source>
        <extracomment>Your language&apos;s word for the English language. Where this stays &quot;English&quot;, Karvo names languages in English.</extracomment>
        <translation>영어</translation>
    </message>
    <message>
        <source>[To convert] </source>
        <extracomment>The status that begins a Detail line of a check: the file is not in the target encoding yet. The space after it only pads it.</extracomment>
        <translation>[변환 필요] </translation>
    </message>
    <message numerus="yes">
        <source>%Ln to convert</source>
        <comment>files not in the target encoding yet</comment>
        <translation>
            <numerusform>%Ln개 변환 필요</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] in %3 already</source>
        <extracomment>The summary of a check: %1 of the %2 text files are in the target encoding %3 already.</extracomment>
        <translation>[%1/%2] 이미 %3</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>작업 후에 이동되었거나 삭제되었습니다.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>작업 후에 변경되었습니다.</translation>
    </message>
    <message>
        <source>Karvo cannot create its undo folder %1.</source>
        <translation>Karvo가 되돌리기 폴더 %1을(를) 만들 수 없습니다.</translation>
    </message>
    <message>
        <source>Karvo cannot write in its undo folder %1 (%2).</source>
        <translation>Karvo가 되돌리기 폴더 %1에 쓸 수 없습니다(%2).</translation>
    </message>
    <message>
        <source>The files add up to %1, more than the %2 that Undo may keep.</source>
        <extracomment>%1 and %2 are sizes such as &quot;2.3 GB&quot;.</extracomment>
        <translation>파일 크기 합계가 %1(으)로, 되돌리기용으로 보관할 수 있는 %2보다 큽니다.</translation>
    </message>
</context>
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>→</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>처리 중</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>상세</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>원본 파일에 덮어쓰기</translation>
    </message>
    <message>
        <source>Drop or click to choose
a file or folder</source>
        <comment>Two short lines under the drop graphic; clicking the graphic or this text opens a file chooser.</comment>
        <translation>여기에 끌어다 놓거나 클릭해서
파일이나 폴더를 고르세요</translation>
    </message>
    <message>
        <source>Convert the files in the subfolders of a dropped folder too.</source>
        <translation>끌어다 놓은 폴더의 하위 폴더에 있는 파일도 변환합니다.</translation>
    </message>
    <message>
        <source>Subfolders</source>
        <translation>하위 폴더</translation>
    </message>
    <message>
        <source>Undo last run</source>
        <translation>지난 작업 되돌리기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Review</source>
        <translation>검토</translation>
    </message>
    <message>
        <source>Put every file of this run back as it was.</source>
        <translation>이번 작업의 모든 파일을 원래대로 되돌립니다.</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>되돌리기</translation>
    </message>
    <message>
        <source>Choose files to convert</source>
        <translation>변환할 파일 선택</translation>
    </message>
    <message>
        <source>Convert files</source>
        <translation>파일 변환</translation>
    </message>
    <message>
        <source>Drop text files or folders here, or choose them, to rewrite them in the encoding under To.</source>
        <translation>텍스트 파일이나 폴더를 여기에 끌어다 놓거나 선택하면 &apos;→&apos;에서 고른 인코딩으로 다시 씁니다.</translation>
    </message>
    <message>
        <source>Choose files</source>
        <extracomment>The drop graphic, which opens the file chooser when clicked.</extracomment>
        <translation>파일 선택</translation>
    </message>
    <message>
        <source>Opens a file chooser. Ctrl+O chooses files, Ctrl+Shift+O a folder; dropping them here works too.</source>
        <translation>파일 선택 창을 엽니다. Ctrl+O는 파일, Ctrl+Shift+O는 폴더를 고릅니다. 여기에 끌어다 놓아도 됩니다.</translation>
    </message>
    <message>
        <source>Target encoding</source>
        <translation>대상 인코딩</translation>
    </message>
    <message>
        <source>The encoding the files are rewritten in.</source>
        <translation>파일을 다시 쓸 인코딩.</translation>
    </message>
    <message>
        <source>Save folder</source>
        <translation>저장 폴더</translation>
    </message>
    <message>
        <source>Chooses a folder for converted copies; pressed again, files are replaced in place.</source>
        <translation>변환된 사본을 저장할 폴더를 고릅니다. 다시 누르면 원본 파일을 바로 바꿉니다.</translation>
    </message>
    <message>
        <source>Home page</source>
        <extracomment>Karvo&apos;s web site.</extracomment>
        <translation>홈페이지</translation>
    </message>
    <message>
        <source>Shows the progress of the files being converted.</source>
        <translation>파일 변환 진행 상황을 보여 줍니다.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>진행률</translation>
    </message>
    <message>
        <source>Files done out of the files found.</source>
        <translation>찾은 파일 중 처리한 파일 수.</translation>
    </message>
    <message>
        <source>Stops after the file being written; Escape does the same.</source>
        <translation>쓰고 있는 파일을 마친 뒤 멈춥니다. Esc 키도 같습니다.</translation>
    </message>
    <message>
        <source>Result</source>
        <extracomment>The page that shows the outcome of a run.</extracomment>
        <translation>결과</translation>
    </message>
    <message>
        <source>Tells how the last run went.</source>
        <translation>지난 작업의 결과를 알려 줍니다.</translation>
    </message>
    <message>
        <source>When on, a dropped folder is converted with all its subfolders.</source>
        <translation>켜면 끌어다 놓은 폴더를 모든 하위 폴더와 함께 변환합니다.</translation>
    </message>
    <message>
        <source>Puts the files of the last run back as they were.</source>
        <translation>지난 작업의 파일을 원래대로 되돌립니다.</translation>
    </message>
    <message>
        <source>Puts every file of this run back as it was.</source>
        <translation>이번 작업의 모든 파일을 원래대로 되돌립니다.</translation>
    </message>
    <message>
        <source>Lists every file of the run and what became of it.</source>
        <translation>이번 작업의 모든 파일과 그 결과를 나열합니다.</translation>
    </message>
    <message>
        <source>Returns to the drop page; Escape does the same.</source>
        <translation>끌어다 놓기 화면으로 돌아갑니다. Esc 키도 같습니다.</translation>
    </message>
    <message>
        <source>Choose a folder to convert</source>
        <translation>변환할 폴더 선택</translation>
    </message>
    <message>
        <source>Converting files, please wait.</source>
        <translation>파일을 변환하는 중입니다. 잠시 기다려 주십시오.</translation>
    </message>
    <message>
        <source>Processing %1</source>
        <translation>%1 처리 중</translation>
    </message>
    <message>
        <source>Cancelling...</source>
        <translation>취소하는 중...</translation>
    </message>
    <message>
        <source>Choose a folder to save converted files in</source>
        <translation>변환된 파일을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>Choose a save folder</source>
        <translation>저장 폴더 선택</translation>
    </message>
    <message>
        <source>save to: %1</source>
        <translation>저장 위치: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>%1에 저장하지 않고 원본 파일을 바꿉니다</translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>파일 1개</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>파일 %n개</numerusform>
        </translation>
    </message>
    <message>
        <source>Undo the run of %1: %2 to %3</source>
        <extracomment>%1 is when the run was, %2 how many files it changed (&quot;3 files&quot;), %3 the encoding they were converted to.</extracomment>
        <translation>%1 작업 되돌리기: %2 → %3</translation>
    </message>
    <message>
        <source>%1
Convert anyway, without Undo?</source>
        <extracomment>%1 says why the originals cannot be kept for Undo.</extracomment>
        <translation>%1
되돌릴 수 없어도 변환하시겠습니까?</translation>
    </message>
    <message>
        <source>Undoing...</source>
        <translation>되돌리는 중...</translation>
    </message>
    <message>
        <source>That run is still going, in this window or in another Karvo. Undo it once it is done.</source>
        <translation>그 작업은 아직 진행 중입니다(이 창 또는 다른 Karvo에서). 끝난 뒤에 되돌리세요.</translation>
    </message>
    <message>
        <source>save to: %1 (missing)</source>
        <extracomment>Under the target encoding: converted files go into the folder %1. The save folder %1 was chosen, but is not there now; Karvo asks before the next run.</extracomment>
        <translation>저장 위치: %1 (없음)</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page</source>
        <extracomment>An entry of the Home button&apos;s menu</extracomment>
        <translation>Karvo 홈페이지</translation>
    </message>
    <message>
        <source>About Karvo</source>
        <translation>Karvo 정보</translation>
    </message>
    <message>
        <source>Karvo&apos;s home page, and its version and licence (F1)</source>
        <translation>Karvo 홈페이지와 버전 및 라이선스(F1)</translation>
    </message>
    <message>
        <source>Opens Karvo&apos;s home page or the About box.</source>
        <translation>Karvo 홈페이지나 정보 상자를 엽니다.</translation>
    </message>
    <message>
        <source>Shows the files whose encoding is uncertain, to convert them with the encoding you pick.</source>
        <translation>인코딩이 불확실한 파일을 보여 주고, 고른 인코딩으로 변환합니다.</translation>
    </message>
    <message>
        <source>Opens the folder the copies went into.</source>
        <translation>사본을 저장한 폴더를 엽니다.</translation>
    </message>
    <message>
        <source>Looking for files...</source>
        <translation>파일을 찾는 중…</translation>
    </message>
    <message>
        <source>One more drop waits its turn.</source>
        <translation>끌어다 놓은 항목 1건이 차례를 기다립니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n more drops wait their turn.</source>
        <translation>
            <numerusform>끌어다 놓은 항목 %n건이 차례를 기다립니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>The next drop starts when you go back.</source>
        <translation>돌아가면 다음 항목이 시작됩니다.</translation>
    </message>
    <message numerus="yes">
        <source>%n drops wait: the next starts when you go back.</source>
        <translation>
            <numerusform>%n건이 기다리는 중: 돌아가면 다음이 시작됩니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>This file is larger than 10 MiB.
Is it really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MiB; its name is the box&apos;s title.</extracomment>
        <translation>이 파일은 10MiB보다 큽니다.
정말 텍스트 파일입니까?</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MiB.
Are they really text files?</source>
        <translation>
            <numerusform>%n개 파일이 10MiB보다 큽니다.
정말 텍스트 파일입니까?</numerusform>
        </translation>
    </message>
    <message>
        <source>The save folder %1 is not there.
Create it again, choose another folder, or convert the files in place?</source>
        <extracomment>%1 is the save folder&apos;s path</extracomment>
        <translation>저장 폴더 %1이(가) 없습니다.
다시 만들까요, 다른 폴더를 고를까요, 아니면 그 자리에서 변환할까요?</translation>
    </message>
    <message>
        <source>Create it again</source>
        <translation>다시 만들기</translation>
    </message>
    <message>
        <source>Choose another...</source>
        <translation>다른 폴더…</translation>
    </message>
    <message>
        <source>Convert in place</source>
        <translation>그 자리에서 변환</translation>
    </message>
    <message>
        <source>Copies in %1</source>
        <extracomment>A link on the result page to the folder the converted copies went into</extracomment>
        <translation>사본 위치: %1</translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>세부 정보</translation>
    </message>
    <message>
        <source>Files of the run</source>
        <translation>이번 작업의 파일</translation>
    </message>
    <message>
        <source>Problems only</source>
        <comment>Shows only the files that failed, are doubtful or were left alone</comment>
        <translation>문제만</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>CSV로 저장</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <extracomment>The file type filter of the save dialog; keep (*.csv) as it is.</extracomment>
        <translation>CSV 파일 (*.csv)</translation>
    </message>
    <message>
        <source>Copy</source>
        <extracomment>Copies the selected rows of the Detail table as text</extracomment>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save as CSV...</source>
        <translation>CSV로 저장…</translation>
    </message>
    <message>
        <source>karvo-detail.csv</source>
        <extracomment>The name the CSV file is offered under</extracomment>
        <translation>karvo-상세.csv</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <extracomment>%1 is a file&apos;s path, %2 the system&apos;s reason</extracomment>
        <translation>%1을(를) 저장할 수 없습니다: %2</translation>
    </message>
</context>
<context>
    <name>KvReviewDialog</name>
    <message>
        <source>Review</source>
        <translation>인코딩 검토</translation>
    </message>
    <message>
        <source>Files to review</source>
        <translation>검토할 파일</translation>
    </message>
    <message>
        <source>Encoding of the file</source>
        <translation>파일의 인코딩</translation>
    </message>
    <message>
        <source>The start of the file, read in that encoding</source>
        <translation>그 인코딩으로 읽은 파일의 앞부분</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <extracomment>An encoding and how well the file reads in it, as in &quot;GB18030 (62 %)&quot;</extracomment>
        <translation>%1 (%2%)</translation>
    </message>
    <message>
        <source>File</source>
        <extracomment>Columns of the review&apos;s file list: the file, and the encoding Karvo thinks likeliest</extracomment>
        <translation>파일</translation>
    </message>
    <message>
        <source>Likely</source>
        <translation>추정</translation>
    </message>
    <message>
        <source>Use this encoding for all selected</source>
        <translation>선택한 모든 파일에 이 인코딩 사용</translation>
    </message>
    <message>
        <source>Karvo is not sure which encoding these files are in. Select files, pick the encoding in which the text reads right, and convert them; files you do not convert stay as they are.</source>
        <translation>Karvo는 이 파일들의 인코딩을 확신하지 못합니다. 파일을 선택하고, 글이 제대로 읽히는 인코딩을 골라 변환하세요. 변환하지 않은 파일은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <extracomment>A reviewed file&apos;s status and why, as in &quot;Failed: Could not convert file: ...&quot;</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Converting...</source>
        <translation>변환 중…</translation>
    </message>
</context>
</TS>
