<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versión:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery encuentra archivos eliminados y perdidos en discos duros, tarjetas de memoria, unidades USB e imágenes de disco, incluso en particiones formateadas o perdidas, y los copia en la carpeta que elija. Solo lee el disco del que recupera y nunca escribe en él.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Para más información, visite:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Todos los derechos reservados.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Filtro avanzado</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Recuperando datos, espere...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Recuperando: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Liberando datos, espere...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Sin acceso</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Los dispositivos marcados como «Sin acceso» solo se pueden leer con permisos de administrador. Para analizarlos, inicie el programa desde su entrada del menú (le pedirá la contraseña) o ejecútelo como root.</translation>
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
        <translation>Ver&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Tamaño de archivo</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>¿Detener el análisis?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Si lo detiene, es posible que no se encuentren todos los archivos perdidos.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Se recomienda recuperar los archivos encontrados antes de volver.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Los archivos encontrados no se guardarán si vuelve al inicio ahora.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>¿Volver al inicio?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Ruta</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Por ejemplo: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Tipo de archivo</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Ver archivos eliminados</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Papelera de reciclaje</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Unidades locales</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Unidades locales (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Unidades externas (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Especificar una ubicación</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Etiqueta: %1</translation>
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
        <translation>Sistema de archivos: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Seleccione una ubicación donde buscar los datos perdidos</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>¿No sabe dónde se perdieron los datos? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Analizar disco&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Buscar datos perdidos</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>No se puede analizar esta ruta. Compruebe los permisos de lectura del disco o seleccione otra ruta.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Leyendo datos del disco, espere...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>¿Qué son los «archivos sin nombre»?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>¿Qué es una «partición perdida»?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>¿Qué es una «partición no montada»?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>¿Qué es una «partición no asignada»?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Los modos de análisis avanzados encuentran más archivos perdidos. Sin embargo, algunos de ellos han perdido su nombre y su ruta originales. Puede que sean justo los archivos que necesita.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Las particiones pueden perderse tras eliminarlas o formatearlas. Puede que estos archivos sean justo los que necesita.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Una partición puede aparecer como no montada si está oculta o no tiene letra de unidad.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Una partición eliminada no se vuelve a crear y el espacio del disco queda sin asignar. Puede que estos archivos sean justo los que necesita.</translation>
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
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Guía</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Preguntas frecuentes</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Abrir carpeta de registros</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Buscar actualizaciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Menú</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>No se pudo abrir ningún administrador de archivos. Los archivos de registro están en:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>El programa se cerró de forma inesperada la última vez. ¿Enviar el informe de errores y los registros para ayudarnos a solucionar el problema?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>No enviar</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Enviar</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Recupere antes los archivos encontrados</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Cierre los demás programas mientras usa esta herramienta</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Uso de RAM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Memoria insuficiente, análisis en pausa</translation>
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
        <translation>Fecha de modificación</translation>
    </message>
</context>
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
        <translation>Archivo sin guardar</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Conecte la tarjeta SD al ordenador.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Conecte la tarjeta SD al ordenador mediante un lector de tarjetas.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>¿No se detecta su unidad?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Desconecte todos los dispositivos externos y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Conecte solo el dispositivo externo que quiere analizar. Vuelva a intentarlo en otro puerto USB.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>¿Sigue teniendo problemas? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contáctenos &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Comprobar la conexión del disco</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Comprobar el estado del disco</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>¿Sigue teniendo problemas? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contáctenos &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Para recuperar datos de una cámara digital, extraiga la tarjeta SD y conéctela al ordenador mediante un lector de tarjetas.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Si nada de esto funciona, pruebe con otro lector de tarjetas u otro ordenador.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Correcto&lt;/b&gt;&lt;br/&gt;El disco está conectado y en buen estado. Si sigue sin detectarse, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contáctenos&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Sin medio&lt;/b&gt;&lt;br/&gt;Si la tarjeta SD ya no se reconoce, puede estar dañada.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Si no se reconoce el lector de tarjetas, pruebe otro puerto USB o uno de la parte trasera del equipo.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;No asignado&lt;/b&gt;&lt;br/&gt;Analice primero el espacio no asignado de la tarjeta, en la página de disco completo («Analizar disco»). Cree un nuevo volumen en la tarjeta solo después de recuperar sus archivos: crearlo escribe en la tarjeta.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Abra &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Administración de discos&lt;/a&gt; y compruebe la tarjeta SD así:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Abra la herramienta de discos de su escritorio, o ejecute &lt;b&gt;lsblk&lt;/b&gt; en una terminal, y compruebe el estado de la tarjeta SD como se indica a continuación:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Este archivo no admite vista previa.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Ábralo después de la &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recuperación&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Ocultar archivos de 0 KB</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Ocultar archivos del sistema</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Ocultar archivos temporales</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Ocultar caché del navegador</translation>
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
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Documento</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Correo electrónico</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivo comprimido</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Otros</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Archivo sin extensión</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Archivo sin guardar</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Personalizar</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Sin límite</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Ayer</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>La semana pasada</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>El mes pasado</translation>
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
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Fecha de modificación</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ruta</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Algunos discos están desconectados.
Vuelva a conectarlos y repita el análisis y la exportación.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Discos desconectados: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Ver datos recuperados</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Recuperación detenida.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Recuperación incompleta.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Recuperación correcta.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>No se pudo abrir ningún administrador de archivos. Los archivos recuperados están en:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Archivos recuperados de forma incompleta (parte de sus datos puede ser incorrecta o faltar): %1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>El disco analizado se ha desconectado. Vuelva a conectarlo y analice los datos de nuevo.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>El disco de destino se ha desconectado. Vuelva a exportar los datos.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>El disco de destino de la exportación está lleno. Libere espacio en él o elija otra ubicación y vuelva a exportar los datos.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Analizando datos, espere...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Buscando archivos, espere...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>No se encontraron archivos, vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>No se encontraron archivos...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Espere a que termine el análisis y vuelva a intentarlo.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Pruebe a usar menos filtros.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Vuelva a intentarlo cuando termine el análisis.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Asegúrese de haber escrito correctamente las palabras.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Puede que el nombre del archivo se haya perdido. &lt;a href=&quot;123&quot;&gt;Búsquelo aquí&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Filtrando datos, espere...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Los archivos encontrados no se guardarán si sale ahora.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Ruta/tipo de archivo&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Si aún recuerda dónde estaba el archivo perdido, búsquelo por su ruta. Si no, búsquelo por su tipo.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Si se encuentran muchos archivos, la búsqueda le ayuda a localizar rápidamente los que necesita.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Atrás&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Revisar archivos encontrados&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Revise y marque los datos que quiere recuperar.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Atrás&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Recuperar datos&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Haga clic en el botón para recuperar los datos perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Atrás&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Leyendo datos del disco, espere...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>Actualizar la información de las unidades puede tardar un poco.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;¿La unidad sigue sin aparecer?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Seleccione los archivos que quiere recuperar.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleccionar todo</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Seleccionar ahora</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 es de solo lectura. Seleccione otra ubicación para guardar los datos.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Seleccionar otra ubicación</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Guardar los datos en %1 (donde se perdieron) los sobrescribirá y provocará su pérdida definitiva.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Guardar de todos modos</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>No hay espacio suficiente en %1. Libere espacio en esta unidad y vuelva a intentarlo, o seleccione otra ubicación para guardar los datos.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>¿Seguro que quiere detener la recuperación?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 disponibles</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Seleccionado: %1</translation>
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
        <translation>Seleccione una tarjeta SD para recuperar los datos perdidos</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Conecte la tarjeta SD al ordenador mediante un lector de tarjetas para recuperar fotos y vídeos perdidos de cámaras digitales (Sony, Canon, Nikon, etc.), cámaras deportivas (ins360, GoPro, DJI, etc.), drones de distintas marcas, cámaras para coche y cámaras de vigilancia.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>¿No se detecta ninguna tarjeta SD? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Obtener ayuda&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Buscar datos perdidos</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Análisis completado</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>¡Revise y recupere sus datos ahora!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Algunos discos se desconectaron durante el análisis.
Si no se encuentran los datos perdidos, vuelva a conectarlos y repita el análisis.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Discos desconectados: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Tamaño: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Archivos: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Revisar archivos encontrados</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Recuperar</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Analizando datos, espere...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Tiempo restante:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Análisis completado</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>¡Análisis detenido!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Análisis rápido - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Análisis en pausa - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Análisis avanzado - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Análisis profundo - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Archivos encontrados: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Seleccionado: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>Se encontró %1 (%2) elemento.</numerusform>
            <numerusform>Se encontraron %1 (%2) elementos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>No se encontraron archivos...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Use el filtro para encontrar los archivos que necesita por tipo, tamaño, fecha de modificación y otros atributos.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filtrar</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>Resultados del análisis</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Aquí aparecen los archivos encontrados.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Seleccione una ubicación para analizar</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Aquí aparece la lista de discos, particiones y carpetas.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Recuperación de datos</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Disco duro</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Recuperación avanzada</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Tarjeta SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>¿Salir del programa?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Paso 1:&lt;/font&gt; Recuperación del disco duro</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Le ayuda a recuperar los datos perdidos de su PC.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Paso 2:&lt;/font&gt; Seleccionar una ubicación</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Seleccione una ubicación donde buscar los datos perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Atrás&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Paso 3:&lt;/font&gt; Buscar datos perdidos</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Haga clic en el botón para buscar los datos perdidos.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Atrás&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Comprobando...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Recordar más tarde</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Actualizar ahora</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>La versión actual está al día.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>No se pudo obtener la información de actualización. Vuelva a intentarlo más tarde.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>¡Hay una nueva versión disponible!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versión: %1 | Tamaño: %2 | Fecha de publicación: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Seleccione un disco duro y analice los datos</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Se recomienda analizar todo el disco duro en estos casos:&lt;/p&gt;1. No se sabe en qué disco se perdieron los datos.&lt;br/&gt;2. Faltan varias particiones tras formatear o eliminar una partición.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>¿No encuentra un disco duro conectado? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Obtener ayuda&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Iniciar análisis</translation>
    </message>
</context>
</TS>
