// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/filesizelimit.h"
#include "support/loopbackhttpserver.h"
#include "support/shownwindow.h"
#include "update/downloadscontrol.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QNetworkProxy>
#include <QProgressBar>
#include <QProgressDialog>
#include <QScrollArea>

using namespace std::chrono_literals;

namespace {

const QString Question = QStringLiteral("The version of configuration file you are using is not the latest one, "
                                        "would you like to download the latest update");
const QString NowUpToDate = QStringLiteral("Your configuration file is now up to date");
const QString UpToDate = QStringLiteral("Your configuration file is up to date");
const QString Kept = QStringLiteral("The new configuration file could not be read, so the one in use was kept.");

QByteArray sample()
{
    return TestFolders::readFile(TestFolders::sampleCatalogue());
}

// The sample catalogue with another date, without blanks around its lines
// (as the update writes them) and with a byte above 127 in its title.
QByteArray dated(const QByteArray &date)
{
    return sample()
        .replace("Catalogue date: 20110419", "Catalogue date: " + date)
        .replace("\r\n  number", "\r\nnumber")
        .replace("(sample,", "(Qu\351bec sample,");
}

// One check for an update: what the server sends, what the user sees and
// says. The catalogue is replaced, by the newer one written as the update
// writes it, exactly when the messages end with the one saying so.
struct UpdateRow
{
    QString serve; // how the server answers: "reply", "500", "silent", "cut"...
    QByteArray body;
    QStringList messages;
    QString details; // of the last message
    // The progress bar's maximum (0: busy), Cancel clicked once it shows; -1:
    // no progress dialog shows, -2: not looked at.
    int bar = -1;
    bool local = true; // a catalogue in use
    bool yes = true;   // the answer to the question
};

} // namespace

Q_DECLARE_METATYPE(UpdateRow)

// The catalogue update through the control's link, against a loopback server.
class TestUpdateCheck : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { m_shown.window.reset(); }
    void linkCursor_data();
    void linkCursor();
    void update_data();
    void update();

private:
    LoopbackHttpServer m_server;
    QString m_refusing;
    ShownWindow m_shown;
};

void TestUpdateCheck::initTestCase()
{
    QNetworkProxy::setApplicationProxy(QNetworkProxy::NoProxy);
    QVERIFY(m_server.start());
    m_refusing = LoopbackHttpServer::refusingAddress();
}

void TestUpdateCheck::linkCursor_data()
{
    QTest::addColumn<QString>("file");   // the cursor file given to the control; "system": the one it has
    QTest::addColumn<QPoint>("hotSpot"); // (-1, -1): the pointing hand; (-2, -2): any
    // Windows keeps its link cursor in its cursor folder; elsewhere there is none.
    const bool system = QFileInfo::exists(QStringLiteral("C:/Windows/Cursors/harrow.cur"));
    QTest::newRow("cursor file") << "cursor.cur" << QPoint(3, 5);
    QTest::newRow("no such file") << "missing.cur" << QPoint(-1, -1);
    QTest::newRow("not a cursor") << TestFolders::sampleCatalogue() << QPoint(-1, -1);
    QTest::newRow("the system's") << "system" << (system ? QPoint(-2, -2) : QPoint(-1, -1));
}

// Over the link the pointer is the cursor file's, hot spot included, when the
// file reads as a cursor; the pointing hand otherwise.
void TestUpdateCheck::linkCursor()
{
    QFETCH(QString, file);
    QFETCH(QPoint, hotSpot);
    QVERIFY(m_shown.open());
    auto *control = qobject_cast<DownloadsControl *>(m_shown.controls().widget(QStringLiteral("DownloadsControl1")));
    QVERIFY(control);
    auto *label = ui::Controls(control).get<QLabel>(QStringLiteral("Label1"));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QByteArray cursor;
    QBuffer buffer(&cursor);
    QVERIFY(image.save(&buffer, "ICO"));
    // A cursor file is an icon file of type 2 whose directory entry holds the
    // hot spot, (3, 5) here, where an icon's holds its colour planes and depth.
    cursor.replace(2, 1, "\2").replace(10, 4, QByteArray("\3\0\5\0", 4));
    QTemporaryDir folder;
    TestFolders::writeFile(folder.filePath("cursor.cur"), cursor);
    if (file != "system")
        control->setCursorFile(QDir(folder.path()).filePath(file));
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);

    // The pointer reaches the label where the form's column shows it.
    m_shown.controls().get<QScrollArea>(QStringLiteral("FormScrollArea"))->ensureWidgetVisible(label);
    QTest::mouseMove(label, QPoint(2, 2));
    QTest::mouseMove(label, QPoint(4, 3));
    QCOMPARE(label->cursor().shape(), hotSpot.x() == -1 ? Qt::PointingHandCursor : Qt::BitmapCursor);
    if (hotSpot.x() >= 0)
        QCOMPARE(label->cursor().hotSpot(), hotSpot);
}

void TestUpdateCheck::update_data()
{
    QTest::addColumn<UpdateRow>("first");
    const auto add = [](const char *name, const char *serve, const QByteArray &body, const QStringList &messages,
                        const QString &details = {}, int bar = -1, bool local = true, bool yes = true) {
        QTest::newRow(name) << UpdateRow{serve, body, messages, details, bar, local, yes};
    };

    const QByteArray newer = dated("20110420");
    const QStringList replaced{Question, NowUpToDate};
    add("newer, Yes", "reply", newer, replaced);
    add("blanks around lines", "reply", "  " + QByteArray(newer).replace("\r\n", " \r\n  "), replaced);
    add("no local catalogue", "reply", newer, replaced, {}, -1, false);
    add("newer, No", "reply", newer, {Question}, {}, -1, true, false);
    add("same date", "reply", dated("20110419"), {UpToDate});
    add("older", "reply", dated("20110418"), {UpToDate});

    const QString from = "Error when downloading from " + m_server.baseAddress() + "/quorvantix/tiles_cfg.txt\n";
    const QString failed = from + "Download error. Status: ";
    add("empty body", "reply", {}, {from + "Download did not contain content"});
    // A failure is reported as one even when nothing came with it.
    add("HTTP 500, no body", "500", {}, {failed + "500 Internal Server Error"});
    add("refused", "refused", {}, {QString(failed).replace(m_server.baseAddress(), m_refusing) + "Connection refused"});
    add("no answer", "silent", {}, {failed + "Timed out: the download did not end within 300 milliseconds"});
    add("connection reset after the headers", "cut", newer, {failed + "Connection closed"});
    add("redirect loop", "redirect loop", {}, {failed + "Too many redirects"});
    add("redirect to an address that fails", "redirect, refused", {}, {failed + "Connection refused"});
    const QStringList cancelled{from + "Download cancelled by the user"};
    add("slow, size known, cancelled", "slow, sized", newer, cancelled, {}, int(newer.size() / 1024));
    add("slow, size unknown, cancelled", "slow, unsized", newer, cancelled, {}, 0);
    add("endless", "endless", {}, {failed + "Stopped: the download passed the limit of 64 MB"}, {}, -2);
    // The server compresses the body; the network library unpacks it.
    add("compressed", "compressed", newer, replaced);
    add("compressed, unpacks past the limit", "compressed", QByteArray(80 * 1024 * 1024, ' '),
        {failed + "Stopped: the compressed download could not be unpacked within the limit of 64 MB"});

    const QString unchanged = QStringLiteral("\nYour configuration file was not changed.");
    const QString notADate = QStringLiteral("The date \"%1\" of the downloaded configuration file is not a "
                                            "calendar date (YYYYMMDD).")
                             + unchanged;
    add("no colon", "reply", "Catalogue date 20990101\r\n3\r\n",
        {"The downloaded configuration file does not start with its date (a label, a colon and the date as YYYYMMDD)."
         + unchanged});
    add("30 February", "reply", "Date: 20990230\r\n", {notADate.arg("20990230")});
    // LF-only line ends run the whole catalogue into its first line.
    add("LF line ends", "reply", sample().replace("\r\n", "\n"),
        {notADate.arg("201104193QMT tiled MM5 data catalogue (s...")});
#ifdef Q_OS_UNIX
    add("folder cannot take the file", "disk full", dated("20990101"),
        {Question, "The configuration file " + QDir::toNativeSeparators(m_shown.appFolder.filePath("tiles.cfg"))
                       + " could not be written: File too large" + unchanged});
#endif

    // Read before it replaces the one in use: the reason as details.
    add("skip count not a number", "reply", QByteArray(newer).replace("20110420\r\n3\r\n", "20110420\r\nthree\r\n"),
        {Question, Kept},
        "Config file not valid, please use the hyperlink to downlaod the latest config file on QMT website\n"
        "Reading stopped at line 2 of 520.");
    add("body cut mid-section", "reply", newer.left(newer.indexOf("KEY MM5_D060")), {Question, Kept},
        "Unable to read the config file properly, make sure tiles.cfg  exist in your application folder or "
        "download the latest update fron the QMT website\nInvalid config file format, please downlooad the "
        "latest update from the website\nReading stopped at line 193 of 193.");
    // The newer catalogue without the lines of its country section.
    QByteArray noCountry = newer;
    const qsizetype from5 = noCountry.indexOf("\r\n", noCountry.indexOf("\r\nSection 5") + 2) + 2;
    noCountry.remove(from5, noCountry.indexOf("\r\n999", from5) + 2 - from5);
    add("empty country section", "reply", noCountry, {Question, Kept},
        "It names no country: its country section is empty.");
}

// Afterwards the catalogue file, its date and the countries; a failure
// changes nothing, leaves no other file and does not stand in the way of a
// later update.
void TestUpdateCheck::update()
{
    QFETCH(UpdateRow, first);

    QVERIFY(m_shown.open(first.local ? sample() : QByteArray()));
    const ui::Controls c = m_shown.controls();
    const auto domainsOfFrance = [&] {
        m_shown.pickCountry(QStringLiteral("France"));
        return c.items(QStringLiteral("DomainsAvailableBox"));
    };
    const QStringList countries = c.items(QStringLiteral("CountriesListBox"));
    QCOMPARE(countries.isEmpty(), !first.local);
    const QStringList offered = first.local ? domainsOfFrance() : QStringList();
    auto *control = qobject_cast<DownloadsControl *>(c.widget(QStringLiteral("DownloadsControl1")));
    QVERIFY(control);
    // The control's link, not the window's label of that name.
    auto *label = ui::Controls(control).get<QLabel>(QStringLiteral("Label1"));
    // The hourglass stays while the downloaded catalogue is compared.
    m_shown.messages.onShow = [this](const RecordingMessages::Shown &shown) {
        if (shown.text == Question || shown.text.contains(QStringLiteral("up to date")))
            QCOMPARE(m_shown.pointer.current, ui::MousePointer::Shape::Hourglass);
    };
    // Tried again after a failure, against a good catalogue, the update goes through.
    const UpdateRow later{"reply", dated("20110420"), {Question, NowUpToDate}, {}};
    for (const UpdateRow &row : {first, later}) {
        control->setBaseAddress(row.serve == "refused" ? m_refusing : m_server.baseAddress());
        // Far longer than a quick read, far shorter than a slow one (34 s): only
        // a Cancel that aborts the request ends that in time. The endless body
        // must meet its bound, not the time-out, even on a loaded machine.
        control->setTimeout(row.serve == "silent" ? 300ms : row.serve == "endless" ? 30s : 5s);
        m_shown.messages.clear();
        m_shown.messages.answers = {row.yes ? ui::MessageAnswer::Yes : ui::MessageAnswer::No};
        if (row.serve == "silent")
            m_server.neverAnswer();
        else if (row.serve == "cut")
            m_server.cutHalfway(row.body);
        else if (row.serve.startsWith("redirect"))
            m_server.redirect(row.serve == "redirect loop" ? m_server.baseAddress() + "/quorvantix/tiles_cfg.txt"
                                                           : m_refusing);
        else if (row.serve.startsWith("slow"))
            m_server.trickle(row.body, row.serve == "slow, sized");
        else if (row.serve == "endless")
            m_server.endless();
        else if (row.serve == "compressed")
            m_server.respondCompressed(row.body);
        else
            m_server.respond(row.body, row.serve == "500" ? "500 Internal Server Error" : "200 OK");

        // The progress dialog, modal while it shows, is cancelled when the row asks to.
        int barMaximum = -1;
        QTimer watch;
        connect(&watch, &QTimer::timeout, this, [&] {
            auto *dialog = qobject_cast<QProgressDialog *>(QApplication::activeModalWidget());
            if (!dialog || barMaximum >= 0)
                return;
            barMaximum = ui::Controls(dialog).only<QProgressBar>()->maximum();
            if (row.bar >= 0)
                QTest::mouseClick(ui::Controls(dialog).only<QPushButton>(), Qt::LeftButton);
        });
        watch.start(100);
        m_shown.pointer.changes.clear();
        {
#ifdef Q_OS_UNIX
            const std::optional<FileSizeLimit> limit = row.serve == "disk full"
                                                           ? std::make_optional<FileSizeLimit>(1024)
                                                           : std::nullopt;
#endif
            QTest::mouseClick(label, Qt::LeftButton);
        }

        // The hourglass stands over the link for the whole check.
        QCOMPARE(m_shown.pointer.changes.size(), 2);
        QCOMPARE(m_shown.pointer.changes.first().over, label);
        QCOMPARE(m_shown.pointer.changes.first().shape, ui::MousePointer::Shape::Hourglass);
        QCOMPARE(m_shown.pointer.changes.last().over, label);
        QCOMPARE(m_shown.pointer.changes.last().shape, ui::MousePointer::Shape::Default);
        QCOMPARE(m_shown.messages.texts(), row.messages);
        for (const RecordingMessages::Shown &shown : std::as_const(m_shown.messages.shown)) {
            const bool question = shown.text == Question;
            const bool fine = shown.text == UpToDate || shown.text == NowUpToDate;
            QCOMPARE(shown.title, QStringLiteral("Quorvantix GUI"));
            QCOMPARE(shown.buttons, question ? ui::MessageButtons::YesNo : ui::MessageButtons::Ok);
            QCOMPARE(shown.icon, question ? ui::MessageIcon::None
                                 : fine   ? ui::MessageIcon::Information
                                          : ui::MessageIcon::Critical);
        }
        QCOMPARE(m_shown.messages.shown.last().details, row.details);
        if (row.bar != -2)
            QCOMPARE(barMaximum, row.bar);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        // The text ends with CR LF, so one empty line follows.
        const bool replaced = row.messages.endsWith(NowUpToDate);
        QCOMPARE(TestFolders::readFile(m_shown.appFolder.filePath("tiles.cfg")),
                 replaced ? dated("20110420") + "\r\n" : sample());
        QCOMPARE(c.text(QStringLiteral("ConfigDate")), replaced ? "20 April 2011" : "19 April 2011");
        QCOMPARE(QDir(m_shown.appFolder.path()).entryList(QDir::Files), QStringList{"tiles.cfg"});
        // The same countries and domains, whether the catalogue was read again or not.
        if (row.local) {
            QCOMPARE(c.items(QStringLiteral("CountriesListBox")), countries);
            QCOMPARE(domainsOfFrance(), offered);
        } else {
            QVERIFY(!domainsOfFrance().isEmpty());
        }
        if (replaced)
            break;
    }
}

QTEST_MAIN(TestUpdateCheck)
#include "tst_updatecheck.moc"
