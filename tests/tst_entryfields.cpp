// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/cataloguebuilder.h"
#include "support/shownwindow.h"

#include <QClipboard>
#include <QMenu>

// The entry fields as the user types into them and leaves them: the keys
// each field takes, the coordinate rewritten between its decimal and its
// degrees, minutes and seconds, and the grid indices checked against the
// domain's limits.
class TestEntryFields final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    // Number texts are the same under any locale: every case runs under a
    // German one, whose decimal separator is a comma.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }
    void init() { QVERIFY(open()); }
    void keysTypedIntoEachField_data();
    void keysTypedIntoEachField();
    void keysOtherThanCharacters();
    void leavingAFieldRewritesOrChecksIt_data();
    void leavingAFieldRewritesOrChecksIt();
    void onlyTheUserLeavingAFieldCounts();
    void twoFailingFieldsDoNotAlternate();

private:
    void openOnTestland();
};

void TestEntryFields::keysTypedIntoEachField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("before"); // written by the program
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("hemispheres"); // the six lists' texts after the keys, from NNEENE
    QTest::addColumn<QString>("focus");       // once the keys are handled

    // Letters, blank and marks go nowhere; codes 128 to 255 pass; one point
    // passes where points do; degrees and minutes of a latitude take two
    // characters, its seconds five.
    const QString typed = QStringLiteral("aZ +,/!:?~\u00ff1.2.");
    const QList<std::pair<const char *, QString>> kinds = {
        {"txtLat1 txtLat2 txtLon1 txtLon2 txtEMRLAT01 txtEMRLON01 txtRadius1 txtLatS1 txtLatS2 txtLonS1 txtLonS2",
         QStringLiteral("\u00ff1.2")},
        {"txtLatD1 txtLatM1 txtLatD2 txtLatM2", QStringLiteral("\u00ff1")},
        {"txtLonD1 txtLonM1 txtLonD2 txtLonM2 TextIndexiStart TextIndexjStart TextIndexiEnd TextIndexjEnd",
         QStringLiteral("\u00ff12")}};
    for (const auto &[fields, after] : kinds)
        for (const QString &field : QString::fromLatin1(fields).split(u' '))
            QTest::addRow("%s", qPrintable(field)) << field << "" << typed << after << "NNEENE" << field;
    // Tag, then field, before, typed, after, hemispheres and focus.
    const auto row = [](const char *tag, auto... texts) { (QTest::newRow(tag) << ... << texts); };
    row("minus, seconds", "txtLatS1", "", "-1.5", "-1.5", "NNEENE", "txtLatS1");
    row("latitude seconds take 5", "txtLatS2", "", "12.3456", "12.34", "NNEENE", "txtLatS2");
    row("written beyond the limit", "txtLatD2", "150", "4\b\b78", "17", "NNEENE", "txtLatD2");
    // Minus flips the hemisphere and moves on, as Enter does; the centre latitude stays on Enter.
    row("minus, start latitude", "txtLat1", "12", "-", "12", "SNEENE", "cboLatLL1");
    row("minus, end latitude", "txtLat2", "12", "-", "12", "NSEENE", "cboLatLL2");
    row("minus, start longitude", "txtLon1", "12", "-", "12", "NNWENE", "cboLonLL1");
    row("minus, end longitude", "txtLon2", "12", "-", "12", "NNEWNE", "cboLonLL2");
    row("minus, centre latitude", "txtEMRLAT01", "12", "-", "12", "NNEESE", "cboEMRLAT01");
    row("enter, centre latitude", "txtEMRLAT01", "12", "\r", "12", "NNEENE", "txtEMRLAT01");
    row("minus, centre longitude", "txtEMRLON01", "12", "-", "12", "NNEENW", "cboEMRLON01");
    row("enter, centre longitude", "txtEMRLON01", "12", "\r", "12", "NNEENE", "cboEMRLON01");
    row("minus, radius", "txtRadius1", "12", "-", "12", "NNEENE", "txtEMRLAT01");
    row("minus, centre latitude list", "cboEMRLAT01", "S", "-", "N", "NNEENE", "txtEMRLON01");
    row("enter, centre latitude list", "cboEMRLAT01", "N", "\r", "N", "NNEENE", "txtEMRLON01");
    row("letter, centre latitude list", "cboEMRLAT01", "N", "s", "N", "NNEENE", "cboEMRLAT01");
    row("letter, centre longitude list", "cboEMRLON01", "E", "w", "W", "NNEENW", "cboEMRLON01");
}

void TestEntryFields::keysTypedIntoEachField()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, focus);

    // The panel that holds the field: the index method's, the centre method's or the coordinates'.
    const bool centre = field.contains(QLatin1String("EMR")) || field.contains(QLatin1String("Radius"));
    pickMethod(field.startsWith(QLatin1String("TextIndex")) ? 1 : centre ? 2 : 0);
    const ui::Controls c = controls();
    c.setText(field, before);
    c.widget(field)->setFocus();
    QTest::keyClicks(c.widget(field), typed);
    QTEST(c.text(field), "after");
    QTEST(c.texts({"cboLatLL1", "cboLatLL2", "cboLonLL1", "cboLonLL2", "cboEMRLAT01", "cboEMRLON01"}).join(QString()),
          "hemispheres");
    // The move waits until the key is handled.
    QCOMPARE(QApplication::focusWidget(), c.widget(field));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), c.widget(focus));
}

void TestEntryFields::keysOtherThanCharacters()
{
    QLineEdit *seconds = edit(QStringLiteral("txtLatS1"));
    seconds->setFocus();
    // AltGr arrives as Ctrl+Alt on some platforms: its character is typed, and filtered.
    QTest::keyClick(seconds, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier);
    // A character beyond 255 counts as "?".
    QTest::sendKeyEvent(QTest::Click, seconds, Qt::Key_unknown, QStringLiteral("\u20ac"), Qt::NoModifier);
    QCOMPARE(seconds->text(), QStringLiteral("0.00"));
    // Pasting brings any text, also beyond the typing limit.
    QApplication::clipboard()->setText(QStringLiteral("7a.-x12"));
    QTest::keyClick(seconds, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(seconds, Qt::Key_Home);
    // Delete carries code 127 as its text on some systems; it is no typed character.
    QTest::sendKeyEvent(QTest::Click, seconds, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QCOMPARE(seconds->text(), QStringLiteral(".007a.-x12"));
    // The whole text selected, a point still finds one; a digit finds room.
    seconds->selectAll();
    QTest::keyClicks(seconds, QStringLiteral(".3"));
    QCOMPARE(seconds->text(), QStringLiteral("3"));

    edit(QStringLiteral("txtLon2"))->setFocus();
    QTest::keyClick(edit(QStringLiteral("txtLon2")), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(QApplication::focusWidget(), controls().widget(QStringLiteral("cboLonLL2")));
}

void TestEntryFields::leavingAFieldRewritesOrChecksIt_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("written"); // decimal, degrees... texts, once the typed field is emptied
    QTest::addColumn<QString>("typed");       // at the end of the field's text, then Tab
    QTest::addColumn<QStringList>("after");   // decimal, degrees, minutes, seconds; or the index field's text
    QTest::addColumn<QString>("messages");    // shown on leaving, one a line

    const auto row = [](const char *tag, const char *field, const QStringList &written, const char *typed,
                        const QStringList &after) { QTest::newRow(tag) << field << written << typed << after << ""; };
    // Decimal texts, rewritten into degrees, minutes and seconds as they are typed.
    row("10.1, seconds carried", "txtLat1", {}, "10.1", {"10.1", "10", "6", "0.00"});
    row("leading point", "txtLon2", {}, ".5", {".5", "0", "30", "0.00"});
    row("emptied counts as 0", "txtLat1", {}, "4\b", {"", "0", "0", "0.00"});
    row("90 at the start", "txtLat1", {}, "90", {"90.000000", "90", "0", "0.00"});
    row("200 at the start", "txtLon1", {}, "200", {"180.000000", "180", "0", "0.00"});
    row("95.99999999 at the end", "txtLat2", {}, "95.99999999", {"95.99999999", "90", "0", "0.00"});
    row("beyond 32 bits", "txtLon2", {}, "12345678901234.5", {"12345678901234.5", "2147483647", "30", "0.00"});
    row("beyond 32 bits, carried", "txtLon2", {}, "2147483648.999999", {"2147483648.999999", "180", "0", "0.00"});
    // Pasted texts.
    row("negative", "txtLat1", {"-95"}, "", {"-95", "95", "0", "0.00"});
    row("letters", "txtLat1", {"abc"}, "", {"abc", "45", "00", "0.00"});
    row("exponent", "txtLon2", {"1e2"}, "", {"1e2", "100", "0", "0.00"});
    row("beyond a double", "txtLat2", {QString(400, u'9')}, "", {QString(400, u'9'), "45", "00", "0.00"});
    // Degrees, minutes and seconds, read into the decimal text when the field is left.
    row("minutes 75", "txtLatM1", {"", "10"}, "75", {"10.983333", "10", "59", "0.00"});
    row("minutes 75 left alone by the degrees", "txtLatD1", {"", "10", "75"}, "", {"11.250000", "11", "15", "0.00"});
    row("degrees 90 minutes 30, end", "txtLatS2", {"", "90", "30"}, "12", {"90.500000", "90", "30", "0.00"});
    row("degrees 95", "txtLatD2", {}, "95", {"90.000000", "90", "0", "0.00"});
    row("longitude degrees 1234", "txtLonD1", {}, "1234", {"123.000000", "123", "0", "0.00"});
    row("written degrees 150", "txtLatM2", {"", "150"}, "0", {"15.000000", "15", "0", "0.00"});
    row("seconds 123456", "txtLonS1", {"", "10", "0"}, "123456", {"10.016664", "10", "1", "0.00"});
    row("empty fields", "txtLonM2", {"", "", "", ""}, "", {"0.000000", "0", "0", "0.00"});
    row("lone point in seconds", "txtLatS1", {"", "45", "30"}, ".", {"", "45", "30", "."});
    row("letters in degrees", "txtLonM1", {"", "ab", "30"}, "", {"", "ab", "30", "0.00"});

    // Grid indices, checked against the domain's limits; the text stays as typed.
    const auto indexRow = [](const char *tag, const char *field, const char *typed, const char *fault = nullptr) {
        const QString message = fault ? QString::fromLatin1(fault) + QStringLiteral(", see domain limits") : QString();
        QTest::newRow(tag) << field << QStringList() << typed << QStringList{typed} << message;
    };
    indexRow("start I with leading zeros", "TextIndexiStart", "007");
    indexRow("start I below", "TextIndexiStart", "6", "Starting index for I must be greater than 7");
    indexRow("start J at the limit 05", "TextIndexjStart", "5");
    indexRow("start J below", "TextIndexjStart", "4", "Starting index for J must be greater than 05");
    indexRow("end I at the limit", "TextIndexiEnd", "150");
    indexRow("end I beyond", "TextIndexiEnd", "151", "Ending index for I must be smaller than 150");
    indexRow("end J beyond", "TextIndexjEnd", "121", "Ending index for J must be smaller than 120");
    // Left to the control file's check, which names these faults.
    indexRow("empty start", "TextIndexiStart", "");
    indexRow("end beyond 16 bits", "TextIndexiEnd", "99999");
}

void TestEntryFields::leavingAFieldRewritesOrChecksIt()
{
    QFETCH(QString, field);
    QFETCH(QStringList, written);
    QFETCH(QString, typed);

    // An index field is read alone, on a domain whose limits it is checked
    // against. A coordinate field is read with the decimal, degrees, minutes
    // and seconds fields of its coordinate: "txtLatM1" belongs to txtLat1,
    // txtLatD1, txtLatM1, txtLatS1.
    const QString kind = field.left(6), point = field.right(1);
    QStringList read{kind + point, kind + u'D' + point, kind + u'M' + point, kind + u'S' + point};
    if (field.startsWith(QLatin1String("TextIndex"))) {
        openOnTestland();
        read = QStringList{field};
    }
    edit(field)->clear();
    for (int i = 0; i < written.size(); ++i)
        edit(read.at(i))->setText(written.at(i));
    typeAndLeave(field, typed);
    QTEST(controls().texts(read), "after");
    QTEST(messages.texts().join(u'\n'), "messages");
    // After a message the focus comes back, to correct the text in place.
    QCOMPARE(QApplication::focusWidget() == edit(field), !messages.shown.isEmpty());
}

void TestEntryFields::onlyTheUserLeavingAFieldCounts()
{
    edit(QStringLiteral("txtLatM1"))->setText(QStringLiteral("75"));
    edit(QStringLiteral("txtLatM1"))->setFocus();

    // A popup taking the focus is not the user leaving the field (nor is
    // another window: twoFailingFieldsDoNotAlternate).
    QMenu popup;
    popup.popup(QPoint());
    QTRY_VERIFY(QApplication::activePopupWidget());
    popup.close();
    takeBackActivation();
    QTRY_COMPARE(QApplication::focusWidget(), edit(QStringLiteral("txtLatM1")));
    QCOMPARE(edit(QStringLiteral("txtLatM1"))->text(), QStringLiteral("75"));

    QTest::mouseClick(edit(QStringLiteral("txtLat2")), Qt::LeftButton);
    QCOMPARE(edit(QStringLiteral("txtLatM1"))->text(), QStringLiteral("59"));
}

void TestEntryFields::openOnTestland()
{
    // A domain whose lowest J is stored with a leading zero; the index method
    // fills the four fields with its limits.
    CatalogueBuilder catalogue;
    catalogue.addDomain("12", "7 05 150 120 0 0 -30.0 50.0 25.0 72.0", "2005", "Testland");
    QVERIFY(open(catalogue.bytes()));
    pickCountry(QStringLiteral("Testland"));
    pickEntry(0);
    pickMethod(1);
}

void TestEntryFields::twoFailingFieldsDoNotAlternate()
{
    openOnTestland();
    QLineEdit *iStart = edit(QStringLiteral("TextIndexiStart"));
    QLineEdit *iEnd = edit(QStringLiteral("TextIndexiEnd"));
    iStart->setText(QStringLiteral("0"));
    iEnd->setText(QStringLiteral("999"));
    // A real box takes the window's activation while it is open, and the
    // window gets it back only after the box has closed.
    QWidget box;
    messages.onShow = [&](const RecordingMessages::Shown &) {
        box.show();
        box.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&box));
        box.hide();
    };
    typeAndLeave(iStart->objectName(), QString());
    takeBackActivation();
    QTRY_COMPARE(QApplication::focusWidget(), iStart);
    QCOMPARE(messages.shown.size(), 1);

    // Corrected to 08, the other field is checked when it is left in turn.
    messages.onShow = nullptr;
    typeAndLeave(iStart->objectName(), QStringLiteral("8"));
    QCOMPARE(QApplication::focusWidget(), iEnd);
    QTest::keyClick(iEnd, Qt::Key_Tab);
    QCOMPARE(messages.texts().last(), QStringLiteral("Ending index for I must be smaller than 150, see domain limits"));
    QCOMPARE(messages.shown.last().icon, ui::MessageIcon::Critical);
}

QTEST_MAIN(TestEntryFields)
#include "tst_entryfields.moc"
