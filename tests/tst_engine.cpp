#include "run/controlfilelines.h"
#include "run/listfile.h"
#include "support/enginefolders.h"
#include "support/testfolders.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

// The stand-in engine run as a real process on control files, with the
// sample catalogue beside it.
class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void tilesForTheThreeMethods_data();
    void tilesForTheThreeMethods();
    void refusedRequestsGetAnErrorList_data();
    void refusedRequestsGetAnErrorList();
    void missingControlFileGetsAnErrorList();
    void missingCatalogueGetsAnErrorList();
    void listFileNameWithAFolderIsNotFollowed();
    void batchFileFollowsItsOptions_data();
    void batchFileFollowsItsOptions();

private:
    int runEngine(const QString &program);
    QByteArray workFile(const char *name) const { return TestFolders::readFile(m_work->filePath(name)); }

    QTemporaryDir m_appFolder{QDir::tempPath() + QStringLiteral("/engine app XXXXXX")};
    std::unique_ptr<QTemporaryDir> m_work;
};

namespace {

// Domain 7 of the sample catalogue: I 1-90, J 1-80, longitude -5.25 to 9.75,
// latitude 41 to 51.5, years 2001 and 2005; five tiles per row, four rows.
QByteArray request(qint16 selectionMethod, const LimitArray &limits, const QString &year = QStringLiteral("2005"))
{
    return ControlFileBytes(ControlFileLines(QStringLiteral("7"), year, selectionMethod, limits));
}

QByteArray replaced(QByteArray bytes, int line, const QByteArray &value)
{
    QList<QByteArray> lines = bytes.split('\n');
    lines[line - 1] = value + "       ! changed\r";
    return lines.join('\n');
}

QStringList numbers(int from, int to)
{
    QStringList list;
    for (int n = from; n <= to; ++n)
        list << QString::number(n);
    return list;
}

} // namespace

void TestEngine::initTestCase()
{
    QVERIFY2(QFileInfo::exists(EngineFolders::builtEngine()), "build the target quorvantix-engine first");
    QVERIFY(m_appFolder.isValid());
    QVERIFY(EngineFolders::copyProgram(EngineFolders::builtEngine(), m_appFolder.filePath("Quorvantix.exe")));
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_appFolder.filePath("tiles.cfg")));
}

void TestEngine::init()
{
    m_work = std::make_unique<QTemporaryDir>();
    QVERIFY(m_work->isValid());
}

int TestEngine::runEngine(const QString &program)
{
    QProcess engine;
    engine.setProgram(program);
    engine.setWorkingDirectory(m_work->path());
    engine.start();
    if (!engine.waitForStarted(-1) || !engine.waitForFinished(-1) || engine.exitStatus() != QProcess::NormalExit) {
        qWarning() << "engine failed:" << engine.errorString() << engine.readAllStandardError();
        return -1;
    }
    return engine.exitCode();
}

void TestEngine::tilesForTheThreeMethods_data()
{
    QTest::addColumn<qint16>("method");
    QTest::addColumn<LimitArray>("limits");
    QTest::addColumn<QStringList>("tiles");

    QTest::newRow("indices over four tiles") << qint16(2) << LimitArray{0, 10, 40, 5, 25}
                                             << QStringList{"1", "2", "6", "7"};
    QTest::newRow("indices over the whole grid") << qint16(2) << LimitArray{0, 1, 90, 1, 80} << numbers(1, 20);
    QTest::newRow("indices in the last, narrow column") << qint16(2) << LimitArray{0, 85, 90, 61, 80}
                                                        << QStringList{"20"};
    QTest::newRow("box of the whole domain") << qint16(1) << LimitArray{0, 41, 51.5, -5.25, 9.75} << numbers(1, 20);
    // Longitude 0 to 1 gives I 32.2 to 38.1, latitude 45 to 46 gives J 31.1 to 38.6.
    QTest::newRow("box inside one tile") << qint16(1) << LimitArray{0, 45, 46, 0, 1} << QStringList{"7"};
    QTest::newRow("box in the first tile corner") << qint16(1) << LimitArray{0, 41, 42, -5.25, -4}
                                                  << QStringList{"1"};
    // 50 km around 2 E 46 N: I 40.2 to 47.9, J 35.2 to 42.
    QTest::newRow("centre and radius across four tiles") << qint16(3) << LimitArray{0, 46, 2, 50, 0}
                                                         << QStringList{"7", "8", "12", "13"};
    QTest::newRow("circle cut back at the domain corner") << qint16(3) << LimitArray{0, 41, -5.25, 300, 0}
                                                          << QStringList{"1", "2", "6", "7"};
}

void TestEngine::tilesForTheThreeMethods()
{
    QFETCH(qint16, method);
    QFETCH(LimitArray, limits);
    QFETCH(QStringList, tiles);
    TestFolders::writeFile(m_work->filePath("quorvantix.inp"), request(method, limits));

    QCOMPARE(runEngine(m_appFolder.filePath("Quorvantix.exe")), 0);
    const QByteArray list = workFile("quorvantix.lst");
    const ListFileContent content = ReadListFile(list);
    QCOMPARE(content.outcome, ListFileContent::Outcome::TableRead);
    QCOMPARE(content.TileNumbers, tiles);

    // The table: the header alone on its line, tile lines without a comma,
    // an empty line after the last.
    const QList<QByteArray> lines = list.split('\n');
    const qsizetype header = lines.indexOf("No.  Tile #     I/J Ranges on Tile     I/J Ranges Selected\r");
    QVERIFY(header > 0);
    static const QRegularExpression tileLine(QStringLiteral("^(\\d+) {4}(\\d+) +[^ ,][^,]*\\r$"));
    for (qsizetype k = 0; k < tiles.size(); ++k) {
        const QRegularExpressionMatch match = tileLine.match(QString::fromLatin1(lines.at(header + 1 + k)));
        QVERIFY2(match.hasMatch(), lines.at(header + 1 + k).constData());
        QCOMPARE(match.captured(1), QString::number(k + 1));
        QCOMPARE(match.captured(2), tiles.at(k));
    }
    QCOMPARE(lines.at(header + 1 + tiles.size()), QByteArray("\r"));
    QVERIFY(!list.toLower().contains("error"));

    const QByteArray output = workFile("quorvantix.dat");
    QVERIFY(output.contains("Tiles needed: " + QByteArray::number(tiles.size())));
    const QByteArray batch = workFile("mvtiles.bat");
    QCOMPARE(batch.count("\r\nren \""), tiles.size());
}

void TestEngine::refusedRequestsGetAnErrorList_data()
{
    QTest::addColumn<QByteArray>("control");

    const QByteArray indices = request(2, {0, 10, 40, 5, 25});
    QTest::newRow("empty file") << QByteArray();
    QTest::newRow("binary junk") << QByteArray("\x00\xff\x01,,!!\r\n\x7f", 9);
    QTest::newRow("only five lines") << indices.left(indices.indexOf("1       ! Method"));
    QTest::newRow("unknown region") << replaced(indices, 4, "999");
    QTest::newRow("region zero") << replaced(indices, 4, "0");
    QTest::newRow("region not a number") << replaced(indices, 4, "seven");
    QTest::newRow("year not offered") << request(2, {0, 10, 40, 5, 25}, QStringLiteral("1999"));
    QTest::newRow("year not four digits") << replaced(indices, 5, "20x5");
    QTest::newRow("method 4") << replaced(indices, 6, "4");
    QTest::newRow("index before the grid") << request(2, {0, 0, 40, 5, 25});
    QTest::newRow("index beyond the grid") << request(2, {0, 10, 91, 5, 25});
    QTest::newRow("index not whole") << replaced(indices, 7, "10.5,40");
    QTest::newRow("one value on line 7") << replaced(indices, 7, "10");
    QTest::newRow("words on line 8") << replaced(indices, 8, "five,25");
    QTest::newRow("box west of the domain") << request(1, {0, 42, 44, -6, 0});
    QTest::newRow("box north of the domain") << request(1, {0, 50, 52, 0, 1});
    QTest::newRow("centre outside") << request(3, {0, 30, 2, 50, 0});
    QTest::newRow("radius zero") << request(3, {0, 46, 2, 0, 0});
    QTest::newRow("radius negative") << request(3, {0, 46, 2, -5, 0});
    QTest::newRow("batch flag 2") << replaced(indices, 9, "2");
    QTest::newRow("output file with a folder") << replaced(indices, 3, "sub/out.dat");
}

void TestEngine::refusedRequestsGetAnErrorList()
{
    QFETCH(QByteArray, control);
    TestFolders::writeFile(m_work->filePath("quorvantix.inp"), control);

    QCOMPARE(runEngine(m_appFolder.filePath("Quorvantix.exe")), 1);
    const QByteArray list = workFile("quorvantix.lst");
    QVERIFY(list.contains("ERROR: "));
    QVERIFY(!list.contains("No.  Tile #"));
    QCOMPARE(ReadListFile(list).outcome, ListFileContent::Outcome::ErrorReported);
    QVERIFY(!QFileInfo::exists(m_work->filePath("mvtiles.bat")));
}

void TestEngine::missingControlFileGetsAnErrorList()
{
    QCOMPARE(runEngine(m_appFolder.filePath("Quorvantix.exe")), 1);
    QVERIFY(workFile("quorvantix.lst").contains("ERROR: the control file quorvantix.inp cannot be opened"));
    QVERIFY(workFile("quorvantix.dat").contains("could not be served"));
}

void TestEngine::missingCatalogueGetsAnErrorList()
{
    QTemporaryDir bare;
    QVERIFY(EngineFolders::copyProgram(EngineFolders::builtEngine(), bare.filePath("Quorvantix.exe")));
    TestFolders::writeFile(m_work->filePath("quorvantix.inp"), request(2, {0, 10, 40, 5, 25}));
    // A catalogue in the working folder is not the engine's.
    QVERIFY(QFile::copy(TestFolders::sampleCatalogue(), m_work->filePath("tiles.cfg")));

    QCOMPARE(runEngine(bare.filePath("Quorvantix.exe")), 1);
    QVERIFY(workFile("quorvantix.lst").contains("ERROR: the catalogue "));
}

void TestEngine::listFileNameWithAFolderIsNotFollowed()
{
    QVERIFY(QDir(m_work->path()).mkdir("sub"));
    TestFolders::writeFile(m_work->filePath("quorvantix.inp"),
                           replaced(request(2, {0, 10, 40, 5, 25}), 2, "sub/list.lst"));

    QCOMPARE(runEngine(m_appFolder.filePath("Quorvantix.exe")), 1);
    QVERIFY(workFile("quorvantix.lst").contains("ERROR: line 2"));
    QVERIFY(QDir(m_work->filePath("sub")).isEmpty());
}

void TestEngine::batchFileFollowsItsOptions_data()
{
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<QByteArray>("way");
    QTest::addColumn<QByteArray>("system");
    QTest::addColumn<QByteArray>("batch");

    QTest::newRow("DOS, way 1") << QByteArray("1") << QByteArray("1") << QByteArray("1")
                                << QByteArray("@echo off\r\nren \"MM5_D007_12km_QMT_TILES_2005_T0020.pck\" "
                                              "\"MM5_D007_2005_tile0020.pck\"\r\n");
    QTest::newRow("UNIX, way 2") << QByteArray("1") << QByteArray("2") << QByteArray("2")
                                 << QByteArray("#!/bin/sh\nmv \"MM5_D007_12km_QMT_TILES_2005_T0020.pck\" "
                                               "\"MM5_D007_2005_I081-090_J061-080.pck\"\n");
    QTest::newRow("no batch file") << QByteArray("0") << QByteArray("1") << QByteArray("1") << QByteArray();
}

void TestEngine::batchFileFollowsItsOptions()
{
    QFETCH(QByteArray, flag);
    QFETCH(QByteArray, way);
    QFETCH(QByteArray, system);
    QFETCH(QByteArray, batch);
    QByteArray control = request(2, {0, 85, 90, 61, 80});
    control = replaced(replaced(replaced(control, 9, flag), 11, way), 12, system);
    TestFolders::writeFile(m_work->filePath("quorvantix.inp"), control);

    QCOMPARE(runEngine(m_appFolder.filePath("Quorvantix.exe")), 0);
    QCOMPARE(workFile("mvtiles.bat"), batch);
    QCOMPARE(ReadListFile(workFile("quorvantix.lst")).TileNumbers, QStringList{"20"});
}

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
