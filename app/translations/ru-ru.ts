<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Локальные диски</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Внешние диски</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Системный диск</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Потерянный раздел</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Несмонтированный раздел</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Нераспределённый раздел</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Имя файла утеряно</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Путь к файлу утерян</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Фото</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Видео</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Электронная почта</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Несохранённый файл</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Файл без расширения</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Все файлы</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB-накопитель</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Неизвестно</translation>
    </message>
</context>
</TS>
