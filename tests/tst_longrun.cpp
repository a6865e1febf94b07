#include "support/runwindow.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QtTest>

// A run of the stand-in engine made slow: the window keeps painting and takes
// no input, a progress window appears for a long run only, and Cancel or
// closing the window ends the engine.
class TestLongRun : public QObject
{
    Q_OBJECT

private slots:
    void run_data();
    void run();
};

namespace {

enum class Action { None, Cancel, CloseWindow };

QProgressDialog *shownProgress()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == QLatin1String("EngineRunProgress") && widget->isVisible())
            return qobject_cast<QProgressDialog *>(widget);
    }
    return nullptr;
}

// The engine processes of an application folder that are still alive
// (Linux; elsewhere none are seen).
QStringList enginesRunning(const QString &appFolder)
{
    QStringList found;
    const QString engine = QFileInfo(appFolder + QStringLiteral("/Quorvantix.exe")).canonicalFilePath();
    for (const QString &pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget() == engine)
            found << pid;
    }
    return found;
}

// Counts the paint events of a widget.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

void TestLongRun::run_data()
{
    QTest::addColumn<int>("delayMs");           // before the engine writes its list file
    QTest::addColumn<QByteArray>("crashAfter"); // bytes of the list written in place before the delay
    QTest::addColumn<Action>("action");         // taken once the progress window shows, or at 300 ms
    QTest::addColumn<bool>("progress");         // whether the progress window shows
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<int>("tiles");

    QTest::newRow("quick run") << 0 << QByteArray() << Action::None << false << QStringList() << 4;
    QTest::newRow("slow run") << 1800 << QByteArray() << Action::None << true << QStringList() << 4;
    QTest::newRow("cancelled with half a list written")
        << 30000 << QByteArray("300") << Action::Cancel << true
        << QStringList("Quorvantix GUI: The run of the Quorvantix executable was cancelled; no tiles are shown.")
        << 0;
    QTest::newRow("window closed") << 30000 << QByteArray() << Action::CloseWindow << false << QStringList() << 0;
}

// While the engine runs: the window repaints, a key typed into an entry field
// is not taken, the progress window shows for a long run. Afterwards no
// engine is left, and no list file when the run was stopped.
void TestLongRun::run()
{
    QFETCH(int, delayMs);
    QFETCH(QByteArray, crashAfter);
    QFETCH(Action, action);
    QFETCH(bool, progress);
    QFETCH(QStringList, messages);
    QFETCH(int, tiles);
    qputenv("QUORVANTIX_ENGINE_TEST_DELAY_MS", QByteArray::number(delayMs));
    qputenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER", crashAfter);
    const auto unset = qScopeGuard([] {
        qunsetenv("QUORVANTIX_ENGINE_TEST_DELAY_MS");
        qunsetenv("QUORVANTIX_ENGINE_TEST_CRASH_AFTER");
    });
    RunWindow run;
    QVERIFY(run.open(RunWindow::standInEngine()));
    QLineEdit *field = run.edit("TextIndexiStart");
    PaintCounter painted;
    run.window->installEventFilter(&painted);

    // What happens while the engine runs, every 100 ms.
    bool progressSeen = false;
    int ticks = 0;
    QStringList engines;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        ++ticks;
        run.window->update();
        if (engines.isEmpty())
            engines = enginesRunning(run.appFolder.path());
        if (ticks == 2)
            QTest::keyClick(field, Qt::Key_9);
        QProgressDialog *dialog = shownProgress();
        progressSeen = progressSeen || dialog;
        if (action == Action::Cancel && dialog)
            QTest::mouseClick(dialog->findChild<QPushButton *>(), Qt::LeftButton);
        if (action == Action::CloseWindow && ticks == 3)
            run.window->close();
    });
    watch.start(100);
    run.clickShow();
    watch.stop();

    QCOMPARE(progressSeen, progress);
    QCOMPARE(run.shown(), messages);
    QCOMPARE(run.controls().itemCount("TilesListBox"), tiles);
    QCOMPARE(field->text(), QStringLiteral("10"));
    QCOMPARE(enginesRunning(run.appFolder.path()), QStringList());
    QCOMPARE(QFileInfo::exists(run.work.filePath("quorvantix.lst")), tiles > 0);
    QCOMPARE(run.pointer.current, ui::MousePointer::Shape::Default);
    QCOMPARE(QGuiApplication::overrideCursor(), nullptr);
    if (delayMs > 0) {
        QVERIFY(ticks >= 3);
        QVERIFY(painted.paints > 0);
#ifdef Q_OS_LINUX
        QVERIFY(!engines.isEmpty());
#endif
    }
}

QTEST_MAIN(TestLongRun)
#include "tst_longrun.moc"
