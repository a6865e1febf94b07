// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/linklook.h"

#include <QLabel>

namespace ui {

void giveLinkLook(QLabel *label)
{
    QFont font = label->font();
    font.setUnderline(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    label->setPalette(palette);
    label->setCursor(Qt::PointingHandCursor);
}

} // namespace ui
