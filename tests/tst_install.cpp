#include "app/frmmain.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QImage>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

// Installs the build into a temporary prefix, as a package would, and runs
// what was installed: the layout, the launcher, the GUI on its installed
// catalogue and help, and a tile run from a working folder of the user's own.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void installedFiles_data();
    void installedFiles();
    void desktopEntryAndIcon();
    void guiFindsItsInstalledFiles();
    void launcherStartsTheGuiInTheUsersFolder();
    void tileRunFromAWorkingFolderOutside();

private:
    QString appFolder() const { return m_prefix.filePath(QStringLiteral("lib/quorvantix")); }
    QString engine() const { return QDir(appFolder()).filePath(QStringLiteral("Quorvantix.exe")); }

    QTemporaryDir m_prefix;
    QTemporaryDir m_home;
    QString m_savedCurrent;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
};

void TestInstall::initTestCase()
{
#ifndef Q_OS_LINUX
    QSKIP("The installed layout checked here is the Linux one.");
#endif
    const QString cmake = QStandardPaths::findExecutable(QStringLiteral("cmake"));
    if (cmake.isEmpty())
        QSKIP("cmake is not on the PATH");
    // The application folder of the build is <build>/bin.
    const QString build = QFileInfo(TestFolders::buildAppFolder() + QStringLiteral("/..")).canonicalFilePath();
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(cmake, {QStringLiteral("--install"), build, QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY(install.waitForFinished(180000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());
    m_savedCurrent = QDir::currentPath();
}

void TestInstall::cleanup()
{
    QDir::setCurrent(m_savedCurrent);
    m_messages.clear();
    m_shell = RecordingShell();
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    QTest::newRow("gui") << "lib/quorvantix/quorvantix-gui" << true;
    QTest::newRow("catalogue") << "lib/quorvantix/tiles.cfg" << false;
    QTest::newRow("help") << "lib/quorvantix/Quorvantix help.pdf" << false;
    QTest::newRow("launcher") << "bin/quorvantix" << true;
    QTest::newRow("desktop entry") << "share/applications/quorvantix.desktop" << false;
    QTest::newRow("icon") << "share/icons/hicolor/256x256/apps/quorvantix.png" << false;
}

void TestInstall::installedFiles()
{
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo file(m_prefix.filePath(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QCOMPARE(file.isExecutable(), executable);
}

void TestInstall::desktopEntryAndIcon()
{
    const QByteArray entry = TestFolders::readFile(m_prefix.filePath(QStringLiteral("share/applications/quorvantix.desktop")));
    QVERIFY(entry.startsWith("[Desktop Entry]\n"));
    for (const char *line : {"\nType=Application\n", "\nExec=quorvantix\n", "\nIcon=quorvantix\n", "\nName=Quorvantix GUI\n"})
        QVERIFY2(entry.contains(line), line);
    const QImage icon(m_prefix.filePath(QStringLiteral("share/icons/hicolor/256x256/apps/quorvantix.png")));
    QCOMPARE(icon.size(), QSize(256, 256));
    // Transparent corners around an opaque middle: a drawn icon, not an empty one.
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(icon.pixel(128, 128)), 255);
}

void TestInstall::guiFindsItsInstalledFiles()
{
    QCOMPARE(TestFolders::readFile(QDir(appFolder()).filePath(QStringLiteral("tiles.cfg"))),
             TestFolders::readFile(TestFolders::sampleCatalogue()));
    frmMain window({&m_messages, &m_pointer, &m_shell}, appFolder());
    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(window.controls().itemCount(QStringLiteral("CountriesListBox")) > 0);
    window.findChild<QAction *>(QStringLiteral("mnuManual"))->trigger();
    const QString help = QDir(appFolder()).filePath(QStringLiteral("Quorvantix help.pdf"));
    QCOMPARE(m_shell.documents, QStringList{help});
    QVERIFY(TestFolders::readFile(help).startsWith("%PDF-"));
}

void TestInstall::launcherStartsTheGuiInTheUsersFolder()
{
    QProcess gui;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_home.path());
    environment.remove(QStringLiteral("QUORVANTIX_WORK"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    gui.setProcessEnvironment(environment);
    gui.setProcessChannelMode(QProcess::ForwardedChannels);
    gui.setWorkingDirectory(m_prefix.path());
    gui.start(m_prefix.filePath(QStringLiteral("bin/quorvantix")), {});
    QVERIFY(gui.waitForStarted());

    // The launcher makes the working folder and hands its process over to
    // the installed GUI running there, which brings up its window system.
    const QString proc = QStringLiteral("/proc/%1/").arg(gui.processId());
    const QString work = QDir(m_home.path()).filePath(QStringLiteral("Quorvantix"));
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(proc + QStringLiteral("exe")).canonicalFilePath()
                                 == QFileInfo(QDir(appFolder()).filePath(QStringLiteral("quorvantix-gui"))).canonicalFilePath(),
                             60000);
    QCOMPARE(QFileInfo(proc + QStringLiteral("cwd")).canonicalFilePath(), QFileInfo(work).canonicalFilePath());
    QTRY_VERIFY_WITH_TIMEOUT(TestFolders::readFile(proc + QStringLiteral("maps")).contains("libqoffscreen"), 60000);
    QCOMPARE(gui.state(), QProcess::Running);

    gui.terminate();
    QVERIFY(gui.waitForFinished(30000));
    // The GUI wrote nothing into the folder it ran in.
    QCOMPARE(QDir(work).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList());
}

void TestInstall::tileRunFromAWorkingFolderOutside()
{
    if (!QFileInfo::exists(engine()))
        QSKIP("This build has no engine to install.");
    QTemporaryDir work;
    QVERIFY(QDir::setCurrent(work.path()));

    frmMain window({&m_messages, &m_pointer, &m_shell}, appFolder());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    ui::Controls &c = window.controls();

    QComboBox *countries = c.comboBox(QStringLiteral("CountriesListBox"));
    const int france = countries->findText(QStringLiteral("France"));
    QVERIFY(france >= 0);
    countries->showPopup();
    QAbstractItemView *view = countries->view();
    QTRY_VERIFY(view->isVisible());
    const QModelIndex item = view->model()->index(france, 0);
    view->scrollTo(item);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(item).center());
    QTRY_VERIFY(!view->isVisible());

    QListWidget *domains = c.listWidget(QStringLiteral("DomainsAvailableBox"));
    QVERIFY(domains->count() > 0);
    QTest::mouseClick(domains->viewport(), Qt::LeftButton, {}, domains->visualItemRect(domains->item(0)).center());
    QTest::mouseClick(c.button(QStringLiteral("cmdShow")), Qt::LeftButton);

    QCOMPARE(m_messages.texts(), QStringList());
    QVERIFY(c.itemCount(QStringLiteral("TilesListBox")) > 0);
    QVERIFY(c.isEnabled(QStringLiteral("ShowFileButton")));
    for (const char *name : {"quorvantix.inp", "quorvantix.lst", "quorvantix.dat", "mvtiles.bat"}) {
        QVERIFY2(QFileInfo::exists(work.filePath(QLatin1String(name))), name);
        QVERIFY2(!QFileInfo::exists(QDir(appFolder()).filePath(QLatin1String(name))), name);
    }
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
