<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery findet gelöschte und verlorene Dateien auf Festplatten, Speicherkarten, USB-Laufwerken und Datenträgerabbildern, auch auf formatierten oder verlorenen Partitionen, und kopiert sie in einen Ordner Ihrer Wahl. Das Programm liest den Datenträger, von dem Sie wiederherstellen, nur und schreibt nie darauf.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Weitere Informationen finden Sie unter:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Alle Rechte vorbehalten.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Erweiterter Filter</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Daten werden wiederhergestellt, bitte warten...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Wiederherstellung: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Daten werden freigegeben, bitte warten...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Kein Zugriff</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Mit „Kein Zugriff“ markierte Geräte können nur mit Administratorrechten gelesen werden. Um sie zu scannen, starten Sie das Programm über seinen Menüeintrag (es fragt nach Ihrem Passwort) oder als root.</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation>Anzeigen&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dateigröße</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Scan beenden?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Wenn Sie jetzt beenden, werden die verlorenen Dateien möglicherweise nicht vollständig gefunden.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Es wird empfohlen, die gefundenen Dateien vor der Rückkehr wiederherzustellen.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Die gefundenen Dateien werden nicht gespeichert, wenn Sie jetzt zur Startseite zurückkehren.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Zur Startseite zurückkehren?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Dateipfad</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Zum Beispiel: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Dateityp</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Gelöschte Dateien anzeigen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Lokale Laufwerke</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Lokale Laufwerke (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Externe Laufwerke (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Speicherort angeben</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Bezeichnung: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Datenträger: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Gerät: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Dateisystem: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Wählen Sie einen Speicherort für die Suche nach verlorenen Daten</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Nicht sicher, wo die Daten verloren gingen? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Datenträger scannen&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Nach verlorenen Daten suchen</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Dieser Pfad kann nicht gescannt werden. Prüfen Sie die Leserechte des Datenträgers oder wählen Sie einen anderen Pfad.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Daten werden vom Datenträger gelesen, bitte warten...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>Was sind „Dateien ohne Namen“?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>Was ist eine „verlorene Partition“?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>Was ist eine „nicht eingebundene Partition“?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>Was ist eine „nicht zugeordnete Partition“?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Erweiterte Scanmodi können mehr verlorene Dateien finden. Einige dieser Dateien haben jedoch ihren ursprünglichen Namen und Pfad verloren. Vielleicht sind genau das die Dateien, die Sie suchen.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Partitionen können nach dem Löschen oder Formatieren verloren gehen. Diese Dateien könnten genau die sein, die Sie suchen.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Partitionen erscheinen als nicht eingebunden, wenn sie ausgeblendet sind oder keinen Laufwerksbuchstaben haben.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Nachdem eine Partition gelöscht wurde, wird sie nicht neu angelegt, und der Speicherplatz bleibt nicht zugeordnet. Diese Dateien könnten genau die sein, die Sie suchen.</translation>
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
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Protokollordner öffnen</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Nach Updates suchen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menü</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>Es konnte kein Dateimanager geöffnet werden. Die Protokolldateien befinden sich in:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>Das Programm wurde beim letzten Mal unerwartet beendet. Möchten Sie den Absturzbericht und die Protokolle senden, damit wir das Problem beheben können?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Nicht senden</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Senden</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Gefundene Dateien zuerst wiederherstellen</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Bitte schließen Sie andere Programme</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Arbeitsspeicher</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Nicht genügend Arbeitsspeicher, Scan angehalten</translation>
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
        <translation>Änderungsdatum</translation>
    </message>
</context>
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
        <translation>Ohne Dateiendung</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Bitte schließen Sie die SD-Karte an den Computer an.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Schließen Sie die SD-Karte über ein Kartenlesegerät an den Computer an.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>Ihr Laufwerk wird nicht erkannt?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Entfernen Sie alle externen Geräte und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Schließen Sie nur das zu scannende externe Gerät an. Versuchen Sie es an einem anderen USB-Anschluss erneut.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Weiterhin Probleme? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Kontakt &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Verbindung prüfen</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Datenträgerstatus prüfen</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Weiterhin Probleme? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Kontakt &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Um Daten einer Digitalkamera wiederherzustellen, entnehmen Sie die SD-Karte und schließen Sie sie über ein Kartenlesegerät an den Computer an.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Hilft nichts davon, versuchen Sie es mit einem anderen Kartenlesegerät oder Computer erneut.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Fehlerfrei&lt;/b&gt;&lt;br/&gt;Der Datenträger ist angeschlossen und fehlerfrei. Wird er trotzdem nicht erkannt, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;kontaktieren Sie uns&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Kein Medium&lt;/b&gt;&lt;br/&gt;Wird die SD-Karte nicht mehr erkannt, ist sie möglicherweise beschädigt.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Wird das Kartenlesegerät nicht erkannt, versuchen Sie einen anderen USB-Anschluss oder einen Anschluss an der Rückseite des Computers.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Nicht zugeordnet&lt;/b&gt;&lt;br/&gt;Scannen Sie zuerst den nicht zugeordneten Bereich der Karte auf der Seite für ganze Datenträger („Datenträger scannen“). Legen Sie ein neues Volume auf der Karte erst an, wenn Ihre Dateien wiederhergestellt sind: Das Anlegen schreibt auf die Karte.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Öffnen Sie die &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Datenträgerverwaltung&lt;/a&gt; und prüfen Sie die SD-Karte:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Öffnen Sie das Laufwerksprogramm Ihres Desktops oder führen Sie &lt;b&gt;lsblk&lt;/b&gt; in einem Terminal aus, und prüfen Sie den Status der SD-Karte wie folgt:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Für diese Datei ist keine Vorschau verfügbar.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Öffnen Sie sie nach der &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;Wiederherstellung&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>0-KB-Dateien ausblenden</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Systemdateien ausblenden</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Temporäre Dateien ausblenden</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Browser-Cache ausblenden</translation>
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
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-Mail</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiv</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Ohne Dateiendung</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Nicht gespeicherte Datei</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Anpassen</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Keine Grenze</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Gestern</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Letzte Woche</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Letzter Monat</translation>
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
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Änderungsdatum</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Einige Datenträger sind getrennt.
Bitte schließen Sie sie wieder an, scannen Sie und exportieren Sie erneut.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Getrennte Datenträger: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Wiederhergestellte Daten anzeigen</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Wiederherstellung gestoppt.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Wiederherstellung unvollständig.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Wiederherstellung erfolgreich.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Es konnte kein Dateimanager geöffnet werden. Die wiederhergestellten Dateien befinden sich in:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Unvollständig wiederhergestellte Dateien (ein Teil ihrer Daten kann falsch sein oder fehlen): %1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>Der gescannte Datenträger wurde getrennt. Bitte schließen Sie ihn wieder an und scannen Sie die Daten erneut.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Der Zieldatenträger wurde getrennt. Bitte exportieren Sie die Daten erneut.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Der Zieldatenträger für den Export ist voll. Bitte geben Sie dort Speicherplatz frei oder wählen Sie einen anderen Speicherort und exportieren Sie die Daten erneut.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Daten werden gescannt, bitte warten...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Dateien werden gesucht, bitte warten...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Keine Dateien gefunden, bitte versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Keine Dateien gefunden...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Warten Sie, bis der Scan abgeschlossen ist, und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Versuchen Sie, weniger Filter zu verwenden.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Versuchen Sie es nach Abschluss des Scans erneut.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Prüfen Sie, ob Sie die Suchbegriffe richtig eingegeben haben.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Der Dateiname ist möglicherweise verloren. &lt;a href=&quot;123&quot;&gt;Suchen Sie hier&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Daten werden gefiltert, bitte warten...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Die gefundenen Dateien werden nicht gespeichert, wenn Sie jetzt beenden.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Dateipfad/-typ&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Wenn Sie noch wissen, wo die verlorene Datei lag, suchen Sie sie über den Dateipfad. Wenn nicht, suchen Sie sie über den Dateityp.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Wurden viele Dateien gefunden, hilft die Suche, die gewünschten schnell zu finden.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Zurück&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Gefundene Dateien prüfen&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Prüfen und markieren Sie die Daten, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Zurück&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Daten wiederherstellen&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Klicken Sie auf die Schaltfläche, um die verlorenen Daten wiederherzustellen.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Zurück&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Daten werden vom Datenträger gelesen, bitte warten...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>Das Aktualisieren der Laufwerksinformationen kann eine Weile dauern.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Laufwerk wird immer noch nicht angezeigt?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Bitte wählen Sie die Dateien aus, die Sie wiederherstellen möchten.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Jetzt auswählen</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 ist schreibgeschützt. Bitte wählen Sie einen anderen Speicherort für die Daten.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Anderen Speicherort wählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Wenn Sie die Daten auf %1 speichern (wo sie verloren gingen), werden sie überschrieben und gehen endgültig verloren.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Trotzdem speichern</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>Auf %1 ist nicht genügend Speicherplatz frei. Bitte geben Sie Speicherplatz auf diesem Laufwerk frei und versuchen Sie es erneut, oder wählen Sie einen anderen Speicherort.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Wiederherstellung wirklich beenden?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 verfügbar</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Ausgewählt: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Datenträger %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Wählen Sie eine SD-Karte für die Datenwiederherstellung</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Schließen Sie die SD-Karte über ein Kartenlesegerät an den Computer an, um verlorene Fotos und Videos von Digitalkameras (Sony, Canon, Nikon usw.), Actioncams (ins360, GoPro, DJI usw.), Drohnen verschiedener Marken, Dashcams und Überwachungskameras wiederherzustellen.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Keine SD-Karte erkannt? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Hilfe&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Nach verlorenen Daten suchen</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Scan abgeschlossen</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Jetzt Daten prüfen und wiederherstellen!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Einige Datenträger wurden während des Scans getrennt.
Werden keine verlorenen Daten gefunden, schließen Sie sie wieder an und scannen Sie erneut.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Getrennte Datenträger: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Dateien: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Gefundene Dateien prüfen</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Daten werden gescannt, bitte warten...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Verbleibende Zeit:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scan abgeschlossen</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Scan gestoppt!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Schnellscan - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Scan angehalten - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Erweiterter Scan - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Tiefenscan - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Gefundene Dateien: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Ausgewählt: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) Element gefunden.</numerusform>
            <numerusform>%1 (%2) Elemente gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Keine Dateien gefunden...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Mit der Filterfunktion finden Sie die gewünschten Dateien nach Dateityp, Größe, Änderungsdatum und weiteren Merkmalen.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>Scanergebnisse</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Hier erscheinen die gefundenen Dateien.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Programm beenden?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Wählen Sie einen Speicherort zum Scannen</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Hier erscheint die Liste der Datenträger, Partitionen und Ordner.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Datenrettung</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Erweiterte Wiederherstellung</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD-Karte</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Programm beenden?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Schritt 1:&lt;/font&gt; Datenrettung von der Festplatte</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Stellt verlorene Daten von Ihrem PC wieder her.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Schritt 2:&lt;/font&gt; Speicherort wählen</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Wählen Sie einen Speicherort für die Suche nach verlorenen Daten.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Zurück&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Schritt 3:&lt;/font&gt; Nach verlorenen Daten suchen</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Klicken Sie auf die Schaltfläche, um nach verlorenen Daten zu suchen.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Zurück&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Suche nach Updates...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Später erinnern</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Jetzt aktualisieren</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Die aktuelle Version ist auf dem neuesten Stand.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Update-Informationen konnten nicht abgerufen werden. Bitte versuchen Sie es später erneut.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Eine neue Version ist verfügbar!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version: %1 | Größe: %2 | Veröffentlicht: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Wählen Sie eine Festplatte und scannen Sie die Daten</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Das Scannen der gesamten Festplatte wird in folgenden Fällen empfohlen:&lt;/p&gt;1. Es ist unklar, auf welchem Datenträger die Daten verloren gingen.&lt;br/&gt;2. Nach dem Formatieren oder Löschen einer Partition fehlen mehrere Partitionen.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Keine angeschlossene Festplatte gefunden? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Hilfe&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Scan starten</translation>
    </message>
</context>
</TS>
