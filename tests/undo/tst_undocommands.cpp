#include "KorvexTestMain.h"
#include "KorvexTestPage.h"
#include "core/CKorvexString.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"
#include "io/CKorvexPropertyKeys.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerRect.h"
#include "scene/CKorvexDesignerScreen.h"
#include "undo/CKorvexUndPageSizeChangedCommand.h"
#include "undo/CKorvexUndoItemDeletedCommand.h"
#include "undo/CKorvexUndoPropertiesChangeCommand.h"

#include <QGraphicsRectItem>
#include <functional>
#include <memory>

using Korvex::CKorvexUndoGroupCommand;
namespace P = CKorvexPropertyKeys;

class TestUndoCommands : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void nullArgumentsAreRefused();
    void itemDeletedRedoUndoRedo();
    void itemWithoutCompanionIsLeftAlone();
    void propertiesChangeRedoUndoRedo();
    void pageRecordChangeRedoUndoRedo();
    void pageSizeChangeRedoUndoRedo();

private:
    QGraphicsItem* buildRect(const QStringList& lines);
    /// Undoes, redoes and undoes the last step, checking the page after each.
    static void undoRedoUndo(const std::function<void()>& undone, const std::function<void()>& done);
    CKorvexDesignerProperty recordOf(QGraphicsItem* item) { return m_scene->itemProperties(item); }
    static QRectF areaOf(const QGraphicsItem* item)
    {
        const auto* rect = dynamic_cast<const CKorvexDesignerRect*>(item);
        return QRectF(item->pos(), QSizeF(rect->width(), rect->height()));
    }
    static Korvex::CKorvexUndoManager& manager() { return Korvex::CKorvexUndoManager::getInstance(); }

    std::unique_ptr<CKorvexDesignerScene> m_scene;
};

void TestUndoCommands::init()
{
    KorvexTestEnvironment::clearSettings();
    m_scene = std::make_unique<CKorvexDesignerScene>();
    manager().ClearHistory();
}

QGraphicsItem* TestUndoCommands::buildRect(const QStringList& lines)
{
    QGraphicsItem* item = KorvexTestPage::add(*m_scene, QStringList{"type:rect"} + lines);
    manager().ClearHistory();
    return item;
}

void TestUndoCommands::undoRedoUndo(const std::function<void()>& undone, const std::function<void()>& done)
{
    QVERIFY(manager().Undo());
    undone();
    QVERIFY(manager().Redo());
    done();
    QVERIFY(manager().Undo());
    undone();
}

void TestUndoCommands::nullArgumentsAreRefused()
{
    auto* group = CKorvexUndoGroupCommand::Create(nullptr);
    const QList<CKorvexErrorCodeForUndoCommand> results{
        CKorvexUndoItemDeletedCommand::Create(nullptr, true, false, group),
        CKorvexUndoPropertiesChangeCommand::Create(nullptr, {}, {}, group),
        CKorvexUndPageSizeChangedCommand::Create(nullptr, 1, 2, 3, 4, group)};
    QStringList messages;
    for (const CKorvexErrorCodeForUndoCommand& result : results) {
        QCOMPARE(result.GetErrorCode(), 1);
        messages.append(Korvex::toQString(result.GetMessage()));
    }
    QCOMPARE(messages, (QStringList{"GraphicsItem is null for CKorvexUndoItemDeletedCommand",
                                    "GraphicsItem is null for CKorvexUndoPropertiesChangeCommand",
                                    "CKorvexUndPageSizeChangedCommand : designerScene should not be NULL"}));
    QVERIFY(!group->HasCommands());
    QCOMPARE(manager().UndoCount(), 0);
}

void TestUndoCommands::itemDeletedRedoUndoRedo()
{
    QGraphicsItem* item = buildRect({"start location:30 40", "width:70", "height:20", "zvalue:4"});
    const CKorvexDesignerProperty record = recordOf(item);
    auto* deletable = dynamic_cast<CKorvexDeletableItem*>(item);
    // As the deleter does it: flag and hide first, then record.
    deletable->setDeleted(true);
    item->setEnabled(false);
    item->hide();
    const auto result =
        CKorvexUndoItemDeletedCommand::Create(item, false, true, CKorvexUndoGroupCommand::Create(nullptr));
    QVERIFY(result.GetErrorCode() == 0 && result.GetMessage().IsEmpty());
    QCOMPARE(manager().UndoCount(), 1);
    // Visible, enabled, deleted, unchanged record.
    const auto state = [&] {
        return QList<bool>{item->isVisible(), item->isEnabled(), deletable->isDeleted(),
                           recordOf(item).matches(record)};
    };
    undoRedoUndo([&] { QCOMPARE(state(), (QList<bool>{true, true, false, true})); },
                 [&] {
                     QCOMPARE(state(), (QList<bool>{false, false, true, true}));
                     QVERIFY(!CKorvexDesignerItem::companionOf(item)->isSelected());
                 });
}

void TestUndoCommands::itemWithoutCompanionIsLeftAlone()
{
    auto* plain = m_scene->addRect(0, 0, 10, 10);
    QVERIFY(CKorvexUndoItemDeletedCommand::Create(plain, false, true, nullptr).IsOk());
    QVERIFY(CKorvexUndoPropertiesChangeCommand::Create(plain, {}, {}, nullptr).IsOk());
    QVERIFY(manager().Undo() && manager().Undo() && manager().Redo());
    QVERIFY(plain->isVisible() && plain->isEnabled());
}

void TestUndoCommands::propertiesChangeRedoUndoRedo()
{
    QGraphicsItem* item = buildRect({"start location:30 40", "width:70", "height:20", "fill color:1 2 3 255"});
    const CKorvexDesignerProperty before = recordOf(item);
    CKorvexDesignerProperty after = before;
    after.setValue(P::StartLocation, QPointF(5, 6));
    after.setValue(P::Width, 150.0);
    after.setValue(P::FillColor, QStringLiteral("9 8 7 128"));
    m_scene->applyProperties(item, after);
    const CKorvexDesignerProperty applied = recordOf(item);
    QVERIFY(!applied.matches(before));
    QVERIFY(CKorvexUndoPropertiesChangeCommand::Create(item, before, applied, nullptr).IsOk());
    undoRedoUndo([&] { QVERIFY(recordOf(item).matches(before) && areaOf(item) == QRectF(30, 40, 70, 20)); },
                 [&] { QVERIFY(recordOf(item).matches(applied) && areaOf(item) == QRectF(5, 6, 150, 20)); });
}

void TestUndoCommands::pageRecordChangeRedoUndoRedo()
{
    CKorvexDesignerScreen* screen = m_scene->screen();
    m_scene->beginState();
    screen->setDpi(300);
    screen->setPageSizeType(QStringLiteral("A4"));
    m_scene->endState();
    QCOMPARE(manager().UndoCount(), 1);
    undoRedoUndo([&] { QCOMPARE(qMakePair(screen->dpi(), screen->pageSizeType()), qMakePair(72, QString("Custom"))); },
                 [&] { QCOMPARE(qMakePair(screen->dpi(), screen->pageSizeType()), qMakePair(300, QString("A4"))); });
}

void TestUndoCommands::pageSizeChangeRedoUndoRedo()
{
    QGraphicsItem* item = buildRect({"start location:100 140", "width:50", "height:70"});
    CKorvexDesignerScreen* screen = m_scene->screen();
    screen->setWidth(1000);
    screen->setHeight(1400);
    m_scene->rescaleItems();
    QVERIFY(CKorvexUndPageSizeChangedCommand::Create(m_scene.get(), 500, 700, 1000, 1400, nullptr).IsOk());
    const auto page = [&] { return QSizeF(screen->width(), screen->height()); };
    QCOMPARE(areaOf(item), QRectF(200, 280, 100, 140));
    undoRedoUndo([&] { QVERIFY(page() == QSizeF(500, 700) && areaOf(item) == QRectF(100, 140, 50, 70)); },
                 [&] { QVERIFY(page() == QSizeF(1000, 1400) && areaOf(item) == QRectF(200, 280, 100, 140)); });
}

KORVEX_TEST_MAIN(TestUndoCommands)
#include "tst_undocommands.moc"
