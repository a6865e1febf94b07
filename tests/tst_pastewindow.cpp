// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "support/shownwindow.h"

#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QToolTip>

// Every way of pasting into the entry fields, with the real clipboard.
class TestPasteWindow final : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init();
    void pastes_data();
    void pastes();

private:
    void paste(const QString &gesture, QLineEdit *field, const QString &text);
    QString requestAndMap() const;
};

void TestPasteWindow::init()
{
    QVERIFY(open());
    pickFranceDomain7();
    QToolTip::hideText();
}

void TestPasteWindow::paste(const QString &gesture, QLineEdit *field, const QString &text)
{
    field->setFocus();
    field->end(false);
    // The text is where the gesture takes it from (a drop brings its own).
    QApplication::clipboard()->setText(gesture == QLatin1String("drop") ? QString() : text,
                                       gesture == QLatin1String("middle") ? QClipboard::Selection
                                                                          : QClipboard::Clipboard);
    if (gesture == QLatin1String("menu")) {
        QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(4, 4), field->mapToGlobal(QPoint(4, 4)));
        QApplication::sendEvent(field, &event);
        QTRY_VERIFY(qobject_cast<QMenu *>(QApplication::activePopupWidget()));
        // Paste, by its underlined letter.
        QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_P);
        QTRY_VERIFY(!QApplication::activePopupWidget());
    } else if (gesture == QLatin1String("middle")) {
        QTest::mouseClick(field, Qt::MiddleButton, {}, QPoint(4, 4));
    } else if (gesture == QLatin1String("drop")) {
        QMimeData data;
        data.setText(text);
        const QPoint at = field->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, {});
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, {});
        for (QEvent *event : std::initializer_list<QEvent *>{&enter, &move, &drop})
            QApplication::sendEvent(field, event);
    } else {
        QTest::keySequence(field, QKeySequence(gesture));
    }
}

// The lines of Copy request that give the values (the method's two lines
// and the values of the control file's lines 7 and 8), then the map's
// sub-domain.
QString TestPasteWindow::requestAndMap() const
{
    QApplication::clipboard()->clear();
    controls().action(QStringLiteral("mnuCopyRequest"))->trigger();
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    const MapSubdomain &drawn = controls().get<DomainMap>(QStringLiteral("DomainMap"))->scene().subdomain;
    return QStringList{lines.value(3), lines.value(4), lines.value(12).section(u' ', 0, 0),
                       lines.value(13).section(u' ', 0, 0),
                       QString::asprintf("%g %g %g %g", drawn.a.x(), drawn.a.y(), drawn.b.x(), drawn.b.y())}
        .join(QLatin1String("; "));
}

namespace {

// A paste into one field and where its value shows afterwards.
struct PasteRow
{
    const char *gesture;
    const char *field;
    const char *text;
    const char *values; // the corner's latitude and longitude: decimal, list, degrees, minutes, seconds; or the index
    const char *hint = "";
    const char *after = ""; // as Copy request and the map give it; not looked at when empty
};

} // namespace

Q_DECLARE_METATYPE(PasteRow)

void TestPasteWindow::pastes_data()
{
    QTest::addColumn<PasteRow>("row");

    // France, domain 7: 41 N 5.25 W to 51.5 N 9.75 E, I 1-90, J 1-80. How
    // each text reads is the reader's table; here each gesture brings one,
    // and the value reaches the fields, the request and the map alike, or a
    // refusal leaves all three.
    const auto row = [](const char *tag, const PasteRow &r) { QTest::newRow(tag) << r; };
    row("Shift+Insert, pair", {"Shift+Insert", "txtLonS1", "48°30'N 9.2E", "48.500000 N 48 30 0.00 9.2 E 9 12 0.00", "",
                               "Start: 48.5 N, 9.2 E; End: 51.5 N, 9.75 E; 9.2,9.75; 48.5,51.5; 9.2 48.5 9.75 51.5"});
    row("middle, one value", {"middle", "txtLon2", "-9.5", "51.5 N 51 30 0.00 9.5 W 9 30 0.00"});
    // Anything else arrives as it always did: pasted at the end of the text.
    row("no coordinate", {"Ctrl+V", "txtLon2", "abc", "51.5 N 51 30 0.00 9.75abc E 9 45 0.00",
                          "The pasted text was not read as a coordinate for the end longitude."});
    row("a latitude into a longitude", {"drop", "txtLon1", "12N", "41.0 N 41 0 0.00 5.2512N W 5 15 0.00",
                                        "The pasted text was not read as a coordinate for the start longitude."});
    // A number in a minutes field is its whole value, taken in at once.
    row("a bare number", {"menu", "txtLatM1", "5", "41.083333 N 41 5 0.00 5.25 W 5 15 0.00"});
    row("signed degrees", {"Ctrl+V", "txtLatD1", "-48", "48.000000 S 48 0 0.00 5.25 W 5 15 0.00", "",
                           "Start: 48 S, 5.25 W; End: 51.5 N, 9.75 E; -5.25,9.75; -48,51.5; -5.25 -48 9.75 51.5"});
    row("degrees in exponent form", {"drop", "txtLonD1", "1.5e2", "41.0 N 41 0 0.00 150.250000 W 150 15 0.00"});
    row("minutes of 60", {"Ctrl+V", "txtLatM2", "60", "51.5 N 51 30 0.00 9.75 E 9 45 0.00",
                          "The pasted text is out of range for the minutes of the end latitude."});
    row("no-break spaces", {"Ctrl+V", "txtLat2", "\u00A012\u202F", "12 N 12 0 0.00 9.75 E 9 45 0.00", "",
                            "Start: 41 N, 5.25 W; End: 12 N, 9.75 E; -5.25,9.75; 12,41; -5.25 41 9.75 12"});
    // The index fields are the second method's.
    row("fractional index",
        {"Ctrl+V", "TextIndexiStart", "2.5", "1", "The pasted text is not a whole number for the start index I.",
         "I from 1 to 90; J from 1 to 80; 1,90; 1,80; 1 1 90 80"});
}

void TestPasteWindow::pastes()
{
    QFETCH(PasteRow, row);
    const QString field = QLatin1String(row.field);
    if (qstrcmp(row.gesture, "middle") == 0 && !QApplication::clipboard()->supportsSelection())
        QSKIP("This platform keeps no selection to paste with a middle click");
    if (field.startsWith(QLatin1String("TextIndex")))
        pickMethod(1);
    // The latitude and longitude of the field's corner, each with its list and parts.
    QStringList names{field};
    if (field.startsWith(QLatin1String("txtL"))) {
        names = QStringList{"txtLat", "cboLatLL", "txtLatD", "txtLatM", "txtLatS",
                            "txtLon", "cboLonLL", "txtLonD", "txtLonM", "txtLonS"};
        names.replaceInStrings(QRegularExpression(QStringLiteral("$")), field.right(1)); // the corner's number
    }
    paste(QLatin1String(row.gesture), edit(field), QString::fromUtf8(row.text));
    QCOMPARE(controls().texts(names).join(u' '), QLatin1String(row.values));
    QCOMPARE(QToolTip::isVisible() ? QToolTip::text() : QString(), QLatin1String(row.hint));
    if (*row.after)
        QCOMPARE(requestAndMap(), QLatin1String(row.after));
    QCOMPARE(messages.texts(), QStringList());
}

QTEST_MAIN(TestPasteWindow)
#include "tst_pastewindow.moc"
