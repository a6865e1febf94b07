// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/runinputguard.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

bool isUserInput(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
    case QEvent::ContextMenu:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
        return true;
    default:
        return false;
    }
}

} // namespace

RunInputGuard::RunInputGuard(QWidget *window, std::function<void()> onClose)
    : m_window(window)
    , m_onClose(std::move(onClose))
{
    QCoreApplication::instance()->installEventFilter(this);
}

RunInputGuard::~RunInputGuard()
{
    QCoreApplication::instance()->removeEventFilter(this);
}

bool RunInputGuard::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_window && event->type() == QEvent::Close) {
        m_onClose();
        return false;
    }
    if (!isUserInput(event->type()) || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    return !(m_allowed && (widget == m_allowed || m_allowed->isAncestorOf(widget)));
}
