#include "KorvexSceneBench.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexGridSnap.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"

#include <QPainter>
#include <QStyleOptionGraphicsItem>
#include <limits>
#include <memory>

namespace {
CKorvexDesignerItem* addItem(CKorvexDesignerScene& scene, QGraphicsItem* item, const QString& type, const QPointF& at)
{
    scene.addItem(item);
    auto* companion = new CKorvexDesignerItem(&scene);
    companion->attach(item, at);
    CKorvexDesignerProperty record;
    record.setValue(CKorvexPropertyKeys::Type, type);
    companion->setRecord(record);
    companion->takeGeometrySnapshot();
    return companion;
}
void resizePage(CKorvexDesignerScene& scene, double w, double h)
{
    scene.screen()->setWidth(w);
    scene.screen()->setHeight(h);
    for (QGraphicsItem* item : scene.pageItems())
        CKorvexDesignerItem::companionOf(item)->rescaleToPage();
}
} // namespace

/// Grid snapping and the companion each page item has: its handles and its rescaling to the page.
class TestDesignerItem : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void snapCoordinate_data();
    void snapCoordinate();
    void snapStepFollowsSettings();
    void companionLifetime();
    void handleSide_data();
    void handleSide();
    void handlesSitOnTheFrame();
    void handleDrawsAsItsSquare_data();
    void handleDrawsAsItsSquare();
    void rescaleToPage_data();
    void rescaleToPage();
};

void TestDesignerItem::init()
{
    KorvexTestEnvironment::clearSettings();
    setGrid(true, 10);
}

void TestDesignerItem::snapCoordinate_data()
{
    QTest::addColumn<double>("c");
    QTest::addColumn<int>("step");
    QTest::addColumn<double>("expected");
    QTest::newRow("19.9") << 19.9 << 10 << 10.0;
    QTest::newRow("-17.3") << -17.3 << 10 << -10.0;
    QTest::newRow("20") << 20.0 << 10 << 20.0;
    QTest::newRow("25") << 25.0 << 10 << 20.0;
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

void TestDesignerItem::snapStepFollowsSettings()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext context;
    QCOMPARE(context.snapStep(), 1);
    setGrid(true, 20);
    QCOMPARE(CKorvexGridSnap::snap(QPointF(33, 29), context.snapStep()), QPointF(20, 20));
    setGrid(true, -5);
    QCOMPARE(context.snapStep(), 1);
}

void TestDesignerItem::companionLifetime()
{
    auto scene = std::make_unique<CKorvexDesignerScene>();
    const int itemsBefore = scene->items().size();
    auto* rect = new CKorvexDesignerRect;
    QPointer<CKorvexDesignerItem> companion = addItem(*scene, rect, QStringLiteral("RECT"), QPointF(17.3, 24));
    QVERIFY(CKorvexDesignerItem::companionOf(rect) == companion && scene->context().companions().contains(companion));
    QVERIFY(!CKorvexDesignerItem::companionOf(scene->rubberBand()));
    QCOMPARE(rect->pos(), QPointF(10, 20));
    QCOMPARE(companion->recordType(), QStringLiteral("rect"));
    // The companion owns a copy of the record it is given.
    CKorvexDesignerProperty given = companion->record();
    given.setOwner(nullptr);
    companion->setRecord(given);
    QVERIFY(!given.owner() && companion->record().owner() == companion);
    // Handles exist while the item is selected, and go with it.
    QCOMPARE(scene->items().size(), itemsBefore + 1);
    companion->setSelected(true);
    companion->setSelected(false);
    companion->setSelected(true);
    QCoreApplication::processEvents();
    QCOMPARE(scene->items().size(), itemsBefore + 1 + CKorvexResizeHandles::Count);
    companion->setSelected(false);
    QCoreApplication::processEvents();
    QVERIFY(!companion->existingHandles() && scene->items().size() == itemsBefore + 1);
    companion->setSelected(true);
    delete rect;
    QVERIFY(companion.isNull() && scene->items().size() == itemsBefore && scene->context().companions().size() == 1);
    // Selected companions go down with their scene.
    addItem(*scene, new CKorvexDesignerRect, CKorvexItemTypes::Rect, QPointF())->setSelected(true);
    scene.reset();
}

void TestDesignerItem::handleSide_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<int>("grid");
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("side");
    QTest::newRow("grid 20") << true << 20 << 100 << 20.0;
    QTest::newRow("grid 5, at least 10") << true << 5 << 100 << 10.0;
    QTest::newRow("snapping off") << false << 40 << 100 << 10.0;
    QTest::newRow("grid 20 at 1600 %") << true << 20 << 1600 << 20 / 2.0;
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
    QCOMPARE(handle->sceneRect(), QRectF(100 - side / 2, 100 - side / 2, side, side));
    QVERIFY(handle->contains(handle->boundingRect().center()));
    companion->handles()->setHandleSide(3);
    QCOMPARE(handle->width(), 10.0);
}

void TestDesignerItem::handlesSitOnTheFrame()
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
    companion->setSelected(true);
    QVERIFY(scene.context().selection().contains(companion) && rect->isSelected() && handles->anyVisible());
    // A line shows only the handles on its two ends.
    auto* line = new CKorvexDesignerLine;
    CKorvexDesignerItem* lineCompanion = addItem(scene, line, CKorvexItemTypes::Line, QPointF(20, 30));
    line->setEnd(60, 90);
    lineCompanion->placeHandles();
    lineCompanion->setSelected(true);
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i)
        QCOMPARE(lineCompanion->handles()->handle(i)->isVisible(), i == 0 || i == 7);
    QCOMPARE(lineCompanion->handles()->handle(7)->sceneRect().center(), QPointF(60, 90));
}

void TestDesignerItem::handleDrawsAsItsSquare_data()
{
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<bool>("active");
    QTest::newRow("on whole pixels") << QPointF(7, 9) << false;
    QTest::newRow("between pixels, dragged") << QPointF(7.5, 9.25) << true;
}

void TestDesignerItem::handleDrawsAsItsSquare()
{
    // However a handle is painted, it looks like its smoothed square drawn where it is.
    QFETCH(QPointF, offset);
    QFETCH(bool, active);
    CKorvexResizeHandle handle(nullptr, 0, 10);
    handle.setActive(active);
    QImage painted(40, 40, QImage::Format_ARGB32_Premultiplied);
    painted.fill(QColor(230, 240, 250));
    QImage expected = painted;
    {
        QPainter painter(&painted);
        painter.translate(offset);
        QStyleOptionGraphicsItem option;
        handle.paint(&painter, &option, nullptr);
    }
    {
        QPainter painter(&expected);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.translate(offset);
        painter.setPen(handle.pen());
        painter.setBrush(handle.brush());
        QRectF square(0, 0, 10, 10);
        square.moveCenter(handle.boundingRect().center());
        painter.drawRect(square);
    }
    int largest = 0;
    for (int y = 0; y < painted.height(); ++y) {
        for (int x = 0; x < painted.width(); ++x) {
            const QRgb a = painted.pixel(x, y);
            const QRgb b = expected.pixel(x, y);
            for (int shift : {0, 8, 16, 24})
                largest = qMax(largest, qAbs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff)));
        }
    }
    QVERIFY2(largest <= 1, qPrintable(QString::number(largest)));
}

void TestDesignerItem::rescaleToPage_data()
{
    QTest::addColumn<QSizeF>("page"); // from 500 x 700
    QTest::addColumn<double>("penWidth");
    QTest::newRow("same page") << QSizeF(500, 700) << 3.0;
    QTest::newRow("wider and taller") << QSizeF(800, 900) << 3.0;
    QTest::newRow("half as wide") << QSizeF(250, 1400) << 1.0;
    QTest::newRow("a tenth as wide") << QSizeF(50, 1400) << 1.0;
    QTest::newRow("twice as wide") << QSizeF(1000, 1400) << 6.0;
    QTest::newRow("1.9 times as wide") << QSizeF(950, 1400) << 5.0;
}

void TestDesignerItem::rescaleToPage()
{
    // Every size is worked out from the geometry at the last snapshot, however many page sizes came between.
    QFETCH(QSizeF, page);
    QFETCH(double, penWidth);
    const double sx = page.width() / 500;
    const double sy = page.height() / 700;
    for (const bool stepped : {false, true}) {
        CKorvexDesignerScene scene;
        auto* rect = new CKorvexDesignerRect;
        rect->setRect(0, 0, 99, 201);
        rect->setPen(QPen(Qt::black, 3));
        CKorvexDesignerItem* companion = addItem(scene, rect, CKorvexItemTypes::Rect, QPointF(50, 100));
        rect->setRect(0, 0, 5, 5);
        auto* line = new CKorvexDesignerLine;
        line->setPen(QPen(Qt::black, 3));
        addItem(scene, line, CKorvexItemTypes::Line, QPointF(100, 70));
        line->setEnd(200, 140);
        CKorvexDesignerItem::companionOf(line)->takeGeometrySnapshot();
        auto* image = new CKorvexDesignerImage;
        addItem(scene, image, CKorvexItemTypes::Image, QPointF(50, 70));
        if (stepped) {
            resizePage(scene, 1000, 1400);
            resizePage(scene, 333, 777);
        }
        resizePage(scene, page.width(), page.height());
        const QRectF expected(50 * sx, 100 * sy, 99 * sx, 201 * sy);
        QCOMPARE(rect->sceneRect(), expected);
        QCOMPARE(QLineF(line->pos(), line->end()), QLineF(100 * sx, 70 * sy, 200 * sx, 140 * sy));
        QCOMPARE(image->sceneRect(), QRectF(50 * sx, 70 * sy, 100 * sx, 100 * sy));
        QCOMPARE((QList<double>{rect->pen().widthF(), line->pen().widthF()}), (QList<double>{penWidth, penWidth}));
        // A snapshot without a page is ignored.
        companion->takeGeometrySnapshot(QSizeF());
        companion->rescaleToPage(QSizeF(300, 300));
        QCOMPARE(rect->sceneRect(), expected);
    }
}

KORVEX_TEST_MAIN(TestDesignerItem)
#include "tst_designeritem.moc"
