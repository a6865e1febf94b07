// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/entryeventfilter.h"

#include "entry/keycode.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

EntryEventFilter::EntryEventFilter(Handlers handlers, QObject *parent)
    : QObject(parent)
    , m_handlers(std::move(handlers))
{
}

bool EntryEventFilter::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPress(watched, event);
    case QEvent::FocusOut:
        return focusOut(watched, event);
    default:
        return false;
    }
}

bool EntryEventFilter::keyPress(QObject *watched, QEvent *event)
{
    const std::optional<qint16> code = KeyAsciiOf(*static_cast<QKeyEvent *>(event));
    if (!code)
        return false;
    qint16 KeyAscii = *code;
    if (!m_handlers.keyPress(watched, KeyAscii))
        return false;
    if (KeyAscii == 0)
        return true;
    // The typing limit of a field counts characters, not control keys.
    if (KeyAscii >= 32) {
        if (auto *edit = qobject_cast<QLineEdit *>(watched)) {
            if (m_handlers.exceedsTypingLimit(watched, edit->text().size(), edit->selectedText().size()))
                return true;
        }
    }
    // The handlers swallow keys or leave them; none puts another character
    // in place of the typed one, so the key itself goes on.
    return false;
}

bool EntryEventFilter::focusOut(QObject *watched, QEvent *event)
{
    if (!m_handlers.hasLostFocus(watched))
        return false;
    // A message box, a popup (a drop-down's list, a context menu), the menu
    // bar or another window taking the focus is not the user leaving the
    // field: the focus comes back to it.
    switch (static_cast<QFocusEvent *>(event)->reason()) {
    case Qt::ActiveWindowFocusReason:
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::NoFocusReason:
        return false;
    default:
        break;
    }
    // The field finishes its own focus-out first (deselects, hides its
    // cursor); a handler that gives it the focus back then leaves it with a
    // working cursor instead of having that undone after it.
    watched->event(event);
    m_handlers.lostFocus(watched);
    return true;
}
