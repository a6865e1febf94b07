// SPDX-License-Identifier: GPL-3.0-or-later
#include "run/controlfilereader.h"
#include "run/recentrequests.h"
#include "run/requesttext.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestRequests final : public QObject
{
    Q_OBJECT

private slots:
    void controlFileReadsBack_data();
    void controlFileReadsBack();
    void requestInWords_data();
    void requestInWords();
    void recentRequestsKeepTheLastTen();
};

void TestRequests::controlFileReadsBack_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<LimitArray>("limits");
    QTest::addColumn<int>("line"); // replaced by `text`; 0 keeps the file as written
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("badLine"); // the line named as not reading; 0 when it reads
    QTest::addColumn<QStringList>("entries");

    const QStringList box = {"30", "N", "80", "W", "40.25", "N", "70", "W"};
    const QStringList south = {"20", "S", "0.5", "W", "10", "S", "179.999999", "E"};
    const QStringList indices = {"10", "40", "5", "25"};
    const QStringList centre = {"45.5", "N", "73.25", "W", "150"};
    const auto row = [](const char *tag, int method, LimitArray limits, int line, const char *text, int badLine,
                        const QStringList &entries = {}) {
        QTest::newRow(tag) << method << limits << line << QString::fromLatin1(text) << badLine << entries;
    };
    row("box", 1, {0, 30, 40.25, -80, -70}, 0, "", 0, box);
    row("box in the south, across the meridian", 1, {0, -20, -10, -0.5, 179.999999}, 0, "", 0, south);
    row("indices", 2, {0, 10, 40, 5, 25}, 0, "", 0, indices);
    row("centre", 3, {0, 45.5, -73.25, 150, 0}, 0, "", 0, centre);
    row("other blanks and comments", 2, {0, 10, 40, 5, 25}, 7, " 10 , 40 !i", 0, indices);
    row("region with leading zeros", 2, {0, 10, 40, 5, 25}, 4, "007 ! region", 0, indices);

    row("another title", 2, {0, 10, 40, 5, 25}, 1, "Hello", 1);
    row("another list file", 2, {0, 10, 40, 5, 25}, 2, "other.lst ! List file", 2);
    row("region no number", 2, {0, 10, 40, 5, 25}, 4, "x7       ! MM5 region ID", 4);
    row("year of two digits", 2, {0, 10, 40, 5, 25}, 5, "01      ! Year", 5);
    row("method 4", 2, {0, 10, 40, 5, 25}, 6, "4       ! Method", 6);
    row("one index on line 7", 2, {0, 10, 40, 5, 25}, 7, "10       ! Beg/End", 7);
    row("index with a fraction", 2, {0, 10, 40, 5, 25}, 8, "5,25.5       ! Beg/End", 8);
    row("index beyond 16 bits", 2, {0, 10, 40, 5, 25}, 7, "10,40000", 7);
    row("latitude 91", 1, {0, 30, 40, -80, -70}, 8, "30,91       ! lat", 8);
    row("longitude 181", 1, {0, 30, 40, -80, -70}, 7, "-181,-70       ! lon", 7);
    row("two radii", 3, {0, 45.5, -73.25, 150, 0}, 8, "150,2   ! range", 8);
    row("negative radius", 3, {0, 45.5, -73.25, 150, 0}, 8, "-150   ! range", 8);
    row("twelfth line changed", 2, {0, 10, 40, 5, 25}, 12, "2       ! Operating System", 12);
    row("a thirteenth line", 2, {0, 10, 40, 5, 25}, 13, "more", 13);
    row("ends early", 2, {0, 10, 40, 5, 25}, -6, "", 7);
}

void TestRequests::controlFileReadsBack()
{
    QFETCH(int, method);
    QFETCH(LimitArray, limits);
    QFETCH(int, line);
    QFETCH(QString, text);
    QFETCH(int, badLine);

    const QStringList written = ControlFileLines(QStringLiteral("7"), QStringLiteral("2001"), CoordinateMethod(method),
                                                 limits);
    QStringList lines = written;
    if (line > lines.size())
        lines << text;
    else if (line > 0)
        lines[line - 1] = text;
    else if (line < 0)
        lines = lines.mid(0, lines.size() + line);
    // LF alone ends the lines of a file that travelled.
    const QByteArray bytes = line == 7 ? lines.join(u'\n').toLatin1() : ControlFileBytes(lines);

    const ControlFileReading reading = ReadControlFile(bytes);
    QCOMPARE(reading.request.has_value(), badLine == 0);
    if (!reading.request) {
        QCOMPARE(reading.problem.line, badLine);
        QCOMPARE(reading.problem.text, lines.value(badLine - 1));
        QVERIFY(ControlFileProblemText(QStringLiteral("x.inp"), reading.problem)
                    .contains(QStringLiteral("Line %1 does not read").arg(badLine)));
        return;
    }
    const ControlFileRequest &request = *reading.request;
    QCOMPARE(request.region, QStringLiteral("7"));
    QTEST(TileRequests::entriesFromLimits(request.selectionMethod, request.limits), "entries");
    // Written again, the request gives the very lines the program wrote.
    QCOMPARE(ControlFileLines(request.region, request.year, request.selectionMethod, request.limits), written);
}

void TestRequests::requestInWords_data()
{
    QTest::addColumn<TileRequest>("request");
    QTest::addColumn<QString>("shortName");
    QTest::addColumn<QString>("values"); // the lines of the readable text after the method

    using enum CoordinateMethod;
    const auto row = [](const char *tag, const TileRequest &request, const char *shortName, const char *values) {
        QTest::newRow(tag) << request << shortName << values;
    };
    row("box", {"Canada", "7", "2001", LatLonBox, {"45.500000", "N", "73.25", "W", "50", "N", "70", "W"}},
        "Canada, domain 7, 2001: 45.5N 73.25W to 50N 70W", "Start: 45.5 N, 73.25 W\nEnd: 50 N, 70 W\n");
    row("indices", {"Peru", "12", "2005", Indices, {"10", "40", "5", "25"}}, "Peru, domain 12, 2005: I 10-40, J 5-25",
        "I from 10 to 40\nJ from 5 to 25\n");
    row("centre", {"Chile", "3", "2010", CentreRadius, {"33.9", "S", "70.6", "W", "150.0"}},
        "Chile, domain 3, 2010: 33.9S 70.6W, 150 km", "Center: 33.9 S, 70.6 W\nRadius: 150 km\n");
    // A signed text is read as the control file reads it: its sign turns the letter.
    row("signed texts", {"Chile", "3", "2010", LatLonBox, {"-33.9", "N", "-1e1", "W", "0", "S", "x", "E"}},
        "Chile, domain 3, 2010: 33.9S 10E to 0S xE", "Start: 33.9 S, 10 E\nEnd: 0 S, x E\n");
}

void TestRequests::requestInWords()
{
    QFETCH(TileRequest, request);
    QFETCH(QString, values);

    QTEST(RequestText::shortName(request), "shortName");
    const QStringList control = {QStringLiteral("line 1"), QStringLiteral("line 2")};
    const QString head = QStringLiteral("Country: %1\nDomain %2, year %3, resolution 12 km\nMethod: ")
                             .arg(request.country, request.region, request.year);
    const QString text = RequestText::readable(request, QStringLiteral("12"), control);
    QVERIFY2(text.startsWith(head), qPrintable(text));
    QVERIFY2(text.endsWith(u'\n' + values + QStringLiteral("\nline 1\nline 2\n")), qPrintable(text));
}

void TestRequests::recentRequestsKeepTheLastTen()
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("settings.ini"));
    const auto request = [](int n) {
        return TileRequest{
            "Peru", QString::number(n), "2005", CoordinateMethod::Indices, {"10", "40", "5", QString::number(20 + n)}};
    };
    {
        QSettings settings(path, QSettings::IniFormat);
        for (int n = 1; n <= 12; ++n)
            RecentRequests::remember(settings, request(n));
        RecentRequests::remember(settings, request(5));
    }
    QSettings settings(path, QSettings::IniFormat);
    const QList<TileRequest> kept = RecentRequests::load(settings);
    QList<TileRequest> expected = {request(5)};
    for (int n = 12; n >= 3; --n) {
        if (n != 5)
            expected << request(n);
    }
    QCOMPARE(kept, expected);
}

QTEST_GUILESS_MAIN(TestRequests)
#include "tst_requests.moc"
