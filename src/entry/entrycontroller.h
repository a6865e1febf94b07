// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

#include <memory>

class QObject;
struct WindowContext;
class DmsSync;
class EntryEventFilter;
class EntryKeys;
class EntryPaste;
class IndexChecks;

// The entry fields of the three input panels: key filters, the decimal and
// degree/minute/second synchronisation, and the index range checks.
class EntryController
{
public:
    explicit EntryController(WindowContext &context);
    ~EntryController();

private:
    // Queues a Tab keystroke to the window, handled after the current key.
    void moveOn();
    void lostFocus(const QObject *control);

    WindowContext &m_context;
    std::unique_ptr<EntryKeys> m_keys;
    std::unique_ptr<DmsSync> m_dms;
    std::unique_ptr<IndexChecks> m_indexChecks;
    std::unique_ptr<EntryEventFilter> m_filter;
    std::unique_ptr<EntryPaste> m_paste;
};
