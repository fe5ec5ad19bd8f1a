// The archive layout of each action kind is pinned, as text, in tests/actions/tst_actionenabled.cpp.

#include "KorvexTestMain.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"

using namespace Korvex;

namespace {

int g_aliveProbes = 0;

class ProbeAction : public CKorvexBasicAction
{
public:
    ProbeAction() { ++g_aliveProbes; }
    ~ProbeAction() override { --g_aliveProbes; }
    enumActionKind Kind() const override { return ActionKindAnimationStop; }
    bool IsEqual(const CKorvexBasicAction&) const override { return true; }
    bool ReadFromArchive(CKorvexArchiveBase&) override { return true; }
    bool WriteIntoArchive(CKorvexArchiveBase&) const override { return true; }
};

CKorvexAction urlAction()
{
    auto* url = new CKorvexActionUrl("http://example.org");
    url->SetLocalHtmlPath("C:/pages");
    return CKorvexAction(url);
}

} // namespace

Q_DECLARE_METATYPE(Korvex::CKorvexAction)

class TestAction : public QObject
{
    Q_OBJECT

private slots:
    void handleSharesAndReleases();
    void equalityIsDeep_data();
    void equalityIsDeep();
};

void TestAction::handleSharesAndReleases()
{
    auto* probe = new ProbeAction();
    {
        CKorvexAction first(probe);
        CKorvexAction second = first;
        QCOMPARE(probe->RefCount(), 2);
        CKorvexAction moved = std::move(second);
        QVERIFY(second.IsNull());
        QCOMPARE(probe->RefCount(), 2);
        first = CKorvexAction();
        QCOMPARE(probe->RefCount(), 1);
        CKorvexAction& alias = moved;
        moved = alias; // self-assignment keeps the action
        QCOMPARE(g_aliveProbes, 1);
    }
    QCOMPARE(g_aliveProbes, 0);
}

void TestAction::equalityIsDeep_data()
{
    QTest::addColumn<CKorvexAction>("a");
    QTest::addColumn<CKorvexAction>("b");
    QTest::addColumn<bool>("equal");
    auto box = [](const char* title, const char* text) {
        return CKorvexAction(new CKorvexActionMessageBox(title, text));
    };
    auto multi = [](std::vector<CKorvexAction> list, enumTriggeringMode mode) {
        return CKorvexAction(new CKorvexActionMultiAction(std::move(list), mode));
    };
    auto play = [](bool full, int from, int to) {
        return CKorvexAction(new CKorvexActionAnimationPlay(full, from, to));
    };
    QTest::newRow("null and null pointer") << CKorvexAction() << CKorvexAction(nullptr) << true;
    QTest::newRow("null and stop") << CKorvexAction() << CKorvexAction(new CKorvexActionAnimationStop()) << false;
    QTest::newRow("same fields") << box("t", "x") << box("t", "x") << true;
    QTest::newRow("text differs") << box("t", "x") << box("t", "y") << false;
    QTest::newRow("kinds differ") << CKorvexAction(new CKorvexActionAnnot3DScript("t"))
                                  << CKorvexAction(new CKorvexActionPrepopulateFormTextBox("t")) << false;
    QTest::newRow("url html folder") << urlAction() << CKorvexAction(new CKorvexActionUrl("http://example.org"))
                                     << false;
    QTest::newRow("state name vs index") << CKorvexAction(new CKorvexActionSceneState("1"))
                                         << CKorvexAction(new CKorvexActionSceneState(1)) << false;
    QTest::newRow("frames differ") << play(false, 1, 2) << play(false, 1, 3) << false;
    QTest::newRow("full animation has no frames") << play(true, 5, 9) << play(true, 0, 0) << true;
    QTest::newRow("multi loops by default") << CKorvexAction(new CKorvexActionMultiAction())
                                            << multi({}, TriggerLoop) << true;
    QTest::newRow("nested equal") << multi({box("a", "b"), multi({urlAction()}, TriggerLoop)}, TriggerSwing)
                                  << multi({box("a", "b"), multi({urlAction()}, TriggerLoop)}, TriggerSwing) << true;
    QTest::newRow("nested leaf differs")
        << multi({multi({box("a", "b")}, TriggerLoop)}, TriggerSwing)
        << multi({multi({box("a", "c")}, TriggerLoop)}, TriggerSwing) << false;
    QTest::newRow("mode differs") << multi({}, TriggerLoop) << multi({}, TriggerRandom) << false;
    QTest::newRow("order matters") << multi({box("1", ""), box("2", "")}, TriggerLoop)
                                   << multi({box("2", ""), box("1", "")}, TriggerLoop) << false;
    QTest::newRow("length differs") << multi({box("1", "")}, TriggerLoop)
                                    << multi({box("1", ""), CKorvexAction()}, TriggerLoop) << false;
}

void TestAction::equalityIsDeep()
{
    QFETCH(CKorvexAction, a);
    QFETCH(CKorvexAction, b);
    QFETCH(bool, equal);
    QCOMPARE(a == b, equal);
    QCOMPARE(b == a, equal);
    QCOMPARE(a != b, !equal);
    QVERIFY(a == a);
}

KORVEX_TEST_MAIN(TestAction)
#include "tst_action.moc"
