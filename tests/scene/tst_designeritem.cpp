#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexGridSnap.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "services/CKorvexProductInfo.h"

#include <QSettings>
#include <limits>
#include <memory>

namespace P = CKorvexPropertyKeys;

class TestDesignerItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void snapCoordinate_data();
    void snapCoordinate();
    void snapStepFollowsSettingsAndAlt();
    void companionLifetime();
    void handleSide_data();
    void handleSide();
    void handlesFollowFrameAndSelection();
    void rescalePenWidth_data();
    void rescalePenWidth();
    void rescaleFromSnapshot();

private:
    static void setGrid(bool snapping, int step);
    static CKorvexDesignerItem* addItem(CKorvexDesignerScene& scene, QGraphicsItem* item, const QString& type,
                                        const QPointF& at);
    static void resizePage(CKorvexDesignerScene& scene, double w, double h);
};

void TestDesignerItem::init()
{
    KorvexTestEnvironment::clearSettings();
    setGrid(true, 10);
}

void TestDesignerItem::setGrid(bool snapping, int step)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), snapping);
    settings->setValue(QStringLiteral("Designer/GridSize"), step);
}

CKorvexDesignerItem* TestDesignerItem::addItem(CKorvexDesignerScene& scene, QGraphicsItem* item, const QString& type,
                                               const QPointF& at)
{
    scene.addItem(item);
    auto* companion = new CKorvexDesignerItem(&scene);
    companion->attach(item, at);
    CKorvexDesignerProperty record;
    record.setValue(P::Type, type);
    companion->setRecord(record);
    companion->takeGeometrySnapshot();
    return companion;
}

void TestDesignerItem::resizePage(CKorvexDesignerScene& scene, double w, double h)
{
    scene.screen()->setWidth(w);
    scene.screen()->setHeight(h);
    for (QGraphicsItem* item : scene.pageItems())
        CKorvexDesignerItem::companionOf(item)->rescaleToPage();
}

void TestDesignerItem::snapCoordinate_data()
{
    QTest::addColumn<double>("c");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("17.3") << 17.3 << 10 << 10.0;
    QTest::newRow("19.9") << 19.9 << 10 << 10.0;
    QTest::newRow("-17.3") << -17.3 << 10 << -10.0;
    QTest::newRow("20") << 20.0 << 10 << 20.0;
    QTest::newRow("25") << 25.0 << 10 << 20.0;
    QTest::newRow("48") << 48.0 << 10 << 40.0;
    QTest::newRow("0") << 0.0 << 10 << 0.0;
    QTest::newRow("unit 2.6") << 2.6 << 1 << 3.0;
    QTest::newRow("unit 2.4") << 2.4 << 1 << 2.0;
    QTest::newRow("unit -2.5") << -2.5 << 1 << -2.0;
    QTest::newRow("unit -2.6") << -2.6 << 1 << -3.0;
    QTest::newRow("step 0 is 1") << 2.6 << 0 << 3.0;
    QTest::newRow("NaN") << std::numeric_limits<double>::quiet_NaN() << 10 << 0.0;
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << 10 << 0.0;
    QTest::newRow("huge") << 1e30 << 10 << 1e30;
}

void TestDesignerItem::snapCoordinate()
{
    QFETCH(double, c);
    QFETCH(int, step);
    QFETCH(double, expected);
    QCOMPARE(CKorvexGridSnap::snapCoordinate(c, step), expected);
}

void TestDesignerItem::snapStepFollowsSettingsAndAlt()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext context;
    QCOMPARE(context.snapStep(), 1);
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), true);
    settings->setValue(QStringLiteral("Designer/GridSize"), 20);
    QCOMPARE(context.snapStep(), 20);
    QCOMPARE(CKorvexGridSnap::snap(QPointF(33, 29), context.snapStep()), QPointF(20, 20));
    context.setSnappingSuspended(true);
    QCOMPARE(context.snapStep(), 1);
    context.setSnappingSuspended(false);
    settings->setValue(QStringLiteral("Designer/GridSize"), -5);
    QCOMPARE(context.snapStep(), 1);
}

void TestDesignerItem::companionLifetime()
{
    auto scene = std::make_unique<CKorvexDesignerScene>();
    const int itemsBefore = scene->items().size();
    auto* rect = new CKorvexDesignerRect;
    QPointer<CKorvexDesignerItem> companion = addItem(*scene, rect, QStringLiteral("RECT"), QPointF(17.3, 24));
    QCOMPARE(CKorvexDesignerItem::companionOf(rect), companion.data());
    QCOMPARE(companion->item(), rect);
    QCOMPARE(rect->pos(), QPointF(10, 20));
    QCOMPARE(companion->recordType(), QStringLiteral("rect"));
    QCOMPARE(companion->record().owner(), static_cast<QObject*>(companion.data()));
    CKorvexDesignerProperty given = companion->record();
    given.setOwner(nullptr);
    companion->setRecord(given);
    QCOMPARE(given.owner(), static_cast<QObject*>(nullptr));
    QVERIFY(scene->context().companions().contains(companion));
    QCOMPARE(CKorvexDesignerItem::companionOf(scene->rubberBand()), nullptr);
    QCOMPARE(CKorvexDesignerItem::companionOf(nullptr), nullptr);
    QCOMPARE(scene->items().size(), itemsBefore + 1 + CKorvexResizeHandles::Count);

    delete rect;
    QVERIFY(companion.isNull());
    QCOMPARE(scene->items().size(), itemsBefore);
    QCOMPARE(scene->context().companions().size(), 1);

    // Selected companions go down with their scene.
    for (int i = 0; i < 3; ++i)
        addItem(*scene, new CKorvexDesignerRect, CKorvexItemTypes::Rect, QPointF(i * 20, 0))->setSelected(true);
    scene.reset();
}

void TestDesignerItem::handleSide_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("side");
    QTest::newRow("grid 10") << true << 10 << 100 << 10.0;
    QTest::newRow("grid 20") << true << 20 << 100 << 20.0;
    QTest::newRow("grid 5") << true << 5 << 100 << 10.0;
    QTest::newRow("snapping off") << false << 40 << 100 << 10.0;
    QTest::newRow("zoom 150") << true << 10 << 150 << 10 / 1.5;
    QTest::newRow("zoom 400") << true << 10 << 400 << 10 / 1.5;
    QTest::newRow("zoom 1600") << true << 10 << 1600 << 10 / 2.0;
    QTest::newRow("zoom 6400") << true << 10 << 6400 << 10 / 3.0;
    QTest::newRow("grid 20, zoom 200") << true << 20 << 200 << 20 / 1.5;
}

void TestDesignerItem::handleSide()
{
    QFETCH(bool, snapping);
    QFETCH(int, grid);
    QFETCH(int, zoom);
    QFETCH(double, side);
    setGrid(snapping, grid);
    CKorvexDesignerScene scene;
    scene.context().setZoomCompensation(CKorvexDesignerContext::zoomCompensationForPercent(zoom));
    CKorvexDesignerItem* companion = addItem(scene, new CKorvexDesignerRect, CKorvexItemTypes::Rect, QPointF(100, 100));
    CKorvexResizeHandle* handle = companion->handles()->handle(0);
    QCOMPARE(handle->sceneRect().size(), QSizeF(side, side));
    QCOMPARE(handle->sceneRect().center(), QPointF(100, 100));
    QVERIFY(handle->contains(handle->boundingRect().center()));
    companion->handles()->setHandleSide(3);
    QCOMPARE(handle->width(), 10.0);
}

void TestDesignerItem::handlesFollowFrameAndSelection()
{
    CKorvexDesignerScene scene;
    auto* rect = new CKorvexDesignerRect;
    rect->setRect(0, 0, 100, 50);
    CKorvexDesignerItem* companion = addItem(scene, rect, CKorvexItemTypes::Rect, QPointF(100, 100));
    CKorvexResizeHandles* handles = companion->handles();
    const QList<QPointF> centres{{100, 100}, {150, 100}, {200, 100}, {100, 125},
                                 {200, 125}, {100, 150}, {150, 150}, {200, 150}};
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i)
        QCOMPARE(handles->handle(i)->sceneRect().center(), centres.at(i));
    rect->setPos(0, 0);
    companion->placeHandles(7);
    QCOMPARE(handles->handle(0)->sceneRect().center(), QPointF(0, 0));
    QCOMPARE(handles->handle(7)->sceneRect().center(), QPointF(200, 150));

    QVERIFY(!handles->anyVisible());
    companion->setSelected(true);
    QVERIFY(scene.context().selection().contains(companion));
    QVERIFY(rect->isSelected());
    QVERIFY(handles->anyVisible());
    companion->setSelected(false);
    QVERIFY(!handles->anyVisible());
    rect->setDeleted(true);
    companion->setSelected(true);
    QVERIFY(!companion->isSelected());
    QVERIFY(scene.context().selection().isEmpty());

    // A line shows only the handles on its two ends.
    auto* line = new CKorvexDesignerLine;
    CKorvexDesignerItem* lineCompanion = addItem(scene, line, CKorvexItemTypes::Line, QPointF(20, 30));
    line->setEnd(60, 90);
    lineCompanion->placeHandles();
    lineCompanion->setSelected(true);
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i)
        QCOMPARE(lineCompanion->handles()->handle(i)->isVisible(), i == 0 || i == 7);
    QCOMPARE(lineCompanion->handles()->handle(0)->sceneRect().center(), QPointF(20, 30));
    QCOMPARE(lineCompanion->handles()->handle(7)->sceneRect().center(), QPointF(60, 90));
}

void TestDesignerItem::rescalePenWidth_data()
{
    QTest::addColumn<double>("pageWidth");
    QTest::addColumn<double>("penWidth");
    QTest::newRow("half") << 250.0 << 1.0;
    QTest::newRow("tenth") << 50.0 << 1.0;
    QTest::newRow("double") << 1000.0 << 6.0;
    QTest::newRow("1.9") << 950.0 << 5.0;
}

void TestDesignerItem::rescalePenWidth()
{
    QFETCH(double, pageWidth);
    QFETCH(double, penWidth);
    CKorvexDesignerScene scene;
    auto* rect = new CKorvexDesignerRect;
    rect->setPen(QPen(Qt::black, 3));
    auto* line = new CKorvexDesignerLine;
    line->setPen(QPen(Qt::black, 3));
    addItem(scene, rect, CKorvexItemTypes::Rect, QPointF());
    addItem(scene, line, CKorvexItemTypes::Line, QPointF());
    resizePage(scene, pageWidth, 700 * 2);
    QCOMPARE(rect->pen().widthF(), penWidth);
    QCOMPARE(line->pen().widthF(), penWidth);
}

void TestDesignerItem::rescaleFromSnapshot()
{
    auto makeRect = [](CKorvexDesignerScene& scene) {
        auto* rect = new CKorvexDesignerRect;
        rect->setRect(0, 0, 99, 201);
        rect->setPen(QPen(Qt::black, 3));
        addItem(scene, rect, CKorvexItemTypes::Rect, QPointF(50, 100));
        return rect;
    };
    CKorvexDesignerScene stepped;
    CKorvexDesignerRect* steppedRect = makeRect(stepped);
    resizePage(stepped, 1000, 1400);
    resizePage(stepped, 333, 777);
    resizePage(stepped, 800, 900);
    CKorvexDesignerScene direct;
    CKorvexDesignerRect* directRect = makeRect(direct);
    resizePage(direct, 800, 900);
    QCOMPARE(steppedRect->sceneRect(), directRect->sceneRect());
    QCOMPARE(directRect->sceneRect(), QRectF(80, 900.0 / 7, 99 * 1.6, 201 * 900.0 / 700));
    QCOMPARE(directRect->pen().widthF(), 3.0);

    CKorvexDesignerScene page;
    auto* line = new CKorvexDesignerLine;
    CKorvexDesignerItem* companion = addItem(page, line, CKorvexItemTypes::Line, QPointF(100, 70));
    line->setEnd(200, 140);
    companion->takeGeometrySnapshot();
    auto* image = new CKorvexDesignerImage;
    addItem(page, image, CKorvexItemTypes::Image, QPointF(50, 70));
    resizePage(page, 1000, 350);
    QCOMPARE(line->pos(), QPointF(200, 35));
    QCOMPARE(line->end(), QPointF(400, 70));
    QCOMPARE(image->sceneRect(), QRectF(100, 35, 200, 50));
    QVERIFY(!image->isResizing());

    // On the same page the snapshot is put back as it is; a snapshot without a page is ignored.
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* rectCompanion = addItem(page, rect, CKorvexItemTypes::Rect, QPointF(40, 40));
    rect->setRect(0, 0, 5, 5);
    rectCompanion->rescaleToPage();
    QCOMPARE(rect->sceneRect(), QRectF(40, 40, 100, 100));
    rectCompanion->setGeometrySnapshot(CKorvexGeometrySnapshot());
    rectCompanion->rescaleToPage(QSizeF(300, 300));
    QCOMPARE(rect->sceneRect(), QRectF(40, 40, 100, 100));
}

KORVEX_TEST_MAIN(TestDesignerItem)
#include "tst_designeritem.moc"
