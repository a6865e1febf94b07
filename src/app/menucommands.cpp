#include "app/menucommands.h"

#include "app/windowcontext.h"

#include <QAction>
#include <QMainWindow>

MenuCommands::MenuCommands(WindowContext &context, QMainWindow *window)
    : m_context(context)
    , m_window(window)
{
    QObject::connect(window->findChild<QAction *>(QStringLiteral("mnuClose")), &QAction::triggered,
                     window, [this] { mnuClose_Click(); });
}

void MenuCommands::mnuClose_Click()
{
    m_window->close();
}

void MenuCommands::mnuManual_Click() {}
void MenuCommands::mnuAbout_Click() {}
void MenuCommands::ShowFileButton_Click() {}
