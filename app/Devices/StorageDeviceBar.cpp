#include "StorageDeviceBar.h"

#include "AppManager.h"
#include "DevicePageParts.h"
#include "DeviceScale.h"
#include "StorageNavDelegate.h"
#include "XListView.h"

#include <QScrollBar>
#include <QStandardItemModel>
#include <QVBoxLayout>

namespace {

QPixmap barIcon(const char* name)
{
    if (!*name)
        return {};
    QPixmap pixmap(AppManager::imagePath(QString::fromLatin1(name)));
    if (pixmap.isNull())
        return pixmap;
    return pixmap.scaled(sx(22), sy(22), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

StorageDeviceBar::StorageDeviceBar(QWidget* parent)
    : QWidget(parent), list_(new XListView(this)), delegate_(new StorageNavDelegate(this)),
      model_(new QStandardItemModel(this))
{
    static const int itemType = qRegisterMetaType<StorageNavDelegate::ItemData>("StorageNavDelegate::ItemData");
    Q_UNUSED(itemType);
    setFixedWidth(sx(266));
    setupUi();
    connect(list_, &QAbstractItemView::pressed, this, &StorageDeviceBar::onItemPressed);
}

void StorageDeviceBar::setupUi()
{
    setupTileList(list_, QAbstractItemView::ScrollPerPixel, "white");
    list_->wheelEnabled = false;
    list_->keysEnabled = false;
    list_->setModel(model_);
    list_->setItemDelegate(delegate_);
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(sx(1), 0, 0, sy(1));
    layout->addWidget(list_);
}

void StorageDeviceBar::retranslateItems(int pageType)
{
    struct Row {
        const char* text;
        int id;
        int kind;
        const char* normal;
        const char* hover;
    };
    static const Row rows[] = {
        {QT_TR_NOOP("Data Recovery"), 0, 0, "", ""},
        {QT_TR_NOOP("Hard Drive"), 2, 1, "data-recovery_normal@2x.png", "data-recovery_hover@2x.png"},
        {QT_TR_NOOP("Advanced Recovery"), 1, 0, "", ""},
        {QT_TR_NOOP("SD Card"), 3, 1, "advancedRecovery_normal@2x.png", "advancedRecovery_hover@2x.png"},
    };
    model_->clear();
    for (const Row& row : rows) {
        StorageNavDelegate::ItemData data;
        data.id = row.id;
        data.kind = row.kind;
        data.normalIcon = barIcon(row.normal);
        data.hoverIcon = barIcon(row.hover);
        data.text = tr(row.text);
        auto* item = new QStandardItem;
        item->setData(data.id, StorageNavDelegate::IdRole);
        item->setData(data.kind, StorageNavDelegate::KindRole);
        item->setData(data.text, StorageNavDelegate::TextRole);
        item->setData(QVariant::fromValue(data), StorageNavDelegate::ItemDataRole);
        model_->appendRow(item);
    }
    list_->setCurrentIndex(model_->index(pageType == 1 ? 3 : 1, 0));
}

void StorageDeviceBar::onItemPressed(const QModelIndex& index)
{
    list_->viewport()->update();
    const StorageNavDelegate::ItemData data = StorageNavDelegate::itemData(index);
    if (data.id != 0 && data.kind != 0)
        emit selectRecoverTypeSignal(data.id, data.kind);
}
