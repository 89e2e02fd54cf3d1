#pragma once
// Takes the place of the desktop's URL handler: records the links the pages open.
#include <QList>
#include <QObject>
#include <QUrl>

class UrlRecorder : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls << url; }
};
