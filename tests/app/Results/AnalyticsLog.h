#pragma once
// The process's analytics pointed at a collection server inside the test, with
// the settings store in a folder of its own; start() must come before the
// first event of the process, since the service reads its address once.
#include "LocalHttpServer.h"
#include "TestHome.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>
#include <QUrlQuery>

class AnalyticsLog {
public:
    bool start()
    {
        if (!home_.isValid())
            return false;
        useTestHome(home_.path());
        setApplicationNames();
        qputenv("OSTREL_ANALYTICS_URL", server_.baseUrl().toUtf8() + "/");
        qputenv("OSTREL_MEASUREMENT_ID", "G-TEST");
        return true;
    }

    // "action/label" of every event of the category received so far.
    QStringList events(const QString& category) const
    {
        QStringList list;
        for (const auto& request : server_.requests) {
            const QUrlQuery query(QUrl(QString::fromLatin1(request.target)).query());
            if (query.queryItemValue("en", QUrl::FullyDecoded) == category)
                list << query.queryItemValue("ep.action", QUrl::FullyDecoded) + "/"
                            + query.queryItemValue("ep.label", QUrl::FullyDecoded);
        }
        return list;
    }

private:
    QTemporaryDir home_;
    LocalHttpServer server_;
};
