#pragma once

#include <QListWidget>

namespace ui {

// A list box that reports each pick of the user once: a click on an entry
// (also on the one already chosen) or a move to another entry with the keys.
// Emptying the list or giving it the focus picks nothing.
class PickList : public QListWidget
{
    Q_OBJECT

public:
    explicit PickList(QWidget *parent = nullptr);

signals:
    void picked(int row);

protected:
    void mousePressEvent(QMouseEvent *event) override;

private:
    bool m_pressing = false;
};

} // namespace ui
