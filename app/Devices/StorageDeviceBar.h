#pragma once
#include <QWidget>

class QModelIndex;
class QStandardItemModel;
class StorageNavDelegate;
class XListView;

// The left column of the device page: the recovery types to choose from.
class StorageDeviceBar : public QWidget
{
    Q_OBJECT
public:
    explicit StorageDeviceBar(QWidget* parent = nullptr);

    // Rebuilds the rows in the current language; "SD Card" is current for
    // page type 1, "Hard Drive" for every other.
    void retranslateItems(int pageType);
    XListView* listView() const { return list_; }

signals:
    void selectRecoverTypeSignal(int id, int kind);

private:
    void setupUi();
    void onItemPressed(const QModelIndex& index);

    XListView* list_;
    StorageNavDelegate* delegate_;
    QStandardItemModel* model_;
};
