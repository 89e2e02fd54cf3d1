<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>ローカルドライブ</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>外付けドライブ</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>システムディスク</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>失われたパーティション</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>マウントされていないパーティション</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>未割り当てのパーティション</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>ファイル名不明</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>ファイルパス不明</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未保存のファイル</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>拡張子なしのファイル</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>すべてのファイル</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>USB ドライブ</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>不明</translation>
    </message>
</context>
</TS>
