// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace ui {

// The mouse pointer over a window or a control. Tests record the changes.
class MousePointer
{
public:
    enum class Shape { Default, Hourglass };

    virtual ~MousePointer() = default;
    virtual void setShape(QWidget *over, Shape shape) = 0;
};

// Shows the hourglass over `over` for the life of the guard, on every way out.
class BusyPointer
{
public:
    BusyPointer(MousePointer &pointer, QWidget *over)
        : m_pointer(pointer)
        , m_over(over)
    {
        m_pointer.setShape(m_over, MousePointer::Shape::Hourglass);
    }
    ~BusyPointer() { m_pointer.setShape(m_over, MousePointer::Shape::Default); }
    BusyPointer(const BusyPointer &) = delete;
    BusyPointer &operator=(const BusyPointer &) = delete;

private:
    MousePointer &m_pointer;
    QWidget *m_over;
};

} // namespace ui
