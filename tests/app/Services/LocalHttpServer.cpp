#include "LocalHttpServer.h"

#include <QTcpSocket>

LocalHttpServer::LocalHttpServer()
{
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            connect(socket, &QTcpSocket::readyRead, this, [this, socket] { readFrom(socket); });
            connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
                buffers_.remove(socket);
                socket->deleteLater();
            });
        }
    });
}

// The server's sockets go with it, after buffers_: their last signals must not reach this.
LocalHttpServer::~LocalHttpServer()
{
    for (QTcpSocket* socket : server_.findChildren<QTcpSocket*>())
        QObject::disconnect(socket, nullptr, this, nullptr);
}

QString LocalHttpServer::baseUrl() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void LocalHttpServer::setResponse(int status, const QByteArray& body, const QByteArray& contentType)
{
    status_ = status;
    body_ = body;
    contentType_ = contentType;
}

void LocalHttpServer::readFrom(QTcpSocket* socket)
{
    QByteArray& buffer = buffers_[socket];
    buffer += socket->readAll();
    for (;;) {
        const int headerEnd = buffer.indexOf("\r\n\r\n");
        if (headerEnd < 0)
            return;
        Request request;
        const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.method = first.value(0);
        request.target = first.value(1);
        for (int i = 1; i < lines.size(); ++i) {
            const int colon = lines[i].indexOf(':');
            if (colon > 0)
                request.headers.insert(lines[i].left(colon).trimmed().toLower(), lines[i].mid(colon + 1).trimmed());
        }
        const int length = request.headers.value("content-length", "0").toInt();
        if (buffer.size() < headerEnd + 4 + length)
            return;
        request.body = buffer.mid(headerEnd + 4, length);
        buffer.remove(0, headerEnd + 4 + length);
        requests.append(request);
        emit requestReceived();
        if (silent_)
            continue;
        QByteArray reply = "HTTP/1.1 " + QByteArray::number(status_) + " Answer\r\nContent-Type: " + contentType_
            + "\r\nContent-Length: " + QByteArray::number(body_.size()) + "\r\nConnection: close\r\n\r\n" + body_;
        socket->write(reply);
        socket->disconnectFromHost();
        return;
    }
}
