#pragma once
#include "Modules/PageWidget.h"
#include "QDiskAndVolumeInfo.h"

#include "SelectionHelpDialogs.h"

#include <functional>
#include <QVector>

class DeviceAccessNotice;
class DriveListView;
class HardDiskAndFolderSelectDelegate;
class QStandardItemModel;
class XLabel;
class XPushButton;

// The default selection page: local and external volumes as tiles, then the
// Recycle Bin, the Desktop and a folder of the user's choice.
class HardDiskAndFolderSelectPage : public PageWidget
{
    Q_OBJECT
public:
    explicit HardDiskAndFolderSelectPage(QWidget* parent = nullptr);

    // Rebuilds the tiles from the cached device list.
    void refreshDeviceList();
    DriveListView* listView() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    XPushButton* startButton() const { return startButton_; }
    DeviceAccessNotice* accessNotice() const { return accessNotice_; }
    RefreshDiskDialog* refreshDialog() const { return dialogs_->refreshDialog(); }
    NoLocalDiskDialog* noLocalDiskDialog() const { return dialogs_->noLocalDiskDialog(); }

    // The folder picker of "Select a Folder" (tests answer it).
    using FolderPicker = std::function<QString(const QString& startFolder, std::function<void(int)> onState)>;
    static void setFolderPicker(FolderPicker picker);

public slots:
    void startScan();
    void showRefreshDialog();
    void showNoLocalDiskDialog();

signals:
    void wholeDiskRecovery();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void connectSignals();
    void retranslateUi();
    void restoreSelection(const QVector<QDiskAndVolumeInfo>& local, const QVector<QDiskAndVolumeInfo>& external);
    QModelIndex findItemToSelect(const QVector<QDiskAndVolumeInfo>& local,
                                 const QVector<QDiskAndVolumeInfo>& external) const;
    // False when nothing was started. desktopFolders: the scannable ones, for DesktopId.
    bool startLocationScan(int itemId, const QStringList& desktopFolders);
    void onFolderPickerState(int state);
    void refuseFolder();

    XLabel* title_;
    XLabel* help_;
    XPushButton* refreshButton_;
    XPushButton* startButton_;
    DeviceAccessNotice* accessNotice_;
    DriveListView* list_;
    HardDiskAndFolderSelectDelegate* delegate_;
    QStandardItemModel* model_;
    SelectionHelpDialogs* dialogs_;
};
