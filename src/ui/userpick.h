// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>

namespace ui {

// Picks the item of a drop-down list as a user does: it becomes the current
// item and the list's pick handling runs, also for the item already shown.
inline void pickAsUser(QComboBox *list, int index)
{
    list->setCurrentIndex(index);
    emit list->activated(index);
}

} // namespace ui
