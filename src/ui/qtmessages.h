#pragma once

#include "ui/messages.h"

class QWidget;

namespace ui {

// Shows a real modal QMessageBox with the exact text, icon, buttons and title.
class QtMessages final : public Messages
{
public:
    explicit QtMessages(QWidget *parent = nullptr);
    MessageAnswer show(const QString &text, const QString &title, MessageIcon icon,
                       MessageButtons buttons) override;

private:
    QWidget *m_parent;
};

} // namespace ui
