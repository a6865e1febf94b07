// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/recentrequests.h"
#include "support/shownwindow.h"
#include "ui/qtmessages.h"
#include "ui/qtmousepointer.h"
#include "ui/qtshell.h"

#include <QDialog>
#include <QLabel>
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
    void opens_data();
    void opens();
    void fitsTheScreen_data();
    void fitsTheScreen();
    void remembersItsSizeAndTheSplitter();
    void tabMovesInTheWindowsOrder_data();
    void tabMovesInTheWindowsOrder();
    void keysRunTheirCommands_data();
    void keysRunTheirCommands();
    void aboutBoxIsModalCentredAndLinksToTheMainPage();
    void viewOutputFileOfTheWorkingFolder();
    void exitEndsTheProcess();

private:
    ShownWindow m_shown;
};

void TestWindow::cleanup()
{
    m_shown.window.reset();
    m_shown.shell = RecordingShell();
    // None of these commands has anything to say.
    QCOMPARE(m_shown.messages.texts(), QStringList());
}

void TestWindow::opens_data()
{
    QTest::addColumn<bool>("catalogue");
    QTest::newRow("on the sample catalogue") << true;
    QTest::newRow("without a catalogue") << false;
}

void TestWindow::opens()
{
    QFETCH(bool, catalogue);
    if (!catalogue)
        QFile::remove(m_shown.appFolder.filePath("tiles.cfg"));
    RecordingMessages messages;
    frmMain window(ui::Services{&messages, &m_shown.pointer, &m_shown.shell}, m_shown.appFolder.path());
    const ui::Controls c(&window);
    QCOMPARE(messages.texts(), catalogue ? QStringList()
                                         : QStringList{"The file tiles.cfg required by the Quorvantix interface is "
                                                       "missing, please download it from the QMT website"});
    QCOMPARE(messages.shown.value(0).icon, catalogue ? ui::MessageIcon::None : ui::MessageIcon::Critical);
    QCOMPARE(window.windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text("ConfigDate"), catalogue ? QStringLiteral("19 April 2011") : QStringLiteral("--- --- ---"));
    const QPoint offset = window.frameGeometry().center() - window.screen()->geometry().center();
    QVERIFY(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1);
    // Every control carries its name and caption, catalogue or not.
    const Entries captions = entries("Label17=Available domains for the selected country:;"
                                     "DownloadMapButton=Show map for domain;Geodetic1=LL (degrees) Start;"
                                     "Indices=(I, J);txtLatD2=45;txtLonS2=0.00;Label24=Check for update on ;"
                                     "cmdShow=Show tiles in domain;TilesCountLabel=---;"
                                     "cboChoice1=Geodetic (Latitude/Longitude):");
    for (const auto &[name, caption] : captions)
        QCOMPARE(c.text(name), caption);
    // The fields and lists of all three methods, hidden ones included, each
    // with a name of its own for a screen reader and a tooltip.
    const QWidgetList fields = window.findChildren<QWidget *>(
        QRegularExpression(QStringLiteral("^(txt|TextIndex|cbo(Lat|Lon|EMR))")));
    QCOMPARE(fields.size(), 29);
    QSet<QString> names;
    for (const QWidget *widget : fields) {
        QVERIFY2(!widget->accessibleName().isEmpty() && !widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        names << widget->accessibleName();
    }
    QCOMPARE(names.size(), fields.size());
    QCOMPARE(c.widget("txtLonM2")->accessibleName(), QStringLiteral("End longitude, minutes"));
    QCOMPARE(c.widget("cboEMRLAT01")->accessibleName(), QStringLiteral("Centre latitude hemisphere"));
    // Every distinct country once, the last one of the catalogue included,
    // none chosen yet.
    QCOMPARE(c.items("CountriesListBox").count("Canada"), catalogue ? 1 : 0);
    QCOMPARE(c.comboBox("CountriesListBox")->currentIndex(), -1);

    QVERIFY(!c.widget("Geodetic1")->isHidden() && !c.widget("Geodetic2")->isHidden()
            && c.widget("Indices")->isHidden());
    QVERIFY(!c.widget("cmdShow")->isEnabled() && !c.widget("DownloadMapButton")->isEnabled());
    // Only a start-up that reads the catalogue turns View output file off.
    QCOMPARE(c.widget("ShowFileButton")->isEnabled(), !catalogue);
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
    const QSize least = m_shown.window->minimumSize().expandedTo(m_shown.window->minimumSizeHint());
    QCOMPARE(least.boundedTo(QSize(1000, 700)), least);
    m_shown.window->resize(size);
    QTRY_COMPARE(m_shown.window->size(), size);

    // The map is the main area.
    const int map = m_shown.controls().widget("DomainMap")->width();
    QVERIFY2(map * 100 >= mapPercent * size.width(), qPrintable(QString::number(map)));
    // The method list is as wide as its longest entry needs, and not cut by
    // the form's edge.
    QComboBox *choice = m_shown.controls().comboBox("cboChoice1");
    for (const QString &method : m_shown.controls().items("cboChoice1"))
        QVERIFY(choice->sizeHint().width() > choice->fontMetrics().horizontalAdvance(method));
    QVERIFY(choice->width() >= choice->sizeHint().width());
    QCOMPARE(choice->visibleRegion().boundingRect().width(), choice->width());
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

// On a small screen, where the form scrolls to the control the focus reaches.
void TestWindow::tabMovesInTheWindowsOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    m_shown.window->resize(1000, 700);
    QTRY_COMPARE(m_shown.window->size(), QSize(1000, 700));
    QWidget *start = m_shown.controls().widget(from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), to);
    QWidget *reached = QApplication::focusWidget();
    QTRY_COMPARE(reached->visibleRegion().boundingRect().size(), reached->size());
}

void TestWindow::keysRunTheirCommands_data()
{
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<bool>("document"); // whether the help document is there
    QTest::newRow("Ctrl+Return in a coordinate") << QKeySequence("Ctrl+Return") << "txtLat1" << true;
    QTest::newRow("Ctrl+Return in the tile list") << QKeySequence("Ctrl+Return") << "TilesListBox" << true;
    QTest::newRow("Return alone moves on") << QKeySequence("Return") << "txtLat1" << true;
    QTest::newRow("F1 in a coordinate") << QKeySequence("F1") << "txtLon2" << true;
    // Without the document Help does nothing visible, and the window goes on.
    QTest::newRow("F1 without the document") << QKeySequence("F1") << "txtLon2" << false;
}

void TestWindow::keysRunTheirCommands()
{
    QFETCH(QKeySequence, keys);
    QFETCH(QString, focus);
    QFETCH(bool, document);
    const QString help = m_shown.appFolder.filePath(QStringLiteral("Quorvantix help.pdf"));
    QFile::remove(help);
    if (document)
        TestFolders::writeFile(help, "%PDF-1.4\n");
    m_shown.controls().widget("cmdShow")->setEnabled(true); // as once a domain was chosen
    QWidget *field = m_shown.controls().widget(focus);
    field->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), field);
    m_shown.pointer.changes.clear();
    QTest::keySequence(field, keys);
    // Ctrl+Return is a click on "Show tiles in domain", here without a domain:
    // refused before anything runs, with no hourglass and no complaint about
    // the missing engine.
    const bool show = keys == QKeySequence("Ctrl+Return");
    QCOMPARE(m_shown.messages.texts(), show ? QStringList{"No domain has been selected"} : QStringList());
    QCOMPARE(m_shown.messages.shown.value(0).title, show ? QStringLiteral("Quorvantix GUI") : QString());
    QVERIFY(m_shown.pointer.changes.isEmpty());
    QCOMPARE(m_shown.shell.documents, keys == QKeySequence("F1") && document ? QStringList{help} : QStringList());
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    QVERIFY(m_shown.window->isVisible());
    m_shown.messages.clear();
}

void TestWindow::aboutBoxIsModalCentredAndLinksToTheMainPage()
{
    const QString yearBefore = QString::number(QDate::currentDate().year());
    QStringList seen;
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
        seen << box->objectName() << QString::number(qAbs(offset.x()) <= 4 && qAbs(offset.y()) <= 4)
             << inBox.text("lblVer") << inBox.text("lblCopyright").right(4);
        for (int click = 0; click < 2; ++click)
            QTest::mouseClick(inBox.get<QLabel>(QStringLiteral("lblQMT_Web_Site")), Qt::LeftButton);
        seen << (box->isVisible() ? "open" : "closed");
        QTest::mouseClick(inBox.button(QStringLiteral("cmdOK")), Qt::LeftButton);
        seen << (box->isVisible() ? "open" : "closed");
        box->reject(); // never leave the test waiting in exec()
    });
    poll.start(10);
    m_shown.window->move(0, 0); // the box is centred on the screen, not over its parent
    m_shown.controls().action(QStringLiteral("mnuAbout"))->trigger(); // returns once the modal box has closed

    // The copyright's year is this one, or the one before if the year turned meanwhile.
    const QString year = QString::number(QDate::currentDate().year());
    QCOMPARE(seen.replaceInStrings(yearBefore, year),
             (QStringList{"frmAbout", "1", "1.7.04_19_2011", year, "open", "closed"}));
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
    const QString opened = "C:\\Windows\\notepad.exe quorvantix.dat | " + work.path();
#else
    const QString opened = QDir(work.path()).filePath(QStringLiteral("quorvantix.dat"));
#endif
    // A program started, or else a document opened.
    QCOMPARE(m_shown.shell.programs + m_shown.shell.documents, QStringList{opened});
}

// The program as built: the help document rendered into its application
// folder, and File, Exit ending it.
void TestWindow::exitEndsTheProcess()
{
    const QByteArray help = TestFolders::readFile(TestFolders::buildAppFolder() + "/Quorvantix help.pdf");
    QVERIFY(help.startsWith("%PDF-") && help.trimmed().endsWith("%%EOF"));
    // This program once more as the GUI with the real message boxes, choosing
    // File, Exit: a question or message would keep it waiting.
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedChannels);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--exit-child")});
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
        // A child without the command ends unlike the parent expects.
        QTimer::singleShot(0, &window, [&window] {
            QAction *close = window.findChild<QAction *>(QStringLiteral("mnuClose"));
            close ? close->trigger() : QCoreApplication::exit(2);
        });
        return QApplication::exec();
    }
    TestWindow test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window.moc"
