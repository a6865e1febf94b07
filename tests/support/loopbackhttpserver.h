// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP server on 127.0.0.1 that the test itself starts. It answers
// every request as scripted: a whole reply, none at all, a body sent slowly,
// one cut off after some bytes, or one that never ends.
class LoopbackHttpServer
{
public:
    // Listens on a free loopback port; false when none could be had.
    bool start();
    QString baseAddress() const { return QStringLiteral("http://127.0.0.1:%1").arg(m_server.serverPort()); }
    // An address where nothing listens, so a connection is refused.
    static QString refusingAddress();

    void respond(const QByteArray &body, const QByteArray &status = "200 OK") { script(Mode::Whole, body, status); }
    // Answers with the body compressed as "deflate" (a zlib stream: qCompress
    // puts the length before it).
    void respondCompressed(const QByteArray &body) { script(Mode::Compressed, qCompress(body, 9).mid(4)); }
    // Answers "302 Found", sending the client on to the address.
    void redirect(const QString &address) { script(Mode::Whole, {}, "302 Found", address.toLatin1()); }
    // Reads every request and never answers.
    void neverAnswer() { script(Mode::Silent, {}); }
    // Announces the whole body but sends only its first half, then resets the connection.
    void cutHalfway(const QByteArray &body) { script(Mode::Cut, body); }
    // Sends the body 64 bytes every 100 ms; the length is announced only when sized.
    void trickle(const QByteArray &body, bool sized) { script(sized ? Mode::Trickle : Mode::TrickleUnsized, body); }
    // Sends bytes, with no announced length, for as long as the client reads.
    void endless() { script(Mode::Endless, QByteArray(256 * 1024, 'x')); }

private:
    enum class Mode { Whole, Compressed, Silent, Cut, Trickle, TrickleUnsized, Endless };

    void script(Mode mode, const QByteArray &body, const QByteArray &status = "200 OK",
                const QByteArray &location = {});
    void serve(QTcpSocket *socket);

    QTcpServer m_server;
    Mode m_mode = Mode::Whole;
    QByteArray m_status;
    QByteArray m_body;
    QByteArray m_location;
};
