#include "app/frmmain.h"
#include "entry/dmsmath.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"
#include "support/testfolders.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct CoordinateFields
{
    const char *decimal, *degrees, *minutes, *seconds;
};

const CoordinateFields Coordinates[] = {{"txtLat1", "txtLatD1", "txtLatM1", "txtLatS1"},
                                        {"txtLon1", "txtLonD1", "txtLonM1", "txtLonS1"},
                                        {"txtLat2", "txtLatD2", "txtLatM2", "txtLatS2"},
                                        {"txtLon2", "txtLonD2", "txtLonM2", "txtLonS2"}};
enum { StartLat, StartLon, EndLat, EndLon };

} // namespace

class TestDmsSync final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void carryTurnsRemaindersIntoMinutes();
    void decimalChangeRewritesTheFields_data();
    void decimalChangeRewritesTheFields();
    void writesThatChangeNoTextRunNothing();
    void leavingAFieldRewritesTheDecimal_data();
    void leavingAFieldRewritesTheDecimal();
    void mouseLeavesButDeactivationDoesNot();
    void numberTextsIgnoreTheLocale();
    void domainLimitsFlowIntoTheFields();

private:
    QLineEdit *edit(const char *name) { return m_window->controls().lineEdit(QLatin1String(name)); }
    QStringList fields(int coordinate);
    void setFields(int coordinate, const QStringList &texts);

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestDmsSync::init()
{
    QFile::remove(m_appFolder.filePath(QStringLiteral("tiles.cfg")));
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath(QStringLiteral("tiles.cfg"))));
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestDmsSync::cleanup()
{
    m_window.reset();
}

// Decimal, degrees, minutes and seconds texts of one coordinate.
QStringList TestDmsSync::fields(int coordinate)
{
    const CoordinateFields &f = Coordinates[coordinate];
    return {edit(f.decimal)->text(), edit(f.degrees)->text(), edit(f.minutes)->text(), edit(f.seconds)->text()};
}

// Writes the degrees, minutes and seconds texts (they have no change handling).
void TestDmsSync::setFields(int coordinate, const QStringList &texts)
{
    const CoordinateFields &f = Coordinates[coordinate];
    edit(f.degrees)->setText(texts.at(0));
    edit(f.minutes)->setText(texts.at(1));
    edit(f.seconds)->setText(texts.at(2));
}

void TestDmsSync::carryTurnsRemaindersIntoMinutes()
{
    const Dms raw = DecimalToDms(10.1);
    QCOMPARE(raw.minutes, 5);
    QVERIFY(raw.seconds > 59.99 && raw.seconds < 60.0);
    const Dms carried = CarrySeconds(raw, 90);
    QCOMPARE(carried.minutes, 6);
    QCOMPARE(carried.seconds, 0.0);

    // 59.99 itself stays; a degree carried beyond the limit is limited.
    QCOMPARE(CarrySeconds({45, 30, 59.99}, 90).seconds, 59.99);
    const Dms pole = CarrySeconds(DecimalToDms(95.99999999), 90);
    QCOMPARE(pole.degrees, 90);
    QCOMPARE(pole.minutes, 0);
    const Dms top = CarrySeconds({std::numeric_limits<qint32>::max(), 59, 59.999}, 180);
    QCOMPARE(top.degrees, 180);
    QCOMPARE(DmsToDecimal(std::numeric_limits<qint32>::min(), -30, -36.0), 2147483648.51);
}

void TestDmsSync::decimalChangeRewritesTheFields_data()
{
    QTest::addColumn<int>("coordinate");
    QTest::addColumn<bool>("typed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("after"); // decimal, degrees, minutes, seconds

    const QStringList latDesign = {"45", "00", "0.00"};
    const QStringList lonDesign = {"95", "00", "0.00"};
    const auto row = [](const char *tag, int coordinate, bool typed, const QString &text, const QStringList &after) {
        QTest::newRow(tag) << coordinate << typed << text << after;
    };
    row("45.5", StartLat, true, "45.5", {"45.5", "45", "30", "0.00"});
    row("10.1 carried", StartLat, true, "10.1", {"10.1", "10", "6", "0.00"});
    row("leading point", EndLon, true, ".5", {".5", "0", "30", "0.00"});
    row("9 then 90 at the start", StartLat, true, "90", {"90.000000", "90", "0", "0.00"});
    row("200 typed at the start", StartLon, true, "200", {"180.000000", "180", "0", "0.00"});
    row("200 written at the start", StartLon, false, "200", {"180.000000", "180", "0", "0.00"});
    row("95 at the end", EndLat, true, "95", {"95", "95", "0", "0.00"});
    row("95.99999999 at the end", EndLat, false, "95.99999999", {"95.99999999", "90", "0", "0.00"});
    row("blanks around", EndLat, false, " 12.25 ", {" 12.25 ", "12", "15", "0.00"});
    row("pasted negative below the limit", StartLat, false, "-95", {"-95", "95", "0", "0.00"});
    row("pasted negative at the end", EndLon, false, "-12.75", {"-12.75", "12", "45", "0.00"});
    row("beyond 32 bits at the end", EndLon, false, "12345678901234.5",
        {"12345678901234.5", "2147483647", "30", "0.00"});
    row("beyond 32 bits at the start", StartLon, false, "12345678901234.5", {"180.000000", "180", "0", "0.00"});
    row("beyond a double", EndLat, false, QString(400, u'9'), QStringList{QString(400, u'9')} + latDesign);
    row("pasted letters", StartLat, false, "abc", QStringList{"abc"} + latDesign);
    row("lone point", StartLon, true, ".", QStringList{"."} + lonDesign);
    row("exponent", EndLon, false, "1e2", QStringList{"1e2"} + lonDesign);
    row("two points", EndLat, false, "1.2.3", QStringList{"1.2.3"} + latDesign);
}

void TestDmsSync::decimalChangeRewritesTheFields()
{
    QFETCH(int, coordinate);
    QFETCH(bool, typed);
    QFETCH(QString, text);
    QFETCH(QStringList, after);

    QLineEdit *decimal = edit(Coordinates[coordinate].decimal);
    if (typed) {
        decimal->setFocus();
        QTest::keyClicks(decimal, text);
    } else {
        decimal->setText(text);
    }
    QCOMPARE(fields(coordinate), after);
}

void TestDmsSync::writesThatChangeNoTextRunNothing()
{
    edit("txtLat1")->setText(QString());
    QCOMPARE(fields(StartLat), (QStringList{"", "45", "00", "0.00"}));
    edit("txtLat1")->setText(QStringLiteral("45.5"));
    edit("txtLatD1")->setText(QStringLiteral("7"));
    edit("txtLat1")->setText(QStringLiteral("45.5"));
    QCOMPARE(fields(StartLat), (QStringList{"45.5", "7", "30", "0.00"}));
    // Emptied after holding text, the field counts as 0.
    edit("txtLat1")->setText(QString());
    QCOMPARE(fields(StartLat), (QStringList{"", "0", "0", "0.00"}));
}

void TestDmsSync::leavingAFieldRewritesTheDecimal_data()
{
    QTest::addColumn<int>("coordinate");
    QTest::addColumn<int>("left"); // 0 degrees, 1 minutes, 2 seconds
    QTest::addColumn<QStringList>("before"); // degrees, minutes, seconds
    QTest::addColumn<QStringList>("after");  // decimal, degrees, minutes, seconds

    const auto row = [](const char *tag, int coordinate, int left, const QStringList &before,
                        const QStringList &after) {
        QTest::newRow(tag) << coordinate << left << before << after;
    };
    row("59.99 seconds carried", StartLat, 2, {"45", "30", "59.99"}, {"45.516664", "45", "31", "0.00"});
    row("30.5 seconds", StartLat, 2, {"45", "30", "30.5"}, {"45.508472", "45", "30", "30.50"});
    row("minutes 75 limited", StartLat, 1, {"10", "75", "0"}, {"10.983333", "10", "59", "0.00"});
    row("minutes 75 kept", StartLat, 0, {"10", "75", "0"}, {"11.250000", "11", "15", "0.00"});
    row("pole at the start", StartLat, 2, {"90", "30", "12"}, {"90.000000", "90", "0", "0.00"});
    row("pole at the end", EndLat, 2, {"90", "30", "12"}, {"90.500000", "90", "30", "0.00"});
    row("degrees 95 limited", EndLat, 0, {"95", "0", "0"}, {"90.000000", "90", "0", "0.00"});
    row("written 150 reads 15", EndLat, 0, {"150", "0", "0.00"}, {"15.000000", "15", "0", "0.00"});
    row("longitude degrees 1234", StartLon, 0, {"1234", "0", "0"}, {"123.000000", "123", "0", "0.00"});
    row("degrees 200 limited", EndLon, 0, {"200", "10", "0"}, {"180.166667", "180", "10", "0.00"});
    row("180 and seconds at the start", StartLon, 2, {"180", "0", "30"}, {"180.000000", "180", "0", "0.00"});
    row("seconds 123456 limited", StartLon, 2, {"10", "0", "123456"}, {"10.016664", "10", "1", "0.00"});
    row("seconds 123456 kept", StartLon, 0, {"10", "0", "123456"}, {"13.429167", "13", "25", "45.00"});
    row("minutes 60 carried", EndLon, 0, {"10", "60", "0"}, {"11.000000", "11", "0", "0.00"});
    row("empty fields", EndLon, 1, {"", "", ""}, {"0.000000", "0", "0", "0.00"});
    row("lone point in seconds", StartLat, 2, {"45", "30", "."}, {"", "45", "30", "."});
    row("lone minus in seconds", EndLat, 0, {"45", "30", "-"}, {"", "45", "30", "-"});
    row("letters in degrees", StartLon, 1, {"ab", "30", "0"}, {"", "ab", "30", "0"});
    row("letters in minutes", EndLon, 2, {"10", "x", "0"}, {"", "10", "x", "0"});
    row("lone point at the pole", StartLat, 2, {"90", "0", "."}, {"90.000000", "90", "0", "0.00"});
}

void TestDmsSync::leavingAFieldRewritesTheDecimal()
{
    QFETCH(int, coordinate);
    QFETCH(int, left);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);

    setFields(coordinate, before);
    const CoordinateFields &f = Coordinates[coordinate];
    QLineEdit *field = edit(left == 0 ? f.degrees : left == 1 ? f.minutes : f.seconds);
    field->setFocus();
    QCOMPARE(QApplication::focusWidget(), field);
    QCOMPARE(fields(coordinate).first(), QString()); // setting the focus left nothing

    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(!field->hasFocus());
    QCOMPARE(fields(coordinate), after);
}

void TestDmsSync::mouseLeavesButDeactivationDoesNot()
{
    setFields(StartLat, {"10", "75", "0"});
    QLineEdit *minutes = edit("txtLatM1");
    minutes->setFocus();

    // Another window taking the focus is not the user leaving the field.
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(fields(StartLat), (QStringList{"", "10", "75", "0"}));
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), minutes);
    QCOMPARE(fields(StartLat), (QStringList{"", "10", "75", "0"}));

    QLineEdit *elsewhere = edit("txtLat2");
    QTest::mouseClick(elsewhere, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), elsewhere);
    QCOMPARE(fields(StartLat), (QStringList{"10.983333", "10", "59", "0.00"}));
}

void TestDmsSync::numberTextsIgnoreTheLocale()
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German));
    const auto restore = qScopeGuard([&] { QLocale::setDefault(previous); });

    edit("txtLat2")->setFocus();
    QTest::keyClicks(edit("txtLat2"), QStringLiteral("1.25"));
    QCOMPARE(fields(EndLat), (QStringList{"1.25", "1", "15", "0.00"}));

    setFields(StartLon, {"45", "30", "30.5"});
    edit("txtLonS1")->setFocus();
    QTest::keyClick(edit("txtLonS1"), Qt::Key_Tab);
    QCOMPARE(fields(StartLon), (QStringList{"45.508472", "45", "30", "30.50"}));
    edit("txtLon1")->setText(QStringLiteral("1234.5"));
    QCOMPARE(fields(StartLon), (QStringList{"180.000000", "180", "0", "0.00"}));
}

void TestDmsSync::domainLimitsFlowIntoTheFields()
{
    // France is the first country; domain 3 spans 35.5 to 51.25 N, 10.5 W to 10.25 E.
    QComboBox *countries = m_window->controls().comboBox(QStringLiteral("CountriesListBox"));
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Down);
    QCOMPARE(countries->currentText(), QStringLiteral("France"));
    QListWidget *domains = m_window->controls().listWidget(QStringLiteral("DomainsAvailableBox"));
    const QList<QListWidgetItem *> entries = domains->findItems(QStringLiteral("Domain 3,"), Qt::MatchStartsWith);
    QVERIFY(!entries.isEmpty());
    QTest::mouseClick(domains->viewport(), Qt::LeftButton, {}, domains->visualItemRect(entries.first()).center());
    QCOMPARE(m_window->state().SelectedDomain, QStringLiteral("3"));

    QCOMPARE(fields(StartLat), (QStringList{"35.5", "35", "30", "0.00"}));
    QCOMPARE(fields(EndLat), (QStringList{"51.25", "51", "15", "0.00"}));
    QCOMPARE(fields(StartLon), (QStringList{"10.5", "10", "30", "0.00"}));
    QCOMPARE(fields(EndLon), (QStringList{"10.25", "10", "15", "0.00"}));
    QCOMPARE(m_window->controls().text(QStringLiteral("cboLonLL1")), QStringLiteral("W"));

    // Choosing a country again empties the decimal fields.
    countries->setFocus();
    QTest::keyClick(countries, Qt::Key_Down);
    for (int coordinate : {StartLat, StartLon, EndLat, EndLon})
        QCOMPARE(fields(coordinate), (QStringList{"", "0", "0", "0.00"}));
}

QTEST_MAIN(TestDmsSync)
#include "tst_dmssync.moc"
