#include "app/frmmain.h"
#include "app/menucommands.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

// Stands in for the desktop's handlers: records what Qt's desktop services
// were asked to open.
class OpenedUrls : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestMenu : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void helpOpensTheDocumentOfTheApplicationFolder();
    void helpWithoutDocumentDoesNothingVisible();
    void builtHelpDocumentReachesTheDesktop();
    void viewOutputFileOpensItOncePerPress();
    void viewOutputFileThroughTheDesktop();
    void exitClosesTheWindowWithoutQuestion();
    void exitEndsTheProcess();

private:
    void start(ui::Shell &shell, const QString &appFolder);
    void trigger(const char *action);

    QTemporaryDir m_appFolder;
    QTemporaryDir m_workFolder;
    QString m_savedCurrent;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    OpenedUrls m_opened;
    std::unique_ptr<frmMain> m_window;
};

void TestMenu::init()
{
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_shell = RecordingShell();
    m_messages.clear();
    m_opened.urls.clear();
    // Nothing reaches a real desktop handler from these tests.
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::setUrlHandler(QLatin1String(scheme), &m_opened, "open");
    m_savedCurrent = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workFolder.path()));
}

void TestMenu::cleanup()
{
    m_window.reset();
    for (const char *scheme : {"file", "http", "https"})
        QDesktopServices::unsetUrlHandler(QLatin1String(scheme));
    QDir::setCurrent(m_savedCurrent);
    for (const QString &name : QDir(m_appFolder.path()).entryList(QDir::Files))
        QFile::remove(m_appFolder.filePath(name));
    QFile::remove(m_workFolder.filePath(QStringLiteral("quorvantix.dat")));
}

void TestMenu::start(ui::Shell &shell, const QString &appFolder)
{
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &shell}, appFolder);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMenu::trigger(const char *action)
{
    QAction *entry = m_window->findChild<QAction *>(QLatin1String(action));
    QVERIFY2(entry && entry->isEnabled(), action);
    entry->trigger();
}

void TestMenu::helpOpensTheDocumentOfTheApplicationFolder()
{
    const QString help = m_appFolder.filePath(QStringLiteral("Quorvantix help.pdf"));
    TestFolders::writeFile(help, "%PDF-1.4\n");
    start(m_shell, m_appFolder.path());
    trigger("mnuManual");
    QCOMPARE(m_shell.documents, QStringList{help});
    QCOMPARE(m_shell.urls, QStringList());
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMenu::helpWithoutDocumentDoesNothingVisible()
{
    ui::QtShell shell;
    start(shell, m_appFolder.path());
    trigger("mnuManual");
    QCOMPARE(m_opened.urls, QList<QUrl>());
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_window->isVisible());

    // The window keeps working: once the document is there, Help opens it.
    const QString help = m_appFolder.filePath(QStringLiteral("Quorvantix help.pdf"));
    TestFolders::writeFile(help, "%PDF-1.4\n");
    trigger("mnuManual");
    QCOMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(help)});
}

void TestMenu::builtHelpDocumentReachesTheDesktop()
{
    // The build renders the guide into its application folder.
    const QString help = MenuCommands::HelpDocumentPath(TestFolders::buildAppFolder());
    const QByteArray pdf = TestFolders::readFile(help);
    QVERIFY2(pdf.startsWith("%PDF-"), qPrintable(help));
    QVERIFY(pdf.trimmed().endsWith("%%EOF"));
    QVERIFY2(pdf.count("/Type /Page\n") >= 3, "the guide runs over several pages");

    ui::QtShell shell;
    start(shell, TestFolders::buildAppFolder());
    trigger("mnuManual");
    QCOMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(help)});
}

void TestMenu::viewOutputFileOpensItOncePerPress()
{
    TestFolders::writeFile(m_workFolder.filePath(QStringLiteral("quorvantix.dat")), "tiles\r\n");
    start(m_shell, m_appFolder.path());
    QAbstractButton *view = m_window->controls().button(QStringLiteral("ShowFileButton"));
    QVERIFY(!view->isEnabled()); // until a run succeeds
    QTest::mouseClick(view, Qt::LeftButton);
    QCOMPARE(m_shell.documents, QStringList());

    view->setEnabled(true);
    QTest::mouseClick(view, Qt::LeftButton);
    QTest::mouseClick(view, Qt::LeftButton);
#ifdef Q_OS_WIN
    const QStringList editor = {QStringLiteral("C:\\Windows\\notepad.exe"), QStringLiteral("quorvantix.dat"),
                                QDir::currentPath()};
    QCOMPARE(m_shell.programs, (QList<QStringList>{editor, editor}));
#else
    const QString output = QDir(m_workFolder.path()).filePath(QStringLiteral("quorvantix.dat"));
    QCOMPARE(m_shell.documents, (QStringList{output, output}));
#endif
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMenu::viewOutputFileThroughTheDesktop()
{
#ifdef Q_OS_WIN
    QSKIP("On Windows the editor is started as a program.");
#endif
    ui::QtShell shell;
    start(shell, m_appFolder.path());
    QAbstractButton *view = m_window->controls().button(QStringLiteral("ShowFileButton"));
    view->setEnabled(true);
    // No output file yet: nothing happens, and the press does not hurt.
    QTest::mouseClick(view, Qt::LeftButton);
    QCOMPARE(m_opened.urls, QList<QUrl>());

    const QString output = m_workFolder.filePath(QStringLiteral("quorvantix.dat"));
    TestFolders::writeFile(output, "tiles\r\n");
    QTest::mouseClick(view, Qt::LeftButton);
    QCOMPARE(m_opened.urls, QList<QUrl>{QUrl::fromLocalFile(output)});
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestMenu::exitClosesTheWindowWithoutQuestion()
{
    start(m_shell, m_appFolder.path());
    trigger("mnuClose");
    // Closed, not merely hidden behind a question; exitEndsTheProcess shows
    // that closing it ends the program.
    QVERIFY(!m_window->isVisible());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(m_shell.documents + m_shell.urls, QStringList());
}

void TestMenu::exitEndsTheProcess()
{
    // This test program run once more as a small GUI that chooses Exit with
    // the real message boxes: a question or message would keep it waiting.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--exit-child")});
    QVERIFY(child.waitForStarted());
    QVERIFY2(child.waitForFinished(120000), "Exit did not end the program");
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 0);
}

// The child of exitEndsTheProcess: the program's own window on the build's
// application folder with the real message boxes and shell, leaving through
// File, Exit once its event loop runs.
static int runExitChild()
{
    ui::QtMessages messages;
    ui::QtMousePointer pointer;
    ui::QtShell shell;
    frmMain window({&messages, &pointer, &shell}, TestFolders::buildAppFolder());
    window.show();
    QTimer::singleShot(0, &window, [&window] { window.findChild<QAction *>(QStringLiteral("mnuClose"))->trigger(); });
    return QApplication::exec();
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], "--exit-child") == 0)
        return runExitChild();
    TestMenu test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_menu.moc"
