#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyKeys.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "services/CKorvexProductInfo.h"

#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QSettings>
#include <memory>

namespace P = CKorvexPropertyKeys;

class TestDesignerItem : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void companionLivesInSlotThree();
    void itemDestroysItsCompanion();
    void sceneDestructionIsSafe();
    void recordIsOwnedByCompanion();
    void handlesAreMadeHidden();
    void handleSideFollowsGrid_data();
    void handleSideFollowsGrid();
    void handlesCentredOnFrame();
    void handlesScaleWithZoom_data();
    void handlesScaleWithZoom();
    void lineShowsTwoHandles();
    void activeHandleColours();
    void selectionSetAndDeletedItems();
    void dragMovesBySnappedDelta();
    void dragNeedsLeftButtonAlone();
    void rescaleAfterSeveralPagesEqualsOne();
    void rescalePenWidthRule_data();
    void rescalePenWidthRule();
    void rescaleLineAndText();
    void samePageKeepsSnapshot();

private:
    struct Page
    {
        QGraphicsScene scene;
        CKorvexDesignerScreen* screen = nullptr;
    };
    static std::unique_ptr<Page> makePage();
    static CKorvexDesignerItem* addItem(Page& page, QGraphicsItem* item, const QString& type, const QPointF& at);
    static void resizePage(Page& page, double w, double h);
};

void TestDesignerItem::init()
{
    KorvexTestEnvironment::clearSettings();
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), true);
    settings->setValue(QStringLiteral("Designer/GridSize"), 10);
    CKorvexDesignerContext::setZoomCompensation(1.0);
    CKorvexDesignerContext::setSnappingSuspended(false);
}

std::unique_ptr<TestDesignerItem::Page> TestDesignerItem::makePage()
{
    auto page = std::make_unique<Page>();
    page->screen = new CKorvexDesignerScreen;
    page->scene.addItem(page->screen);
    return page;
}

CKorvexDesignerItem* TestDesignerItem::addItem(Page& page, QGraphicsItem* item, const QString& type, const QPointF& at)
{
    page.scene.addItem(item);
    auto* companion = new CKorvexDesignerItem(&page.scene);
    companion->attach(item, at);
    CKorvexDesignerProperty record;
    record.setValue(P::Type, type);
    companion->setRecord(record);
    companion->takeGeometrySnapshot();
    return companion;
}

void TestDesignerItem::resizePage(Page& page, double w, double h)
{
    page.screen->setWidth(w);
    page.screen->setHeight(h);
    for (CKorvexDesignerItem* companion : CKorvexDesignerContext::companions())
        companion->rescaleToPage();
}

void TestDesignerItem::companionLivesInSlotThree()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* companion = addItem(*page, rect, P::Type, QPointF(17.3, 24));
    QCOMPARE(CKorvexDesignerItem::companionOf(rect), companion);
    QCOMPARE(companion->item(), rect);
    QCOMPARE(rect->pos(), QPointF(10, 20));
    QVERIFY(CKorvexDesignerContext::companions().contains(companion));
    QCOMPARE(CKorvexDesignerItem::companionOf(page->screen), nullptr);
    QCOMPARE(CKorvexDesignerItem::companionOf(nullptr), nullptr);
}

void TestDesignerItem::itemDestroysItsCompanion()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    QPointer<CKorvexDesignerItem> companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF());
    const int itemsWithHandles = page->scene.items().size();
    QCOMPARE(itemsWithHandles, 2 + CKorvexResizeHandles::Count);
    delete rect;
    QVERIFY(companion.isNull());
    QCOMPARE(page->scene.items().size(), 1);
    QVERIFY(CKorvexDesignerContext::companions().isEmpty());
}

void TestDesignerItem::sceneDestructionIsSafe()
{
    auto page = makePage();
    for (int i = 0; i < 3; ++i)
        addItem(*page, new CKorvexDesignerRect, CKorvexItemTypes::Rect, QPointF(i * 20, 0))->setSelected(true);
    page.reset();
    QVERIFY(CKorvexDesignerContext::companions().isEmpty());
    QVERIFY(CKorvexDesignerContext::selection().isEmpty());
}

void TestDesignerItem::recordIsOwnedByCompanion()
{
    CKorvexDesignerItem companion;
    QVERIFY(!companion.hasRecord());
    CKorvexDesignerProperty record;
    record.setValue(P::Type, QStringLiteral("RECT"));
    companion.setRecord(record);
    QVERIFY(companion.hasRecord());
    QCOMPARE(companion.record().owner(), &companion);
    QCOMPARE(companion.recordType(), QStringLiteral("rect"));
    QCOMPARE(record.owner(), nullptr);
}

void TestDesignerItem::handlesAreMadeHidden()
{
    QGraphicsScene scene;
    CKorvexResizeHandles handles(&scene);
    QCOMPARE(scene.items().size(), CKorvexResizeHandles::Count);
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i) {
        CKorvexResizeHandle* handle = handles.handle(i);
        QVERIFY(!handle->isVisible());
        QCOMPARE(handle->zValue(), 100000000.0);
        QCOMPARE(handle->data(0).toInt(), 8);
        QCOMPARE(CKorvexResizeHandles::of(handle), &handles);
        QVERIFY(handle->flags() & QGraphicsItem::ItemIsSelectable);
        QCOMPARE(handle->brush().color(), QColor(200, 0, 0, 200));
        QCOMPARE(handle->pen(), QPen(QColor(0, 0, 0), 1));
        QCOMPARE(handles.indexOf(handle), i);
    }
    QVERIFY(!handles.anyVisible());
}

void TestDesignerItem::handleSideFollowsGrid_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<int>("grid");
    QTest::addColumn<double>("side");
    QTest::newRow("grid 20") << true << 20 << 20.0;
    QTest::newRow("grid 5") << true << 5 << 10.0;
    QTest::newRow("snapping off") << false << 40 << 10.0;
}

void TestDesignerItem::handleSideFollowsGrid()
{
    QFETCH(bool, snapping);
    QFETCH(int, grid);
    QFETCH(double, side);
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), snapping);
    settings->setValue(QStringLiteral("Designer/GridSize"), grid);
    CKorvexResizeHandles handles;
    QCOMPARE(handles.handle(3)->width(), side);
    handles.setHandleSide(3);
    QCOMPARE(handles.handle(3)->width(), 10.0);
}

void TestDesignerItem::handlesCentredOnFrame()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    rect->setRect(0, 0, 100, 50);
    CKorvexDesignerItem* companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF(100, 100));
    const QList<QPointF> centres{{100, 100}, {150, 100}, {200, 100}, {100, 125},
                                 {200, 125}, {100, 150}, {150, 150}, {200, 150}};
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i)
        QCOMPARE(companion->handles()->handle(i)->sceneRect().center(), centres.at(i));
    rect->setPos(0, 0);
    companion->placeHandles(7);
    QCOMPARE(companion->handles()->handle(0)->sceneRect().center(), QPointF(0, 0));
    QCOMPARE(companion->handles()->handle(7)->sceneRect().center(), QPointF(200, 150));
}

void TestDesignerItem::handlesScaleWithZoom_data()
{
    QTest::addColumn<int>("zoom");
    QTest::addColumn<double>("factor");
    QTest::newRow("100") << 100 << 1.0;
    QTest::newRow("150") << 150 << 1 / 1.5;
    QTest::newRow("200") << 200 << 1 / 1.5;
    QTest::newRow("400") << 400 << 1 / 1.5;
    QTest::newRow("6400") << 6400 << 1 / 3.0;
}

void TestDesignerItem::handlesScaleWithZoom()
{
    QFETCH(int, zoom);
    QFETCH(double, factor);
    CKorvexDesignerContext::setZoomCompensation(CKorvexDesignerContext::zoomCompensationForPercent(zoom));
    auto page = makePage();
    CKorvexDesignerItem* companion = addItem(*page, new CKorvexDesignerRect, CKorvexItemTypes::Rect, QPointF(100, 100));
    CKorvexResizeHandle* handle = companion->handles()->handle(0);
    QCOMPARE(handle->boundingRect().width(), 10 * factor);
    QCOMPARE(handle->sceneRect().size(), QSizeF(10 * factor, 10 * factor));
    QCOMPARE(handle->sceneRect().center(), QPointF(100, 100));
    QVERIFY(handle->contains(handle->boundingRect().center()));
    CKorvexDesignerContext::setZoomCompensation(1.0);
}

void TestDesignerItem::lineShowsTwoHandles()
{
    auto page = makePage();
    auto* line = new CKorvexDesignerLine;
    CKorvexDesignerItem* companion = addItem(*page, line, CKorvexItemTypes::Line, QPointF(20, 30));
    line->setEnd(60, 90);
    companion->placeHandles();
    companion->setSelected(true);
    CKorvexResizeHandles* handles = companion->handles();
    for (int i = 0; i < CKorvexResizeHandles::Count; ++i)
        QCOMPARE(handles->handle(i)->isVisible(), i == 0 || i == 7);
    QCOMPARE(handles->handle(0)->sceneRect().center(), QPointF(20, 30));
    QCOMPARE(handles->handle(7)->sceneRect().center(), QPointF(60, 90));
    companion->setSelected(false);
    QVERIFY(!handles->anyVisible());
}

void TestDesignerItem::activeHandleColours()
{
    CKorvexResizeHandles handles;
    handles.setActiveHandle(4);
    QCOMPARE(handles.handle(4)->brush().color(), QColor(255, 50, 50, 255));
    QCOMPARE(handles.handle(4)->pen().color(), QColor(0, 0, 0, 200));
    QCOMPARE(handles.handle(3)->brush().color(), QColor(200, 0, 0, 200));
    handles.setActiveHandle(-1);
    QCOMPARE(handles.handle(4)->brush().color(), QColor(200, 0, 0, 200));
}

void TestDesignerItem::selectionSetAndDeletedItems()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF());
    companion->setSelected(true);
    QVERIFY(CKorvexDesignerContext::selection().contains(companion));
    QVERIFY(rect->isSelected());
    QVERIFY(companion->handles()->anyVisible());
    companion->setSelected(false);
    rect->setDeleted(true);
    companion->setSelected(true);
    QVERIFY(!companion->isSelected());
    QVERIFY(CKorvexDesignerContext::selection().isEmpty());
}

void TestDesignerItem::dragMovesBySnappedDelta()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF());
    rect->setPos(13, 7);
    QGraphicsSceneMouseEvent press(QEvent::GraphicsSceneMousePress);
    press.setButtons(Qt::LeftButton);
    press.setScenePos(QPointF(21, 21));
    companion->mousePress(&press);
    QCOMPARE(companion->lastDragPosition(), QPointF(20, 20));
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setButtons(Qt::LeftButton);
    move.setScenePos(QPointF(48, 33));
    companion->mouseMove(&move);
    QCOMPARE(rect->pos(), QPointF(33, 17));
    QCOMPARE(companion->handles()->handle(0)->sceneRect().center(), QPointF(33, 17));
    // The drag took a new snapshot: rescaling to the same page keeps the dragged place.
    companion->rescaleToPage();
    QCOMPARE(rect->pos(), QPointF(33, 17));
    move.setScenePos(QPointF(44, 36));
    companion->mouseMove(&move);
    QCOMPARE(rect->pos(), QPointF(33, 17));
}

void TestDesignerItem::dragNeedsLeftButtonAlone()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF());
    QGraphicsSceneMouseEvent move(QEvent::GraphicsSceneMouseMove);
    move.setButtons(Qt::LeftButton | Qt::RightButton);
    move.setScenePos(QPointF(50, 50));
    companion->mouseMove(&move);
    QCOMPARE(rect->pos(), QPointF(0, 0));
}

void TestDesignerItem::rescaleAfterSeveralPagesEqualsOne()
{
    auto stepped = makePage();
    auto* rect = new CKorvexDesignerRect;
    rect->setRect(0, 0, 99, 201);
    rect->setPen(QPen(Qt::black, 3));
    addItem(*stepped, rect, CKorvexItemTypes::Rect, QPointF(50, 100));
    resizePage(*stepped, 1000, 1400);
    resizePage(*stepped, 333, 777);
    resizePage(*stepped, 800, 900);
    const QRectF steppedRect = rect->sceneRect();
    stepped.reset();

    auto direct = makePage();
    auto* other = new CKorvexDesignerRect;
    other->setRect(0, 0, 99, 201);
    other->setPen(QPen(Qt::black, 3));
    addItem(*direct, other, CKorvexItemTypes::Rect, QPointF(50, 100));
    resizePage(*direct, 800, 900);
    QCOMPARE(steppedRect, other->sceneRect());
    QCOMPARE(other->sceneRect(), QRectF(80, 900.0 / 7, 99 * 1.6, 201 * 900.0 / 700));
    QCOMPARE(other->pen().widthF(), 3.0);
}

void TestDesignerItem::rescalePenWidthRule_data()
{
    QTest::addColumn<double>("pageWidth");
    QTest::addColumn<double>("penWidth");
    QTest::newRow("half") << 250.0 << 1.0;
    QTest::newRow("tenth") << 50.0 << 1.0;
    QTest::newRow("double") << 1000.0 << 6.0;
    QTest::newRow("1.9") << 950.0 << 5.0;
}

void TestDesignerItem::rescalePenWidthRule()
{
    QFETCH(double, pageWidth);
    QFETCH(double, penWidth);
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    rect->setPen(QPen(Qt::black, 3));
    addItem(*page, rect, CKorvexItemTypes::Rect, QPointF());
    resizePage(*page, pageWidth, 700 * 2);
    QCOMPARE(rect->pen().widthF(), penWidth);
}

void TestDesignerItem::rescaleLineAndText()
{
    auto page = makePage();
    auto* line = new CKorvexDesignerLine;
    CKorvexDesignerItem* companion = addItem(*page, line, CKorvexItemTypes::Line, QPointF(100, 70));
    line->setEnd(200, 140);
    companion->takeGeometrySnapshot();
    auto* image = new CKorvexDesignerImage;
    addItem(*page, image, CKorvexItemTypes::Image, QPointF(50, 70));
    resizePage(*page, 1000, 350);
    QCOMPARE(line->pos(), QPointF(200, 35));
    QCOMPARE(line->end(), QPointF(400, 70));
    QCOMPARE(image->sceneRect(), QRectF(100, 35, 200, 50));
    // The rescale ended its resize: handle drags do nothing until the next one begins.
    image->moveHandle(CKorvexResizeHandles::BottomRight, QPointF(500, 500));
    QCOMPARE(image->sceneRect(), QRectF(100, 35, 200, 50));
}

void TestDesignerItem::samePageKeepsSnapshot()
{
    auto page = makePage();
    auto* rect = new CKorvexDesignerRect;
    CKorvexDesignerItem* companion = addItem(*page, rect, CKorvexItemTypes::Rect, QPointF(40, 40));
    rect->setRect(0, 0, 5, 5);
    companion->rescaleToPage();
    QCOMPARE(rect->sceneRect(), QRectF(40, 40, 100, 100));
    // A snapshot taken without a page cannot scale.
    companion->takeGeometrySnapshot(QSizeF());
    companion->rescaleToPage(QSizeF(300, 300));
    QCOMPARE(rect->sceneRect(), QRectF(40, 40, 100, 100));
}

KORVEX_TEST_MAIN(TestDesignerItem)
#include "tst_designeritem.moc"
