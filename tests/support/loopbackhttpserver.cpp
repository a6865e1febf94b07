#include "support/loopbackhttpserver.h"

#include <QTcpSocket>

#include <memory>

QByteArray LoopbackHttpServer::Request::header(const QByteArray &name) const
{
    for (const auto &[key, value] : headers) {
        if (key == name.toLower())
            return value;
    }
    return {};
}

bool LoopbackHttpServer::start()
{
    if (!m_server.listen(QHostAddress::LocalHost, 0))
        return false;
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] { accept(); });
    return true;
}

QString LoopbackHttpServer::baseAddress() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort());
}

QString LoopbackHttpServer::refusingAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

void LoopbackHttpServer::respond(const QByteArray &body, int status, const QByteArray &reason)
{
    m_mode = Mode::Respond;
    m_body = body;
    m_status = status;
    m_reason = reason;
}

void LoopbackHttpServer::accept()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        // Sockets belong to the server and go with it.
        auto received = std::make_shared<QByteArray>();
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
            *received += socket->readAll();
            const qsizetype end = received->indexOf("\r\n\r\n");
            if (end < 0)
                return;
            const QByteArray head = received->left(end);
            received->remove(0, end + 4);
            serve(socket, head);
        });
    }
}

void LoopbackHttpServer::serve(QTcpSocket *socket, const QByteArray &head)
{
    const QList<QByteArray> lines = head.split('\n');
    Request request;
    const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
    request.method = requestLine.value(0);
    request.path = requestLine.value(1);
    for (qsizetype i = 1; i < lines.size(); ++i) {
        const QByteArray line = lines.at(i).trimmed();
        const qsizetype colon = line.indexOf(':');
        if (colon > 0)
            request.headers.append({line.left(colon).trimmed().toLower(), line.mid(colon + 1).trimmed()});
    }
    requests.append(request);

    switch (m_mode) {
    case Mode::NeverAnswer:
        return;
    case Mode::Close:
        socket->abort();
        return;
    case Mode::Respond:
        break;
    }
    QByteArray reply = "HTTP/1.1 " + QByteArray::number(m_status) + ' ' + m_reason + "\r\n"
                     + "Content-Type: text/plain\r\n"
                     + "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n"
                     + "Connection: close\r\n\r\n";
    reply += m_body;
    socket->write(reply);
    socket->disconnectFromHost();
}
