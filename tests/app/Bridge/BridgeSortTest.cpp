// The view sort: natural order of names, and the comparator as a strict weak
// order over records of every code, sorted serially and in parallel.
#include "DocumentComparator.h"
#include "NaturalOrder.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

struct RecordFree {
    void operator()(DocumentInfo* record) const { freeRecord(record); }
};
using Record = std::unique_ptr<DocumentInfo, RecordFree>;

Record makeRecord(quint16 code, const QString& path, qint64 size, qint64 time)
{
    FileRecordFields fields;
    fields.typeCode = code;
    fields.eventKind = 8;
    fields.size = size;
    fields.timeMs = time;
    fields.path = path.toUtf8();
    Record record(createFileRecord(fields));
    return record;
}

// Every code 0-40, a few names (some equal), sizes and times with ties.
std::vector<Record> randomRecords(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    const QStringList names{"a", "A", "file2", "file10", "File1", "b 3", "b 03", "x\u0662", "x10", "", "z"};
    std::vector<Record> records;
    for (int i = 0; i < count; ++i) {
        const QString name = names[int(random.bounded(names.size()))];
        const QString folder = random.bounded(2) ? QStringLiteral("sdb1/d") : QStringLiteral("sdb1");
        records.push_back(makeRecord(quint16(random.bounded(41)), folder + "/" + name, qint64(random.bounded(4)),
                                     qint64(random.bounded(3)) - 1));
    }
    return records;
}

} // namespace

class BridgeSortTest : public QObject {
    Q_OBJECT

private slots:
    void naturalOrder_data()
    {
        QTest::addColumn<QString>("less");
        QTest::addColumn<QString>("more");
        QTest::newRow("numbers by value") << "file2" << "file10";
        QTest::newRow("case ignored") << "File1" << "file2";
        QTest::newRow("shorter run first") << "a1" << "a01";
        QTest::newRow("prefix first") << "file" << "file.txt";
        QTest::newRow("digit before letter") << "1a" << "a1";
        QTest::newRow("Arabic-Indic digits by run length") << QString::fromUtf8("x\u0662") << QString::fromUtf8("x\u0661\u0660");
        QTest::newRow("empty first") << "" << "a";
    }
    void naturalOrder()
    {
        QFETCH(QString, less);
        QFETCH(QString, more);
        QVERIFY(naturalLessThan(less, more));
        QVERIFY(!naturalLessThan(more, less));
        QVERIFY(!naturalLessThan(less, less));
    }

    // The comparator's byte path for ASCII names orders exactly as naturalLessThan.
    void recordNamesFollowNaturalOrder()
    {
        const QStringList names{"a", "A", "a1", "a01", "a10", "a2", "file2", "File10", "x 3", "x03", "1", "01", "",
                                "b", "B2c", "b2C", "z9", "z09z", QString::fromUtf8("\xC3\xA4"), "Zz", "_x", "~"};
        std::vector<Record> records;
        for (const QString& name : names)
            records.push_back(makeRecord(29, "sdb1/" + name, 1, 1));
        const DocumentComparator less(0, Qt::AscendingOrder);
        for (int i = 0; i < names.size(); ++i) {
            for (int j = 0; j < names.size(); ++j)
                QVERIFY2(less(records[size_t(i)].get(), records[size_t(j)].get()) == naturalLessThan(names[i], names[j]),
                         qPrintable(names[i] + " / " + names[j]));
        }
    }

    // The sort key's byte order is naturalLessThan's order, for every pair of a table of
    // names with digit runs, case, non-ASCII letters and digits, surrogates and control bytes.
    void sortKeysFollowNaturalOrder()
    {
        const QStringList names{"", "a", "A", "a1", "a01", "a001", "a10", "a2", "a2b", "a2B", "file2", "File10",
                                "x 3", "x03", "1", "01", "0", "00", "9", "10", "b", "B2c", "b2C", "z9", "z09z",
                                "_x", "~", "\x7F", QString(QChar(0)), QStringLiteral("a") + QChar(1),
                                QString::fromUtf8("\xC3\xA4"), QString::fromUtf8("\xC3\x84"), "Zz",
                                QString::fromUtf8("x\u0662"), QString::fromUtf8("x\u0661\u0660"), "x12",
                                QString::fromUtf8("x1\u0662"), QString::fromUtf8("\xC4\xB0"), "i",
                                QString::fromUtf8("\xE2\x84\xAA"), "k", QString::fromUtf8("\xF0\x90\x90\x80"),
                                QString::fromUtf8("\xF0\x90\x90\xA8"), QString::fromUtf8("\xEF\xBF\xBD"),
                                QString::fromUtf8("\xEF\xBF\xBF"), QString::fromUtf8("a\xE4\xB8\xAD" "2"),
                                QString::fromUtf8("a\xE4\xB8\xAD" "10"), QString(300, QLatin1Char('7')),
                                QString(299, QLatin1Char('7')) + "8", QString::fromUtf8("\xCE\xA3\xCF\x83")};
        std::vector<std::string> keys;
        for (const QString& name : names) {
            const QByteArray utf8 = name.toUtf8();
            std::string key;
            appendNaturalSortKey(key, utf8.constData(), utf8.size());
            keys.push_back(key);
        }
        for (int i = 0; i < names.size(); ++i) {
            for (int j = 0; j < names.size(); ++j)
                QVERIFY2((keys[size_t(i)] < keys[size_t(j)]) == naturalLessThan(names[i], names[j]),
                         qPrintable(QStringLiteral("%1 / %2").arg(i).arg(j)));
        }
    }

    // Irreflexive, transitive, and incomparability transitive, for every column and order.
    void comparatorIsAStrictWeakOrder()
    {
        std::vector<Record> owned = randomRecords(60, 7);
        std::vector<const DocumentInfo*> records;
        for (const Record& record : owned)
            records.push_back(record.get());
        records.push_back(nullptr);
        for (int column : {0, 1, 2, 3, 9}) {
            for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                const DocumentComparator less(column, order);
                const size_t n = records.size();
                std::vector<char> lt(n * n);
                for (size_t i = 0; i < n; ++i)
                    for (size_t j = 0; j < n; ++j)
                        lt[i * n + j] = less(records[i], records[j]);
                for (size_t i = 0; i < n; ++i) {
                    QVERIFY(!lt[i * n + i]);
                    for (size_t j = 0; j < n; ++j) {
                        QVERIFY(!(lt[i * n + j] && lt[j * n + i]));
                        for (size_t k = 0; k < n; ++k) {
                            if (lt[i * n + j] && lt[j * n + k])
                                QVERIFY2(lt[i * n + k], qPrintable(QStringLiteral("column %1").arg(column)));
                            const bool ijEq = !lt[i * n + j] && !lt[j * n + i];
                            const bool jkEq = !lt[j * n + k] && !lt[k * n + j];
                            if (ijEq && jkEq)
                                QVERIFY(!lt[i * n + k] && !lt[k * n + i]);
                        }
                    }
                }
            }
        }
    }

    void groupsAndColumns()
    {
        Record typeFolder = makeRecord(19, "All Files/Photo", 0, 0);
        Record lostFolder = makeRecord(17, "sdb1/File Name Lost", 0, 0);
        Record small = makeRecord(29, "sdb1/b.jpg", 10, 5);
        Record large = makeRecord(29, "sdb1/a.jpg", 99, 1);
        QVector<DocumentInfo*> list{small.get(), nullptr, large.get(), lostFolder.get(), typeFolder.get()};
        sortDocuments(list, 0, Qt::AscendingOrder);
        QCOMPARE(list, (QVector<DocumentInfo*>{typeFolder.get(), lostFolder.get(), large.get(), small.get(), nullptr}));
        sortDocuments(list, 0, Qt::DescendingOrder);
        QCOMPARE(list, (QVector<DocumentInfo*>{small.get(), large.get(), lostFolder.get(), typeFolder.get(), nullptr}));
        // Size ascending lists the largest first; date ascending the newest first.
        QVector<DocumentInfo*> files{small.get(), large.get()};
        sortDocuments(files, 3, Qt::AscendingOrder);
        QCOMPARE(files.first(), large.get());
        sortDocuments(files, 1, Qt::AscendingOrder);
        QCOMPARE(files.first(), small.get());
    }

    // The parallel sort (99 records or more) gives the order of std::sort, both ways.
    void parallelSortMatchesSerial()
    {
        std::vector<Record> owned = randomRecords(5000, 11);
        for (int column : {0, 3}) {
            for (Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
                QVector<DocumentInfo*> list;
                for (const Record& record : owned)
                    list.append(record.get());
                QVector<DocumentInfo*> serial = list;
                const DocumentComparator less(column, order);
                std::stable_sort(serial.begin(), serial.end(), less);
                sortDocuments(list, column, order);
                QCOMPARE(list.size(), serial.size());
                for (int i = 0; i < list.size(); ++i)
                    QVERIFY(!less(list[i], serial[i]) && !less(serial[i], list[i]));
            }
        }
    }
};

QTEST_GUILESS_MAIN(BridgeSortTest)
#include "BridgeSortTest.moc"
