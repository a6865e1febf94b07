// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/shownwindow.h"

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

private:
    void paste(const QString &gesture, QLineEdit *field, const QString &text);
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
    row("a bare number", "menu", "txtLatM1", "5", start, "41.0 N 41 05 0.00 5.25 W 5 15 0.00");
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

QTEST_MAIN(TestPasteWindow)
#include "tst_pastewindow.moc"
