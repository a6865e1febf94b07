#pragma once

#include "update/downloadresult.h"

#include <QString>

#include <chrono>
#include <optional>

// Reads a web resource completely into memory, never from a cache. The call
// waits for the end of the read in a local event loop that takes no user
// input, so the window stays painted but cannot be used meanwhile.
class UrlReader
{
public:
    static constexpr std::chrono::milliseconds DefaultTimeout{30000};

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

private:
    std::chrono::milliseconds m_timeout = DefaultTimeout;
};
