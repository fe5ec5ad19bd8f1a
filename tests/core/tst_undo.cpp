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

CKorvexUndoManager& manager()
{
    return CKorvexUndoManager::getInstance();
}

} // namespace

class TestUndo : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void history_data();
    void history();
    void storingWhileUndoingIsRefused();

private:
    void run(const QString& script);
    QStringList m_log;
};

void TestUndo::init()
{
    manager().ClearHistory();
    m_log.clear();
    QCOMPARE(g_alive, 0);
}

/// Steps, separated by blanks: "a" stores command a on its own, "a!" stores it not yet done,
/// "a@1" stores it in group 1; "G1" creates group 1, "G2<1" group 2 inside group 1; "S" opens a
/// command stack, "C" closes it, "X" closes it rolling back; "U", "R" undo and redo (logging "!U",
/// "!R" when refused); "Z" clears the history.
void TestUndo::run(const QString& script)
{
    QMap<QString, CKorvexUndoGroupCommand*> groups;
    for (const QString& step : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (step == QLatin1String("S")) {
            CKorvexUndoCommandStack::Create();
        } else if (step == QLatin1String("C") || step == QLatin1String("X")) {
            CKorvexUndoCommandStack::Close(step == QLatin1String("C"));
        } else if (step == QLatin1String("U")) {
            if (!manager().Undo())
                m_log << QStringLiteral("!U");
        } else if (step == QLatin1String("R")) {
            if (!manager().Redo())
                m_log << QStringLiteral("!R");
        } else if (step == QLatin1String("Z")) {
            manager().ClearHistory();
        } else if (step.startsWith(QLatin1Char('G'))) {
            const QStringList parts = step.mid(1).split(QLatin1Char('<'));
            CKorvexUndoGroupCommand* parent = parts.size() > 1 ? groups.value(parts.at(1)) : nullptr;
            groups[parts.at(0)] = CKorvexUndoGroupCommand::Create(parent);
        } else {
            const QStringList parts = step.split(QLatin1Char('@'));
            QString name = parts.at(0);
            const bool done = !name.endsWith(QLatin1Char('!'));
            name.remove(QLatin1Char('!'));
            QVERIFY(CKorvexUndoCommand::Store(std::make_unique<LogCommand>(m_log, name, done),
                                              parts.size() > 1 ? groups.value(parts.at(1)) : nullptr));
        }
    }
}

void TestUndo::history_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("log");
    QTest::addColumn<int>("undo");
    QTest::addColumn<int>("redo");
    QTest::addColumn<int>("alive");
    QTest::newRow("group undoes in reverse, redoes in order") << "G1 a@1 b@1 c@1 U R" << "uc ub ua ra rb rc" << 1 << 0 << 3;
    QTest::newRow("nested groups are one step") << "G1 a@1 G2<1 b@2 c@2 d@1 U" << "ud uc ub ua" << 0 << 1 << 4;
    QTest::newRow("empty group is no step") << "G1 G2<1 a U" << "ua" << 0 << 1 << 1;
    QTest::newRow("step placed at its first command") << "G1 G2 b@2 a@1 U" << "ua" << 1 << 1 << 2;
    QTest::newRow("command not yet done is done when stored") << "a!" << "ra" << 1 << 0 << 1;
    QTest::newRow("new step drops redo") << "a b U c U U" << "ub uc ua" << 0 << 2 << 2;
    QTest::newRow("empty group keeps redo") << "a b U G1" << "ub" << 1 << 1 << 2;
    QTest::newRow("stack makes its groups one step") << "a S G1 b@1 G2 c@2 d C U R" << "ud uc ub rb rc rd" << 2 << 0 << 4;
    QTest::newRow("stacks close at the outermost") << "S S a C b C C" << "" << 1 << 0 << 2;
    QTest::newRow("empty stack is no step, keeps redo") << "a U S G1 C" << "ua" << 0 << 1 << 1;
    QTest::newRow("stack closed without keeping rolls back") << "a S b c X" << "uc ub" << 1 << 0 << 1;
    QTest::newRow("undo closes an open stack") << "S a U b" << "ua" << 1 << 0 << 1;
    QTest::newRow("clear empties both ways") << "a b U S c Z U R" << "ub !U !R" << 0 << 0 << 0;
    QTest::newRow("nothing to undo or redo") << "U R a R U U" << "!U !R !R ua !U" << 0 << 1 << 1;
}

void TestUndo::history()
{
    QFETCH(QString, script);
    QFETCH(QString, log);
    QFETCH(int, undo);
    QFETCH(int, redo);
    QFETCH(int, alive);
    run(script);
    QCOMPARE(m_log.join(QLatin1Char(' ')), log);
    QCOMPARE(manager().UndoCount(), undo);
    QCOMPARE(manager().RedoCount(), redo);
    QVERIFY(!manager().IsCommandStackOpen());
    QCOMPARE(g_alive, alive);
}

void TestUndo::storingWhileUndoingIsRefused()
{
    QVERIFY(!CKorvexUndoCommand::Store(nullptr, nullptr));
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

KORVEX_TEST_MAIN(TestUndo)
#include "tst_undo.moc"
