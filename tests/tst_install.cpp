// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shownwindow.h"

#include <QStandardPaths>

// Installs the build into a temporary prefix, as a package would, and runs
// what was installed.
class TestInstall : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void launcherStartsTheInstalledGuiOffscreen();
    void installedFolderServesATileRunFromOutside();

private:
    QString appFile(const QString &name) const { return m_prefix.filePath(QStringLiteral("lib/quorvantix/") + name); }

    QTemporaryDir m_prefix;
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
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start(cmake, {QStringLiteral("--install"), TestFolders::buildAppFolder() + QStringLiteral("/.."),
                          QStringLiteral("--prefix"), m_prefix.path()});
    QVERIFY2(install.waitForFinished(180000) && install.exitCode() == 0, install.readAll().constData());
}

void TestInstall::launcherStartsTheInstalledGuiOffscreen()
{
    QTemporaryDir home;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), home.path());
    environment.remove(QStringLiteral("QUORVANTIX_WORK"));
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    QProcess gui;
    gui.setProcessEnvironment(environment);
    gui.setProcessChannelMode(QProcess::ForwardedChannels);
    gui.start(m_prefix.filePath(QStringLiteral("bin/quorvantix")), {});
    QVERIFY(gui.waitForStarted());

    // The launcher makes the working folder and hands its process over to
    // the installed GUI running there, which brings up its window system.
    const QString proc = QStringLiteral("/proc/%1/").arg(gui.processId());
    QTRY_COMPARE_WITH_TIMEOUT(QFileInfo(proc + "exe").canonicalFilePath(),
                              QFileInfo(appFile(QStringLiteral("quorvantix-gui"))).canonicalFilePath(), 60000);
    QCOMPARE(QFileInfo(proc + "cwd").canonicalFilePath(), QFileInfo(home.filePath("Quorvantix")).canonicalFilePath());
    QTRY_VERIFY_WITH_TIMEOUT(TestFolders::readFile(proc + "maps").contains("libqoffscreen"), 60000);
    QCOMPARE(gui.state(), QProcess::Running);
    gui.terminate();
    QVERIFY(gui.waitForFinished(30000));
}

void TestInstall::installedFolderServesATileRunFromOutside()
{
    QTemporaryDir work;
    const QString saved = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    // The recorders and picks of the window fixture, on a window of the installed folder.
    ShownWindow shown;
    shown.window = std::make_unique<frmMain>(ui::Services{&shown.messages, &shown.pointer, &shown.shell},
                                             m_prefix.filePath(QStringLiteral("lib/quorvantix")));
    shown.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(shown.window.get()));
    shown.controls().action(QStringLiteral("mnuManual"))->trigger();
    shown.pickCountry(QStringLiteral("France"));
    shown.pickEntry(0);
    QTest::mouseClick(shown.controls().button(QStringLiteral("cmdShow")), Qt::LeftButton);
    QDir::setCurrent(saved);

    QCOMPARE(shown.messages.texts(), QStringList());
    QCOMPARE(shown.shell.documents, QStringList{appFile(QStringLiteral("Quorvantix help.pdf"))});
    QVERIFY(!shown.controls().items(QStringLiteral("TilesListBox")).isEmpty());
    for (const char *name : {"quorvantix.inp", "quorvantix.lst", "quorvantix.dat", "mvtiles.bat"}) {
        QVERIFY2(QFileInfo::exists(work.filePath(QLatin1String(name))), name);
        QVERIFY2(!QFileInfo::exists(appFile(QLatin1String(name))), name);
    }
}

QTEST_MAIN(TestInstall)
#include "tst_install.moc"
