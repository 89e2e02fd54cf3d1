<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Unità locali</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Unità esterne</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Disco di sistema</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Partizione persa</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Partizione non montata</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Partizione non allocata</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Nome file perso</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Percorso file perso</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Altri</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>File non salvato</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>File senza estensione</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tutti i file</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Unità USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Sconosciuto</translation>
    </message>
</context>
</TS>
