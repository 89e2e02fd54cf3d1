<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Version :</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery retrouve les fichiers supprimés et perdus sur les disques durs, cartes mémoire, clés USB et images disque, y compris sur des partitions formatées ou perdues, et les copie dans le dossier de votre choix. Il se contente de lire le disque d&apos;où vous récupérez les données et n&apos;y écrit jamais.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Pour en savoir plus, consultez :</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Tous droits réservés.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Filtre avancé</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Récupération des données en cours...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Récupération : %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Libération des données, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Aucun accès</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Les périphériques marqués « Aucun accès » ne peuvent être lus qu&apos;avec les droits d&apos;administrateur. Pour les analyser, lancez le programme depuis son entrée de menu (il demande votre mot de passe) ou exécutez-le en tant que root.</translation>
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
        <translation>Voir&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Taille du fichier</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Arrêter l&apos;analyse ?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Si vous arrêtez, les fichiers perdus risquent de ne pas être tous retrouvés.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Il est conseillé de récupérer les fichiers trouvés avant de revenir.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Les fichiers trouvés ne seront pas conservés si vous revenez à l&apos;accueil maintenant.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Revenir à l&apos;accueil ?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Revenir</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Chemin</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Par exemple : doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Type de fichier</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Voir les fichiers supprimés</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Lecteurs locaux</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Lecteurs locaux (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Lecteurs externes (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Indiquer un emplacement</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Nom de volume : %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Disque : %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Périphérique : %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Système de fichiers : %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Choisissez un emplacement où rechercher les données perdues</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Vous ne savez pas où les données ont été perdues ? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Analyser le disque&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Rechercher les données perdues</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Impossible d&apos;analyser ce chemin. Vérifiez les droits de lecture du disque ou choisissez un autre chemin.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Lecture des données du disque, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>Que sont les « fichiers sans nom » ?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>Qu&apos;est-ce qu&apos;une « partition perdue » ?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>Qu&apos;est-ce qu&apos;une « partition non montée » ?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>Qu&apos;est-ce qu&apos;une « partition non allouée » ?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Les modes d&apos;analyse avancés retrouvent davantage de fichiers perdus. Certains d&apos;entre eux ont toutefois perdu leur nom et leur chemin d&apos;origine. Ce sont peut-être justement les fichiers que vous cherchez.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Une partition peut être perdue après une suppression ou un formatage. Ces fichiers sont peut-être justement ceux que vous cherchez.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Une partition peut apparaître non montée si elle est masquée ou n&apos;a pas de lettre de lecteur.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Une partition supprimée n&apos;est pas recréée et l&apos;espace disque reste non alloué. Ces fichiers sont peut-être justement ceux que vous cherchez.</translation>
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
        <translation>Langue</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guide</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Ouvrir le dossier des journaux</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Rechercher des mises à jour</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
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
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être ouvert. Les fichiers journaux se trouvent dans :
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>Le programme s&apos;est fermé de manière inattendue la dernière fois. Envoyer le rapport d&apos;incident et les journaux pour nous aider à corriger le problème ?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Ne pas envoyer</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Envoyer</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Vous pouvez d&apos;abord récupérer les fichiers trouvés</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Fermez les autres programmes pendant l&apos;utilisation de cet outil</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Mémoire utilisée</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Mémoire insuffisante, analyse en pause</translation>
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
        <translation>Date de modification</translation>
    </message>
</context>
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
        <translation>Lecteur USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Inconnu</translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Veuillez connecter la carte SD à l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Connectez la carte SD à l&apos;ordinateur à l&apos;aide d&apos;un lecteur de cartes.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>Votre lecteur n&apos;est pas détecté ?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Débranchez tous les périphériques externes et réessayez.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Ne branchez que le périphérique externe à analyser. Réessayez sur un autre port USB.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Le problème persiste ? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contactez-nous &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>J&apos;ai compris</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Vérifier la connexion du disque</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Vérifier l&apos;état du disque</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Le problème persiste ? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contactez-nous &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Pour récupérer les données d&apos;un appareil photo numérique, retirez la carte SD et connectez-la à l&apos;ordinateur à l&apos;aide d&apos;un lecteur de cartes.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Si aucune de ces solutions ne fonctionne, essayez un autre lecteur de cartes ou un autre ordinateur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;En bon état&lt;/b&gt;&lt;br/&gt;Le disque est connecté et en bon état. S&apos;il n&apos;est toujours pas détecté, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contactez-nous&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Aucun média&lt;/b&gt;&lt;br/&gt;Si la carte SD n&apos;est plus reconnue, elle est peut-être endommagée.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Si le lecteur de cartes n&apos;est pas reconnu, essayez un autre port USB ou un port à l&apos;arrière de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Non alloué&lt;/b&gt;&lt;br/&gt;Analysez d&apos;abord l&apos;espace non alloué de la carte, sur la page du disque entier (« Analyser le disque »). Ne créez un nouveau volume sur la carte qu&apos;après avoir récupéré vos fichiers : en créer un écrit sur la carte.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Ouvrez la &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Gestion des disques&lt;/a&gt; et vérifiez l&apos;état de la carte SD comme suit :</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Ouvrez l&apos;outil de gestion des disques de votre bureau, ou exécutez &lt;b&gt;lsblk&lt;/b&gt; dans un terminal, puis vérifiez l&apos;état de la carte SD comme suit :</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Ce fichier ne peut pas être prévisualisé.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Ouvrez-le après la &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;récupération&lt;/a&gt;.</translation>
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
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Masquer les fichiers de 0 Ko</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Masquer les fichiers système</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Masquer les fichiers temporaires</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Masquer le cache du navigateur</translation>
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
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>E-mail</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Autres</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Fichier sans extension</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Fichier non enregistré</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personnaliser</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Aucune limite</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>La semaine dernière</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Le mois dernier</translation>
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
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Chemin</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Certains disques sont déconnectés.
Reconnectez-les, puis relancez l&apos;analyse et l&apos;exportation.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Disques déconnectés : %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Voir les données récupérées</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Récupération arrêtée.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Récupération incomplète.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Récupération réussie.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Aucun gestionnaire de fichiers n&apos;a pu être ouvert. Les fichiers récupérés se trouvent dans :
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Fichiers récupérés de façon incomplète (une partie de leurs données peut être erronée ou manquante) : %1</translation>
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
        <translation>Le disque analysé a été déconnecté. Reconnectez-le et relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Le disque de destination a été déconnecté. Exportez de nouveau les données.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Le disque de destination de l&apos;exportation est plein. Libérez de l&apos;espace sur ce disque ou choisissez un autre emplacement, puis exportez à nouveau les données.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Analyse des données, veuillez patienter...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Recherche des fichiers, veuillez patienter...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Aucun fichier trouvé, veuillez réessayer.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Aucun fichier trouvé...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Attendez la fin de l&apos;analyse, puis réessayez.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Essayez de réduire les filtres.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Réessayez une fois l&apos;analyse terminée.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Vérifiez que les mots saisis sont corrects.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Le nom du fichier a peut-être été perdu. &lt;a href=&quot;123&quot;&gt;Cherchez-le ici&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Filtrage des données, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Quitter le programme ?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Les fichiers trouvés ne seront pas conservés si vous quittez maintenant.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Chemin/type de fichier&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Si vous vous souvenez de l&apos;emplacement du fichier perdu, cherchez-le par son chemin. Sinon, cherchez-le par son type.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Si de nombreux fichiers sont trouvés, la recherche vous aide à retrouver vite ceux qu&apos;il vous faut.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Retour&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Vérifier les fichiers trouvés&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Vérifiez et cochez les données à récupérer.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Retour&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Récupérer les données&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Cliquez sur le bouton pour récupérer les données perdues.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Retour&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Lecture des données du disque, veuillez patienter...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>L&apos;actualisation des informations des lecteurs peut prendre un moment.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Le lecteur n&apos;apparaît toujours pas ?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Sélectionnez les fichiers à récupérer.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 est en lecture seule. Choisissez un autre emplacement pour enregistrer les données.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Choisir un autre emplacement</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Enregistrer les données sur %1 (là où elles ont été perdues) les écrasera et les fera disparaître définitivement.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Enregistrer quand même</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>L&apos;espace disque est insuffisant sur %1. Libérez de l&apos;espace sur ce lecteur et réessayez, ou choisissez un autre emplacement.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Voulez-vous vraiment arrêter la récupération ?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1 : %2 disponibles</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Sélection : %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Disque %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Choisissez une carte SD pour récupérer les données perdues</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Connectez la carte SD à l&apos;ordinateur à l&apos;aide d&apos;un lecteur de cartes pour récupérer les photos et vidéos perdues d&apos;appareils photo numériques (Sony, Canon, Nikon, etc.), de caméras sport (ins360, GoPro, DJI, etc.), de drones de toutes marques, de caméras embarquées et de caméras de surveillance.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Aucune carte SD détectée ? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Aide&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Rechercher les données perdues</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Vérifiez et récupérez vos données dès maintenant !</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Certains disques ont été déconnectés pendant l&apos;analyse.
Si aucune donnée perdue n&apos;est trouvée, reconnectez-les et relancez l&apos;analyse.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Disques déconnectés : %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Taille : %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Fichiers : %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Voir les fichiers trouvés</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Récupérer</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Analyse des données, veuillez patienter...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Temps restant :</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Analyse terminée</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Analyse arrêtée !</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Analyse rapide - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Analyse en pause - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Analyse avancée - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Analyse approfondie - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Fichiers trouvés : %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Sélection : %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) élément trouvé.</numerusform>
            <numerusform>%1 (%2) éléments trouvés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Aucun fichier trouvé...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Filtrez par type, taille, date de modification et d&apos;autres attributs pour trouver les fichiers qu&apos;il vous faut.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrer</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Rechercher</translation>
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
        <translation>Résultats de l&apos;analyse</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Les fichiers trouvés s&apos;affichent ici.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Quitter le programme ?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Choisissez un emplacement à analyser</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>La liste des disques, partitions et dossiers s&apos;affiche ici.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Récupération de données</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Disque dur</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Récupération avancée</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Carte SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Quitter le programme ?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Étape 1 :&lt;/font&gt; Récupération du disque dur</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Récupère les données perdues de votre PC.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Étape 2 :&lt;/font&gt; Choisir un emplacement</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Choisissez un emplacement où rechercher les données perdues.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Retour&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Étape 3 :&lt;/font&gt; Rechercher les données perdues</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Cliquez sur le bouton pour rechercher les données perdues.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Retour&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Vérification en cours...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Me le rappeler plus tard</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Vous avez la dernière version.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Impossible d&apos;obtenir les informations de mise à jour. Réessayez plus tard.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Une nouvelle version est disponible !</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Version : %1 | Taille : %2 | Date de sortie : %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Choisissez un disque dur et analysez-le</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;L&apos;analyse du disque dur entier est conseillée dans les cas suivants :&lt;/p&gt;1. Vous ne savez pas sur quel disque les données ont été perdues.&lt;br/&gt;2. Plusieurs partitions ont disparu après un formatage ou la suppression d&apos;une partition.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Aucun disque dur connecté trouvé ? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Aide&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Lancer l&apos;analyse</translation>
    </message>
</context>
</TS>
