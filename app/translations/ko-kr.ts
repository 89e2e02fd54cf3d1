<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>로컬 드라이브</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>외장 드라이브</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>시스템 디스크</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>손실된 파티션</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>마운트되지 않은 파티션</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>할당되지 않은 파티션</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>파일 이름 손실</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>파일 경로 손실</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>압축 파일</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>저장되지 않은 파일</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>확장자 없는 파일</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>모든 파일</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB 드라이브</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>알 수 없음</translation>
    </message>
</context>
</TS>
