// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/controls.h"

#include "ui/picklist.h"

#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace ui {

void Controls::missed(const QString &name, const char *kind) const
{
    const QString what = m_window->findChild<QWidget *>(name)
                             ? QStringLiteral("Control %1 is no %2").arg(name, QLatin1String(kind))
                             : QStringLiteral("Control %1 does not exist on %2").arg(name, m_window->objectName());
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
}

QAction *Controls::action(const QString &name) const
{
    if (auto *found = m_window->findChild<QAction *>(name))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("Menu command %1 does not exist").arg(name)), __FILE__, __LINE__);
    return new QAction(m_window);
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
