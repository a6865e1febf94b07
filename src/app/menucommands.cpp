// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/menucommands.h"

#include "app/frmabout.h"
#include "core/mainwindowform.h"
#include "core/windowcontext.h"
#include "ui/shell.h"
#include "ui/shellroutines.h"

#include <QAction>
#include <QDir>
#include <QMainWindow>
#include <QPushButton>

MenuCommands::MenuCommands(WindowContext &context, QMainWindow *window)
    : m_context(context)
    , m_window(window)
{
    const MainWindowForm &form = m_context.form;
    QObject::connect(form.mnuClose, &QAction::triggered, window, [this] { mnuClose_Click(); });
    QObject::connect(form.mnuManual, &QAction::triggered, window, [this] { mnuManual_Click(); });
    QObject::connect(form.mnuAbout, &QAction::triggered, window, [this] { mnuAbout_Click(); });
    QObject::connect(form.ShowFileButton, &QPushButton::clicked, window, [this] { ShowFileButton_Click(); });
}

QString MenuCommands::HelpDocumentPath(const QString &appFolder)
{
    return QDir(appFolder).filePath(QStringLiteral("Quorvantix help.pdf"));
}

void MenuCommands::mnuClose_Click()
{
    m_window->close();
}

void MenuCommands::mnuManual_Click()
{
    OpenDocument(*m_context.services.shell, HelpDocumentPath(m_context.state.appFolder));
}

void MenuCommands::mnuAbout_Click()
{
    frmAbout about(*m_context.services.shell, m_window);
    about.exec();
}

void MenuCommands::ShowFileButton_Click()
{
    // The engine writes its output file into the working folder.
#ifdef Q_OS_WIN
    m_context.services.shell->startDetached(QStringLiteral("C:\\Windows\\notepad.exe"),
                                            {QStringLiteral("quorvantix.dat")}, QDir::currentPath());
#else
    OpenDocument(*m_context.services.shell, QDir::current().filePath(QStringLiteral("quorvantix.dat")));
#endif
}
