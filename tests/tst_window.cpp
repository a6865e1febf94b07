// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shownwindow.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

// The window as it opens, with a catalogue or without, its tab order, the
// menu commands, the About box and View output file, with the shell's
// requests recorded instead of made.
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_shown.open()); }
    void cleanup();
    void opensOnTheSampleCatalogue();
    void opensWithoutACatalogue();
    void tabMovesInTheWindowsOrder_data();
    void tabMovesInTheWindowsOrder();
    void helpOpensTheDocumentOnceItExists();
    void aboutBoxIsModalCentredAndLinksToTheMainPage();
    void viewOutputFileOfTheWorkingFolder();
    void exitEndsTheProcess();

private:
    void trigger(const char *action) { m_shown.window->findChild<QAction *>(QLatin1String(action))->trigger(); }

    ShownWindow m_shown;
};

void TestWindow::cleanup()
{
    m_shown.window.reset();
    m_shown.shell = RecordingShell();
    // None of these commands has anything to say.
    QCOMPARE(m_shown.messages.texts(), QStringList());
}

void TestWindow::opensOnTheSampleCatalogue()
{
    frmMain *window = m_shown.window.get();
    const ui::Controls c = m_shown.controls();
    QCOMPARE(m_shown.messages.texts(), QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text("ConfigDate"), QStringLiteral("19 April 2011"));

    // Every distinct country once, the last one of the catalogue included,
    // none chosen yet.
    QCOMPARE(c.items("CountriesListBox").count("Canada"), 1);
    QCOMPARE(c.comboBox("CountriesListBox")->currentIndex(), -1);

    QCOMPARE(c.text("cboChoice1"), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(!c.widget("Geodetic1")->isHidden() && !c.widget("Geodetic2")->isHidden()
            && c.widget("Indices")->isHidden());
    QVERIFY(!c.widget("ShowFileButton")->isEnabled() && !c.widget("cmdShow")->isEnabled()
            && !c.widget("DownloadMapButton")->isEnabled());
}

void TestWindow::opensWithoutACatalogue()
{
    QFile::remove(m_shown.appFolder.filePath("tiles.cfg"));
    RecordingMessages messages;
    frmMain window(ui::Services{&messages, &m_shown.pointer, &m_shown.shell}, m_shown.appFolder.path());
    QCOMPARE(messages.texts(), QStringList{"The file tiles.cfg required by the Quorvantix interface is missing, "
                                           "please download it from the QMT website"});
    QCOMPARE(messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(ui::Controls(&window).text("ConfigDate"), QStringLiteral("--- --- ---"));
    const QRect screen = window.screen()->geometry();
    QVERIFY(qAbs(window.frameGeometry().center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screen.center().y()) <= 1);
    // Every control carries its name and caption, catalogue or not.
    const Entries captions = entries("Label17=Available domains for the selected country:;"
                                     "DownloadMapButton=Show map for domain;Geodetic1=LL (degrees) Start;"
                                     "Indices=(I, J);txtLatD2=45;txtLonS2=0.00;Label24=Check for update on ;"
                                     "cmdShow=Show tiles in domain;TilesCountLabel=---");
    for (const auto &[name, caption] : captions)
        QCOMPARE(ui::Controls(&window).text(name), caption);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void TestWindow::tabMovesInTheWindowsOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    const auto row = [](const char *tag, const char *from, const char *to) { QTest::newRow(tag) << from << to; };
    row("country to domain list", "CountriesListBox", "DomainsAvailableBox");
    row("across the box corners", "cboLatLL1", "txtLat2");
    // Past the disabled button, the hidden panels and the disabled view button.
    row("skips what cannot take the focus", "cboLonLL2", "txtLatD1");
    row("start corner to end corner", "txtLonS1", "txtLatD2");
    row("last field to the tiles", "txtLonS2", "TilesListBox");
}

void TestWindow::tabMovesInTheWindowsOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QWidget *start = m_shown.controls().widget(from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), to);
}

void TestWindow::helpOpensTheDocumentOnceItExists()
{
    // Without the document Help does nothing visible, and the window goes on.
    trigger("mnuManual");
    QCOMPARE(m_shown.shell.documents, QStringList());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_shown.window->isVisible());

    const QString help = m_shown.appFolder.filePath(QStringLiteral("Quorvantix help.pdf"));
    TestFolders::writeFile(help, "%PDF-1.4\n");
    trigger("mnuManual");
    trigger("mnuManual");
    QCOMPARE(m_shown.shell.documents, (QStringList{help, help}));

    // The build renders the guide into its application folder.
    const QByteArray built = TestFolders::readFile(TestFolders::buildAppFolder() + "/Quorvantix help.pdf");
    QVERIFY(built.startsWith("%PDF-") && built.trimmed().endsWith("%%EOF"));
}

void TestWindow::aboutBoxIsModalCentredAndLinksToTheMainPage()
{
    const QString yearBefore = QString::number(QDate::currentDate().year());
    QString seen;
    // Looks at the box from inside its own event loop.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        // The frame is known only once the box is shown: allow for its width.
        const QPoint offset = box->frameGeometry().center() - box->screen()->geometry().center();
        const auto text = [box](const char *name) { return box->findChild<QLabel *>(QLatin1String(name))->text(); };
        seen = QStringList{box->objectName(), QString::number(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4),
                           text("lblVer"), text("lblCopyright").right(4)}
                   .join(u'|');
        auto *site = box->findChild<QLabel *>(QStringLiteral("lblQMT_Web_Site"));
        QTest::mouseClick(site, Qt::LeftButton);
        QTest::mouseClick(site, Qt::LeftButton);
        seen += box->isVisible() ? "|open" : "|closed";
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        seen += box->isVisible() ? "|open" : "|closed";
        box->reject(); // never leave the test waiting in exec()
    });
    poll.start(10);
    m_shown.window->move(0, 0); // the box is centred on the screen, not over its parent
    trigger("mnuAbout");        // returns once the modal box has closed

    const QString year = QString::number(QDate::currentDate().year());
    QVERIFY2(seen == "frmAbout|1|1.7.04_19_2011|" + yearBefore + "|open|closed"
                 || seen == "frmAbout|1|1.7.04_19_2011|" + year + "|open|closed",
             qPrintable(seen));
    QCOMPARE(m_shown.shell.urls, QStringList(2, QStringLiteral("https://www.qmt.example/mm5/MM5_Main_Page.html")));
}

void TestWindow::viewOutputFileOfTheWorkingFolder()
{
    QTemporaryDir work;
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    TestFolders::writeFile(work.filePath(QStringLiteral("quorvantix.dat")), "tiles\r\n");
    QAbstractButton *button = m_shown.controls().button(QStringLiteral("ShowFileButton"));
    button->setEnabled(true); // as after a run
    QTest::mouseClick(button, Qt::LeftButton);
    QDir::setCurrent(saved);
#ifdef Q_OS_WIN
    // Notepad, asked to open the file by its name in the working folder.
    QCOMPARE(m_shown.shell.documents, QStringList());
    QCOMPARE(m_shown.shell.programs, QStringList{"C:\\Windows\\notepad.exe quorvantix.dat | " + work.path()});
#else
    QCOMPARE(m_shown.shell.documents, QStringList{QDir(work.path()).filePath(QStringLiteral("quorvantix.dat"))});
    QCOMPARE(m_shown.shell.programs, QStringList());
#endif
}

void TestWindow::exitEndsTheProcess()
{
    // This program once more as the GUI with the real message boxes, choosing
    // File, Exit: a question or message would keep it waiting.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--exit-child")});
    QVERIFY(child.waitForStarted());
    QVERIFY2(child.waitForFinished(60000), "Exit did not end the program");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--exit-child") == 0) {
        ui::QtMessages messages;
        ui::QtMousePointer pointer;
        ui::QtShell shell;
        frmMain window({&messages, &pointer, &shell}, TestFolders::buildAppFolder());
        window.show();
        QTimer::singleShot(0, &window,
                           [&window] { window.findChild<QAction *>(QStringLiteral("mnuClose"))->trigger(); });
        return QApplication::exec();
    }
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
