<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT" sourcelanguage="en_US">
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
        <translation>Pasta</translation>
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
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Áudio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Outros</translation>
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
        <translation>Desconhecido</translation>
    </message>
</context>
</TS>
