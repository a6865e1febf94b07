// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"

#include "ui/picklist.h"

#include <QGroupBox>
#include <QLabel>

namespace ui {

QWidget *Controls::find(const QString &name) const
{
    QWidget *found = m_window->findChild<QWidget *>(name);
    if (!found)
        qFatal("Control %s does not exist on %s", qPrintable(name), qPrintable(m_window->objectName()));
    return found;
}

QString Controls::text(const QString &name) const
{
    QWidget *w = widget(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        return edit->text();
    if (auto *label = qobject_cast<QLabel *>(w))
        return label->text();
    if (auto *button = qobject_cast<QAbstractButton *>(w))
        return button->text();
    if (auto *group = qobject_cast<QGroupBox *>(w))
        return group->title();
    if (auto *list = qobject_cast<QListWidget *>(w)) {
        const int row = PickList::ChosenRow(list);
        return row >= 0 ? list->item(row)->text() : QString();
    }
    return comboBox(name)->currentText();
}

void Controls::setText(const QString &name, const QString &text) const
{
    QWidget *w = widget(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else
        comboBox(name)->setCurrentIndex(comboBox(name)->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

QStringList Controls::items(const QString &name) const
{
    QStringList result;
    if (auto *combo = qobject_cast<QComboBox *>(widget(name))) {
        for (int i = 0; i < combo->count(); ++i)
            result << combo->itemText(i);
    } else {
        for (int i = 0; i < listWidget(name)->count(); ++i)
            result << listWidget(name)->item(i)->text();
    }
    return result;
}

} // namespace ui
