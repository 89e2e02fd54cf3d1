#include "ResultsMainWindow.h"

#include "Application/XApplication.h"
#include "StorageDataRecoverMgr.h"

QWidget* resultsMainWindow(QWidget* page)
{
    if (XApplication* app = XApplication::instance()) {
        if (QWidget* main = app->mainWidget())
            return main;
    }
    return page ? page->window() : nullptr;
}

QString resultsAnalyticsCategory()
{
    return StorageDataRecoverMgr::instance()->currentDeviceType() == 0 ? QStringLiteral("DiskRecovery")
                                                                       : QStringLiteral("SDRecovery");
}
