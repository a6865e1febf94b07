// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/recentrequests.h"
#include "support/shownwindow.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSet>
#include <QSettings>
#include <QSplitter>

// The window as it opens, with a catalogue or without, its layout on small
// and common screens and the size it remembers, its tab order, the menu
// commands, the About box and View output file, with the shell's
// requests recorded instead of made.
class TestWindow : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_shown.open()); }
    void cleanup();
    void opensOnTheSampleCatalogue();
    void opensWithoutACatalogue();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void remembersItsSizeAndTheSplitter();
    void tabMovesInTheWindowsOrder_data();
    void tabMovesInTheWindowsOrder();
    void helpOpensTheDocumentOnceItExists();
    void entryFieldsAreNamedAndExplained();
    void keysRunTheirCommands_data();
    void keysRunTheirCommands();
    void aboutBoxIsModalCentredAndLinksToTheMainPage();
    void viewOutputFileOfTheWorkingFolder();
    void exitEndsTheProcess();

private:
    void trigger(const char *action) { m_shown.controls().action(QLatin1String(action))->trigger(); }

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

void TestWindow::fitsTheScreen_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("mapPercent");
    // A 1024 x 768 screen leaves about 1000 x 700 to a window.
    QTest::newRow("small screen") << QSize(1000, 700) << 45;
    QTest::newRow("1280 x 800") << QSize(1280, 800) << 50;
}

void TestWindow::fitsTheScreen()
{
    QFETCH(QSize, size);
    QFETCH(int, mapPercent);
    frmMain *window = m_shown.window.get();
    const ui::Controls c = m_shown.controls();
    const QSize least = window->minimumSize().expandedTo(window->minimumSizeHint());
    QVERIFY2(least.width() <= 1000 && least.height() <= 700,
             qPrintable(QStringLiteral("%1 x %2").arg(least.width()).arg(least.height())));
    window->resize(size);
    QTRY_COMPARE(window->size(), size);

    // The map is the main area.
    const int map = c.widget("DomainMap")->width();
    QVERIFY2(map * 100 >= mapPercent * size.width(), qPrintable(QString::number(map)));
    // The method list is as wide as its longest entry needs, and not cut by
    // the form's edge.
    QComboBox *choice = c.comboBox("cboChoice1");
    const QString longest = QStringLiteral("Center (Latitude/Longitude) with radius:");
    QVERIFY(choice->findText(longest) >= 0);
    QVERIFY(choice->sizeHint().width() > choice->fontMetrics().horizontalAdvance(longest));
    QVERIFY(choice->width() >= choice->sizeHint().width());
    QCOMPARE(choice->visibleRegion().boundingRect().width(), choice->width());
    // The form scrolls to the control the focus reaches.
    m_shown.edit("txtLonS2")->setFocus();
    QTest::keyClick(m_shown.edit("txtLonS2"), Qt::Key_Tab);
    QWidget *tiles = c.widget("TilesListBox");
    QTRY_COMPARE(QApplication::focusWidget(), tiles);
    QTRY_COMPARE(tiles->visibleRegion().boundingRect().size(), tiles->size());
}

void TestWindow::remembersItsSizeAndTheSplitter()
{
    // A size the screen has room for with the window's frame (a larger one is
    // cut to the screen, and a window system may shrink one whose frame does
    // not fit).
    const QSize frame = m_shown.window->frameGeometry().size() - m_shown.window->size();
    const QSize size = m_shown.window->screen()->availableSize() - frame - QSize(10, 10);
    auto *splitter = m_shown.controls().get<QSplitter>("MapSplitter");
    m_shown.window->resize(size);
    QTRY_COMPARE(m_shown.window->size(), size);
    splitter->setSizes({splitter->widget(0)->minimumWidth() + 40, 1});
    const QList<int> parts = splitter->sizes();
    m_shown.window->close();

    QVERIFY(m_shown.open());
    QCOMPARE(m_shown.window->size(), size);
    QCOMPARE(m_shown.controls().get<QSplitter>("MapSplitter")->sizes(), parts);
    QVERIFY(QFile::remove(RecentRequests::settingsPath()));
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

    // With the document there, Help opens it (F1 below); the build renders the
    // guide into its application folder.
    const QByteArray built = TestFolders::readFile(TestFolders::buildAppFolder() + "/Quorvantix help.pdf");
    QVERIFY(built.startsWith("%PDF-") && built.trimmed().endsWith("%%EOF"));
}

void TestWindow::entryFieldsAreNamedAndExplained()
{
    // The fields and lists of all three methods, hidden ones included.
    QStringList fields{"TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd", "txtEMRLAT01",
                       "cboEMRLAT01",     "txtEMRLON01",   "cboEMRLON01",     "txtRadius1"};
    for (const QString corner : {"1", "2"}) {
        for (const QString kind : {"Lat", "Lon"})
            fields << "txt" + kind + corner << "cbo" + kind + "LL" + corner << "txt" + kind + "D" + corner
                   << "txt" + kind + "M" + corner << "txt" + kind + "S" + corner;
    }
    QSet<QString> names;
    for (const QString &field : fields) {
        const QWidget *widget = m_shown.controls().widget(field);
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(field));
        QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(field));
        names << widget->accessibleName();
    }
    QCOMPARE(names.size(), fields.size());
    QCOMPARE(m_shown.controls().widget("txtLonM2")->accessibleName(), QStringLiteral("End longitude, minutes"));
    QCOMPARE(m_shown.controls().widget("cboEMRLAT01")->accessibleName(), QStringLiteral("Centre latitude hemisphere"));
}

void TestWindow::keysRunTheirCommands_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QStringList>("messages"); // a click on "Show tiles in domain" without a domain
    QTest::addColumn<bool>("help");
    const QStringList shown{"No domain has been selected"};
    QTest::newRow("Ctrl+Return in a coordinate")
        << int(Qt::Key_Return) << int(Qt::ControlModifier) << "txtLat1" << shown << false;
    QTest::newRow("Ctrl+Return in the tile list")
        << int(Qt::Key_Return) << int(Qt::ControlModifier) << "TilesListBox" << shown << false;
    QTest::newRow("Return alone moves on") << int(Qt::Key_Return) << 0 << "txtLat1" << QStringList() << false;
    QTest::newRow("F1 in a coordinate") << int(Qt::Key_F1) << 0 << "txtLon2" << QStringList() << true;
}

void TestWindow::keysRunTheirCommands()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, focus);
    QFETCH(QStringList, messages);
    QFETCH(bool, help);
    const QString document = m_shown.appFolder.filePath(QStringLiteral("Quorvantix help.pdf"));
    TestFolders::writeFile(document, "%PDF-1.4\n");
    m_shown.controls().widget("cmdShow")->setEnabled(true); // as once a domain was chosen
    QWidget *field = m_shown.controls().widget(focus);
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    m_shown.pointer.changes.clear();
    QTest::keyClick(field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    // Refused before anything runs: no hourglass, no complaint about the missing engine.
    QCOMPARE(m_shown.messages.texts(), messages);
    QVERIFY(m_shown.pointer.changes.isEmpty());
    for (const RecordingMessages::Shown &box : std::as_const(m_shown.messages.shown))
        QCOMPARE(box.title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(m_shown.shell.documents, help ? QStringList{document} : QStringList());
    m_shown.messages.clear();
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
        const ui::Controls inBox(box);
        const auto text = [&inBox](const char *name) { return inBox.get<QLabel>(QLatin1String(name))->text(); };
        seen = QStringList{box->objectName(), QString::number(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4),
                           text("lblVer"), text("lblCopyright").right(4)}
                   .join(u'|');
        auto *site = inBox.get<QLabel>(QStringLiteral("lblQMT_Web_Site"));
        QTest::mouseClick(site, Qt::LeftButton);
        QTest::mouseClick(site, Qt::LeftButton);
        seen += box->isVisible() ? "|open" : "|closed";
        QTest::mouseClick(inBox.button(QStringLiteral("cmdOK")), Qt::LeftButton);
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
    // The window keeps its size in the user's settings: here in a folder of its own.
    QTemporaryDir settings;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, settings.path());
    if (argc > 1 && qstrcmp(argv[1], "--exit-child") == 0) {
        ui::QtMessages messages;
        ui::QtMousePointer pointer;
        ui::QtShell shell;
        frmMain window({&messages, &pointer, &shell}, TestFolders::buildAppFolder());
        window.show();
        QTimer::singleShot(0, &window, [&window] {
            // A child without the command ends unlike the parent expects.
            if (auto *close = window.findChild<QAction *>(QStringLiteral("mnuClose")))
                close->trigger();
            else
                QCoreApplication::exit(2);
        });
        return QApplication::exec();
    }
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
