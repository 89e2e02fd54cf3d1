#pragma once
#include "Modules/PageWidget.h"
#include "QDiskAndVolumeInfo.h"

#include <QList>

class DeviceAccessNotice;
class NoFindSDCardWidget;
class QStackedWidget;
class QStandardItemModel;
class SDCardSelectDelegate;
class SelectionHelpDialogs;
class XLabel;
class XListView;
class XPushButton;

Q_DECLARE_METATYPE(QList<QDiskAndVolumeInfo>)

// "Select an SD Card to Recover Lost Data": one tile per removable external
// disk, scanned whole; a placeholder when there is none.
class SDCardSelectPage : public PageWidget
{
    Q_OBJECT
public:
    explicit SDCardSelectPage(QWidget* parent = nullptr);

    // Rebuilds the cards from the cached device list.
    void refreshDeviceList();

    XListView* listView() const { return list_; }
    QStandardItemModel* model() const { return model_; }
    XPushButton* startButton() const { return startButton_; }
    QStackedWidget* stack() const { return stack_; }
    XLabel* helpLink() const { return help_; }
    DeviceAccessNotice* accessNotice() const { return accessNotice_; }
    SelectionHelpDialogs* dialogs() const { return dialogs_; }

    // The cards of a device list: one record per removable external disk in
    // disk order, its totalBytes the sum over the disk's volumes, with those volumes.
    struct Card {
        QDiskAndVolumeInfo record;
        QList<QDiskAndVolumeInfo> volumes;
    };
    static QList<Card> cardsOf(const QVector<QDiskAndVolumeInfo>& devices);

public slots:
    void startScan();
    void showRefreshDialog();
    void showNoLocalDiskDialog();
    void showNoSDCardDialog();

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();
    void connectSignals();
    void retranslateUi();

    XLabel* title_;
    XLabel* description_;
    XLabel* help_;
    XPushButton* refreshButton_;
    XPushButton* startButton_;
    XListView* list_;
    SDCardSelectDelegate* delegate_;
    QStandardItemModel* model_;
    QStackedWidget* stack_;
    DeviceAccessNotice* accessNotice_;
    SelectionHelpDialogs* dialogs_;
};
