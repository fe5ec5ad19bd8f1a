#include "KorvexSceneBench.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "io/CKorvexTemplateWriter.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyKeys.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"

#include <QMenu>
#include <QSignalSpy>

using Korvex::CKorvexUndoManager;

class TestDesignerScene : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newItemsArePlacedOnTheGrid_data();
    void newItemsArePlacedOnTheGrid();
    void dragMovesByTheSnappedDelta();
    void dragWithSnappingOffMovesInWholeSteps();
    void dragOfASelectionMovesEverySelectedItem();
    void rubberBandThatTouchesAnItemSelectsIt();
    void rightPressMenus();
    void toolCreationIsOneStepAndReturnsToThePointer();
    void undoneCreationIsHiddenAndNotWritten();
    void threeDAreaIsMovedNotDuplicated();
    void arrowKeysMoveByOneUnit_data();
    void arrowKeysMoveByOneUnit();
    void altSuspendsSnapping();
    void gKeyTogglesTheGrid();
    void deleteKeyDeletesTheSelection();
    void handleDragResizesOnTheGrid();
    void clickWithoutChangeLeavesNoUndoStep();
    void doubleClickOpensTheEditor();
    void unknownDropCreatesNothing();

private:
    std::unique_ptr<KorvexSceneBench> m_bench;
};

void TestDesignerScene::init()
{
    KorvexTestEnvironment::clearSettings();
    KorvexSceneBench::setGrid(true, 10);
    m_bench = std::make_unique<KorvexSceneBench>();
    CKorvexUndoManager::getInstance().ClearHistory();
}

void TestDesignerScene::cleanup()
{
    m_bench.reset();
    CKorvexDesignerContext::setSnappingSuspended(false);
}

void TestDesignerScene::newItemsArePlacedOnTheGrid_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("fractions fall to the grid line below") << true << QPointF(17.3, 19.9) << QPointF(10, 10);
    QTest::newRow("negative and whole") << true << QPointF(-17.3, 20) << QPointF(-10, 20);
    QTest::newRow("on the grid stays") << true << QPointF(40, 0) << QPointF(40, 0);
    QTest::newRow("snapping off rounds") << false << QPointF(17.3, 19.9) << QPointF(17, 20);
    QTest::newRow("snapping off half up") << false << QPointF(20.5, -17.5) << QPointF(21, -17);
}

void TestDesignerScene::newItemsArePlacedOnTheGrid()
{
    QFETCH(bool, snapping);
    QFETCH(QPointF, press);
    QFETCH(QPointF, expected);
    KorvexSceneBench::setGrid(snapping, 10);
    m_bench->scene->setCreationType(CKorvexItemTypes::Rect);
    m_bench->scenePress(press);
    QGraphicsItem* item = m_bench->scene->currentItem();
    QVERIFY(item && item != m_bench->scene->screen());
    QCOMPARE(item->pos(), expected);
    QCOMPARE(m_bench->scene->itemProperties(item).value(CKorvexPropertyKeys::StartLocation).toPointF(), expected);
    QVERIFY(m_bench->scene->isModified());
}

void TestDesignerScene::dragMovesByTheSnappedDelta()
{
    QGraphicsItem* item = m_bench->rect(13, 7);
    m_bench->scene->deselectAll();
    CKorvexUndoManager::getInstance().ClearHistory();
    m_bench->press(QPointF(21, 21));
    QVERIFY(KorvexSceneBench::isSelected(item));
    m_bench->move(QPointF(28, 29));
    QCOMPARE(item->pos(), QPointF(13, 7));
    QVERIFY(!m_bench->scene->isModified() || item->pos() == QPointF(13, 7));
    m_bench->move(QPointF(48, 33));
    m_bench->release(QPointF(48, 33));
    QCOMPARE(item->pos(), QPointF(33, 17));
    QVERIFY(m_bench->scene->isModified());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    m_bench->scene->undo();
    QCOMPARE(item->pos(), QPointF(13, 7));
    m_bench->scene->redo();
    QCOMPARE(item->pos(), QPointF(33, 17));
}

void TestDesignerScene::dragWithSnappingOffMovesInWholeSteps()
{
    KorvexSceneBench::setGrid(false);
    QGraphicsItem* item = m_bench->rect(13, 7);
    m_bench->scene->deselectAll();
    m_bench->press(QPointF(21, 21));
    m_bench->sceneMouse(QEvent::GraphicsSceneMouseMove, QPointF(24.4, 26.6), Qt::NoButton, Qt::LeftButton);
    m_bench->release(QPointF(24, 27));
    QCOMPARE(item->pos(), QPointF(16, 13));
}

void TestDesignerScene::dragOfASelectionMovesEverySelectedItem()
{
    QGraphicsItem* first = m_bench->rect(100, 100);
    QGraphicsItem* second = m_bench->rect(300, 300);
    QVERIFY(KorvexSceneBench::isSelected(first) && KorvexSceneBench::isSelected(second));
    CKorvexUndoManager::getInstance().ClearHistory();
    m_bench->drag(QPointF(120, 120), QPointF(150, 140));
    QCOMPARE(first->pos(), QPointF(130, 120));
    QCOMPARE(second->pos(), QPointF(330, 320));
    QVERIFY(KorvexSceneBench::isSelected(second));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    m_bench->scene->undo();
    QCOMPARE(first->pos(), QPointF(100, 100));
    QCOMPARE(second->pos(), QPointF(300, 300));
}

void TestDesignerScene::rubberBandThatTouchesAnItemSelectsIt()
{
    QGraphicsItem* touched = m_bench->rect(200, 200);
    QGraphicsItem* apart = m_bench->rect(400, 400);
    m_bench->scene->deselectAll();
    m_bench->press(QPointF(150, 150));
    QVERIFY(m_bench->scene->rubberBand()->isVisible());
    m_bench->move(QPointF(205, 205));
    QCOMPARE(m_bench->scene->rubberBand()->rect(), QRectF(150, 150, 55, 55));
    m_bench->release(QPointF(205, 205));
    QVERIFY(KorvexSceneBench::isSelected(touched));
    QVERIFY(!KorvexSceneBench::isSelected(apart));
    QVERIFY(!m_bench->scene->rubberBand()->isVisible());
    QVERIFY(!KorvexSceneBench::isSelected(m_bench->scene->screen()));

    // Dragged up and to the left the band is normalised.
    m_bench->press(QPointF(460, 460));
    m_bench->move(QPointF(450, 420));
    QCOMPARE(m_bench->scene->rubberBand()->rect(), QRectF(450, 420, 10, 40));
    m_bench->release(QPointF(450, 420));
    QVERIFY(KorvexSceneBench::isSelected(apart));
    QVERIFY(!KorvexSceneBench::isSelected(touched));
}

void TestDesignerScene::rightPressMenus()
{
    KorvexScriptedPrompt prompt;
    QMenu itemMenu(QStringLiteral("Item"));
    QMenu pageMenu(QStringLiteral("Page"));
    m_bench->scene->setItemMenu(&itemMenu);
    m_bench->scene->setPageMenu(&pageMenu);
    QGraphicsItem* selected = m_bench->rect(100, 100);
    QGraphicsItem* unselected = m_bench->rect(300, 300);
    m_bench->scene->selectItem(unselected, false);

    m_bench->press(QPointF(120, 120), Qt::RightButton);
    m_bench->release(QPointF(120, 120), Qt::RightButton);
    m_bench->press(QPointF(320, 320), Qt::RightButton);
    m_bench->release(QPointF(320, 320), Qt::RightButton);
    m_bench->press(QPointF(250, 600), Qt::RightButton);
    m_bench->release(QPointF(250, 600), Qt::RightButton);
    m_bench->press(QPointF(-20, -20), Qt::RightButton);
    m_bench->release(QPointF(-20, -20), Qt::RightButton);
    QCOMPARE(prompt.menus(), (QStringList{QStringLiteral("Item"), QStringLiteral("Page"), QStringLiteral("Page"),
                                          QStringLiteral("Page")}));
    // A menu press changes no selection.
    QVERIFY(KorvexSceneBench::isSelected(selected));
    QVERIFY(!KorvexSceneBench::isSelected(unselected));

    // Without the item menu a right press on an item falls through to selection.
    m_bench->scene->setItemMenu(nullptr);
    m_bench->press(QPointF(320, 320), Qt::RightButton);
    m_bench->release(QPointF(320, 320), Qt::RightButton);
    QCOMPARE(prompt.menus().size(), 4);
    QVERIFY(!KorvexSceneBench::isSelected(selected));
}

void TestDesignerScene::toolCreationIsOneStepAndReturnsToThePointer()
{
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);
    m_bench->scene->setCreationType(CKorvexItemTypes::Rect);
    m_bench->click(QPointF(53, 64));
    QGraphicsItem* item = m_bench->scene->currentItem();
    QVERIFY(dynamic_cast<CKorvexDesignerRect*>(item) && item != m_bench->scene->screen());
    QCOMPARE(item->pos(), QPointF(50, 60));
    QVERIFY(KorvexSceneBench::isSelected(item));
    QVERIFY(m_bench->panel.shown.contains(item));
    QVERIFY(pointer.count() >= 1);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(m_bench->panel.editors.isEmpty());

    m_bench->scene->setCreationType(CKorvexItemTypes::Label);
    m_bench->click(QPointF(200, 200));
    QCOMPARE(m_bench->panel.editors.size(), 1);
    QVERIFY(m_bench->scene->currentItem()->zValue() > item->zValue());
}

void TestDesignerScene::undoneCreationIsHiddenAndNotWritten()
{
    m_bench->scene->setCreationType(CKorvexItemTypes::Rect);
    m_bench->click(QPointF(100, 100));
    QGraphicsItem* item = m_bench->scene->currentItem();
    CKorvexTemplateWriter writer(*m_bench->scene);
    QCOMPARE(writer.itemBlocks().size(), 2);
    QVERIFY(CKorvexTemplateWriter::isWritten(item));

    m_bench->scene->undo();
    QVERIFY(!item->isVisible());
    QVERIFY(!item->isEnabled());
    QVERIFY(KorvexSceneBench::isDeleted(item));
    QVERIFY(!CKorvexTemplateWriter::isWritten(item));
    QCOMPARE(writer.itemBlocks().size(), 1);

    m_bench->scene->redo();
    QVERIFY(item->isVisible());
    QVERIFY(item->isEnabled());
    QVERIFY(CKorvexTemplateWriter::isWritten(item));
    QCOMPARE(item->pos(), QPointF(100, 100));
}

void TestDesignerScene::threeDAreaIsMovedNotDuplicated()
{
    CKorvexDesignerScene& scene = *m_bench->scene;
    QGraphicsItem* area = scene.createItem(CKorvexItemTypes::Area3D, QPointF(40, 40));
    QVERIFY(area);
    QVERIFY(scene.has3DArea());
    QCOMPARE(scene.find3DArea(), area);
    QCOMPARE(scene.createItem(CKorvexItemTypes::Area3D, QPointF(100, 120)), area);
    QCOMPARE(area->pos(), QPointF(100, 120));

    const int steps = KorvexSceneBench::undoCount();
    m_bench->drop(QStringLiteral("3D AREA"), QPointF(203, 305));
    QCOMPARE(scene.currentItem(), area);
    QCOMPARE(area->pos(), QPointF(200, 300));
    QCOMPARE(KorvexSceneBench::undoCount(), steps + 1);
    int areas = 0;
    for (QGraphicsItem* item : scene.pageItems())
        areas += CKorvexDesignerItem::companionOf(item)->recordType() == CKorvexItemTypes::Area3D ? 1 : 0;
    QCOMPARE(areas, 1);

    // Undoing the drop moves the area back rather than hiding it.
    scene.undo();
    QVERIFY(area->isVisible());
    QCOMPARE(area->pos(), QPointF(100, 120));

    // Once deleted, the tool makes a new one.
    scene.selectItem(area, true);
    scene.deleteSelectedItems();
    QVERIFY(!scene.has3DArea());
    QGraphicsItem* fresh = scene.createItem(CKorvexItemTypes::Area3D, QPointF(10, 10));
    QVERIFY(fresh && fresh != area);
    QCOMPARE(scene.find3DArea(), fresh);
}

void TestDesignerScene::arrowKeysMoveByOneUnit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("up") << int(Qt::Key_Up) << QPointF(100, 99);
    QTest::newRow("down") << int(Qt::Key_Down) << QPointF(100, 101);
    QTest::newRow("left") << int(Qt::Key_Left) << QPointF(99, 100);
    QTest::newRow("right") << int(Qt::Key_Right) << QPointF(101, 100);
}

void TestDesignerScene::arrowKeysMoveByOneUnit()
{
    QFETCH(int, key);
    QFETCH(QPointF, expected);
    QGraphicsItem* moved = m_bench->rect(100, 100);
    QGraphicsItem* still = m_bench->rect(300, 300);
    m_bench->scene->selectItem(still, false);
    CKorvexUndoManager::getInstance().ClearHistory();
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);

    m_bench->key(Qt::Key(key));
    QCOMPARE(moved->pos(), expected);
    QCOMPARE(still->pos(), QPointF(300, 300));
    QCOMPARE(m_bench->scene->screen()->pos(), QPointF(0, 0));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(m_bench->scene->isModified());
    QCOMPARE(pointer.count(), 1);
    const CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(moved)->handles();
    QCOMPARE(handles->handle(0)->sceneBoundingRect().center(), expected);

    m_bench->scene->undo();
    QCOMPARE(moved->pos(), QPointF(100, 100));
}

void TestDesignerScene::altSuspendsSnapping()
{
    m_bench->scene->setCreationType(CKorvexItemTypes::Rect);
    QTest::keyPress(m_bench->view.get(), Qt::Key_Alt);
    QVERIFY(CKorvexDesignerContext::snappingSuspended());
    m_bench->scenePress(QPointF(17.3, 19.9));
    QCOMPARE(m_bench->scene->currentItem()->pos(), QPointF(17, 20));
    QTest::keyRelease(m_bench->view.get(), Qt::Key_Alt);
    QVERIFY(!CKorvexDesignerContext::snappingSuspended());
    m_bench->scene->setCreationType(CKorvexItemTypes::Rect);
    m_bench->scenePress(QPointF(17.3, 19.9));
    QCOMPARE(m_bench->scene->currentItem()->pos(), QPointF(10, 10));
}

void TestDesignerScene::gKeyTogglesTheGrid()
{
    CKorvexDesignerScreen* screen = m_bench->scene->screen();
    const bool before = screen->isGridShown();
    m_bench->key(Qt::Key_G);
    QCOMPARE(screen->isGridShown(), !before);
    const auto settings = CKorvexProductInfo::openSettings();
    QCOMPARE(settings->value(QStringLiteral("Designer/isGridShown")).toBool(), !before);
    m_bench->key(Qt::Key_G);
    QCOMPARE(screen->isGridShown(), before);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScene::deleteKeyDeletesTheSelection()
{
    QGraphicsItem* doomed = m_bench->rect(100, 100);
    QGraphicsItem* kept = m_bench->rect(300, 300);
    m_bench->scene->selectItem(kept, false);
    CKorvexUndoManager::getInstance().ClearHistory();
    m_bench->key(Qt::Key_Delete);
    QVERIFY(KorvexSceneBench::isDeleted(doomed));
    QVERIFY(!doomed->isVisible());
    QVERIFY(kept->isVisible());
    QCOMPARE(m_bench->panel.shown.last(), nullptr);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);

    // A deleted item is never selected again by a press where it was.
    m_bench->click(QPointF(120, 120));
    QVERIFY(!KorvexSceneBench::isSelected(doomed));
}

void TestDesignerScene::handleDragResizesOnTheGrid()
{
    QGraphicsItem* item = m_bench->rect(100, 100, 100, 50);
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(item);
    CKorvexUndoManager::getInstance().ClearHistory();
    const CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
    QCOMPARE(handles->handle(7)->sceneBoundingRect().center(), QPointF(200, 150));

    m_bench->press(QPointF(200, 150));
    QCOMPARE(handles->handle(7)->brush().color(), QColor(255, 50, 50, 255));
    QCOMPARE(m_bench->panel.shown.last(), item);
    m_bench->move(QPointF(251, 182));
    m_bench->release(QPointF(251, 182));
    QCOMPARE(handles->handle(7)->brush().color(), QColor(200, 0, 0, 200));
    QCOMPARE(item->pos(), QPointF(100, 100));
    QCOMPARE(rect->width(), 150.0);
    QCOMPARE(rect->height(), 80.0);
    QCOMPARE(handles->handle(7)->sceneBoundingRect().center(), QPointF(250, 180));
    QVERIFY(m_bench->scene->isModified());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);

    m_bench->scene->undo();
    QCOMPARE(rect->width(), 100.0);
    QCOMPARE(rect->height(), 50.0);
}

void TestDesignerScene::clickWithoutChangeLeavesNoUndoStep()
{
    QGraphicsItem* item = m_bench->rect(100, 100);
    m_bench->scene->deselectAll();
    CKorvexUndoManager::getInstance().ClearHistory();
    m_bench->scene->setModified(false);
    m_bench->click(QPointF(120, 120));
    QVERIFY(KorvexSceneBench::isSelected(item));
    m_bench->click(QPointF(250, 600));
    QVERIFY(!KorvexSceneBench::isSelected(item));
    m_bench->scene->beginState();
    m_bench->scene->endState();
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(!m_bench->scene->isModified());
}

void TestDesignerScene::doubleClickOpensTheEditor()
{
    QGraphicsItem* item = m_bench->rect(100, 100);
    m_bench->scene->deselectAll();
    QTest::mouseDClick(m_bench->viewport(), Qt::LeftButton, Qt::NoModifier, m_bench->at(QPointF(120, 120)));
    QCOMPARE(m_bench->panel.editors, QList<QGraphicsItem*>{item});
}

void TestDesignerScene::unknownDropCreatesNothing()
{
    const int items = m_bench->scene->items().size();
    m_bench->drop(QStringLiteral("circle"), QPointF(50, 50));
    m_bench->drop(QStringLiteral("Screen"), QPointF(50, 50));
    QCOMPARE(m_bench->scene->items().size(), items);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    m_bench->drop(QStringLiteral("Rect"), QPointF(57, 50));
    QCOMPARE(m_bench->scene->currentItem()->pos(), QPointF(50, 50));
}

KORVEX_TEST_MAIN(TestDesignerScene)
#include "tst_designerscene.moc"
