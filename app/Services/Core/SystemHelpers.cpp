#include "SystemHelpers.h"

#include "spdlog_qt.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSysInfo>
#include <QTimer>

#include <fcntl.h>
#include <linux/magic.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <sys/statvfs.h>
#include <unistd.h>

namespace {

constexpr long CifsMagic = 0xFF534D42;
constexpr long Smb2Magic = 0xFE534D42;

bool isNetworkFileSystem(const QByteArray& path)
{
    struct statfs info {};
    if (::statfs(path.constData(), &info) != 0)
        return false;
    const long type = static_cast<long>(info.f_type);
    return type == NFS_SUPER_MAGIC || type == SMB_SUPER_MAGIC || type == CifsMagic || type == Smb2Magic;
}

QString osReleasePrettyName()
{
    for (const char* path : {"/etc/os-release", "/usr/lib/os-release"}) {
        QFile file(QString::fromLatin1(path));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QString name;
        while (!file.atEnd()) {
            const QString line = QString::fromUtf8(file.readLine(4096)).trimmed();
            const int equals = line.indexOf(QLatin1Char('='));
            if (equals <= 0)
                continue;
            QString value = line.mid(equals + 1);
            if (value.size() >= 2 && (value.startsWith(QLatin1Char('"')) || value.startsWith(QLatin1Char('\''))))
                value = value.mid(1, value.size() - 2);
            if (line.startsWith(QLatin1String("PRETTY_NAME=")))
                return value;
            if (line.startsWith(QLatin1String("NAME=")))
                name = value;
        }
        if (!name.isEmpty())
            return name;
    }
    return QStringLiteral("Linux");
}

}

void waitMilliseconds(int ms, bool busy)
{
    if (busy) {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
        }
        return;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

QString runCommandOutput(const QString& command)
{
    QStringList words = QProcess::splitCommand(command);
    if (words.isEmpty())
        return {};
    QProcess process;
    process.start(words.takeFirst(), words, QIODevice::ReadWrite);
    process.waitForFinished(5000);
    QString output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished(1000);
    }
    const QString last = command.split(QLatin1Char(' '), Qt::SkipEmptyParts).last();
    if (!last.isEmpty())
        output.remove(last, Qt::CaseInsensitive);
    output.remove(QLatin1Char('\r'));
    output.remove(QLatin1Char('\n'));
    return output.simplified();
}

bool isDirectoryReadable(const QString& path, bool checkNetworkPrefix)
{
    if (checkNetworkPrefix && path.startsWith(QLatin1String("\\\\")))
        return true;
    const QByteArray local = QFile::encodeName(path);
    if (local.isEmpty())
        return false;
    if (isNetworkFileSystem(local))
        return true;
    struct stat info {};
    if (::stat(local.constData(), &info) != 0 || !S_ISDIR(info.st_mode))
        return false;
    return ::faccessat(AT_FDCWD, local.constData(), R_OK | X_OK, AT_EACCESS) == 0;
}

uint64_t diskFreeBytes(const QString& path)
{
    struct statvfs info {};
    if (::statvfs(QFile::encodeName(path).constData(), &info) != 0)
        return 0;
    return static_cast<uint64_t>(info.f_bfree) * static_cast<uint64_t>(info.f_frsize);
}

QString operatingSystemText()
{
    return QStringLiteral("%1 %2").arg(osReleasePrettyName(), QSysInfo::currentCpuArchitecture());
}

QString highlightKeyword(const QString& keyword, const QString& text, const QString& colour)
{
    if (keyword.isEmpty() || text.isEmpty())
        return text;
    const QString open = QStringLiteral("<font color=\"%1\">").arg(colour.toHtmlEscaped());
    const QString close = QStringLiteral("</font>");
    QString out;
    int from = 0;
    for (int hit = text.indexOf(keyword, 0, Qt::CaseInsensitive); hit >= 0;
         hit = text.indexOf(keyword, from, Qt::CaseInsensitive)) {
        out += text.mid(from, hit - from).toHtmlEscaped();
        out += open + text.mid(hit, keyword.size()).toHtmlEscaped() + close;
        from = hit + keyword.size();
    }
    out += text.mid(from).toHtmlEscaped();
    return out;
}

void terminateSelf(int exitCode)
{
    ShutdownSpdLog();
    ::_exit(exitCode);
}
