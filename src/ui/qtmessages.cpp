// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/qtmessages.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMessageBox>

namespace ui {

QtMessages::QtMessages(QWidget *parent)
    : m_parent(parent)
{
}

MessageAnswer QtMessages::show(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons,
                               const QString &details)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(title);
    box.setText(text);
    box.setTextFormat(Qt::PlainText);
    if (!details.isEmpty())
        box.setDetailedText(details);
    switch (icon) {
    case MessageIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case MessageIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case MessageIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    if (buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    // A box must be readable even while a busy pointer is up.
    QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    const int answer = box.exec();
    QGuiApplication::restoreOverrideCursor();
    if (buttons == MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    return MessageAnswer::Ok;
}

} // namespace ui
