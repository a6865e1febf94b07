#include "support/shownwindow.h"

#include <QApplication>
#include <QClipboard>

class TestKeyFilters final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(open()); }
    void keysTypedIntoEachField_data();
    void keysTypedIntoEachField();
    void keysOtherThanCharacters();

private:
    // Shows the panel that holds the field: the index method's, the centre method's or the coordinates'.
    void showPanelOf(const QString &f)
    {
        const bool index = f.startsWith(QLatin1String("TextIndex"));
        const bool centre = f.contains(QLatin1String("EMR")) || f.contains(QLatin1String("Radius"));
        pickMethod(index ? 1 : centre ? 2 : 0);
    }
};

void TestKeyFilters::keysTypedIntoEachField_data()
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
    for (const auto &[fields, after] : kinds) {
        for (const QString &field : QString::fromLatin1(fields).split(u' '))
            QTest::addRow("%s", qPrintable(field)) << field << "" << typed << after << "NNEENE" << field;
    }
    const auto row = [](const char *tag, const char *field, const char *before, const char *typed, const char *after,
                        const char *hemispheres, const char *focus) {
        QTest::newRow(tag) << field << before << typed << after << hemispheres << focus;
    };
    row("minus, seconds", "txtLatS1", "", "-1.5", "-1.5", "NNEENE", "txtLatS1");
    row("minus, index", "TextIndexiStart", "", "-1-2", "12", "NNEENE", "TextIndexiStart");
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

void TestKeyFilters::keysTypedIntoEachField()
{
    QFETCH(QString, field);
    QFETCH(QString, before);
    QFETCH(QString, typed);
    QFETCH(QString, after);
    QFETCH(QString, hemispheres);
    QFETCH(QString, focus);

    showPanelOf(field);
    const ui::Controls c = controls();
    c.setText(field, before);
    c.widget(field)->setFocus();
    QTest::keyClicks(c.widget(field), typed);
    QCOMPARE(c.text(field), after);
    QString lists;
    for (const char *list : {"cboLatLL1", "cboLatLL2", "cboLonLL1", "cboLonLL2", "cboEMRLAT01", "cboEMRLON01"})
        lists += c.text(QLatin1String(list));
    QCOMPARE(lists, hemispheres);
    // The move waits until the key is handled.
    QCOMPARE(QApplication::focusWidget(), c.widget(field));
    QCoreApplication::processEvents();
    QCOMPARE(QApplication::focusWidget(), c.widget(focus));
}

void TestKeyFilters::keysOtherThanCharacters()
{
    QLineEdit *seconds = edit(QStringLiteral("txtLatS1"));
    seconds->clear();
    seconds->setFocus();
    // AltGr arrives as Ctrl+Alt on some platforms: its character is typed, and filtered.
    QTest::keyClick(seconds, Qt::Key_At, Qt::ControlModifier | Qt::AltModifier);
    // A character beyond 255 counts as "?".
    QTest::sendKeyEvent(QTest::Click, seconds, Qt::Key_unknown, QStringLiteral("\u20ac"), Qt::NoModifier);
    QCOMPARE(seconds->text(), QString());
    // Pasting brings any text, also beyond the typing limit.
    QApplication::clipboard()->setText(QStringLiteral("7a.-x12"));
    QTest::keyClick(seconds, Qt::Key_V, Qt::ControlModifier);
    QTest::keyClick(seconds, Qt::Key_Home);
    // Delete carries code 127 as its text on some systems; it is no typed character.
    QTest::sendKeyEvent(QTest::Click, seconds, Qt::Key_Delete, QStringLiteral("\x7f"), Qt::NoModifier);
    QCOMPARE(seconds->text(), QStringLiteral("a.-x12"));
    // The whole text selected, a point still finds one; a digit finds room.
    seconds->selectAll();
    QTest::keyClicks(seconds, QStringLiteral(".3"));
    QCOMPARE(seconds->text(), QStringLiteral("3"));

    edit(QStringLiteral("txtLon2"))->setFocus();
    QTest::keyClick(edit(QStringLiteral("txtLon2")), Qt::Key_Enter, Qt::KeypadModifier);
    QTRY_COMPARE(QApplication::focusWidget(), controls().widget(QStringLiteral("cboLonLL2")));
}

QTEST_MAIN(TestKeyFilters)
#include "tst_keyfilters.moc"
