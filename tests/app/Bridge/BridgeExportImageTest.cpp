// End to end: a FAT32 image made by mkfs.fat and mtools is scanned and exported
// by the probe tool; The Sleuth Kit's tsk_recover is the oracle for the bytes.
#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "FileHash.h"
#include "MountSupport.h"

#include <unistd.h>

namespace {

bool run(const QString& program, const QStringList& args, QByteArray* output = nullptr,
         const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment())
{
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(program, args);
    if (!process.waitForFinished(120000))
        return false;
    if (output)
        *output = process.readAllStandardOutput();
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Relative path -> sha256 of every regular file below root; symlinks are reported.
QMap<QString, QByteArray> filesBelow(const QString& root, QStringList* links = nullptr)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QFileInfo info(path);
        if (info.isSymLink() && links)
            links->append(path);
        else if (info.isFile())
            files.insert(QDir(root).relativeFilePath(path), sha256(path));
    }
    return files;
}

QByteArray pattern(int size, int seed)
{
    QByteArray bytes(size, '\0');
    quint32 x = quint32(seed) * 2654435761u + 1;
    for (int i = 0; i < size; ++i) {
        x = x * 1103515245u + 12345u;
        bytes[i] = char(x >> 24);
    }
    return bytes;
}

// Runs the probe tool's scan and export; returns its recoveryCompleted line.
QJsonObject exportImage(const QString& image, const QString& out, int* progressLines, QByteArray* output)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("VELMORA_IMAGES_ONLY", "1");
    env.insert("VELMORA_DISK_IMAGES", image);
    env.insert("QT_QPA_PLATFORM", "offscreen");
    QProcess process;
    process.setProcessEnvironment(env);
    process.start(OSTREL_BRIDGE_TOOL, {"scan", "--disk", "0", "--volume", "0", "--export", out});
    process.waitForFinished(120000);
    *output = process.readAllStandardOutput();
    QJsonObject completed;
    *progressLines = 0;
    for (const QByteArray& line : output->split('\n')) {
        const QJsonObject object = QJsonDocument::fromJson(line).object();
        if (object.value("signal") == "recoveryCompleted")
            completed = object;
        *progressLines += object.value("signal") == "fileRecoveryProgress";
    }
    return completed;
}

// Exports the disk image into out: a file whose name ends in name holds expected's bytes.
void exportHoldsTheFile(const QString& disk, const QString& out, const QString& name, const QByteArray& expected)
{
    QByteArray output;
    int progressLines = 0;
    const QJsonObject completed = exportImage(disk, out, &progressLines, &output);
    QVERIFY2(!completed.isEmpty(), output.right(2000).constData());
    const QByteArray want = QCryptographicHash::hash(expected, QCryptographicHash::Sha256).toHex();
    int named = 0;
    const QMap<QString, QByteArray> exported = filesBelow(out);
    for (auto it = exported.cbegin(); it != exported.cend(); ++it) {
        if (!it.key().endsWith(name))
            continue;
        ++named;
        QCOMPARE(it.value(), want);
    }
    QVERIFY2(named >= 1, output.right(4000).constData());
}

} // namespace

class BridgeExportImageTest : public QObject {
    Q_OBJECT

private slots:
    void fat32ExportMatchesTskRecover()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString image = dir.filePath("fat.img");
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(run("mkfs.fat", {"-F", "32", "-C", image, "65536"}));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MTOOLS_SKIP_CHECK", "1");
        const QString source = dir.filePath("src");
        QDir().mkpath(source);
        struct Item {
            const char* target;
            int size;
        };
        const QList<Item> items{{"::/photo1.jpg", 70000},         {"::/photo2.jpg", 4096},
                                {"::/Docs/report.pdf", 5000},      {"::/Docs/deep/er/notes.txt", 3},
                                {"::/Docs/deep/er/empty.txt", 0}, {"::/gone.doc", 12000},
                                {"::/Docs/gone2.txt", 800},        {"::/Trip (E)/beach.jpg", 9000}};
        for (const char* folder : {"::/Docs", "::/Docs/deep", "::/Docs/deep/er", "::/Trip (E)"})
            QVERIFY(run("mmd", {"-i", image, folder}, nullptr, env));
        int seed = 0;
        for (const Item& item : items) {
            const QString local = QDir(source).filePath(QString::number(++seed));
            QFile file(local);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(pattern(item.size, seed));
            file.close();
            QVERIFY(run("mcopy", {"-i", image, local, item.target}, nullptr, env));
        }
        QVERIFY(run("mdel", {"-i", image, "::/gone.doc", "::/Docs/gone2.txt"}, nullptr, env));

        const QString tskAll = dir.filePath("tsk-all"), tskDeleted = dir.filePath("tsk-deleted");
        REQUIRE_TOOLS(QStringLiteral("tsk_recover"), QStringLiteral("fls"));
        QVERIFY(run("tsk_recover", {"-e", image, tskAll}));
        QVERIFY(run("tsk_recover", {image, tskDeleted}));
        QByteArray live;
        QVERIFY(run("fls", {"-r", "-p", "-u", "-F", image}, &live));

        const QString out = dir.filePath("out");
        QByteArray output;
        int progressLines = 0;
        const QJsonObject completed = exportImage(image, out, &progressLines, &output);
        QVERIFY2(!completed.isEmpty(), output.right(2000).constData());
        QCOMPARE(completed.value("errorType").toInt(-1), 0);
        QCOMPARE(completed.value("totalErrorCount").toInt(-1), 0);

        QStringList links;
        const QMap<QString, QByteArray> exported = filesBelow(out, &links);
        QVERIFY(links.isEmpty());
        QCOMPARE(exported.size(), progressLines);
        const QStringList volumes = QDir(out).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(volumes.size(), 1);

        // Live files: the same relative path below the volume folder, the same bytes.
        const QMap<QString, QByteArray> all = filesBelow(tskAll);
        QStringList livePaths;
        for (const QByteArray& line : live.split('\n')) {
            const int tab = line.indexOf('\t');
            if (tab > 0 && line.startsWith("r/r"))
                livePaths.append(QString::fromUtf8(line.mid(tab + 1)));
        }
        QCOMPARE(livePaths.size(), 6);
        QMultiMap<QByteArray, QString> rest;
        for (auto it = exported.cbegin(); it != exported.cend(); ++it)
            rest.insert(it.value(), it.key());
        for (const QString& path : livePaths) {
            const QString ours = volumes.first() + "/" + path;
            QVERIFY2(exported.contains(ours), qPrintable(ours));
            // tsk_recover writes no empty files.
            QCOMPARE(exported.value(ours), all.value(path, QCryptographicHash::hash({}, QCryptographicHash::Sha256).toHex()));
            rest.remove(exported.value(ours), ours);
        }
        // Deleted files: names differ, the bytes are the same as tsk_recover's.
        QList<QByteArray> theirs = filesBelow(tskDeleted).values();
        QList<QByteArray> mine = rest.keys();
        std::sort(theirs.begin(), theirs.end());
        std::sort(mine.begin(), mine.end());
        QCOMPARE(theirs.size(), 2);
        QCOMPARE(mine, theirs);

        // A nearly full target: the run ends as a target-disk failure naming the volume.
        if (getuid() != 0)
            SKIP_OR_FAIL(false, QStringLiteral("needs root to mount a small tmpfs"));
        const QString small = dir.filePath("small");
        QDir().mkpath(small);
        QVERIFY2(run("mount", {"-t", "tmpfs", "-o", "size=1m", "tmpfs", small}), "tmpfs could not be mounted");
        struct Unmount {
            QString path;
            ~Unmount() { run("umount", {path}); }
        } unmount{small};
        {
            QFile filler(QDir(small).filePath("filler"));
            QVERIFY(filler.open(QIODevice::WriteOnly));
            filler.write(QByteArray(1024 * 1024 - 64 * 1024, 'x'));
        }
        const QJsonObject full = exportImage(image, QDir(small).filePath("out"), &progressLines, &output);
        QVERIFY2(!full.isEmpty(), output.right(2000).constData());
        QCOMPARE(full.value("errorType").toInt(), 3); // TargetDiskFull
        QCOMPARE(full.value("totalErrorCount").toInt(), 1);
        QVERIFY(!full.value("description").toString().isEmpty());

        // A target with room but no inodes left is full too, not a disk that went away.
        const QString fewInodes = dir.filePath("inodes");
        QDir().mkpath(fewInodes);
        QVERIFY2(run("mount", {"-t", "tmpfs", "-o", "size=64m,nr_inodes=6", "tmpfs", fewInodes}),
                 "tmpfs could not be mounted");
        struct UnmountInodes {
            QString path;
            ~UnmountInodes() { run("umount", {path}); }
        } unmountInodes{fewInodes};
        const QJsonObject noInodes = exportImage(image, QDir(fewInodes).filePath("out"), &progressLines, &output);
        QVERIFY2(!noInodes.isEmpty(), output.right(2000).constData());
        QCOMPARE(noInodes.value("errorType").toInt(), 3); // TargetDiskFull
        QCOMPARE(noInodes.value("totalErrorCount").toInt(), 1);
        QVERIFY(filesBelow(QDir(fewInodes).filePath("out")).size() < progressLines);
    }

    // Directory entries patched so their long names read ".." and "a/b": both
    // files land inside the export folder, each once, with their bytes.
    void fatHostileLongNames()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString image = dir.filePath("fat.img");
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"));
        QVERIFY(run("mkfs.fat", {"-F", "32", "-C", image, "65536"}));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MTOOLS_SKIP_CHECK", "1");
        const QMap<QString, QByteArray> contents{{"zqlongname.tx", pattern(3000, 1)}, {"yqlongname.tx", pattern(10, 2)}};
        for (auto it = contents.cbegin(); it != contents.cend(); ++it) {
            const QString local = dir.filePath(it.key());
            QFile file(local);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(it.value());
            file.close();
            QVERIFY(run("mcopy", {"-i", image, local, "::/" + it.key()}, nullptr, env));
        }
        // One long-name entry each (13 characters): rewrite its name fields in place;
        // the short-name checksum does not cover them.
        QFile file(image);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QByteArray bytes = file.readAll();
        auto patch = [&](const QString& old, const QString& name) {
            const QByteArray key(reinterpret_cast<const char*>(old.left(5).utf16()), 10);
            const int field = bytes.indexOf(key);
            QVERIFY(field > 0);
            const int entry = field - 1;
            QVector<ushort> units;
            for (QChar c : name)
                units.append(c.unicode());
            units.append(0);
            while (units.size() < 13)
                units.append(0xFFFF);
            static const int offsets[] = {1, 3, 5, 7, 9, 14, 16, 18, 20, 22, 24, 28, 30};
            for (int k = 0; k < 13; ++k) {
                bytes[entry + offsets[k]] = char(units[k] & 0xFF);
                bytes[entry + offsets[k] + 1] = char(units[k] >> 8);
            }
        };
        patch("zqlongname.tx", "..");
        patch("yqlongname.tx", "a/b");
        file.seek(0);
        QCOMPARE(file.write(bytes), qint64(bytes.size()));
        file.close();

        const QString parent = dir.filePath("target");
        const QString out = QDir(parent).filePath("out");
        QByteArray output;
        int progressLines = 0;
        const QJsonObject completed = exportImage(image, out, &progressLines, &output);
        QVERIFY2(!completed.isEmpty(), output.right(2000).constData());
        QCOMPARE(completed.value("errorType").toInt(-1), 0);
        QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList{"out"});
        QStringList links;
        const QMap<QString, QByteArray> exported = filesBelow(out, &links);
        QVERIFY(links.isEmpty());
        QCOMPARE(progressLines, 2);
        QList<QByteArray> ours = exported.values();
        QList<QByteArray> theirs;
        for (const QByteArray& data : contents)
            theirs.append(QCryptographicHash::hash(data, QCryptographicHash::Sha256).toHex());
        std::sort(ours.begin(), ours.end());
        std::sort(theirs.begin(), theirs.end());
        QCOMPARE(ours, theirs);
    }

    // NTFS written through ntfs-3g: hostile names and a deep tree stay inside the
    // export folder, every file once, with tsk_recover's bytes.
    // A FAT32 volume on a disk without a partition table, holding a file of
    // more than 255 fragments (interleaved files written, every other one
    // deleted, then the big file): the export's requests name neither the lost
    // volume nor the node, and still the whole file is written, as icat reads it.
    void lostVolumeFileOfMoreThan255Runs()
    {
        REQUIRE_TOOLS(QStringLiteral("mkfs.fat"), QStringLiteral("mcopy"), QStringLiteral("mdel"),
                      QStringLiteral("mshowfat"), QStringLiteral("fls"), QStringLiteral("icat"),
                      QStringLiteral("python3"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("MTOOLS_SKIP_CHECK", "1");
        const QString part = dir.filePath("part.img"), disk = dir.filePath("disk.img");
        const QString script = QStringLiteral(R"(set -e
part=$1; work=$2; mkdir -p "$work"
truncate -s 40M "$part"; mkfs.fat -F 32 -s 1 -S 512 "$part" >/dev/null
python3 - "$work" <<'PY'
import os, sys
w = sys.argv[1]
for i in range(1, 601):
    open(f"{w}/G{i}.BIN", "wb").write(os.urandom(512))
open(f"{w}/LONG.BIN", "wb").write(os.urandom(300 * 512 + 100))
PY
mcopy -i "$part" "$work"/G*.BIN ::/
mdel -i "$part" $(for i in $(seq 2 2 600); do printf ' ::/G%d.BIN' $i; done)
# No next-free hint: mtools then fills the holes from the start.
printf '\377\377\377\377' | dd of="$part" bs=1 seek=1004 conv=notrunc status=none
mcopy -i "$part" "$work/LONG.BIN" ::/LONG.BIN
truncate -s 1M "$3"; cat "$part" >> "$3"; truncate -s +1M "$3"
)");
        QVERIFY(run("bash", {"-c", script, "fragmented", part, dir.filePath("work"), disk}, nullptr, env));
        QByteArray chain;
        QVERIFY(run("mshowfat", {"-i", part, "::/LONG.BIN"}, &chain, env));
        QVERIFY2(chain.count('<') > 255, chain.constData());

        QByteArray listing;
        QVERIFY(run("fls", {"-o", "2048", disk}, &listing));
        QByteArray inode;
        for (const QByteArray& line : listing.split('\n'))
            if (line.startsWith("r/r ") && line.endsWith("\tLONG.BIN"))
                inode = line.mid(4, line.indexOf(':') - 4);
        QVERIFY2(!inode.isEmpty(), listing.constData());
        QByteArray expected;
        QVERIFY(run("icat", {"-o", "2048", disk, QString::fromLatin1(inode)}, &expected));
        QCOMPARE(expected.size(), 300 * 512 + 100);

        exportHoldsTheFile(disk, dir.filePath("out"), QStringLiteral("LONG.BIN"), expected);
    }

    // The same for NTFS: a partition made with sfdisk and mkntfs, a file of
    // more than 255 runs (each cluster written between two filler files, the
    // fillers deleted) written by ntfs-3g, then the partition table wiped. The
    // file's record names more runs than a found file carries: the export has
    // it decoded from that record on the lost volume, and the bytes are icat's.
    void lostNtfsVolumeFileOfMoreThan255Runs()
    {
        REQUIRE_TOOLS(QStringLiteral("sfdisk"), QStringLiteral("mkntfs"), QStringLiteral("ntfs-3g"),
                      QStringLiteral("ntfsinfo"), QStringLiteral("fls"), QStringLiteral("icat"),
                      QStringLiteral("python3"));
        if (!TestMounts::isRoot() || !QFile::exists(QStringLiteral("/dev/fuse")))
            SKIP_OR_FAIL(false, QStringLiteral("needs root and /dev/fuse for an ntfs-3g mount"));
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString part = dir.filePath("part.img"), disk = dir.filePath("disk.img");
        const QString script = QStringLiteral(R"(set -e
part=$1; mnt=$2; disk=$3
truncate -s 66M "$disk"
printf 'label: dos\nstart=2048, size=131072, type=7\n' | sfdisk -q "$disk"
truncate -s 64M "$part"; mkntfs -q -F -c 4096 -p 2048 "$part" >/dev/null 2>&1
mkdir -p "$mnt"; ntfs-3g "$part" "$mnt"
daemon=$(pgrep -n -f "ntfs-3g $part")
# ntfs-3g writes its last bytes after the umount: the image is read once it ends.
unmount() { umount "$mnt"; while kill -0 "$daemon" 2>/dev/null; do sleep 0.05; done; }
python3 - "$mnt" <<'PY' || { unmount; exit 1; }
import os, sys
m = sys.argv[1]
n = 1000
data = os.urandom(n * 4096 + 100)
with open(m + "/long.bin", "wb", buffering=0) as big:
    for i in range(n + 1):
        big.write(data[i * 4096:(i + 1) * 4096])
        os.fsync(big.fileno())
        with open(f"{m}/filler{i}", "wb") as f:
            f.write(b"x" * 4096)
for i in range(n + 1):
    os.remove(f"{m}/filler{i}")
PY
unmount
dd if="$part" of="$disk" bs=512 seek=2048 conv=notrunc status=none
# The partition table is gone: the volume is found only by its boot sector.
dd if=/dev/zero of="$disk" bs=512 count=1 conv=notrunc status=none
)");
        QVERIFY(run("bash", {"-c", script, "fragmented", part, dir.filePath("mnt"), disk}));

        QByteArray listing;
        QVERIFY(run("fls", {"-o", "2048", disk}, &listing));
        QByteArray inode;
        for (const QByteArray& line : listing.split('\n'))
            if (line.startsWith("r/r ") && line.endsWith("\tlong.bin"))
                inode = line.mid(4, line.indexOf('-') - 4);
        QVERIFY2(!inode.isEmpty(), listing.constData());
        QByteArray info;
        QVERIFY(run("ntfsinfo", {"-v", "-i", QString::fromLatin1(inode), part}, &info));
        int runs = 0;
        bool inRunlist = false;
        for (const QByteArray& line : info.split('\n')) {
            if (line.contains("Runlist:"))
                inRunlist = true;
            else if (inRunlist && line.trimmed().startsWith("0x"))
                ++runs;
            else
                inRunlist = false;
        }
        QVERIFY2(runs > 255, qPrintable(QStringLiteral("%1 runs").arg(runs)));
        QByteArray expected;
        QVERIFY(run("icat", {"-o", "2048", disk, QString::fromLatin1(inode)}, &expected));
        QCOMPARE(expected.size(), 1000 * 4096 + 100);

        exportHoldsTheFile(disk, dir.filePath("out"), QStringLiteral("long.bin"), expected);
    }

    void ntfsHostileNamesStayInside()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString image = dir.filePath("ntfs.img");
        int written = 0;
        {
            TestMounts::MountedNtfsImage ntfs(image, dir.filePath("mnt"), 24 * 1024 * 1024);
            SKIP_UNLESS_MOUNTED(ntfs);
            QDir root(ntfs.point());
            auto write = [&](const QString& name, int size) {
                QFile out(root.filePath(name));
                QVERIFY2(out.open(QIODevice::WriteOnly), qPrintable(name));
                out.write(pattern(size, ++written));
            };
            write("a\\..\\..\\evil", 300);
            write("..\\x", 200);
            write(QString(255, QLatin1Char('n')), 100);
            write(QString::fromUtf8("\xC3\xA4") + QString(120, QLatin1Char('u')), 150);  // 122 characters, 242 bytes
            QString deep;
            for (int level = 0; level < 40; ++level)
                deep += QStringLiteral("d%1/").arg(level);
            QVERIFY(root.mkpath(deep));
            write(deep + "bottom.bin", 5000);
            write("dup.txt", 10);
            QVERIFY(root.mkpath("sub"));
            write("sub/dup.txt", 20);
            write("gone.bin", 7000);
            run("sync", {});
            QVERIFY(root.remove("gone.bin"));
        }
        const QString tskAll = dir.filePath("tsk-all");
        REQUIRE_TOOLS(QStringLiteral("tsk_recover"));
        QVERIFY(run("tsk_recover", {"-e", image, tskAll}));

        const QString parent = dir.filePath("target");
        const QString out = QDir(parent).filePath("out");
        QByteArray output;
        int progressLines = 0;
        const QJsonObject completed = exportImage(image, out, &progressLines, &output);
        QVERIFY2(!completed.isEmpty(), output.right(2000).constData());
        QCOMPARE(completed.value("errorType").toInt(-1), 0);
        // Nothing beside the export folder, no link, every exported file once.
        QCOMPARE(QDir(parent).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System),
                 QStringList{"out"});
        QStringList links;
        const QMap<QString, QByteArray> exported = filesBelow(out, &links);
        QVERIFY(links.isEmpty());
        QCOMPARE(exported.size(), progressLines);
        // Every file tsk_recover writes (system files aside) has its bytes in the export.
        QList<QByteArray> ours = exported.values();
        const QMap<QString, QByteArray> theirs = filesBelow(tskAll);
        int compared = 0;
        for (auto it = theirs.cbegin(); it != theirs.cend(); ++it) {
            if (it.key().startsWith('$'))
                continue;
            QVERIFY2(ours.removeOne(it.value()), qPrintable(it.key()));
            ++compared;
        }
        QCOMPARE(compared, written);
    }
};

QTEST_GUILESS_MAIN(BridgeExportImageTest)
#include "BridgeExportImageTest.moc"
