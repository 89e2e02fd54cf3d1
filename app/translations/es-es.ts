<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Unidades locales</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Unidades externas</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Disco del sistema</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Partición perdida</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Partición no montada</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Partición no asignada</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Nombre de archivo perdido</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Ruta de archivo perdida</translation>
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
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivo comprimido</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Archivo no guardado</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Archivo sin extensión</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Todos los archivos</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Unidad USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Desconocido</translation>
    </message>
</context>
</TS>
