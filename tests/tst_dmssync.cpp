#include "support/shownwindow.h"

#include <QApplication>
#include <QMenu>

class TestDmsSync final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    // Number texts are the same under any locale: every case runs under a
    // German one, whose decimal separator is a comma.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German)); }
    void init() { QVERIFY(open()); }
    void enteredNumbersRewriteTheCoordinate_data();
    void enteredNumbersRewriteTheCoordinate();
    void onlyTheUserLeavingAFieldCounts();

private:
    // The decimal, degrees, minutes and seconds fields of the coordinate that
    // holds the field: "txtLatM1" belongs to txtLat1, txtLatD1, txtLatM1, txtLatS1.
    static QStringList coordinateOf(const QString &field)
    {
        const QString kind = field.left(6), point = field.right(1);
        return {kind + point, kind + u'D' + point, kind + u'M' + point, kind + u'S' + point};
    }
    QStringList texts(const QStringList &fields) const
    {
        QStringList result;
        for (const QString &field : fields)
            result << controls().text(field);
        return result;
    }
};

void TestDmsSync::enteredNumbersRewriteTheCoordinate_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("written"); // decimal, degrees... texts, once the typed field is emptied
    QTest::addColumn<QString>("typed");       // at the end of the field's text, then Tab
    QTest::addColumn<QStringList>("after");   // decimal, degrees, minutes, seconds

    const auto row = [](const char *tag, const char *field, const QStringList &written, const char *typed,
                        const QStringList &after) { QTest::newRow(tag) << field << written << typed << after; };
    // Decimal texts, rewritten into degrees, minutes and seconds as they are typed.
    row("45.5", "txtLat1", {}, "45.5", {"45.5", "45", "30", "0.00"});
    row("10.1, seconds carried", "txtLat1", {}, "10.1", {"10.1", "10", "6", "0.00"});
    row("leading point", "txtLon2", {}, ".5", {".5", "0", "30", "0.00"});
    row("emptied counts as 0", "txtLat1", {}, "4\b", {"", "0", "0", "0.00"});
    row("90 at the start", "txtLat1", {}, "90", {"90.000000", "90", "0", "0.00"});
    row("200 at the start", "txtLon1", {}, "200", {"180.000000", "180", "0", "0.00"});
    row("95 at the end", "txtLat2", {}, "95", {"95", "95", "0", "0.00"});
    row("95.99999999 at the end", "txtLat2", {}, "95.99999999", {"95.99999999", "90", "0", "0.00"});
    row("beyond 32 bits", "txtLon2", {}, "12345678901234.5", {"12345678901234.5", "2147483647", "30", "0.00"});
    row("beyond 32 bits, carried", "txtLon2", {}, "2147483648.999999", {"2147483648.999999", "180", "0", "0.00"});
    // Pasted texts.
    row("negative", "txtLat1", {"-95"}, "", {"-95", "95", "0", "0.00"});
    row("letters", "txtLat1", {"abc"}, "", {"abc", "45", "00", "0.00"});
    row("exponent", "txtLon2", {"1e2"}, "", {"1e2", "95", "00", "0.00"});
    row("beyond a double", "txtLat2", {QString(400, u'9')}, "", {QString(400, u'9'), "45", "00", "0.00"});
    // Degrees, minutes and seconds, read into the decimal text when the field is left.
    row("45 30 59.99", "txtLatS1", {"", "45", "30"}, "59.99", {"45.516664", "45", "31", "0.00"});
    row("minutes 75", "txtLatM1", {"", "10"}, "75", {"10.983333", "10", "59", "0.00"});
    row("minutes 75 left alone by the degrees", "txtLatD1", {"", "10", "75"}, "", {"11.250000", "11", "15", "0.00"});
    row("degrees 90 minutes 30, start", "txtLatS1", {"", "90", "30"}, "12", {"90.000000", "90", "0", "0.00"});
    row("degrees 90 minutes 30, end", "txtLatS2", {"", "90", "30"}, "12", {"90.500000", "90", "30", "0.00"});
    row("degrees 95", "txtLatD2", {}, "95", {"90.000000", "90", "0", "0.00"});
    row("longitude degrees 1234", "txtLonD1", {}, "1234", {"123.000000", "123", "0", "0.00"});
    row("written degrees 150", "txtLatM2", {"", "150"}, "0", {"15.000000", "15", "0", "0.00"});
    row("seconds 123456", "txtLonS1", {"", "10", "0"}, "123456", {"10.016664", "10", "1", "0.00"});
    row("empty fields", "txtLonM2", {"", "", "", ""}, "", {"0.000000", "0", "0", "0.00"});
    row("lone point in seconds", "txtLatS1", {"", "45", "30"}, ".", {"", "45", "30", "."});
    row("letters in degrees", "txtLonM1", {"", "ab", "30"}, "", {"", "ab", "30", "0.00"});
}

void TestDmsSync::enteredNumbersRewriteTheCoordinate()
{
    QFETCH(QString, field);
    QFETCH(QStringList, written);
    QFETCH(QString, typed);
    QFETCH(QStringList, after);

    const QStringList coordinate = coordinateOf(field);
    edit(field)->clear();
    for (int i = 0; i < written.size(); ++i)
        edit(coordinate.at(i))->setText(written.at(i));
    typeAndLeave(field, typed);
    QCOMPARE(texts(coordinate), after);
}

void TestDmsSync::onlyTheUserLeavingAFieldCounts()
{
    const QStringList coordinate = coordinateOf(QStringLiteral("txtLatM1"));
    edit(QStringLiteral("txtLatM1"))->setText(QStringLiteral("75"));
    edit(QStringLiteral("txtLatM1"))->setFocus();

    // A popup or another window taking the focus is not the user leaving the field.
    QMenu popup;
    popup.popup(QPoint());
    QTRY_VERIFY(QApplication::activePopupWidget());
    popup.close();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_COMPARE(QApplication::focusWidget(), edit(QStringLiteral("txtLatM1")));
    QCOMPARE(texts(coordinate), (QStringList{"", "45", "75", "0.00"}));

    QTest::mouseClick(edit(QStringLiteral("txtLat2")), Qt::LeftButton);
    QCOMPARE(texts(coordinate), (QStringList{"45.983333", "45", "59", "0.00"}));
}

QTEST_MAIN(TestDmsSync)
#include "tst_dmssync.moc"
