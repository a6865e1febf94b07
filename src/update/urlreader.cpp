#include "update/urlreader.h"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <memory>

namespace {

QString durationText(std::chrono::milliseconds duration)
{
    const qint64 ms = duration.count();
    if (ms % 1000 == 0)
        return ms == 1000 ? QStringLiteral("1 second") : QStringLiteral("%1 seconds").arg(ms / 1000);
    return QStringLiteral("%1 milliseconds").arg(ms);
}

// Errors met before any connection is tried: the library cannot read such an
// address at all.
bool isRefusal(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::ProtocolUnknownError
        || error == QNetworkReply::ProtocolInvalidOperationError;
}

// When the server answered with an error status, that status and its reason
// phrase; otherwise the library's description of what went wrong ("Connection
// refused"), even after a good status: a reset after the headers, a redirect
// loop or a redirect to an address that fails is not the server's "200 OK" or
// "302 Found".
QString failureText(const QNetworkReply &reply)
{
    const QVariant status = reply.attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && status.toInt() >= 400) {
        const QString reason = reply.attribute(QNetworkRequest::HttpReasonPhraseAttribute).toString();
        return QStringLiteral("%1 %2").arg(status.toInt()).arg(reason).trimmed();
    }
    return reply.errorString();
}

} // namespace

UrlReader::Outcome UrlReader::read(const QString &url) const
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    const std::unique_ptr<QNetworkReply> reply(manager.get(request));

    // The whole read must end within the time-out, so neither a silent
    // server nor one that trickles bytes keeps the window blocked.
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    bool timedOut = false;
    QObject::connect(&deadline, &QTimer::timeout, &loop, [&] {
        timedOut = true;
        reply->abort();
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    deadline.start(m_timeout);
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);
    deadline.stop();

    Outcome outcome;
    if (!timedOut && isRefusal(reply->error())) {
        outcome.refused = DownloadError{static_cast<qint32>(reply->error()),
                                        QStringLiteral("QNetworkAccessManager"), reply->errorString()};
        return outcome;
    }

    AsyncProp &prop = outcome.completed;
    // An abandoned reply is closed and keeps nothing worth reading.
    if (reply->isOpen())
        prop.Value = reply->readAll();
    prop.BytesRead = prop.Value.size();
    if (timedOut) {
        prop.Status = QStringLiteral("Timed out: the download did not end within %1").arg(durationText(m_timeout));
    } else if (reply->error() != QNetworkReply::NoError) {
        prop.Status = failureText(*reply);
    } else {
        // Non-HTTP addresses (file:) carry no status; they count as read.
        prop.StatusCode = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        if (prop.StatusCode == 0)
            prop.StatusCode = 200;
    }
    return outcome;
}
