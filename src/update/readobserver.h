// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <functional>

// Follows one read of a UrlReader: it hears how far the read has come and
// may end it. What it may call back is handed to it when the read starts and
// works until the read has ended.
class ReadObserver
{
public:
    struct Handle
    {
        // Ends the read, which then counts as cancelled by the user.
        std::function<void()> cancel;
        // The observer's modal window is up and takes the user's input from
        // now on, so the wait may let input through.
        std::function<void()> allowInput;
    };

    virtual ~ReadObserver() = default;

    virtual void readStarted(const Handle &handle) = 0;
    // Bytes received so far, and the whole size (0 or less: not known).
    virtual void readProgressed(qint64 received, qint64 total) = 0;
    // The read is over; the handle no longer works.
    virtual void readEnded() = 0;
};
