<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>本機磁碟機</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>外接磁碟機</translation>
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
        <translation>無副檔名檔案</translation>
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
</TS>
