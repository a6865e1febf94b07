// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/loopbackhttpserver.h"

#include <QTcpSocket>
#include <QTimer>

#ifdef Q_OS_WIN
#include <winsock2.h>
#else
#include <sys/socket.h>
#endif

bool LoopbackHttpServer::start()
{
    QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
        // Sockets belong to the server and go with it, or when their peer leaves.
        while (QTcpSocket *socket = m_server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { serve(socket); });
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        }
    });
    return m_server.listen(QHostAddress::LocalHost, 0);
}

QString LoopbackHttpServer::refusingAddress()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return QStringLiteral("http://127.0.0.1:%1").arg(probe.serverPort());
}

void LoopbackHttpServer::script(Mode mode, const QByteArray &body, const QByteArray &status, const QByteArray &location)
{
    m_mode = mode;
    m_body = body;
    m_status = status;
    m_location = location;
}

void LoopbackHttpServer::serve(QTcpSocket *socket)
{
    // The request ends with an empty line; the socket keeps what came before it.
    bool requestEnded = false;
    while (socket->canReadLine())
        requestEnded = socket->readLine() == "\r\n" || requestEnded;
    if (!requestEnded || m_mode == Mode::Silent)
        return;

    QByteArray head = "HTTP/1.1 " + m_status + "\r\nContent-Type: text/plain\r\n";
    if (m_mode != Mode::TrickleUnsized && m_mode != Mode::Endless)
        head += "Content-Length: " + QByteArray::number(m_body.size()) + "\r\n";
    if (!m_location.isEmpty())
        head += "Location: " + m_location + "\r\n";
    if (m_mode == Mode::Compressed)
        head += "Content-Encoding: deflate\r\n";
    socket->write(head + "Connection: close\r\n\r\n");
    if (m_mode == Mode::Whole || m_mode == Mode::Compressed) {
        socket->write(m_body);
        socket->disconnectFromHost();
    } else if (m_mode == Mode::Cut) {
        socket->write(m_body.left(m_body.size() / 2));
        socket->flush();
        // Leave the bytes time to arrive before the connection ends.
        QTimer::singleShot(50, socket, [socket] {
            // Closing with a zero linger time makes the system send a reset.
            linger hard{1, 0};
            ::setsockopt(socket->socketDescriptor(), SOL_SOCKET, SO_LINGER, reinterpret_cast<const char *>(&hard),
                         sizeof hard);
            socket->abort();
        });
    } else if (m_mode == Mode::Trickle || m_mode == Mode::TrickleUnsized) {
        auto *timer = new QTimer(socket);
        QObject::connect(timer, &QTimer::timeout, socket, [socket, timer, body = m_body, offset = 0]() mutable {
            socket->write(body.mid(offset, 64));
            offset += 64;
            if (offset >= body.size()) {
                timer->stop();
                socket->disconnectFromHost();
            }
        });
        timer->start(100);
    } else {
        // Keep a little queued, so memory stays small on both sides.
        const auto feed = [socket, chunk = m_body] {
            while (socket->state() == QAbstractSocket::ConnectedState && socket->bytesToWrite() < 2 * chunk.size())
                socket->write(chunk);
        };
        QObject::connect(socket, &QTcpSocket::bytesWritten, socket, feed);
        feed();
    }
}
