// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>

namespace ui {

// Reaches the controls of a window by their objectName, as a user or a
// screen reader knows them. A name that the window does not hold, or a
// control of another kind than asked for, fails the test process.
class Controls
{
public:
    explicit Controls(QWidget *window)
        : m_window(window)
    {
    }

    template<typename T = QWidget>
    T *get(const QString &name) const
    {
        auto *found = qobject_cast<T *>(find(name));
        if (!found)
            qFatal("Control %s is no %s", qPrintable(name), T::staticMetaObject.className());
        return found;
    }
    QWidget *widget(const QString &name) const { return get(name); }
    QLineEdit *lineEdit(const QString &name) const { return get<QLineEdit>(name); }
    QComboBox *comboBox(const QString &name) const { return get<QComboBox>(name); }
    QListWidget *listWidget(const QString &name) const { return get<QListWidget>(name); }
    QAbstractButton *button(const QString &name) const { return get<QAbstractButton>(name); }

    // The caption of a label, button or frame, the text of a field, the
    // chosen item of a drop-down list or list box (an item current by focus
    // alone is none). setText on a drop-down list picks the item of the text.
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text) const;
    QStringList texts(const QStringList &names) const
    {
        QStringList result;
        for (const QString &name : names)
            result << text(name);
        return result;
    }
    // The items of a drop-down list or list box.
    QStringList items(const QString &name) const;

private:
    QWidget *find(const QString &name) const;

    QWidget *m_window;
};

} // namespace ui
