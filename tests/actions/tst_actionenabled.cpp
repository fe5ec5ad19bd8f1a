#include "KorvexTestMain.h"
#include "actions/ActionArchive.h"
#include "actions/CKorvexActionEnabled.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"

using namespace Korvex;

Q_DECLARE_METATYPE(Korvex::CKorvexAction)

namespace {

constexpr unsigned legacy = kKorvexActionVersionLegacy;
constexpr unsigned current = kKorvexActionVersionCurrent;

QString elements(const QStringList& parts)
{
    return parts.join(QStringLiteral("<?KORVEX_ELEMENT>"));
}

CKorvexAction url()
{
    auto* action = new CKorvexActionUrl("https://example.org/a?b=c");
    action->SetLocalHtmlPath("C:/Users/me/site");
    action->SetStartupHtmlFile("start.html");
    return CKorvexAction(action);
}

CKorvexAction box(const CKorvexString& title, const CKorvexString& text)
{
    return CKorvexAction(new CKorvexActionMessageBox(title, text));
}

CKorvexAction multi(std::vector<CKorvexAction> actions, enumTriggeringMode mode)
{
    return CKorvexAction(new CKorvexActionMultiAction(std::move(actions), mode));
}

CKorvexAction state(int index)
{
    return CKorvexAction(new CKorvexActionSceneState(index));
}

CKorvexAction stop()
{
    return CKorvexAction(new CKorvexActionAnimationStop());
}

/// An animation stop inside depth multi actions, and its text.
CKorvexAction nested(int depth)
{
    CKorvexAction action = stop();
    for (int i = 0; i < depth; ++i)
        action = multi({action}, TriggerRunAll);
    return action;
}

QString nestedText(int depth)
{
    return QStringLiteral("6<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>").repeated(depth) + "4";
}

/// The text of action in the layout of version, as the item writes it when current; empty when refused.
QString write(const CKorvexAction& action, unsigned version)
{
    if (version == current) {
        CKorvexActionEnabled item;
        item.SetAction(action);
        return item.ActionToString();
    }
    ActionArchive archive(ActionArchive::kModeWrite);
    archive.SetVersion(version);
    CKorvexAction copy = action;
    return copy.ArchiveReadWrite(archive) ? archive.ToString() : QString();
}

/// An item that carries the message box "kept" until something reads; it leaves its read
/// version at the default for legacy reads.
class Item : public CKorvexActionEnabled
{
public:
    explicit Item(unsigned version = current)
    {
        SetAction(box("kept", ""));
        if (version != legacy)
            SetActionVersion(version);
    }
    bool keptItsAction() const { return GetAction() == box("kept", ""); }
};

} // namespace

class TestActionEnabled : public QObject
{
    Q_OBJECT

private slots:
    void layoutOfEveryKind_data();
    void layoutOfEveryKind();
    void reading_data();
    void reading();
    void minusOneRuleAppliesWhenReadFails();
    void everyTruncationOfANestedTextFails();
};

void TestActionEnabled::layoutOfEveryKind_data()
{
    QTest::addColumn<CKorvexAction>("action");
    QTest::addColumn<unsigned>("version");
    QTest::addColumn<QString>("text"); // empty: the layout cannot hold the action
    QTest::newRow("null") << CKorvexAction() << current << "0";
    QTest::newRow("url, empty fields") << CKorvexAction(new CKorvexActionUrl()) << current
                                       << elements({"1", "", "", ""});
    QTest::newRow("full animation") << CKorvexAction(new CKorvexActionAnimationPlay(true, 0, 0)) << current
                                    << elements({"3", "1", "0", "0"});
    QTest::newRow("frame range") << CKorvexAction(new CKorvexActionAnimationPlay(false, -1, 250)) << current
                                 << elements({"3", "0", "4294967295", "250"});
    QTest::newRow("script") << CKorvexAction(new CKorvexActionAnnot3DScript("var a = 1;\r\nhost.go(a);\n")) << current
                            << elements({"5", "var a = 1;\r<?KORVEX_ENDL>host.go(a);<?KORVEX_ENDL>"});
    QTest::newRow("empty multi") << multi({}, TriggerRunAll) << current << elements({"6", "1", "0"});
    QTest::newRow("multi") << multi({box("a", "b"), CKorvexAction(), state(2)}, TriggerRandom) << current
                           << elements({"6", "4", "3", "2", "a", "b", "0", "7", "1", "2"});
    QTest::newRow("nested multi")
        << multi({multi({url(), multi({box("x", "1\n2")}, TriggerSwing)}, TriggerLoop), stop()}, TriggerSwing)
        << current
        << elements({"6", "2", "2", "6", "3", "2", "1", "https://example.org/a?b=c", "C:/Users/me/site",
                     "start.html", "6", "2", "1", "2", "x", "1<?KORVEX_ENDL>2", "4"});
    QTest::newRow("mode outside the list") << multi({}, static_cast<enumTriggeringMode>(9)) << current
                                           << elements({"6", "9", "0"});
    QTest::newRow("state by name") << CKorvexAction(new CKorvexActionSceneState("Closed view")) << current
                                   << elements({"7", "0", "Closed view"});
    QTest::newRow("prepopulate") << CKorvexAction(new CKorvexActionPrepopulateFormTextBox("3")) << current
                                 << elements({"8", "3"});
    QTest::newRow("deepest nesting") << nested(CKorvexArchiveBase::kMaxNesting - 1) << current
                                     << nestedText(CKorvexArchiveBase::kMaxNesting - 1);
    QTest::newRow("nesting beyond limit") << nested(CKorvexArchiveBase::kMaxNesting) << current << "";
    QTest::newRow("legacy url") << CKorvexAction(new CKorvexActionUrl("http://old.example.com")) << legacy
                                << elements({"1", "http://old.example.com"});
    QTest::newRow("legacy state by name") << CKorvexAction(new CKorvexActionSceneState("Front")) << legacy
                                          << elements({"7", "Front"});
    QTest::newRow("legacy state by index") << state(2) << legacy << "";
}

void TestActionEnabled::layoutOfEveryKind()
{
    QFETCH(CKorvexAction, action);
    QFETCH(unsigned, version);
    QFETCH(QString, text);
    QCOMPARE(write(action, version), text);
    if (text.isEmpty())
        return;
    Item reader(version);
    QVERIFY(reader.ActionFromString(text));
    QVERIFY(reader.GetAction() == action);
    QCOMPARE(write(reader.GetAction(), version), text);
}

void TestActionEnabled::reading_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("written"); // empty: the read fails and the item keeps its action
    QTest::newRow("state index -1 reads as 1") << elements({"7", "1", "4294967295"}) << elements({"7", "1", "1"});
    QTest::newRow("state index -2 stays") << elements({"7", "1", "4294967294"}) << elements({"7", "1", "4294967294"});
    QTest::newRow("full animation drops frames") << elements({"3", "1", "5", "9"}) << elements({"3", "1", "0", "0"});
    QTest::newRow("empty text") << "" << "";
    QTest::newRow("non-numeric kind") << "abc" << "";
    QTest::newRow("unknown kind") << "99" << "";
    QTest::newRow("kind as real") << elements({"2.0", "a", "b"}) << "";
    QTest::newRow("non-numeric frame") << elements({"3", "0", "ten", "20"}) << "";
    QTest::newRow("non-numeric flag") << elements({"3", "yes", "1", "2"}) << "";
    QTest::newRow("non-numeric count") << elements({"6", "1", "many"}) << "";
    QTest::newRow("absurd count") << elements({"6", "1", "4294967295", "4"}) << "";
    QTest::newRow("count above limit") << elements({"6", "1", "100001", "4"}) << "";
    QTest::newRow("count beyond elements") << elements({"6", "1", "99999", "4", "4"}) << "";
    QTest::newRow("bad sub-action") << elements({"6", "1", "1", "77"}) << "";
    QTest::newRow("state index not a number") << elements({"7", "1", "x"}) << "";
    QTest::newRow("one level too deep") << nestedText(CKorvexArchiveBase::kMaxNesting) << "";
}

void TestActionEnabled::reading()
{
    QFETCH(QString, text);
    QFETCH(QString, written);
    Item item;
    QCOMPARE(item.ActionFromString(text), !written.isEmpty());
    if (written.isEmpty())
        QVERIFY(item.keptItsAction());
    else
        QCOMPARE(item.ActionToString(), written);
}

void TestActionEnabled::minusOneRuleAppliesWhenReadFails()
{
    CKorvexActionEnabled item;
    item.SetAction(state(-1));
    QVERIFY(!item.ActionFromString(QStringLiteral("garbage")));
    QCOMPARE(item.GetAction().As<CKorvexActionSceneState>()->GetSceneStateIndex(), 1);
}

void TestActionEnabled::everyTruncationOfANestedTextFails()
{
    const CKorvexAction action = multi({box("a", "b"), multi({state(3), url()}, TriggerLoop)}, TriggerSwing);
    const QStringList parts = write(action, current).split(QStringLiteral("<?KORVEX_ELEMENT>"));
    for (int count = 1; count < parts.size(); ++count) {
        Item item;
        QVERIFY2(!item.ActionFromString(elements(parts.mid(0, count))), qPrintable(QString::number(count)));
        QVERIFY(item.keptItsAction());
    }
}

KORVEX_TEST_MAIN(TestActionEnabled)
#include "tst_actionenabled.moc"
