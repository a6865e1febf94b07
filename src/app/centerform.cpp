// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

void CenterForm(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    // The frame counts: a window not yet shown knows it from the window
    // system once it exists there (on Windows from its style; elsewhere it
    // may stay unknown until the window is shown).
    window->winId();
    const QWindow *handle = window->windowHandle();
    const QSize frame = window->size().grownBy(handle ? handle->frameMargins() : QMargins());
    window->move(available.x() + (available.width() - frame.width()) / 2,
                 available.y() + (available.height() - frame.height()) / 2);
}
