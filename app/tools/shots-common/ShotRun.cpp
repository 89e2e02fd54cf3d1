#include "ShotRun.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QEventLoop>
#include <QTimer>

ScratchHome::ScratchHome()
{
    qputenv("XDG_CONFIG_HOME", m_dir.filePath("config").toUtf8());
    qputenv("XDG_DATA_HOME", m_dir.filePath("data").toUtf8());
}

QString shotsFolder(QCoreApplication& app, const QString& description, const QString& outHelp)
{
    QCommandLineParser parser;
    if (!description.isEmpty())
        parser.setApplicationDescription(description);
    parser.addHelpOption();
    const QCommandLineOption out("out", outHelp, "folder");
    parser.addOption(out);
    parser.process(app);
    if (!parser.isSet(out))
        parser.showHelp(2);
    const QString folder = parser.value(out);
    return QDir().mkpath(folder) ? folder : QString();
}

void processEventRounds(int rounds)
{
    for (int i = 0; i < rounds; ++i)
        QApplication::processEvents();
}

void settleFor(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}
