// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/centerform.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CenterForm(QWidget *window)
{
    QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect available = screen->geometry();
    const QSize frame = window->frameGeometry().size();
    window->move(available.x() + (available.width() - frame.width()) / 2,
                 available.y() + (available.height() - frame.height()) / 2);
}
