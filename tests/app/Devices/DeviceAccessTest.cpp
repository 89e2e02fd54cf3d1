// A normal user's device page: started without the right to read disks, the
// program lists the devices it cannot read, marked, and says how to get
// access. The page runs as the user nobody (ostrel-device-access-probe through
// runuser) over loop devices only root may read, and as root for comparison.
#include "DeviceAccessNotice.h"
#include "MountSupport.h"

#include "support/OtherUser.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using namespace TestMounts;

namespace {

const QString kProbe = QStringLiteral(VELMORA_BINARY_DIR "/tests/app/Devices/ostrel-device-access-probe");

QList<QJsonObject> lines(const QString& output)
{
    QList<QJsonObject> out;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8());
        if (document.isObject())
            out << document.object();
    }
    return out;
}

}  // namespace

class DeviceAccessTest : public QObject
{
    Q_OBJECT
private slots:
    void normalUserSeesUnreadableDevicesMarked();
};

void DeviceAccessTest::normalUserSeesUnreadableDevicesMarked()
{
    if (!isRoot())
        SKIP_OR_FAIL(false, QStringLiteral("running the page as another user needs root"));
    REQUIRE_TOOLS(QStringLiteral("losetup"), QStringLiteral("mkfs.fat"), QStringLiteral("runuser"));
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString image = dir.filePath(QStringLiteral("camera.img"));
    QString output;
    QVERIFY2(run(QStringLiteral("truncate"), {"-s", "40M", image}, &output) == 0, qPrintable(output));
    QVERIFY2(run(QStringLiteral("mkfs.fat"), {"-F", "32", "-n", "CAMERA", image}, &output) == 0, qPrintable(output));
    LoopDevice card;
    QVERIFY2(card.attach(image), "losetup could not attach the card image");
    QVERIFY(::chmod(QFile::encodeName(card.device()).constData(), 0600) == 0);

    const TestSupport::OtherUserFolder home("nobody");
    QVERIFY2(home.Error().empty(), home.Error().c_str());
    const TestSupport::OtherUserProgram probe(kProbe.toStdString());
    QVERIFY2(probe.Error().empty(), probe.Error().c_str());
    const std::string homePath = home.Path().string();
    const std::string command = probe.Command(
        "nobody", {}, {"HOME=" + homePath, "XDG_RUNTIME_DIR=" + homePath, "XDG_CONFIG_HOME=" + homePath + "/config",
                       "XDG_DATA_HOME=" + homePath + "/data", "XDG_CACHE_HOME=" + homePath + "/cache",
                       "QT_QPA_PLATFORM=offscreen"});
    QVERIFY2(run(QStringLiteral("sh"), {"-c", QString::fromStdString(command)}, &output) == 0, qPrintable(output));

    // Not left out: the card's tile is there, marked, with how to reach it.
    const QString howTo = DeviceAccessNotice::howToGetAccessText();
    const QList<QJsonObject> asNobody = lines(output);
    QJsonObject tile, notice;
    for (const QJsonObject& line : asNobody) {
        if (line.value("tile").toString() == card.device())
            tile = line;
        if (line.contains("notice"))
            notice = line;
    }
    QVERIFY2(!tile.isEmpty(), qPrintable(output));
    QVERIFY(tile.value("unreadable").toBool());
    QVERIFY2(tile.value("texts").toArray().contains(DeviceAccessNotice::noAccessText()), qPrintable(output));
    QVERIFY2(tile.value("toolTip").toString().endsWith(howTo), qPrintable(output));
    QVERIFY(notice.value("notice").toBool());
    QCOMPARE(notice.value("text").toString(), howTo);

    // Root reads the card: no mark, and its label names the tile.
    QVERIFY2(run(kProbe, {}, &output) == 0, qPrintable(output));
    tile = {};
    for (const QJsonObject& line : lines(output))
        if (line.value("tile").toString() == card.device())
            tile = line;
    QVERIFY2(!tile.isEmpty(), qPrintable(output));
    QVERIFY(!tile.value("unreadable").toBool());
    QVERIFY(!tile.value("texts").toArray().contains(DeviceAccessNotice::noAccessText()));
    QVERIFY2(tile.value("texts").toArray().first().toString().contains(QLatin1String("CAMERA")), qPrintable(output));
}

QTEST_MAIN(DeviceAccessTest)
#include "DeviceAccessTest.moc"
