// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMainWindow;
struct WindowContext;

// The menu commands and "View output file".
class MenuCommands
{
public:
    MenuCommands(WindowContext &context, QMainWindow *window);

    void mnuClose_Click();
    void mnuManual_Click();
    void mnuAbout_Click();
    void ShowFileButton_Click();

    // The help document in the application folder.
    static QString HelpDocumentPath(const QString &appFolder);

private:
    WindowContext &m_context;
    QMainWindow *m_window;
};
