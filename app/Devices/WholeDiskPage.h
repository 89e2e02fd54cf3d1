#pragma once
#include "Modules/PageWidget.h"
#include "QDiskAndVolumeInfo.h"

#include <QList>
#include <QVector>

class DeviceAccessNotice;
class SelectionHelpDialogs;
class WholeDiskNavigator;
class XLabel;
class XPushButton;

// "Select a hard drive and scan data": every disk with all its volumes,
// each scanned whole from its own card.
class WholeDiskPage : public PageWidget
{
    Q_OBJECT
public:
    explicit WholeDiskPage(QWidget* parent = nullptr);

    // Rebuilds the disk cards from the cached device list.
    void refreshDeviceList();

    WholeDiskNavigator* navigator() const { return navigator_; }
    XPushButton* backButton() const { return backButton_; }
    XPushButton* refreshButton() const { return refreshButton_; }
    XLabel* helpLink() const { return help_; }
    DeviceAccessNotice* accessNotice() const { return accessNotice_; }
    SelectionHelpDialogs* dialogs() const { return dialogs_; }

    // The disks of a device list in order of first appearance, each with its
    // volumes in the drive order.
    static QList<QVector<QDiskAndVolumeInfo>> disksOf(const QVector<QDiskAndVolumeInfo>& devices);

public slots:
    void showRefreshDialog();
    void showNoLocalDiskDialog();
    void showNoSDCardDialog();

signals:
    void partitionRecovery();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void connectSignals();
    void retranslateUi();

    XLabel* title_;
    XLabel* description_;
    XLabel* help_;
    XPushButton* backButton_;
    XPushButton* refreshButton_;
    WholeDiskNavigator* navigator_;
    DeviceAccessNotice* accessNotice_;
    SelectionHelpDialogs* dialogs_;
};
