// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/requestform.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <optional>

class QMainWindow;
class QMenu;
struct WindowContext;

// The request kept beyond the window: copied as text, saved as a control
// file, opened from one, and the last successful runs offered again. Adds
// menu Edit with "Copy request" and three entries of menu File before Exit.
class RequestCommands
{
    Q_DECLARE_TR_FUNCTIONS(RequestCommands)

public:
    RequestCommands(WindowContext &context, QMainWindow *window);

    void mnuCopyRequest_Click();
    void mnuOpenRequest_Click();
    void mnuSaveRequestAs_Click();
    // Fills "Recent requests" from the settings, as it opens.
    void mnuRecentRequests_Show();
    void RecentRequest_Click(int index);
    // Remembers the request the window shows, after it ran successfully.
    void RememberRequest();

private:
    std::optional<QStringList> checkedLines();
    // The control file to open or to save into; empty when the user cancels.
    QString fileChosen(bool save) const;

    WindowContext &m_context;
    QMainWindow *m_window;
    RequestForm m_form;
};
