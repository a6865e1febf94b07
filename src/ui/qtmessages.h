// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/messages.h"

class QWidget;

namespace ui {

// Shows a real modal QMessageBox with the exact text, icon, buttons and title.
class QtMessages final : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr);
    // Boxes shown before the window exists have no owner; later ones are
    // modal to the window and centred on it.
    void setParent(QWidget *parent) { m_parent = parent; }
    MessageAnswer show(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons,
                       const QString &details) override;

private:
    QWidget *m_parent;
};

} // namespace ui
