<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
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
        <source>Print only the files that failed or whose encoding is uncertain.</source>
        <translation>실패했거나 인코딩이 불확실한 파일만 출력합니다.</translation>
    </message>
    <message>
        <source>Files and folders to convert.</source>
        <translation>변환할 파일과 폴더.</translation>
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
        <translation>저장 폴더 &apos;%1&apos;을(를) 만들 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Dry run: nothing was written.</source>
        <translation>시험 실행: 아무것도 쓰지 않았습니다.</translation>
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
        <source>Could not find codec for the target encoding.</source>
        <translation>대상 인코딩을 처리할 수 없습니다.</translation>
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
        <source>Could not open target file.</source>
        <translation>대상 파일을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not write target file: a symbolic link of that name is in the save folder.</source>
        <translation>대상 파일을 쓸 수 없습니다: 저장 폴더에 이름이 같은 심볼릭 링크가 있습니다.</translation>
    </message>
    <message>
        <source>It is not a regular file.</source>
        <extracomment>Why a file was not read: a folder, a device, a pipe or the like.</extracomment>
        <translation>일반 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>파일이 읽기 전용입니다</translation>
    </message>
    <message>
        <source>a file of that name appeared during the conversion</source>
        <translation>변환 중에 같은 이름의 파일이 생겼습니다</translation>
    </message>
    <message>
        <source>the existing file could not be kept</source>
        <translation>기존 파일을 보관할 수 없습니다</translation>
    </message>
    <message>
        <source>The converted text is kept in %1.</source>
        <translation>변환된 텍스트는 %1에 보관되어 있습니다.</translation>
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
        <source>Not converted: the same file is already in this run.</source>
        <translation>변환하지 않았습니다: 같은 파일이 이미 이번 작업에 있습니다.</translation>
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
        <source>Could not convert file: the character U+%1 at line %2, column %3 cannot be written in %4.</source>
        <extracomment>%1 is a Unicode code point in hexadecimal, %4 the name of the target encoding.</extracomment>
        <translation>파일을 변환할 수 없습니다: %2행 %3열의 문자 U+%1은(는) %4(으)로 쓸 수 없습니다.</translation>
    </message>
    <message>
        <source>Could not read source file.</source>
        <translation>원본 파일을 읽을 수 없습니다.</translation>
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
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[건너뜀] </translation>
    </message>
    <message>
        <source>(binary file, left alone)</source>
        <translation>(바이너리 파일, 그대로 둠)</translation>
    </message>
    <message>
        <source>[Doubtful] </source>
        <extracomment>The status before the name of a file run alone. The space after it only pads it and may change.</extracomment>
        <translation>[불확실] </translation>
    </message>
    <message>
        <source>[Failed] </source>
        <translation>[실패] </translation>
    </message>
    <message numerus="yes">
        <source>%n failed</source>
        <comment>files</comment>
        <translation>
            <numerusform>%n개 실패</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n to review</source>
        <comment>files whose encoding is uncertain</comment>
        <translation>
            <numerusform>%n개 검토 필요</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n binary left alone</source>
        <comment>files</comment>
        <translation>
            <numerusform>바이너리 %n개는 그대로 둠</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>cancelled after %1 of %n files</source>
        <extracomment>%1 files were done when the run was cancelled, out of %n</extracomment>
        <translation>
            <numerusform>%n개 중 %1개 처리 후 취소됨</numerusform>
        </translation>
    </message>
    <message>
        <source>[%1/%2] Success!</source>
        <extracomment>The summary of a run: %1 text files converted out of %2.</extracomment>
        <translation>[%1/%2] 성공!</translation>
    </message>
    <message>
        <source>[Undone]  </source>
        <extracomment>The status that begins an undo&apos;s Detail line. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[되돌림]  </translation>
    </message>
    <message>
        <source>[Left]       </source>
        <extracomment>The status that begins an undo&apos;s Detail line: the file was left as it is. The spaces after it only pad it; they align nothing and may change.</extracomment>
        <translation>[그대로]    </translation>
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
        <source>it starts as UTF-8, but has other bytes further in</source>
        <extracomment>why detection asks</extracomment>
        <translation>UTF-8로 시작하지만 뒤쪽에 다른 바이트가 있습니다</translation>
    </message>
</context>
<context>
    <name>Karvo::Undo</name>
    <message>
        <source>%1 Its original is kept as %2.</source>
        <extracomment>Why a file was not undone (%1), then where its original is (%2).</extracomment>
        <translation>%1 원본은 %2에 보관되어 있습니다.</translation>
    </message>
    <message>
        <source>It was moved or deleted after the run.</source>
        <translation>작업 후에 이동되었거나 삭제되었습니다.</translation>
    </message>
    <message>
        <source>It was changed after the run.</source>
        <translation>작업 후에 변경되었습니다.</translation>
    </message>
    <message>
        <source>It could not be removed: %1.</source>
        <translation>삭제할 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>Its original could not be read: %1.</source>
        <translation>원본을 읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>It could not be written: %1.</source>
        <translation>쓸 수 없습니다: %1.</translation>
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
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <extracomment>Asked before converting a file larger than 10 MB; its name is the box&apos;s title.</extracomment>
        <translation>파일 크기가 10MB를 넘습니다.
텍스트 파일이 맞습니까?</translation>
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
        <source>Opens Karvo&apos;s home page in the web browser.</source>
        <translation>웹 브라우저에서 Karvo 홈페이지를 엽니다.</translation>
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
        <source>Shows the files whose encoding is uncertain, to convert each with the encoding you pick.</source>
        <translation>인코딩이 불확실한 파일을 보여 주어, 고른 인코딩으로 하나씩 변환할 수 있게 합니다.</translation>
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
        <source>Processing, please waiting...</source>
        <translation>처리 중입니다. 잠시만 기다려 주십시오...</translation>
    </message>
    <message numerus="yes">
        <source>%n files are larger than 10 MBytes.
Are they really text files?</source>
        <translation>
            <numerusform>%n개 파일이 10MB를 넘습니다.
모두 텍스트 파일이 맞습니까?</numerusform>
        </translation>
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
        <extracomment>Under the target encoding: converted files go into the folder %1.</extracomment>
        <translation>저장 위치: %1</translation>
    </message>
    <message>
        <source>Stop saving to %1: replace the source files</source>
        <translation>%1에 저장하지 않고 원본 파일을 바꿉니다</translation>
    </message>
    <message>
        <source>%1 is gone: replace source file</source>
        <translation>%1이(가) 없습니다: 원본 파일에 덮어쓰기</translation>
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
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>세부 정보</translation>
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
        <source>Convert</source>
        <extracomment>converts the chosen file from the encoding picked above</extracomment>
        <translation>변환</translation>
    </message>
    <message>
        <source>Karvo is not sure in which encoding these files are. Pick the one in which the text reads right, then convert it; files you do not convert stay as they are.</source>
        <translation>Karvo가 이 파일들의 인코딩을 확신할 수 없습니다. 글이 제대로 읽히는 인코딩을 고른 뒤 변환하십시오. 변환하지 않은 파일은 그대로 남습니다.</translation>
    </message>
    <message>
        <source>%1 (%2 %)</source>
        <translation>%1 (%2%)</translation>
    </message>
</context>
</TS>
