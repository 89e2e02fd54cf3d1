<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Lecteurs locaux</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Lecteurs externes</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Disque système</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Partition perdue</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Partition non montée</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Partition non allouée</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Nom de fichier perdu</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Chemin de fichier perdu</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Fichier non enregistré</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Fichier sans extension</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Clé USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
</TS>
