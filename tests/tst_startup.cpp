#include "app/basmodule.h"
#include "app/frmmain.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void opensOnTheSampleCatalogue();
    void opensWithoutCatalogueAfterOneMessage();
    void opensWithMalformedCatalogue();
    void secondInitKeepsEachCountryOnce();
    void controlsCarryNamesAndCaptions_data();
    void controlsCarryNamesAndCaptions();
    void tabOrderFollowsTheList();
    void windowIsCentred();

private:
    std::unique_ptr<frmMain> makeWindow();

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
};

void TestStartup::init()
{
    m_messages.clear();
    QFile::remove(m_appFolder.filePath(QStringLiteral("tiles.cfg")));
}

std::unique_ptr<frmMain> TestStartup::makeWindow()
{
    return std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
}

void TestStartup::opensOnTheSampleCatalogue()
{
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    auto window = makeWindow();
    ui::Controls &c = window->controls();

    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text(QStringLiteral("ConfigDate")), QStringLiteral("19 April 2011"));
    QCOMPARE(basModule::ConfigFileDate, QDate(2011, 4, 19));
    QCOMPARE(basModule::VersionDate, QStringLiteral("04_19_2011"));
    QCOMPARE(basModule::SelectionMethod, qint16(1));
    QCOMPARE(window->state().SelectedDomain, QStringLiteral("-1"));

    const QStringList countries = c.items(QStringLiteral("CountriesListBox"));
    QCOMPARE(countries.first(), QStringLiteral("France"));
    QVERIFY(countries.contains(QStringLiteral("Greenland")));
    QCOMPARE(countries.count(QStringLiteral("Canada")), 1);
    // The last distinct country of the catalogue is offered too.
    QCOMPARE(countries.last(), window->state().tables.CountryNames.last());
    QCOMPARE(c.selectedIndex(QStringLiteral("CountriesListBox")), -1);
    QCOMPARE(window->state().tables.CountryDomains.size(), countries.size());
    // Countries match by substring: Niger is offered Nigeria's domain 16 too.
    QCOMPARE(window->state().tables.CountryDomains.at(countries.indexOf(QStringLiteral("Niger"))),
             QStringLiteral("14,15,16"));
    QCOMPARE(window->state().tables.CountryDomains.at(countries.indexOf(QStringLiteral("Nigeria"))),
             QStringLiteral("14,16"));

    QCOMPARE(c.text(QStringLiteral("cboChoice1")), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(c.isVisibleFlag(QStringLiteral("Geodetic1")));
    QVERIFY(c.isVisibleFlag(QStringLiteral("Geodetic2")));
    QVERIFY(!c.isEnabled(QStringLiteral("ShowFileButton")));
    QVERIFY(!c.isEnabled(QStringLiteral("cmdShow")));
    QVERIFY(!c.isEnabled(QStringLiteral("DownloadMapButton")));
    for (const char *name : {"label11", "Label9"})
        QCOMPARE(c.text(QLatin1String(name)), QStringLiteral("From"));
    for (const char *name : {"Label8", "Label10"})
        QCOMPARE(c.text(QLatin1String(name)), QStringLiteral("To"));
    QCOMPARE(c.items(QStringLiteral("cboLatLL1")), (QStringList{"N", "S"}));
    QCOMPARE(c.items(QStringLiteral("cboEMRLON01")), (QStringList{"E", "W"}));
    QCOMPARE(c.text(QStringLiteral("cboLonLL2")), QStringLiteral("E"));
}

void TestStartup::opensWithoutCatalogueAfterOneMessage()
{
    auto window = makeWindow();
    ui::Controls &c = window->controls();
    QCOMPARE(m_messages.shown.size(), 1);
    QCOMPARE(m_messages.shown.first().text,
             QStringLiteral("The file tiles.cfg required by the Quorvantix interface is missing, "
                            "please download it from the QMT website"));
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Quorvantix GUI"));
    QCOMPARE(c.itemCount(QStringLiteral("CountriesListBox")), 0);
    QCOMPARE(c.text(QStringLiteral("ConfigDate")), QStringLiteral("--- --- ---"));
    QVERIFY(!basModule::ConfigFileDate.isValid());
    QCOMPARE(window->state().SelectedDomain, QString());
    QVERIFY(c.isEnabled(QStringLiteral("ShowFileButton")));
    QCOMPARE(c.text(QStringLiteral("cboChoice1")), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(c.isVisibleFlag(QStringLiteral("Geodetic1")));
}

void TestStartup::opensWithMalformedCatalogue()
{
    // Readable date, then a word where the skip count belongs.
    TestFolders::writeFile(m_appFolder.filePath(QStringLiteral("tiles.cfg")),
                           TestFolders::crlf({"Date: 20090605", "three", "x"}));
    auto window = makeWindow();
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY(m_messages.shown.first().text.startsWith(QStringLiteral("Config file not valid")));
    QCOMPARE(window->controls().text(QStringLiteral("ConfigDate")), QStringLiteral("5 June 2009"));
    QCOMPARE(window->controls().itemCount(QStringLiteral("CountriesListBox")), 0);
    QVERIFY(!window->state().tables.ConfigLoaded);
}

void TestStartup::secondInitKeepsEachCountryOnce()
{
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    auto window = makeWindow();
    const QStringList first = window->controls().items(QStringLiteral("CountriesListBox"));
    window->state().SelectedDomain = QStringLiteral("7");
    window->controls().setEnabled(QStringLiteral("ShowFileButton"), true);
    window->InitMainForm();
    QCOMPARE(window->controls().items(QStringLiteral("CountriesListBox")), first);
    QCOMPARE(window->state().tables.CountryDomains.size(), first.size());
    QCOMPARE(window->state().SelectedDomain, QStringLiteral("-1"));
    QVERIFY(!window->controls().isEnabled(QStringLiteral("ShowFileButton")));
}

void TestStartup::controlsCarryNamesAndCaptions_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    const QList<QPair<const char *, const char *>> rows = {
        {"Frame2", "Specify domain information"}, {"Label5", "Enter a country from your domain:"},
        {"Label17", "Available domains for the selected country:"}, {"DownloadMapButton", "Show map for domain"},
        {"DomainInfoFrame", "Selected domain limits"}, {"Label23", "Select type of coordinates:"},
        {"Geodetic1", "LL (degrees) Start"}, {"Geodetic2", "LL (degrees) End"}, {"Indices", "(I, J)"},
        {"RangeD", ""}, {"txtLatD1", "45"}, {"txtLatM1", "00"}, {"txtLatS1", "0.00"}, {"txtLonD1", "95"},
        {"txtLonM2", "00"}, {"txtLonS2", "0.00"}, {"lblLatD", "dd"}, {"lblLonD", "ddd"}, {"lblLatS", "ss.ss"},
        {"Label15", "ddd"}, {"Label20", "dd"}, {"Label4", "ss.ss"}, {"Label2", "Latitude:"}, {"Label22", "Longitude:"},
        {"TextIndexiStart", "0"}, {"TextIndexjEnd", "0"}, {"Label6", "Index I from"}, {"Label13", "To"},
        {"Label55", "Center coordinates (degrees):"}, {"Label50", "Radius (km):"},
        {"Frame1", "Configuration file information"}, {"Label24", "Check for update on "},
        {"Label42", "Configuration file date:"}, {"cmdShow", "Show tiles in domain"},
        {"Label1", "Number of tiles needed for the selected domain:"}, {"TilesCountLabel", "---"},
        {"WarningLabel", ""}, {"ShowFileButton", "View output file"}, {"txtLat1", ""}, {"txtRadius1", ""}};
    for (const auto &[name, text] : rows)
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(text);
}

void TestStartup::controlsCarryNamesAndCaptions()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    auto window = makeWindow();
    QCOMPARE(window->controls().text(name), text);
}

void TestStartup::tabOrderFollowsTheList()
{
    auto window = makeWindow();
    const QStringList expected = {"CountriesListBox", "DomainsAvailableBox", "DownloadMapButton", "cboChoice1",
                                  "txtLat1", "cboLatLL1", "txtLat2", "cboLatLL2", "txtLon1", "cboLonLL1",
                                  "txtLon2", "cboLonLL2", "cmdShow", "TextIndexiStart", "TextIndexiEnd",
                                  "TextIndexjStart", "TextIndexjEnd", "txtRadius1", "txtEMRLAT01",
                                  "cboEMRLAT01", "txtEMRLON01", "cboEMRLON01", "ShowFileButton",
                                  "txtLatD1", "txtLatM1", "txtLatS1", "txtLonD1", "txtLonM1", "txtLonS1",
                                  "txtLatD2", "txtLatM2", "txtLatS2", "txtLonD2", "txtLonM2", "txtLonS2"};
    QWidget *w = window->controls().widget(expected.first());
    for (qsizetype i = 1; i < expected.size(); ++i) {
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
        QCOMPARE(w->objectName(), expected.at(i));
    }
}

void TestStartup::windowIsCentred()
{
    auto window = makeWindow();
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    QVERIFY(qAbs(frame.center().x() - screen.center().x()) <= 1);
    QVERIFY(qAbs(frame.center().y() - screen.center().y()) <= 1);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
