// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/collectingmessages.h"

namespace ui {

MessageAnswer CollectingMessages::show(const QString &text, const QString &, MessageIcon, MessageButtons buttons,
                                       const QString &details)
{
    m_texts.append(details.isEmpty() ? text : text + u'\n' + details);
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

} // namespace ui
