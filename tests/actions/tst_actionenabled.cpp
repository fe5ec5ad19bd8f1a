#include "KorvexTestMain.h"
#include "actions/CKorvexActionEnabled.h"
#include "core/CKorvexActionAnimationPlay.h"
#include "core/CKorvexActionAnimationStop.h"
#include "core/CKorvexActionAnnot3DScript.h"
#include "core/CKorvexActionFactory.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionMultiAction.h"
#include "core/CKorvexActionPrepopulateFormTextBox.h"
#include "core/CKorvexActionSceneState.h"
#include "core/CKorvexActionUrl.h"

using namespace Korvex;

Q_DECLARE_METATYPE(Korvex::CKorvexAction)

namespace {

QString elements(const QStringList& parts)
{
    return parts.join(QStringLiteral("<?KORVEX_ELEMENT>"));
}

CKorvexAction url()
{
    auto* action = new CKorvexActionUrl();
    action->SetUrl("https://example.org/a?b=c");
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

/// An item that carries the message box "kept" until something reads.
class Item : public CKorvexActionEnabled
{
public:
    Item() { SetAction(box("kept", "")); }
    bool keptItsAction() const { return GetAction() == box("kept", ""); }
};

} // namespace

class TestActionEnabled : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void startsNullWithLegacyReadVersion();
    void getActionSharesTheHandle();
    void roundTripOfEveryKind_data();
    void roundTripOfEveryKind();
    void nullActionIsWrittenAndReadBack();
    void multiLineMessageText();
    void legacyVersionReadsUrlAlone();
    void sceneStateIndexMinusOneReadsAsOne_data();
    void sceneStateIndexMinusOneReadsAsOne();
    void minusOneRuleAppliesWhenReadFails();
    void malformedTextKeepsAction_data();
    void malformedTextKeepsAction();
    void everyTruncationOfANestedTextFails();
    void everyCorruptedElementIsHandled();
    void unwritableActionGivesEmptyText();
};

void TestActionEnabled::initTestCase()
{
    registerCoreArchivable();
}

void TestActionEnabled::startsNullWithLegacyReadVersion()
{
    CKorvexActionEnabled item;
    QVERIFY(item.GetAction().IsNull());
    QCOMPARE(item.ActionVersion(), 10234u);
    item.SetActionVersion(11005);
    QCOMPARE(item.ActionVersion(), 11005u);
}

void TestActionEnabled::getActionSharesTheHandle()
{
    CKorvexActionEnabled item;
    const CKorvexAction action = url();
    item.SetAction(action);
    QCOMPARE(item.GetAction().GetBasicAction(), action.GetBasicAction());
}

void TestActionEnabled::roundTripOfEveryKind_data()
{
    QTest::addColumn<CKorvexAction>("action");
    QTest::addColumn<QString>("text");
    QTest::newRow("url") << url()
                         << elements({"1", "https://example.org/a?b=c", "C:/Users/me/site", "start.html"});
    QTest::newRow("url, empty fields") << CKorvexAction(new CKorvexActionUrl()) << elements({"1", "", "", ""});
    QTest::newRow("message box") << box("Note", "Hello") << elements({"2", "Note", "Hello"});
    QTest::newRow("full animation") << CKorvexAction(new CKorvexActionAnimationPlay(true, 0, 0))
                                    << elements({"3", "1", "0", "0"});
    QTest::newRow("frame range") << CKorvexAction(new CKorvexActionAnimationPlay(false, 10, 250))
                                 << elements({"3", "0", "10", "250"});
    QTest::newRow("animation stop") << CKorvexAction(new CKorvexActionAnimationStop()) << elements({"4"});
    QTest::newRow("script") << CKorvexAction(new CKorvexActionAnnot3DScript("var a = 1;\r\nhost.go(a);\n"))
                            << elements({"5", "var a = 1;\r<?KORVEX_ENDL>host.go(a);<?KORVEX_ENDL>"});
    QTest::newRow("empty multi") << multi({}, TriggerRunAll) << elements({"6", "1", "0"});
    QTest::newRow("multi") << multi({box("a", "b"), CKorvexAction(), state(2)}, TriggerRandom)
                           << elements({"6", "4", "3", "2", "a", "b", "0", "7", "1", "2"});
    QTest::newRow("nested multi")
        << multi({multi({url(), multi({box("x", "1\n2")}, TriggerSwing)}, TriggerLoop),
                  CKorvexAction(new CKorvexActionAnimationStop())},
                 TriggerSwing)
        << elements({"6", "2", "2", "6", "3", "2", "1", "https://example.org/a?b=c", "C:/Users/me/site",
                     "start.html", "6", "2", "1", "2", "x", "1<?KORVEX_ENDL>2", "4"});
    QTest::newRow("mode outside the list") << multi({}, static_cast<enumTriggeringMode>(9))
                                           << elements({"6", "9", "0"});
    QTest::newRow("state by name") << CKorvexAction(new CKorvexActionSceneState("Closed view"))
                                   << elements({"7", "0", "Closed view"});
    QTest::newRow("state by index") << state(0) << elements({"7", "1", "0"});
    QTest::newRow("prepopulate") << CKorvexAction(new CKorvexActionPrepopulateFormTextBox("3"))
                                 << elements({"8", "3"});
}

void TestActionEnabled::roundTripOfEveryKind()
{
    QFETCH(CKorvexAction, action);
    QFETCH(QString, text);
    CKorvexActionEnabled writer;
    writer.SetAction(action);
    QCOMPARE(writer.ActionToString(), text);

    Item reader;
    reader.SetActionVersion(11005);
    QVERIFY(reader.ActionFromString(text));
    QVERIFY(reader.GetAction() == action);
    QVERIFY(reader.GetAction().GetBasicAction() != action.GetBasicAction());
    QCOMPARE(reader.ActionToString(), text);
}

void TestActionEnabled::nullActionIsWrittenAndReadBack()
{
    CKorvexActionEnabled writer;
    QCOMPARE(writer.ActionToString(), QStringLiteral("0"));
    Item reader;
    QVERIFY(reader.ActionFromString(QStringLiteral("0")));
    QVERIFY(reader.GetAction().IsNull());
}

void TestActionEnabled::multiLineMessageText()
{
    CKorvexActionEnabled writer;
    writer.SetAction(box("Title", "first line\r\nsecond line"));
    const QString text = writer.ActionToString();
    QCOMPARE(text, elements({"2", "Title", "first line\r<?KORVEX_ENDL>second line"}));
    CKorvexActionEnabled reader;
    QVERIFY(reader.ActionFromString(text));
    const auto* read = reader.GetAction().As<CKorvexActionMessageBox>();
    QVERIFY(read);
    QCOMPARE(toQString(read->GetMessageText()), QStringLiteral("first line\r\nsecond line"));
}

void TestActionEnabled::legacyVersionReadsUrlAlone()
{
    CKorvexActionEnabled writer;
    writer.SetAction(url());
    CKorvexActionEnabled reader; // read version 10234
    QVERIFY(reader.ActionFromString(writer.ActionToString()));
    const auto* read = reader.GetAction().As<CKorvexActionUrl>();
    QVERIFY(read);
    QCOMPARE(toQString(read->Url()), QStringLiteral("https://example.org/a?b=c"));
    QVERIFY(read->LocalHtmlPath().IsEmpty());
    QVERIFY(reader.ActionFromString(elements({"7", "Front"})));
    QCOMPARE(toQString(reader.GetAction().As<CKorvexActionSceneState>()->GetSceneStateName()),
             QStringLiteral("Front"));
}

void TestActionEnabled::sceneStateIndexMinusOneReadsAsOne_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("read");
    QTest::newRow("minus one") << -1 << 1;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("positive") << 5 << 5;
    QTest::newRow("minus two") << -2 << -2;
}

void TestActionEnabled::sceneStateIndexMinusOneReadsAsOne()
{
    QFETCH(int, stored);
    QFETCH(int, read);
    CKorvexActionEnabled writer;
    writer.SetAction(state(stored));
    CKorvexActionEnabled reader;
    reader.SetActionVersion(11005);
    QVERIFY(reader.ActionFromString(writer.ActionToString()));
    const auto* action = reader.GetAction().As<CKorvexActionSceneState>();
    QVERIFY(action && action->IsByIndex());
    QCOMPARE(action->GetSceneStateIndex(), read);
}

void TestActionEnabled::minusOneRuleAppliesWhenReadFails()
{
    CKorvexActionEnabled item;
    item.SetAction(state(-1));
    QVERIFY(!item.ActionFromString(QStringLiteral("garbage")));
    QCOMPARE(item.GetAction().As<CKorvexActionSceneState>()->GetSceneStateIndex(), 1);
}

void TestActionEnabled::malformedTextKeepsAction_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("empty text") << "";
    QTest::newRow("non-numeric kind") << "abc";
    QTest::newRow("unknown kind") << "99";
    QTest::newRow("negative kind") << "-1";
    QTest::newRow("kind as real") << "2.0<?KORVEX_ELEMENT>a<?KORVEX_ELEMENT>b";
    QTest::newRow("truncated message box") << elements({"2", "Title"});
    QTest::newRow("non-numeric frame") << elements({"3", "0", "ten", "20"});
    QTest::newRow("non-numeric flag") << elements({"3", "yes", "1", "2"});
    QTest::newRow("non-numeric count") << elements({"6", "1", "many"});
    QTest::newRow("negative count") << elements({"6", "1", "-1"});
    QTest::newRow("absurd count") << elements({"6", "1", "4294967295", "4"});
    QTest::newRow("count above limit") << elements({"6", "1", "100001", "4"});
    QTest::newRow("count beyond elements") << elements({"6", "1", "99999", "4", "4"});
    QTest::newRow("bad sub-action") << elements({"6", "1", "1", "77"});
    QTest::newRow("state index not a number") << elements({"7", "1", "x"});
    QString deep;
    for (int i = 0; i < 5000; ++i)
        deep += QStringLiteral("6<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>");
    QTest::newRow("nested thousands deep") << deep + QStringLiteral("4");
    QString sixtyFive;
    for (int i = 0; i < 64; ++i)
        sixtyFive += QStringLiteral("6<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>1<?KORVEX_ELEMENT>");
    QTest::newRow("one level too deep") << sixtyFive + QStringLiteral("4");
}

void TestActionEnabled::malformedTextKeepsAction()
{
    QFETCH(QString, text);
    Item item;
    item.SetActionVersion(11005);
    QVERIFY(!item.ActionFromString(text));
    QVERIFY(item.keptItsAction());
}

void TestActionEnabled::everyTruncationOfANestedTextFails()
{
    CKorvexActionEnabled writer;
    writer.SetAction(multi({box("a", "b"), multi({state(3), url()}, TriggerLoop)}, TriggerSwing));
    const QStringList parts = writer.ActionToString().split(QStringLiteral("<?KORVEX_ELEMENT>"));
    for (int count = 1; count < parts.size(); ++count) {
        Item item;
        item.SetActionVersion(11005);
        QVERIFY2(!item.ActionFromString(parts.mid(0, count).join(QStringLiteral("<?KORVEX_ELEMENT>"))),
                 qPrintable(QString::number(count)));
        QVERIFY(item.keptItsAction());
    }
}

void TestActionEnabled::everyCorruptedElementIsHandled()
{
    CKorvexActionEnabled writer;
    writer.SetAction(multi({box("a", "b"), multi({state(3), url(), CKorvexAction()}, TriggerLoop),
                            CKorvexAction(new CKorvexActionAnimationPlay(false, 1, 2))},
                           TriggerSwing));
    const QStringList parts = writer.ActionToString().split(QStringLiteral("<?KORVEX_ELEMENT>"));
    const QStringList corruptions{"", "x", "-1", "4294967295", "6", "0", "100000"};
    for (int i = 0; i < parts.size(); ++i) {
        for (const QString& corruption : corruptions) {
            QStringList damaged = parts;
            damaged[i] = corruption;
            Item item;
            item.SetActionVersion(11005);
            if (!item.ActionFromString(damaged.join(QStringLiteral("<?KORVEX_ELEMENT>"))))
                QVERIFY(item.keptItsAction());
        }
    }
}

void TestActionEnabled::unwritableActionGivesEmptyText()
{
    CKorvexAction deep(new CKorvexActionAnimationStop());
    for (int i = 0; i < 100; ++i)
        deep = multi({deep}, TriggerLoop);
    CKorvexActionEnabled item;
    item.SetAction(deep);
    QCOMPARE(item.ActionToString(), QString());
}

KORVEX_TEST_MAIN(TestActionEnabled)
#include "tst_actionenabled.moc"
