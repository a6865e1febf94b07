#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QTcpServer>

// A small HTTP server on 127.0.0.1 that the test itself starts. It answers
// every request with the scripted reply, or reads the request and never
// answers, or closes the connection without a word.
class LoopbackHttpServer
{
public:
    struct Request
    {
        QByteArray method;
        QByteArray path;
        // Header names in lower case.
        QList<QPair<QByteArray, QByteArray>> headers;

        QByteArray header(const QByteArray &name) const;
    };

    // Listens on a free loopback port; false when none could be had.
    bool start();
    // "http://127.0.0.1:<port>"
    QString baseAddress() const;
    // An address where nothing listens, so a connection is refused.
    static QString refusingAddress();

    void respond(const QByteArray &body, int status = 200, const QByteArray &reason = "OK");
    void neverAnswer() { m_mode = Mode::NeverAnswer; }
    void closeWithoutAnswer() { m_mode = Mode::Close; }

    QList<Request> requests;

private:
    enum class Mode { Respond, NeverAnswer, Close };

    void accept();
    void serve(QTcpSocket *socket, const QByteArray &head);

    QTcpServer m_server;
    Mode m_mode = Mode::Respond;
    int m_status = 200;
    QByteArray m_reason = "OK";
    QByteArray m_body;
};
