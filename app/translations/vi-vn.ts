<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="vi_VN" sourcelanguage="en_US">
<context>
    <name>AboutDialog</name>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Version:</source>
        <translation>Phiên bản:</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery finds deleted and lost files on hard disks, memory cards, USB drives and disk images, including files on formatted or lost partitions, and copies them to a folder you choose. It only reads the disk you recover from and never writes to it.</source>
        <translation>Ostrel Windows Data Recovery tìm các tệp đã xóa và bị mất trên ổ cứng, thẻ nhớ, ổ USB và ảnh đĩa, kể cả trên phân vùng đã định dạng hoặc bị mất, rồi sao chép chúng vào thư mục bạn chọn. Chương trình chỉ đọc ổ đĩa cần khôi phục và không bao giờ ghi vào đó.</translation>
    </message>
    <message>
        <source>To learn more please visit:</source>
        <translation>Để tìm hiểu thêm, vui lòng truy cập:</translation>
    </message>
    <message>
        <source>Copyright &amp;copy; %1 pelvane. All rights reserved.</source>
        <translation>Bản quyền &amp;copy; %1 pelvane. Bảo lưu mọi quyền.</translation>
    </message>
</context>
<context>
    <name>AdvanceFilterComboBox</name>
    <message>
        <source>Advanced Filter</source>
        <translation>Bộ lọc nâng cao</translation>
    </message>
</context>
<context>
    <name>DataRecoveryDialog</name>
    <message>
        <source>Recovering data, please wait...</source>
        <translation>Đang khôi phục dữ liệu, vui lòng đợi...</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Recovering: %1</source>
        <translation>Đang khôi phục: %1</translation>
    </message>
</context>
<context>
    <name>DataReleaseWaitDialog</name>
    <message>
        <source>Releasing data, please wait...</source>
        <translation>Đang giải phóng dữ liệu, vui lòng đợi...</translation>
    </message>
</context>
<context>
    <name>DeviceAccessNotice</name>
    <message>
        <source>No access</source>
        <translation>Không có quyền truy cập</translation>
    </message>
    <message>
        <source>Devices marked &quot;No access&quot; can only be read with administrator rights. To scan them, start the program from its menu entry (it asks for your password), or run it as root.</source>
        <translation>Các thiết bị được đánh dấu &quot;Không có quyền truy cập&quot; chỉ đọc được với quyền quản trị. Để quét chúng, hãy khởi động chương trình từ mục trong menu (chương trình sẽ hỏi mật khẩu của bạn) hoặc chạy với quyền root.</translation>
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
        <translation>Xem&gt;</translation>
    </message>
</context>
<context>
    <name>FileBrowserModel</name>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Đường dẫn</translation>
    </message>
</context>
<context>
    <name>FileSizeComboBox</name>
    <message>
        <source>No Limit</source>
        <translation>Không giới hạn</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>File Size</source>
        <translation>Kích thước tệp</translation>
    </message>
</context>
<context>
    <name>FileSystemPathDisplayData</name>
    <message>
        <source>Stop Scanning?</source>
        <translation>Dừng quét?</translation>
    </message>
    <message>
        <source>The lost files may not be found completely if you stop.</source>
        <translation>Nếu dừng lại, có thể sẽ không tìm thấy đầy đủ các tệp bị mất.</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>It&apos;s recommended to recover the found files before returning.</source>
        <translation>Bạn nên khôi phục các tệp đã tìm thấy trước khi quay lại.</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you return to Home now.</source>
        <translation>Các tệp đã tìm thấy sẽ không được lưu nếu bạn quay về Trang chủ bây giờ.</translation>
    </message>
    <message>
        <source>Return to Home?</source>
        <translation>Quay về Trang chủ?</translation>
    </message>
    <message>
        <source>Return</source>
        <translation>Quay lại</translation>
    </message>
</context>
<context>
    <name>FileSystemPathNavigato</name>
    <message>
        <source>File Path</source>
        <translation>Đường dẫn</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Loại tệp</translation>
    </message>
</context>
<context>
    <name>FileTypeComboBox</name>
    <message>
        <source>For example: doc; pptx;</source>
        <translation>Ví dụ: doc; pptx;</translation>
    </message>
    <message>
        <source>File Type</source>
        <translation>Loại tệp</translation>
    </message>
</context>
<context>
    <name>FilterDataPanel</name>
    <message>
        <source>View Deleted Files</source>
        <translation>Xem tệp đã xóa</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Đặt lại</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectDelegate</name>
    <message>
        <source>Desktop</source>
        <translation>Màn hình nền</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Thùng rác</translation>
    </message>
    <message>
        <source>Select a Folder</source>
        <translation>Chọn thư mục</translation>
    </message>
    <message>
        <source>Local Drives</source>
        <translation>Ổ đĩa cục bộ</translation>
    </message>
    <message>
        <source>Local Drives (%1)</source>
        <translation>Ổ đĩa cục bộ (%1)</translation>
    </message>
    <message>
        <source>External Drives (%1)</source>
        <translation>Ổ đĩa ngoài (%1)</translation>
    </message>
    <message>
        <source>Specify a location</source>
        <translation>Chỉ định vị trí</translation>
    </message>
    <message>
        <source>Label: %1</source>
        <translation>Nhãn: %1</translation>
    </message>
    <message>
        <source>Disk: %1</source>
        <translation>Ổ đĩa: %1</translation>
    </message>
    <message>
        <source>Device: %1</source>
        <translation>Thiết bị: %1</translation>
    </message>
    <message>
        <source>File system: %1</source>
        <translation>Hệ thống tệp: %1</translation>
    </message>
</context>
<context>
    <name>HardDiskAndFolderSelectPage</name>
    <message>
        <source>Select a location to search for lost data</source>
        <translation>Chọn vị trí để tìm dữ liệu bị mất</translation>
    </message>
    <message>
        <source>Not sure where data was lost? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Scan Disk&lt;/a&gt;</source>
        <translation>Không chắc dữ liệu bị mất ở đâu? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Quét ổ đĩa&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Tìm dữ liệu bị mất</translation>
    </message>
    <message>
        <source>Unable to scan this path. Please check disk read permissions or select another path.</source>
        <translation>Không thể quét đường dẫn này. Vui lòng kiểm tra quyền đọc ổ đĩa hoặc chọn đường dẫn khác.</translation>
    </message>
</context>
<context>
    <name>Launcher</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Đang đọc dữ liệu từ ổ đĩa, vui lòng đợi...</translation>
    </message>
</context>
<context>
    <name>LostTipWidget</name>
    <message>
        <source>What are &quot;Lost-name files&quot;?</source>
        <translation>&quot;Tệp mất tên&quot; là gì?</translation>
    </message>
    <message>
        <source>What is a &quot;Lost Partition&quot;?</source>
        <translation>&quot;Phân vùng bị mất&quot; là gì?</translation>
    </message>
    <message>
        <source>What is an &quot;Unmounted Partition&quot;?</source>
        <translation>&quot;Phân vùng chưa gắn&quot; là gì?</translation>
    </message>
    <message>
        <source>What is an &quot;Unallocated Partition&quot;?</source>
        <translation>&quot;Phân vùng chưa cấp phát&quot; là gì?</translation>
    </message>
    <message>
        <source>Advanced scanning modes can find more lost files. However, some of these files have lost their original file names and path information. These files may be exactly the files you need.</source>
        <translation>Các chế độ quét nâng cao có thể tìm thấy nhiều tệp bị mất hơn. Tuy nhiên, một số tệp đã mất tên và đường dẫn gốc. Đó có thể chính là những tệp bạn cần.</translation>
    </message>
    <message>
        <source>Partitions may become lost after deletion or formatting. These files could be exactly what you need.</source>
        <translation>Phân vùng có thể bị mất sau khi xóa hoặc định dạng. Những tệp này có thể chính là những gì bạn cần.</translation>
    </message>
    <message>
        <source>Partitions may appear unmounted if hidden or lacking a drive letter.</source>
        <translation>Phân vùng có thể hiển thị là chưa gắn nếu bị ẩn hoặc không có ký tự ổ đĩa.</translation>
    </message>
    <message>
        <source>After a partition is deleted, it is not recreated, and the disk space remains unallocated. These files may be exactly what you need.</source>
        <translation>Sau khi xóa, phân vùng không được tạo lại và dung lượng đĩa vẫn chưa được cấp phát. Những tệp này có thể chính là những gì bạn cần.</translation>
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
        <translation>Ngôn ngữ</translation>
    </message>
    <message>
        <source>Guide</source>
        <translation>Hướng dẫn</translation>
    </message>
    <message>
        <source>FAQ</source>
        <translation>Câu hỏi thường gặp</translation>
    </message>
    <message>
        <source>Open Log Folder</source>
        <translation>Mở thư mục nhật ký</translation>
    </message>
    <message>
        <source>Check for Updates</source>
        <translation>Kiểm tra cập nhật</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Giới thiệu</translation>
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
        <translation>Không mở được trình quản lý tệp. Các tệp nhật ký nằm ở:
%1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>The program closed unexpectedly last time. Send the crash report and the logs to help us fix the problem?</source>
        <translation>Lần trước chương trình đã đóng đột ngột. Gửi báo cáo sự cố và nhật ký để giúp chúng tôi khắc phục vấn đề?</translation>
    </message>
    <message>
        <source>Don&apos;t Send</source>
        <translation>Không gửi</translation>
    </message>
    <message>
        <source>Send</source>
        <translation>Gửi</translation>
    </message>
</context>
<context>
    <name>MediaPreviewDialog</name>
    <message>
        <source>Recover</source>
        <translation>Khôi phục</translation>
    </message>
</context>
<context>
    <name>MemoryWarningDialog</name>
    <message>
        <source>You can recover the found files first</source>
        <translation>Bạn có thể khôi phục các tệp đã tìm thấy trước</translation>
    </message>
    <message>
        <source>Please close other programs when using this tool</source>
        <translation>Vui lòng đóng các chương trình khác khi dùng công cụ này</translation>
    </message>
    <message>
        <source>RAM Usage</source>
        <translation>Mức dùng RAM</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Insufficient memory, scanning paused</source>
        <translation>Không đủ bộ nhớ, đã tạm dừng quét</translation>
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
        <translation>Ngày sửa đổi</translation>
    </message>
</context>
<context>
    <name>NameTable</name>
    <message>
        <source>Local Drives</source>
        <translation>Ổ đĩa cục bộ</translation>
    </message>
    <message>
        <source>External Drives</source>
        <translation>Ổ đĩa ngoài</translation>
    </message>
    <message>
        <source>System Disk</source>
        <translation>Ổ đĩa hệ thống</translation>
    </message>
    <message>
        <source>Lost Partition</source>
        <translation>Phân vùng bị mất</translation>
    </message>
    <message>
        <source>Unmounted Partition</source>
        <translation>Phân vùng chưa gắn</translation>
    </message>
    <message>
        <source>Unallocated Partition</source>
        <translation>Phân vùng chưa cấp phát</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Màn hình nền</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <translation>Thùng rác</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Thư mục</translation>
    </message>
    <message>
        <source>File Name Lost</source>
        <translation>Mất tên tệp</translation>
    </message>
    <message>
        <source>File Path Lost</source>
        <translation>Mất đường dẫn tệp</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Ảnh</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Tài liệu</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Tệp nén</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Khác</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Tệp chưa lưu</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Tệp không có phần mở rộng</translation>
    </message>
    <message>
        <source>All Files</source>
        <translation>Tất cả tệp</translation>
    </message>
    <message>
        <source>USB Drive</source>
        <translation>Ổ USB</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Không xác định</translation>
    </message>
</context>
<context>
    <name>NoFindSDCardWidget</name>
    <message>
        <source>Please connect the SD card to the computer.</source>
        <translation>Vui lòng kết nối thẻ SD với máy tính.</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer via a card reader.</source>
        <translation>Kết nối thẻ SD với máy tính qua đầu đọc thẻ.</translation>
    </message>
</context>
<context>
    <name>NoLocalDiskDialog</name>
    <message>
        <source>Cannot detect your drive?</source>
        <translation>Không phát hiện được ổ đĩa?</translation>
    </message>
    <message>
        <source>1. Remove all external devices and try again.</source>
        <translation>1. Tháo tất cả thiết bị ngoài rồi thử lại.</translation>
    </message>
    <message>
        <source>2. Please connect only the external device to be scanned. Try again after you change to another USB port.</source>
        <translation>2. Chỉ kết nối thiết bị ngoài cần quét. Thử lại sau khi đổi sang cổng USB khác.</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Vẫn gặp sự cố? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Liên hệ chúng tôi &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Đã hiểu</translation>
    </message>
</context>
<context>
    <name>NoSDCardDialog</name>
    <message>
        <source>Check disk connection</source>
        <translation>Kiểm tra kết nối ổ đĩa</translation>
    </message>
    <message>
        <source>Check disk status</source>
        <translation>Kiểm tra trạng thái ổ đĩa</translation>
    </message>
    <message>
        <source>Still have problem? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Contact us &gt;&gt;&lt;/a&gt;</source>
        <translation>Vẫn gặp sự cố? &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Liên hệ chúng tôi &gt;&gt;&lt;/a&gt;</translation>
    </message>
    <message>
        <source>To recover data from a digital camera, please remove the SD card and connect it to the computer via a card reader.</source>
        <translation>Để khôi phục dữ liệu từ máy ảnh kỹ thuật số, hãy tháo thẻ SD và kết nối với máy tính qua đầu đọc thẻ.</translation>
    </message>
    <message>
        <source>If none of the above methods work, try changing the card reader or computer and try again.</source>
        <translation>Nếu các cách trên đều không hiệu quả, hãy thử đầu đọc thẻ hoặc máy tính khác.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Healthy&lt;/b&gt;&lt;br/&gt;The disk is connected and in healthy condition, indicating that the disk is in normal condition. If it still cannot be detected, please &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>&lt;b&gt;Tốt&lt;/b&gt;&lt;br/&gt;Ổ đĩa đã kết nối và đang ở trạng thái tốt. Nếu vẫn không phát hiện được, vui lòng &lt;a style=&apos;color: %1;&apos; href=&quot;%2/&quot;&gt;liên hệ chúng tôi&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>&lt;b&gt;No Media&lt;/b&gt;&lt;br/&gt;If the SD card is no longer recognized, it may be damaged.</source>
        <translation>&lt;b&gt;Không có phương tiện&lt;/b&gt;&lt;br/&gt;Nếu thẻ SD không còn được nhận, có thể thẻ đã bị hỏng.</translation>
    </message>
    <message>
        <source>If the card reader is not recognized, try another USB port or a port on the back of the computer.</source>
        <translation>Nếu đầu đọc thẻ không được nhận, hãy thử cổng USB khác hoặc cổng ở mặt sau máy tính.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Unallocated&lt;/b&gt;&lt;br/&gt;Scan the card&apos;s unallocated space first, on the whole disk page (&quot;Scan Disk&quot;). Create a new volume on the card only after your files are recovered: creating one writes to the card.</source>
        <translation>&lt;b&gt;Chưa cấp phát&lt;/b&gt;&lt;br/&gt;Hãy quét vùng chưa cấp phát của thẻ trước, trên trang toàn bộ ổ đĩa (&quot;Quét ổ đĩa&quot;). Chỉ tạo phân vùng mới trên thẻ sau khi đã khôi phục xong tệp: việc tạo phân vùng sẽ ghi lên thẻ.</translation>
    </message>
</context>
<context>
    <name>NoSDCardSolutionProvider</name>
    <message>
        <source>Open &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Disk Management&lt;/a&gt; and check the SD card status as follows:</source>
        <translation>Mở &lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Quản lý đĩa&lt;/a&gt; và kiểm tra trạng thái thẻ SD như sau:</translation>
    </message>
    <message>
        <source>Open your desktop&apos;s disk tool, or run &lt;b&gt;lsblk&lt;/b&gt; in a terminal, and check the SD card status as follows:</source>
        <translation>Mở công cụ quản lý ổ đĩa của môi trường desktop, hoặc chạy &lt;b&gt;lsblk&lt;/b&gt; trong terminal, rồi kiểm tra trạng thái thẻ SD như sau:</translation>
    </message>
</context>
<context>
    <name>NotSupportPreview</name>
    <message>
        <source>The file does not support preview.</source>
        <translation>Tệp này không hỗ trợ xem trước.</translation>
    </message>
    <message>
        <source>Please open it after &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;recovery&lt;/a&gt;.</source>
        <translation>Vui lòng mở tệp sau khi &lt;a style=&apos;color: %1;&apos; href=&quot;#&quot;&gt;khôi phục&lt;/a&gt;.</translation>
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
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Hide 0kb files</source>
        <translation>Ẩn tệp 0 KB</translation>
    </message>
    <message>
        <source>Hide system files</source>
        <translation>Ẩn tệp hệ thống</translation>
    </message>
    <message>
        <source>Hide temporary files</source>
        <translation>Ẩn tệp tạm</translation>
    </message>
    <message>
        <source>Hide browser cache</source>
        <translation>Ẩn bộ nhớ đệm trình duyệt</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Ảnh</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Âm thanh</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Tài liệu</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>Email</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Tệp nén</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>Khác</translation>
    </message>
    <message>
        <source>Extensionless File</source>
        <translation>Tệp không có phần mở rộng</translation>
    </message>
    <message>
        <source>Unsaved File</source>
        <translation>Tệp chưa lưu</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>Tùy chỉnh</translation>
    </message>
    <message>
        <source>No Limit</source>
        <translation>Không giới hạn</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hôm nay</translation>
    </message>
    <message>
        <source>Yesterday</source>
        <translation>Hôm qua</translation>
    </message>
    <message>
        <source>Last Week</source>
        <translation>Tuần trước</translation>
    </message>
    <message>
        <source>Last Month</source>
        <translation>Tháng trước</translation>
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
        <translation>Xem trước</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Mở</translation>
    </message>
</context>
<context>
    <name>RecoverFileInfoPanelProviderDelegate</name>
    <message>
        <source>Name</source>
        <translation>Tên</translation>
    </message>
    <message>
        <source>Date Modified</source>
        <translation>Ngày sửa đổi</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Loại</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Kích thước</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Đường dẫn</translation>
    </message>
</context>
<context>
    <name>RecoveryCompleteDialog</name>
    <message>
        <source>Some disks are disconnected.
Please reconnect, then scan and export again.</source>
        <translation>Một số ổ đĩa đã ngắt kết nối.
Vui lòng kết nối lại, sau đó quét và xuất lại.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Ổ đĩa đã ngắt kết nối: %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Check Recovered Data</source>
        <translation>Xem dữ liệu đã khôi phục</translation>
    </message>
    <message>
        <source>Recovery stopped.</source>
        <translation>Đã dừng khôi phục.</translation>
    </message>
    <message>
        <source>Recovery incomplete.</source>
        <translation>Khôi phục chưa hoàn tất.</translation>
    </message>
    <message>
        <source>Recovery successful.</source>
        <translation>Khôi phục thành công.</translation>
    </message>
    <message>
        <source>No file manager could be opened. The recovered files are in:
%1</source>
        <translation>Không mở được trình quản lý tệp. Các tệp đã khôi phục nằm tại:
%1</translation>
    </message>
    <message>
        <source>Files recovered incomplete (part of their data may be wrong or missing): %1</source>
        <translation>Tệp được khôi phục không đầy đủ (một phần dữ liệu có thể sai hoặc bị thiếu): %1</translation>
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
        <translation>Ổ đĩa được quét đã ngắt kết nối. Vui lòng kết nối lại ổ đĩa và quét lại dữ liệu.</translation>
    </message>
    <message>
        <source>The export disk has been disconnected. Please export the data again.</source>
        <translation>Ổ đĩa đích để xuất đã ngắt kết nối. Vui lòng xuất lại dữ liệu.</translation>
    </message>
    <message>
        <source>The export disk is full. Please free some space on it or choose another location, then export the data again.</source>
        <translation>Ổ đĩa đích để xuất dữ liệu đã đầy. Vui lòng giải phóng dung lượng trên ổ đĩa đó hoặc chọn vị trí khác, rồi xuất lại dữ liệu.</translation>
    </message>
</context>
<context>
    <name>RecoveryStateIndicator</name>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Đang quét dữ liệu, vui lòng đợi...</translation>
    </message>
    <message>
        <source>Searching files, please wait...</source>
        <translation>Đang tìm tệp, vui lòng đợi...</translation>
    </message>
    <message>
        <source>No files found, please try again.</source>
        <translation>Không tìm thấy tệp nào, vui lòng thử lại.</translation>
    </message>
    <message>
        <source>No files found...</source>
        <translation>Không tìm thấy tệp nào...</translation>
    </message>
    <message>
        <source>1. Wait until the scan is complete and try again.</source>
        <translation>1. Đợi quá trình quét hoàn tất rồi thử lại.</translation>
    </message>
    <message>
        <source>2. You can try to reduce filters.</source>
        <translation>2. Bạn có thể thử bớt bộ lọc.</translation>
    </message>
    <message>
        <source>1. Try again after the scan is complete.</source>
        <translation>1. Thử lại sau khi quét xong.</translation>
    </message>
    <message>
        <source>2. Please make sure that you&apos;ve entered correct words.</source>
        <translation>2. Vui lòng kiểm tra bạn đã nhập đúng từ khóa.</translation>
    </message>
    <message>
        <source>&lt;p&gt;3. The name of the file may be lost. Please &lt;a href=&quot;123&quot;&gt;search it here&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;p&gt;3. Tên tệp có thể đã bị mất. Vui lòng &lt;a href=&quot;123&quot;&gt;tìm tại đây&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Filtering data, please wait...</source>
        <translation>Đang lọc dữ liệu, vui lòng đợi...</translation>
    </message>
</context>
<context>
    <name>RecoveryStoragePage</name>
    <message>
        <source>Exit program?</source>
        <translation>Thoát chương trình?</translation>
    </message>
    <message>
        <source>The found files won&apos;t be saved if you exit now.</source>
        <translation>Các tệp đã tìm thấy sẽ không được lưu nếu bạn thoát bây giờ.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;File Path/Type&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Đường dẫn/Loại tệp&lt;/font&gt;</translation>
    </message>
    <message>
        <source>If you still remember the location of your lost file, you can search it via the File Path. If not, you can search it via File Type.</source>
        <translation>Nếu vẫn nhớ vị trí của tệp bị mất, bạn có thể tìm theo Đường dẫn. Nếu không, hãy tìm theo Loại tệp.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep2</name>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
    <message>
        <source>If many files are found, search can help you quickly locate the ones you need.</source>
        <translation>Khi tìm thấy nhiều tệp, tính năng tìm kiếm giúp bạn nhanh chóng tìm ra tệp cần thiết.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Quay lại&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Check Found Files&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Xem tệp đã tìm thấy&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Check and select the data you want to recover.</source>
        <translation>Xem và chọn dữ liệu bạn muốn khôi phục.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Quay lại&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp</translation>
    </message>
</context>
<context>
    <name>RecoveryToolkitGuideStep4</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Recover Data&lt;/font&gt;</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Khôi phục dữ liệu&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Click the button to recover lost data.</source>
        <translation>Nhấp vào nút để khôi phục dữ liệu bị mất.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Quay lại&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
</context>
<context>
    <name>RefreshDiskDialog</name>
    <message>
        <source>Reading data from the disk, please wait...</source>
        <translation>Đang đọc dữ liệu từ ổ đĩa, vui lòng đợi...</translation>
    </message>
    <message>
        <source>It may take a while to refresh drive information.</source>
        <translation>Việc làm mới thông tin ổ đĩa có thể mất một lúc.</translation>
    </message>
    <message>
        <source>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Drive still not showing up?&lt;/a&gt;</source>
        <translation>&lt;a style=&apos;color: %1;&apos; href=&quot;help/&quot;&gt;Ổ đĩa vẫn không hiển thị?&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>ResultsExportFlow</name>
    <message>
        <source>Please select the files you want to recover.</source>
        <translation>Vui lòng chọn các tệp bạn muốn khôi phục.</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Chọn tất cả</translation>
    </message>
    <message>
        <source>Select Now</source>
        <translation>Chọn ngay</translation>
    </message>
    <message>
        <source>%1 is read-only. Please select another location to save the data.</source>
        <translation>%1 chỉ đọc. Vui lòng chọn vị trí khác để lưu dữ liệu.</translation>
    </message>
    <message>
        <source>Select Another Location</source>
        <translation>Chọn vị trí khác</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Saving data to %1 (where the data is lost) will overwrite the data and lead to data loss permanently.</source>
        <translation>Lưu dữ liệu vào %1 (nơi dữ liệu bị mất) sẽ ghi đè lên dữ liệu và khiến dữ liệu mất vĩnh viễn.</translation>
    </message>
    <message>
        <source>Save Anyway</source>
        <translation>Vẫn lưu</translation>
    </message>
    <message>
        <source>There is insufficient disk space on your %1. Please free space on this drive and try again, or select another location to save the data.</source>
        <translation>Không đủ dung lượng trên %1. Vui lòng giải phóng dung lượng trên ổ này rồi thử lại, hoặc chọn vị trí khác để lưu dữ liệu.</translation>
    </message>
    <message>
        <source>Are you sure to stop recovery?</source>
        <translation>Bạn có chắc muốn dừng khôi phục?</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Dừng</translation>
    </message>
    <message>
        <source>%1: %2 available</source>
        <translation>%1: còn trống %2</translation>
    </message>
    <message>
        <source>Selected: %1</source>
        <translation>Đã chọn: %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectDelegate</name>
    <message>
        <source>Disk %1</source>
        <translation>Ổ đĩa %1</translation>
    </message>
</context>
<context>
    <name>SDCardSelectPage</name>
    <message>
        <source>Select an SD Card to Recover Lost Data</source>
        <translation>Chọn thẻ SD để khôi phục dữ liệu bị mất</translation>
    </message>
    <message>
        <source>Connect the SD card to the computer through a card reader to recover lost pictures and videos from digital cameras (Sony, Canon, Nikon, etc.), sports cameras (ins360, GoPro, DJI, etc.), various brands of drones, car cameras and monitors.</source>
        <translation>Kết nối thẻ SD với máy tính qua đầu đọc thẻ để khôi phục ảnh và video bị mất từ máy ảnh kỹ thuật số (Sony, Canon, Nikon, v.v.), camera hành trình thể thao (ins360, GoPro, DJI, v.v.), flycam của nhiều hãng, camera hành trình ô tô và camera giám sát.</translation>
    </message>
    <message>
        <source>No SD card detected? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Không phát hiện thẻ SD? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Trợ giúp&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Search for Lost Data</source>
        <translation>Tìm dữ liệu bị mất</translation>
    </message>
</context>
<context>
    <name>ScanCompleteDialog</name>
    <message>
        <source>Scan Completed</source>
        <translation>Đã quét xong</translation>
    </message>
    <message>
        <source>Check and recover your data now!</source>
        <translation>Hãy xem và khôi phục dữ liệu của bạn ngay!</translation>
    </message>
    <message>
        <source>Some disks were disconnected during scanning.
If no lost data is found, please reconnect and scan again.</source>
        <translation>Một số ổ đĩa đã ngắt kết nối trong khi quét.
Nếu không tìm thấy dữ liệu bị mất, vui lòng kết nối lại và quét lại.</translation>
    </message>
    <message>
        <source>Disconnected disks: %1</source>
        <translation>Ổ đĩa đã ngắt kết nối: %1</translation>
    </message>
    <message>
        <source>Size: %1</source>
        <translation>Kích thước: %1</translation>
    </message>
    <message>
        <source>Files: %1</source>
        <translation>Số tệp: %1</translation>
    </message>
    <message>
        <source>Check Found Files</source>
        <translation>Xem tệp đã tìm thấy</translation>
    </message>
</context>
<context>
    <name>ScanProgressPanel</name>
    <message>
        <source>Recover</source>
        <translation>Khôi phục</translation>
    </message>
    <message>
        <source>Scanning data, please wait...</source>
        <translation>Đang quét dữ liệu, vui lòng đợi...</translation>
    </message>
    <message>
        <source>Remaining time:</source>
        <translation>Thời gian còn lại:</translation>
    </message>
    <message>
        <source>Scan Completed</source>
        <translation>Đã quét xong</translation>
    </message>
    <message>
        <source>Scan stopped!</source>
        <translation>Đã dừng quét!</translation>
    </message>
    <message>
        <source>Quick Scan - </source>
        <translation>Quét nhanh - </translation>
    </message>
    <message>
        <source>Scan Paused - </source>
        <translation>Đã tạm dừng quét - </translation>
    </message>
    <message>
        <source>Advanced Scan - </source>
        <translation>Quét nâng cao - </translation>
    </message>
    <message>
        <source>Deep Scan - </source>
        <translation>Quét sâu - </translation>
    </message>
    <message>
        <source>Files found: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</source>
        <translation>Đã tìm thấy tệp: %1 &lt;font color=&quot;#64748B&quot;&gt;(%2)&lt;/font&gt;</translation>
    </message>
    <message>
        <source>Selected:  %1 (%2)</source>
        <translation>Đã chọn: %1 (%2)</translation>
    </message>
</context>
<context>
    <name>SearchDataPanel</name>
    <message>
        <source>Return</source>
        <translation>Quay lại</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Trang chủ</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%2) items are found.</source>
        <translation>
            <numerusform>Tìm thấy %1 (%2) mục.</numerusform>
        </translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Lọc</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
    </message>
</context>
<context>
    <name>SearchGuideDialog</name>
    <message>
        <source>No files found...</source>
        <translation>Không tìm thấy tệp nào...</translation>
    </message>
    <message>
        <source>Use the filtering function to find the files you need based on file type, size, modification time and other attributes.</source>
        <translation>Dùng chức năng lọc để tìm tệp bạn cần theo loại, kích thước, thời gian sửa đổi và các thuộc tính khác.</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Lọc</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Tìm kiếm</translation>
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
        <translation>Kết quả quét</translation>
    </message>
    <message>
        <source>The found files come here.</source>
        <translation>Các tệp đã tìm thấy sẽ hiển thị ở đây.</translation>
    </message>
</context>
<context>
    <name>StandInStorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Thoát chương trình?</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Thoát</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Hủy</translation>
    </message>
    <message>
        <source>Select a location to scan</source>
        <translation>Chọn vị trí để quét</translation>
    </message>
    <message>
        <source>The list of disks, partitions and folders comes here.</source>
        <translation>Danh sách ổ đĩa, phân vùng và thư mục sẽ hiển thị ở đây.</translation>
    </message>
</context>
<context>
    <name>StorageDeviceBar</name>
    <message>
        <source>Data Recovery</source>
        <translation>Khôi phục dữ liệu</translation>
    </message>
    <message>
        <source>Hard Drive</source>
        <translation>Ổ cứng</translation>
    </message>
    <message>
        <source>Advanced Recovery</source>
        <translation>Khôi phục nâng cao</translation>
    </message>
    <message>
        <source>SD Card</source>
        <translation>Thẻ SD</translation>
    </message>
</context>
<context>
    <name>StorageDeviceModule</name>
    <message>
        <source>Exit program?</source>
        <translation>Thoát chương trình?</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep1</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 1:&lt;/font&gt; Hard Drive Recovery</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Bước 1:&lt;/font&gt; Khôi phục dữ liệu từ ổ cứng</translation>
    </message>
    <message>
        <source>Help you recover the lost data from your PC.</source>
        <translation>Giúp bạn khôi phục dữ liệu bị mất trên máy tính.</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep2</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 2:&lt;/font&gt; Select a Location</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Bước 2:&lt;/font&gt; Chọn vị trí</translation>
    </message>
    <message>
        <source>Select a location to search for lost data.</source>
        <translation>Chọn vị trí để tìm dữ liệu bị mất.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Quay lại&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Tiếp</translation>
    </message>
</context>
<context>
    <name>StorageGuideStep3</name>
    <message>
        <source>&lt;font style=&apos;color:%1&apos;&gt;Step 3:&lt;/font&gt; Search for Lost Data</source>
        <translation>&lt;font style=&apos;color:%1&apos;&gt;Bước 3:&lt;/font&gt; Tìm dữ liệu bị mất</translation>
    </message>
    <message>
        <source>Click the button to search for lost data.</source>
        <translation>Nhấp vào nút để tìm dữ liệu bị mất.</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Back&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;#&quot; style=&quot;text-decoration: underline; color:%1;&quot;&gt;Quay lại&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Xong</translation>
    </message>
</context>
<context>
    <name>UpgradeDialog</name>
    <message>
        <source>Waiting for checking...</source>
        <translation>Đang kiểm tra...</translation>
    </message>
    <message>
        <source>Remind Me Later</source>
        <translation>Nhắc tôi sau</translation>
    </message>
    <message>
        <source>Upgrade Now</source>
        <translation>Nâng cấp ngay</translation>
    </message>
    <message>
        <source>Ostrel Windows Data Recovery</source>
        <translation>Ostrel Windows Data Recovery</translation>
    </message>
    <message>
        <source>Current version is up to date.</source>
        <translation>Phiên bản hiện tại là mới nhất.</translation>
    </message>
    <message>
        <source>Fetch update info failed. Please retry later.</source>
        <translation>Không lấy được thông tin cập nhật. Vui lòng thử lại sau.</translation>
    </message>
    <message>
        <source>A new version is available!</source>
        <translation>Đã có phiên bản mới!</translation>
    </message>
    <message>
        <source>Version: %1 | Size: %2 | Release Date: %3</source>
        <translation>Phiên bản: %1 | Kích thước: %2 | Ngày phát hành: %3</translation>
    </message>
</context>
<context>
    <name>WholeDiskPage</name>
    <message>
        <source>Select a hard drive and scan data</source>
        <translation>Chọn ổ cứng và quét dữ liệu</translation>
    </message>
    <message>
        <source>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Scanning the entire hard drive is recommended in the following situations:&lt;/p&gt;1. It is unclear from which disk the data was lost.&lt;br/&gt;2. Multiple partitions are missing after formatting or deleting a partition.</source>
        <translation>&lt;p style=&apos;font-weight: bold;font-size: 18px;color: #000000;line-height: 27px;&apos;&gt;Nên quét toàn bộ ổ cứng trong các trường hợp sau:&lt;/p&gt;1. Không rõ dữ liệu bị mất trên ổ đĩa nào.&lt;br/&gt;2. Mất nhiều phân vùng sau khi định dạng hoặc xóa một phân vùng.</translation>
    </message>
    <message>
        <source>Can&apos;t find a connected hard drive? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Get Help&lt;/a&gt;</source>
        <translation>Không tìm thấy ổ cứng đã kết nối? &lt;a style=&apos;color: %1;&apos; href=&quot;Seek help/&quot;&gt;Trợ giúp&lt;/a&gt;</translation>
    </message>
</context>
<context>
    <name>WholeDiskView</name>
    <message>
        <source>Start Scan</source>
        <translation>Bắt đầu quét</translation>
    </message>
</context>
</TS>
