<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Lokale Laufwerke</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Externe Laufwerke</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Systemdatenträger</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Verlorene Partition</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Nicht eingebundene Partition</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Nicht zugeordnete Partition</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Dateiname verloren</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Dateipfad verloren</translation>
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
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Nicht gespeicherte Datei</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Datei ohne Erweiterung</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB-Laufwerk</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
</context>
</TS>
