<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>版本：</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery 可在硬碟、記憶卡、隨身碟和磁碟映像檔中找出已刪除及遺失的檔案，包括已格式化或遺失之分割區上的檔案，並將它們複製到您選擇的資料夾。它只會讀取要復原的磁碟，絕不寫入。</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>若要深入了解，請造訪：</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. 保留所有權利。</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>進階篩選</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>正在復原資料，請稍候...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>正在復原：%1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>正在釋放資料，請稍候...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>無存取權限</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>標示為「無存取權限」的裝置只能以系統管理員權限讀取。若要掃描這些裝置，請從選單項目啟動本程式（會要求輸入密碼），或以 root 身分執行。</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation>檢視&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>不限</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>檔案大小</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>要停止掃描嗎？</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>若現在停止，可能無法完整找到遺失的檔案。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>建議先復原找到的檔案再返回。</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>若現在返回首頁，找到的檔案將不會保留。</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>要返回首頁嗎？</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>檔案路徑</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>檔案類型</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>例如：doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>檔案類型</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>檢視已刪除的檔案</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重設</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>選取資料夾</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>本機磁碟</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>本機磁碟（%1）</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>外接磁碟（%1）</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>指定位置</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>標籤：%1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>磁碟：%1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>裝置：%1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>檔案系統：%1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>選取要搜尋遺失資料的位置</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>不確定資料在哪裡遺失？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;掃描磁碟&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>搜尋遺失的資料</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>無法掃描此路徑。請檢查磁碟的讀取權限，或選取其他路徑。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>正在從磁碟讀取資料，請稍候...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>什麼是「名稱遺失的檔案」？</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>什麼是「遺失的分割區」？</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>什麼是「未掛載的分割區」？</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>什麼是「未配置的分割區」？</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>進階掃描模式可以找到更多遺失的檔案，但其中有些檔案已遺失原始檔名與路徑資訊。這些可能正是您需要的檔案。</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>分割區在刪除或格式化後可能會遺失。這些檔案可能正是您需要的。</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>分割區若被隱藏或沒有磁碟機代號，可能會顯示為未掛載。</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>分割區刪除後未重新建立，磁碟空間會維持未配置。這些檔案可能正是您需要的。</translation>
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
        <translation>語言</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常見問題</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>開啟記錄檔資料夾</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>無法開啟檔案管理員。記錄檔位於：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>程式上次意外關閉。要傳送當機報告和記錄檔，協助我們修正問題嗎？</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>不要傳送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>傳送</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>復原</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>您可以先復原已找到的檔案</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>使用本工具時請關閉其他程式</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>記憶體使用量</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>記憶體不足，掃描已暫停</translation>
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
        <translation>修改日期</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>本機磁碟</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>外接磁碟</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>系統磁碟</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>遺失的分割區</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>未掛載的分割區</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>未配置的分割區</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>資料夾</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>檔名遺失</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>檔案路徑遺失</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>壓縮檔</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未儲存的檔案</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>無副檔名的檔案</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有檔案</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB 磁碟機</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>未知</translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>請將 SD 卡連接到電腦。</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>透過讀卡機將 SD 卡連接到電腦。</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>偵測不到您的磁碟？</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. 移除所有外接裝置後再試一次。</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. 只連接要掃描的外接裝置。改用其他 USB 連接埠後再試一次。</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>仍有問題？&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;聯絡我們 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>我知道了</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>檢查磁碟連線</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>檢查磁碟狀態</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>仍有問題？&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;聯絡我們 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>若要復原數位相機的資料，請取出 SD 卡，並透過讀卡機連接到電腦。</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>若以上方法都無效，請更換讀卡機或電腦後再試一次。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;狀況良好&lt;/b&gt;&lt;br/&gt;磁碟已連接且狀況良好。若仍偵測不到，請&lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;聯絡我們&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;沒有媒體&lt;/b&gt;&lt;br/&gt;若已無法辨識 SD 卡，它可能已經損壞。</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>若無法辨識讀卡機，請改用其他 USB 連接埠或電腦背面的連接埠。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;未配置&lt;/b&gt;&lt;br/&gt;請先在整顆磁碟頁面（「掃描磁碟」）掃描記憶卡的未配置空間。檔案復原完成後，再於記憶卡上建立新磁碟區：建立磁碟區會寫入記憶卡。</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>開啟&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;磁碟管理&lt;/a&gt;，依下列方式檢查 SD 卡狀態：</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>開啟桌面環境的磁碟工具，或在終端機中執行 &lt;b&gt;lsblk&lt;/b&gt;，然後依下列方式檢查 SD 卡狀態：</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>此檔案不支援預覽。</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>請在&lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;復原&lt;/a&gt;後開啟。</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>隱藏 0 KB 檔案</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>隱藏系統檔案</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>隱藏暫存檔案</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>隱藏瀏覽器快取</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>相片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>壓縮檔</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>無副檔名的檔案</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未儲存的檔案</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>不限</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今天</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨天</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>上週</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>上個月</translation>
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
        <translation>預覽</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開啟</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>類型</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>部分磁碟已中斷連線。
請重新連接，然後再次掃描並匯出。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>已中斷連線的磁碟：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>檢視復原的資料</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>復原已停止。</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>復原未完成。</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>復原成功。</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>無法開啟檔案管理員。復原的檔案位於：
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>未完整復原的檔案（部分資料可能有誤或遺失）：%1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>掃描的磁碟已中斷連線。請重新連接磁碟並再次掃描資料。</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>匯出目的地磁碟已中斷連線。請重新匯出資料。</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>匯出目標磁碟已滿。請釋放該磁碟的空間或選擇其他位置，然後重新匯出資料。</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>正在掃描資料，請稍候...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>正在搜尋檔案，請稍候...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>找不到檔案，請再試一次。</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>找不到檔案...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. 請等候掃描完成後再試一次。</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. 可以試著減少篩選條件。</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. 請在掃描完成後再試一次。</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. 請確認輸入的關鍵字正確。</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. 檔名可能已遺失。請&lt;a href=&quot;123&quot;&gt;在這裡搜尋&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>正在篩選資料，請稍候...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>要結束程式嗎？</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>若現在結束，找到的檔案將不會保留。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;檔案路徑/類型&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>若還記得遺失檔案的位置，可以依檔案路徑尋找；若不記得，可以依檔案類型尋找。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>找到的檔案很多時，搜尋可以協助您快速找到需要的檔案。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;上一步&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;檢查找到的檔案&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>檢查並勾選要復原的資料。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;上一步&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;復原資料&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>按一下按鈕即可復原遺失的資料。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;上一步&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>正在從磁碟讀取資料，請稍候...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>重新整理磁碟資訊可能需要一些時間。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;仍然看不到磁碟？&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>請選取要復原的檔案。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>立即選取</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 為唯讀。請選取其他位置儲存資料。</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>選取其他位置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>將資料儲存到 %1（資料遺失的位置）會覆寫資料，導致資料永久遺失。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>仍要儲存</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>%1 的磁碟空間不足。請釋放此磁碟的空間後再試一次，或選取其他位置儲存資料。</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>確定要停止復原嗎？</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1：可用 %2</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>已選取：%1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>磁碟 %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>選取要復原遺失資料的 SD 卡</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>透過讀卡機將 SD 卡連接到電腦，即可復原數位相機（Sony、Canon、Nikon 等）、運動攝影機（ins360、GoPro、DJI 等）、各品牌空拍機、行車記錄器和監視器中遺失的相片與影片。</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>偵測不到 SD 卡？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;取得協助&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>搜尋遺失的資料</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>掃描完成</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>立即檢查並復原您的資料！</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>掃描期間部分磁碟已中斷連線。
若找不到遺失的資料，請重新連接並再次掃描。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>已中斷連線的磁碟：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>檔案：%1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>檢查找到的檔案</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>正在掃描資料，請稍候...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>剩餘時間：</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>掃描完成</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>掃描已停止！</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>快速掃描 - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>掃描已暫停 - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>進階掃描 - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>深度掃描 - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>已找到檔案：%1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>已選取：%1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>首頁</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>找到 %1（%2）個項目。</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>找不到檔案...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>使用篩選功能，可依檔案類型、大小、修改時間等屬性找到您需要的檔案。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>篩選</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>掃描結果</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>找到的檔案會顯示在這裡。</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>要結束程式嗎？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>選取要掃描的位置</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>磁碟、分割區和資料夾清單會顯示在這裡。</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>資料復原</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>硬碟</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>進階復原</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD 卡</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>要結束程式嗎？</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;步驟 1：&lt;/font&gt;硬碟復原</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>協助您復原電腦中遺失的資料。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;步驟 2：&lt;/font&gt;選取位置</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>選取要搜尋遺失資料的位置。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;上一步&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;步驟 3：&lt;/font&gt;搜尋遺失的資料</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>按一下按鈕即可搜尋遺失的資料。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;上一步&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>正在檢查...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍後提醒我</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即更新</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>目前已是最新版本。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>無法取得更新資訊，請稍後再試。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>有新版本可供使用！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 發行日期：%3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>選取硬碟並掃描資料</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;建議在下列情況掃描整個硬碟：&lt;/p&gt;1. 不清楚資料是從哪個磁碟遺失的。&lt;br/&gt;2. 格式化或刪除分割區後遺失了多個分割區。</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>找不到已連接的硬碟？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;取得協助&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>開始掃描</translation>
    </message>
</context>
</TS>
