#pragma once

#include <QTcpServer>
#include <QTcpSocket>

// A small HTTP server on 127.0.0.1 that the test itself starts. It answers
// every request with the scripted status and body, or reads it and never
// answers.
class LoopbackHttpServer
{
public:
    // Listens on a free loopback port; false when none could be had.
    bool start()
    {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            // Sockets belong to the server and go with it.
            while (QTcpSocket *socket = m_server.nextPendingConnection())
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
        });
        return m_server.listen(QHostAddress::LocalHost, 0);
    }

    QString baseAddress() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }

    // An address where nothing listens, so a connection is refused.
    static QString refusingAddress()
    {
        QTcpServer probe;
        probe.listen(QHostAddress::LocalHost, 0);
        return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
    }

    void respond(const QByteArray &body, const QByteArray &status = "200 OK")
    {
        m_body = body;
        m_status = status;
        m_silent = false;
    }
    void neverAnswer() { m_silent = true; }

private:
    void serve(QTcpSocket *socket)
    {
        // The request ends with an empty line; the socket keeps what came before it.
        while (socket->canReadLine()) {
            if (socket->readLine() != "\r\n" || m_silent)
                continue;
            socket->write("HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\nContent-Length: "
                          + QByteArray::number(m_body.size()) + "\r\nConnection: close\r\n\r\n" + m_body);
            socket->disconnectFromHost();
        }
    }

    QTcpServer m_server;
    QByteArray m_status;
    QByteArray m_body;
    bool m_silent = false;
};
