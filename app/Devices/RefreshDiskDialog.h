#pragma once
#include "XDialog.h"

#include <QFutureWatcher>

// The busy dialog of a drive-list refresh: at least 3.5 s of animation, then
// a reload on the pool, then refreshDiskFinshSignal on the GUI thread.
class RefreshDiskDialog : public XDialog
{
    Q_OBJECT
public:
    explicit RefreshDiskDialog(QWidget* parent = nullptr);
    ~RefreshDiskDialog() override;

    // The wait before the reload starts (tests shorten it).
    static void setStartDelayMs(int ms);

signals:
    void refreshDiskFinshSignal();
    void driveNotShowingUpSignal();

private:
    void setupUi();
    void startRefresh();

    // Owned by the dialog: a closed dialog takes its watcher along, so the
    // finished reload reaches nobody.
    QFutureWatcher<void> watcher_;
};
