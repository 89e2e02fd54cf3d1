<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Версия:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery находит удалённые и потерянные файлы на жёстких дисках, картах памяти, USB-накопителях и образах дисков, в том числе на отформатированных и потерянных разделах, и копирует их в выбранную вами папку. Программа только читает диск, с которого восстанавливаются данные, и никогда не записывает на него.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Подробнее:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. Все права защищены.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Расширенный фильтр</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Восстановление данных, подождите...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Стоп</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Восстановление: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Освобождение данных, подождите...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Нет доступа</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Устройства с пометкой «Нет доступа» можно прочитать только с правами администратора. Чтобы просканировать их, запустите программу из её пункта меню (она запросит пароль) или от имени root.</translation>
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
        <translation>Показать&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Папка</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Размер файла</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Остановить сканирование?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Если остановить сканирование, потерянные файлы могут быть найдены не полностью.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Рекомендуется восстановить найденные файлы, прежде чем вернуться.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Если вернуться на главную сейчас, найденные файлы не сохранятся.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Вернуться на главную?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Вернуться</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Путь к файлу</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Тип файла</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Например: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Тип файла</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Показать удалённые файлы</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Сбросить</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Рабочий стол</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Выбрать папку</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Локальные диски</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Локальные диски (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Внешние диски (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Указать расположение</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Метка: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Диск: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Устройство: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Файловая система: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Выберите расположение для поиска потерянных данных</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Не знаете, где были потеряны данные? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Сканировать диск&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Искать потерянные данные</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Не удаётся просканировать этот путь. Проверьте права на чтение диска или выберите другой путь.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Чтение данных с диска, подождите...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>Что такое «файлы без имени»?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>Что такое «потерянный раздел»?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>Что такое «неподключённый раздел»?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>Что такое «нераспределённый раздел»?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Расширенные режимы сканирования находят больше потерянных файлов. Однако некоторые из них утратили исходные имена и пути. Возможно, это именно те файлы, которые вам нужны.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Разделы могут быть потеряны после удаления или форматирования. Возможно, эти файлы — именно те, что вам нужны.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Раздел может отображаться как неподключённый, если он скрыт или у него нет буквы диска.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Удалённый раздел не создаётся заново, и место на диске остаётся нераспределённым. Возможно, эти файлы — именно те, что вам нужны.</translation>
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
        <translation>Язык</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Руководство</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Вопросы и ответы</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Открыть папку журналов</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Проверить обновления</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>Меню</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>Не удалось открыть файловый менеджер. Файлы журнала находятся в:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>В прошлый раз программа неожиданно завершила работу. Отправить отчёт о сбое и журналы, чтобы помочь нам устранить проблему?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Не отправлять</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Отправить</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Восстановить</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Сначала восстановите найденные файлы</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Закройте другие программы на время работы</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Использование ОЗУ</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Мало памяти, сканирование приостановлено</translation>
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
        <translation>Дата изменения</translation>
    </message>
</context>
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
        <translation>Неподключённый раздел</translation>
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
        <translation>Имя файла потеряно</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Путь к файлу потерян</translation>
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
        <translation>Эл. почта</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Подключите SD-карту к компьютеру.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Подключите SD-карту к компьютеру через кардридер.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>Диск не обнаружен?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Отключите все внешние устройства и повторите попытку.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Подключите только то внешнее устройство, которое нужно просканировать. Повторите попытку, подключив его к другому USB-порту.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Проблема не решена? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Свяжитесь с нами &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Понятно</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Проверить подключение диска</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Проверить состояние диска</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Проблема не решена? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Свяжитесь с нами &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Чтобы восстановить данные с цифровой камеры, извлеките SD-карту и подключите её к компьютеру через кардридер.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Если ничего из этого не помогло, попробуйте другой кардридер или другой компьютер.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Исправен&lt;/b&gt;&lt;br/&gt;Диск подключён и исправен. Если он по-прежнему не обнаруживается, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;свяжитесь с нами&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Нет носителя&lt;/b&gt;&lt;br/&gt;Если SD-карта больше не распознаётся, возможно, она повреждена.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Если кардридер не распознаётся, попробуйте другой USB-порт или порт на задней панели компьютера.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Не распределён&lt;/b&gt;&lt;br/&gt;Сначала просканируйте нераспределённое пространство карты на странице всего диска («Сканировать диск»). Создавайте на карте новый том только после восстановления файлов: создание тома записывает данные на карту.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Откройте &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Управление дисками&lt;/a&gt; и проверьте SD-карту:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Откройте программу для работы с дисками в вашей среде рабочего стола или выполните &lt;b&gt;lsblk&lt;/b&gt; в терминале и проверьте состояние SD-карты следующим образом:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Предпросмотр этого файла невозможен.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Откройте его после &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;восстановления&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>QCoreApplication::QObject</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Скрыть файлы 0 КБ</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Скрыть системные файлы</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Скрыть временные файлы</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Скрыть кэш браузера</translation>
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
        <source>Audio</source>
        <translation>Аудио</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Документ</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Эл. почта</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Архив</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Другое</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Файл без расширения</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Несохранённый файл</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Настроить</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Без ограничений</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Сегодня</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Вчера</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Прошлая неделя</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Прошлый месяц</translation>
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
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Дата изменения</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Тип</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Путь</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Некоторые диски отключены.
Подключите их снова, затем повторите сканирование и экспорт.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Отключённые диски: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Открыть восстановленное</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Восстановление остановлено.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Восстановление не завершено.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Восстановление выполнено.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Не удалось открыть файловый менеджер. Восстановленные файлы находятся в папке:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Файлы, восстановленные не полностью (часть данных может быть неверной или отсутствовать): %1</translation>
    </message>
</context>
<context>
    <name>RecoveryCompletionHandler</name>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>The scanned disk has been disconnected. Please reconnect the disk and scan the data again.</source>
        <translation>Сканируемый диск был отключён. Подключите его снова и повторите сканирование.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Диск для сохранения был отключён. Экспортируйте данные снова.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Диск, на который выполняется экспорт, заполнен. Освободите на нём место или выберите другое расположение, затем экспортируйте данные снова.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Сканирование данных, подождите...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Поиск файлов, подождите...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Файлы не найдены, повторите попытку.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Файлы не найдены...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Дождитесь окончания сканирования и повторите попытку.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Попробуйте уменьшить число фильтров.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Повторите попытку после окончания сканирования.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Убедитесь, что слова введены правильно.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Возможно, имя файла потеряно. &lt;a href=&quot;123&quot;&gt;Поищите его здесь&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Фильтрация данных, подождите...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Если выйти сейчас, найденные файлы не сохранятся.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Путь/тип файла&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Если вы помните, где находился потерянный файл, ищите его по пути. Если нет — по типу файла.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Если найдено много файлов, поиск поможет быстро найти нужные.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Назад&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Проверьте найденные файлы&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Проверьте и отметьте данные, которые нужно восстановить.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Назад&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Восстановите данные&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Нажмите кнопку, чтобы восстановить потерянные данные.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Назад&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Чтение данных с диска, подождите...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>Обновление сведений о дисках может занять некоторое время.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Диск по-прежнему не отображается?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Выберите файлы, которые нужно восстановить.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Выбрать все</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Выбрать</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 доступен только для чтения. Выберите другое место для сохранения данных.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Выбрать другое место</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Сохранение данных на %1 (где они были потеряны) перезапишет их, и они будут утрачены навсегда.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Всё равно сохранить</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>На %1 недостаточно места. Освободите место на этом диске и повторите попытку или выберите другое место для сохранения данных.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Остановить восстановление?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: доступно %2</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Выбрано: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Диск %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Выберите SD-карту для восстановления данных</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Подключите SD-карту к компьютеру через кардридер, чтобы восстановить потерянные фото и видео с цифровых камер (Sony, Canon, Nikon и др.), экшн-камер (ins360, GoPro, DJI и др.), дронов разных марок, видеорегистраторов и камер наблюдения.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>SD-карта не обнаружена? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Помощь&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Искать потерянные данные</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Сканирование завершено</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Проверьте и восстановите данные сейчас!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Во время сканирования некоторые диски были отключены.
Если потерянные данные не найдены, подключите их снова и повторите сканирование.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Отключённые диски: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Размер: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Файлов: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Проверить найденное</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Восстановить</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Сканирование данных, подождите...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Осталось:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Сканирование завершено</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Сканирование остановлено!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Быстрое сканирование - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Сканирование приостановлено - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Расширенное сканирование - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Глубокое сканирование - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Найдено файлов: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Выбрано: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Главная</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>Найден %1 элемент (%2).</numerusform>
            <numerusform>Найдено %1 элемента (%2).</numerusform>
            <numerusform>Найдено %1 элементов (%2).</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Файлы не найдены...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Используйте фильтры, чтобы найти нужные файлы по типу, размеру, дате изменения и другим признакам.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Фильтр</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Поиск</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
</context>
<context>
    <name>StandInRecoveryStorageModule</name>
    <message>
        <source>Scan results</source>
        <translation>Результаты сканирования</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Здесь появятся найденные файлы.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Выйти из программы?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Выйти</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Выберите расположение для сканирования</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Здесь появится список дисков, разделов и папок.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Восстановление данных</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Жёсткий диск</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Расширенное восстановление</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD-карта</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Выйти из программы?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Шаг 1:&lt;/font&gt; Восстановление с жёсткого диска</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Поможет восстановить потерянные данные с вашего ПК.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Шаг 2:&lt;/font&gt; Выберите расположение</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Выберите расположение для поиска потерянных данных.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Назад&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Шаг 3:&lt;/font&gt; Поиск потерянных данных</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Нажмите кнопку, чтобы начать поиск потерянных данных.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Назад&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Проверка...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Напомнить позже</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Обновить сейчас</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>У вас последняя версия.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Не удалось получить сведения об обновлении. Повторите попытку позже.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Доступна новая версия!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Версия: %1 | Размер: %2 | Дата выпуска: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Выберите жёсткий диск и просканируйте данные</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Сканирование всего жёсткого диска рекомендуется в следующих случаях:&lt;/p&gt;1. Неизвестно, на каком диске были потеряны данные.&lt;br/&gt;2. После форматирования или удаления раздела пропало несколько разделов.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Не удаётся найти подключённый жёсткий диск? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Помощь&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Начать сканирование</translation>
    </message>
</context>
</TS>
