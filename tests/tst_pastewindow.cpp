// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "support/shownwindow.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>

// Every way of pasting into the entry fields, with the real clipboard.
class TestPasteWindow final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init();
    void pasteGestures_data();
    void pasteGestures();
    void pastedNumbersAgreeEverywhere_data();
    void pastedNumbersAgreeEverywhere();

private:
    void paste(const QString &gesture, QLineEdit *field, const QString &text);
    QString requestValues() const;
    QString subdomain() const;
};

void TestPasteWindow::init()
{
    QVERIFY(open());
    pickFranceDomain7();
    QToolTip::hideText();
}

void TestPasteWindow::paste(const QString &gesture, QLineEdit *field, const QString &text)
{
    QClipboard *clipboard = QApplication::clipboard();
    field->setFocus();
    field->end(false);
    if (gesture == QLatin1String("Ctrl+V") || gesture == QLatin1String("Shift+Insert")) {
        clipboard->setText(text);
        const QKeySequence keys(gesture);
        QTest::keyClick(field, Qt::Key(keys[0].key()), keys[0].keyboardModifiers());
    } else if (gesture == QLatin1String("menu")) {
        clipboard->setText(text);
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field, &event);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        QAction *action = nullptr;
        for (QAction *entry : menu->actions()) {
            if (entry->text().startsWith(QLatin1String("&Paste")))
                action = entry;
        }
        QVERIFY(action && action->isEnabled());
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        QTRY_VERIFY(!QApplication::activePopupWidget());
    } else if (gesture == QLatin1String("middle")) {
        clipboard->setText(text, QClipboard::Selection);
        QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(4, 4));
    } else {
        QMimeData data;
        data.setText(text);
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(field, &drop);
    }
}

void TestPasteWindow::pasteGestures_data()
{
    QTest::addColumn<QString>("gesture");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("names");  // controls looked at afterwards
    QTest::addColumn<QString>("values"); // their texts
    QTest::addColumn<QString>("hint");

    const QString start = QStringLiteral("txtLat1 cboLatLL1 txtLatD1 txtLatM1 txtLatS1 "
                                         "txtLon1 cboLonLL1 txtLonD1 txtLonM1 txtLonS1");
    const QString endLongitude = QStringLiteral("txtLon2 cboLonLL2 txtLonD2 txtLonM2 txtLonS2 txtLat2");
    const auto row = [](const QString &tag, const char *gesture, const char *field, const char *text,
                        const QString &names, const char *values, const char *hint = "") {
        QTest::newRow(qPrintable(tag)) << gesture << field << QString::fromUtf8(text) << names << values << hint;
    };
    for (const char *gesture : {"Ctrl+V", "Shift+Insert", "menu", "middle", "drop"}) {
        const QString tag = QLatin1String(gesture);
        row(tag + ", pair", gesture, "txtLonS1", "48°30'N 9.2W", start, "48.500000 N 48 30 0.00 9.2 W 9 12 0.00");
        row(tag + ", one value", gesture, "txtLon2", "-9.5", endLongitude, "9.5 W 9 30 0.00 51.5");
    }
    // Anything else arrives as it always did: pasted at the end of the text.
    row("no coordinate", "Ctrl+V", "txtLon2", "abc", endLongitude, "9.75abc E 9 45 0.00 51.5",
        "The pasted text was not read as a coordinate for the end longitude.");
    row("a latitude into a longitude", "drop", "txtLon1", "12N", start, "41.0 N 41 0 0.00 5.2512N W 5 15 0.00",
        "The pasted text was not read as a coordinate for the start longitude.");
    // A number in a minutes field is its whole value, taken in at once.
    row("a bare number", "menu", "txtLatM1", "5", start, "41.083333 N 41 5 0.00 5.25 W 5 15 0.00");
}

void TestPasteWindow::pasteGestures()
{
    QFETCH(QString, gesture);
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, names);

    if (gesture == QLatin1String("middle") && !QApplication::clipboard()->supportsSelection())
        QSKIP("This platform keeps no selection to paste with a middle click");
    paste(gesture, edit(field), text);
    if (QTest::currentTestFailed())
        return;
    QTEST(controls().texts(names.split(u' ')).join(u' '), "values");
    QTEST(QToolTip::isVisible() ? QToolTip::text() : QString(), "hint");
    QCOMPARE(messages.texts(), QStringList());
}

// The lines of Copy request that give the values: the method's two lines
// and the values of the control file's lines 7 and 8.
QString TestPasteWindow::requestValues() const
{
    QApplication::clipboard()->clear();
    ui::Controls(window.get()).action(QStringLiteral("mnuCopyRequest"))->trigger();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    return QStringList{lines.value(3), lines.value(4), lines.value(12).section(u' ', 0, 0),
                       lines.value(13).section(u' ', 0, 0)}
        .join(QLatin1String("; "));
}

QString TestPasteWindow::subdomain() const
{
    const MapSubdomain &drawn = controls().get<DomainMap>(QStringLiteral("DomainMap"))->scene().subdomain;
    QStringList numbers;
    for (const double n : {drawn.a.x(), drawn.a.y(), drawn.b.x(), drawn.b.y()})
        numbers << QString::number(n);
    return numbers.join(u' ');
}

namespace {

// A paste into one field and where its value shows afterwards.
struct PasteRow
{
    const char *gesture;
    int method; // position in the method list
    const char *field;
    const char *text;
    const char *values;  // the coordinate's decimal, list, degrees, minutes, seconds; or the index
    const char *request; // as Copy request gives it
    const char *drawn;   // the map's sub-domain
    const char *hint = "";
};

} // namespace

Q_DECLARE_METATYPE(PasteRow)

void TestPasteWindow::pastedNumbersAgreeEverywhere_data()
{
    QTest::addColumn<PasteRow>("row");

    // France, domain 7: 41 N 5.25 W to 51.5 N 9.75 E, I 1-90, J 1-80. How
    // each text reads is the reader's table; here the value reaches the
    // fields, the request and the map alike, or a refusal leaves all three.
    const auto row = [](const char *tag, const PasteRow &r) { QTest::newRow(tag) << r; };
    row("exponent, signed", {"Ctrl+V", 0, "txtLon1", "-1e1", "10 W 10 0 0.00",
                             "Start: 41 N, 10 W; End: 51.5 N, 9.75 E; -10,9.75; 41,51.5", "-10 41 9.75 51.5"});
    row("exponent, end point", {"Ctrl+V", 0, "txtLon2", "-9.5e1", "95 W 95 0 0.00",
                                "Start: 41 N, 5.25 W; End: 51.5 N, 95 W; -95,-5.25; 41,51.5", "-5.25 41 -95 51.5"});
    row("signed degrees", {"Ctrl+V", 0, "txtLatD1", "-48", "48.000000 S 48 0 0.00",
                           "Start: 48 S, 5.25 W; End: 51.5 N, 9.75 E; -5.25,9.75; -48,51.5", "-5.25 -48 9.75 51.5"});
    row("degrees in exponent form",
        {"drop", 0, "txtLonD1", "1.5e2", "150.250000 W 150 15 0.00",
         "Start: 41 N, 150.25 W; End: 51.5 N, 9.75 E; -150.25,9.75; 41,51.5", "-150.25 41 9.75 51.5"});
    row("minutes of 60", {"Ctrl+V", 0, "txtLatM2", "60", "51.5 N 51 30 0.00",
                          "Start: 41 N, 5.25 W; End: 51.5 N, 9.75 E; -5.25,9.75; 41,51.5", "-5.25 41 9.75 51.5",
                          "The pasted text is out of range for the minutes of the end latitude."});
    row("no-break spaces", {"Ctrl+V", 0, "txtLat2", "\u00A012\u202F", "12 N 12 0 0.00",
                            "Start: 41 N, 5.25 W; End: 12 N, 9.75 E; -5.25,9.75; 12,41", "-5.25 41 9.75 12"});
    row("fractional index", {"Ctrl+V", 1, "TextIndexiStart", "2.5", "1", "I from 1 to 90; J from 1 to 80; 1,90; 1,80",
                             "1 1 90 80", "The pasted text is not a whole number for the start index I."});
}

void TestPasteWindow::pastedNumbersAgreeEverywhere()
{
    QFETCH(PasteRow, row);
    const QString field = QLatin1String(row.field);

    if (row.method != 0)
        pickMethod(row.method);
    // A coordinate's fields share its corner's digit and its kind.
    QStringList names{field};
    if (field.startsWith(QLatin1String("txtL"))) {
        const QString kind = field.mid(3, 3);
        const QString corner = field.right(1);
        names = QStringList{"txt" + kind + corner, "cbo" + kind + "LL" + corner, "txt" + kind + "D" + corner,
                            "txt" + kind + "M" + corner, "txt" + kind + "S" + corner};
    }
    paste(QLatin1String(row.gesture), edit(field), QString::fromUtf8(row.text));
    QCOMPARE(controls().texts(names).join(u' '), QLatin1String(row.values));
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), QLatin1String(row.hint));
    QCOMPARE(subdomain(), QLatin1String(row.drawn));
    QCOMPARE(requestValues(), QLatin1String(row.request));
    QCOMPARE(messages.texts(), QStringList());
}

QTEST_MAIN(TestPasteWindow)
#include "tst_pastewindow.moc"
