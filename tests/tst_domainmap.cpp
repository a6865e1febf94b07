// SPDX-License-Identifier: GPL-3.0-or-later
#include "map/domainmap.h"
#include "map/mappainter.h"
#include "support/shownwindow.h"

#include <QMenu>

// The domain map on the real window: what it draws from the window's state,
// and the fields a drag on it fills, on domain 7 of France.
class TestDomainMap : public QObject, private ShownWindow
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void pickedDomainIsFittedAndDrawn();
    void dragFillsTheFields_data();
    void dragFillsTheFields();
    void startUpShowsTheWorldOnce();
    void tilesOfAnEarlierRequestAreMarked_data();
    void tilesOfAnEarlierRequestAreMarked();
    void fitToDomain_data();
    void fitToDomain();
    void labelsAreReadable_data();
    void labelsAreReadable();

private:
    QStringList texts(const QString &names) const { return controls().texts(names.split(u' ')); }
    DomainMap *map() const { return controls().get<DomainMap>("DomainMap"); }
    void clickShow() const { QTest::mouseClick(controls().button("cmdShow"), Qt::LeftButton); }
    void drag(QPointF fromLonLat, QPointF toLonLat) const;
    void setTexts(const QString &entries) const
    {
        for (const auto &[name, text] : ::entries(entries))
            edit(name)->setText(text);
    }

    QTemporaryDir m_work;
};

void TestDomainMap::init()
{
    QVERIFY(open());
    const QString engine = appFolder.filePath("Quorvantix.exe");
    QVERIFY(QFile::exists(engine) || QFile::copy(TestFolders::buildAppFolder() + "/Quorvantix.exe", engine));
    QVERIFY(QDir::setCurrent(m_work.path()));
    pickFranceDomain7();
}

void TestDomainMap::cleanup()
{
    window.reset();
    QDir::setCurrent(QDir::tempPath());
}

void TestDomainMap::drag(QPointF fromLonLat, QPointF toLonLat) const
{
    const QPoint from = map()->toWidget(fromLonLat).toPoint();
    const QPoint to = map()->toWidget(toLonLat).toPoint();
    QTest::mousePress(map(), Qt::LeftButton, {}, from);
    QTest::mouseMove(map(), (from + to) / 2);
    QTest::mouseMove(map(), to);
    QTest::mouseRelease(map(), Qt::LeftButton, {}, to);
}

void TestDomainMap::pickedDomainIsFittedAndDrawn()
{
    DomainMap *m = map();
    QVERIFY(m->isVisible() && m->focusPolicy() == Qt::NoFocus);
    QCOMPARE(window->minimumSizeHint().boundedTo(QSize(1280, 800)), window->minimumSizeHint());
    QVERIFY(m->scene().country >= 0);
    // The fields' box follows a field as it is typed.
    QLineEdit *lat1 = edit("txtLat1");
    lat1->setFocus();
    lat1->selectAll();
    QTest::keyClicks(lat1, "45.5");
    QCOMPARE(m->accessibleDescription(),
             "Domain 7, latitude 41 degrees N to 51.5 degrees N, longitude 5.25 degrees W to 9.75 degrees E. "
             "10 domains of the country outlined. Sub-domain box, latitude 45.5 degrees N to 51.5 degrees N, "
             "longitude 5.25 degrees W to 9.75 degrees E, 1105 km x 667 km. 0 tiles drawn.");

    // Fitted: the domain fills the map's width or height but for a margin,
    // and lies inside it.
    const QRectF domain = m->view().rectOf(m->scene().selected->grid.box());
    const QRectF area(QPointF(0, 0), m->view().size());
    QVERIFY2(area.contains(domain), qPrintable(QStringLiteral("%1 %2").arg(domain.width()).arg(domain.height())));
    QVERIFY(domain.width() > area.width() - 50 || domain.height() > area.height() - 50);

    // Drawn: inside the rectangle the map is tinted, just outside it is not.
    const QImage image = m->grab().toImage();
    const auto tint = [&](qreal right) {
        const QColor c = image.pixelColor(
            (QPointF(domain.left() + right, domain.center().y()) * image.devicePixelRatio()).toPoint());
        return c.blue() - c.red();
    };
    QVERIFY2(tint(12) > tint(-12) + 30, qPrintable(QStringLiteral("%1 %2").arg(tint(12)).arg(tint(-12))));

    // The fields' box follows a hemisphere list picked on its own.
    QComboBox *hemisphere = controls().comboBox("cboLatLL1");
    hemisphere->setFocus();
    QTest::keyClick(hemisphere, Qt::Key_Down);
    QCOMPARE(m->scene().subdomain.a, QPointF(-5.25, -45.5));
}

void TestDomainMap::dragFillsTheFields_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QPointF>("start");
    QTest::addColumn<QPointF>("end");
    QTest::addColumn<QString>("names");
    QTest::addColumn<QString>("texts");
    const QString box = QStringLiteral("txtLat1 cboLatLL1 txtLon1 cboLonLL1 txtLat2 cboLatLL2 txtLon2 cboLonLL2 "
                                       "txtLatD1 txtLatM1 txtLonD1 txtLonM1 txtLatD2 txtLatM2 txtLonD2 txtLonM2");
    QTest::newRow("north-west to south-east") << 0 << QPointF(-2, 49) << QPointF(4, 43) << box
                                              << "49.000000 N 2.000000 W 43.000000 N 4.000000 E 49 0 2 0 43 0 4 0";
    QTest::newRow("halves, dragged back east to west")
        << 0 << QPointF(3.5, 42.5) << QPointF(-1.5, 47.5) << box
        << "42.500000 N 3.500000 E 47.500000 N 1.500000 W 42 30 3 30 47 30 1 30";
    // From beyond the domain's south-west corner to the point of I 45, J 40: whole and clamped.
    QTest::newRow("indices") << 1 << QPointF(-7, 40) << QPointF(-5.25 + 44 * 15.0 / 89, 41 + 39 * 10.5 / 79)
                             << "TextIndexiStart TextIndexiEnd TextIndexjStart TextIndexjEnd"
                             << "1 45 1 40";
    // One degree of latitude north of the centre: 111.2 km, to a pixel.
    QTest::newRow("centre") << 2 << QPointF(-2, 46) << QPointF(-2, 47)
                            << "txtEMRLAT01 cboEMRLAT01 txtEMRLON01 cboEMRLON01"
                            << "46.000000 N 2.000000 W";
}

void TestDomainMap::dragFillsTheFields()
{
    QFETCH(int, method);
    QFETCH(QPointF, start);
    QFETCH(QPointF, end);
    QFETCH(QString, names);
    pickMethod(method);
    drag(start, end);
    QTEST(texts(names).join(u' '), "texts");
    const MapSubdomain &drawn = map()->scene().subdomain;
    QCOMPARE(drawn.kind, MapSubdomain::Kind(method + 1));
    if (method == 1)
        QCOMPARE(drawn.b, QPointF(45, 40));
    if (method == 2)
        QVERIFY2(std::abs(edit("txtRadius1")->text().toInt() - 111) <= 4, qPrintable(edit("txtRadius1")->text()));
    QCOMPARE(messages.texts(), QStringList());
}

void TestDomainMap::startUpShowsTheWorldOnce()
{
    QVERIFY(open());
    window->resize(1280, 800);
    QTRY_COMPARE(window->size(), QSize(1280, 800));
    // The world fills the map's width or height but for a margin, once.
    const QRectF world = map()->view().rectOf(GeoBox{-180, 180, -60, 84});
    const QRectF area(QPointF(0, 0), map()->view().size());
    QCOMPARE(area.adjusted(-1, -1, 1, 1).united(world), area.adjusted(-1, -1, 1, 1));
    QVERIFY(world.width() > area.width() - 20 || world.height() > area.height() - 20);
}

void TestDomainMap::tilesOfAnEarlierRequestAreMarked_data()
{
    QTest::addColumn<QString>("entries");
    QTest::addColumn<bool>("run");

    QTest::newRow("the request changed") << "txtLon2=3" << false;
    QTest::newRow("a run failed") << "txtLat1=60" << true;
}

void TestDomainMap::tilesOfAnEarlierRequestAreMarked()
{
    QFETCH(QString, entries);
    QFETCH(bool, run);
    drag(QPointF(-1, 47), QPointF(4, 44));
    clickShow();
    QCOMPARE(controls().text("LastRunLabel"), "Tiles of France, domain 7, 2001: 47N 1W to 44N 4E");
    // The map draws the tiles of the list, not marked.
    QListWidget *list = controls().listWidget("TilesListBox");
    const QList<TileCells> tiles = map()->scene().tiles;
    QVERIFY(list->count() > 1);
    QVERIFY(map()->accessibleDescription().endsWith(QStringLiteral("%1 tiles drawn.").arg(list->count())));
    const QStringList before = texts("TilesCountLabel WarningLabel");
    const QImage drawn = map()->grab().toImage();

    setTexts(entries);
    if (run)
        clickShow();
    QVERIFY(map()->accessibleDescription().endsWith("tiles drawn. They are from an earlier request."));
    QCOMPARE(controls().text("LastRunLabel"),
             "These tiles are from an earlier request: France, domain 7, 2001: 47N 1W to 44N 4E");
    QVERIFY(map()->grab().toImage() != drawn);
    // The list, its count and the tiles stay as they were, until a method is picked.
    QCOMPARE(texts("TilesCountLabel WarningLabel"), before);
    QCOMPARE(map()->scene().tiles, tiles);
    pickMethod(0);
    QCOMPARE(list->count(), 0);
    QVERIFY(map()->scene().tiles.isEmpty());
}

void TestDomainMap::fitToDomain_data()
{
    QTest::addColumn<int>("method");
    QTest::addColumn<QString>("entries");
    QTest::addColumn<QString>("side");
    QTest::addColumn<bool>("byMenu");
    QTest::addColumn<QString>("fitted");

    QTest::newRow("box") << 0 << "txtLat2=60"
                         << "8.5\u00b0 north" << false << "txtLat1=41.000000;txtLat2=51.500000;txtLon2=9.750000";
    QTest::newRow("indices, by the menu")
        << 1 << "TextIndexiStart=10;TextIndexiEnd=120;TextIndexjStart=1;TextIndexjEnd=20"
        << "east" << true << "TextIndexiStart=10;TextIndexiEnd=90;TextIndexjEnd=20";
    // Wholly south of the view: it is brought into view.
    QTest::newRow("centre") << 2 << "txtEMRLAT01=30;txtEMRLON01=2;txtRadius1=100"
                            << "south" << false << "txtEMRLON01=2.000000;txtRadius1=100";
}

void TestDomainMap::fitToDomain()
{
    QFETCH(int, method);
    QFETCH(QString, entries);
    QFETCH(QString, side);
    QFETCH(bool, byMenu);
    QFETCH(QString, fitted);
    pickMethod(method);
    QAbstractButton *fit = controls().button("FitToDomainButton");
    QVERIFY(!fit->isVisible());
    setTexts(entries);
    QVERIFY(map()->subdomainOutside() && fit->isVisible());
    QVERIFY2(map()->statusText().startsWith("Outside the domain by") && map()->statusText().contains(side),
             qPrintable(map()->statusText()));
    const QPointF typed = map()->scene().subdomain.a;
    QVERIFY(method == 1 || map()->view().visible().contains(typed.x(), typed.y()));

    if (byMenu) {
        QTest::mouseClick(map(), Qt::RightButton, {}, QPoint(map()->width() / 2, 40));
        QMenu *menu = controls().get<QMenu>("DomainMapMenu");
        QTRY_VERIFY(menu->isVisible());
        QTest::mouseClick(menu, Qt::LeftButton, {},
                          menu->actionGeometry(controls().action("FitToDomainAction")).center());
        QTRY_VERIFY(!menu->isVisible());
    } else {
        QTest::mouseClick(fit, Qt::LeftButton);
    }
    QVERIFY(!map()->subdomainOutside() && !fit->isVisible());
    for (const auto &[name, text] : ::entries(fitted))
        QCOMPARE(edit(name)->text(), text);
    QCOMPARE(messages.texts(), QStringList());
}

void TestDomainMap::labelsAreReadable_data()
{
    QTest::addColumn<QPalette>("palette");
    QTest::newRow("light") << QPalette(QColor(239, 239, 239));
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    QTest::newRow("dark") << dark;
}

void TestDomainMap::labelsAreReadable()
{
    QFETCH(QPalette, palette);
    const MapColours c(palette);
    for (const auto &[text, ground] : {std::pair{c.label, c.water},
                                       {c.label, c.land},
                                       {c.emphasisText, c.water},
                                       {c.emphasisText, c.land},
                                       {c.tileText, palette.color(QPalette::Base)}})
        QVERIFY2(MapColours::contrast(text, ground) >= 4.5, qPrintable(text.name() + " on " + ground.name()));
}

QTEST_MAIN(TestDomainMap)
#include "tst_domainmap.moc"
