<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="id_ID" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Versi:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery menemukan file yang terhapus dan hilang di hard disk, kartu memori, drive USB, dan image disk, termasuk file di partisi yang diformat atau hilang, lalu menyalinnya ke folder pilihan Anda. Program ini hanya membaca disk yang Anda pulihkan dan tidak pernah menulis ke disk tersebut.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Untuk informasi lebih lanjut, kunjungi:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Hak Cipta &amp;copy; %1 pelvane. Semua hak dilindungi undang-undang.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Filter Lanjutan</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Memulihkan data, harap tunggu...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Memulihkan: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Melepaskan data, harap tunggu...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Tidak ada akses</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Perangkat bertanda &quot;Tidak ada akses&quot; hanya dapat dibaca dengan hak administrator. Untuk memindainya, jalankan program dari entri menunya (program akan meminta kata sandi Anda), atau jalankan sebagai root.</translation>
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
        <translation>Lihat&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Jalur</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Tanpa Batas</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Sesuaikan</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Ukuran File</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Hentikan pemindaian?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Jika Anda berhenti, file yang hilang mungkin tidak ditemukan seluruhnya.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Sebaiknya pulihkan file yang ditemukan sebelum kembali.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>File yang ditemukan tidak akan disimpan jika Anda kembali ke Beranda sekarang.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Kembali ke Beranda?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Kembali</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Jalur File</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Jenis File</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Contoh: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Jenis File</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Lihat File Terhapus</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Atur Ulang</translation>
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
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Pilih Folder</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Drive Lokal</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Drive Lokal (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Drive Eksternal (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Tentukan lokasi</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Label: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Disk: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Perangkat: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Sistem file: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Pilih lokasi untuk mencari data yang hilang</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Tidak yakin di mana data hilang? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Pindai Disk&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Cari Data yang Hilang</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Jalur ini tidak dapat dipindai. Periksa izin baca disk atau pilih jalur lain.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Membaca data dari disk, harap tunggu...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>Apa itu &quot;file tanpa nama&quot;?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>Apa itu &quot;partisi hilang&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>Apa itu &quot;partisi tidak terpasang&quot;?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>Apa itu &quot;partisi tidak teralokasi&quot;?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Mode pemindaian lanjutan dapat menemukan lebih banyak file yang hilang. Namun, sebagian file ini telah kehilangan nama dan informasi jalur aslinya. Bisa jadi justru file inilah yang Anda perlukan.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Partisi dapat hilang setelah dihapus atau diformat. Bisa jadi justru file inilah yang Anda perlukan.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Partisi dapat tampak tidak terpasang jika disembunyikan atau tidak memiliki huruf drive.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Setelah partisi dihapus dan tidak dibuat ulang, ruang disk tetap tidak teralokasi. Bisa jadi justru file inilah yang Anda perlukan.</translation>
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
        <translation>Bahasa</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Panduan</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>FAQ</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Buka Folder Log</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Periksa Pembaruan</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tentang</translation>
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
        <translation>Tidak ada pengelola file yang dapat dibuka. File log ada di:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>Program tertutup secara tak terduga terakhir kali. Kirim laporan crash dan log untuk membantu kami memperbaiki masalah?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Jangan Kirim</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Kirim</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Pulihkan</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Pulihkan dulu file yang ditemukan</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Tutup program lain saat menggunakan alat ini</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Penggunaan RAM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Memori tidak cukup, pemindaian dijeda</translation>
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
        <translation>Tanggal Diubah</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Drive Lokal</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Drive Eksternal</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Disk Sistem</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Partisi Hilang</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Partisi Tidak Terpasang</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Partisi Tidak Teralokasi</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Recycle Bin</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Nama File Hilang</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Jalur File Hilang</translation>
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
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Arsip</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Lainnya</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>File Belum Disimpan</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>File Tanpa Ekstensi</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Semua File</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Drive USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Tidak Diketahui</translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Hubungkan kartu SD ke komputer.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Hubungkan kartu SD ke komputer melalui pembaca kartu.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>Drive Anda tidak terdeteksi?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Lepaskan semua perangkat eksternal, lalu coba lagi.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Hubungkan hanya perangkat eksternal yang akan dipindai. Coba lagi setelah berganti ke port USB lain.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Masih bermasalah? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Hubungi kami &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Mengerti</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Periksa koneksi disk</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Periksa status disk</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Masih bermasalah? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Hubungi kami &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Untuk memulihkan data dari kamera digital, keluarkan kartu SD dan hubungkan ke komputer melalui pembaca kartu.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Jika tidak ada cara di atas yang berhasil, coba gunakan pembaca kartu atau komputer lain.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Sehat&lt;/b&gt;&lt;br/&gt;Disk terhubung dan dalam kondisi baik. Jika masih tidak terdeteksi, &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;hubungi kami&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Tidak Ada Media&lt;/b&gt;&lt;br/&gt;Jika kartu SD tidak lagi dikenali, kartu tersebut mungkin rusak.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Jika pembaca kartu tidak dikenali, coba port USB lain atau port di bagian belakang komputer.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Tidak Teralokasi&lt;/b&gt;&lt;br/&gt;Pindai dulu ruang kartu yang tidak teralokasi di halaman seluruh disk (&quot;Pindai Disk&quot;). Buat volume baru di kartu hanya setelah file Anda dipulihkan: membuatnya akan menulis ke kartu.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Buka &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Manajemen Disk&lt;/a&gt; dan periksa status kartu SD seperti berikut:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Buka alat disk di desktop Anda, atau jalankan &lt;b&gt;lsblk&lt;/b&gt; di terminal, lalu periksa status kartu SD sebagai berikut:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>File ini tidak mendukung pratinjau.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Buka file setelah &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;pemulihan&lt;/a&gt;.</translation>
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
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Sembunyikan file 0 KB</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Sembunyikan file sistem</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Sembunyikan file sementara</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Sembunyikan cache browser</translation>
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
        <translation>Dokumen</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Arsip</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Lainnya</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>File Tanpa Ekstensi</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>File Belum Disimpan</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Sesuaikan</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Tanpa Batas</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hari ini</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Kemarin</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Minggu lalu</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Bulan lalu</translation>
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
        <translation>Pratinjau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Buka</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Nama</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Tanggal Diubah</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Jenis</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Ukuran</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Jalur</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Beberapa disk terputus.
Hubungkan kembali, lalu pindai dan ekspor lagi.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Disk terputus: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Periksa Data yang Dipulihkan</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Pemulihan dihentikan.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Pemulihan tidak lengkap.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Pemulihan berhasil.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Pengelola file tidak dapat dibuka. File yang dipulihkan berada di:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>File yang dipulihkan tidak lengkap (sebagian datanya mungkin salah atau hilang): %1</translation>
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
        <translation>Disk yang dipindai telah terputus. Hubungkan kembali disk dan pindai data lagi.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Disk tujuan ekspor telah terputus. Ekspor data lagi.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Disk tujuan ekspor penuh. Kosongkan sebagian ruang di disk tersebut atau pilih lokasi lain, lalu ekspor data lagi.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Memindai data, harap tunggu...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Mencari file, harap tunggu...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Tidak ada file yang ditemukan, silakan coba lagi.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Tidak ada file yang ditemukan...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Tunggu hingga pemindaian selesai, lalu coba lagi.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Anda dapat mencoba mengurangi filter.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Coba lagi setelah pemindaian selesai.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Pastikan kata yang Anda masukkan sudah benar.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Nama file mungkin telah hilang. &lt;a href=&quot;123&quot;&gt;Cari di sini&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Memfilter data, harap tunggu...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Keluar dari program?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>File yang ditemukan tidak akan disimpan jika Anda keluar sekarang.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Jalur/Jenis File&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Jika Anda masih ingat lokasi file yang hilang, cari melalui Jalur File. Jika tidak, cari melalui Jenis File.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Jika banyak file ditemukan, pencarian membantu Anda menemukan file yang diperlukan dengan cepat.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Kembali&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Periksa File yang Ditemukan&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Periksa dan pilih data yang ingin Anda pulihkan.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Kembali&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Pulihkan Data&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Klik tombol untuk memulihkan data yang hilang.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Kembali&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Membaca data dari disk, harap tunggu...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>Menyegarkan informasi drive mungkin memerlukan waktu.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive masih tidak muncul?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Pilih file yang ingin Anda pulihkan.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Pilih Semua</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Pilih Sekarang</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 hanya dapat dibaca. Pilih lokasi lain untuk menyimpan data.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Pilih Lokasi Lain</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Menyimpan data ke %1 (tempat data hilang) akan menimpa data dan menyebabkannya hilang selamanya.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Tetap Simpan</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>Ruang disk di %1 tidak cukup. Kosongkan ruang di drive ini lalu coba lagi, atau pilih lokasi lain untuk menyimpan data.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Yakin ingin menghentikan pemulihan?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Hentikan</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: %2 tersedia</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Dipilih: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Disk %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Pilih Kartu SD untuk Memulihkan Data yang Hilang</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Hubungkan kartu SD ke komputer melalui pembaca kartu untuk memulihkan foto dan video yang hilang dari kamera digital (Sony, Canon, Nikon, dll.), kamera aksi (ins360, GoPro, DJI, dll.), berbagai merek drone, kamera mobil, dan kamera pengawas.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Kartu SD tidak terdeteksi? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Dapatkan Bantuan&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Cari Data yang Hilang</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Pemindaian Selesai</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Periksa dan pulihkan data Anda sekarang!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Beberapa disk terputus selama pemindaian.
Jika data yang hilang tidak ditemukan, hubungkan kembali dan pindai lagi.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Disk terputus: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Ukuran: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>File: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Periksa File yang Ditemukan</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Pulihkan</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Memindai data, harap tunggu...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Sisa waktu:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Pemindaian Selesai</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Pemindaian dihentikan!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Pemindaian Cepat - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Pemindaian Dijeda - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Pemindaian Lanjutan - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Pemindaian Mendalam - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>File ditemukan: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Dipilih: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Kembali</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Beranda</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>%1 (%2) item ditemukan.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Tidak ada file yang ditemukan...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Gunakan fungsi filter untuk menemukan file yang Anda perlukan berdasarkan jenis, ukuran, waktu diubah, dan atribut lainnya.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Cari</translation>
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
        <translation>Hasil pemindaian</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>File yang ditemukan akan muncul di sini.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Keluar dari program?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Keluar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Batal</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Pilih lokasi untuk dipindai</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Daftar disk, partisi, dan folder akan muncul di sini.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Pemulihan Data</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Hard Drive</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Pemulihan Lanjutan</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Kartu SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Keluar dari program?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Langkah 1:&lt;/font&gt; Pemulihan Hard Drive</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Membantu Anda memulihkan data yang hilang dari PC.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Langkah 2:&lt;/font&gt; Pilih Lokasi</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Pilih lokasi untuk mencari data yang hilang.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Kembali&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Berikutnya</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Langkah 3:&lt;/font&gt; Cari Data yang Hilang</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Klik tombol untuk mencari data yang hilang.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Kembali&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Selesai</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Memeriksa...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Ingatkan Nanti</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Tingkatkan Sekarang</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Versi saat ini sudah yang terbaru.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Gagal mengambil info pembaruan. Silakan coba lagi nanti.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Versi baru tersedia!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Versi: %1 | Ukuran: %2 | Tanggal Rilis: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Pilih hard drive dan pindai data</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Pemindaian seluruh hard drive disarankan dalam situasi berikut:&lt;/p&gt;1. Tidak jelas dari disk mana data hilang.&lt;br/&gt;2. Beberapa partisi hilang setelah memformat atau menghapus partisi.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Tidak menemukan hard drive yang terhubung? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Dapatkan Bantuan&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Mulai Pindai</translation>
    </message>
</context>
</TS>
