<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>本地驱动器</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>外部驱动器</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>系统磁盘</translation>
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
</TS>
