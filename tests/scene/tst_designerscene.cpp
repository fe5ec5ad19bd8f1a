#include "KorvexSceneBench.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScreen.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"
#include "undo/CKorvexUndPageSizeChangedCommand.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QSignalSpy>

using Korvex::CKorvexUndoManager;

/// The design scene in a view, driven as a user drives it, and its page operations.
class TestDesignerScene : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void newItemsArePlacedOnTheGrid_data();
    void newItemsArePlacedOnTheGrid();
    void dragMovesByTheSnappedDelta();
    void dragOfASelectionMovesEverySelectedItem();
    void rubberBandThatTouchesAnItemSelectsIt();
    void rightPressMenus();
    void toolCreationIsOneStepAndReturnsToThePointer();
    void dropsAndTheOneThreeDArea();
    void arrowKeysMoveByOneUnit_data();
    void arrowKeysMoveByOneUnit();
    void gKeyTogglesTheGrid();
    void deleteKeyDeletesTheSelectionInOneStep();
    void handleDragResizesOnTheGrid();
    void clickWithoutChangeLeavesNoUndoStep();
    void stackingOrder();
    void copyAndPaste();
    void pasteOfABadClipboard();
    void resetPage();
    void pageSizeChangeUndoesSizesAndPositions();
    void twoScenesKeepTheirOwnState();

private:
    CKorvexDesignerScene& scene() { return *m_bench->scene; }
    std::unique_ptr<KorvexSceneBench> m_bench;
};

void TestDesignerScene::init()
{
    KorvexTestEnvironment::clearSettings();
    KorvexSceneBench::setGrid(true, 10);
    m_bench = std::make_unique<KorvexSceneBench>();
    CKorvexUndoManager::getInstance().ClearHistory();
    QGuiApplication::clipboard()->clear();
}

void TestDesignerScene::cleanup()
{
    m_bench.reset();
}

void TestDesignerScene::newItemsArePlacedOnTheGrid_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QPointF>("press");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("fractions fall to the grid line below") << true << false << QPointF(17.3, 19.9) << QPointF(10, 10);
    QTest::newRow("negative and whole") << true << false << QPointF(-17.3, 20) << QPointF(-10, 20);
    QTest::newRow("snapping off rounds half up") << false << false << QPointF(20.5, -17.5) << QPointF(21, -17);
    QTest::newRow("alt held rounds") << true << true << QPointF(17.3, 19.9) << QPointF(17, 20);
}

void TestDesignerScene::newItemsArePlacedOnTheGrid()
{
    QFETCH(bool, snapping);
    QFETCH(bool, alt);
    QFETCH(QPointF, press);
    QFETCH(QPointF, expected);
    KorvexSceneBench::setGrid(snapping, 10);
    scene().setCreationType(CKorvexItemTypes::Rect);
    if (alt)
        QTest::keyPress(m_bench->view.get(), Qt::Key_Alt);
    QCOMPARE(scene().context().snappingSuspended(), alt);
    m_bench->scenePress(press);
    QTest::keyRelease(m_bench->view.get(), Qt::Key_Alt);
    QVERIFY(!scene().context().snappingSuspended());
    QGraphicsItem* item = scene().currentItem();
    QVERIFY(item && item != scene().screen());
    QCOMPARE(item->pos(), expected);
    QCOMPARE(scene().itemProperties(item).value(CKorvexPropertyKeys::StartLocation).toPointF(), expected);
    QVERIFY(scene().isModified());
}

void TestDesignerScene::dragMovesByTheSnappedDelta()
{
    QGraphicsItem* item = m_bench->rect(13, 7);
    scene().deselectAll();
    CKorvexUndoManager::getInstance().ClearHistory();
    m_bench->press(QPointF(21, 21));
    QVERIFY(KorvexSceneBench::isSelected(item));
    m_bench->move(QPointF(28, 29));
    QCOMPARE(item->pos(), QPointF(13, 7));
    m_bench->move(QPointF(48, 33), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(item->pos(), QPointF(13, 7));
    m_bench->move(QPointF(48, 33));
    m_bench->release(QPointF(48, 33));
    QCOMPARE(item->pos(), QPointF(33, 17));
    QCOMPARE(CKorvexDesignerItem::companionOf(item)->handles()->handle(0)->sceneRect().center(), QPointF(33, 17));
    QCOMPARE(CKorvexDesignerItem::companionOf(item)->geometrySnapshot().x, 33.0);
    QVERIFY(scene().isModified());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    scene().undo();
    QCOMPARE(item->pos(), QPointF(13, 7));
    scene().redo();
    QCOMPARE(item->pos(), QPointF(33, 17));

    // With snapping off the item moves in whole units.
    KorvexSceneBench::setGrid(false);
    item->setPos(13, 7);
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
    QCOMPARE((QList<QPointF>{first->pos(), second->pos()}), (QList<QPointF>{{130, 120}, {330, 320}}));
    QVERIFY(KorvexSceneBench::isSelected(second));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    scene().undo();
    QCOMPARE((QList<QPointF>{first->pos(), second->pos()}), (QList<QPointF>{{100, 100}, {300, 300}}));
}

void TestDesignerScene::rubberBandThatTouchesAnItemSelectsIt()
{
    QGraphicsItem* touched = m_bench->rect(200, 200);
    QGraphicsItem* apart = m_bench->rect(400, 400);
    scene().deselectAll();
    m_bench->press(QPointF(150, 150));
    QVERIFY(scene().rubberBand()->isVisible());
    m_bench->move(QPointF(205, 205));
    QCOMPARE(scene().rubberBand()->rect(), QRectF(150, 150, 55, 55));
    m_bench->release(QPointF(205, 205));
    QVERIFY(KorvexSceneBench::isSelected(touched) && !KorvexSceneBench::isSelected(apart));
    QVERIFY(!scene().rubberBand()->isVisible());
    QVERIFY(!KorvexSceneBench::isSelected(scene().screen()));

    // Dragged up and to the left the band is normalised.
    m_bench->press(QPointF(460, 460));
    m_bench->move(QPointF(450, 420));
    QCOMPARE(scene().rubberBand()->rect(), QRectF(450, 420, 10, 40));
    m_bench->release(QPointF(450, 420));
    QVERIFY(KorvexSceneBench::isSelected(apart) && !KorvexSceneBench::isSelected(touched));
}

void TestDesignerScene::rightPressMenus()
{
    KorvexScriptedPrompt prompt;
    QMenu itemMenu(QStringLiteral("Item"));
    QMenu pageMenu(QStringLiteral("Page"));
    scene().setItemMenu(&itemMenu);
    scene().setPageMenu(&pageMenu);
    QGraphicsItem* selected = m_bench->rect(100, 100);
    QGraphicsItem* unselected = m_bench->rect(300, 300);
    scene().selectItem(unselected, false);

    const auto rightClick = [this](const QPointF& p) {
        m_bench->press(p, Qt::RightButton);
        m_bench->release(p, Qt::RightButton);
    };
    for (const QPointF& p : {QPointF(120, 120), QPointF(320, 320), QPointF(250, 600), QPointF(-20, -20)})
        rightClick(p);
    QCOMPARE(prompt.menus(), (QStringList{QStringLiteral("Item"), QStringLiteral("Page"), QStringLiteral("Page"),
                                          QStringLiteral("Page")}));
    // A menu press changes no selection.
    QVERIFY(KorvexSceneBench::isSelected(selected) && !KorvexSceneBench::isSelected(unselected));

    // Without the item menu a right press on an item falls through to selection.
    scene().setItemMenu(nullptr);
    rightClick(QPointF(320, 320));
    QCOMPARE(prompt.menus().size(), 4);
    QVERIFY(!KorvexSceneBench::isSelected(selected));
}

void TestDesignerScene::toolCreationIsOneStepAndReturnsToThePointer()
{
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);
    scene().setCreationType(CKorvexItemTypes::Rect);
    m_bench->click(QPointF(53, 64));
    QGraphicsItem* item = scene().currentItem();
    QVERIFY(dynamic_cast<CKorvexDesignerRect*>(item) && item != scene().screen());
    QCOMPARE(item->pos(), QPointF(50, 60));
    QVERIFY(KorvexSceneBench::isSelected(item));
    QVERIFY(m_bench->panel.shown.contains(item));
    QVERIFY(pointer.count() >= 1);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(m_bench->panel.editors.isEmpty());

    scene().setCreationType(CKorvexItemTypes::Label);
    m_bench->click(QPointF(200, 200));
    QGraphicsItem* label = scene().currentItem();
    QCOMPARE(m_bench->panel.editors, QList<QGraphicsItem*>{label});
    QVERIFY(label->zValue() > item->zValue());

    // Undone, the creation leaves the item hidden and unwritten.
    QCOMPARE(scene().writtenRecords().size(), 3);
    QVERIFY(CKorvexDesignerScene::isWritten(label));
    scene().undo();
    QVERIFY(!label->isVisible() && !label->isEnabled() && KorvexSceneBench::isDeleted(label));
    QVERIFY(!CKorvexDesignerScene::isWritten(label));
    QCOMPARE(scene().writtenRecords().size(), 2);
    scene().redo();
    QVERIFY(label->isVisible() && label->isEnabled() && CKorvexDesignerScene::isWritten(label));
    QCOMPARE(label->pos(), QPointF(200, 200));
}

void TestDesignerScene::dropsAndTheOneThreeDArea()
{
    CKorvexDesignerScene& scene = *m_bench->scene;
    QGraphicsItem* area = scene.createItem(CKorvexItemTypes::Area3D, QPointF(40, 40));
    QVERIFY(area && scene.has3DArea());
    QCOMPARE(scene.createItem(CKorvexItemTypes::Area3D, QPointF(100, 120)), area);
    QCOMPARE(area->pos(), QPointF(100, 120));

    int steps = KorvexSceneBench::undoCount();
    m_bench->drop(QStringLiteral("3D AREA"), QPointF(203, 305));
    QCOMPARE(scene.currentItem(), area);
    QCOMPARE(area->pos(), QPointF(200, 300));
    QCOMPARE(KorvexSceneBench::undoCount(), steps + 1);
    QCOMPARE(scene.pageItems(), QList<QGraphicsItem*>{area});

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

    // Unknown kinds and the page itself are never dropped.
    const int items = scene.items().size();
    steps = KorvexSceneBench::undoCount();
    m_bench->drop(QStringLiteral("circle"), QPointF(50, 50));
    m_bench->drop(QStringLiteral("Screen"), QPointF(50, 50));
    QCOMPARE(scene.items().size(), items);
    QCOMPARE(KorvexSceneBench::undoCount(), steps);
    m_bench->drop(QStringLiteral("Rect"), QPointF(57, 50));
    QCOMPARE(scene.currentItem()->pos(), QPointF(50, 50));
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
    scene().selectItem(still, false);
    CKorvexUndoManager::getInstance().ClearHistory();
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);

    m_bench->key(Qt::Key(key));
    QCOMPARE(moved->pos(), expected);
    QCOMPARE(still->pos(), QPointF(300, 300));
    QCOMPARE(scene().screen()->pos(), QPointF(0, 0));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(scene().isModified());
    QCOMPARE(pointer.count(), 1);
    const CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(moved)->handles();
    QCOMPARE(handles->handle(0)->sceneBoundingRect().center(), expected);

    scene().undo();
    QCOMPARE(moved->pos(), QPointF(100, 100));
}

void TestDesignerScene::gKeyTogglesTheGrid()
{
    CKorvexDesignerScreen* screen = scene().screen();
    const bool before = screen->isGridShown();
    m_bench->key(Qt::Key_G);
    QCOMPARE(screen->isGridShown(), !before);
    const auto settings = CKorvexProductInfo::openSettings();
    QCOMPARE(settings->value(QStringLiteral("Designer/isGridShown")).toBool(), !before);
    m_bench->key(Qt::Key_G);
    QCOMPARE(screen->isGridShown(), before);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScene::handleDragResizesOnTheGrid()
{
    QGraphicsItem* item = m_bench->rect(100, 100, 100, 50);
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(item);
    CKorvexUndoManager::getInstance().ClearHistory();
    const CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
    QCOMPARE(handles->handle(7)->sceneBoundingRect().center(), QPointF(200, 150));

    m_bench->press(QPointF(200, 150));
    QCOMPARE(handles->activeHandle(), 7);
    QCOMPARE(m_bench->panel.shown.last(), item);
    m_bench->move(QPointF(251, 182));
    m_bench->release(QPointF(251, 182));
    QCOMPARE(handles->activeHandle(), -1);
    QCOMPARE(rect->sceneRect(), QRectF(100, 100, 150, 80));
    QCOMPARE(handles->handle(7)->sceneBoundingRect().center(), QPointF(250, 180));
    QVERIFY(scene().isModified());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);

    scene().undo();
    QCOMPARE(rect->sceneRect(), QRectF(100, 100, 100, 50));
}

void TestDesignerScene::clickWithoutChangeLeavesNoUndoStep()
{
    QGraphicsItem* item = m_bench->rect(100, 100);
    scene().deselectAll();
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().setModified(false);
    m_bench->click(QPointF(120, 120));
    QVERIFY(KorvexSceneBench::isSelected(item));
    m_bench->click(QPointF(250, 600));
    QVERIFY(!KorvexSceneBench::isSelected(item));
    scene().beginState();
    scene().endState();
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(!scene().isModified());
    QTest::mouseDClick(m_bench->viewport(), Qt::LeftButton, Qt::NoModifier, m_bench->at(QPointF(120, 120)));
    QCOMPARE(m_bench->panel.editors, QList<QGraphicsItem*>{item});
}

void TestDesignerScene::deleteKeyDeletesTheSelectionInOneStep()
{
    QGraphicsItem* first = m_bench->rect(10, 10);
    QGraphicsItem* second = m_bench->rect(200, 200);
    QGraphicsItem* kept = m_bench->rect(300, 400);
    scene().selectItem(kept, false);
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().setModified(false);
    scene().copySelectedItems();
    const QString copied = QGuiApplication::clipboard()->text();

    m_bench->key(Qt::Key_Delete);
    QVERIFY(scene().isModified());
    QVERIFY(KorvexSceneBench::isDeleted(first) && KorvexSceneBench::isDeleted(second));
    QVERIFY(!first->isVisible() && !first->isEnabled() && !second->isVisible() && kept->isVisible());
    QCOMPARE(scene().currentItem(), kept);
    QCOMPARE(m_bench->panel.shown.last(), nullptr);
    QVERIFY(scene().context().selection().isEmpty());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QCOMPARE(scene().writtenRecords().size(), 2);
    // A deleted item is never selected again by a press where it was.
    m_bench->click(QPointF(20, 20));
    QVERIFY(!KorvexSceneBench::isSelected(first));

    scene().undo();
    QVERIFY(first->isVisible() && second->isVisible() && first->isEnabled());
    QVERIFY(!KorvexSceneBench::isDeleted(first) && !KorvexSceneBench::isDeleted(second));
    QCOMPARE(first->pos(), QPointF(10, 10));
    QCOMPARE(scene().writtenRecords().size(), 4);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    scene().redo();
    QVERIFY(!first->isVisible() && !second->isVisible() && kept->isVisible());
}

void TestDesignerScene::stackingOrder()
{
    QGraphicsItem* bottom = m_bench->rect(10, 10, 50, 50, 4);
    QGraphicsItem* middle = m_bench->rect(100, 10, 50, 50, 7);
    QGraphicsItem* top = m_bench->rect(200, 10, 50, 50, 9);
    scene().deselectAll();
    scene().selectItem(middle, true);
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().sendToBack();
    QCOMPARE((QList<double>{middle->zValue(), bottom->zValue(), top->zValue(), scene().screen()->zValue()}),
             (QList<double>{1, 2, 3, 0}));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    scene().undo();
    QCOMPARE((QList<double>{bottom->zValue(), middle->zValue(), top->zValue()}), (QList<double>{4, 7, 9}));

    scene().deselectAll();
    scene().selectItem(bottom, true);
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().bringToFront();
    QCOMPARE((QList<double>{middle->zValue(), top->zValue(), bottom->zValue()}), (QList<double>{1, 2, 3}));
    // Not an undo step of its own.
    QCOMPARE(KorvexSceneBench::undoCount(), 0);

    // Without a current item, as after a reset, bringing to front does nothing.
    m_bench->rect(10, 10, 50, 50, 5);
    QVERIFY(scene().resetPage(false));
    QVERIFY(!scene().currentItem());
    scene().bringToFront();
    QCOMPARE(scene().screen()->zValue(), 0.0);

    // A save forgets the current item too, until a press makes one again.
    QGraphicsItem* low = m_bench->rect(10, 10, 50, 50, 5);
    QGraphicsItem* high = m_bench->rect(100, 10, 50, 50, 8);
    scene().selectItem(high, false);
    QTemporaryDir folder;
    QVERIFY(scene().writeTemplate(folder.filePath(QStringLiteral("page.ktf"))));
    QVERIFY(!scene().currentItem());
    scene().bringToFront();
    QCOMPARE((QList<double>{low->zValue(), high->zValue()}), (QList<double>{5, 8}));
    m_bench->click(QPointF(20, 20));
    scene().bringToFront();
    QCOMPARE((QList<double>{high->zValue(), low->zValue()}), (QList<double>{1, 2}));
}

void TestDesignerScene::copyAndPaste()
{
    QGraphicsItem* area = scene().createItem(CKorvexItemTypes::Area3D, QPointF(300, 300));
    QGraphicsItem* low = m_bench->rect(20, 30, 100, 50, 1);
    QGraphicsItem* high = m_bench->rect(213, 17, 40, 60, 2);
    scene().selectItem(area, true);
    QVERIFY(KorvexSceneBench::isSelected(area) && KorvexSceneBench::isSelected(low));
    // The 3D area is never copied.
    scene().copySelectedItems();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             scene().itemProperties(low).toItemBlock() + '\n' + scene().itemProperties(high).toItemBlock());
    CKorvexUndoManager::getInstance().ClearHistory();
    const QList<QGraphicsItem*> before = scene().pageItems();

    scene().pasteSelectedItems();
    QList<QGraphicsItem*> pasted = scene().pageItems();
    for (QGraphicsItem* item : before)
        pasted.removeOne(item);
    QCOMPARE(pasted.size(), 2);
    QCOMPARE(scene().selectedPageItems(), pasted);
    QVERIFY(!KorvexSceneBench::isSelected(low));
    for (QGraphicsItem* copy : pasted) {
        QGraphicsItem* original = copy->zValue() == 1.0 ? low : high;
        QCOMPARE(copy->pos(), original->pos());
        QCOMPARE(copy->zValue(), original->zValue());
        QCOMPARE(dynamic_cast<CKorvexDesignerRect*>(copy)->width(), dynamic_cast<CKorvexDesignerRect*>(original)->width());
    }
    QCOMPARE(scene().currentItem(), pasted.last());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    scene().undo();
    QVERIFY(!pasted.first()->isVisible() && !pasted.last()->isVisible());
    QVERIFY(low->isVisible() && high->isVisible());

    // Nothing that qualifies leaves the clipboard empty.
    scene().deselectAll();
    scene().selectItem(area, true);
    scene().copySelectedItems();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

void TestDesignerScene::pasteOfABadClipboard()
{
    const int before = scene().pageItems().size();
    const int refreshes = m_bench->panel.refreshes;
    scene().pasteSelectedItems();
    QCOMPARE(scene().pageItems().size(), before);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(m_bench->panel.refreshes > refreshes);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());

    // An indented block is no block; an unknown kind stops the paste before the line.
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "stray\nitem begin\ntype:rect\nstart location:5 5\nitem end\n"
        "  item begin\ntype:rect\nitem end\n"
        "item begin\ntype:circle\nitem end\n"
        "item begin\ntype:line\nitem end"));
    scene().pasteSelectedItems();
    QCOMPARE(scene().pageItems().size(), before + 1);
    QCOMPARE(scene().pageItems().last()->pos(), QPointF(5, 5));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());
}

void TestDesignerScene::resetPage()
{
    int asked = 0;
    scene().setPageSetupChooser([&asked](CKorvexPageSetup& setup) {
        ++asked;
        setup.width = 1000;
        return false;
    });
    QGraphicsItem* item = m_bench->rect(40, 50);
    scene().setModified();
    QVERIFY(KorvexSceneBench::undoCount() > 0);
    QVERIFY(!scene().resetPage(true));
    QCOMPARE(asked, 1);
    QVERIFY(scene().pageItems().contains(item) && item->isVisible());
    QCOMPARE(scene().screen()->width(), 500.0);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(!CKorvexUndoManager::getInstance().CanRedo());

    // Accepted, the page is new and as chosen.
    CKorvexPageSetup offered;
    scene().setPageSetupChooser([&offered](CKorvexPageSetup& setup) {
        offered = setup;
        setup.width = 800;
        setup.height = 600;
        setup.pageSizeType = QStringLiteral("Letter");
        setup.dpi = 96;
        return true;
    });
    scene().screen()->setWidth(640);
    scene().context().setTemplateReadVersion(11005u);
    m_bench->rect(40, 50);
    scene().setModified();
    m_bench->panel.pending = true;

    QVERIFY(scene().resetPage(true));
    QCOMPARE(offered.width, 640.0);
    QVERIFY(scene().pageItems().isEmpty());
    CKorvexDesignerScreen* screen = scene().screen();
    QCOMPARE(QSizeF(screen->width(), screen->height()), QSizeF(800, 600));
    QCOMPARE(screen->pageSizeType(), QStringLiteral("Letter"));
    QCOMPARE(screen->dpi(), 96);
    QCOMPARE(screen->pos(), QPointF(0, 0));
    QVERIFY(!scene().isModified());
    QVERIFY(!m_bench->panel.pending);
    QCOMPARE(m_bench->panel.shown.last(), screen);
    QVERIFY(!scene().context().templateReadVersion());
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScene::pageSizeChangeUndoesSizesAndPositions()
{
    scene().screen()->setWidth(600);
    scene().screen()->setHeight(800);
    QGraphicsItem* item = m_bench->rect(100, 200, 120, 80);
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(item);
    CKorvexUndoManager::getInstance().ClearHistory();

    // As the main window does it.
    scene().beginState();
    scene().screen()->setWidth(300);
    scene().screen()->setHeight(400);
    scene().rescaleItems(0.5, 0.5);
    auto* group = Korvex::CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexUndPageSizeChangedCommand::Create(&scene(), 600, 800, 300, 400, group);
    scene().endState(group);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    const QRectF half(50, 100, 60, 40);
    QCOMPARE(rect->sceneRect(), half);

    scene().undo();
    QCOMPARE(QSizeF(scene().screen()->width(), scene().screen()->height()), QSizeF(600, 800));
    QCOMPARE(rect->sceneRect(), QRectF(100, 200, 120, 80));
    scene().redo();
    QCOMPARE(scene().screen()->width(), 300.0);
    QCOMPARE(rect->sceneRect(), half);
}

void TestDesignerScene::twoScenesKeepTheirOwnState()
{
    CKorvexDesignerScene& first = *m_bench->scene;
    Korvex::CKorvexUndoManager secondHistory;
    CKorvexDesignerScene second(nullptr, &secondHistory);
    QGraphicsItem* a = first.createItem(CKorvexItemTypes::Rect, QPointF(20, 20));
    QGraphicsItem* b = second.createItem(CKorvexItemTypes::Rect, QPointF(20, 20));
    for (CKorvexDesignerScene* scene : {&first, &second}) {
        QGraphicsItem* item = scene == &first ? a : b;
        scene->beginState();
        item->setPos(100, 100);
        scene->endState();
    }
    first.context().setZoomCompensation(0.5);
    first.context().setTemplateReadVersion(11005u);

    first.undo();
    QCOMPARE(a->pos(), QPointF(20, 20));
    QCOMPARE(b->pos(), QPointF(100, 100));
    QCOMPARE(secondHistory.UndoCount(), 2);
    QVERIFY(first.context().selection().contains(CKorvexDesignerItem::companionOf(a)));
    QCOMPARE(second.context().selection(), QSet<CKorvexDesignerItem*>{CKorvexDesignerItem::companionOf(b)});
    QCOMPARE(second.context().zoomCompensation(), 1.0);
    QVERIFY(!second.context().templateReadVersion());
    second.undo();
    second.undo();
    QVERIFY(KorvexSceneBench::isDeleted(b));
    QVERIFY(!KorvexSceneBench::isDeleted(a));
}

KORVEX_TEST_MAIN(TestDesignerScene)
#include "tst_designerscene.moc"
