#include "app/basmodule.h"
#include "app/frmmain.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>

namespace {

// The window frame is known only once the box is shown, after it was
// centred: allow for its width.
bool isCentred(const QWidget *box)
{
    const QPoint offset = box->frameGeometry().center() - box->screen()->geometry().center();
    return qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4;
}

// A click as the window system delivers it, so a window blocked by a modal
// box does not get it.
void clickThroughWindow(QWidget *widget)
{
    QWidget *window = widget->window();
    QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, widget->mapTo(window, widget->rect().center()));
}

} // namespace

class TestAbout : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void opensModalCentredWithVersionAndNotice();
    void closeBoxClosesItToo();
    void eachOpeningLoadsAfresh();
    void webSiteLabelOpensTheMainPage();

private:
    // Opens the About box from the menu and runs inspect on it while it is
    // open; returns whether the box was still open after inspect.
    bool withAboutBox(const std::function<void(QDialog *)> &inspect);

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestAbout::init()
{
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_shell = RecordingShell();
    m_messages.clear();
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
}

void TestAbout::cleanup()
{
    m_window.reset();
    QFile::remove(m_appFolder.filePath(QStringLiteral("tiles.cfg")));
}

bool TestAbout::withAboutBox(const std::function<void(QDialog *)> &inspect)
{
    bool inspected = false;
    bool stillOpen = false;
    std::function<void()> poll;
    poll = [&] {
        auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        if (!box) {
            QTimer::singleShot(10, poll);
            return;
        }
        inspect(box);
        inspected = true;
        stillOpen = box->isVisible();
        if (stillOpen)
            box->reject(); // never leave the test hanging in exec()
    };
    QTimer::singleShot(0, poll);
    m_window->findChild<QAction *>(QStringLiteral("mnuAbout"))->trigger();
    // trigger() returns once the modal box has closed.
    [&] { QVERIFY(inspected); }();
    return stillOpen;
}

void TestAbout::opensModalCentredWithVersionAndNotice()
{
    const int yearBefore = QDate::currentDate().year();
    QString version, notice, title, desc, desc2, updates, site, maker;
    bool modal = false, hasLogo = false, centred = false;
    QAbstractButton *mainButton = m_window->controls().button(QStringLiteral("ShowFileButton"));
    mainButton->setEnabled(true);
    QSignalSpy mainClicks(mainButton, &QAbstractButton::clicked);
    const bool stillOpen = withAboutBox([&](QDialog *box) {
        title = box->windowTitle();
        modal = box->isModal() && box->objectName() == QLatin1String("frmAbout");
        centred = isCentred(box);
        const auto text = [box](const char *name) {
            QLabel *label = box->findChild<QLabel *>(QLatin1String(name));
            return label ? label->text() : QStringLiteral("<missing %1>").arg(QLatin1String(name));
        };
        version = text("lblVer");
        notice = text("lblCopyright");
        desc = text("lblDesc");
        desc2 = text("lblDesc2");
        updates = text("Label8");
        site = text("lblQMT_Web_Site");
        for (const char *name : {"Label1", "Label2", "Label3", "Label5", "Label6", "Label7"})
            maker += text(name).isEmpty() ? QStringLiteral("<empty>") : text(name) + u'|';
        QLabel *logo = box->findChild<QLabel *>(QStringLiteral("imgLogo"));
        hasLogo = logo && !logo->pixmap().isNull();
        // A click on the main window goes nowhere while the box is up.
        clickThroughWindow(mainButton);
        QTest::mouseClick(box->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    });
    const int yearAfter = QDate::currentDate().year();

    QVERIFY(modal);
    // OK closed the box, and it is gone.
    QVERIFY(!stillOpen);
    QVERIFY(m_window->findChildren<QDialog *>().isEmpty());
    QCOMPARE(mainClicks.count(), 0);
    clickThroughWindow(mainButton);
    QCOMPARE(mainClicks.count(), 1);
    QVERIFY(centred);
    QCOMPARE(title, QStringLiteral("About "));
    QCOMPARE(desc, QStringLiteral("QUORVANTIX"));
    QCOMPARE(desc2, QStringLiteral(" Graphical User Interface"));
    QCOMPARE(version, QStringLiteral("1.7.04_19_2011"));
    QVERIFY2(notice.endsWith(QString::number(yearBefore)) || notice.endsWith(QString::number(yearAfter)),
             qPrintable(notice));
    QVERIFY(!notice.contains(u'\n'));
    QCOMPARE(updates, QStringLiteral("For updates, please visit"));
    QCOMPARE(site, QStringLiteral("www.qmt.example"));
    QVERIFY2(!maker.contains(QLatin1String("<")), qPrintable(maker));
    QVERIFY(hasLogo);
    QCOMPARE(m_messages.texts(), QStringList());
}

void TestAbout::closeBoxClosesItToo()
{
    const bool stillOpen = withAboutBox([](QDialog *box) { box->close(); });
    QVERIFY(!stillOpen);
    QVERIFY(m_window->findChildren<QDialog *>().isEmpty());
}

void TestAbout::eachOpeningLoadsAfresh()
{
    QString first, second;
    withAboutBox([&](QDialog *box) {
        first = box->findChild<QLabel *>(QStringLiteral("lblVer"))->text();
        // Move the box away: the next opening must centre it again.
        box->move(0, 0);
        box->accept();
    });
    const QString saved = basModule::VersionDate;
    basModule::VersionDate = QStringLiteral("12_31_2012");
    bool centred = false;
    withAboutBox([&](QDialog *box) {
        second = box->findChild<QLabel *>(QStringLiteral("lblVer"))->text();
        centred = isCentred(box);
        box->accept();
    });
    basModule::VersionDate = saved;
    QCOMPARE(first, QStringLiteral("1.7.04_19_2011"));
    QCOMPARE(second, QStringLiteral("1.7.12_31_2012"));
    QVERIFY(centred);
}

void TestAbout::webSiteLabelOpensTheMainPage()
{
    const int clicks = 2; // each click is a request of its own
    const bool stillOpen = withAboutBox([&](QDialog *box) {
        QLabel *site = box->findChild<QLabel *>(QStringLiteral("lblQMT_Web_Site"));
        for (int i = 0; i < clicks; ++i)
            QTest::mouseClick(site, Qt::LeftButton);
        // A right click is no click on the link.
        QTest::mouseClick(site, Qt::RightButton);
    });
    // The link leaves the box open.
    QVERIFY(stillOpen);
    QCOMPARE(m_shell.urls, QStringList(clicks, QStringLiteral("https://www.qmt.example/mm5/MM5_Main_Page.html")));
    QCOMPARE(m_messages.texts(), QStringList());
}

QTEST_MAIN(TestAbout)
#include "tst_about.moc"
