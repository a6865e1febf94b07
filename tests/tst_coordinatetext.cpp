// SPDX-License-Identifier: GPL-3.0-or-later
#include "entry/coordinatetext.h"
#include "entry/pastedtext.h"

#include <QTest>

using CoordinateText::Axis;

class TestCoordinateText final : public QObject
{
    Q_OBJECT

private slots:
    void readsCommonForms_data();
    void readsCommonForms();
    void pasteIntoAField_data();
    void pasteIntoAField();
};

void TestCoordinateText::readsCommonForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kind");     // "lat", "lon" or "any" for one value, "pair", or "" for none
    QTest::addColumn<double>("first");     // the value, or the pair's latitude
    QTest::addColumn<double>("second");    // the pair's longitude, or 0
    QTest::addColumn<bool>("sexagesimal"); // of the value or the latitude

    const auto row = [](const char *text, const char *kind, double first, double second = 0, bool sexagesimal = false) {
        QTest::newRow(text) << QString::fromUtf8(text) << kind << first << second << sexagesimal;
    };

    // Decimal values with a letter after or in front ("9.5W", "9.2E 48.5N"), a
    // lone signed number, degrees with marks and a letter after, "48.5, 9.2"
    // and "-33.9 151.2" are read by the paste table below.
    row("  9.5 e\n", "lon", 9.5);
    row("+120", "any", 120);
    row("50 30 15.5 N", "lat", 50 + 30 / 60.0 + 15.5 / 3600.0, 0, true);
    row("50d30m15sS", "lat", -(50 + 30 / 60.0 + 15 / 3600.0), 0, true);
    row("S 50\u00B0 30\u2032 15\u2033", "lat", -(50 + 30 / 60.0 + 15 / 3600.0), 0, true);
    row("50º30''", "any", 50 + 30 / 3600.0, 0, true);
    row("50 30.25N", "lat", 50 + 30.25 / 60.0, 0, true);
    row("90N", "lat", 90);
    // An exponent; zero-width spaces, byte order marks and direction marks
    // dropped, a no-break space a blank.
    row("\u200E\u200B-9.5e1\uFEFF\u200F\u00A0", "any", -95);

    row("48, 9", "pair", 48, 9);
    row("48°30' 9°12'", "pair", 48.5, 9.2, true);
    row("N 48.5 W 9.2", "pair", 48.5, -9.2);
    row("48 30 N; 9 12 E", "pair", 48.5, 9.2, true);
    row("48.5N 9.2", "pair", 48.5, 9.2);

    // Hemisphere letters that clash or stand alone, values out of range, parts
    // in the wrong place or form, a decimal comma.
    for (const char *text :
         {"",        "News",    "48.5N 9.2S", "N 48.5 S", "-9.5W",     "50 60 N", "50°30'60\"", "91N",
          "91, 9.2", "90°30'N", "181E",       "181",      "50.5 30 N", "30'N",    "50 30 15",   "1, 2, 3",
          "48.5,",   "48,5",    "N",          "1e5",      "50 -30 N",  ".",       "48\u200B.5", "1e400"})
        QTest::addRow("none: %s", text) << QString::fromUtf8(text) << "" << 0.0 << 0.0 << false;
}

void TestCoordinateText::readsCommonForms()
{
    QFETCH(QString, text);
    QFETCH(QString, kind);

    const std::optional<CoordinateText::Reading> reading = CoordinateText::read(text);
    QCOMPARE(reading.has_value(), !kind.isEmpty());
    if (!reading)
        return;
    QCOMPARE(reading->isPair, kind == u"pair");
    const CoordinateText::Coordinate &value = reading->isPair ? reading->latitude : reading->single;
    QTEST(value.degrees, "first");
    QTEST(reading->isPair ? reading->longitude.degrees : 0.0, "second");
    QTEST(value.sexagesimal, "sexagesimal");
    QCOMPARE(value.axis, kind == u"lon" ? Axis::Longitude : kind == u"any" ? Axis::Unknown : Axis::Latitude);
    if (!reading->isPair)
        QCOMPARE(value.plain, kind == u"any" && !value.sexagesimal);
}

void TestCoordinateText::pasteIntoAField_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("writes"); // "field text list letter", joined by "; "; or "refused"
    QTest::addColumn<QString>("hint");

    const auto row = [](const char *field, const char *text, const char *writes, const char *hint = "") {
        QTest::addRow("%s %s", field, text) << field << QString::fromUtf8(text) << writes << hint;
    };
    row("txtLat1", "48.5, 9.2", "txtLat1 48.5 cboLatLL1 N; txtLon1 9.2 cboLonLL1 E");
    row("txtLonS2", "9.2E 48.5N", "txtLat2 48.5 cboLatLL2 N; txtLon2 9.2 cboLonLL2 E");
    row("txtEMRLON01", "-33.9 151.2", "txtEMRLAT01 33.9 cboEMRLAT01 S; txtEMRLON01 151.2 cboEMRLON01 E");
    row("txtLon1", "9.5W", "txtLon1 9.5 cboLonLL1 W");
    row("txtLon1", "-9.5", "txtLon1 9.5 cboLonLL1 W");
    row("txtLatM1", "50°30'15\"S", "txtLat1 50.504167 cboLatLL1 S");
    row("txtEMRLAT01", "50 30 N", "txtEMRLAT01 50.500000 cboEMRLAT01 N");
    // Digits are pasted as typing would bring them; a number in another form
    // is written as typing would leave it.
    row("txtLat1", "9.5", "");
    row("txtLon2", "1.5E1", "txtLon2 15 cboLonLL2 ");
    row("txtLonS1", "1.5e1", "txtLonS1 15.00 cboLonLL1 ");
    row("txtLonD2", "-9", "txtLonD2 9 cboLonLL2 W");
    row("TextIndexiStart", "\u00A012 ", "TextIndexiStart 12  ");
    // A number the field does not take is refused.
    row("txtLat1", "120", "refused", "The pasted text is out of range for the start latitude.");
    row("txtLon1", "-1e3", "refused", "The pasted text is out of range for the start longitude.");
    row("txtLonS1", "123456", "refused", "The pasted text is out of range for the seconds of the start longitude.");
    row("txtLatD1", "95", "refused", "The pasted text is out of range for the degrees of the start latitude.");
    row("txtLatM2", "-5", "refused", "The pasted text is out of range for the minutes of the end latitude.");
    row("txtLatD1", "4.5", "refused", "The pasted text is not a whole number for the degrees of the start latitude.");
    row("TextIndexjEnd", "1.5", "refused", "The pasted text is not a whole number for the end index J.");
    // Anything else is pasted as it is, with a hint naming the field.
    row("txtLat1", "9.5W", "", "The pasted text was not read as a coordinate for the start latitude.");
    row("txtLonD2", "abc", "", "The pasted text was not read as a coordinate for the degrees of the end longitude.");
    row("TextIndexiStart", "12", "");
    row("TextIndexiEnd", "1x", "", "The pasted text is not a whole number for the end index I.");
    row("txtRadius1", "abc", "");
}

void TestCoordinateText::pasteIntoAField()
{
    QFETCH(QString, field);
    QFETCH(QString, text);

    const PastedText::Outcome outcome = PastedText::paste(field, text);
    QStringList written;
    for (const PastedText::Write &w : outcome.writes)
        written << QStringList{w.field, w.text, w.hemisphereList, w.letter}.join(u' ');
    if (outcome.refused)
        written << QStringLiteral("refused");
    QTEST(written.join(QLatin1String("; ")), "writes");
    QTEST(outcome.hint, "hint");
}

QTEST_GUILESS_MAIN(TestCoordinateText)
#include "tst_coordinatetext.moc"
