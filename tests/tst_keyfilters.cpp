#include "app/frmmain.h"
#include "domain/methodrefresh.h"
#include "entry/keycode.h"
#include "entry/keyfilters.h"
#include "support/recordingmessages.h"
#include "support/recordingpointer.h"
#include "support/recordingshell.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Types the text key by key; characters beyond ASCII arrive as a keyboard
// layout delivers them, as text with a key Qt has no name for.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(widget, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

} // namespace

class TestKeyFilters final : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void filtersDecideByCode_data();
    void filtersDecideByCode();
    void keyEventsGiveCodes_data();
    void keyEventsGiveCodes();

    void typedTextIsFiltered_data();
    void typedTextIsFiltered();
    void controlKeysPassEverywhere();
    void programWritesAreNotLimited();
    void enterAndMinusMoveOn_data();
    void enterAndMinusMoveOn();
    void minusFlipsBackAndForth();
    void moveOnSkipsDisabledControls();
    void hemisphereListsWithoutHandlerTakeLetters();

private:
    QLineEdit *edit(const char *name) { return m_window->controls().lineEdit(QLatin1String(name)); }
    QComboBox *combo(const char *name) { return m_window->controls().comboBox(QLatin1String(name)); }
    void showMethod(int index);

    QTemporaryDir m_appFolder;
    RecordingMessages m_messages;
    RecordingPointer m_pointer;
    RecordingShell m_shell;
    std::unique_ptr<frmMain> m_window;
};

void TestKeyFilters::init()
{
    m_window = std::make_unique<frmMain>(ui::Services{&m_messages, &m_pointer, &m_shell}, m_appFolder.path());
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
}

void TestKeyFilters::cleanup()
{
    m_window.reset();
}

// Picks a method as the user does, which also enables the centre fields.
void TestKeyFilters::showMethod(int index)
{
    combo("cboChoice1")->setCurrentIndex(index);
    m_window->methodRefresh().cboChoice1_Click();
}

void TestKeyFilters::filtersDecideByCode_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("decimal");
    QTest::addColumn<int>("digit");
    const QList<std::tuple<const char *, int, int, int>> rows = {
        {"backspace", 8, 8, 8},    {"enter", 13, 13, 13},  {"blank", 32, 0, 0},    {"exclamation", 33, 0, 0},
        {"plus", 43, 0, 0},        {"comma", 44, 0, 0},    {"minus", 45, 45, 0},   {"point", 46, 46, 0},
        {"slash", 47, 0, 0},       {"zero", 48, 48, 48},   {"nine", 57, 57, 57},   {"colon", 58, 0, 0},
        {"capital E", 69, 0, 0},   {"small e", 101, 0, 0}, {"tilde", 126, 0, 0},   {"127", 127, 0, 0},
        {"128", 128, 128, 128},    {"e acute", 233, 233, 233}, {"255", 255, 255, 255}};
    for (const auto &[tag, code, decimal, digit] : rows)
        QTest::newRow(tag) << code << decimal << digit;
}

void TestKeyFilters::filtersDecideByCode()
{
    QFETCH(int, code);
    QFETCH(int, decimal);
    QFETCH(int, digit);
    qint16 asDecimal = qint16(code);
    FilterDecimalKey(asDecimal);
    QCOMPARE(asDecimal, qint16(decimal));
    qint16 asDigit = qint16(code);
    FilterDigitKey(asDigit);
    QCOMPARE(asDigit, qint16(digit));
}

void TestKeyFilters::keyEventsGiveCodes_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // -1: goes to the control unfiltered
    const int keypad = Qt::KeypadModifier;
    const int ctrl = Qt::ControlModifier;
    QTest::newRow("return") << int(Qt::Key_Return) << 0 << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << keypad << "\r" << 13;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "\b" << 8;
    QTest::newRow("minus") << int(Qt::Key_Minus) << 0 << "-" << 45;
    QTest::newRow("keypad minus") << int(Qt::Key_Minus) << keypad << "-" << 45;
    QTest::newRow("keypad digit") << int(Qt::Key_7) << keypad << "7" << 55;
    QTest::newRow("delete carrying 127") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "" << -1;
    QTest::newRow("ctrl+v") << int(Qt::Key_V) << ctrl << "v" << -1;
    QTest::newRow("alt+f") << int(Qt::Key_F) << int(Qt::AltModifier) << "f" << -1;
    QTest::newRow("altgr at sign") << int(Qt::Key_At) << int(Qt::ControlModifier | Qt::AltModifier) << "@" << 64;
    QTest::newRow("e acute") << int(Qt::Key_Eacute) << 0 << QStringLiteral("\u00e9") << 233;
    QTest::newRow("euro sign") << int(Qt::Key_unknown) << 0 << QStringLiteral("\u20ac") << 63;
    QTest::newRow("beyond 16 bits") << int(Qt::Key_unknown) << 0 << QStringLiteral("\U0001F600") << 63;
}

void TestKeyFilters::keyEventsGiveCodes()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const QKeyEvent event(QEvent::KeyPress, key, Qt::KeyboardModifiers(modifiers), text);
    const std::optional<qint16> result = KeyAsciiOf(event);
    QCOMPARE(result.has_value(), code >= 0);
    if (result)
        QCOMPARE(*result, qint16(code));
}

void TestKeyFilters::typedTextIsFiltered_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("selectAll");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");

    const QString marks = QStringLiteral("aZ +,/!:~");
    for (const char *field : {"txtLat1", "txtLon2", "txtEMRLON01", "txtRadius1", "txtLatS2", "txtLonD1", "txtLatM2",
                              "TextIndexjEnd"}) {
        QTest::addRow("%s: letters and marks", field) << field << "" << false << marks << "";
        QTest::addRow("%s: above 127", field) << field << "" << false << QStringLiteral("\u00e9\u00ff")
                                              << QStringLiteral("\u00e9\u00ff");
        QTest::addRow("%s: beyond 255", field) << field << "" << false << QStringLiteral("\u20ac\u0416") << "";
    }
    QTest::newRow("second point") << "txtLat1" << "12.5" << false << "." << "12.5";
    QTest::newRow("first point") << "txtLat1" << "12" << false << "." << "12.";
    QTest::newRow("point, whole text selected") << "txtLon1" << "1.5" << true << "." << "1.5";
    QTest::newRow("point in the radius") << "txtRadius1" << "" << false << "2.5.0" << "2.50";
    QTest::newRow("minus typed into seconds") << "txtLatS1" << "" << false << "-1.5" << "-1.5";
    QTest::newRow("point into degrees") << "txtLatD1" << "" << false << "4.5" << "45";
    QTest::newRow("point and minus into an index") << "TextIndexiStart" << "" << false << "1.2-3" << "123";
    QTest::newRow("latitude degrees take 2") << "txtLatD1" << "" << false << "123" << "12";
    QTest::newRow("latitude minutes take 2") << "txtLatM2" << "" << false << "5960" << "59";
    QTest::newRow("latitude seconds take 5") << "txtLatS1" << "" << false << "12.3456" << "12.34";
    QTest::newRow("a selection makes room") << "txtLatD2" << "12" << true << "3" << "3";
    QTest::newRow("longitude degrees unlimited") << "txtLonD1" << "" << false << "1234" << "1234";
    QTest::newRow("index fields unlimited") << "TextIndexiEnd" << "" << false << "123456" << "123456";
}

void TestKeyFilters::typedTextIsFiltered()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(bool, selectAll);
    QFETCH(QString, typed);
    QFETCH(QString, after);

    // The panel that holds the field.
    if (field.startsWith(QLatin1String("TextIndex")))
        showMethod(1);
    else if (field.contains(QLatin1String("EMR")) || field == QLatin1String("txtRadius1"))
        showMethod(2);
    QLineEdit *e = m_window->controls().lineEdit(field);
    e->setText(before);
    e->setFocus();
    QCOMPARE(QApplication::focusWidget(), e);
    if (selectAll)
        e->selectAll();
    else
        e->end(false);
    type(e, typed);
    QCOMPARE(e->text(), after);
}

void TestKeyFilters::controlKeysPassEverywhere()
{
    QLineEdit *degrees = edit("txtLatD1");
    degrees->setText(QStringLiteral("12"));
    degrees->setFocus();
    degrees->end(false);
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QCOMPARE(degrees->text(), QStringLiteral("1"));
    QTest::keyClick(degrees, Qt::Key_Home);
    QTest::keyClick(degrees, Qt::Key_Delete);
    QCOMPARE(degrees->text(), QString());

    // Pasting brings any text, also beyond the typing limit.
    QApplication::clipboard()->setText(QStringLiteral("7a.-x"));
    QTest::keyClick(degrees, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(degrees->text(), QStringLiteral("7a.-x"));
    QTest::keyClick(degrees, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(degrees, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(degrees, Qt::Key_Right);
    QCOMPARE(degrees->cursorPosition(), 5);
}

void TestKeyFilters::programWritesAreNotLimited()
{
    QLineEdit *degrees = edit("txtLatD2");
    degrees->setText(QStringLiteral("150"));
    QCOMPARE(degrees->text(), QStringLiteral("150"));
    degrees->setFocus();
    degrees->end(false);
    type(degrees, QStringLiteral("4"));
    QCOMPARE(degrees->text(), QStringLiteral("150"));
    QTest::keyClick(degrees, Qt::Key_Backspace);
    QTest::keyClick(degrees, Qt::Key_Backspace);
    type(degrees, QStringLiteral("78"));
    QCOMPARE(degrees->text(), QStringLiteral("17"));
}

void TestKeyFilters::enterAndMinusMoveOn_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("keypad");
    QTest::addColumn<QString>("focusAfter");
    QTest::addColumn<QString>("hemisphere");
    QTest::addColumn<QString>("hemisphereAfter");

    const int enter = Qt::Key_Return, minus = Qt::Key_Minus;
    QTest::newRow("minus in start latitude") << 0 << "txtLat1" << minus << false << "cboLatLL1" << "cboLatLL1" << "S";
    QTest::newRow("minus in end latitude") << 0 << "txtLat2" << minus << false << "cboLatLL2" << "cboLatLL2" << "S";
    QTest::newRow("minus in start longitude") << 0 << "txtLon1" << minus << false << "cboLonLL1" << "cboLonLL1" << "W";
    QTest::newRow("keypad minus in end longitude")
        << 0 << "txtLon2" << minus << true << "cboLonLL2" << "cboLonLL2" << "W";
    QTest::newRow("enter in start latitude") << 0 << "txtLat1" << enter << false << "cboLatLL1" << "cboLatLL1" << "N";
    QTest::newRow("keypad enter in end longitude")
        << 0 << "txtLon2" << int(Qt::Key_Enter) << true << "cboLonLL2" << "cboLonLL2" << "E";
    QTest::newRow("enter in centre latitude stays")
        << 2 << "txtEMRLAT01" << enter << false << "txtEMRLAT01" << "cboEMRLAT01" << "N";
    QTest::newRow("minus in centre latitude")
        << 2 << "txtEMRLAT01" << minus << false << "cboEMRLAT01" << "cboEMRLAT01" << "S";
    QTest::newRow("enter in centre longitude")
        << 2 << "txtEMRLON01" << enter << false << "cboEMRLON01" << "cboEMRLON01" << "E";
    QTest::newRow("minus in centre longitude")
        << 2 << "txtEMRLON01" << minus << false << "cboEMRLON01" << "cboEMRLON01" << "W";
    QTest::newRow("minus in the radius flips nothing")
        << 2 << "txtRadius1" << minus << false << "txtEMRLAT01" << "cboEMRLAT01" << "N";
    QTest::newRow("enter in the radius") << 2 << "txtRadius1" << enter << false << "txtEMRLAT01" << "cboEMRLAT01" << "N";
    QTest::newRow("minus in the centre latitude list flips it")
        << 2 << "cboEMRLAT01" << minus << false << "txtEMRLON01" << "cboEMRLAT01" << "S";
    QTest::newRow("enter in the centre latitude list")
        << 2 << "cboEMRLAT01" << enter << false << "txtEMRLON01" << "cboEMRLAT01" << "N";
}

void TestKeyFilters::enterAndMinusMoveOn()
{
    QFETCH(int, method);
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(bool, keypad);
    QFETCH(QString, focusAfter);
    QFETCH(QString, hemisphere);
    QFETCH(QString, hemisphereAfter);

    showMethod(method);
    const ui::Controls &c = m_window->controls();
    QWidget *control = c.widget(field);
    auto *e = qobject_cast<QLineEdit *>(control);
    if (e)
        e->setText(QStringLiteral("12"));
    control->setFocus();
    QCOMPARE(QApplication::focusWidget(), control);

    QTest::keyClick(control, Qt::Key(key), keypad ? Qt::KeypadModifier : Qt::NoModifier);
    // The flip is done at once; the move waits until the key is handled.
    QCOMPARE(c.text(hemisphere), hemisphereAfter);
    QCOMPARE(QApplication::focusWidget(), control);
    if (e)
        QCOMPARE(e->text(), QStringLiteral("12"));
    QTRY_COMPARE(QApplication::focusWidget(), c.widget(focusAfter));
}

void TestKeyFilters::minusFlipsBackAndForth()
{
    QLineEdit *lat = edit("txtLat1");
    QComboBox *hemisphere = combo("cboLatLL1");
    lat->setFocus();
    QTest::keyClick(lat, Qt::Key_Minus);
    QCOMPARE(hemisphere->currentText(), QStringLiteral("S"));
    QTRY_COMPARE(QApplication::focusWidget(), hemisphere);

    QTest::keyClick(hemisphere, Qt::Key_Backtab, Qt::ShiftModifier);
    QTRY_COMPARE(QApplication::focusWidget(), lat);
    QTest::keyClick(lat, Qt::Key_Minus);
    QCOMPARE(hemisphere->currentText(), QStringLiteral("N"));
    QTRY_COMPARE(QApplication::focusWidget(), hemisphere);

    // With no item chosen the minus key only moves on.
    hemisphere->setCurrentIndex(-1);
    lat->setFocus();
    QTest::keyClick(lat, Qt::Key_Minus);
    QCOMPARE(hemisphere->currentIndex(), -1);
    QCOMPARE(lat->text(), QString());
    QTRY_COMPARE(QApplication::focusWidget(), hemisphere);
}

void TestKeyFilters::moveOnSkipsDisabledControls()
{
    showMethod(2);
    // As at start-up, before any method refresh.
    m_window->controls().setEnabled(QStringLiteral("txtEMRLAT01"), false);
    m_window->controls().setEnabled(QStringLiteral("cboEMRLAT01"), false);
    QLineEdit *radius = edit("txtRadius1");
    radius->setFocus();
    QTest::keyClick(radius, Qt::Key_Return);
    QTRY_COMPARE(QApplication::focusWidget(), edit("txtEMRLON01"));
}

void TestKeyFilters::hemisphereListsWithoutHandlerTakeLetters()
{
    showMethod(2);
    QComboBox *filtered = combo("cboEMRLAT01");
    filtered->setFocus();
    type(filtered, QStringLiteral("s"));
    QCOMPARE(filtered->currentText(), QStringLiteral("N"));

    QComboBox *plain = combo("cboEMRLON01");
    plain->setFocus();
    type(plain, QStringLiteral("w"));
    QCOMPARE(plain->currentText(), QStringLiteral("W"));
    QTest::keyClick(plain, Qt::Key_Minus);
    QCOMPARE(plain->currentText(), QStringLiteral("W"));
    QCOMPARE(QApplication::focusWidget(), plain);
}

QTEST_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
