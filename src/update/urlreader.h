// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/downloadresult.h"

#include <QString>

class QWidget;

#include <chrono>
#include <optional>

// Reads a web resource completely into memory, never from a cache. The call
// waits for the end of the read in a local event loop that takes no user
// input, so the window stays painted but cannot be used meanwhile.
class UrlReader
{
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

    Outcome read(const QString &url) const;

    // A read that has not ended after this long is abandoned as failed.
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }
    std::chrono::milliseconds timeout() const { return m_timeout; }
    // With a parent, a read that takes a while shows its progress in a dialog
    // over it, whose Cancel button ends the read.
    void setProgressParent(QWidget *parent) { m_progressParent = parent; }

private:
    std::chrono::milliseconds m_timeout = DefaultTimeout;
    qint64 m_sizeLimit = DefaultSizeLimit;
    QWidget *m_progressParent = nullptr;
};
