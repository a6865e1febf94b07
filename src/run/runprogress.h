// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QTimer>

// The small modal window of a long engine run: a busy bar, the time elapsed
// and Cancel. It shows itself only once the run has taken ShowAfterMs, so a
// quick run shows nothing.
class RunProgress : public QProgressDialog
{
    Q_OBJECT

public:
    static constexpr int ShowAfterMs = 1000;

    explicit RunProgress(QWidget *window);
    ~RunProgress() override;

signals:
    void appeared();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void showElapsed();
    void setArrow(bool arrow);

    QElapsedTimer m_clock;
    QTimer m_showTimer;
    QTimer m_tick;
    bool m_arrow = false;
};
