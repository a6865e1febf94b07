// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/pastefilter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>

namespace {

// Newer Qt names the entry; older Qt is known by its caption, translated as
// the field translates it.
QAction *pasteAction(QMenu *menu)
{
    const QString caption = QCoreApplication::translate("QLineEdit", "&Paste");
    const QList<QAction *> actions = menu->actions();
    for (QAction *action : actions) {
        if (action->objectName() == QLatin1String("edit-paste") || action->text().section(u'\t', 0, 0) == caption)
            return action;
    }
    return nullptr;
}

} // namespace

PasteFilter::PasteFilter(Handler handler, QObject *parent)
    : QObject(parent)
    , m_handler(std::move(handler))
{
}

void PasteFilter::watch(QLineEdit *field)
{
    field->installEventFilter(this);
}

bool PasteFilter::eventFilter(QObject *watched, QEvent *event)
{
    auto *field = qobject_cast<QLineEdit *>(watched);
    if (!field || field->isReadOnly())
        return false;
    QClipboard *clipboard = QGuiApplication::clipboard();
    switch (event->type()) {
    case QEvent::KeyPress:
        // The very test the field makes before it pastes.
        if (static_cast<QKeyEvent *>(event)->matches(QKeySequence::Paste))
            return m_handler(field, clipboard->text(QClipboard::Clipboard));
        return false;
    case QEvent::MouseButtonRelease:
        // A middle click pastes the selection where the system keeps one.
        if (static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton && clipboard->supportsSelection())
            return m_handler(field, clipboard->text(QClipboard::Selection));
        return false;
    case QEvent::Drop: {
        auto *drop = static_cast<QDropEvent *>(event);
        if (!drop->mimeData()->hasText() || !m_handler(field, drop->mimeData()->text()))
            return false;
        drop->acceptProposedAction();
        // The field ends the drag it was showing, as when the drag leaves it.
        QDragLeaveEvent leave;
        QCoreApplication::sendEvent(field, &leave);
        return true;
    }
    case QEvent::ContextMenu:
        return contextMenu(field, event);
    default:
        return false;
    }
}

// The field's own menu, with its Paste going through the handler first.
bool PasteFilter::contextMenu(QLineEdit *field, QEvent *event)
{
    QMenu *menu = field->createStandardContextMenu();
    QAction *paste = pasteAction(menu);
    if (!paste) {
        delete menu;
        return false;
    }
    disconnect(paste, &QAction::triggered, nullptr, nullptr);
    connect(paste, &QAction::triggered, field, [this, field] {
        if (!m_handler(field, QGuiApplication::clipboard()->text(QClipboard::Clipboard)))
            field->paste();
    });
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}
