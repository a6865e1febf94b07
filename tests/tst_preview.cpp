// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "run/recentrequests.h"
#include "support/engineprocesses.h"
#include "support/shownwindow.h"

#include <QSettings>

// The live tile count with the stand-in engine: what the label and the map
// show after a change, that a change ends the preview before it, that the
// working folder and the run's controls stay as they were, and that
// previews go off by the menu, after a slow engine and without an engine.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path()); }
    void cleanup();
    void countAfterChange_data();
    void countAfterChange();
    void changeEndsPreview();
    void switchedOff_data();
    void switchedOff();

private:
    // Opens a new window, with no recent requests, the stand-in engine (or
    // none) and France's domain 7, in the suite's own working folder.
    void open(bool engine = true);
    // Enters the indices I from, I to, J from and J to.
    void enterIndices(const QStringList &values);
    QString label() const { return m_shown->controls().text(QStringLiteral("TilesPreviewLabel")); }
    QStringList engines() const { return EngineProcesses::running(m_shown->appFolder.path()); }

    QTemporaryDir m_settings;
    std::unique_ptr<ShownWindow> m_shown;
    QTemporaryDir m_work;
};

void TestPreview::cleanup()
{
    m_shown.reset();
    QDir::setCurrent(QDir::tempPath());
    qunsetenv("QUORVANTIX_ENGINE_TEST_DELAY_MS");
}

void TestPreview::open(bool engine)
{
    QFile::remove(RecentRequests::settingsPath());
    m_shown = std::make_unique<ShownWindow>();
    QVERIFY(!engine
            || QFile::copy(TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe"),
                           m_shown->appFolder.filePath("Quorvantix.exe")));
    QVERIFY(QDir::setCurrent(m_work.path()));
    QVERIFY(m_shown->open());
    m_shown->pickFranceDomain7();
    m_shown->pickMethod(1);
}

void TestPreview::enterIndices(const QStringList &values)
{
    const QStringList names{"TextIndexiStart", "TextIndexiEnd", "TextIndexjStart", "TextIndexjEnd"};
    for (int i = 0; i < names.size(); ++i)
        m_shown->controls().setText(names[i], values[i]);
}

void TestPreview::countAfterChange_data()
{
    QTest::addColumn<QStringList>("indices");
    QTest::addColumn<QString>("shown"); // the label's text, or how it begins
    QTest::addColumn<int>("cells");     // the tiles drawn as previewed

    // Domain 7's grid is I 1-90, J 1-80, in tiles of 20 x 20 cells.
    QTest::newRow("four tiles") << QStringList{"10", "40", "5", "25"} << "4 tiles" << 4;
    QTest::newRow("one tile") << QStringList{"1", "5", "1", "5"} << "1 tile" << 1;
    QTest::newRow("engine's reason") << QStringList{"10", "95", "5", "25"} << "ERROR: the I/J range 10-95" << 0;
    QTest::newRow("refused, nothing to preview") << QStringList{"40", "10", "5", "25"} << "" << 0;
}

// The count comes after a change; the working folder gets no file, and the
// run's list, count, order text, button, pointer and recent requests stay.
void TestPreview::countAfterChange()
{
    QFETCH(QStringList, indices);
    QFETCH(QString, shown);
    QFETCH(int, cells);
    open();
    const ui::Controls c = m_shown->controls();
    const QStringList before = c.texts({"TilesCountLabel", "WarningLabel"}) + c.items("TilesListBox");
    enterIndices(indices);
    if (shown.isEmpty())
        QTest::qWait(600); // an empty label is no proof until a preview would have come
    QTRY_VERIFY2(shown.isEmpty() ? label().isEmpty() : label().startsWith(shown), qPrintable(label()));
    QCOMPARE(m_shown->window->findChild<DomainMap *>()->scene().preview.size(), cells);
    QCOMPARE(QDir(m_work.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(c.texts({"TilesCountLabel", "WarningLabel"}) + c.items("TilesListBox"), before);
    QVERIFY(!c.widget("ShowFileButton")->isEnabled());
    QVERIFY(m_shown->pointer.changes.isEmpty());
    QVERIFY(m_shown->messages.shown.isEmpty());
    QSettings settings(RecentRequests::settingsPath(), QSettings::IniFormat);
    QVERIFY(RecentRequests::load(settings).isEmpty());
}

// A change while a slow preview runs ends its engine; the count shown is the
// later request's, and no engine is left.
void TestPreview::changeEndsPreview()
{
    qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", "900");
    open();
    enterIndices({"10", "40", "5", "25"});
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
    QTRY_COMPARE(engines().size(), 1);
#endif
    const QString first = engines().value(0);
    QTest::keyClick(m_shown->edit(QStringLiteral("TextIndexjEnd")), Qt::Key_Backspace);
    // Gone long before its 900 ms are over.
    QTRY_VERIFY_WITH_TIMEOUT(!engines().contains(first), 400);
    QTest::keyClick(m_shown->edit(QStringLiteral("TextIndexjEnd")), Qt::Key_0);
    QTRY_COMPARE_WITH_TIMEOUT(label(), QStringLiteral("2 tiles"), 3000);
    QTRY_COMPARE(engines(), QStringList());
    QVERIFY(m_shown->controls().action(QStringLiteral("mnuLiveTileCount"))->isChecked());
}

void TestPreview::switchedOff_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("note");

    const auto row = [](const char *how, const char *note) { QTest::newRow(how) << QString(how) << QString(note); };
    row("menu", "");
    row("slow", "Live tile count is off: the engine took longer than 2 s.");
    row("missing", "Live tile count is off: the Quorvantix executable is missing.");
}

// Off, a change runs no engine and the label keeps its note; the menu's
// choice is remembered in the next session, the session's switching off is
// not.
void TestPreview::switchedOff()
{
    QFETCH(QString, how);
    QFETCH(QString, note);
    if (how == "slow")
        qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", "4000");
    open(how != "missing");
    QAction *live = m_shown->controls().action(QStringLiteral("mnuLiveTileCount"));
    if (how == "menu")
        live->trigger();
    enterIndices({"10", "40", "5", "25"});
    QTRY_COMPARE_WITH_TIMEOUT(label(), note, 4000);
    QVERIFY(!live->isChecked());
    QTRY_COMPARE(engines(), QStringList());
    enterIndices({"1", "5", "1", "5"});
    QTest::qWait(600);
    QCOMPARE(label(), note);
    QCOMPARE(engines(), QStringList());

    QVERIFY(m_shown->open());
    QCOMPARE(m_shown->controls().action(QStringLiteral("mnuLiveTileCount"))->isChecked(), how != "menu");
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
