<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
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
        <translation>Ostrel Windows Data Recovery 可在硬盘、存储卡、U 盘和磁盘映像中找到已删除和丢失的文件，包括已格式化或丢失的分区上的文件，并将它们复制到您选择的文件夹。它只读取要恢复的磁盘，从不向其写入。</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>了解更多信息，请访问：</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. 保留所有权利。</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>高级筛选</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>正在恢复数据，请稍候...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>正在恢复：%1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>正在释放数据，请稍候...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>无访问权限</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>标记为“无访问权限”的设备只能以管理员权限读取。要扫描这些设备，请从菜单项启动本程序（会要求输入密码），或以 root 身份运行。</translation>
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
        <translation>查看&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
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
        <translation>自定义</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>文件大小</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>停止扫描？</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>如果现在停止，可能无法完整找到丢失的文件。</translation>
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
        <translation>建议先恢复找到的文件再返回。</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>如果现在返回首页，找到的文件将不会保存。</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>返回首页？</translation>
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
        <translation>文件路径</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>文件类型</translation>
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
        <translation>文件类型</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>查看已删除文件</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>重置</translation>
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
        <translation>回收站</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>本地磁盘</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>本地磁盘（%1）</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>外部磁盘（%1）</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>指定位置</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>卷标：%1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>磁盘：%1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>设备：%1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>文件系统：%1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>选择要搜索丢失数据的位置</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>不确定数据在哪里丢失？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;扫描磁盘&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>搜索丢失数据</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>无法扫描此路径。请检查磁盘读取权限或选择其他路径。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>正在从磁盘读取数据，请稍候...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>什么是“丢失名称的文件”？</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>什么是“丢失的分区”？</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>什么是“未挂载的分区”？</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>什么是“未分配的分区”？</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>高级扫描模式可以找到更多丢失的文件。但其中一些文件已丢失原始文件名和路径信息。这些可能正是您需要的文件。</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>分区在删除或格式化后可能会丢失。这些文件可能正是您需要的。</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>分区被隐藏或没有盘符时，可能显示为未挂载。</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>分区删除后未重新创建，磁盘空间处于未分配状态。这些文件可能正是您需要的。</translation>
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
        <translation>语言</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>使用指南</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>常见问题</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>打开日志文件夹</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>无法打开文件管理器。日志文件位于：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>程序上次意外关闭。是否发送崩溃报告和日志，帮助我们解决问题？</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>不发送</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>发送</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>您可以先恢复已找到的文件</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>使用本工具时请关闭其他程序</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>内存使用</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>内存不足，扫描已暂停</translation>
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
        <translation>本地磁盘</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>外部磁盘</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>系统盘</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>丢失的分区</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>未挂载的分区</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>未分配的分区</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>桌面</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>文件名丢失</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>文件路径丢失</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未保存的文件</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>无扩展名文件</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>所有文件</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB 驱动器</translation>
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
        <translation>请将 SD 卡连接到电脑。</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>通过读卡器将 SD 卡连接到电脑。</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>检测不到您的磁盘？</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. 拔下所有外部设备后重试。</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. 只连接要扫描的外部设备。换一个 USB 接口后重试。</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>仍有问题？&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;联系我们 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>知道了</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>检查磁盘连接</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>检查磁盘状态</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>仍有问题？&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;联系我们 &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>要恢复数码相机中的数据，请取出 SD 卡并通过读卡器连接到电脑。</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>如果以上方法都无效，请更换读卡器或电脑后重试。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;状态良好&lt;/b&gt;&lt;br/&gt;磁盘已连接且状态良好。如果仍然检测不到，请&lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;联系我们&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;无媒体&lt;/b&gt;&lt;br/&gt;如果 SD 卡不再被识别，可能已损坏。</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>如果读卡器无法识别，请尝试其他 USB 接口或电脑背面的接口。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;未分配&lt;/b&gt;&lt;br/&gt;请先在整盘页面（“扫描磁盘”）扫描存储卡的未分配空间。文件恢复完成后再在存储卡上新建卷：新建卷会写入存储卡。</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>打开&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;磁盘管理&lt;/a&gt;，按如下方法检查 SD 卡状态：</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>打开桌面环境的磁盘工具，或在终端中运行 &lt;b&gt;lsblk&lt;/b&gt;，然后按如下方式检查 SD 卡状态：</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>该文件不支持预览。</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>请在&lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;恢复&lt;/a&gt;后打开。</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>隐藏 0 KB 文件</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>隐藏系统文件</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>隐藏临时文件</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>隐藏浏览器缓存</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>照片</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>文档</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>电子邮件</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>压缩文件</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>无扩展名文件</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未保存的文件</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
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
        <translation>上周</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>上个月</translation>
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
        <translation>预览</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>修改日期</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>部分磁盘已断开连接。
请重新连接，然后再次扫描并导出。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>已断开的磁盘：%1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>查看恢复的数据</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>恢复已停止。</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>恢复未完成。</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>恢复成功。</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>无法打开文件管理器。恢复的文件位于：
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>未完整恢复的文件（部分数据可能有误或缺失）：%1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>扫描的磁盘已断开连接。请重新连接磁盘并再次扫描数据。</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>导出目标磁盘已断开连接。请重新导出数据。</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>导出目标磁盘已满。请释放该磁盘的空间或选择其他位置，然后重新导出数据。</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>正在扫描数据，请稍候...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>正在搜索文件，请稍候...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>未找到文件，请重试。</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>未找到文件...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. 请等待扫描完成后重试。</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. 可以尝试减少筛选条件。</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. 请在扫描完成后重试。</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. 请确认输入的关键词正确。</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. 文件名可能已丢失。请&lt;a href=&quot;123&quot;&gt;在此处搜索&lt;/a&gt;。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>正在筛选数据，请稍候...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>退出程序？</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>如果现在退出，找到的文件将不会保存。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
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
        <translation>&lt;font style=&apos;color:%1&apos;&gt;文件路径/类型&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>如果还记得丢失文件的位置，可以通过文件路径查找；否则可以通过文件类型查找。</translation>
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
        <translation>搜索</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>找到的文件很多时，搜索可以帮助您快速找到需要的文件。</translation>
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
        <translation>&lt;font style=&apos;color:%1&apos;&gt;查看找到的文件&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>查看并勾选要恢复的数据。</translation>
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
        <translation>&lt;font style=&apos;color:%1&apos;&gt;恢复数据&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>单击该按钮恢复丢失的数据。</translation>
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
        <translation>正在从磁盘读取数据，请稍候...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>刷新磁盘信息可能需要一些时间。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;仍然看不到磁盘？&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>请选择要恢复的文件。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>立即选择</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 为只读。请选择其他位置保存数据。</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>选择其他位置</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>将数据保存到 %1（数据丢失的位置）会覆盖数据，导致数据永久丢失。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>仍然保存</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>%1 的磁盘空间不足。请释放该磁盘的空间后重试，或选择其他位置保存数据。</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>确定要停止恢复吗？</translation>
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
        <translation>已选择：%1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>选择要恢复丢失数据的 SD 卡</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>通过读卡器将 SD 卡连接到电脑，即可恢复数码相机（索尼、佳能、尼康等）、运动相机（ins360、GoPro、大疆等）、各品牌无人机、行车记录仪和监控设备中丢失的照片和视频。</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>检测不到 SD 卡？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;获取帮助&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>搜索丢失数据</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>扫描完成</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>立即查看并恢复您的数据！</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>扫描期间部分磁盘已断开连接。
如果未找到丢失的数据，请重新连接并再次扫描。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>已断开的磁盘：%1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>大小：%1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>文件：%1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>查看找到的文件</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>正在扫描数据，请稍候...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>剩余时间：</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>扫描完成</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>扫描已停止！</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>快速扫描 - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>扫描已暂停 - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>高级扫描 - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>深度扫描 - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>已找到文件：%1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>已选择：%1 (%2)</translation>
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
        <translation>首页</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>找到 %1（%2）个项目。</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>未找到文件...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>使用筛选功能，可按文件类型、大小、修改时间等属性找到您需要的文件。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>筛选</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>扫描结果</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>找到的文件将显示在这里。</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>退出程序？</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>选择要扫描的位置</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>磁盘、分区和文件夹列表将显示在这里。</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>数据恢复</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>高级恢复</translation>
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
        <translation>退出程序？</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;第 1 步：&lt;/font&gt;硬盘恢复</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>帮助您恢复电脑中丢失的数据。</translation>
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
        <translation>&lt;font style=&apos;color:%1&apos;&gt;第 2 步：&lt;/font&gt;选择位置</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>选择要搜索丢失数据的位置。</translation>
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
        <translation>&lt;font style=&apos;color:%1&apos;&gt;第 3 步：&lt;/font&gt;搜索丢失数据</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>单击该按钮搜索丢失的数据。</translation>
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
        <translation>正在检查...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>稍后提醒</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>立即升级</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>当前已是最新版本。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>获取更新信息失败，请稍后重试。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>有新版本可用！</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>版本：%1 | 大小：%2 | 发布日期：%3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>选择硬盘并扫描数据</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;以下情况建议扫描整个硬盘：&lt;/p&gt;1. 不清楚数据是从哪个磁盘丢失的。&lt;br/&gt;2. 格式化或删除分区后丢失了多个分区。</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>找不到已连接的硬盘？&lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;获取帮助&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>开始扫描</translation>
    </message>
</context>
</TS>
