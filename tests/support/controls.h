#pragma once

#include <QString>
#include <QStringList>

class QAbstractButton;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QWidget;

namespace ui {

// Reaches the controls of a window by their objectName, as a user or a
// screen reader knows them. A name that the window does not hold, or a
// control of another kind than asked for, fails the test process with a
// message that names it. Controls inside a user control (a widget carrying
// the property "userControl") are private to it and never found from outside.
class Controls
{
public:
    explicit Controls(QWidget *window) : m_window(window) {}

    QWidget *window() const { return m_window; }

    QWidget *widget(const QString &name) const;
    QLineEdit *lineEdit(const QString &name) const;
    QComboBox *comboBox(const QString &name) const;
    QListWidget *listWidget(const QString &name) const;
    QLabel *label(const QString &name) const;
    QAbstractButton *button(const QString &name) const;
    QGroupBox *frame(const QString &name) const;

    // Caption of a label, button or frame, the text of a text field, the
    // current item's text of a drop-down list or list box; setText on a
    // drop-down list picks the item of that text.
    QString text(const QString &name) const;
    void setText(const QString &name, const QString &text) const;

    bool isEnabled(const QString &name) const;
    void setEnabled(const QString &name, bool enabled) const;
    // Whether the control itself is marked visible (its frame may be hidden).
    bool isVisibleFlag(const QString &name) const;
    void setVisible(const QString &name, bool visible) const;

    // Drop-down lists and list boxes.
    void clearItems(const QString &name) const;
    void addItem(const QString &name, const QString &item) const;
    int itemCount(const QString &name) const;
    QString itemText(const QString &name, int index) const;
    QStringList items(const QString &name) const;
    int selectedIndex(const QString &name) const;
    void setSelectedIndex(const QString &name, int index) const;

private:
    template<typename T>
    T *find(const QString &name) const;

    QWidget *m_window;
};

} // namespace ui
