// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTcpServer>

#include <chrono>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 that the test itself starts. It answers
// every request as scripted: a whole reply, none at all, a body sent slowly,
// one cut off after some bytes, or one that never ends.
class LoopbackHttpServer
{
public:
    // How a reply whose body is cut off ends: the connection closed in order, or reset.
    enum class Cut { Close, Reset };

    // Listens on a free loopback port; false when none could be had.
    bool start();
    QString baseAddress() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    // An address where nothing listens, so a connection is refused.
    static QString refusingAddress();

    void respond(const QByteArray &body, const QByteArray &status = "200 OK");
    // Answers with the body compressed as "deflate" (a zlib stream).
    void respondCompressed(const QByteArray &body);
    // Answers "302 Found", sending the client on to the address.
    void redirect(const QString &address);
    // Reads every request and never answers.
    void neverAnswer() { m_mode = Mode::Silent; }
    // Announces the whole body but sends only its first half.
    void cutHalfway(const QByteArray &body, Cut cut);
    // Sends the body 64 bytes every 100 ms; the length is announced only when sizeKnown.
    void trickle(const QByteArray &body, bool sizeKnown);
    // Sends bytes, with no announced length, for as long as the client reads.
    void endless();

private:
    enum class Mode { Whole, Silent, Cut, Trickle, Endless };

    void serve(QTcpSocket *socket);
    void sendHead(QTcpSocket *socket, bool sizeKnown);

    QTcpServer m_server;
    Mode m_mode = Mode::Whole;
    QByteArray m_status;
    QByteArray m_body;
    QByteArray m_location;
    QByteArray m_encoding;
    Cut m_cut = Cut::Close;
    bool m_sizeKnown = true;
};
