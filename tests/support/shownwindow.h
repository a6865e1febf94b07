// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/frmmain.h"
#include "support/controls.h"
#include "support/recorders.h"
#include "support/testfolders.h"
#include "support/userclicks.h"

#include <QTemporaryDir>

#include <memory>

// Fields with their texts, written "name=value;name=value".
using Entries = QList<QPair<QString, QString>>;
inline Entries entries(const QString &text)
{
    Entries result;
    for (const QString &pair : text.split(u';'))
        result << qMakePair(pair.section(u'=', 0, 0), pair.section(u'=', 1));
    return result;
}

// The main window on a catalogue in a temporary application folder whose
// path holds a blank, shown and active as the user meets it, with recorders
// for its services.
struct ShownWindow
{
    // Replaces the window by a new one on the catalogue (the sample one unless
    // given; none when empty); false when it does not become active.
    bool open(const QByteArray &catalogue = TestFolders::readFile(TestFolders::sampleCatalogue()))
    {
        window.reset();
        messages = RecordingMessages();
        const QString path = appFolder.filePath(QStringLiteral("tiles.cfg"));
        QFile::remove(path);
        if (!catalogue.isEmpty())
            TestFolders::writeFile(path, catalogue);
        window = std::make_unique<frmMain>(ui::Services{&messages, &pointer, &shell}, appFolder.path());
        window->show();
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    ui::Controls controls() const { return ui::Controls(window.get()); }
    QLineEdit *edit(const QString &name) const { return controls().lineEdit(name); }

    // The user's picks: a country, a domain entry by its row, a method by its
    // position. A drop-down's popup hands the activation back to the window.
    void pickCountry(const QString &name) const
    {
        UserClicks::pickComboText(controls().comboBox(QStringLiteral("CountriesListBox")), name);
        takeBackActivation();
    }
    void pickEntry(int row) const
    {
        UserClicks::pickListRow(controls().listWidget(QStringLiteral("DomainsAvailableBox")), row);
    }
    // France, then its domain 7 of 2001 (I 1-90, J 1-80, 5.25 W to 9.75 E, 41 N to 51.5 N).
    void pickFranceDomain7() const
    {
        pickCountry(QStringLiteral("France"));
        QListWidget *domains = controls().listWidget(QStringLiteral("DomainsAvailableBox"));
        const QList<QListWidgetItem *> found = domains->findItems(QStringLiteral("Domain 7,*2001"), Qt::MatchWildcard);
        QCOMPARE(found.size(), 1);
        pickEntry(domains->row(found.first()));
    }
    void pickMethod(int position) const
    {
        UserClicks::pickComboItem(controls().comboBox(QStringLiteral("cboChoice1")), position);
        takeBackActivation();
    }
    void takeBackActivation() const
    {
        QTRY_VERIFY(!QApplication::activePopupWidget());
        QCoreApplication::processEvents();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QCoreApplication::processEvents();
    }

    // Gives the field the focus, types at the end of its text and leaves it with Tab.
    void typeAndLeave(const QString &field, const QString &text) const
    {
        edit(field)->setFocus();
        QTest::keyClicks(edit(field), text);
        QTest::keyClick(edit(field), Qt::Key_Tab);
    }

    QTemporaryDir appFolder{QDir::tempPath() + QStringLiteral("/quorvantix app XXXXXX")};
    RecordingMessages messages;
    RecordingPointer pointer;
    RecordingShell shell;
    std::unique_ptr<frmMain> window;
};
