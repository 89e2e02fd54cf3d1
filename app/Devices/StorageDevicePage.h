#pragma once
#include "Modules/PageWidget.h"

class QStackedWidget;
class StorageDeviceBar;

// The device module's one page: the recovery-type bar and one selection page.
class StorageDevicePage : public PageWidget
{
    Q_OBJECT
public:
    explicit StorageDevicePage(QWidget* parent = nullptr);

    // Replaces the shown selection page with a new one of the type.
    void showSelectionPage(int pageType);
    void refreshCurrentPage();
    int currentPageType() const { return pageType_; }
    QWidget* currentSelectionPage() const;
    StorageDeviceBar* bar() const { return bar_; }
    // Number of device-list reloads so far (tests).
    int reloadCount() const { return reloads_; }

public slots:
    void onDeviceChanged(int eventType);

protected:
    void changeEvent(QEvent* event) override;

private:
    void setupUi();

    StorageDeviceBar* bar_;
    QStackedWidget* stack_;
    int pageType_ = 0;
    bool reloading_ = false;
    bool reloadQueued_ = false;
    int reloads_ = 0;
};
