// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/downloadresult.h"

#include <QCoreApplication>
#include <QString>

#include <chrono>
#include <optional>

class ReadObserver;

// Reads a web resource completely into memory, never from a cache. The call
// waits for the end of the read in a local event loop that takes no user
// input, so the window stays painted but cannot be used meanwhile, until an
// observer that shows a modal window of its own lets input through.
class UrlReader
{
    Q_DECLARE_TR_FUNCTIONS(UrlReader)

public:
    static constexpr std::chrono::milliseconds DefaultTimeout{30000};
    // A catalogue at the format's limits is under 10 MB; a read that passes
    // this is stopped, so no server can fill the memory.
    static constexpr qint64 DefaultSizeLimit = 64 * 1024 * 1024;

    // How a read ended: either the network library refused to start it
    // (an address it cannot read), or it ran and completed, well or not.
    struct Outcome
    {
        std::optional<DownloadError> refused;
        AsyncProp completed;
    };

    // The observer, when given, follows the read from its start to its end
    // and may cancel it.
    Outcome read(const QString &url, ReadObserver *observer = nullptr) const;

    // A read that has not ended after this long is abandoned as failed.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }

private:
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    qint64 m_sizeLimit = DefaultSizeLimit;
};
