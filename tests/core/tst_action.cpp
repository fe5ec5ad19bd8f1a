#include "KorvexTestMain.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionFactory.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"
#include "core/CKorvexArchiveBase.h"

using namespace Korvex;

namespace {

/// Keeps each archived value as typed text ("u7", "btrue", "s<text>"), to show the layout.
class ValueArchive : public CKorvexArchiveBase
{
public:
    explicit ValueArchive(unsigned version, QStringList values = {})
        : CKorvexArchiveBase(!values.isEmpty())
        , m_values(std::move(values))
    {
        SetVersion(version);
    }
    bool ArchiveUInt(unsigned* value) override
    {
        if (!IsReading())
            return put(QLatin1Char('u') + QString::number(*value));
        return take(QLatin1Char('u'), [&](const QString& text) { *value = text.toUInt(); });
    }
    bool ArchiveBool(bool* value) override
    {
        if (!IsReading())
            return put(QLatin1Char('b') + QString::number(*value ? 1 : 0));
        return take(QLatin1Char('b'), [&](const QString& text) { *value = text == QLatin1String("1"); });
    }
    bool ArchiveDouble(double*) override { return false; }
    bool ArchiveString(CKorvexString* value) override
    {
        if (!IsReading())
            return put(QLatin1Char('s') + toQString(*value));
        return take(QLatin1Char('s'), [&](const QString& text) { *value = fromQString(text); });
    }
    bool OnBegin() override
    {
        ++begins;
        return true;
    }

    QStringList m_values;
    int begins = 0;

private:
    bool put(const QString& value)
    {
        m_values << value;
        return true;
    }
    template<class F>
    bool take(QChar type, F store)
    {
        if (m_cursor >= m_values.size() || !m_values.at(m_cursor).startsWith(type))
            return false;
        store(m_values.at(m_cursor++).mid(1));
        return true;
    }
    int m_cursor = 0;
};

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
    auto* url = new CKorvexActionUrl();
    url->SetUrl("http://example.org");
    url->SetLocalHtmlPath("C:/pages");
    url->SetStartupHtmlFile("index.html");
    return CKorvexAction(url);
}

CKorvexAction nestedMulti(int depth)
{
    CKorvexAction action(new CKorvexActionAnimationStop());
    for (int i = 0; i < depth; ++i)
        action = CKorvexAction(new CKorvexActionMultiAction({action}, TriggerRunAll));
    return action;
}

QStringList written(const CKorvexAction& action, unsigned version = kKorvexActionVersionCurrent)
{
    ValueArchive archive(version);
    CKorvexAction copy = action;
    if (!copy.ArchiveReadWrite(archive))
        return {QStringLiteral("<failed>")};
    return archive.m_values;
}

} // namespace

Q_DECLARE_METATYPE(Korvex::CKorvexAction)

class TestAction : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void handleSharesAndReleases();
    void nullHandle();
    void kindOfHandleByTypeTest();
    void fieldsAsBuilt();
    void multiListIsACopyOfShared();
    void equalityIsDeep_data();
    void equalityIsDeep();
    void layoutOfEveryKind_data();
    void layoutOfEveryKind();
    void layoutReadsBackEqual_data();
    void layoutReadsBackEqual();
    void legacyLayoutOmitsNewFields();
    void byIndexStateCannotBeWrittenInLegacyLayout();
    void nestingBeyondLimitIsRefusedBothWays();
    void unknownKindIsRefused();
    void failedReadKeepsHandle();
};

void TestAction::initTestCase()
{
    registerCoreArchivable();
    registerCoreArchivable(); // twice is harmless
    for (int kind = ActionKindUrl; kind <= ActionKindPrepopulateFormTextBox; ++kind)
        QVERIFY(CKorvexActionFactory::IsRegistered(kind));
    QVERIFY(!CKorvexActionFactory::IsRegistered(ActionKindNone));
    QVERIFY(!CKorvexActionFactory::IsRegistered(9));
}

void TestAction::handleSharesAndReleases()
{
    auto* probe = new ProbeAction();
    {
        CKorvexAction first(probe);
        QCOMPARE(probe->RefCount(), 1);
        CKorvexAction second = first;
        QCOMPARE(probe->RefCount(), 2);
        QCOMPARE(second.GetBasicAction(), probe);
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

void TestAction::nullHandle()
{
    QVERIFY(CKorvexAction().IsNull());
    QVERIFY(CKorvexAction(nullptr).IsNull());
    QVERIFY(CKorvexAction() == CKorvexAction(nullptr));
    QVERIFY(CKorvexAction().As<CKorvexActionUrl>() == nullptr);
    QVERIFY(CKorvexAction() != CKorvexAction(new CKorvexActionAnimationStop()));
}

void TestAction::kindOfHandleByTypeTest()
{
    const CKorvexAction action(new CKorvexActionAnnot3DScript("run();"));
    QVERIFY(action.As<CKorvexActionAnnot3DScript>());
    QVERIFY(!action.As<CKorvexActionUrl>());
    QCOMPARE(toQString(action.As<CKorvexActionAnnot3DScript>()->GetAnnot3DScript()), QStringLiteral("run();"));
}

void TestAction::fieldsAsBuilt()
{
    const CKorvexActionAnimationPlay full(true, 5, 9);
    QVERIFY(full.IsFullAnimation());
    QCOMPARE(full.GetAnimationFromFrame(), 0);
    QCOMPARE(full.GetAnimationToFrame(), 0);
    const CKorvexActionAnimationPlay range(false, -3, 40);
    QCOMPARE(range.GetAnimationFromFrame(), -3);
    QCOMPARE(range.GetAnimationToFrame(), 40);

    CKorvexActionSceneState byName("Exploded");
    QVERIFY(!byName.IsByIndex());
    QCOMPARE(toQString(byName.GetSceneStateName()), QStringLiteral("Exploded"));
    byName.SetSceneStateByIndex(4);
    QVERIFY(byName.IsByIndex());
    QCOMPARE(byName.GetSceneStateIndex(), 4);
    QVERIFY(CKorvexActionSceneState(0).IsByIndex());

    const CKorvexActionMessageBox box("Title", "Text");
    QCOMPARE(toQString(box.GetMessageTitle()), QStringLiteral("Title"));
    QCOMPARE(toQString(box.GetMessageText()), QStringLiteral("Text"));

    CKorvexActionPrepopulateFormTextBox prepopulate;
    prepopulate.SetAttributeKeyName("2");
    QCOMPARE(toQString(prepopulate.AttributeKeyName()), QStringLiteral("2"));

    CKorvexActionMultiAction multi;
    QCOMPARE(multi.TriggeringMode(), TriggerLoop);
    multi.SetTriggeringMode(TriggerSwing);
    QCOMPARE(multi.TriggeringMode(), TriggerSwing);
}

void TestAction::multiListIsACopyOfShared()
{
    const CKorvexAction inner(new CKorvexActionAnnot3DScript("a"));
    CKorvexActionMultiAction multi({inner, CKorvexAction()}, TriggerRandom);
    std::vector<CKorvexAction> list = multi.ListActions();
    QCOMPARE(list.size(), size_t(2));
    QCOMPARE(list.front().GetBasicAction(), inner.GetBasicAction());
    QVERIFY(list.back().IsNull());
    list.clear();
    QCOMPARE(multi.ListActions().size(), size_t(2));
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
    QTest::newRow("same fields") << box("t", "x") << box("t", "x") << true;
    QTest::newRow("text differs") << box("t", "x") << box("t", "y") << false;
    QTest::newRow("kinds differ") << CKorvexAction(new CKorvexActionAnnot3DScript("t"))
                                  << CKorvexAction(new CKorvexActionPrepopulateFormTextBox("t")) << false;
    QTest::newRow("url html folder") << urlAction() << CKorvexAction(new CKorvexActionUrl("http://example.org"))
                                     << false;
    QTest::newRow("state name vs index") << CKorvexAction(new CKorvexActionSceneState("1"))
                                         << CKorvexAction(new CKorvexActionSceneState(1)) << false;
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
    QVERIFY(a == a);
}

void TestAction::layoutOfEveryKind_data()
{
    QTest::addColumn<CKorvexAction>("action");
    QTest::addColumn<QStringList>("values");
    QTest::newRow("null") << CKorvexAction() << QStringList{"u0"};
    QTest::newRow("url") << urlAction()
                         << QStringList{"u1", "shttp://example.org", "sC:/pages", "sindex.html"};
    QTest::newRow("message box") << CKorvexAction(new CKorvexActionMessageBox("T", "a\nb"))
                                 << QStringList{"u2", "sT", "sa\nb"};
    QTest::newRow("animation play") << CKorvexAction(new CKorvexActionAnimationPlay(false, -1, 7))
                                    << QStringList{"u3", "b0", "u4294967295", "u7"};
    QTest::newRow("animation stop") << CKorvexAction(new CKorvexActionAnimationStop()) << QStringList{"u4"};
    QTest::newRow("script") << CKorvexAction(new CKorvexActionAnnot3DScript("x=1;")) << QStringList{"u5", "sx=1;"};
    QTest::newRow("multi") << CKorvexAction(new CKorvexActionMultiAction(
        {CKorvexAction(new CKorvexActionAnimationStop()), CKorvexAction()}, TriggerSwing))
                           << QStringList{"u6", "u2", "u2", "u4", "u0"};
    QTest::newRow("state by name") << CKorvexAction(new CKorvexActionSceneState("Open"))
                                   << QStringList{"u7", "b0", "sOpen"};
    QTest::newRow("state by index") << CKorvexAction(new CKorvexActionSceneState(3))
                                    << QStringList{"u7", "b1", "u3"};
    QTest::newRow("prepopulate") << CKorvexAction(new CKorvexActionPrepopulateFormTextBox("2"))
                                 << QStringList{"u8", "s2"};
}

void TestAction::layoutOfEveryKind()
{
    QFETCH(CKorvexAction, action);
    QFETCH(QStringList, values);
    QCOMPARE(written(action), values);
}

void TestAction::layoutReadsBackEqual_data()
{
    layoutOfEveryKind_data();
}

void TestAction::layoutReadsBackEqual()
{
    QFETCH(CKorvexAction, action);
    QFETCH(QStringList, values);
    ValueArchive archive(kKorvexActionVersionCurrent, values);
    CKorvexAction read(new CKorvexActionAnimationStop());
    QVERIFY(read.ArchiveReadWrite(archive));
    QCOMPARE(archive.begins, 1);
    QVERIFY(read == action);
}

void TestAction::legacyLayoutOmitsNewFields()
{
    QCOMPARE(written(urlAction(), kKorvexActionVersionLegacy), (QStringList{"u1", "shttp://example.org"}));
    QCOMPARE(written(CKorvexAction(new CKorvexActionSceneState("S")), kKorvexActionVersionLegacy),
             (QStringList{"u7", "sS"}));
    ValueArchive archive(kKorvexActionVersionLegacy, {"u1", "swww"});
    CKorvexAction read;
    QVERIFY(read.ArchiveReadWrite(archive));
    QCOMPARE(toQString(read.As<CKorvexActionUrl>()->Url()), QStringLiteral("www"));
    QVERIFY(read.As<CKorvexActionUrl>()->LocalHtmlPath().IsEmpty());
}

void TestAction::byIndexStateCannotBeWrittenInLegacyLayout()
{
    QCOMPARE(written(CKorvexAction(new CKorvexActionSceneState(2)), kKorvexActionVersionLegacy),
             QStringList{"<failed>"});
}

void TestAction::nestingBeyondLimitIsRefusedBothWays()
{
    const QStringList deepest = written(nestedMulti(CKorvexArchiveBase::kMaxNesting - 1));
    QVERIFY(deepest != QStringList{"<failed>"});
    ValueArchive archive(kKorvexActionVersionCurrent, deepest);
    CKorvexAction read;
    QVERIFY(read.ArchiveReadWrite(archive));
    QVERIFY(read == nestedMulti(CKorvexArchiveBase::kMaxNesting - 1));
    QCOMPARE(written(nestedMulti(CKorvexArchiveBase::kMaxNesting)), QStringList{"<failed>"});

    QStringList tooDeep;
    for (int i = 0; i < 1000; ++i)
        tooDeep << "u6" << "u1" << "u1";
    tooDeep << "u4";
    ValueArchive deep(kKorvexActionVersionCurrent, tooDeep);
    QVERIFY(!read.ArchiveReadWrite(deep));
}

void TestAction::unknownKindIsRefused()
{
    QVERIFY(CKorvexActionFactory::Create(42) == nullptr);
    QVERIFY(CKorvexActionFactory::Create(-1) == nullptr);
    ValueArchive archive(kKorvexActionVersionCurrent, {"u42"});
    CKorvexAction read;
    QVERIFY(!read.ArchiveReadWrite(archive));
}

void TestAction::failedReadKeepsHandle()
{
    const CKorvexAction before = urlAction();
    CKorvexAction read = before;
    ValueArchive archive(kKorvexActionVersionCurrent, {"u2", "sTitle"});
    QVERIFY(!read.ArchiveReadWrite(archive));
    QCOMPARE(read.GetBasicAction(), before.GetBasicAction());
}

KORVEX_TEST_MAIN(TestAction)
#include "tst_action.moc"
