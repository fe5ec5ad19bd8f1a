#include "KorvexSceneBench.h"
#include "KorvexTestMain.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "io/CKorvexTemplateWriter.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyKeys.h"
#include "undo/CKorvexUndPageSizeChangedCommand.h"

#include <QClipboard>
#include <QGuiApplication>

using Korvex::CKorvexUndoGroupCommand;
using Korvex::CKorvexUndoManager;
namespace P = CKorvexPropertyKeys;

class TestDesignerScenePage : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void sendToBackPutsTheSelectionFirst();
    void bringToFrontPutsTheSelectionLast();
    void bringToFrontAfterResetDoesNothing();
    void deletingTwoItemsIsOneUndoStep();
    void copyLeavesOutTheThreeDArea();
    void pasteLiesExactlyOverTheCopy();
    void pasteOfNothingChangesNothing();
    void pasteStopsAtARefusedBlock();
    void cutThenUndo();
    void cancelledResetKeepsItemsAndClearsUndo();
    void acceptedResetGivesANewPage();
    void pageSizeChangeUndoesSizesAndPositions();

private:
    CKorvexDesignerScene& scene() { return *m_bench->scene; }
    std::unique_ptr<KorvexSceneBench> m_bench;
};

void TestDesignerScenePage::init()
{
    KorvexTestEnvironment::clearSettings();
    KorvexSceneBench::setGrid(true, 10);
    m_bench = std::make_unique<KorvexSceneBench>();
    CKorvexUndoManager::getInstance().ClearHistory();
    QGuiApplication::clipboard()->clear();
}

void TestDesignerScenePage::cleanup()
{
    m_bench.reset();
}

void TestDesignerScenePage::sendToBackPutsTheSelectionFirst()
{
    QGraphicsItem* bottom = m_bench->rect(10, 10, 50, 50, 1);
    QGraphicsItem* middle = m_bench->rect(100, 10, 50, 50, 2);
    QGraphicsItem* top = m_bench->rect(200, 10, 50, 50, 3);
    scene().deselectAll();
    scene().selectItem(middle, true);
    CKorvexUndoManager::getInstance().ClearHistory();

    scene().sendToBack();
    QCOMPARE(middle->zValue(), 1.0);
    QCOMPARE(bottom->zValue(), 2.0);
    QCOMPARE(top->zValue(), 3.0);
    QCOMPARE(scene().screen()->zValue(), 0.0);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);

    scene().undo();
    QCOMPARE(bottom->zValue(), 1.0);
    QCOMPARE(middle->zValue(), 2.0);
    QCOMPARE(top->zValue(), 3.0);
}

void TestDesignerScenePage::bringToFrontPutsTheSelectionLast()
{
    QGraphicsItem* bottom = m_bench->rect(10, 10, 50, 50, 4);
    QGraphicsItem* middle = m_bench->rect(100, 10, 50, 50, 7);
    QGraphicsItem* top = m_bench->rect(200, 10, 50, 50, 9);
    scene().deselectAll();
    scene().selectItem(bottom, true);
    CKorvexUndoManager::getInstance().ClearHistory();

    scene().bringToFront();
    QCOMPARE(middle->zValue(), 1.0);
    QCOMPARE(top->zValue(), 2.0);
    QCOMPARE(bottom->zValue(), 3.0);
    // Not an undo step of its own.
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScenePage::bringToFrontAfterResetDoesNothing()
{
    m_bench->rect(10, 10, 50, 50, 5);
    QVERIFY(scene().resetPage(false));
    QVERIFY(!scene().currentItem());
    scene().bringToFront();
    QCOMPARE(scene().screen()->zValue(), 0.0);

    // A save forgets the current item too.
    QGraphicsItem* low = m_bench->rect(10, 10, 50, 50, 5);
    QGraphicsItem* high = m_bench->rect(100, 10, 50, 50, 8);
    scene().selectItem(high, false);
    QTemporaryDir folder;
    QVERIFY(scene().writeTemplate(folder.filePath(QStringLiteral("page.ktf"))));
    QVERIFY(!scene().currentItem());
    scene().bringToFront();
    QCOMPARE(low->zValue(), 5.0);
    QCOMPARE(high->zValue(), 8.0);

    // A press makes a current item again.
    m_bench->click(QPointF(20, 20));
    scene().bringToFront();
    QCOMPARE(high->zValue(), 1.0);
    QCOMPARE(low->zValue(), 2.0);
}

void TestDesignerScenePage::deletingTwoItemsIsOneUndoStep()
{
    QGraphicsItem* first = m_bench->rect(10, 10);
    QGraphicsItem* second = m_bench->rect(200, 200);
    QGraphicsItem* kept = m_bench->rect(300, 400);
    scene().selectItem(kept, false);
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().setModified(false);

    scene().deleteSelectedItems();
    QVERIFY(scene().isModified());
    QVERIFY(KorvexSceneBench::isDeleted(first) && KorvexSceneBench::isDeleted(second));
    QVERIFY(!first->isVisible() && !first->isEnabled());
    QCOMPARE(scene().currentItem(), kept);
    QCOMPARE(m_bench->panel.shown.last(), nullptr);
    QVERIFY(CKorvexDesignerContext::selection().isEmpty());
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QCOMPARE(CKorvexTemplateWriter(scene()).itemBlocks().size(), 2);

    scene().undo();
    QVERIFY(first->isVisible() && second->isVisible() && first->isEnabled());
    QVERIFY(!KorvexSceneBench::isDeleted(first) && !KorvexSceneBench::isDeleted(second));
    QCOMPARE(first->pos(), QPointF(10, 10));
    QCOMPARE(CKorvexTemplateWriter(scene()).itemBlocks().size(), 4);
    scene().redo();
    QVERIFY(!first->isVisible() && !second->isVisible());
    QVERIFY(kept->isVisible());
}

void TestDesignerScenePage::copyLeavesOutTheThreeDArea()
{
    QGraphicsItem* area = scene().createItem(CKorvexItemTypes::Area3D, QPointF(300, 300));
    QGraphicsItem* rect = m_bench->rect(20, 30, 100, 50, 1);
    scene().selectItem(area, true);
    QVERIFY(KorvexSceneBench::isSelected(area) && KorvexSceneBench::isSelected(rect));

    scene().copySelectedItems();
    const QString text = QGuiApplication::clipboard()->text();
    QCOMPARE(text, scene().itemProperties(rect).toItemBlock());
    QVERIFY(text.startsWith(QLatin1String("item begin\n")));
    QVERIFY(text.endsWith(QLatin1String("\nitem end")));
    QVERIFY(text.contains(QLatin1String("type:rect\n")));

    // Nothing that qualifies leaves the clipboard empty.
    scene().deselectAll();
    scene().selectItem(area, true);
    scene().copySelectedItems();
    QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
}

void TestDesignerScenePage::pasteLiesExactlyOverTheCopy()
{
    QGraphicsItem* low = m_bench->rect(20, 30, 100, 50, 1);
    QGraphicsItem* high = m_bench->rect(213, 17, 40, 60, 2);
    scene().copySelectedItems();
    QCOMPARE(QGuiApplication::clipboard()->text().count(QLatin1String("item begin")), 2);
    CKorvexUndoManager::getInstance().ClearHistory();
    const int before = scene().pageItems().size();

    scene().pasteSelectedItems();
    const QList<QGraphicsItem*> items = scene().pageItems();
    QCOMPARE(items.size(), before + 2);
    QList<QGraphicsItem*> pasted;
    for (QGraphicsItem* item : items) {
        if (item != low && item != high)
            pasted.append(item);
    }
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
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScenePage::pasteOfNothingChangesNothing()
{
    const int before = scene().items().size();
    const int refreshes = m_bench->panel.refreshes;
    scene().pasteSelectedItems();
    QCOMPARE(scene().items().size(), before);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(m_bench->panel.refreshes > refreshes);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());
}

void TestDesignerScenePage::pasteStopsAtARefusedBlock()
{
    QGuiApplication::clipboard()->setText(QStringLiteral(
        "stray\nitem begin\ntype:rect\nstart location:5 5\nitem end\n"
        "  item begin\ntype:rect\nitem end\n"
        "item begin\ntype:circle\nitem end\n"
        "item begin\ntype:line\nitem end"));
    const int before = scene().pageItems().size();
    scene().pasteSelectedItems();
    // The indented block is no block; the unknown kind stops the paste before the line.
    QCOMPARE(scene().pageItems().size(), before + 1);
    QCOMPARE(scene().pageItems().last()->pos(), QPointF(5, 5));
    QCOMPARE(KorvexSceneBench::undoCount(), 1);
    QVERIFY(!CKorvexUndoManager::getInstance().IsCommandStackOpen());
}

void TestDesignerScenePage::cutThenUndo()
{
    QGraphicsItem* item = m_bench->rect(40, 50);
    CKorvexUndoManager::getInstance().ClearHistory();
    scene().copySelectedItems();
    scene().deleteSelectedItems();
    const QString blocks = QGuiApplication::clipboard()->text();
    QVERIFY(!blocks.isEmpty());
    QVERIFY(!item->isVisible());

    scene().undo();
    QVERIFY(item->isVisible());
    QVERIFY(!KorvexSceneBench::isDeleted(item));
    QCOMPARE(QGuiApplication::clipboard()->text(), blocks);
}

void TestDesignerScenePage::cancelledResetKeepsItemsAndClearsUndo()
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
    QVERIFY(scene().pageItems().contains(item));
    QVERIFY(item->isVisible());
    QCOMPARE(scene().screen()->width(), 500.0);
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
    QVERIFY(!CKorvexUndoManager::getInstance().CanRedo());
}

void TestDesignerScenePage::acceptedResetGivesANewPage()
{
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
    CKorvexDesignerContext::setTemplateReadVersion(11005u);
    m_bench->rect(40, 50);
    scene().setModified();
    m_bench->panel.pending = true;

    QVERIFY(scene().resetPage(true));
    QCOMPARE(offered.width, 640.0);
    QVERIFY(scene().pageItems().isEmpty());
    CKorvexDesignerScreen* screen = scene().screen();
    QCOMPARE(screen->width(), 800.0);
    QCOMPARE(screen->height(), 600.0);
    QCOMPARE(screen->pageSizeType(), QStringLiteral("Letter"));
    QCOMPARE(screen->dpi(), 96);
    QCOMPARE(screen->pos(), QPointF(0, 0));
    QVERIFY(!scene().isModified());
    QVERIFY(!m_bench->panel.pending);
    QCOMPARE(m_bench->panel.shown.last(), screen);
    QVERIFY(!CKorvexDesignerContext::templateReadVersion());
    QCOMPARE(KorvexSceneBench::undoCount(), 0);
}

void TestDesignerScenePage::pageSizeChangeUndoesSizesAndPositions()
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
    scene().rescaleItems();
    auto* group = CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexUndPageSizeChangedCommand::Create(&scene(), 600, 800, 300, 400, group);
    scene().endState(group);
    QCOMPARE(item->pos(), QPointF(50, 100));
    QCOMPARE(rect->width(), 60.0);
    QCOMPARE(KorvexSceneBench::undoCount(), 1);

    scene().undo();
    QCOMPARE(scene().screen()->width(), 600.0);
    QCOMPARE(scene().screen()->height(), 800.0);
    QCOMPARE(item->pos(), QPointF(100, 200));
    QCOMPARE(rect->width(), 120.0);
    QCOMPARE(rect->height(), 80.0);

    scene().redo();
    QCOMPARE(scene().screen()->width(), 300.0);
    QCOMPARE(item->pos(), QPointF(50, 100));
    QCOMPARE(rect->height(), 40.0);
}

KORVEX_TEST_MAIN(TestDesignerScenePage)
#include "tst_designerscenepage.moc"
