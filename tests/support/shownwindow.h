#pragma once

#include "app/frmmain.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The main window on the sample catalogue in a temporary application folder,
// shown and active as the user meets it, with recorders for its services.
struct ShownWindow
{
    // Replaces the window by a new one; false when it does not become active.
    bool open()
    {
        window.reset();
        messages = RecordingMessages();
        const QString catalogue = appFolder.filePath(QStringLiteral("tiles.cfg"));
        QFile::remove(catalogue);
        if (!QFile::copy(TestFolders::sampleCatalogue(), catalogue))
            return false;
        window = std::make_unique<frmMain>(ui::Services{&messages, &pointer, &shell}, appFolder.path());
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    QLineEdit *edit(const QString &name) const { return window->controls().lineEdit(name); }

    // Gives the field the focus, types at the end of its text and leaves it with Tab.
    void typeAndLeave(const QString &field, const QString &text) const
    {
        edit(field)->setFocus();
        QTest::keyClicks(edit(field), text);
        QTest::keyClick(edit(field), Qt::Key_Tab);
    }

    QTemporaryDir appFolder;
    RecordingMessages messages;
    RecordingPointer pointer;
    RecordingShell shell;
    std::unique_ptr<frmMain> window;
};
