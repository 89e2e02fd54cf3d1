<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>버전:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery는 하드 디스크, 메모리 카드, USB 드라이브, 디스크 이미지에서 포맷되었거나 손실된 파티션의 파일을 포함해 삭제되거나 손실된 파일을 찾아 선택한 폴더로 복사합니다. 복구할 디스크는 읽기만 하며 절대 쓰지 않습니다.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>자세한 내용은 다음을 방문하세요:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>고급 필터</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>데이터를 복구하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>복구 중: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>데이터를 해제하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>액세스 권한 없음</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>&apos;액세스 권한 없음&apos;으로 표시된 장치는 관리자 권한으로만 읽을 수 있습니다. 스캔하려면 메뉴 항목에서 프로그램을 시작하거나(암호를 묻습니다) root로 실행하세요.</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation>보기&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>폴더</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>파일 크기</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>스캔을 중지할까요?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>지금 중지하면 손실된 파일을 모두 찾지 못할 수 있습니다.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>돌아가기 전에 찾은 파일을 복구하는 것이 좋습니다.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>지금 홈으로 돌아가면 찾은 파일이 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>홈으로 돌아갈까요?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>파일 경로</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>파일 유형</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>예: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>파일 유형</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>삭제된 파일 보기</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>초기화</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>바탕 화면</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>휴지통</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>로컬 드라이브</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>로컬 드라이브(%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>외장 드라이브(%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>위치 지정</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>레이블: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>디스크: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>장치: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>파일 시스템: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>손실된 데이터를 검색할 위치를 선택하세요</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>데이터를 어디서 잃어버렸는지 모르시나요? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;디스크 스캔&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>손실된 데이터 검색</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>이 경로를 스캔할 수 없습니다. 디스크 읽기 권한을 확인하거나 다른 경로를 선택하세요.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>디스크에서 데이터를 읽는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>&apos;이름 없는 파일&apos;이란?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>&apos;손실된 파티션&apos;이란?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>&apos;마운트되지 않은 파티션&apos;이란?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>&apos;할당되지 않은 파티션&apos;이란?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>고급 스캔 모드에서는 더 많은 손실된 파일을 찾을 수 있습니다. 다만 일부 파일은 원래 파일 이름과 경로 정보를 잃었습니다. 이 파일들이 바로 찾고 있는 파일일 수 있습니다.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>파티션은 삭제하거나 포맷한 후 손실될 수 있습니다. 이 파일들이 바로 찾고 있는 파일일 수 있습니다.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>숨겨져 있거나 드라이브 문자가 없는 파티션은 마운트되지 않은 것으로 표시될 수 있습니다.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>삭제된 파티션을 다시 만들지 않으면 디스크 공간은 할당되지 않은 상태로 남습니다. 이 파일들이 바로 찾고 있는 파일일 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>MainTitleBar</name>
    <message>
        <source>Korean</source>
        <translation>한국어</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語</translation>
    </message>
    <message>
        <source>Chinese(Simplified)</source>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Chinese(Traditional)</source>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>가이드</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>자주 묻는 질문</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>로그 폴더 열기</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>파일 관리자를 열 수 없습니다. 로그 파일 위치:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>지난번에 프로그램이 예기치 않게 종료되었습니다. 문제 해결에 도움이 되도록 충돌 보고서와 로그를 보낼까요?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>보내지 않음</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>보내기</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>복구</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>먼저 찾은 파일을 복구할 수 있습니다</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>이 도구를 사용하는 동안 다른 프로그램을 닫아 주세요</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>RAM 사용량</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>메모리가 부족하여 스캔이 일시 중지되었습니다</translation>
    </message>
</context>
<context>
    <name>ModifiedDateComboBox</name>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>수정한 날짜</translation>
    </message>
</context>
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
        <translation>동영상</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>SD 카드를 컴퓨터에 연결하세요.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>카드 리더기로 SD 카드를 컴퓨터에 연결하세요.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>드라이브가 감지되지 않나요?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. 모든 외부 장치를 분리한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. 스캔할 외부 장치만 연결하세요. 다른 USB 포트로 바꾼 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>여전히 문제가 있나요? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;문의하기 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>디스크 연결 확인</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>디스크 상태 확인</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>여전히 문제가 있나요? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;문의하기 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>디지털 카메라의 데이터를 복구하려면 SD 카드를 꺼내 카드 리더기로 컴퓨터에 연결하세요.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>위의 방법으로도 해결되지 않으면 다른 카드 리더기나 컴퓨터로 다시 시도하세요.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;정상&lt;/b&gt;&lt;br/&gt;디스크가 연결되어 있으며 정상 상태입니다. 그래도 감지되지 않으면 &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;문의해 주세요&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;미디어 없음&lt;/b&gt;&lt;br/&gt;SD 카드가 더 이상 인식되지 않으면 손상되었을 수 있습니다.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>카드 리더기가 인식되지 않으면 다른 USB 포트나 컴퓨터 뒷면의 포트를 사용해 보세요.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;할당되지 않음&lt;/b&gt;&lt;br/&gt;먼저 전체 디스크 페이지(&apos;디스크 스캔&apos;)에서 카드의 할당되지 않은 공간을 스캔하세요. 카드에 새 볼륨은 파일을 복구한 후에만 만드세요. 볼륨을 만들면 카드에 데이터가 기록됩니다.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;디스크 관리&lt;/a&gt;를 열고 다음과 같이 SD 카드 상태를 확인하세요:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>데스크톱의 디스크 도구를 열거나 터미널에서 &lt;b&gt;lsblk&lt;/b&gt;를 실행한 다음, 아래와 같이 SD 카드 상태를 확인하세요:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>이 파일은 미리 보기를 지원하지 않습니다.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;복구&lt;/a&gt;한 후 열어 보세요.</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>0KB 파일 숨기기</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>시스템 파일 숨기기</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>임시 파일 숨기기</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>브라우저 캐시 숨기기</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>사진</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>동영상</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>문서</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>압축 파일</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>확장자 없는 파일</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>저장되지 않은 파일</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>제한 없음</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>오늘</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>어제</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>지난주</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>지난달</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanel</name>
    <message>
        <source>Preview</source>
        <translation>미리 보기</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>열기</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>수정한 날짜</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>유형</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>일부 디스크의 연결이 끊어졌습니다.
다시 연결한 후 스캔하고 다시 내보내세요.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>연결이 끊어진 디스크: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>복구된 데이터 확인</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>복구가 중지되었습니다.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>복구가 완료되지 않았습니다.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>복구에 성공했습니다.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>파일 관리자를 열 수 없습니다. 복구된 파일 위치:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>불완전하게 복구된 파일(데이터 일부가 잘못되었거나 누락되었을 수 있음): %1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>스캔한 디스크의 연결이 끊어졌습니다. 디스크를 다시 연결하고 데이터를 다시 스캔하세요.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>내보내기 대상 디스크의 연결이 끊어졌습니다. 데이터를 다시 내보내세요.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>내보내기 대상 디스크가 가득 찼습니다. 디스크 공간을 확보하거나 다른 위치를 선택한 후 데이터를 다시 내보내십시오.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>데이터를 스캔하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>파일을 검색하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>파일을 찾지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>파일을 찾지 못했습니다...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. 스캔이 완료될 때까지 기다린 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. 필터를 줄여 보세요.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. 스캔이 완료된 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. 검색어를 올바르게 입력했는지 확인하세요.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. 파일 이름이 손실되었을 수 있습니다. &lt;a href=&quot;123&quot;&gt;여기에서 검색&lt;/a&gt;하세요.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>데이터를 필터링하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>프로그램을 종료할까요?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>지금 종료하면 찾은 파일이 저장되지 않습니다.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;파일 경로/유형&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>손실된 파일의 위치를 기억한다면 파일 경로로, 기억나지 않는다면 파일 유형으로 찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>찾은 파일이 많을 때는 검색으로 필요한 파일을 빠르게 찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;이전&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;찾은 파일 확인&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>복구할 데이터를 확인하고 선택하세요.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;이전&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;데이터 복구&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>버튼을 클릭하면 손실된 데이터를 복구합니다.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;이전&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>디스크에서 데이터를 읽는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>드라이브 정보를 새로 고치는 데 시간이 걸릴 수 있습니다.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;드라이브가 여전히 표시되지 않나요?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>복구할 파일을 선택하세요.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>지금 선택</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1은(는) 읽기 전용입니다. 데이터를 저장할 다른 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>다른 위치 선택</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>데이터를 잃어버린 %1에 저장하면 데이터를 덮어써서 영구적으로 손실됩니다.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>그래도 저장</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>%1의 디스크 공간이 부족합니다. 이 드라이브의 공간을 확보한 후 다시 시도하거나 데이터를 저장할 다른 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>복구를 중지할까요?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 사용 가능</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>선택됨: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>디스크 %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>손실된 데이터를 복구할 SD 카드를 선택하세요</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>카드 리더기로 SD 카드를 컴퓨터에 연결하면 디지털 카메라(Sony, Canon, Nikon 등), 액션 카메라(ins360, GoPro, DJI 등), 여러 브랜드의 드론, 차량용 블랙박스와 CCTV에서 손실된 사진과 동영상을 복구할 수 있습니다.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>SD 카드가 감지되지 않나요? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;도움말&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>손실된 데이터 검색</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>스캔 완료</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>지금 데이터를 확인하고 복구하세요!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>스캔 중 일부 디스크의 연결이 끊어졌습니다.
손실된 데이터를 찾지 못했다면 다시 연결하고 다시 스캔하세요.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>연결이 끊어진 디스크: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>크기: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>파일: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>찾은 파일 확인</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>복구</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>데이터를 스캔하는 중입니다. 잠시 기다려 주세요...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>남은 시간:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>스캔 완료</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>스캔이 중지되었습니다!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>빠른 스캔 - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>스캔 일시 중지됨 - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>고급 스캔 - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>정밀 스캔 - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>찾은 파일: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>선택됨: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>돌아가기</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>홈</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1(%2)개 항목을 찾았습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>파일을 찾지 못했습니다...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>필터 기능을 사용하면 파일 유형, 크기, 수정 시간 등의 속성으로 필요한 파일을 찾을 수 있습니다.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>필터</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>스캔 결과</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>찾은 파일이 여기에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>프로그램을 종료할까요?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>스캔할 위치를 선택하세요</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>디스크, 파티션, 폴더 목록이 여기에 표시됩니다.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>데이터 복구</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>하드 드라이브</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>고급 복구</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD 카드</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>프로그램을 종료할까요?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;1단계:&lt;/font&gt; 하드 드라이브 복구</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>PC에서 손실된 데이터를 복구합니다.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;2단계:&lt;/font&gt; 위치 선택</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>손실된 데이터를 검색할 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;이전&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>다음</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;3단계:&lt;/font&gt; 손실된 데이터 검색</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>버튼을 클릭하면 손실된 데이터를 검색합니다.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;이전&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>완료</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>확인하는 중...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>나중에 알림</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>지금 업그레이드</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>현재 최신 버전입니다.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>업데이트 정보를 가져오지 못했습니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>새 버전을 사용할 수 있습니다!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>버전: %1 | 크기: %2 | 출시일: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>하드 드라이브를 선택하고 데이터를 스캔하세요</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;다음과 같은 경우 하드 드라이브 전체를 스캔하는 것이 좋습니다:&lt;/p&gt;1. 어느 디스크에서 데이터가 손실되었는지 알 수 없는 경우&lt;br/&gt;2. 파티션을 포맷하거나 삭제한 후 여러 파티션이 사라진 경우</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>연결된 하드 드라이브를 찾을 수 없나요? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;도움말&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>스캔 시작</translation>
    </message>
</context>
</TS>
