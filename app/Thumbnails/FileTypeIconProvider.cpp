#include "FileTypeIconProvider.h"

#include "PixelPictures.h"

#include <QCache>
#include <QVector>

#include <tuple>

namespace {

using IconTable = QVector<QPair<quint8, const char*>>;

const QString fallbackPath = QStringLiteral(":/images/icon_txt@2x.png");

const IconTable& iconTable()
{
    static const IconTable table{
        {0, ":/images/local_disk@2x.png"},        {1, ":/images/sd_card@2x.png"},
        {2, ":/images/win_disk@2x.png"},          {3, ":/images/local_disk@2x.png"},
        {4, ":/images/external_disk@2x.png"},     {5, ":/images/local_disk_lost@2x.png"},
        {7, ":/images/local_disk_lost@2x.png"},   {9, ":/images/local_disk_lost@2x.png"},
        {11, ":/images/local_disk_lost@2x.png"},  {6, ":/images/external_disk_lost@2x.png"},
        {8, ":/images/external_disk_lost@2x.png"}, {10, ":/images/external_disk_lost@2x.png"},
        {12, ":/images/external_disk_lost@2x.png"}, {13, ":/images/computer@2x.png"},
        {14, ":/images/recycle_bin@2x.png"},      {16, ":/images/folder_logo@2x.png"},
        {17, ":/images/file_name_lost@2x.png"},   {18, ":/images/file_path_lost@2x.png"},
        {19, ":/images/icon_photo@2x.png"},       {29, ":/images/icon_photo@2x.png"},
        {20, ":/images/icon_video@2x.png"},       {30, ":/images/icon_video@2x.png"},
        {21, ":/images/icon_docm@2x.png"},        {31, ":/images/icon_docm@2x.png"},
        {22, ":/images/icon_audio@2x.png"},       {32, ":/images/icon_audio@2x.png"},
        {23, ":/images/icon_zip@2x.png"},         {33, ":/images/icon_zip@2x.png"},
        {24, ":/images/icon_mail@2x.png"},        {34, ":/images/icon_mail@2x.png"},
        {25, ":/images/icon_txt@2x.png"},         {36, ":/images/icon_txt@2x.png"},
        {26, ":/images/icon_unsaved@2x.png"},     {37, ":/images/icon_unsaved@2x.png"},
        {27, ":/images/icon_nosuffix@2x.png"},    {38, ":/images/icon_nosuffix@2x.png"},
        {40, ":/images/all_files@2x.png"},
    };
    return table;
}

struct ScaledKey {
    quint8 code;
    int width;
    int height;
    bool operator==(const ScaledKey& other) const
    {
        return std::tie(code, width, height) == std::tie(other.code, other.width, other.height);
    }
};

uint qHash(const ScaledKey& key, uint seed = 0)
{
    return ::qHash(quint64(key.code) << 48 ^ quint64(quint32(key.width)) << 24 ^ quint64(quint32(key.height)), seed);
}

QCache<ScaledKey, QPixmap>& scaledIcons()
{
    static QCache<ScaledKey, QPixmap> cache(0x500000);
    return cache;
}

QCache<ScaledKey, QPixmap>& scaledCheckBoxes()
{
    static QCache<ScaledKey, QPixmap> cache(1048576);
    return cache;
}

}

FileTypeIconProvider::FileTypeIconProvider() : fallback(loadPicture(fallbackPath))
{
    for (const auto& [code, path] : iconTable())
        icons.insert(code, loadPicture(QString::fromLatin1(path)));
}

QString FileTypeIconProvider::iconPath(quint8 typeCode)
{
    for (const auto& [code, path] : iconTable())
        if (code == typeCode)
            return QString::fromLatin1(path);
    return fallbackPath;
}

QPixmap FileTypeIconProvider::scaledIcon(quint8 typeCode, const QSize& size) const
{
    const ScaledKey key{typeCode, size.width(), size.height()};
    if (QPixmap* cached = scaledIcons().object(key))
        return *cached;
    const QPixmap source = icons.value(typeCode, fallback);
    if (source.isNull())
        return QPixmap();
    auto* scaled = new QPixmap(source.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QPixmap result = *scaled;
    scaledIcons().insert(key, scaled, 1);
    return result;
}

QPixmap FileTypeIconProvider::checkBoxPixmap(quint8 state, const QSize& size)
{
    static const QPixmap bases[3] = {loadPicture(QStringLiteral(":/images/cbx0.png")),
                                     loadPicture(QStringLiteral(":/images/cbx2.png")),
                                     loadPicture(QStringLiteral(":/images/cbx1.png"))};
    const quint8 index = state <= 2 ? state : 0;
    const ScaledKey key{index, size.width(), size.height()};
    if (QPixmap* cached = scaledCheckBoxes().object(key))
        return *cached;
    if (bases[index].isNull())
        return QPixmap();
    auto* scaled = new QPixmap(bases[index].scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    const QPixmap result = *scaled;
    scaledCheckBoxes().insert(key, scaled, 1);
    return result;
}
