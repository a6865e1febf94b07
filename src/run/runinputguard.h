// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <functional>

// Keeps the user's input away from the window while the engine runs, also
// input that reaches a control directly, and lets only the run's progress
// window through. Closing the window is reported, and the close goes ahead.
class RunInputGuard : public QObject
{
public:
    RunInputGuard(QWidget *window, std::function<void()> onClose);
    ~RunInputGuard() override;

    // The one window that still takes input.
    void allow(QWidget *progress) { m_allowed = progress; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    QPointer<QWidget> m_allowed;
    std::function<void()> m_onClose;
};
