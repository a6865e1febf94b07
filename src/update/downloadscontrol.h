// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/services.h"
#include "update/downloadresult.h"
#include "update/urlreader.h"

#include <QWidget>

#include <chrono>

class QLabel;
struct MainState;

// A small control with one label naming the maker's web site; a click on it
// checks for a newer catalogue. It holds the program's only network code,
// GetContent, which reads a web resource whole into memory.
class DownloadsControl : public QWidget
{
    Q_OBJECT

public:
    // The state of the read under way or of the last one.
    struct DownloadState
    {
        // 0 when the last read succeeded or none is under way; 5 from the
        // start of the completion handler until it has the content.
        qint32 ErrorNumber = 0;
        QString ErrorSource;
        QString ErrorDescription;
        QByteArray ContentBytes;
    };

    static constexpr qint32 CompletionError = 5;

    // Reads the catalogue's date and folder from the window's state when a
    // check runs.
    DownloadsControl(const ui::Services &services, const MainState &state, QWidget *parent = nullptr);

    // The whole resource at URL, or an error naming URL and the cause.
    DownloadResult GetContent(const QString &URL);
    // Takes what a finished read delivered.
    void UserControl_AsyncReadComplete(const AsyncProp &prop);

    void Label1_MouseMove();
    void Label1_Click();
    // Compares the downloaded catalogue's date with the one in use and, when
    // it is newer and the user agrees, replaces "tiles.cfg" and tells so.
    void CheckForUpdate(const QString &text);

    // The web site the catalogue is fetched from: the maker's, unless a test
    // points the control at its own server.
    void setBaseAddress(const QString &address) { m_baseAddress = address; }
    void setTimeout(std::chrono::milliseconds timeout) { m_reader.setTimeout(timeout); }
    // The cursor file the label shows when it exists.
    void setCursorFile(const QString &path) { m_cursorFile = path; }

signals:
    // The catalogue file was replaced by a newer one and is to be read again.
    void catalogueReplaced();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QString catalogueAddress() const;
    void ResetDownload();
    // Passes an error caught during GetContent on to its caller.
    DownloadError passOn(const QString &URL, const DownloadError &caught);

    ui::Services m_services;
    const MainState &m_state;
    QLabel *Label1;
    UrlReader m_reader;
    DownloadState m_download;
    QString m_baseAddress;
    QString m_cursorFile;
    bool m_customCursor = false;
    bool m_pressed = false;
    bool m_checking = false;
};
