// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStringList>

#include <type_traits>

namespace ui {

// Reaches the controls of a window by their objectName, as a user or a
// screen reader knows them. A name that the window does not hold, or a
// control of another kind than asked for, fails the running test with the
// name it missed; the test then goes on with a hidden stand-in control, so
// that one missing control is reported once and nothing crashes.
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
        if (auto *found = qobject_cast<T *>(m_window->findChild<QWidget *>(name)))
            return found;
        missed(name, T::staticMetaObject.className());
        // Only QAbstractButton, of the kinds asked for, cannot be made itself.
        using Made = std::conditional_t<std::is_abstract_v<T>, QPushButton, T>;
        auto *standIn = new Made(m_window);
        standIn->hide();
        return standIn;
    }
    // A menu command of the window, by its objectName.
    QAction *action(const QString &name) const;
    // The window's only control of a kind that has no name of its own (the
    // bar and the button of a progress dialog).
    template<typename T>
    T *only() const
    {
        if (auto *found = m_window->findChild<T *>())
            return found;
        missed(QStringLiteral("of no name"), T::staticMetaObject.className());
        auto *standIn = new T(m_window);
        standIn->hide();
        return standIn;
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
    void missed(const QString &name, const char *kind) const;

    QWidget *m_window;
};

} // namespace ui
