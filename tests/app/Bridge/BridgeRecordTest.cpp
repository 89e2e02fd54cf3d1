// The found-file record, its run encoding, classification, found paths and the
// texts a record carries.
#include "DocumentInfo.h"
#include "EngineTime.h"
#include "FileTypeClassifier.h"
#include "FileTypeName.h"
#include "FolderCategory.h"
#include "FoundPath.h"
#include "NodeTypeCode.h"
#include "QDiskAndVolumeInfo.h"
#include "RemainingTime.h"
#include "VarUInt.h"

#include "NameTable.h"

#include <QDateTime>
#include <QLocale>
#include <QTest>

#include <ctime>

#include <cstring>
#include <memory>

namespace {

struct RecordDeleter {
    void operator()(DocumentInfo* info) const { freeRecord(info); }
};
using RecordPtr = std::unique_ptr<DocumentInfo, RecordDeleter>;

RecordPtr fileRecord(const QByteArray& path, const DataRunList& runs = {})
{
    FileRecordFields fields;
    fields.typeCode = PhotoFile;
    fields.eventKind = 9;
    fields.pathState = 2;
    fields.deletedState = 1;
    fields.size = 1234;
    fields.timeMs = 1000;
    fields.runs = &runs;
    fields.path = path;
    fields.sizeText = "1.21 KB";
    fields.timeText = "1970-01-01 00:00:01";
    return RecordPtr(createFileRecord(fields));
}

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

} // namespace

class BridgeRecordTest : public QObject {
    Q_OBJECT

private slots:
    void varUIntLengths_data()
    {
        QTest::addColumn<quint64>("value");
        QTest::addColumn<int>("length");
        QTest::newRow("0") << quint64(0) << 1;
        QTest::newRow("127") << quint64(127) << 1;
        QTest::newRow("128") << quint64(128) << 2;
        QTest::newRow("2^64-1") << ~quint64(0) << 10;
    }
    void varUIntLengths()
    {
        QFETCH(quint64, value);
        QFETCH(int, length);
        QCOMPARE(varUIntLength(value), length);
        uint8_t buffer[16] = {};
        QCOMPARE(encodeVarUInt(value, buffer, 16), length);
        quint64 decoded = 1;
        QCOMPARE(decodeVarUInt(buffer, 16, &decoded), length);
        QCOMPARE(decoded, value);
        // Room runs out: the encoder stops there.
        QCOMPARE(encodeVarUInt(value, buffer, length - 1), length - 1);
    }

    void varUIntDecodeEdges_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("used");
        QTest::newRow("empty") << QByteArray() << 0;
        QTest::newRow("ends inside a value") << bytes({0x80, 0x81}) << 2;
        QTest::newRow("eleven bytes") << bytes({0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x80, 0x81, 0x01}) << -1;
        QTest::newRow("tenth byte past bit 63") << bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x02})
                                                << -1;
        QTest::newRow("tenth byte bit 63") << bytes({0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01})
                                           << 10;
    }
    void varUIntDecodeEdges()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, used);
        quint64 value = 0;
        QCOMPARE(decodeVarUInt(reinterpret_cast<const uint8_t*>(data.constData()), data.size(), &value), used);
    }

    void recordLayout()
    {
        const DataRunList runs{{0, 127}, {128, ~quint64(0)}};
        RecordPtr record = fileRecord("C:/a/B.JPG", runs);
        QVERIFY(record);
        // 1 + 1 + 2 + 10 bytes of runs, then the path, size text and time text.
        QCOMPARE(record->runBytes(), 14u);
        QCOMPARE(record->pathBytes(), 10);
        QCOMPARE(record->sizeTextBytes(), 7);
        QCOMPARE(record->timeTextBytes(), 19);
        QCOMPARE(record->eventKind(), 9u);
        QCOMPARE(record->level(), quint32(DocumentInfo::FileLevel));
        QCOMPARE(record->pathState(), 2u);
        QCOMPARE(record->deletedState(), 1u);
        QCOMPARE(DocumentInfo::dataRuns(record.get()), runs);
        QCOMPARE(DocumentInfo::filePath(record.get()), QStringLiteral("C:/a/B.JPG"));
        QCOMPARE(DocumentInfo::sizeText(record.get()), QStringLiteral("1.21 KB"));
        QCOMPARE(DocumentInfo::timeText(record.get()), QStringLiteral("1970-01-01 00:00:01"));
    }

    void recordWithoutRuns()
    {
        RecordPtr record = fileRecord("C:/x");
        QCOMPARE(record->runBytes(), 0u);
        QCOMPARE(static_cast<const void*>(record->pathData()),
                 static_cast<const void*>(reinterpret_cast<const char*>(record.get()) + DocumentInfo::headerSize));
        QVERIFY(DocumentInfo::dataRuns(record.get()).isEmpty());
    }

    void recordWith255Runs()
    {
        DataRunList runs;
        for (int i = 0; i < 255; ++i)
            runs.append({quint64(i) * 4096 * 1000, 4096});
        RecordPtr record = fileRecord("C:/many", runs);
        QCOMPARE(DocumentInfo::dataRuns(record.get()), runs);
        // More runs than an event can carry: only 255 are stored.
        runs.append({1, 1});
        RecordPtr capped = fileRecord("C:/more", runs);
        QCOMPARE(DocumentInfo::dataRuns(capped.get()).size(), 255);
    }

    void damagedRunBytes_data()
    {
        QTest::addColumn<QByteArray>("encoded");
        QTest::addColumn<int>("pairs");
        QTest::newRow("length cut after an offset") << bytes({0x05, 0x06, 0x07}) << 1;
        QTest::newRow("length ends inside a value") << bytes({0x05, 0x06, 0x07, 0x88}) << 1;
        QTest::newRow("malformed offset") << bytes({0x05, 0x06, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF,
                                                    0x7F, 0x01})
                                          << 1;
    }
    void damagedRunBytes()
    {
        QFETCH(QByteArray, encoded);
        QFETCH(int, pairs);
        // A record whose run bytes are written by hand, as damage would leave them.
        auto* info = static_cast<DocumentInfo*>(std::calloc(1, DocumentInfo::headerSize + encoded.size()));
        RecordPtr record(info);
        info->lengths = quint64(encoded.size()) << 32;
        std::memcpy(reinterpret_cast<char*>(info) + DocumentInfo::headerSize, encoded.constData(), encoded.size());
        QCOMPARE(DocumentInfo::dataRuns(info).size(), pairs);
    }

    void lengthsThatDoNotFit()
    {
        QVERIFY(!fileRecord(QByteArray(70000, 'a')));
        QVERIFY(fileRecord(QByteArray(65535, 'a')));
        FileRecordFields none;
        QVERIFY(!createFolderRecord(QByteArray(65536, 'a'), PlainFolder, 1, none, 0));
    }

    void accessors_data()
    {
        QTest::addColumn<QByteArray>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("suffix");
        QTest::newRow("plain") << QByteArray("C:/a/b.txt") << "b.txt" << "txt";
        QTest::newRow("upper case") << QByteArray("C:/a/B.TXT") << "B.TXT" << "txt";
        QTest::newRow("trailing dot") << QByteArray("C:/a/name.") << "name." << "";
        QTest::newRow("no dot") << QByteArray("C:/a/name") << "name" << "";
        QTest::newRow("no separator") << QByteArray("name.tar.gz") << "name.tar.gz" << "gz";
        QTest::newRow("empty") << QByteArray() << "" << "";
    }
    void accessors()
    {
        QFETCH(QByteArray, path);
        QFETCH(QString, name);
        QFETCH(QString, suffix);
        RecordPtr record = fileRecord(path);
        QCOMPARE(DocumentInfo::fileName(record.get()), name);
        QCOMPARE(DocumentInfo::suffix(record.get()), suffix);
    }

    void checkStateExchange()
    {
        RecordPtr record = fileRecord("C:/a");
        QCOMPARE(record->exchangeCheckState(false, 2), 0u);
        QCOMPARE(record->exchangeCheckState(false, 2), 2u);
        QCOMPARE(record->checkState(false), 2u);
        QCOMPARE(record->checkState(true), 0u);
        QCOMPARE(record->eventKind(), 9u);
    }

    void typeNames()
    {
        // Before the tables are filled every code is "Unknown".
        if (!nameTableSnapshot() || !nameTableSnapshot()->filled)
            QCOMPARE(fileTypeName(PhotoFile, false), QStringLiteral("Unknown"));
        fillNameTable();
        QCOMPARE(fileTypeName(PhotoFile, false), QStringLiteral("Photo"));
        QCOMPARE(fileTypeName(AllFilesRoot, false), QStringLiteral("All Files"));
        QCOMPARE(fileTypeName(200, false), QStringLiteral("Unknown"));
        QCOMPARE(fileTypeName(200, true), QStringLiteral("Unknown"));
    }

    void classification_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("code");
        QTest::newRow("unsaved Word") << "C:/Users/ann/AppData/Roaming/Microsoft/Word/report.asd" << int(UnsavedFile);
        QTest::newRow("unsaved Office") << "c:/users/bo/appdata/local/Microsoft/Office/UnsavedFiles/x.xlsx"
                                        << int(UnsavedFile);
        QTest::newRow("unsaved kingsoft") << "D:/Users/x/AppData/Local/kingsoft/office6/backup/a.doc"
                                          << int(UnsavedFile);
        QTest::newRow("unsaved not at start") << "C:/old/Users/ann/AppData/Roaming/Microsoft/Word/r.asd"
                                              << int(DocumentFile);
        QTest::newRow("README") << "C:/README" << int(ExtensionlessFile);
        QTest::newRow(".profile") << "C:/home/.profile" << int(OtherFile);
        QTest::newRow("empty name") << "C:/dir/" << int(OtherFile);
        QTest::newRow("trailing dot") << "C:/notes." << int(OtherFile);
        QTest::newRow("PHOTO.JPG") << "C:/PHOTO.JPG" << int(PhotoFile);
        QTest::newRow("backslash name") << "dir\\clip.mkv" << int(VideoFile);
        QTest::newRow("photo") << "C:/a.heic" << int(PhotoFile);
        QTest::newRow("video") << "C:/a.m2ts" << int(VideoFile);
        QTest::newRow("audio") << "C:/a.flac" << int(AudioFile);
        QTest::newRow("audio mp+") << "C:/a.MP+" << int(AudioFile);
        QTest::newRow("document") << "C:/a.docx" << int(DocumentFile);
        QTest::newRow("email") << "C:/a.pst" << int(EmailFile);
        QTest::newRow("archive") << "C:/backup.tar.gz" << int(ArchiveFile);
        QTest::newRow("unknown extension") << "C:/a.qqq" << int(OtherFile);
        QTest::newRow("cr3 photo before video") << "C:/a.cr3" << int(PhotoFile);
        QTest::newRow("wmp video before audio") << "C:/a.wmp" << int(VideoFile);
        QTest::newRow("stx video before document") << "C:/a.stx" << int(VideoFile);
        QTest::newRow("idml photo before document") << "C:/a.idml" << int(PhotoFile);
        QTest::newRow("dvr-ms") << "C:/rec.dvr-ms" << int(VideoFile);
    }
    void classification()
    {
        QFETCH(QString, path);
        QFETCH(int, code);
        QCOMPARE(int(classifyFileType(path)), code);
    }

    void foundPathSplitting_data()
    {
        QTest::addColumn<QString>("enginePath");
        QTest::addColumn<QString>("display");
        QTest::newRow("backslashes") << "\\Users\\x\\a.txt" << "sdb1/Users/x/a.txt";
        QTest::newRow("doubled separators") << "\\\\a//b\\\\c" << "sdb1/a/b/c";
        QTest::newRow("dot-dot stays a name") << "a\\..\\..\\x" << "sdb1/a/../../x";
        QTest::newRow("engine's start folder") << ".\\dir1\\report.pdf" << "sdb1/dir1/report.pdf";
        QTest::newRow("later dots stay names") << "./a/./b/.." << "sdb1/a/./b/..";
        QTest::newRow("start marker after separators") << "\\\\.\\a" << "sdb1/a";
        QTest::newRow("only the first marker goes") << ".\\.\\a" << "sdb1/./a";
        QTest::newRow("two dots are no marker") << "..\\a" << "sdb1/../a";
        QTest::newRow("nothing but separators") << "\\/\\" << "sdb1";
        QTest::newRow("recycle bin spelling") << "\\$Recycle.Bin\\S-1\\$RAB.jpg" << "sdb1/$RECYCLE.BIN/S-1/$RAB.jpg";
    }
    void foundPathSplitting()
    {
        QFETCH(QString, enginePath);
        QFETCH(QString, display);
        QCOMPARE(foundDisplayPath(QStringLiteral("sdb1"), enginePath), display);
    }

    void volumeComponents()
    {
        QDiskAndVolumeInfo mounted;
        mounted.volumeLetter = QStringLiteral("/media/usb");
        mounted.volumePath = QStringLiteral("/dev/sdb1");
        QCOMPARE(volumeComponent(mounted, 1, 0), QStringLiteral("sdb1"));
        QDiskAndVolumeInfo root;
        root.volumeLetter = QStringLiteral("/");
        root.volumePath = QStringLiteral("/dev/nvme0n1p2");
        QCOMPARE(volumeComponent(root, 0, 2), QStringLiteral("nvme0n1p2"));
        QDiskAndVolumeInfo unmounted;
        unmounted.volumeLetter = QStringLiteral("3");
        QCOMPARE(volumeComponent(unmounted, 0, 3), QStringLiteral("3"));
        QCOMPARE(volumeComponent(QDiskAndVolumeInfo(), 2, 5), QStringLiteral("Disk 2 Volume 5"));
    }

    void inVolumePaths()
    {
        QCOMPARE(inVolumePath(QStringLiteral("sdb1/Users/a.txt"), false), QStringLiteral("Users/a.txt"));
        QCOMPARE(inVolumePath(QStringLiteral("sdb1/Data (sdb1)/Users/a.txt"), true), QStringLiteral("Users/a.txt"));
        QCOMPARE(driveAnchoredPath(QStringLiteral("Windows/x.dll")), QStringLiteral("C:/Windows/x.dll"));
    }

    void engineTimes_data()
    {
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("FAT epoch 1980-01-01") << qint64(315532800) << "1980-01-01 00:00:00";
        QTest::newRow("1999-12-31") << qint64(946684799) << "1999-12-31 23:59:59";
        QTest::newRow("2038-01-19") << qint64(2147483647) << "2038-01-19 03:14:07";
        QTest::newRow("1970-01-01 plus 1 s") << qint64(1) << "1970-01-01 00:00:01";
        QTest::newRow("zero") << qint64(0) << "";
        QTest::newRow("negative") << qint64(-5) << "";
    }
    void engineTimes()
    {
        QFETCH(qint64, seconds);
        QFETCH(QString, text);
        const qint64 ms = engineTimeToMs(seconds);
        QCOMPARE(ms, seconds > 0 ? seconds * 1000 : 0);
        QCOMPARE(engineTimeText(ms), text);
    }

    // The zone table agrees with the C library's local time, across DST changes.
    void engineTimesInZones_data()
    {
        QTest::addColumn<QByteArray>("zone");
        QTest::newRow("Berlin") << QByteArray("Europe/Berlin");
        QTest::newRow("New York") << QByteArray("America/New_York");
        QTest::newRow("Lord Howe half hours") << QByteArray("Australia/Lord_Howe");
        QTest::newRow("Kathmandu") << QByteArray("Asia/Kathmandu");
    }
    void engineTimesInZones()
    {
        QFETCH(QByteArray, zone);
        const QByteArray saved = qgetenv("TZ");
        qputenv("TZ", zone);
        tzset();
        refreshEngineTimeZone();
        const QLocale english(QLocale::English, QLocale::UnitedStates);
        // Up to 2037: Qt's own local time, the oracle here, maps later years onto earlier ones.
        for (qint64 seconds = 1; seconds < 2145916800LL; seconds += 86400 * 3 + 3607) {
            const qint64 ms = seconds * 1000;
            QCOMPARE(engineTimeText(ms),
                     english.toString(QDateTime::fromMSecsSinceEpoch(ms), QStringLiteral("yyyy-MM-dd hh:mm:ss")));
        }
        qputenv("TZ", saved);
        tzset();
        refreshEngineTimeZone();
    }

    void remainingTimes_data()
    {
        QTest::addColumn<double>("percent");
        QTest::addColumn<qint64>("elapsedMs");
        QTest::addColumn<qint64>("queued");
        QTest::addColumn<quint64>("files");
        QTest::addColumn<QString>("text");
        QTest::newRow("0 %") << 0.0 << qint64(5000) << qint64(0) << quint64(0) << "300:00:00";
        QTest::newRow("negative") << -3.0 << qint64(5000) << qint64(0) << quint64(0) << "300:00:00";
        QTest::newRow("50 % after 10 s") << 50.0 << qint64(10000) << qint64(0) << quint64(0) << "00:00:10";
        QTest::newRow("10 % after 1 h") << 10.0 << qint64(3600000) << qint64(0) << quint64(0) << "09:00:00";
        QTest::newRow("1 % after 2 days") << 1.0 << qint64(172800000) << qint64(0) << quint64(0) << "4752:00:00";
        QTest::newRow("99 % nothing queued") << 99.0 << qint64(1000) << qint64(0) << quint64(5) << "00:00:01";
        QTest::newRow("99 % queued, 2 ms a file") << 99.5 << qint64(2000) << qint64(5000) << quint64(1000)
                                                   << "00:00:10";
        QTest::newRow("99 % queued, no file") << 100.0 << qint64(2000) << qint64(5000) << quint64(0) << "";
        // A fast raw phase: well under a second left is still work left.
        QTest::newRow("36 % after 100 ms") << 36.0 << qint64(100) << qint64(0) << quint64(0) << "00:00:01";
        QTest::newRow("62 % after 400 ms") << 62.0 << qint64(400) << qint64(0) << quint64(0) << "00:00:01";
        QTest::newRow("98.9 % at once") << 98.9 << qint64(0) << qint64(0) << quint64(0) << "00:00:01";
        QTest::newRow("50 % after 2.5 s") << 50.0 << qint64(2500) << qint64(0) << quint64(0) << "00:00:02";
        QTest::newRow("99 % few queued, many files") << 99.0 << qint64(500) << qint64(3) << quint64(1000)
                                                     << "00:00:01";
        QTest::newRow("a sliver of progress") << 1e-300 << qint64(1000) << qint64(0) << quint64(0)
                                              << remainingTimeText(qint64(9e12));
    }
    void remainingTimes()
    {
        QFETCH(double, percent);
        QFETCH(qint64, elapsedMs);
        QFETCH(qint64, queued);
        QFETCH(quint64, files);
        QFETCH(QString, text);
        QCOMPARE(estimateRemainingTime(percent, elapsedMs, queued, files), text);
    }

    void folderCategories_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("depth");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<int>("pathState");
        QTest::addColumn<int>("target");
        QTest::addColumn<int>("category");
        QTest::addColumn<bool>("external");
        QTest::addColumn<int>("code");
        QTest::newRow("too deep") << "$RECYCLE.BIN" << 6 << false << 0 << 3 << 0 << false << int(PlainFolder);
        QTest::newRow("lost top") << "lost partition - 1 (NTFS)" << 1 << true << 0 << 3 << 0 << false
                                  << int(LostPartitionFolder);
        QTest::newRow("lost top external") << "Lost Partition - 1 (NTFS)" << 1 << true << 0 << 3 << 0 << true
                                           << int(ExternalLostPartitionFolder);
        QTest::newRow("whole disk unmounted") << "Data" << 1 << false << 0 << 0 << 5 << false
                                              << int(UnmountedPartition);
        QTest::newRow("whole disk external") << "Data" << 1 << false << 0 << 1 << 1 << true << int(ExternalVolume);
        QTest::newRow("recycle bin") << "$recycle.bin" << 2 << false << 0 << 3 << 0 << false
                                     << int(RecycleBinFolder);
        QTest::newRow("path lost") << "File Path Lost" << 1 << false << 1 << 3 << 0 << false
                                   << int(FilePathLostFolder);
        QTest::newRow("path lost wrong case") << "file path lost" << 1 << false << 1 << 3 << 0 << false
                                              << int(PlainFolder);
        QTest::newRow("name lost") << "File Name Lost" << 1 << false << 2 << 3 << 0 << false
                                   << int(FileNameLostFolder);
        QTest::newRow("name lost photo") << "Photo" << 2 << false << 2 << 3 << 0 << false << int(PhotoFolder);
        QTest::newRow("photo with a path") << "Photo" << 2 << false << 0 << 3 << 0 << false << int(PlainFolder);
    }
    void folderCategories()
    {
        QFETCH(QString, name);
        QFETCH(int, depth);
        QFETCH(bool, lost);
        QFETCH(int, pathState);
        QFETCH(int, target);
        QFETCH(int, category);
        QFETCH(bool, external);
        QFETCH(int, code);
        FolderCategoryContext context;
        context.lostPartitionEvent = lost;
        context.pathState = quint32(pathState);
        context.scanTargetCode = quint8(target);
        context.volumeCategory = quint32(category);
        context.isExternal = external;
        QCOMPARE(int(folderCategoryCode(name, depth, context)), code);
    }
};

QTEST_GUILESS_MAIN(BridgeRecordTest)
#include "BridgeRecordTest.moc"
