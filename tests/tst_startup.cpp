#include "support/shownwindow.h"

#include <QApplication>
#include <QScreen>

class TestStartup : public QObject
{
    Q_OBJECT

private slots:
    void opensOnTheSampleCatalogue();
    void opensWithoutACatalogue();
    void tabMovesInTheWindowsOrder_data();
    void tabMovesInTheWindowsOrder();

private:
    ShownWindow m_shown;
};

void TestStartup::opensOnTheSampleCatalogue()
{
    QVERIFY(m_shown.open());
    frmMain *window = m_shown.window.get();
    const ui::Controls c = m_shown.controls();
    QCOMPARE(m_shown.messages.texts(), QStringList());
    QCOMPARE(window->windowTitle(), QStringLiteral("Quorvantix"));
    QCOMPARE(c.text("ConfigDate"), QStringLiteral("19 April 2011"));

    // Every distinct country once, the last one of the catalogue included,
    // none chosen yet.
    const QStringList countries = c.items("CountriesListBox");
    QCOMPARE(countries.count("Canada"), 1);
    QCOMPARE(c.comboBox("CountriesListBox")->currentIndex(), -1);

    QCOMPARE(c.text("cboChoice1"), QStringLiteral("Geodetic (Latitude/Longitude):"));
    QVERIFY(!c.widget("Geodetic1")->isHidden() && !c.widget("Geodetic2")->isHidden() && c.widget("Indices")->isHidden());
    QVERIFY(!c.widget("ShowFileButton")->isEnabled() && !c.widget("cmdShow")->isEnabled() && !c.widget("DownloadMapButton")->isEnabled());

    // Reading again rebuilds the list instead of adding to it, and each
    // country still offers its domains.
    window->InitMainForm();
    QCOMPARE(c.items("CountriesListBox"), countries);
    m_shown.pickCountry(QStringLiteral("France"));
    QVERIFY(!c.items("DomainsAvailableBox").isEmpty());
}

void TestStartup::opensWithoutACatalogue()
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
    const QList<QPair<const char *, const char *>> captions = {
        {"Label17", "Available domains for the selected country:"}, {"DownloadMapButton", "Show map for domain"},
        {"Geodetic1", "LL (degrees) Start"}, {"Indices", "(I, J)"}, {"txtLatD2", "45"}, {"txtLonS2", "0.00"},
        {"Label24", "Check for update on "}, {"cmdShow", "Show tiles in domain"}, {"TilesCountLabel", "---"}};
    for (const auto &[name, caption] : captions)
        QCOMPARE(ui::Controls(&window).text(QLatin1String(name)), QLatin1String(caption));

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
}

void TestStartup::tabMovesInTheWindowsOrder_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::newRow("country to domain list") << "CountriesListBox" << "DomainsAvailableBox";
    QTest::newRow("across the box corners") << "cboLatLL1" << "txtLat2";
    // Past the disabled button, the hidden panels and the disabled view button.
    QTest::newRow("skips what cannot take the focus") << "cboLonLL2" << "txtLatD1";
    QTest::newRow("start corner to end corner") << "txtLonS1" << "txtLatD2";
    QTest::newRow("last field to the tiles") << "txtLonS2" << "TilesListBox";
}

void TestStartup::tabMovesInTheWindowsOrder()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QVERIFY(m_shown.open());
    QWidget *start = m_shown.controls().widget(from);
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Tab);
    QTRY_COMPARE(QApplication::focusWidget()->objectName(), to);
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
