// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "update/readobserver.h"

#include <QObject>
#include <QPointer>

#include <chrono>

class QProgressBar;
class QProgressDialog;
class QWidget;

// Shows how far a download has come in a modal dialog with a Cancel button.
// The dialog appears only once the download has taken its minimum duration,
// so a quick one shows nothing. Cancel ends the read. The dialog lives from
// the start of the read to its end.
class DownloadProgress : public QObject, public ReadObserver
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds MinimumDuration{1000};

    explicit DownloadProgress(QWidget *parent);
    ~DownloadProgress() override;

    void readStarted(const Handle &handle) override;
    void readProgressed(qint64 received, qint64 total) override;
    void readEnded() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the dialog down and gives the pointer back.
    void close();

    QPointer<QWidget> m_parent;
    Handle m_read;
    QPointer<QProgressDialog> m_dialog;
    QProgressBar *m_bar = nullptr;
    bool m_cancelled = false;
    bool m_shown = false;
};
