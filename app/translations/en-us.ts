<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Type</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ModifiedDateComboBox</name>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanel</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
