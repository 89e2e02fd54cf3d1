#include "FileFilterManager.h"

#include "FoundPath.h"
#include "NodeTypeCode.h"

#include <QRegularExpression>

#include <cctype>
#include <cstring>

namespace {

quint32 typeBit(quint16 code)
{
    switch (code) {
    case PhotoFile: return 0x1;
    case VideoFile: return 0x2;
    case AudioFile: return 0x4;
    case DocumentFile: return 0x8;
    case EmailFile: return 0x10;
    case ArchiveFile: return 0x20;
    case OtherFile: return 0x40;
    case ExtensionlessFile: return 0x80;
    case UnsavedFile: return 0x100;
    default: return 0;
    }
}

constexpr quint32 customListBit = 0x200;

const QRegularExpression& windowsPattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z]:/Windows/"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

#define USER_FOLDER "^[A-Za-z]:/Users/[^\\\\/:*?\"<>|]+/"

const QRegularExpression& tempPattern()
{
    static const QRegularExpression pattern(QStringLiteral(USER_FOLDER "AppData/Local/Temp/"),
                                            QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

const QRegularExpression& browserPattern()
{
    static const QRegularExpression pattern(
        QStringLiteral(USER_FOLDER "AppData/(Local|Roaming)/(Microsoft/Edge/User Data/|Google/Chrome/User Data/|"
                                   "Mozilla/Firefox/Profiles/|Mozilla/Firefox/)"),
        QRegularExpression::CaseInsensitiveOption);
    return pattern;
}

#undef USER_FOLDER

// Typed extensions as the suffix test sees them: " DOC", ".doc" and "*.doc" all mean "doc".
QStringList normalizedExtensions(const QStringList& typed)
{
    QStringList extensions;
    for (const QString& entry : typed) {
        QString extension = entry.trimmed().toLower();
        if (extension.startsWith(QLatin1String("*.")))
            extension.remove(0, 2);
        else if (extension.startsWith(QLatin1Char('.')))
            extension.remove(0, 1);
        if (!extension.isEmpty() && !extensions.contains(extension))
            extensions << extension;
    }
    return extensions;
}

// The byte offset where the path inside the volume starts, or -1.
int inVolumeStart(const DocumentInfo* record, bool wholeDiskScan)
{
    const char* data = record->pathData();
    const int size = record->pathBytes();
    int skip = wholeDiskScan ? 2 : 1;
    for (int i = 0; i < size; ++i) {
        if (data[i] == '/' && --skip == 0)
            return i + 1;
    }
    return -1;
}

bool startsWithNoCase(const char* data, int size, const char* prefix)
{
    const int length = int(std::strlen(prefix));
    if (size < length)
        return false;
    for (int i = 0; i < length; ++i) {
        if (std::tolower(uchar(data[i])) != prefix[i])
            return false;
    }
    return true;
}

} // namespace

bool FilterCriteria::passes(const DocumentInfo* record, bool wholeDiskScan) const
{
    if (!active)
        return true;
    if (typeMask != 0) {
        bool admitted = typeMask & typeBit(record->typeCode);
        const QString suffix = (typeMask & customListBit) ? DocumentInfo::suffix(record) : QString();
        if (!suffix.isEmpty())
            admitted = extensions.contains(suffix);
        if (!admitted)
            return false;
    }
    if (deletedOnly && record->deletedState() != 1 && record->deletedState() != 2)
        return false;
    if (datePreset != 0 && ((dateFrom != -1 && record->time < dateFrom) || (dateTo != -1 && record->time > dateTo)))
        return false;
    if (sizePreset != 0 && ((sizeMin != -1 && record->size < sizeMin) || (sizeMax != -1 && record->size > sizeMax)))
        return false;
    if (exclusionFlags != 0) {
        if ((exclusionFlags & 0x1) && record->size == 0)
            return false;
        // Every pattern starts with "Windows/" or "Users/" inside the volume: other paths
        // are passed without building a string.
        const int start = inVolumeStart(record, wholeDiskScan);
        const char* rest = record->pathData() + start;
        const int restSize = record->pathBytes() - start;
        const bool windows = start >= 0 && startsWithNoCase(rest, restSize, "windows/");
        const bool users = start >= 0 && startsWithNoCase(rest, restSize, "users/");
        if ((windows && (exclusionFlags & 0x2)) || (users && (exclusionFlags & 0xC))) {
            // Found paths carry no drive letter: the patterns see the path inside the volume as on drive C:.
            const QString path = driveAnchoredPath(QString::fromUtf8(rest, restSize));
            if ((exclusionFlags & 0x2) && windowsPattern().match(path).hasMatch())
                return false;
            if ((exclusionFlags & 0x4) && tempPattern().match(path).hasMatch())
                return false;
            if ((exclusionFlags & 0x8) && browserPattern().match(path).hasMatch())
                return false;
        }
    }
    return true;
}

FileFilterManager* FileFilterManager::instance()
{
    static FileFilterManager manager;
    return &manager;
}

FileFilterManager::FileFilterManager(QObject* parent)
    : QObject(parent), criteria_(std::make_shared<const FilterCriteria>()), clock_([] {
          return QDateTime::currentDateTime();
      })
{
}

std::shared_ptr<const FilterCriteria> FileFilterManager::criteria() const
{
    std::lock_guard lock(mutex_);
    return criteria_;
}

bool FileFilterManager::isFilterActive() const
{
    return criteria()->active;
}

bool FileFilterManager::passesFilter(const DocumentInfo* record) const
{
    return criteria()->passes(record, false);
}

void FileFilterManager::setClock(std::function<QDateTime()> clock)
{
    std::lock_guard lock(mutex_);
    clock_ = std::move(clock);
}

template<typename Change>
void FileFilterManager::update(Change change)
{
    {
        std::lock_guard lock(mutex_);
        auto next = std::make_shared<FilterCriteria>(*criteria_);
        change(*next);
        next->active = next->typeMask != 0 || next->datePreset != 0 || next->exclusionFlags != 0
                       || next->sizePreset != 0 || next->deletedOnly;
        criteria_ = std::move(next);
    }
    emit filterOptionsChanged();
}

void FileFilterManager::setFileTypeFilter(quint32 mask, const QStringList& extensions)
{
    const QStringList normalized = normalizedExtensions(extensions);
    update([&](FilterCriteria& c) {
        c.typeMask = normalized.isEmpty() ? mask & ~customListBit : mask;
        c.extensions = normalized;
    });
}

void FileFilterManager::setFileStateFilter(bool deletedOnly)
{
    update([&](FilterCriteria& c) { c.deletedOnly = deletedOnly; });
}

void FileFilterManager::setModifiedDateFilter(int preset, qint64 from, qint64 to)
{
    QDateTime now;
    {
        std::lock_guard lock(mutex_);
        now = clock_();
    }
    const QDateTime today(now.date(), QTime(0, 0), now.timeSpec());
    constexpr qint64 dayMs = 24LL * 3600 * 1000;
    update([&](FilterCriteria& c) {
        c.datePreset = preset;
        switch (preset) {
        case 1:
            c.dateFrom = today.toMSecsSinceEpoch();
            c.dateTo = today.addDays(1).toMSecsSinceEpoch() - 1;
            break;
        case 2:
            c.dateFrom = today.addDays(-1).toMSecsSinceEpoch();
            c.dateTo = today.toMSecsSinceEpoch() - 1;
            break;
        case 3:
        case 4:
            c.dateFrom = now.toMSecsSinceEpoch() - (preset == 3 ? 7 : 30) * dayMs;
            c.dateTo = now.toMSecsSinceEpoch();
            break;
        case 5:
            c.dateFrom = from;
            c.dateTo = to;
            break;
        default:
            c.dateFrom = -1;
            c.dateTo = -1;
            break;
        }
    });
}

void FileFilterManager::setFileSizeFilter(int preset, qint64 minimum, qint64 maximum)
{
    static const qint64 bounds[][2] = {{-1, 512000},
                                       {512000, 1048576},
                                       {1048576, 524288000},
                                       {524288000, 1073741824},
                                       {1073741824, -1}};
    update([&](FilterCriteria& c) {
        c.sizePreset = preset;
        if (preset >= 1 && preset <= 5) {
            c.sizeMin = bounds[preset - 1][0];
            c.sizeMax = bounds[preset - 1][1];
        } else if (preset == 6) {
            c.sizeMin = minimum;
            c.sizeMax = maximum;
        } else {
            c.sizeMin = -1;
            c.sizeMax = -1;
        }
    });
}

void FileFilterManager::setExclusionFlags(quint32 flags)
{
    update([&](FilterCriteria& c) { c.exclusionFlags = flags; });
}

void FileFilterManager::resetFilters(bool notify)
{
    bool wasActive;
    {
        std::lock_guard lock(mutex_);
        wasActive = criteria_->active;
        criteria_ = std::make_shared<const FilterCriteria>();
    }
    if (wasActive && notify)
        emit filterOptionsChanged();
}
