#include "support/controls.h"

#include "ui/picklist.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

namespace ui {

namespace {

bool insideUserControl(const QWidget *widget, const QWidget *window)
{
    for (const QWidget *w = widget->parentWidget(); w && w != window; w = w->parentWidget()) {
        if (w->property("userControl").toBool())
            return true;
    }
    return false;
}

} // namespace

template<typename T>
T *Controls::find(const QString &name) const
{
    if (auto *self = qobject_cast<T *>(m_window); self && m_window->objectName() == name)
        return self;
    const auto candidates = m_window->findChildren<QWidget *>(name);
    for (QWidget *candidate : candidates) {
        if (insideUserControl(candidate, m_window))
            continue;
        if (auto *typed = qobject_cast<T *>(candidate))
            return typed;
        qFatal("Control %s is a %s, not a %s", qPrintable(name), candidate->metaObject()->className(),
               T::staticMetaObject.className());
    }
    qFatal("Control %s does not exist on %s", qPrintable(name), qPrintable(m_window->objectName()));
    return nullptr;
}

QWidget *Controls::widget(const QString &name) const { return find<QWidget>(name); }
QLineEdit *Controls::lineEdit(const QString &name) const { return find<QLineEdit>(name); }
QComboBox *Controls::comboBox(const QString &name) const { return find<QComboBox>(name); }
QListWidget *Controls::listWidget(const QString &name) const { return find<QListWidget>(name); }
QLabel *Controls::label(const QString &name) const { return find<QLabel>(name); }
QAbstractButton *Controls::button(const QString &name) const { return find<QAbstractButton>(name); }
QGroupBox *Controls::frame(const QString &name) const { return find<QGroupBox>(name); }

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
        // The chosen entry's text: a row made current by focus alone is none.
        const int row = PickList::ChosenRow(list);
        return row >= 0 ? list->item(row)->text() : QString();
    }
    const int index = selectedIndex(name);
    return index < 0 ? QString() : itemText(name, index);
}

void Controls::setText(const QString &name, const QString &text) const
{
    QWidget *w = widget(name);
    if (auto *edit = qobject_cast<QLineEdit *>(w))
        edit->setText(text);
    else if (auto *label = qobject_cast<QLabel *>(w))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        group->setTitle(text);
    else
        setSelectedIndex(name, comboBox(name)->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

bool Controls::isEnabled(const QString &name) const { return widget(name)->isEnabled(); }
void Controls::setEnabled(const QString &name, bool enabled) const { widget(name)->setEnabled(enabled); }
bool Controls::isVisibleFlag(const QString &name) const { return !widget(name)->isHidden(); }
void Controls::setVisible(const QString &name, bool visible) const { widget(name)->setVisible(visible); }

// A name that is no drop-down list is taken for a list box.
void Controls::clearItems(const QString &name) const
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(name)))
        return combo->clear();
    listWidget(name)->clear();
}

void Controls::addItem(const QString &name, const QString &item) const
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(name)))
        return combo->addItem(item);
    listWidget(name)->addItem(item);
}

int Controls::itemCount(const QString &name) const
{
    auto *combo = qobject_cast<QComboBox *>(widget(name));
    return combo ? combo->count() : listWidget(name)->count();
}

QString Controls::itemText(const QString &name, int index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(name)))
        return combo->itemText(index);
    QListWidgetItem *item = listWidget(name)->item(index);
    return item ? item->text() : QString();
}

QStringList Controls::items(const QString &name) const
{
    QStringList result;
    for (int i = 0; i < itemCount(name); ++i)
        result << itemText(name, i);
    return result;
}

int Controls::selectedIndex(const QString &name) const
{
    QWidget *w = widget(name);
    if (auto *combo = qobject_cast<QComboBox *>(w))
        return combo->currentIndex();
    return PickList::ChosenRow(listWidget(name));
}

void Controls::setSelectedIndex(const QString &name, int index) const
{
    if (auto *combo = qobject_cast<QComboBox *>(widget(name)))
        return combo->setCurrentIndex(index);
    listWidget(name)->setCurrentRow(index);
}

} // namespace ui
