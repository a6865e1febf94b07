// SPDX-License-Identifier: GPL-3.0-or-later
#include "update/downloadprogress.h"

#include "ui/messages.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QTimer>

#include <limits>

namespace {

int kilobytes(qint64 bytes)
{
    return int(qMin<qint64>(bytes / 1024, std::numeric_limits<int>::max()));
}

} // namespace

DownloadProgress::DownloadProgress(QWidget *parent)
    : m_parent(parent)
{
}

DownloadProgress::~DownloadProgress()
{
    close();
}

void DownloadProgress::readStarted(const Handle &handle)
{
    m_read = handle;
    m_cancelled = false;
    m_dialog = new QProgressDialog(m_parent);
    m_bar = new QProgressBar;
    // The dialog appears when its minimum duration has passed, never earlier
    // on a guess from its value: the bar is fed directly and a timer shows it.
    m_dialog->setBar(m_bar);
    m_dialog->setWindowModality(Qt::ApplicationModal);
    m_dialog->setWindowTitle(ui::applicationTitle());
    m_dialog->setLabelText(tr("Downloading the configuration file..."));
    // Until the size is known the bar only shows that work goes on.
    m_bar->setRange(0, 0);
    m_dialog->setMinimumDuration(int(MinimumDuration.count()));
    m_dialog->installEventFilter(this);
    QTimer::singleShot(MinimumDuration, m_dialog, [this] {
        if (!m_cancelled)
            m_dialog->show();
    });

    connect(m_dialog, &QProgressDialog::canceled, this, [this] {
        m_cancelled = true;
        m_read.cancel();
    });
}

void DownloadProgress::readEnded()
{
    close();
    m_read = {};
}

void DownloadProgress::close()
{
    if (m_shown)
        QGuiApplication::restoreOverrideCursor();
    m_shown = false;
    // The dialog sends events while it is being destroyed; this object must
    // no longer look at them.
    if (m_dialog)
        m_dialog->removeEventFilter(this);
    delete m_dialog;
}

bool DownloadProgress::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_dialog && event->type() == QEvent::Show && !m_shown) {
        m_shown = true;
        // The Cancel button must not sit under an hourglass.
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        m_read.allowInput();
    }
    return QObject::eventFilter(watched, event);
}

void DownloadProgress::readProgressed(qint64 received, qint64 total)
{
    if (!m_dialog || m_cancelled)
        return;
    if (total > 0) {
        m_bar->setRange(0, qMax(1, kilobytes(total)));
        m_bar->setValue(qMin(kilobytes(received), m_bar->maximum()));
        m_dialog->setLabelText(tr("Downloading the configuration file: %1 of %2 KB received")
                                   .arg(kilobytes(received))
                                   .arg(kilobytes(total)));
    } else {
        m_dialog->setLabelText(tr("Downloading the configuration file: %1 KB received").arg(kilobytes(received)));
    }
}
