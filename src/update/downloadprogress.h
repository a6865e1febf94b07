// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>

#include <chrono>

class QNetworkReply;
class QProgressBar;
class QProgressDialog;
class QWidget;

// Shows how far a download has come in a modal dialog with a Cancel button.
// The dialog appears only once the download has taken its minimum duration,
// so a quick one shows nothing. Cancel aborts the reply.
class DownloadProgress : public QObject
{
    Q_OBJECT

public:
    static constexpr std::chrono::milliseconds MinimumDuration{1000};

    DownloadProgress(QWidget *parent, QNetworkReply &reply);
    ~DownloadProgress() override;

    bool cancelled() const { return m_cancelled; }
    bool isShown() const { return m_shown; }

signals:
    // The dialog has appeared: from now on it takes the user's input.
    void appeared();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void showProgress(qint64 received, qint64 total);

    QNetworkReply &m_reply;
    QPointer<QProgressDialog> m_dialog;
    QProgressBar *m_bar;
    bool m_cancelled = false;
    bool m_shown = false;
};
