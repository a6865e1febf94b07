// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// What the network layer reports when a read has ended, as the download
// control's completion handler takes it.
struct AsyncProp
{
    // Number of bytes received.
    qint64 BytesRead = 0;
    // 0 when the read failed; otherwise the HTTP status (200).
    int StatusCode = 0;
    // The network library's own text: the reason of a failure, or for an
    // HTTP error its status code and reason phrase ("404 Not Found").
    QString Status;
    // The bytes received.
    QByteArray Value;
    // The user ended the read before it was complete.
    bool Cancelled = false;
};

// A failed read as it reaches the caller. Each level that passes it on puts
// its own name before the source and its own sentence before the
// description, joined by CR LF.
struct DownloadError
{
    qint32 number = 0;
    QString source;
    QString description;
};

// The bytes of a resource, or the error that ended the read.
struct DownloadResult
{
    QByteArray content;
    std::optional<DownloadError> error;

    bool ok() const { return !error.has_value(); }
};
