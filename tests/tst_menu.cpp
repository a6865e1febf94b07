#include "support/shownwindow.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

// The menu commands, the About box and View output file, with the shell's
// requests recorded instead of made.
class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_shown.open()); }
    void cleanup();
    void helpOpensTheDocumentOnceItExists();
    void aboutBoxIsModalCentredAndLinksToTheMainPage();
    void viewOutputFileOfTheWorkingFolder();
    void exitEndsTheProcess();

private:
    void trigger(const char *action);

    ShownWindow m_shown;
};

void TestMenu::cleanup()
{
    m_shown.window.reset();
    m_shown.shell = RecordingShell();
    // None of these commands has anything to say.
    QCOMPARE(m_shown.messages.texts(), QStringList());
}

void TestMenu::trigger(const char *action)
{
    m_shown.window->findChild<QAction *>(QLatin1String(action))->trigger();
}

void TestMenu::helpOpensTheDocumentOnceItExists()
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
    QVERIFY(built.startsWith("%PDF-"));
    QVERIFY(built.trimmed().endsWith("%%EOF"));
}

void TestMenu::aboutBoxIsModalCentredAndLinksToTheMainPage()
{
    const QString yearBefore = QString::number(QDate::currentDate().year());
    QString version, notice;
    bool seen = false, centred = false, openAfterLink = false, openAfterOk = true;
    // Looks at the box from inside its own event loop.
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box)
            return;
        poll.stop();
        seen = box->objectName() == QLatin1String("frmAbout");
        // The frame is known only once the box is shown: allow for its width.
        const QPoint offset = box->frameGeometry().center() - box->screen()->geometry().center();
        centred = qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4;
        version = box->findChild<QLabel *>(QStringLiteral("lblVer"))->text();
        notice = box->findChild<QLabel *>(QStringLiteral("lblCopyright"))->text();
        auto *site = box->findChild<QLabel *>(QStringLiteral("lblQMT_Web_Site"));
        QTest::mouseClick(site, Qt::LeftButton);
        QTest::mouseClick(site, Qt::LeftButton);
        openAfterLink = box->isVisible();
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
        openAfterOk = box->isVisible();
        box->reject(); // never leave the test waiting in exec()
    });
    poll.start(10);
    m_shown.window->move(0, 0); // the box is centred on the screen, not over its parent
    trigger("mnuAbout"); // returns once the modal box has closed

    QVERIFY(seen);
    QVERIFY(centred);
    QCOMPARE(version, QStringLiteral("1.7.04_19_2011"));
    QVERIFY2(notice.endsWith(yearBefore) || notice.endsWith(QString::number(QDate::currentDate().year())),
             qPrintable(notice));
    QVERIFY(openAfterLink);
    QVERIFY(!openAfterOk);
    QCOMPARE(m_shown.shell.urls, QStringList(2, QStringLiteral("https://www.qmt.example/mm5/MM5_Main_Page.html")));
}

void TestMenu::viewOutputFileOfTheWorkingFolder()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the editor is started as a program.");
#endif
    QTemporaryDir work;
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    TestFolders::writeFile(work.filePath(QStringLiteral("quorvantix.dat")), "tiles\r\n");
    m_shown.controls().widget(QStringLiteral("ShowFileButton"))->setEnabled(true); // as after a run
    QTest::mouseClick(m_shown.controls().button(QStringLiteral("ShowFileButton")), Qt::LeftButton);
    QDir::setCurrent(saved);
    QCOMPARE(m_shown.shell.documents, QStringList{QDir(work.path()).filePath(QStringLiteral("quorvantix.dat"))});
}

void TestMenu::exitEndsTheProcess()
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
    TestMenu test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menu.moc"
