#include "app/basmodule.h"
#include "app/frmmain.h"
#include "run/controlfilelines.h"
#include "run/tilerun.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QTemporaryDir>
#include <QtTest>

using Entries = QList<QPair<QString, QString>>;

class TestControlFile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void linesForEachMethod_data();
    void linesForEachMethod();
    void writtenFromTheEntries_data();
    void writtenFromTheEntries();
    void refusedEntriesLeaveTheFile_data();
    void refusedEntriesLeaveTheFile();
    void unwritableControlFileIsReported();

private:
    void selectDomainEntry(const QString &entry);
    void fill(qint16 method, const Entries &entries);

    QTemporaryDir m_appFolder;
    QTemporaryDir m_workFolder;
    QString m_previousFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

namespace {

// The file as the engine must see it, spelt out here independently of the code.
QByteArray controlFile(const QByteArray &region, const QByteArray &year, const QByteArray &method,
                       const QByteArray &line7, const QByteArray &line8, bool centre = false)
{
    return "Select a range for decode packed MM5 tiles \r\n"
           "quorvantix.lst       ! List file\r\n"
           "quorvantix.dat       ! Output file name\r\n"
           + region + "       ! MM5 region ID (See list below)\r\n"
           + year + "      ! Year of tiled data\r\n"
           + method + "       ! Method of domain selection (1: I/J; 2: lon/lat; 3: center&range)\r\n"
           + line7 + "       ! Beg/End I indices, or longitudes, or center lon/lat\r\n"
           + line8 + (centre ? "   " : "       ") + "! Beg/End J indices, or latitudes, or range in km\r\n"
           "1       ! Flag to create(1) or not(0) a batch file to rename tile files \r\n"
           "mvtiles.bat ! Batch file name (these three lines needed only for Flag=1)\r\n"
           "1       ! Way to rename tile file names (1/2; See notes below) \r\n"
           "1       ! Operating System (1: Window DOS, 2: UNIX/LINUX)\r\n";
}

QString controlPath() { return QDir::current().filePath(QStringLiteral("quorvantix.inp")); }

const QByteArray OldFile = "an earlier control file\r\n";

} // namespace

void TestControlFile::initTestCase()
{
    QVERIFY(m_appFolder.isValid() && m_workFolder.isValid());
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_previousFolder = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workFolder.path()));
}

void TestControlFile::cleanupTestCase()
{
    QDir::setCurrent(m_previousFolder);
}

void TestControlFile::init()
{
    QFile::remove(controlPath());
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_messages.clear();
}

void TestControlFile::cleanup()
{
    m_window.reset();
}

void TestControlFile::selectDomainEntry(const QString &entry)
{
    ui::Controls &c = m_window->controls();
    c.addItem(QStringLiteral("DomainsAvailableBox"), entry);
    c.setSelectedIndex(QStringLiteral("DomainsAvailableBox"), c.itemCount(QStringLiteral("DomainsAvailableBox")) - 1);
    m_window->state().SelectedDomain = entry.section(u',', 0, 0).section(u' ', 1, 1);
}

void TestControlFile::fill(qint16 method, const Entries &entries)
{
    basModule::SelectionMethod = method;
    for (const auto &[name, text] : entries) {
        m_window->controls().setText(name, text);
        QCOMPARE(m_window->controls().text(name), text);
    }
}

void TestControlFile::linesForEachMethod_data()
{
    QTest::addColumn<qint16>("method");
    QTest::addColumn<LimitArray>("limits");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("indices, engine method 1")
        << qint16(2) << LimitArray{0, 10, 40, 5, 25} << controlFile("7", "2001", "1", "10,40", "5,25");
    QTest::newRow("box, longitudes on line 7")
        << qint16(1) << LimitArray{0, 30, 40, -80, -70} << controlFile("7", "2001", "2", "-80,-70", "30,40");
    QTest::newRow("centre, longitude first, radius alone")
        << qint16(3) << LimitArray{0, 45.5, -73.25, 150, 0}
        << controlFile("7", "2001", "3", "-73.25,45.5", "150", true);
    QTest::newRow("plain numbers: 15 digits, no trailing zeros, no -0")
        << qint16(1) << LimitArray{0, -0.0, 0.1 + 0.2, 1.0 / 3.0, 100.50}
        << controlFile("7", "2001", "2", "0.333333333333333,100.5", "0,0.3");
}

void TestControlFile::linesForEachMethod()
{
    QFETCH(qint16, method);
    QFETCH(LimitArray, limits);
    QFETCH(QByteArray, bytes);
    const QStringList lines = ControlFileLines(QStringLiteral("7"), QStringLiteral("2001"), method, limits);
    QCOMPARE(lines.size(), 12);
    QCOMPARE(ControlFileBytes(lines), bytes);
}

void TestControlFile::writtenFromTheEntries_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<qint16>("method");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QByteArray>("bytes");

    const QString domain7 = QStringLiteral("Domain 7, resolution: 12km,  year: 2001");
    QTest::newRow("indices 10-40, 5-25")
        << domain7 << qint16(2)
        << Entries{{"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"}, {"TextIndexjStart", "5"}, {"TextIndexjEnd", "25"}}
        << controlFile("7", "2001", "1", "10,40", "5,25");
    QTest::newRow("box typed north-east corner first")
        << domain7 << qint16(1)
        << Entries{{"txtLat1", "40"}, {"cboLatLL1", "N"}, {"txtLon1", "70"}, {"cboLonLL1", "W"},
                   {"txtLat2", "30"}, {"cboLatLL2", "N"}, {"txtLon2", "80"}, {"cboLonLL2", "W"}}
        << controlFile("7", "2001", "2", "-80,-70", "30,40");
    QTest::newRow("box in the southern hemisphere")
        << QStringLiteral("Domain 45, resolution: 12km,  year: 2004") << qint16(1)
        << Entries{{"txtLat1", "10"}, {"cboLatLL1", "S"}, {"txtLon1", "1.5"}, {"cboLonLL1", "E"},
                   {"txtLat2", "20"}, {"cboLatLL2", "S"}, {"txtLon2", "2"}, {"cboLonLL2", "E"}}
        << controlFile("45", "2004", "2", "1.5,2", "-20,-10");
    QTest::newRow("centre 45.5 N 73.25 W radius 150")
        << domain7 << qint16(3)
        << Entries{{"txtEMRLAT01", "45.500000"}, {"cboEMRLAT01", "N"}, {"txtEMRLON01", "73.250000"},
                   {"cboEMRLON01", "W"}, {"txtRadius1", "150"}}
        << controlFile("7", "2001", "3", "-73.25,45.5", "150", true);
    QTest::newRow("centre with empty hemisphere lists is north and east")
        << domain7 << qint16(3)
        << Entries{{"txtEMRLAT01", "12"}, {"cboEMRLAT01", ""}, {"txtEMRLON01", "3"}, {"cboEMRLON01", ""},
                   {"txtRadius1", "25.25"}}
        << controlFile("7", "2001", "3", "3,12", "25.25", true);
}

void TestControlFile::writtenFromTheEntries()
{
    QFETCH(QString, entry);
    QFETCH(qint16, method);
    QFETCH(Entries, entries);
    QFETCH(QByteArray, bytes);
    TestFolders::writeFile(controlPath(), OldFile);
    selectDomainEntry(entry);
    fill(method, entries);

    QVERIFY(m_window->tileRun().controlFileWriter().WriteControlFile());
    QCOMPARE(m_messages.texts(), QStringList());
    QCOMPARE(TestFolders::readFile(controlPath()), bytes);
}

void TestControlFile::refusedEntriesLeaveTheFile_data()
{
    QTest::addColumn<qint16>("method");
    QTest::addColumn<Entries>("entries");
    QTest::addColumn<QString>("message");

    const Entries indices{{"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"}, {"TextIndexjStart", "5"},
                          {"TextIndexjEnd", "25"}};
    const auto with = [](Entries base, const QString &name, const QString &text) {
        for (auto &entry : base) {
            if (entry.first == name)
                entry.second = text;
        }
        return base;
    };
    const QString noIndices = QStringLiteral("Please provide starting and ending indices.");
    const QString order = QStringLiteral("Starting indices for i and j must smaller than ending indices");
    QTest::newRow("index empty") << qint16(2) << with(indices, "TextIndexjEnd", "") << noIndices;
    QTest::newRow("i start equals end") << qint16(2) << with(indices, "TextIndexiEnd", "10") << order;
    QTest::newRow("j start equals end") << qint16(2) << with(indices, "TextIndexjStart", "25") << order;
    QTest::newRow("i start after end") << qint16(2) << with(indices, "TextIndexiStart", "41") << order;
    QTest::newRow("index not a number")
        << qint16(2) << with(indices, "TextIndexiEnd", "4o")
        << QStringLiteral("The index \"4o\" is not a whole number between -32768 and 32767.");
    QTest::newRow("index beyond 16 bits")
        << qint16(2) << with(indices, "TextIndexjEnd", "32768")
        << QStringLiteral("The index \"32768\" is not a whole number between -32768 and 32767.");

    const Entries box{{"txtLat1", "40"}, {"cboLatLL1", "N"}, {"txtLon1", "70"}, {"cboLonLL1", "W"},
                      {"txtLat2", "30"}, {"cboLatLL2", "N"}, {"txtLon2", "80"}, {"cboLonLL2", "W"}};
    const QString firstCorner = QStringLiteral("Please provide all the requested latitudes/longitudes .");
    const QString secondCorner = QStringLiteral("Please provide all the requested latitudes/longitudes.");
    QTest::newRow("first corner latitude empty") << qint16(1) << with(box, "txtLat1", "") << firstCorner;
    QTest::newRow("first corner hemisphere empty") << qint16(1) << with(box, "cboLonLL1", "") << firstCorner;
    QTest::newRow("both corners empty, first reported")
        << qint16(1) << with(with(box, "txtLon1", ""), "txtLon2", "") << firstCorner;
    QTest::newRow("second corner longitude empty") << qint16(1) << with(box, "txtLon2", "") << secondCorner;
    QTest::newRow("second corner hemisphere empty") << qint16(1) << with(box, "cboLatLL2", "") << secondCorner;
    QTest::newRow("latitude not a number")
        << qint16(1) << with(box, "txtLat2", "3O")
        << QStringLiteral("The latitude or longitude \"3O\" is not a number.");

    const Entries centre{{"txtEMRLAT01", "45.5"}, {"cboEMRLAT01", "N"}, {"txtEMRLON01", "73.25"},
                         {"cboEMRLON01", "W"}, {"txtRadius1", "150"}};
    const QString noCentre = QStringLiteral("Please provide radius and origin coordinnates of the domain.");
    QTest::newRow("radius empty") << qint16(3) << with(centre, "txtRadius1", "") << noCentre;
    QTest::newRow("centre latitude empty") << qint16(3) << with(centre, "txtEMRLAT01", "") << noCentre;
    QTest::newRow("centre longitude empty") << qint16(3) << with(centre, "txtEMRLON01", "") << noCentre;
    QTest::newRow("radius of blanks")
        << qint16(3) << with(centre, "txtRadius1", "  ") << QStringLiteral("The radius \"  \" is not a number.");
    QTest::newRow("centre not a number")
        << qint16(3) << with(centre, "txtEMRLON01", "7..3")
        << QStringLiteral("The center coordinate \"7..3\" is not a number.");
}

void TestControlFile::refusedEntriesLeaveTheFile()
{
    QFETCH(qint16, method);
    QFETCH(Entries, entries);
    QFETCH(QString, message);
    TestFolders::writeFile(controlPath(), OldFile);
    selectDomainEntry(QStringLiteral("Domain 7, resolution: 12km,  year: 2001"));
    fill(method, entries);

    QVERIFY(!m_window->tileRun().controlFileWriter().WriteControlFile());
    QCOMPARE(m_messages.texts(), QStringList{message});
    QCOMPARE(m_messages.shown.first().title, QStringLiteral("Error"));
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QCOMPARE(m_messages.shown.first().buttons, ui::MessageButtons::Ok);
    QCOMPARE(TestFolders::readFile(controlPath()), OldFile);
}

void TestControlFile::unwritableControlFileIsReported()
{
    // A folder where the control file should be: it cannot be replaced.
    QVERIFY(QDir::current().mkdir(QStringLiteral("quorvantix.inp")));
    selectDomainEntry(QStringLiteral("Domain 7, resolution: 12km,  year: 2001"));
    fill(2, {{"TextIndexiStart", "10"}, {"TextIndexiEnd", "40"}, {"TextIndexjStart", "5"}, {"TextIndexjEnd", "25"}});

    QVERIFY(!m_window->tileRun().controlFileWriter().WriteControlFile());
    QCOMPARE(m_messages.shown.size(), 1);
    QVERIFY2(m_messages.shown.first().text.startsWith(QStringLiteral("Unable to write the control file ")),
             qPrintable(m_messages.shown.first().text));
    QCOMPARE(m_messages.shown.first().icon, ui::MessageIcon::Critical);
    QVERIFY(QFileInfo(controlPath()).isDir());
    QVERIFY(QDir::current().rmdir(QStringLiteral("quorvantix.inp")));
}

QTEST_MAIN(TestControlFile)
#include "tst_controlfile.moc"
