#include "DriveOrder.h"

#include <algorithm>
#include <tuple>

namespace {

enum DriveClass { LetterLed = 0, MountPath = 1, Number = 2, Other = 3 };

DriveClass driveClass(const QString& letter)
{
    if (letter.isEmpty())
        return Other;
    const QChar first = letter.at(0);
    if (first.isLetter())
        return LetterLed;
    if (first == QLatin1Char('/'))
        return MountPath;
    if (first.isDigit())
        return Number;
    return Other;
}

}  // namespace

bool compareDriveLetters(const QDiskAndVolumeInfo& a, const QDiskAndVolumeInfo& b)
{
    const QString left = a.volumeLetter.toUpper();
    const QString right = b.volumeLetter.toUpper();
    const DriveClass leftClass = driveClass(left);
    const DriveClass rightClass = driveClass(right);
    if (leftClass != rightClass)
        return leftClass < rightClass;
    if (leftClass == Number) {
        const int l = left.toInt(), r = right.toInt();
        if (l != r)
            return l < r;
    } else if (leftClass != Other) {
        // Mount paths keep their case: "/media/A" and "/media/a" are two folders.
        const int order = leftClass == MountPath ? QString::compare(a.volumeLetter, b.volumeLetter)
                                                 : QString::compare(left, right);
        if (order != 0)
            return order < 0;
    }
    return std::tie(a.diskIndex, a.volIndex) < std::tie(b.diskIndex, b.volIndex);
}

void sortDrives(QVector<QDiskAndVolumeInfo>& drives)
{
    std::stable_sort(drives.begin(), drives.end(), compareDriveLetters);
}

QVector<QDiskAndVolumeInfo> devicePageOrder(const QVector<QDiskAndVolumeInfo>& drives)
{
    QVector<QDiskAndVolumeInfo> ordered = drives;
    std::stable_partition(ordered.begin(), ordered.end(), [](const QDiskAndVolumeInfo& r) { return !r.isExternal; });
    const auto external = std::find_if(ordered.begin(), ordered.end(), [](const QDiskAndVolumeInfo& r) { return r.isExternal; });
    std::stable_sort(ordered.begin(), external, compareDriveLetters);
    std::stable_sort(external, ordered.end(), compareDriveLetters);
    return ordered;
}
