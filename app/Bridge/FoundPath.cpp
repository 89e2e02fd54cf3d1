#include "FoundPath.h"

#include "QDiskAndVolumeInfo.h"
#include "ScanTarget.h"

#include <QRegularExpression>

QString volumeComponent(const QDiskAndVolumeInfo& volume, quint64 diskIndex, quint64 volIndex)
{
    const QString letter = volume.volumeLetter;
    if (letter.startsWith(QLatin1Char('/'))) {
        const QString node = volume.volumePath.mid(volume.volumePath.lastIndexOf(QLatin1Char('/')) + 1);
        if (!node.isEmpty())
            return node;
    } else if (!letter.isEmpty() && !letter.contains(QLatin1Char('/')) && !letter.contains(QLatin1Char('\\'))) {
        // The number alone ("1") cannot be told from another scan's; it stays for the volumes of one disk.
        const QString distinct = isNumberedVolume(volume) ? volumeDistinctName(volume) : QString();
        return distinct.isEmpty() ? letter : QStringLiteral("%1 - %2").arg(distinct, letter);
    }
    return QStringLiteral("Disk %1 Volume %2").arg(diskIndex).arg(volIndex);
}

QStringList splitFoundPath(const QString& path)
{
    QStringList parts;
    parts.reserve(16);
    int begin = 0;
    for (int i = 0; i <= path.size(); ++i) {
        if (i == path.size() || path[i] == QLatin1Char('/') || path[i] == QLatin1Char('\\')) {
            if (i > begin)
                parts.append(path.mid(begin, i - begin));
            begin = i + 1;
        }
    }
    return parts;
}

QString foundDisplayPath(const QString& volume, const QString& enginePath)
{
    static const QRegularExpression recycleBin(QStringLiteral("\\$recycle\\.bin"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString path = volume;
    path.reserve(volume.size() + enginePath.size() + 1);
    // The components as splitFoundPath gives them, appended in place (no list per file).
    const QChar* text = enginePath.constData();
    const int size = enginePath.size();
    bool firstPart = true;
    for (int begin = 0, i = 0; i <= size; ++i) {
        if (i < size && text[i] != QLatin1Char('/') && text[i] != QLatin1Char('\\'))
            continue;
        if (i > begin) {
            // The engine starts its paths at the scanned folder, ".\": that one marker goes.
            const bool startMarker = firstPart && i - begin == 1 && text[begin] == QLatin1Char('.');
            firstPart = false;
            if (!startMarker)
                path.append(QLatin1Char('/')).append(text + begin, i - begin);
        }
        begin = i + 1;
    }
    path = std::move(path).trimmed();
    if (path.contains(QLatin1String("$"), Qt::CaseSensitive))
        path.replace(recycleBin, QStringLiteral("$RECYCLE.BIN"));
    return path;
}

QString inVolumePath(const QString& displayPath, bool wholeDiskScan)
{
    int cut = displayPath.indexOf(QLatin1Char('/'));
    if (cut >= 0 && wholeDiskScan)
        cut = displayPath.indexOf(QLatin1Char('/'), cut + 1);
    return cut < 0 ? QString() : displayPath.mid(cut + 1);
}

QString driveAnchoredPath(const QString& inVolume)
{
    return QStringLiteral("C:/") + inVolume;
}

QString cleanDisplayPath(const QString& displayPath)
{
    const QChar* text = displayPath.constData();
    const int size = displayPath.size();
    bool clean = size == 0 || (text[0] != QLatin1Char('/') && text[size - 1] != QLatin1Char('/'));
    for (int i = 1; clean && i < size; ++i)
        clean = text[i] != QLatin1Char('/') || text[i - 1] != QLatin1Char('/');
    if (clean)
        return displayPath;
    return displayPath.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}
