#pragma once
// An HTTP/1.1 server on 127.0.0.1 inside the test process: records each
// request whole and answers with the status and body set for it, or not at
// all ("silent", a server that never answers).
#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

class LocalHttpServer : public QObject {
    Q_OBJECT
public:
    struct Request {
        QByteArray method;
        QByteArray target;
        QHash<QByteArray, QByteArray> headers;  // lower-case names
        QByteArray body;
    };

    LocalHttpServer();
    ~LocalHttpServer() override;
    QString baseUrl() const;  // "http://127.0.0.1:<port>"

    void setResponse(int status, const QByteArray& body, const QByteArray& contentType = "application/json");
    void setSilent(bool silent) { silent_ = silent; }

    QList<Request> requests;

signals:
    void requestReceived();

private:
    void readFrom(QTcpSocket* socket);

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
    int status_ = 200;
    QByteArray body_;
    QByteArray contentType_ = "application/json";
    bool silent_ = false;
};
