#pragma once

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

private:
    WindowContext &m_context;
    QMainWindow *m_window;
};
