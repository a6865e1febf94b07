// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/messages.h"

#include <QStringList>

namespace ui {

// Keeps the texts it is given instead of showing them, so that a routine that
// reports its own failures can run quietly and its complaints be passed on
// later, in a message of the caller's choosing. Questions are answered No.
class CollectingMessages final : public Messages
{
public:
    MessageAnswer show(const QString &text, const QString &title, MessageIcon icon, MessageButtons buttons,
                       const QString &details) override;

    const QStringList &texts() const { return m_texts; }

private:
    QStringList m_texts;
};

} // namespace ui
