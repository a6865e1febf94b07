// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "run/recentrequests.h"
#include "support/engineprocesses.h"
#include "support/shownwindow.h"

#include <QSettings>

namespace {

void setSwitch(const char *name, int value)
{
    if (value > 0)
        qputenv(name, QByteArray::number(value));
    else
        qunsetenv(name);
}

} // namespace

// The live tile count with the stand-in engine: what the label and the map
// show after a change, that a change ends the preview before it, that the
// working folder and the run's controls stay as they were, and that
// previews go off by the menu, after a slow engine and without an engine.
class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_settings.path()); }
    void init();
    void cleanup();
    void countAfterChange_data();
    void countAfterChange();
    void changeEndsPreview();
    void switchedOff_data();
    void switchedOff();

private:
    // Opens the window with the stand-in engine (or none) and France's domain 7.
    void open(bool engine = true);
    // Picks the indices and types the entries, the last one key by key.
    void typeIndices(const QString &iStart, const QString &iEnd, const QString &jStart, const QString &jEnd);
    QString label() const { return m_shown->controls().text(QStringLiteral("TilesPreviewLabel")); }

    QTemporaryDir m_settings;
    std::unique_ptr<ShownWindow> m_shown;
    std::unique_ptr<QTemporaryDir> m_work;
};

void TestPreview::init()
{
    QFile::remove(RecentRequests::settingsPath());
    m_shown = std::make_unique<ShownWindow>();
    m_work = std::make_unique<QTemporaryDir>();
}

void TestPreview::cleanup()
{
    m_shown.reset();
    QDir::setCurrent(QDir::tempPath());
    m_work.reset();
    qunsetenv("QUORVANTIX_ENGINE_TEST_DELAY_MS");
}

void TestPreview::open(bool engine)
{
    QVERIFY(!engine
            || QFile::copy(TestFolders::buildAppFolder() + QStringLiteral("/Quorvantix.exe"),
                           m_shown->appFolder.filePath("Quorvantix.exe")));
    QVERIFY(QDir::setCurrent(m_work->path()));
    QVERIFY(m_shown->open());
    m_shown->pickFranceDomain7();
    m_shown->pickMethod(1);
}

void TestPreview::typeIndices(const QString &iStart, const QString &iEnd, const QString &jStart, const QString &jEnd)
{
    const ui::Controls c = m_shown->controls();
    c.setText(QStringLiteral("TextIndexiStart"), iStart);
    c.setText(QStringLiteral("TextIndexiEnd"), iEnd);
    c.setText(QStringLiteral("TextIndexjStart"), jStart);
    QLineEdit *last = m_shown->edit(QStringLiteral("TextIndexjEnd"));
    last->clear();
    last->setFocus();
    QTest::keyClicks(last, jEnd);
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
    const QStringList runControls{"TilesCountLabel", "WarningLabel"};
    const QStringList before = c.texts(runControls);
    typeIndices(indices[0], indices[1], indices[2], indices[3]);
    if (shown.isEmpty()) {
        QTest::qWait(600);
        QCOMPARE(label(), QString());
    } else {
        QTRY_VERIFY2(label().startsWith(shown), qPrintable(label()));
    }
    QCOMPARE(m_shown->window->findChild<DomainMap *>()->scene().preview.size(), cells);
    QCOMPARE(QDir(m_work->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
    QCOMPARE(c.texts(runControls), before);
    QCOMPARE(c.listWidget("TilesListBox")->count(), 0);
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
    setSwitch("QUORVANTIX_ENGINE_TEST_DELAY_MS", 900);
    open();
    typeIndices("10", "40", "5", "25");
    const QString folder = m_shown->appFolder.path();
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
    QTRY_COMPARE(EngineProcesses::running(folder).size(), 1);
    const QString first = EngineProcesses::running(folder).first();
#endif
    QTest::keyClick(m_shown->edit(QStringLiteral("TextIndexjEnd")), Qt::Key_Backspace);
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
    // Gone long before its 900 ms are over.
    QTRY_VERIFY_WITH_TIMEOUT(!EngineProcesses::running(folder).contains(first), 400);
#endif
    QTest::keyClick(m_shown->edit(QStringLiteral("TextIndexjEnd")), Qt::Key_0);
    QTRY_COMPARE_WITH_TIMEOUT(label(), QStringLiteral("2 tiles"), 3000);
#if defined(Q_OS_LINUX) || defined(Q_OS_WIN)
    QTRY_COMPARE(EngineProcesses::running(folder), QStringList());
#endif
    QVERIFY(m_shown->controls().action(QStringLiteral("mnuLiveTileCount"))->isChecked());
}

void TestPreview::switchedOff_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("note");
    QTest::addColumn<bool>("remembered"); // the menu's check in the next session

    QTest::newRow("by the menu") << "menu"
                                 << "" << false;
    QTest::newRow("slow engine") << "slow"
                                 << "Live tile count is off: the engine took longer than 2 s." << true;
    QTest::newRow("no engine") << "missing"
                               << "Live tile count is off: the Quorvantix executable is missing." << true;
}

// Off, a change runs no engine and the label keeps its note; the menu's
// choice is remembered, the session's switching off is not.
void TestPreview::switchedOff()
{
    QFETCH(QString, how);
    QFETCH(QString, note);
    QFETCH(bool, remembered);
    setSwitch("QUORVANTIX_ENGINE_TEST_DELAY_MS", how == "slow" ? 4000 : 0);
    open(how != "missing");
    QAction *live = m_shown->controls().action(QStringLiteral("mnuLiveTileCount"));
    if (how == "menu")
        live->trigger();
    typeIndices("10", "40", "5", "25");
    QTRY_COMPARE_WITH_TIMEOUT(label(), note, 4000);
    QVERIFY(!live->isChecked());
    QTRY_COMPARE(EngineProcesses::running(m_shown->appFolder.path()), QStringList());
    typeIndices("1", "5", "1", "5");
    QTest::qWait(600);
    QCOMPARE(label(), note);
    QCOMPARE(EngineProcesses::running(m_shown->appFolder.path()), QStringList());

    m_shown->window.reset();
    QVERIFY(m_shown->open());
    QCOMPARE(m_shown->controls().action(QStringLiteral("mnuLiveTileCount"))->isChecked(), remembered);
}

QTEST_MAIN(TestPreview)
#include "tst_preview.moc"
