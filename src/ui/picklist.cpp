#include "ui/picklist.h"

#include <QMouseEvent>

namespace ui {

PickList::PickList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    // Entries are single lines of text; equal heights keep long lists quick.
    setUniformItemSizes(true);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        // Mouse picks are reported once the press is done. The view also
        // makes the first entry current, unselected, when it gets the focus
        // from the keyboard; that is no pick either.
        if (!m_pressing && row >= 0 && item(row)->isSelected())
            emit picked(row);
    });
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
