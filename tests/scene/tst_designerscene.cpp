#include "KorvexSceneBench.h"
#include "KorvexScriptedPrompt.h"
#include "KorvexTestMain.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandle.h"
#include "scene/CKorvexResizeHandles.h"

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
    void toolPlacesNewItemsOnTheGrid_data();
    void toolPlacesNewItemsOnTheGrid();
    void dragMovesByTheSnappedDelta();
    void rubberBandThatTouchesAnItemSelectsIt();
    void rightPressMenus();
    void dropsAndTheOneThreeDArea();
    void keysMoveByOneUnitAndToggleTheGrid_data();
    void keysMoveByOneUnitAndToggleTheGrid();
    void deleteKeyDeletesTheSelectionInOneStep();
    void handleDragResizesOnTheGrid();
    void stackingOrder();
    void copyAndPaste();
    void resetPage();
    void twoScenesKeepTheirOwnState();
private:
    CKorvexDesignerScene& scene() { return *m_bench->scene; }
    static int steps() { return KorvexSceneBench::undoCount(); }
    static bool selected(const QGraphicsItem* item) { return KorvexSceneBench::isSelected(item); }
    static void clearHistory() { CKorvexUndoManager::getInstance().ClearHistory(); }
    std::unique_ptr<KorvexSceneBench> m_bench;
};

void TestDesignerScene::init()
{
    KorvexTestEnvironment::clearSettings();
    setGrid(true, 10);
    m_bench = std::make_unique<KorvexSceneBench>();
    clearHistory();
    QGuiApplication::clipboard()->clear();
}

void TestDesignerScene::toolPlacesNewItemsOnTheGrid_data()
{
    QTest::addColumn<QString>("tool");
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<bool>("alt");
    QTest::addColumn<QPointF>("press"); // whole points are clicked through the view
    QTest::addColumn<QPointF>("expected");
    const QString rect = CKorvexItemTypes::Rect;
    QTest::newRow("fractions fall to the grid line below") << rect << true << false << QPointF(17.3, 19.9)
                                                           << QPointF(10, 10);
    QTest::newRow("negative and whole") << rect << true << false << QPointF(-17.3, 20) << QPointF(-10, 20);
    QTest::newRow("snapping off rounds half up") << rect << false << false << QPointF(20.5, -17.5) << QPointF(21, -17);
    QTest::newRow("alt held rounds") << rect << true << true << QPointF(17.3, 19.9) << QPointF(17, 20);
    QTest::newRow("label clicked") << QString(CKorvexItemTypes::Label) << true << false << QPointF(203, 197)
                                   << QPointF(200, 190);
}

void TestDesignerScene::toolPlacesNewItemsOnTheGrid()
{
    QFETCH(QString, tool);
    QFETCH(bool, snapping);
    QFETCH(bool, alt);
    QFETCH(QPointF, press);
    QFETCH(QPointF, expected);
    setGrid(snapping, 10);
    QGraphicsItem* below = m_bench->rect(300, 300, 50, 50, 5);
    clearHistory();
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);
    scene().setCreationType(tool);
    if (alt)
        QTest::keyPress(m_bench->view.get(), Qt::Key_Alt);
    QCOMPARE(scene().context().snappingSuspended(), alt);
    press == QPointF(press.toPoint()) ? m_bench->click(press) : m_bench->sceneClick(press);
    QTest::keyRelease(m_bench->view.get(), Qt::Key_Alt);
    QVERIFY(!scene().context().snappingSuspended());
    QGraphicsItem* item = scene().currentItem();
    QVERIFY(item != below && item->zValue() > below->zValue() && m_bench->panel.shown.contains(item));
    QCOMPARE(item->pos(), expected);
    QCOMPARE(scene().itemProperties(item).value(CKorvexPropertyKeys::StartLocation).toPointF(), expected);
    QVERIFY(scene().isModified() && pointer.count() >= 1 && steps() == 1);
    // Only text opens its editor at once.
    QCOMPARE(m_bench->panel.editors.size(), tool == CKorvexItemTypes::Rect ? 0 : 1);
    QVERIFY(m_bench->panel.editors.isEmpty() || m_bench->panel.editors.first() == item);
    // Undone, the new item is hidden and no longer written.
    scene().undo();
    QVERIFY(!item->isVisible() && !item->isEnabled() && KorvexSceneBench::isDeleted(item));
    QVERIFY(!CKorvexDesignerScene::isWritten(item) && scene().writtenRecords().size() == 2);
    scene().redo();
    QVERIFY(item->isVisible() && item->isEnabled() && CKorvexDesignerScene::isWritten(item));
}

void TestDesignerScene::dragMovesByTheSnappedDelta()
{
    QGraphicsItem* item = m_bench->rect(13, 7);
    clearHistory();
    scene().setModified(false);
    // Clicks that change nothing leave no step.
    m_bench->click(QPointF(250, 600));
    QVERIFY(!selected(item));
    m_bench->click(QPointF(21, 21));
    scene().beginState();
    scene().endState();
    QVERIFY(selected(item) && steps() == 0 && !scene().isModified());
    QTest::mouseDClick(m_bench->viewport(), Qt::LeftButton, Qt::NoModifier, m_bench->at(QPointF(21, 21)));
    QCOMPARE(m_bench->panel.editors, QList<QGraphicsItem*>{item});
    scene().deselectAll();
    m_bench->press(QPointF(21, 21));
    QVERIFY(selected(item));
    m_bench->move(QPointF(28, 29));
    QCOMPARE(item->pos(), QPointF(13, 7));
    m_bench->move(QPointF(48, 33), Qt::LeftButton | Qt::RightButton);
    QCOMPARE(item->pos(), QPointF(13, 7));
    m_bench->move(QPointF(48, 33));
    m_bench->release(QPointF(48, 33));
    QCOMPARE(item->pos(), QPointF(33, 17));
    QCOMPARE(CKorvexDesignerItem::companionOf(item)->handles()->handle(0)->sceneRect().center(), QPointF(33, 17));
    QVERIFY(scene().isModified() && steps() == 1);
    scene().undo();
    QCOMPARE(item->pos(), QPointF(13, 7));
    scene().redo();
    QCOMPARE(item->pos(), QPointF(33, 17));
    // A selection moves as a whole, in one step.
    QGraphicsItem* other = m_bench->rect(300, 300);
    QVERIFY(selected(item) && selected(other));
    clearHistory();
    m_bench->drag(QPointF(60, 40), QPointF(90, 60));
    QCOMPARE((QList<QPointF>{item->pos(), other->pos()}), (QList<QPointF>{{63, 37}, {330, 320}}));
    QVERIFY(selected(other) && steps() == 1);
    scene().undo();
    QCOMPARE((QList<QPointF>{item->pos(), other->pos()}), (QList<QPointF>{{33, 17}, {300, 300}}));
    // With snapping off the item moves in whole units.
    setGrid(false);
    scene().deselectAll();
    m_bench->press(QPointF(41, 31));
    m_bench->sceneMouse(QEvent::GraphicsSceneMouseMove, QPointF(44.4, 36.6), Qt::NoButton, Qt::LeftButton);
    m_bench->release(QPointF(44, 37));
    QCOMPARE(item->pos(), QPointF(36, 23));
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
    QVERIFY(selected(touched) && !selected(apart) && !selected(scene().screen()));
    QVERIFY(!scene().rubberBand()->isVisible());
    // Dragged up and to the left the band is normalised.
    m_bench->press(QPointF(460, 460));
    m_bench->move(QPointF(450, 420));
    QCOMPARE(scene().rubberBand()->rect(), QRectF(450, 420, 10, 40));
    m_bench->release(QPointF(450, 420));
    QVERIFY(selected(apart) && !selected(touched));
}

void TestDesignerScene::rightPressMenus()
{
    KorvexScriptedPrompt prompt;
    QMenu itemMenu(QStringLiteral("Item"));
    QMenu pageMenu(QStringLiteral("Page"));
    scene().setItemMenu(&itemMenu);
    scene().setPageMenu(&pageMenu);
    QGraphicsItem* chosen = m_bench->rect(100, 100);
    QGraphicsItem* other = m_bench->rect(300, 300);
    scene().selectItem(other, false);
    const auto rightClick = [this](const QPointF& p) {
        m_bench->press(p, Qt::RightButton);
        m_bench->release(p, Qt::RightButton);
    };
    for (const QPointF& p : {QPointF(120, 120), QPointF(320, 320), QPointF(250, 600), QPointF(-20, -20)})
        rightClick(p);
    QCOMPARE(prompt.menus(), QString("Item Page Page Page").split(' '));
    QVERIFY(selected(chosen) && !selected(other));
    // Without the item menu a right press on an item falls through to selection.
    scene().setItemMenu(nullptr);
    rightClick(QPointF(320, 320));
    QVERIFY(prompt.menus().size() == 4 && !selected(chosen));
}

void TestDesignerScene::dropsAndTheOneThreeDArea()
{
    QGraphicsItem* area = scene().createItem(CKorvexItemTypes::Area3D, QPointF(100, 120));
    int before = steps();
    m_bench->drop(QStringLiteral("3D AREA"), QPointF(203, 305));
    QCOMPARE(scene().pageItems(), QList<QGraphicsItem*>{area});
    QCOMPARE(area->pos(), QPointF(200, 300));
    QVERIFY(scene().currentItem() == area && steps() == before + 1);
    // Undoing the drop moves the area back rather than hiding it.
    scene().undo();
    QVERIFY(area->isVisible() && area->pos() == QPointF(100, 120));
    // Unknown kinds and the page itself are never dropped.
    const int items = scene().items().size();
    before = steps();
    m_bench->drop(QStringLiteral("circle"), QPointF(50, 50));
    m_bench->drop(QStringLiteral("Screen"), QPointF(50, 50));
    QVERIFY(scene().items().size() == items && steps() == before);
    m_bench->drop(QStringLiteral("Rect"), QPointF(57, 50));
    QCOMPARE(scene().currentItem()->pos(), QPointF(50, 50));
}

void TestDesignerScene::keysMoveByOneUnitAndToggleTheGrid_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<QPointF>("expected");
    QTest::newRow("up") << int(Qt::Key_Up) << QPointF(100, 99);
    QTest::newRow("down") << int(Qt::Key_Down) << QPointF(100, 101);
    QTest::newRow("left") << int(Qt::Key_Left) << QPointF(99, 100);
    QTest::newRow("right") << int(Qt::Key_Right) << QPointF(101, 100);
}

void TestDesignerScene::keysMoveByOneUnitAndToggleTheGrid()
{
    QFETCH(int, key);
    QFETCH(QPointF, expected);
    QGraphicsItem* moved = m_bench->rect(100, 100);
    QGraphicsItem* still = m_bench->rect(300, 300);
    scene().selectItem(still, false);
    clearHistory();
    QSignalSpy pointer(m_bench->scene.get(), &CKorvexDesignerScene::pointerToolRequested);
    m_bench->key(Qt::Key(key));
    QCOMPARE((QList<QPointF>{moved->pos(), still->pos(), scene().screen()->pos()}),
             (QList<QPointF>{expected, {300, 300}, {0, 0}}));
    QVERIFY(steps() == 1 && scene().isModified() && pointer.count() == 1);
    QCOMPARE(CKorvexDesignerItem::companionOf(moved)->handles()->handle(0)->sceneBoundingRect().center(), expected);
    scene().undo();
    QCOMPARE(moved->pos(), QPointF(100, 100));
    // G shows and hides the grid, in no step.
    m_bench->key(Qt::Key_G);
    QVERIFY(scene().screen()->isGridShown());
    m_bench->key(Qt::Key_G);
    QVERIFY(!scene().screen()->isGridShown() && steps() == 0);
}

void TestDesignerScene::handleDragResizesOnTheGrid()
{
    QGraphicsItem* item = m_bench->rect(100, 100, 100, 50);
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(item);
    clearHistory();
    const CKorvexResizeHandles* handles = CKorvexDesignerItem::companionOf(item)->handles();
    m_bench->press(QPointF(200, 150));
    QVERIFY(handles->handle(7)->brush().color() == QColor(255, 50, 50) && m_bench->panel.shown.last() == item);
    m_bench->move(QPointF(251, 182));
    m_bench->release(QPointF(251, 182));
    QCOMPARE(rect->sceneRect(), QRectF(100, 100, 150, 80));
    QCOMPARE(handles->handle(7)->sceneBoundingRect().center(), QPointF(250, 180));
    QVERIFY(handles->handle(7)->brush().color() == QColor(200, 0, 0, 200) && scene().isModified() && steps() == 1);
    scene().undo();
    QCOMPARE(rect->sceneRect(), QRectF(100, 100, 100, 50));
}

void TestDesignerScene::deleteKeyDeletesTheSelectionInOneStep()
{
    QGraphicsItem* first = m_bench->rect(10, 10);
    QGraphicsItem* second = m_bench->rect(200, 200);
    QGraphicsItem* kept = m_bench->rect(300, 400);
    scene().selectItem(kept, false);
    clearHistory();
    scene().setModified(false);
    scene().copySelectedItems();
    const QString copied = QGuiApplication::clipboard()->text();
    m_bench->key(Qt::Key_Delete);
    QVERIFY(KorvexSceneBench::isDeleted(first) && KorvexSceneBench::isDeleted(second));
    QVERIFY(!first->isVisible() && !first->isEnabled() && !second->isVisible() && kept->isVisible());
    QVERIFY(scene().currentItem() == kept && !m_bench->panel.shown.last() && scene().context().selection().isEmpty());
    QVERIFY(scene().isModified() && steps() == 1 && scene().writtenRecords().size() == 2);
    // A deleted item is never selected again by a press where it was.
    m_bench->click(QPointF(20, 20));
    QVERIFY(!selected(first));
    scene().undo();
    QVERIFY(first->isVisible() && second->isVisible() && first->isEnabled() && !KorvexSceneBench::isDeleted(first));
    QVERIFY(first->pos() == QPointF(10, 10) && scene().writtenRecords().size() == 4);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
    scene().redo();
    QVERIFY(!first->isVisible() && !second->isVisible() && kept->isVisible());
}

void TestDesignerScene::stackingOrder()
{
    QGraphicsItem* bottom = m_bench->rect(10, 10, 50, 50, 4);
    QGraphicsItem* middle = m_bench->rect(100, 10, 50, 50, 7);
    QGraphicsItem* top = m_bench->rect(200, 10, 50, 50, 9);
    const auto zValues = [&] { return QList<double>{bottom->zValue(), middle->zValue(), top->zValue()}; };
    scene().deselectAll();
    scene().selectItem(middle, true);
    clearHistory();
    scene().sendToBack();
    QCOMPARE(zValues(), (QList<double>{2, 1, 3}));
    QVERIFY(scene().screen()->zValue() == 0 && steps() == 1);
    scene().deselectAll();
    scene().selectItem(bottom, true);
    scene().bringToFront();
    QCOMPARE(zValues(), (QList<double>{3, 1, 2}));
    QCOMPARE(steps(), 1);
    // Without a current item, as after a reset, bringing to front does nothing.
    m_bench->rect(10, 10, 50, 50, 5);
    QVERIFY(scene().resetPage(false));
    QVERIFY(!scene().currentItem());
    scene().bringToFront();
    QCOMPARE(scene().screen()->zValue(), 0.0);
}

void TestDesignerScene::copyAndPaste()
{
    QGraphicsItem* area = scene().createItem(CKorvexItemTypes::Area3D, QPointF(300, 300));
    QGraphicsItem* low = m_bench->rect(20, 30, 100, 50, 1);
    QGraphicsItem* high = m_bench->rect(213, 17, 40, 60, 2);
    scene().selectItem(area, true);
    // The 3D area is never copied.
    scene().copySelectedItems();
    QCOMPARE(QGuiApplication::clipboard()->text(),
             scene().itemProperties(low).toItemBlock() + '\n' + scene().itemProperties(high).toItemBlock());
    clearHistory();
    const QList<QGraphicsItem*> before = scene().pageItems();
    scene().pasteSelectedItems();
    const QList<QGraphicsItem*> pasted = scene().selectedPageItems();
    QCOMPARE(pasted.size(), 2);
    QVERIFY(!before.contains(pasted.first()) && !before.contains(pasted.last()));
    QCOMPARE(scene().itemProperties(pasted.first()).toItemBlock() + '\n'
                 + scene().itemProperties(pasted.last()).toItemBlock(), QGuiApplication::clipboard()->text());
    QVERIFY(scene().currentItem() == pasted.last() && steps() == 1);
    scene().undo();
    QVERIFY(!pasted.first()->isVisible() && !pasted.last()->isVisible() && low->isVisible());
    // Nothing that qualifies leaves the clipboard empty; an empty paste adds nothing and no step.
    scene().deselectAll();
    scene().selectItem(area, true);
    scene().copySelectedItems();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
    clearHistory();
    const int count = scene().pageItems().size();
    const int shown = m_bench->panel.shown.size();
    scene().pasteSelectedItems();
    QVERIFY(scene().pageItems().size() == count && steps() == 0 && m_bench->panel.shown.size() > shown);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());
    // An unknown kind stops the paste before its block.
    QGuiApplication::clipboard()->setText(QStringLiteral("item begin\ntype:rect\nstart location:5 5\nitem end\n"
                                                         "item begin\ntype:circle\nitem end\nitem begin\ntype:line"));
    scene().pasteSelectedItems();
    QCOMPARE(scene().selectedPageItems().first()->pos(), QPointF(5, 5));
    QVERIFY(scene().pageItems().size() == count + 1 && steps() == 1);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());
}

void TestDesignerScene::resetPage()
{
    CKorvexPageSetup offered;
    scene().setPageSetupChooser([&offered](CKorvexPageSetup& setup) {
        offered = setup;
        setup = {800, 600, QStringLiteral("Letter"), 96};
        return true;
    });
    m_bench->rect(40, 50);
    scene().screen()->setWidth(640);
    scene().context().setTemplateReadVersion(11005u);
    scene().setModified();
    m_bench->panel.pending = true;
    QVERIFY(scene().resetPage(true));
    QVERIFY(offered.width == 640 && scene().pageItems().isEmpty());
    CKorvexDesignerScreen* screen = scene().screen();
    QCOMPARE(QRectF(screen->pos(), QSizeF(screen->width(), screen->height())), QRectF(0, 0, 800, 600));
    QVERIFY(screen->pageSizeType() == QLatin1String("Letter") && screen->dpi() == 96);
    QVERIFY(!scene().isModified() && !m_bench->panel.pending && !scene().context().templateReadVersion());
    QVERIFY(m_bench->panel.shown.last() == screen && steps() == 0);
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
