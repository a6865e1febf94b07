// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/runprogress.h"

#include <QGuiApplication>

#include <limits>

namespace {

const char *const Title = QT_TRANSLATE_NOOP("RunProgress", "Quorvantix");
const char *const Running = QT_TRANSLATE_NOOP("RunProgress",
                                              "The Quorvantix executable is looking for the tiles of the domain.\n"
                                              "Time elapsed: %1:%2");

} // namespace

RunProgress::RunProgress(QWidget *window)
    : QProgressDialog(window)
{
    setObjectName(QStringLiteral("EngineRunProgress"));
    setWindowTitle(tr(Title));
    setWindowModality(Qt::ApplicationModal);
    setRange(0, 0); // busy: the engine tells nothing of its progress
    setAutoReset(false);
    setAutoClose(false);
    // Shown by the timer below; the dialog's own delayed showing stays out of the way.
    setMinimumDuration(std::numeric_limits<int>::max());
    m_clock.start();
    showElapsed();

    m_showTimer.setSingleShot(true);
    connect(&m_showTimer, &QTimer::timeout, this, [this] { show(); });
    m_showTimer.start(ShowAfterMs);
    connect(&m_tick, &QTimer::timeout, this, &RunProgress::showElapsed);
    m_tick.start(500);
}

RunProgress::~RunProgress()
{
    setArrow(false);
}

void RunProgress::showEvent(QShowEvent *event)
{
    QProgressDialog::showEvent(event);
    // Cancel must look clickable, also under the window's hourglass.
    setArrow(true);
    emit appeared();
}

void RunProgress::hideEvent(QHideEvent *event)
{
    setArrow(false);
    QProgressDialog::hideEvent(event);
}

void RunProgress::setArrow(bool arrow)
{
    if (arrow == m_arrow)
        return;
    m_arrow = arrow;
    if (arrow)
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
    else
        QGuiApplication::restoreOverrideCursor();
}

void RunProgress::showElapsed()
{
    const qint64 seconds = m_clock.elapsed() / 1000;
    setLabelText(tr(Running).arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0')));
}
