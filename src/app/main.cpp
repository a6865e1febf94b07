// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/frmmain.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quorvantix GUI"));
    QApplication::setApplicationVersion(QStringLiteral(QUORVANTIX_VERSION));

    ui::QtMessages messages;
    ui::QtMousePointer pointer;
    ui::QtShell shell;
    frmMain window({&messages, &pointer, &shell});
    messages.setParent(&window);
    window.show();
    return app.exec();
}
