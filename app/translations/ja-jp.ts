<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>バージョン:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery は、ハードディスク、メモリーカード、USB ドライブ、ディスクイメージから、フォーマットされたパーティションや失われたパーティション上のものも含め、削除されたファイルや失われたファイルを見つけ出し、指定したフォルダーにコピーします。復元元のディスクは読み取るだけで、書き込むことはありません。</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>詳しくはこちら:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Copyright &amp;copy; %1 pelvane. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>詳細フィルター</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>データを復元しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>復元中: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>データを解放しています。しばらくお待ちください...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>アクセス不可</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>「アクセス不可」と表示されたデバイスは管理者権限でのみ読み取れます。スキャンするには、メニュー項目からプログラムを起動する（パスワードを求められます）か、root として実行してください。</translation>
    </message>
</context>
<context>
    <name>DocumentManager</name>
    <message>
        <source>, </source>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>FileBrowserDelegate</name>
    <message>
        <source>View&gt;</source>
        <translation>表示&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>フォルダー</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>ファイルサイズ</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>スキャンを停止しますか?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>停止すると、失われたファイルをすべて見つけられない可能性があります。</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>戻る前に、見つかったファイルを復元することをお勧めします。</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>今ホームに戻ると、見つかったファイルは保存されません。</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>ホームに戻りますか?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>ファイルパス</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>種類</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>例: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>種類</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>削除済みファイルを表示</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>リセット</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>デスクトップ</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>ごみ箱</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>フォルダー選択</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>ローカルドライブ</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>ローカルドライブ (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>外付けドライブ (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>場所を指定</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>ラベル: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>ディスク: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>デバイス: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>ファイルシステム: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>失われたデータを検索する場所を選択してください</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>データを失った場所がわかりませんか? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;ディスクをスキャン&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>失われたデータを検索</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>このパスはスキャンできません。ディスクの読み取り権限を確認するか、別のパスを選択してください。</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>ディスクからデータを読み込んでいます。しばらくお待ちください...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>「名前のないファイル」とは?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>「失われたパーティション」とは?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>「マウントされていないパーティション」とは?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>「未割り当てのパーティション」とは?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>詳細スキャンモードでは、より多くの失われたファイルが見つかります。ただし、その中には元のファイル名やパス情報が失われたものもあります。それらが探しているファイルかもしれません。</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>パーティションは削除やフォーマットの後に失われることがあります。これらのファイルが探しているファイルかもしれません。</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>非表示のパーティションやドライブ文字のないパーティションは、マウントされていないように表示されることがあります。</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>パーティションを削除した後に作成し直さないと、その領域は未割り当てのままになります。これらのファイルが探しているファイルかもしれません。</translation>
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
        <translation>言語</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>ガイド</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>よくある質問</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>ログフォルダーを開く</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>更新を確認</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>No file manager could be opened. The log files are in:
%1</source>
        <translation>ファイルマネージャーを開けませんでした。ログファイルの場所：
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>前回、プログラムが予期せず終了しました。問題の解決に役立てるため、クラッシュレポートとログを送信しますか?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>送信しない</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>送信</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>先に見つかったファイルを復元できます</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>このツールの使用中は他のプログラムを閉じてください</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>メモリ使用量</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>メモリ不足のためスキャンを一時停止</translation>
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
        <translation>更新日時</translation>
    </message>
</context>
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
        <translation>動画</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
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
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>SD カードをコンピューターに接続してください。</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>カードリーダーを使って SD カードをコンピューターに接続してください。</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>ドライブが検出されませんか?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. 外部デバイスをすべて取り外してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. スキャンする外部デバイスだけを接続してください。別の USB ポートに接続し直してから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>まだ解決しませんか? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;お問い合わせ &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>ディスクの接続を確認</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>ディスクの状態を確認</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>まだ解決しませんか? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;お問い合わせ &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>デジタルカメラのデータを復元するには、SD カードを取り出し、カードリーダーを使ってコンピューターに接続してください。</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>いずれの方法でも解決しない場合は、別のカードリーダーまたはコンピューターでもう一度お試しください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;正常&lt;/b&gt;&lt;br/&gt;ディスクは接続されており、正常な状態です。それでも検出されない場合は、&lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;お問い合わせ&lt;/a&gt;ください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;メディアなし&lt;/b&gt;&lt;br/&gt;SD カードが認識されなくなった場合は、破損している可能性があります。</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>カードリーダーが認識されない場合は、別の USB ポートか、パソコン背面のポートをお試しください。</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;未割り当て&lt;/b&gt;&lt;br/&gt;まずディスク全体のページ（「ディスクをスキャン」）でカードの未割り当て領域をスキャンしてください。カードに新しいボリュームを作成するのは、ファイルを復元した後にしてください。作成するとカードに書き込まれます。</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;ディスクの管理&lt;/a&gt;を開き、次の手順で SD カードの状態を確認してください:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>デスクトップのディスクツールを開くか、端末で &lt;b&gt;lsblk&lt;/b&gt; を実行して、次のように SD カードの状態を確認してください：</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>このファイルはプレビューできません。</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;復元&lt;/a&gt;後に開いてください。</translation>
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
        <translation>終了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>0 KB のファイルを非表示</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>システムファイルを非表示</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>一時ファイルを非表示</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>ブラウザーのキャッシュを非表示</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>写真</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>動画</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音声</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>ドキュメント</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>アーカイブ</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>拡張子なしのファイル</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>未保存のファイル</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>制限なし</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>今日</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>昨日</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>先週</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>先月</translation>
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
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>更新日時</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>種類</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>一部のディスクが切断されています。
接続し直してから、もう一度スキャンしてエクスポートしてください。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>切断されたディスク: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>復元したデータを確認</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>復元を停止しました。</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>復元が完了していません。</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>復元に成功しました。</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>ファイルマネージャーを開けませんでした。復元したファイルの保存先:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>不完全に復元されたファイル（データの一部が誤っているか欠けている可能性があります）: %1</translation>
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
        <translation>スキャンしたディスクが切断されました。ディスクを接続し直して、もう一度スキャンしてください。</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>保存先のディスクが切断されました。もう一度エクスポートしてください。</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>エクスポート先のディスクがいっぱいです。空き容量を確保するか別の保存先を選択してから、もう一度データをエクスポートしてください。</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>データをスキャンしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>ファイルを検索しています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>ファイルが見つかりませんでした。もう一度お試しください。</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>ファイルが見つかりません...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. スキャンが完了するまで待ってから、もう一度お試しください。</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. フィルターを減らしてみてください。</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. スキャン完了後にもう一度お試しください。</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. 入力した語句が正しいか確認してください。</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. ファイル名が失われている可能性があります。&lt;a href=&quot;123&quot;&gt;こちらで検索&lt;/a&gt;してください。&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>データを絞り込んでいます。しばらくお待ちください...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>プログラムを終了しますか?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>今終了すると、見つかったファイルは保存されません。</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;ファイルパス/種類&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>失われたファイルの場所を覚えている場合はファイルパスから、覚えていない場合はファイルの種類から探せます。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>多くのファイルが見つかった場合は、検索で必要なファイルをすばやく見つけられます。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;戻る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;見つかったファイルを確認&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>復元するデータを確認して選択してください。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;戻る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;データを復元&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>ボタンをクリックすると、失われたデータを復元します。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;戻る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>ディスクを読み込み中です。お待ちください...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>ドライブ情報の更新には時間がかかる場合があります。</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;ドライブがまだ表示されませんか?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>復元するファイルを選択してください。</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>今すぐ選択</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 は読み取り専用です。データを保存する別の場所を選択してください。</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>別の場所を選択</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>データを失った %1 に保存すると、データが上書きされ、完全に失われます。</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>このまま保存</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>%1 の空き容量が不足しています。このドライブの空き容量を増やしてからもう一度お試しいただくか、データを保存する別の場所を選択してください。</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>復元を停止しますか?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: 空き %2</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>選択済み: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>ディスク %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>失われたデータを復元する SD カードを選択</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>カードリーダーで SD カードをコンピューターに接続すると、デジタルカメラ (Sony、Canon、Nikon など)、アクションカメラ (ins360、GoPro、DJI など)、各社のドローン、ドライブレコーダー、監視カメラで失われた写真や動画を復元できます。</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>SD カードが検出されませんか? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;ヘルプ&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>失われたデータを検索</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>スキャン完了</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>今すぐデータを確認して復元しましょう!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>スキャン中に一部のディスクが切断されました。
失われたデータが見つからない場合は、接続し直してもう一度スキャンしてください。</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>切断されたディスク: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>サイズ: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>ファイル: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>見つかったファイルを確認</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>復元</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>データをスキャンしています。しばらくお待ちください...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>残り時間:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>スキャン完了</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>スキャンを停止しました!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>クイックスキャン - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>スキャン一時停止中 - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>詳細スキャン - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>ディープスキャン - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>見つかったファイル: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>選択済み: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>ホーム</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) 件の項目が見つかりました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>ファイルが見つかりません...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>フィルター機能を使うと、ファイルの種類、サイズ、更新日時などの属性で必要なファイルを探せます。</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>フィルター</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
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
        <translation>スキャン結果</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>見つかったファイルはここに表示されます。</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>プログラムを終了しますか?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>スキャンする場所を選択</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>ディスク、パーティション、フォルダーの一覧がここに表示されます。</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>データ復元</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>ハードドライブ</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>高度な復元</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>SD カード</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>プログラムを終了しますか?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;ステップ 1:&lt;/font&gt; ハードドライブの復元</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>PC から失われたデータを復元します。</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;ステップ 2:&lt;/font&gt; 場所を選択</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>失われたデータを検索する場所を選択します。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;戻る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;ステップ 3:&lt;/font&gt; 失われたデータを検索</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>ボタンをクリックすると、失われたデータを検索します。</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;戻る&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>確認しています...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>後で通知</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>今すぐ更新</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>お使いのバージョンは最新です。</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>更新情報を取得できませんでした。後でもう一度お試しください。</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>新しいバージョンがあります!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>バージョン: %1 | サイズ: %2 | リリース日: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>ハードドライブを選択してデータをスキャン</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;次のような場合は、ハードドライブ全体のスキャンをお勧めします:&lt;/p&gt;1. どのディスクでデータが失われたかわからない。&lt;br/&gt;2. パーティションをフォーマットまたは削除した後、複数のパーティションが見つからない。</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>接続したハードドライブが見つかりませんか? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;ヘルプ&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>スキャン開始</translation>
    </message>
</context>
</TS>
