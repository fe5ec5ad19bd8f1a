#include "KorvexTestMain.h"
#include "core/CKorvexUndoCommand.h"
#include "core/CKorvexUndoCommandStack.h"
#include "core/CKorvexUndoGroupCommand.h"
#include "core/CKorvexUndoManager.h"

#include <functional>

using namespace Korvex;

namespace {

int g_alive = 0;

/// Writes "u<name>" / "r<name>" into a log; counts live instances to catch leaks.
class LogCommand : public CKorvexUndoCommand
{
public:
    LogCommand(QStringList& log, const QString& name, bool alreadyDone = true)
        : CKorvexUndoCommand(alreadyDone)
        , m_log(log)
        , m_name(name)
    {
        ++g_alive;
    }
    ~LogCommand() override { --g_alive; }
    void Undo() override
    {
        m_log << QLatin1Char('u') + m_name;
        if (onUndo)
            onUndo();
    }
    void Redo() override { m_log << QLatin1Char('r') + m_name; }

    std::function<void()> onUndo;

private:
    QStringList& m_log;
    QString m_name;
};

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanupTestCase();
    void groupUndoesInReverseAndRedoesInOrder();
    void nestedGroupsAreOneStep();
    void emptyGroupNeverBecomesAStep();
    void groupCreatedAtFirstChangeOrdersSteps();
    void nullGroupStoreIsAStepOfItsOwn();
    void commandNotYetDoneIsRedoneWhenStored();
    void newStepDropsRedo();
    void commandStackCollectsGroupsIntoOneStep();
    void nestedCommandStacksCloseAtOutermost();
    void emptyCommandStackLeavesNoStep();
    void commandStackClosedWithoutKeepIsRolledBack();
    void undoClosesAnOpenCommandStack();
    void clearEmptiesBothDirectionsAndFreesCommands();
    void storingWhileUndoingIsRefused();
    void nothingToUndoOrRedo();

private:
    QStringList m_log;
    void store(CKorvexUndoGroupCommand* group, const QString& name)
    {
        QVERIFY(CKorvexUndoCommand::Store(std::make_unique<LogCommand>(m_log, name), group));
    }
    CKorvexUndoManager& manager() { return CKorvexUndoManager::getInstance(); }
};

void TestUndo::init()
{
    manager().ClearHistory();
    m_log.clear();
    QCOMPARE(g_alive, 0);
}

void TestUndo::cleanupTestCase()
{
    manager().ClearHistory();
    QCOMPARE(g_alive, 0);
}

void TestUndo::groupUndoesInReverseAndRedoesInOrder()
{
    CKorvexUndoGroupCommand* group = CKorvexUndoGroupCommand::Create(nullptr);
    store(group, QStringLiteral("a"));
    store(group, QStringLiteral("b"));
    store(group, QStringLiteral("c"));
    QCOMPARE(manager().UndoCount(), 1);
    QVERIFY(manager().Undo());
    QVERIFY(manager().Redo());
    QCOMPARE(m_log, (QStringList{"uc", "ub", "ua", "ra", "rb", "rc"}));
}

void TestUndo::nestedGroupsAreOneStep()
{
    CKorvexUndoGroupCommand* outer = CKorvexUndoGroupCommand::Create(nullptr);
    store(outer, QStringLiteral("a"));
    CKorvexUndoGroupCommand* inner = CKorvexUndoGroupCommand::Create(outer);
    store(inner, QStringLiteral("b"));
    store(inner, QStringLiteral("c"));
    store(outer, QStringLiteral("d"));
    QCOMPARE(inner->Parent(), outer);
    QCOMPARE(outer->ChildCount(), 3);
    QCOMPARE(manager().UndoCount(), 1);
    manager().Undo();
    QCOMPARE(m_log, (QStringList{"ud", "uc", "ub", "ua"}));
}

void TestUndo::emptyGroupNeverBecomesAStep()
{
    CKorvexUndoGroupCommand* outer = CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexUndoGroupCommand::Create(outer);
    QVERIFY(!outer->HasCommands());
    QVERIFY(!manager().CanUndo());
    store(nullptr, QStringLiteral("a"));
    manager().Undo();
    QVERIFY(!manager().CanUndo());
    QCOMPARE(m_log, QStringList{"ua"});
}

void TestUndo::groupCreatedAtFirstChangeOrdersSteps()
{
    // A step takes its place in the history when its first command arrives.
    CKorvexUndoGroupCommand* early = CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexUndoGroupCommand* late = CKorvexUndoGroupCommand::Create(nullptr);
    store(late, QStringLiteral("late"));
    store(early, QStringLiteral("early"));
    QCOMPARE(manager().UndoCount(), 2);
    manager().Undo();
    QCOMPARE(m_log, QStringList{"uearly"});
}

void TestUndo::nullGroupStoreIsAStepOfItsOwn()
{
    store(nullptr, QStringLiteral("a"));
    store(nullptr, QStringLiteral("b"));
    QCOMPARE(manager().UndoCount(), 2);
    manager().Undo();
    QCOMPARE(m_log, QStringList{"ub"});
    QVERIFY(!CKorvexUndoCommand::Store(nullptr, nullptr));
}

void TestUndo::commandNotYetDoneIsRedoneWhenStored()
{
    QVERIFY(CKorvexUndoCommand::Store(std::make_unique<LogCommand>(m_log, QStringLiteral("a"), false), nullptr));
    QCOMPARE(m_log, QStringList{"ra"});
}

void TestUndo::newStepDropsRedo()
{
    store(nullptr, QStringLiteral("a"));
    store(nullptr, QStringLiteral("b"));
    manager().Undo();
    QCOMPARE(manager().RedoCount(), 1);
    QCOMPARE(g_alive, 2);
    // An empty group does not drop what could be redone.
    CKorvexUndoGroupCommand::Create(nullptr);
    QVERIFY(manager().CanRedo());
    store(nullptr, QStringLiteral("c"));
    QVERIFY(!manager().CanRedo());
    QCOMPARE(g_alive, 2);
    QCOMPARE(manager().UndoCount(), 2);
    manager().Undo();
    manager().Undo();
    QCOMPARE(m_log, (QStringList{"ub", "uc", "ua"}));
}

void TestUndo::commandStackCollectsGroupsIntoOneStep()
{
    store(nullptr, QStringLiteral("before"));
    CKorvexUndoCommandStack* stack = CKorvexUndoCommandStack::Create();
    QVERIFY(stack);
    QVERIFY(manager().IsCommandStackOpen());
    CKorvexUndoGroupCommand* first = CKorvexUndoGroupCommand::Create(nullptr);
    store(first, QStringLiteral("a"));
    store(CKorvexUndoGroupCommand::Create(nullptr), QStringLiteral("b"));
    store(nullptr, QStringLiteral("c"));
    CKorvexUndoCommandStack::Close(true);
    QVERIFY(!manager().IsCommandStackOpen());
    QCOMPARE(manager().UndoCount(), 2);
    manager().Undo();
    QCOMPARE(m_log, (QStringList{"uc", "ub", "ua"}));
    m_log.clear();
    manager().Redo();
    QCOMPARE(m_log, (QStringList{"ra", "rb", "rc"}));
}

void TestUndo::nestedCommandStacksCloseAtOutermost()
{
    CKorvexUndoCommandStack* outer = CKorvexUndoCommandStack::Create();
    QCOMPARE(CKorvexUndoCommandStack::Create(), outer);
    QCOMPARE(outer->Depth(), 2);
    store(nullptr, QStringLiteral("a"));
    CKorvexUndoCommandStack::Close(true);
    QVERIFY(manager().IsCommandStackOpen());
    store(nullptr, QStringLiteral("b"));
    CKorvexUndoCommandStack::Close(true);
    QVERIFY(!manager().IsCommandStackOpen());
    CKorvexUndoCommandStack::Close(true); // nothing open: ignored
    QCOMPARE(manager().UndoCount(), 1);
}

void TestUndo::emptyCommandStackLeavesNoStep()
{
    store(nullptr, QStringLiteral("a"));
    manager().Undo();
    CKorvexUndoCommandStack::Create();
    CKorvexUndoGroupCommand::Create(nullptr);
    CKorvexUndoCommandStack::Close(true);
    QCOMPARE(manager().UndoCount(), 0);
    QCOMPARE(manager().RedoCount(), 1);
}

void TestUndo::commandStackClosedWithoutKeepIsRolledBack()
{
    store(nullptr, QStringLiteral("kept"));
    CKorvexUndoCommandStack::Create();
    store(nullptr, QStringLiteral("a"));
    store(nullptr, QStringLiteral("b"));
    CKorvexUndoCommandStack::Close(false);
    QCOMPARE(m_log, (QStringList{"ub", "ua"}));
    QCOMPARE(manager().UndoCount(), 1);
    QCOMPARE(g_alive, 1);
}

void TestUndo::undoClosesAnOpenCommandStack()
{
    CKorvexUndoCommandStack::Create();
    store(nullptr, QStringLiteral("a"));
    QVERIFY(manager().Undo());
    QVERIFY(!manager().IsCommandStackOpen());
    store(nullptr, QStringLiteral("b"));
    QCOMPARE(manager().UndoCount(), 1);
    QCOMPARE(manager().RedoCount(), 0);
}

void TestUndo::clearEmptiesBothDirectionsAndFreesCommands()
{
    store(nullptr, QStringLiteral("a"));
    store(nullptr, QStringLiteral("b"));
    manager().Undo();
    CKorvexUndoCommandStack::Create();
    store(nullptr, QStringLiteral("c"));
    manager().ClearHistory();
    QVERIFY(!manager().CanUndo());
    QVERIFY(!manager().CanRedo());
    QVERIFY(!manager().IsCommandStackOpen());
    QCOMPARE(g_alive, 0);
    QVERIFY(!manager().Undo());
    QVERIFY(!manager().Redo());
    QCOMPARE(m_log, QStringList{"ub"});
}

void TestUndo::storingWhileUndoingIsRefused()
{
    auto command = std::make_unique<LogCommand>(m_log, QStringLiteral("a"));
    LogCommand* raw = command.get();
    bool stored = true;
    raw->onUndo = [this, &stored] {
        QVERIFY(manager().IsBusy());
        stored = CKorvexUndoCommand::Store(std::make_unique<LogCommand>(m_log, QStringLiteral("x")), nullptr);
        manager().ClearHistory();
        QVERIFY(!manager().Undo());
    };
    QVERIFY(CKorvexUndoCommand::Store(std::move(command), nullptr));
    QVERIFY(manager().Undo());
    QVERIFY(!stored);
    QVERIFY(!manager().IsBusy());
    QCOMPARE(manager().RedoCount(), 1);
    QCOMPARE(g_alive, 1);
}

void TestUndo::nothingToUndoOrRedo()
{
    QVERIFY(!manager().Undo());
    QVERIFY(!manager().Redo());
    store(nullptr, QStringLiteral("a"));
    QVERIFY(!manager().Redo());
    QVERIFY(manager().Undo());
    QVERIFY(!manager().Undo());
    QCOMPARE(m_log, QStringList{"ua"});
}

KORVEX_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
