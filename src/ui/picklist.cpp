#include "ui/picklist.h"

#include <QMouseEvent>

namespace ui {

PickList::PickList(QWidget *parent)
    : QListWidget(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
    connect(this, &QListWidget::currentRowChanged, this, [this](int row) {
        // The view makes the first entry current, unselected, when it gets
        // the focus from the keyboard; that is no pick.
        if (row >= 0 && item(row)->isSelected())
            emit picked(row);
    });
}

void PickList::mousePressEvent(QMouseEvent *event)
{
    const int before = currentRow();
    QListWidget::mousePressEvent(event);
    // A press on the entry that was already current changes no row, yet it
    // is a pick of its own.
    const QModelIndex pressed = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && pressed.isValid() && pressed.row() == before
        && currentRow() == before)
        emit picked(before);
}

} // namespace ui
