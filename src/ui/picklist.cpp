// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/picklist.h"

#include <QMouseEvent>

namespace ui {

PickList::PickList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are single lines of text; equal heights keep long lists quick.
    setUniformItemSizes(true);
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        // Mouse picks are reported once the press is done. The view also
        // makes the first entry current, unselected, when it gets the focus
        // from the keyboard; that selects nothing and is no pick either.
        const int row = chosenRow();
        if (!m_pressing && row >= 0)
            emit picked(row);
    });
}

QString PickList::chosenText() const
{
    const int row = chosenRow();
    return row >= 0 ? item(row)->text() : QString();
}

int PickList::ChosenRow(const QListWidget *list)
{
    const QList<QListWidgetItem *> chosen = list->selectedItems();
    return chosen.isEmpty() ? -1 : list->row(chosen.first());
}

void PickList::mousePressEvent(QMouseEvent *event)
{
    m_pressing = true;
    QListWidget::mousePressEvent(event);
    m_pressing = false;
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && pressed.isValid() && pressed.row() == currentRow())
        emit picked(pressed.row());
}

} // namespace ui
