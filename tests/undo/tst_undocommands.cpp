#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "core/CKorvexString.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexPropertyKeys.h"
#include "undo/CKorvexUndPageSizeChangedCommand.h"
#include "undo/CKorvexUndoItemDeletedCommand.h"
#include "undo/CKorvexUndoPropertiesChangeCommand.h"

#include <QGraphicsRectItem>
#include <memory>

using Korvex::CKorvexUndoGroupCommand;
using Korvex::CKorvexUndoManager;
namespace P = CKorvexPropertyKeys;

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void nullArgumentsAreRefused_data();
    void nullArgumentsAreRefused();
    void successCarriesNoMessage();
    void itemDeletedRedoUndoRedo();
    void itemWithoutCompanionIsLeftAlone();
    void propertiesChangeRedoUndoRedo();
    void pageRecordChangeRedoUndoRedo();
    void pageSizeChangeRedoUndoRedo();

private:
    QGraphicsItem* buildRect(const QString& lines);
    CKorvexDesignerProperty recordOf(QGraphicsItem* item) { return m_scene->itemProperties(item); }
    static CKorvexUndoManager& manager() { return CKorvexUndoManager::getInstance(); }

    std::unique_ptr<CKorvexDesignerScene> m_scene;
};

void TestUndoCommands::init()
{
    KorvexTestEnvironment::clearSettings();
    m_scene = std::make_unique<CKorvexDesignerScene>();
    manager().ClearHistory();
}

void TestUndoCommands::cleanup()
{
    m_scene.reset();
}

QGraphicsItem* TestUndoCommands::buildRect(const QString& lines)
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("item begin\ntype:rect\n") + lines + QStringLiteral("\nitem end"));
    if (!m_scene->addItemFromProperties(record))
        return nullptr;
    manager().ClearHistory();
    return m_scene->currentItem();
}

void TestUndoCommands::nullArgumentsAreRefused_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("item deleted") << 0 << QStringLiteral("GraphicsItem is null for CKorvexUndoItemDeletedCommand");
    QTest::newRow("properties change")
        << 1 << QStringLiteral("GraphicsItem is null for CKorvexUndoPropertiesChangeCommand");
    QTest::newRow("page size")
        << 2 << QStringLiteral("CKorvexUndPageSizeChangedCommand : designerScene should not be NULL");
}

void TestUndoCommands::nullArgumentsAreRefused()
{
    QFETCH(int, kind);
    QFETCH(QString, message);
    auto* group = CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexErrorCodeForUndoCommand result;
    if (kind == 0)
        result = CKorvexUndoItemDeletedCommand::Create(nullptr, true, false, group);
    else if (kind == 1)
        result = CKorvexUndoPropertiesChangeCommand::Create(nullptr, {}, {}, group);
    else
        result = CKorvexUndPageSizeChangedCommand::Create(nullptr, 1, 2, 3, 4, group);
    QCOMPARE(result.GetErrorCode(), 1);
    QVERIFY(!result.IsOk());
    QCOMPARE(Korvex::toQString(result.GetMessage()), message);
    QVERIFY(!group->HasCommands());
    QCOMPARE(manager().UndoCount(), 0);
}

void TestUndoCommands::successCarriesNoMessage()
{
    QGraphicsItem* item = buildRect(QStringLiteral("start location:10 10"));
    const CKorvexErrorCodeForUndoCommand result = CKorvexUndoItemDeletedCommand::Create(item, true, false, nullptr);
    QCOMPARE(result.GetErrorCode(), 0);
    QVERIFY(Korvex::toQString(result.GetMessage()).isEmpty());
    QCOMPARE(manager().UndoCount(), 1);
}

void TestUndoCommands::itemDeletedRedoUndoRedo()
{
    QGraphicsItem* item = buildRect(QStringLiteral("start location:30 40\nwidth:70\nheight:20\nzvalue:4"));
    const CKorvexDesignerProperty record = recordOf(item);
    auto* deletable = dynamic_cast<CKorvexDeletableItem*>(item);
    // As the deleter does it: flag and hide first, then record.
    deletable->setDeleted(true);
    item->setEnabled(false);
    item->hide();
    QVERIFY(CKorvexUndoItemDeletedCommand::Create(item, false, true, CKorvexUndoGroupCommand::Create(nullptr)).IsOk());
    QCOMPARE(manager().UndoCount(), 1);

    QVERIFY(manager().Undo());
    QVERIFY(item->isVisible() && item->isEnabled() && !deletable->isDeleted());
    QVERIFY(recordOf(item).matches(record));
    QVERIFY(manager().Redo());
    QVERIFY(!item->isVisible() && !item->isEnabled() && deletable->isDeleted());
    QVERIFY(!CKorvexDesignerItem::companionOf(item)->isSelected());
    QVERIFY(recordOf(item).matches(record));
    QVERIFY(manager().Undo());
    QVERIFY(item->isVisible());
    QVERIFY(recordOf(item).matches(record));
}

void TestUndoCommands::itemWithoutCompanionIsLeftAlone()
{
    auto* plain = m_scene->addRect(0, 0, 10, 10);
    QVERIFY(CKorvexUndoItemDeletedCommand::Create(plain, false, true, nullptr).IsOk());
    QVERIFY(CKorvexUndoPropertiesChangeCommand::Create(plain, {}, {}, nullptr).IsOk());
    QVERIFY(manager().Undo());
    QVERIFY(manager().Undo());
    QVERIFY(manager().Redo());
    QVERIFY(plain->isVisible() && plain->isEnabled());
}

void TestUndoCommands::propertiesChangeRedoUndoRedo()
{
    QGraphicsItem* item = buildRect(QStringLiteral("start location:30 40\nwidth:70\nheight:20\nfill color:1 2 3 255"));
    const CKorvexDesignerProperty before = recordOf(item);
    CKorvexDesignerProperty after = before;
    after.setValue(P::StartLocation, QPointF(5, 6));
    after.setValue(P::Width, 150.0);
    after.setValue(P::FillColor, QStringLiteral("9 8 7 128"));
    m_scene->applyProperties(item, after);
    const CKorvexDesignerProperty applied = recordOf(item);
    QVERIFY(!applied.matches(before));
    QVERIFY(CKorvexUndoPropertiesChangeCommand::Create(item, before, applied, nullptr).IsOk());

    QVERIFY(manager().Undo());
    QVERIFY(recordOf(item).matches(before));
    QCOMPARE(item->pos(), QPointF(30, 40));
    QVERIFY(manager().Redo());
    QVERIFY(recordOf(item).matches(applied));
    QCOMPARE(item->pos(), QPointF(5, 6));
    QCOMPARE(dynamic_cast<CKorvexDesignerRect*>(item)->width(), 150.0);
    QVERIFY(manager().Undo());
    QVERIFY(recordOf(item).matches(before));
}

void TestUndoCommands::pageRecordChangeRedoUndoRedo()
{
    CKorvexDesignerScreen* screen = m_scene->screen();
    m_scene->beginState();
    screen->setDpi(300);
    screen->setPageSizeType(QStringLiteral("A4"));
    m_scene->endState();
    QCOMPARE(manager().UndoCount(), 1);
    QVERIFY(manager().Undo());
    QCOMPARE(screen->dpi(), 72);
    QCOMPARE(screen->pageSizeType(), QStringLiteral("Custom"));
    QVERIFY(manager().Redo());
    QCOMPARE(screen->dpi(), 300);
    QVERIFY(manager().Undo());
    QCOMPARE(screen->dpi(), 72);
}

void TestUndoCommands::pageSizeChangeRedoUndoRedo()
{
    QGraphicsItem* item = buildRect(QStringLiteral("start location:100 140\nwidth:50\nheight:70"));
    auto* rect = dynamic_cast<CKorvexDesignerRect*>(item);
    CKorvexDesignerScreen* screen = m_scene->screen();
    screen->setWidth(1000);
    screen->setHeight(1400);
    m_scene->rescaleItems();
    QVERIFY(CKorvexUndPageSizeChangedCommand::Create(m_scene.get(), 500, 700, 1000, 1400, nullptr).IsOk());
    QCOMPARE(item->pos(), QPointF(200, 280));

    QVERIFY(manager().Undo());
    QCOMPARE(screen->width(), 500.0);
    QCOMPARE(screen->height(), 700.0);
    QCOMPARE(item->pos(), QPointF(100, 140));
    QCOMPARE(rect->width(), 50.0);
    QVERIFY(manager().Redo());
    QCOMPARE(screen->width(), 1000.0);
    QCOMPARE(item->pos(), QPointF(200, 280));
    QCOMPARE(rect->height(), 140.0);
    QVERIFY(manager().Undo());
    QCOMPARE(item->pos(), QPointF(100, 140));
}

KORVEX_TEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
