<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versione:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery trova i file eliminati e persi su dischi rigidi, schede di memoria, unità USB e immagini disco, anche su partizioni formattate o perse, e li copia in una cartella a scelta. Legge soltanto il disco da cui si recuperano i dati e non vi scrive mai.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Per saperne di più visita:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Tutti i diritti riservati.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Filtro avanzato</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Recupero dei dati in corso, attendere...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Recupero: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Rilascio dei dati in corso, attendere...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Nessun accesso</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>I dispositivi contrassegnati con &quot;Nessun accesso&quot; si possono leggere solo con i diritti di amministratore. Per scansionarli, avvia il programma dalla sua voce di menu (chiede la password) oppure eseguilo come root.</translation>
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
        <translation>Mostra&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Cartella</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modifica</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Dimensione file</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Interrompere la scansione?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Se la interrompi, i file persi potrebbero non essere trovati tutti.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Si consiglia di recuperare i file trovati prima di tornare indietro.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>I file trovati non verranno salvati se torni ora alla Home.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Tornare alla Home?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Torna</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Percorso file</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo di file</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Ad esempio: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo di file</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Mostra file eliminati</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reimposta</translation>
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
        <translation>Cestino</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Unità locali</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Unità locali (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Unità esterne (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Specifica un percorso</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Etichetta: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Disco: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Dispositivo: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>File system: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Seleziona un percorso in cui cercare i dati persi</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Non sai dove sono andati persi i dati? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scansiona disco&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Cerca dati persi</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Impossibile scansionare questo percorso. Controlla i permessi di lettura del disco o seleziona un altro percorso.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Lettura dei dati dal disco, attendere...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>Cosa sono i &quot;file senza nome&quot;?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>Cos&apos;è una &quot;partizione persa&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>Cos&apos;è una &quot;partizione non montata&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>Cos&apos;è una &quot;partizione non allocata&quot;?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Le modalità di scansione avanzate trovano più file persi. Alcuni di questi file, però, hanno perso il nome e il percorso originali. Potrebbero essere proprio i file che ti servono.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Le partizioni possono andare perse dopo l&apos;eliminazione o la formattazione. Questi file potrebbero essere proprio quelli che ti servono.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Una partizione può risultare non montata se è nascosta o non ha una lettera di unità.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Una partizione eliminata non viene ricreata e lo spazio su disco resta non allocato. Questi file potrebbero essere proprio quelli che ti servono.</translation>
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
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Domande frequenti</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Apri cartella dei log</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Cerca aggiornamenti</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>Impossibile aprire un gestore di file. I file di log si trovano in:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>L&apos;ultima volta il programma si è chiuso in modo imprevisto. Inviare il rapporto sull&apos;arresto anomalo e i log per aiutarci a risolvere il problema?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Non inviare</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Invia</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Puoi recuperare prima i file trovati</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Chiudi gli altri programmi mentre usi questo strumento</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Uso della RAM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Memoria insufficiente, scansione in pausa</translation>
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
        <translation>Data modifica</translation>
    </message>
</context>
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
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Altro</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Collega la scheda SD al computer.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Collega la scheda SD al computer tramite un lettore di schede.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>L&apos;unità non viene rilevata?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Scollega tutti i dispositivi esterni e riprova.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Collega solo il dispositivo esterno da scansionare. Riprova usando un&apos;altra porta USB.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Hai ancora problemi? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contattaci &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Controlla la connessione del disco</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Controlla lo stato del disco</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Hai ancora problemi? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contattaci &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Per recuperare i dati di una fotocamera digitale, rimuovi la scheda SD e collegala al computer tramite un lettore di schede.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Se nessuna di queste soluzioni funziona, prova con un altro lettore di schede o un altro computer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Integro&lt;/b&gt;&lt;br/&gt;Il disco è collegato e in buone condizioni. Se non viene ancora rilevato, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contattaci&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Nessun supporto&lt;/b&gt;&lt;br/&gt;Se la scheda SD non viene più riconosciuta, potrebbe essere danneggiata.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Se il lettore di schede non viene riconosciuto, prova un&apos;altra porta USB o una porta sul retro del computer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Non allocato&lt;/b&gt;&lt;br/&gt;Scansiona prima lo spazio non allocato della scheda, nella pagina del disco intero (&quot;Scansiona disco&quot;). Crea un nuovo volume sulla scheda solo dopo aver recuperato i file: crearlo scrive sulla scheda.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Apri &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Gestione disco&lt;/a&gt; e controlla lo stato della scheda SD come segue:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Apri lo strumento dischi del desktop, oppure esegui &lt;b&gt;lsblk&lt;/b&gt; in un terminale, e controlla lo stato della scheda SD come segue:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Anteprima non disponibile per questo file.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Aprilo dopo il &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recupero&lt;/a&gt;.</translation>
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
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Nascondi file da 0 KB</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Nascondi file di sistema</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Nascondi file temporanei</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Nascondi cache del browser</translation>
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
        <translation>Documento</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivio</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Altro</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>File senza estensione</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>File non salvato</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizza</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Nessun limite</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ieri</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Settimana scorsa</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Mese scorso</translation>
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
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Data modifica</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Alcuni dischi sono scollegati.
Ricollegali, quindi ripeti la scansione e l&apos;esportazione.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Dischi scollegati: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Controlla i dati recuperati</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Recupero interrotto.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Recupero incompleto.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Recupero riuscito.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Impossibile aprire un file manager. I file recuperati si trovano in:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>File recuperati in modo incompleto (parte dei dati potrebbe essere errata o mancante): %1</translation>
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
        <translation>Il disco scansionato è stato scollegato. Ricollegalo e ripeti la scansione.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Il disco di destinazione è stato scollegato. Esporta di nuovo i dati.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Il disco di destinazione dell&apos;esportazione è pieno. Liberare spazio su di esso o scegliere un&apos;altra posizione, quindi esportare di nuovo i dati.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Scansione dei dati in corso, attendere...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Ricerca dei file in corso, attendere...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Nessun file trovato, riprova.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Nessun file trovato...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Attendi il termine della scansione e riprova.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Prova a ridurre i filtri.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Riprova al termine della scansione.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Assicurati di aver inserito le parole corrette.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Il nome del file potrebbe essere andato perso. &lt;a href=&quot;123&quot;&gt;Cercalo qui&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Filtraggio dei dati in corso, attendere...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Uscire dal programma?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>I file trovati non verranno salvati se esci ora.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Percorso/tipo di file&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Se ricordi ancora dove si trovava il file perso, cercalo tramite il percorso. Altrimenti, cercalo tramite il tipo di file.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Se sono stati trovati molti file, la ricerca ti aiuta a individuare rapidamente quelli che ti servono.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Indietro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Controlla i file trovati&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Controlla e seleziona i dati da recuperare.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Indietro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Recupera i dati&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Fai clic sul pulsante per recuperare i dati persi.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Indietro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Lettura dei dati dal disco, attendere...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>L&apos;aggiornamento delle informazioni sulle unità può richiedere un po&apos; di tempo.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;L&apos;unità non compare ancora?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Seleziona i file da recuperare.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Seleziona ora</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 è di sola lettura. Seleziona un altro percorso in cui salvare i dati.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Seleziona un altro percorso</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Salvare i dati su %1 (dove sono andati persi) li sovrascriverà causandone la perdita definitiva.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Salva comunque</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>Spazio insufficiente su %1. Libera spazio su questa unità e riprova, oppure seleziona un altro percorso in cui salvare i dati.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Interrompere davvero il recupero?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 disponibili</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Selezionati: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Seleziona una scheda SD da cui recuperare i dati persi</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Collega la scheda SD al computer tramite un lettore di schede per recuperare foto e video persi da fotocamere digitali (Sony, Canon, Nikon, ecc.), action cam (ins360, GoPro, DJI, ecc.), droni di varie marche, dashcam e telecamere di sorveglianza.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Nessuna scheda SD rilevata? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Aiuto&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Cerca dati persi</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Scansione completata</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Controlla e recupera subito i tuoi dati!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Alcuni dischi sono stati scollegati durante la scansione.
Se non trovi i dati persi, ricollegali e ripeti la scansione.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Dischi scollegati: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Dimensione: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Controlla i file trovati</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Recupera</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Scansione dei dati in corso, attendere...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Tempo rimanente:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Scansione completata</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Scansione interrotta!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Scansione rapida - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Scansione in pausa - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Scansione avanzata - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Scansione approfondita - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>File trovati: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Selezionati: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) elemento trovato.</numerusform>
            <numerusform>%1 (%2) elementi trovati.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Nessun file trovato...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Usa i filtri per trovare i file che ti servono in base a tipo, dimensione, data di modifica e altri attributi.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtra</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cerca</translation>
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
        <translation>Risultati della scansione</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Qui compaiono i file trovati.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Uscire dal programma?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Seleziona un percorso da scansionare</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Qui compare l&apos;elenco di dischi, partizioni e cartelle.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Recupero dati</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Disco rigido</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Recupero avanzato</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Scheda SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Uscire dal programma?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 1:&lt;/font&gt; Recupero dal disco rigido</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Ti aiuta a recuperare i dati persi dal tuo PC.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 2:&lt;/font&gt; Seleziona un percorso</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Seleziona un percorso in cui cercare i dati persi.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Indietro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Passo 3:&lt;/font&gt; Cerca dati persi</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Fai clic sul pulsante per cercare i dati persi.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Indietro&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Verifica in corso...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ricordamelo più tardi</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Aggiorna ora</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versione attuale è aggiornata.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossibile ottenere le informazioni sull&apos;aggiornamento. Riprova più tardi.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>È disponibile una nuova versione!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versione: %1 | Dimensione: %2 | Data di rilascio: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Seleziona un disco rigido e scansiona i dati</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;La scansione dell&apos;intero disco rigido è consigliata nei seguenti casi:&lt;/p&gt;1. Non è chiaro da quale disco siano andati persi i dati.&lt;br/&gt;2. Mancano più partizioni dopo la formattazione o l&apos;eliminazione di una partizione.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Non trovi un disco rigido collegato? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Aiuto&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Avvia scansione</translation>
    </message>
</context>
</TS>
