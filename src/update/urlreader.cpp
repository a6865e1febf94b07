// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/urlreader.h"

#include "update/readobserver.h"

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
        return ms == 1000 ? UrlReader::tr("1 second") : UrlReader::tr("%1 seconds").arg(ms / 1000);
    return UrlReader::tr("%1 milliseconds").arg(ms);
}

// Errors met before any connection is tried: the library cannot read such an
// address at all.
bool isRefusal(QNetworkReply::NetworkError error)
{
    return error == QNetworkReply::ProtocolUnknownError || error == QNetworkReply::ProtocolInvalidOperationError;
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

// The library unpacks a compressed reply itself; it reports one that does not
// unpack, or would unpack past the bound it was given, as a content error
// with no reason after "Decompression failed:".
bool unpackingFailed(const QNetworkReply &reply)
{
    const QByteArray encoding = reply.rawHeader("Content-Encoding").trimmed();
    return reply.error() == QNetworkReply::UnknownContentError && !encoding.isEmpty()
           && encoding.compare("identity", Qt::CaseInsensitive) != 0;
}

} // namespace

UrlReader::Outcome UrlReader::read(const QString &url, ReadObserver *observer) const
{
    QNetworkAccessManager manager;
    QNetworkRequest request{QUrl(url)};
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    // A compressed reply is measured unpacked before any of it is kept, and
    // refused only past the bound this reader holds to (the library's own
    // bound is far lower).
    request.setDecompressedSafetyCheckThreshold(m_sizeLimit);
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
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::downloadProgress, &loop, [&](qint64 received, qint64 total) {
        if (!tooLarge && (received > m_sizeLimit || total > m_sizeLimit)) {
            tooLarge = true;
            reply->abort();
        }
        if (observer)
            observer->readProgressed(received, total);
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
    bool cancelRequested = false;
    bool inputAllowed = false;
    if (observer) {
        observer->readStarted({[&] {
                                   cancelRequested = true;
                                   reply->abort();
                               },
                               [&] {
                                   inputAllowed = true;
                                   loop.quit();
                               }});
    }
    deadline.start(m_timeout);
    // Until the observer's modal window is up the window takes no input; once
    // it is, input reaches that window only, and its Cancel button works.
    while (!reply->isFinished())
        loop.exec(inputAllowed ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    deadline.stop();
    // A Cancel that came when the read had already ended cancelled nothing.
    const bool cancelled = cancelRequested && reply->error() == QNetworkReply::OperationCanceledError;
    if (observer)
        observer->readEnded();

    Outcome outcome;
    if (!timedOut && !tooLarge && !cancelled && isRefusal(reply->error())) {
        outcome.refused = DownloadError{static_cast<qint32>(reply->error()), QStringLiteral("QNetworkAccessManager"),
                                        reply->errorString()};
        return outcome;
    }

    AsyncProp &prop = outcome.completed;
    // An abandoned reply is closed and keeps nothing worth reading.
    if (reply->isOpen())
        prop.Value = reply->readAll();
    prop.BytesRead = prop.Value.size();
    // Each abort of the read names its own end.
    if (timedOut) {
        prop.Status = tr("Timed out: the download did not end within %1").arg(durationText(m_timeout));
    } else if (tooLarge) {
        prop.Status = tr("Stopped: the download passed the limit of %1 MB").arg(m_sizeLimit / (1024 * 1024));
    } else if (cancelled) {
        prop.Cancelled = true;
        prop.Status = tr("Cancelled");
    } else if (unpackingFailed(*reply)) {
        prop.Status = tr("Stopped: the compressed download could not be unpacked within the limit of %1 MB")
                          .arg(m_sizeLimit / (1024 * 1024));
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
