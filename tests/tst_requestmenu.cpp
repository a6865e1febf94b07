// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilelines.h"
#include "run/recentrequests.h"
#include "support/shownwindow.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QSettings>
#include <QTimer>

#include <thread>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

// Copy request, Save request as, Open request and Recent requests on the real
// window with the stand-in engine, the settings kept in a temporary folder.
class TestRequestMenu : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void recentRequestAfterRestart();
    void saveOpenAndCopyRequest();
    void oddFiles_data();
    void oddFiles();

private:
    void enter(int method, const Entries &entries);
    QByteArray run();
    // Every field and drop-down list with its text, and the domain chosen.
    QStringList snapshot() const;
    QMenu *recentMenu() const;
    // Triggers the action and answers its file dialog with the path.
    void triggerWithFile(const char *action, const QString &path) const;

    QTemporaryDir m_settings;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestRequestMenu::initTestCase()
{
    // The file dialogs are answered by typing into Qt's own; the system's
    // (Windows has one) takes no typing from the test.
    QCoreApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path());
    QVERIFY(QFile::copy(TestFolders::buildAppFolder() + "/Quorvantix.exe", appFolder.filePath("Quorvantix.exe")));
}

void TestRequestMenu::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir::setCurrent(m_work->path()));
    QVERIFY(open());
}

void TestRequestMenu::cleanup()
{
    window.reset();
    QDir::setCurrent(QDir::tempPath());
    QFile::remove(RecentRequests::settingsPath());
}

// France, domain 7 of 2001, the method and the entries, all typed; the
// domain's hemispheres (41 N 5.25 W to 51.5 N 9.75 E) stay as they are.
void TestRequestMenu::enter(int method, const Entries &entries)
{
    pickFranceDomain7();
    pickMethod(method - 1);
    for (const auto &[name, value] : entries) {
        edit(name)->selectAll();
        QTest::keyClicks(edit(name), value);
    }
}

// Show tiles in domain; the control file it wrote.
QByteArray TestRequestMenu::run()
{
    QFile::remove("quorvantix.inp");
    QTest::mouseClick(controls().button("cmdShow"), Qt::LeftButton);
    return TestFolders::readFile("quorvantix.inp");
}

QStringList TestRequestMenu::snapshot() const
{
    QStringList texts;
    for (const QWidget *field : window->findChildren<QWidget *>()) {
        if (qobject_cast<const QLineEdit *>(field) || qobject_cast<const QComboBox *>(field))
            texts << field->objectName() + u'=' + controls().text(field->objectName());
    }
    return texts << controls().text("DomainsAvailableBox");
}

QMenu *TestRequestMenu::recentMenu() const
{
    auto *menu = controls().get<QMenu>("mnuRecentRequests");
    emit menu->aboutToShow();
    return menu;
}

void TestRequestMenu::triggerWithFile(const char *action, const QString &path) const
{
    QTimer answer;
    bool typed = false;
    QObject::connect(&answer, &QTimer::timeout, &answer, [&typed, path] {
        QWidget *modal = QApplication::activeModalWidget();
        // Typed into the dialog's file name box, as a user can, and accepted
        // once this timer is free to answer Yes to the dialog's own question
        // whether to replace a file that is there.
        if (auto *dialog = qobject_cast<QFileDialog *>(modal); dialog && !typed) {
            typed = true;
            ui::Controls(dialog).lineEdit("fileNameEdit")->setText(path);
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        } else if (auto *question = qobject_cast<QMessageBox *>(modal)) {
            question->button(QMessageBox::Yes)->click();
        }
    });
    answer.start(20);
    controls().action(action)->trigger();
}

// Run, then reopened: the request is offered in Recent requests, beside one
// whose domain a later catalogue dropped, and restored as it was.
void TestRequestMenu::recentRequestAfterRestart()
{
    enter(2, entries("TextIndexiStart=10;TextIndexiEnd=40;TextIndexjStart=5;TextIndexjEnd=25"));
    const QByteArray written = run();
    const QStringList shown = snapshot();
    RecentRequests::remember(*RecentRequests::openSettings(),
                             TileRequest{"France", "7", "1999", CoordinateMethod::Indices, {"1", "2", "3", "4"}});

    QVERIFY(open());
    QCOMPARE(controls().comboBox("CountriesListBox")->currentIndex(), -1);
    const QList<QAction *> offered = recentMenu()->actions();
    QCOMPARE(offered.size(), 2);
    QVERIFY(!offered[0]->isEnabled() && offered[1]->isEnabled());
    QCOMPARE(offered[0]->toolTip(), "The catalogue no longer offers domain 7 of the year 1999 for France.");
    QCOMPARE(offered[1]->text(), "France, domain 7, 2001: I 10-40, J 5-25");
    offered[1]->trigger();
    QCOMPARE(snapshot(), shown);
    QCOMPARE(run(), written);
    QCOMPARE(messages.texts(), QStringList());
}

// Copy request, then Save request as: the file saved is the one a run writes
// and the one copied; opened in a new window, the request runs as it was.
void TestRequestMenu::saveOpenAndCopyRequest()
{
    const QString saved = m_work->filePath("saved request.inp");
    enter(1, entries("txtLat1=45;txtLon1=1.5;txtLat2=47.25;txtLon2=3"));
    QTest::keyClick(window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = QApplication::clipboard()->text();
    triggerWithFile("mnuSaveRequestAs", saved);
    QVERIFY(!QFile::exists("quorvantix.inp"));
    const QByteArray bytes = TestFolders::readFile(saved);
    QCOMPARE(run(), bytes);
    // The words, then the very control file, with LF line ends.
    QCOMPARE(copied, "Country: France\n"
                     "Domain 7, year 2001, resolution 12 km\n"
                     "Method: Geodetic (Latitude/Longitude)\n"
                     "Start: 45 N, 1.5 W\n"
                     "End: 47.25 N, 3 E\n\n"
                         + QString::fromLatin1(bytes).remove(u'\r'));

    QVERIFY(open());
    triggerWithFile("mnuOpenRequest", saved);
    QCOMPARE(run(), bytes);
    // Refused as a run would refuse it, and nothing copied.
    QApplication::clipboard()->clear();
    controls().setText("txtLon2", QString());
    controls().action("mnuCopyRequest")->trigger();
    QCOMPARE(messages.texts(), QStringList{"Please provide all the requested latitudes/longitudes."});
    QCOMPARE(QApplication::clipboard()->text(), QString());
}

void TestRequestMenu::oddFiles_data()
{
    // The request file is acted on by Open or Save; the settings file by the
    // Recent requests menu or a run, which remembers the request.
    QTest::addColumn<QString>("act");     // "open", "save", "recent" or "run"
    QTest::addColumn<QByteArray>("odd");  // what stands at the path: "pipe", "device link" or the file's bytes
    QTest::addColumn<QString>("message"); // the one message, "%1" the path; empty: none

    const auto row = [](const char *tag, const char *act, const QByteArray &odd, const QString &message) {
        QTest::newRow(tag) << QString(act) << odd << message;
    };
    QStringList longComment = ControlFileLines("7", "2001", CoordinateMethod::CentreRadius, {0, 47.25, 3, 75, 0});
    longComment[6] += QString(100 * 1024, u'x');
    const QString unreadable = QStringLiteral("Unable to read the file %1: ");
    const QString unwritable = QStringLiteral("Unable to write the control file %1: ");
    const QString settings = QStringLiteral("The settings file %1 cannot be used: Is a named pipe, not a file.");
    row("request is a named pipe", "open", "pipe", unreadable + "Is a named pipe, not a file");
    row("request over 1 MB", "open", QByteArray(1024 * 1024 + 1, ' '), unreadable + "Is larger than 1 MB");
    // The line quoted in part, its NULs as blanks: a box of a few lines.
    row("request of NULs", "open", QByteArray(200 * 1024, '\0'),
        "The file %1 is not a control file of this program.\n\nLine 1 does not read: it should read \"Select a "
        "range for decode packed MM5 tiles\".\n\""
            + QString(80, u' ') + "...\"");
    row("request with a long comment", "open", TestFolders::crlf(longComment), {});
    row("settings file is a named pipe, menu", "recent", "pipe", settings);
    row("settings file is a named pipe, run", "run", "pipe", settings);
    // Only the one entry present is read, not two billion.
    row("huge stored count", "recent",
        "[RecentRequests]\n1\\country=France\n1\\region=7\n1\\year=2001\n1\\method=3\n"
        "1\\entries=46.5, N, 2, E, 50\nsize=2000000000\n",
        {});
    row("save onto a named pipe", "save", "pipe", unwritable + "Is a named pipe, not a file");
    row("save onto a link to a device", "save", "device link", unwritable + "Is a device, not a file");
}

// Each ends at once with its one message, and what stood at the path is still there.
void TestRequestMenu::oddFiles()
{
#ifndef Q_OS_UNIX
    QSKIP("Named pipes and device files are made here the Unix way.");
#else
    QFETCH(QString, act);
    QFETCH(QByteArray, odd);
    QFETCH(QString, message);

    const QString path = act == "open" || act == "save" ? m_work->filePath("odd.inp") : RecentRequests::settingsPath();
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    if (odd == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (odd == "device link") {
        // A device of its own (the null device's numbers) when the system allows,
        // otherwise the null device itself, which only an administrator could replace.
        const QString own = m_work->filePath("device");
        const bool made = ::mknod(QFile::encodeName(own).constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        QVERIFY(QFile::link(made ? own : "/dev/null", path));
    } else {
        TestFolders::writeFile(path, odd);
    }
    // Opens the writing end of a named pipe after three seconds and closes it, so
    // that a read waiting on the pipe ends with nothing rather than for ever.
    const std::jthread release([name = QFile::encodeName(path)](std::stop_token stop) {
        for (int waited = 0; !stop.stop_requested(); waited += 10) {
            const int end = waited < 3000 ? -1 : ::open(name.constData(), O_WRONLY | O_NONBLOCK);
            if (end >= 0)
                ::close(end);
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    });

    enter(3, entries("txtEMRLAT01=46.5;txtEMRLON01=2;txtRadius1=50"));
    const QStringList before = snapshot();
    QElapsedTimer elapsed;
    elapsed.start();
    QStringList tip; // of the menu's one entry when disabled
    if (act == "run") {
        run();
        QVERIFY(controls().listWidget("TilesListBox")->count() > 0);
    } else if (act == "recent") {
        const QList<QAction *> offered = recentMenu()->actions();
        QCOMPARE(offered.size(), 1);
        if (!offered.first()->isEnabled())
            tip << offered.first()->toolTip();
    } else {
        triggerWithFile(act == "open" ? "mnuOpenRequest" : "mnuSaveRequestAs", path);
    }
    QVERIFY2(elapsed.elapsed() < 2000, qPrintable(QString::number(elapsed.elapsed())));
    QCOMPARE(messages.texts() + tip,
             message.isEmpty() ? QStringList() : QStringList{message.arg(QDir::toNativeSeparators(path))});

    if (act == "open" && message.isEmpty()) // the long comment, read
        QCOMPARE(controls().texts({"txtEMRLAT01", "txtRadius1"}), QStringList({"47.25", "75"}));
    else if (act != "run")
        QCOMPARE(snapshot(), before);
    // The pipe, or the link to the device, is still there: no file in its place.
    if (odd == "pipe" || odd == "device link")
        QVERIFY(QFileInfo::exists(path) && !QFileInfo(path).isFile());
#endif
}

QTEST_MAIN(TestRequestMenu)
#include "tst_requestmenu.moc"
