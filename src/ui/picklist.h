// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>

namespace ui {

// A list box that reports each pick of the user once: a click on an entry
// (also on the one already chosen) or a move to another entry with the keys.
// Emptying the list or giving it the focus picks nothing. The chosen entry is
// the selected one: the view's current row alone, which focus can move, is
// no choice.
class PickList : public QListWidget
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

    // The chosen row, or -1; its text, or an empty text.
    int chosenRow() const { return ChosenRow(this); }
    QString chosenText() const;

    static int ChosenRow(const QListWidget *list);

signals:
    void picked(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_pressing = false;
};

} // namespace ui
