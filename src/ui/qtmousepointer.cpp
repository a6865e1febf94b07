// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtmousepointer.h"

#include <QCursor>
#include <QGuiApplication>

namespace ui {

QtMousePointer::~QtMousePointer()
{
    while (m_depth > 0) {
        QGuiApplication::restoreOverrideCursor();
        --m_depth;
    }
}

void QtMousePointer::setShape(QWidget *, Shape shape)
{
    if (shape == Shape::Hourglass) {
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        ++m_depth;
    } else if (m_depth > 0) {
        QGuiApplication::restoreOverrideCursor();
        --m_depth;
    }
}

} // namespace ui
