<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>KvMainWindow</name>
    <message>
        <source>Drop Text File/Folder Here</source>
        <translation>파일이나 폴더를 놓으세요</translation>
    </message>
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
        <source>set save folder.</source>
        <translation>변환한 파일을 저장할 폴더 선택</translation>
    </message>
    <message>
        <source>replace source file</source>
        <translation>원본 파일에 덮어쓰기</translation>
    </message>
    <message>
        <source>please waiting...</source>
        <translation>잠시 기다려 주세요…</translation>
    </message>
    <message>
        <source>File Size &gt; 10 MBytes.
 Does this really a text file?</source>
        <translation>파일 크기가 10MB를 넘습니다.
텍스트 파일이 맞습니까?</translation>
    </message>
    <message>
        <source>save to: </source>
        <translation>저장 위치: </translation>
    </message>
</context>
<context>
    <name>KvResultDialog</name>
    <message>
        <source>Detail</source>
        <translation>세부 정보</translation>
    </message>
</context>
</TS>
