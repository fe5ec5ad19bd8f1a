#include "KorvexTestMain.h"
#include "core/CKorvexActionMessageBox.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyValue.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexItemFactory.h"
#include "scene/CKorvexItemRecordApplier.h"
#include "scene/CKorvexItemRecordBuilder.h"
#include "scene/CKorvexResizeHandles.h"

#include <memory>

namespace P = CKorvexPropertyKeys;

namespace {
CKorvexDesignerProperty typed(const QString& type)
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, type);
    return record;
}
CKorvexDesignerProperty readBlock(const QString& block)
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(block.section(QLatin1Char('\n'), 1, -2));
    return record;
}
QString blockOf(const QGraphicsItem* item, const QString& type)
{
    return CKorvexItemRecordBuilder::build(item, typed(type)).toItemBlock();
}
Korvex::CKorvexAction messageAction()
{
    return Korvex::CKorvexAction(
        new Korvex::CKorvexActionMessageBox(Korvex::fromQString("Hi"), Korvex::fromQString("a\nb")));
}
} // namespace

/// Item records: the text of a block, and the records built from and applied to each kind of item.
class TestItemRecords : public QObject
{
    Q_OBJECT
private slots:
    void writtenValue_data();
    void writtenValue();
    void unknownKeys();
    void readValue_data();
    void readValue();
    void roundTripAndMatches();
    void gradientAndColourLists();
    void appliedRecordWrittenBack_data();
    void appliedRecordWrittenBack();
    void builderRules();
    void actionReadWithTemplateVersion();
    void labelRecordUsesStoredHtml();
    void factoryKinds();
};

void TestItemRecords::writtenValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("third") << P::Width << QVariant(1.0 / 3.0) << "0.333333";
    QTest::newRow("million") << P::Height << QVariant(1234567.0) << "1.23457e+06";
    QTest::newRow("tiny") << P::Width << QVariant(0.00001234) << "1.234e-05";
    QTest::newRow("negative") << P::PenWidth << QVariant(-7.25) << "-7.25";
    QTest::newRow("point") << P::StartLocation << QVariant(QPointF(1234567, -2.5)) << "1.23457e+06 -2.5";
    QTest::newRow("z 2.5") << P::ZValue << QVariant(2.5) << "3";
    QTest::newRow("z 2.4") << P::ZValue << QVariant(2.4) << "2";
    QTest::newRow("z -2.6") << P::ZValue << QVariant(-2.6) << "-3";
    QTest::newRow("z huge") << P::ZValue << QVariant(1e300) << "2147483647";
    QTest::newRow("true") << P::IsGradientMode << QVariant(true) << "true";
    QTest::newRow("fonts") << P::FontListText << QVariant(QStringList{"Arial", "", "Times"}) << "Arial@@Times";
    QTest::newRow("text") << P::Text << QVariant("one: 1\nsecond @ two") << "one: 1<korvex_newline>second @ two";
    QTest::newRow("gradient") << P::FillColorGradient << QVariant(QString("0 0 1 0 0.5 1 2 3").split(' '))
                              << "0 0 1 0 0.5 1 2 3";
}

void TestItemRecords::writtenValue()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QString, text);
    CKorvexDesignerProperty record;
    record.setValue(key, value);
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\n%1:%2\nitem end").arg(key, text));
}

void TestItemRecords::unknownKeys()
{
    // Unknown keys are dropped; an upper-case key is written lower-cased with the lower-case key's value.
    CKorvexDesignerProperty record;
    record.setValue(QStringLiteral("colour"), QStringLiteral("red"));
    record.setValue(QStringLiteral("DPI"), 300);
    record.setValue(P::Dpi, 96);
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\ndpi:96\ndpi:96\nitem end"));
    QCOMPARE(CKorvexDesignerProperty().toItemBlock(), QStringLiteral("item begin\nitem end"));
}

void TestItemRecords::readValue_data()
{
    QTest::addColumn<QString>("lines");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("expected");
    const QVariant none;
    QTest::newRow("last line, key trimmed, value not") << "type:rect\n  Type : Line\nnothing here\n" << P::Type
                                                       << QVariant(" Line");
    QTest::newRow("colons in value") << "url:http://a.b/c:d" << P::Url << QVariant("http://a.b/c:d");
    QTest::newRow("no colon") << "type" << P::Type << QVariant("type");
    QTest::newRow("point") << "start location:12.5 -3" << P::StartLocation << QVariant(QPointF(12.5, -3));
    QTest::newRow("point garbage") << "start location:x y" << P::StartLocation << QVariant(QPointF(0, 0));
    QTest::newRow("point one") << "start location:12" << P::StartLocation << none;
    QTest::newRow("point double blank") << "start location:1  2" << P::StartLocation << none;
    QTest::newRow("colour 3") << "fill color:1 2 3" << P::FillColor << QVariant(QStringList{"1", "2", "3"});
    QTest::newRow("colour 4") << "fill color:1 2 3 4" << P::FillColor << QVariant(QStringList{"1", "2", "3", "4"});
    QTest::newRow("colour 2") << "pen color:1 2" << P::PenColor << none;
    QTest::newRow("colour 5") << "pen color:1 2 3 4 5" << P::PenColor << none;
    QTest::newRow("gradient 4") << "fill color gradient:0 0 1 0" << P::FillColorGradient
                                << QVariant(QStringList{"0", "0", "1", "0"});
    QTest::newRow("gradient 3") << "fill color gradient:0 0 1" << P::FillColorGradient << none;
    QTest::newRow("TRUE") << "is image mode:TRUE" << P::IsImageMode << QVariant(true);
    QTest::newRow("1") << "is image mode:1" << P::IsImageMode << QVariant(true);
    QTest::newRow("yes") << "is image mode:yes" << P::IsImageMode << QVariant(false);
    QTest::newRow("blank true") << "is image mode: true" << P::IsImageMode << QVariant(false);
    QTest::newRow("integer from real") << "zvalue:2.5" << P::ZValue << QVariant(0);
    QTest::newRow("real from word") << "width:wide" << P::Width << QVariant(0.0);
    QTest::newRow("multi-line") << "text:a: b<korvex_newline>c @ d" << P::Text << QVariant("a: b\nc @ d");
    QTest::newRow("font list") << "font list text:Arial@@Courier New@" << P::FontListText
                               << QVariant(QStringList{"Arial", "", "Courier New", ""});
}

void TestItemRecords::readValue()
{
    QFETCH(QString, lines);
    QFETCH(QString, key);
    QFETCH(QVariant, expected);
    CKorvexDesignerProperty record;
    record.fromItemBlock(lines);
    QCOMPARE(record.keys(), QStringList{key});
    QCOMPARE(record.value(key), expected);
    if (key == P::StartLocation)
        QCOMPARE(CKorvexPropertyValue::point(record.value(key)), expected.toPointF());
}

void TestItemRecords::roundTripAndMatches()
{
    CKorvexDesignerProperty record = typed(QStringLiteral("rect"));
    record.setValue(P::Action, QStringLiteral("1<?KORVEX_ELEMENT>x"));
    record.setValue(P::Text, QStringLiteral("one\ntwo"));
    QCOMPARE(readBlock(record.toItemBlock()).toItemBlock(), record.toItemBlock());
    // A record matches another holding its own keys with the same values.
    CKorvexDesignerProperty large = record;
    large.setValue(P::Width, 5.0);
    QVERIFY(record.matches(large) && !large.matches(record) && CKorvexDesignerProperty().matches(record));
    large.setValue(P::Type, QStringLiteral("line"));
    QVERIFY(!record.matches(large));
    // Indexed access makes the key, with no value.
    QVERIFY(!record[P::Url].isValid() && record.contains(P::Url));
}

void TestItemRecords::gradientAndColourLists()
{
    using V = CKorvexPropertyValue;
    QLinearGradient gradient;
    gradient.setColorAt(0, QColor(255, 0, 0, 10));
    gradient.setColorAt(1.0 / 3.0, QColor(0, 255, 0));
    gradient.setColorAt(1, QColor(0, 0, 255));
    const QStringList list = V::gradientList(gradient);
    QCOMPARE(list.join(' '), QStringLiteral("0 0 1 0 0 255 0 0 0.333333 0 255 0 1 0 0 255"));
    const QLinearGradient read = V::gradient(list);
    QCOMPARE(read.finalStop(), QPointF(1, 0));
    QCOMPARE(read.stops(), (QGradientStops{{0, Qt::red}, {0.333333, Qt::green}, {1, Qt::blue}}));
    QCOMPARE(V::gradient(QString("0 0 1 0 0.5 9").split(' ')).stops(), (QGradientStops{{0.5, QColor(9, 0, 0)}}));
    QCOMPARE(V::gradient(QStringList{"0", "0", "1", "0", "7", "1", "1", "1"}).stops().at(0).first, 1.0);
    QVERIFY(V::gradient(QStringList{"0", "0"}) == QLinearGradient());
    QCOMPARE(*V::color(QStringList{"1", "2", "3"}), QColor(1, 2, 3));
    QCOMPARE(*V::color(QStringList{"1", "2", "3", "4"}), QColor(1, 2, 3, 4));
    QCOMPARE(*V::color(QStringList{"300", "-2", "x"}), QColor(255, 0, 0));
    QVERIFY(!V::color(QStringList{"1", "2"}) && !V::color(QVariant()));
    QCOMPARE(V::colorList(QColor(1, 2, 3, 4), true), (QStringList{"1", "2", "3", "4"}));
    QCOMPARE(V::colorList(QColor(1, 2, 3, 4), false), (QStringList{"1", "2", "3"}));
}

void TestItemRecords::appliedRecordWrittenBack_data()
{
    // A block applied to a new item of its kind and written again; an empty expectation means
    // the block comes back as given (labels: every given line comes back).
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expected");
    CKorvexDesignerImage holder;
    holder.SetAction(messageAction());
    const QString action = QStringLiteral("action:") + holder.ActionToString() + QLatin1Char('\n');
    const QString rect = QStringLiteral("fill color:10 20 30%1\nfill color gradient:0 0 1 0 0.25 1 1 1 0.75 200 100 50"
                                        "\nheight:%2\nis gradient mode:true\n%3pen width:0\nstart location:%4\n"
                                        "type:rect\nwidth:%5\nzvalue:4");
    const QString area = QStringLiteral("3d mode:%1\nfill color:4 5 6\nheight:150\npath:\nstart location:50 60\n"
                                        "type:3d area\nwidth:200\nzvalue:1");
    // Form text boxes and the rest of the 3D area are written and read back in the template writer's tests.
    const QString screen = QStringLiteral("dictionary key:Background\ndpi:300\nfill color:11 22 33\n"
        "fill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\nheight:842\nimage source type:dictionary\n"
        "is gradient mode:false\n%1page size type:A4\npath:\nscene state index:0\n"
        "scene state name:\nscene state type:index\nstart location:0 0\ntype:screen\nwidth:595\nzvalue:0");
    QTest::newRow("line") << "line" << "end location:-30 44\npen color:1 2 3\npen width:4\nstart location:12.5 7\n"
                                       "type:line\nzvalue:2" << "";
    // Malformed values keep defaults, sizes stay within bounds, three colour parts are opaque.
    QTest::newRow("rect") << "rect" << rect.arg("", "-40", "", "1 2 3", "1e300")
                          << rect.arg(" 255", "0", "pen color:0 0 0\n", "0 0", "1e+08");
    QTest::newRow("image") << "image" << action + "dictionary key:Logo\nheight:40\nimage source type:scene state\n"
           "keep aspect ratio:1\npath:/nowhere/pic.png\nscale to fit:1\nscene state index:3\n"
           "scene state name:Exploded view\nscene state type:name\nstart location:1 2\ntype:image\n"
           "url:http://a.b/c?d=e:f\nwidth:30\nzvalue:0" << "";
    QTest::newRow("3d mode words are exact") << "3d area" << area.arg("image") << area.arg("Transparent");
    QTest::newRow("screen without image mode") << "screen" << screen.arg("") << screen.arg("is image mode:true\n");
    QTest::newRow("link") << "link" << action + "dictionary key:Name\nfill color:1 2 3 4\n"
           "html:<p>two</p><p>lines: @ here</p>\nstart location:40 50\ntext source type:text editor\n"
           "type:link\nurl:http://x.y\nzvalue:0" << "";
}

void TestItemRecords::appliedRecordWrittenBack()
{
    QFETCH(QString, type);
    QFETCH(QString, given);
    QFETCH(QString, expected);
    std::unique_ptr<QGraphicsItem> item(CKorvexItemFactory::createForRecord(type));
    CKorvexItemRecordApplier::apply(item.get(), readBlock(QStringLiteral("item begin\n%1\nitem end").arg(given)));
    const QString block = blockOf(item.get(), type);
    const QString wanted = expected.isEmpty() ? given : expected;
    if (CKorvexItemFactory::handlingKind(type) == QLatin1String("label")) {
        for (const QString& line : wanted.split('\n'))
            QVERIFY2(block.split('\n').contains(line), qPrintable(line));
    } else {
        QCOMPARE(block, QStringLiteral("item begin\n%1\nitem end").arg(wanted));
    }
    // Written back and read again, nothing moves.
    std::unique_ptr<QGraphicsItem> copy(CKorvexItemFactory::createForRecord(type));
    CKorvexItemRecordApplier::apply(copy.get(), readBlock(block));
    QCOMPARE(blockOf(copy.get(), type), block);
}

void TestItemRecords::builderRules()
{
    CKorvexDesignerRect rect;
    rect.setZValue(2.6);
    QCOMPARE(CKorvexItemRecordBuilder::build(&rect, typed(QStringLiteral("rect"))).value(P::ZValue), QVariant(3));
    // A field outside its enumeration is not written at all.
    CKorvexDesigner3DArea area;
    area.setImageSource(5);
    area.setSceneStateChoice(-1);
    area.setMode(7);
    const CKorvexDesignerProperty record = CKorvexItemRecordBuilder::build(&area, typed(QStringLiteral("3d area")));
    QVERIFY(!record.contains(P::ImageSourceType) && !record.contains(P::SceneStateType) && !record.contains(P::Mode3D));
    CKorvexDesignerLabel label;
    label.setTextSource(2);
    QVERIFY(!CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text"))).contains(P::TextSourceType));
    // Keys the builder does not set are kept from the stored record.
    CKorvexDesignerFormTextBox box;
    CKorvexDesignerProperty stored = typed(QStringLiteral("form_text_box"));
    stored.setValue(P::Url, QStringLiteral("kept"));
    stored.setValue(P::CustomId, QStringLiteral("old"));
    box.setCustomId(QStringLiteral("new"));
    const CKorvexDesignerProperty built = CKorvexItemRecordBuilder::build(&box, stored);
    QCOMPARE(built.value(P::Url).toString() + built.value(P::CustomId).toString(), QStringLiteral("keptnew"));
}

void TestItemRecords::actionReadWithTemplateVersion()
{
    // Outside a scene, or before any template is read, the legacy format.
    QCOMPARE(CKorvexDesignerImage().ActionVersion(), Korvex::kKorvexActionVersionLegacy);
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(11005u);
    CKorvexDesignerLabel writer;
    writer.SetAction(messageAction());
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    QVERIFY(label->ActionFromString(writer.ActionToString()));
    QVERIFY(label->ActionVersion() == 11005u && label->GetAction() == writer.GetAction());
}

void TestItemRecords::labelRecordUsesStoredHtml()
{
    CKorvexDesignerLabel label;
    label.applyNewItemDefaults();
    CKorvexDesignerProperty record = CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text")));
    QVERIFY(record.value(P::Html) == label.html() && record.value(P::Width) == label.boundingRect().width());
    QCOMPARE(record.value(P::FontListText).toStringList(), QStringList{label.font().family()});
    label.setStoredHtml(QStringLiteral("<b>Typed</b>"));
    label.setTextSource(CKorvexDesignerText::SourceDictionary);
    record = CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text")));
    QCOMPARE(record.value(P::Html).toString(), QStringLiteral("<b>Typed</b>"));
    QCOMPARE(record.value(P::TextSourceType).toString(), QStringLiteral("dictionary"));
}

void TestItemRecords::factoryKinds()
{
    // Record and tool make the same kind of item; names are exact.
    for (const QString name : {"line", "rect", "image", "3d area", "screen", "form_text_box", "label", "text", "link",
                               "circle", "Rect"}) {
        std::unique_ptr<QGraphicsItem> forRecord(CKorvexItemFactory::createForRecord(name));
        std::unique_ptr<QGraphicsItem> forTool(CKorvexItemFactory::createForTool(name));
        const bool known = name != QLatin1String("circle") && name != QLatin1String("Rect");
        QVERIFY2(CKorvexItemFactory::isKnownType(name) == known && bool(forRecord) == known, qPrintable(name));
        QCOMPARE(forTool ? forTool->type() : 0, forRecord ? forRecord->type() : 0);
    }
    std::unique_ptr<QGraphicsItem> image(CKorvexItemFactory::createForTool(QStringLiteral("image")));
    // A tool image keeps its aspect on a corner drag.
    auto* tool = static_cast<CKorvexDesignerImage*>(image.get());
    tool->setRect(0, 0, 200, 100);
    tool->beginResize();
    tool->moveHandle(CKorvexResizeHandles::BottomRight, QPointF(100, 300));
    QCOMPARE(tool->sceneRect(), QRectF(0, 0, 100, 50));
    std::unique_ptr<QGraphicsItem> link(CKorvexItemFactory::createForRecord(QStringLiteral("link")));
    QCOMPARE(static_cast<CKorvexDesignerLabel*>(link.get())->text(), QStringLiteral("label !"));
    QCOMPARE(CKorvexItemFactory::handlingKind(QStringLiteral("link")), QStringLiteral("label"));
}

KORVEX_TEST_MAIN(TestItemRecords)
#include "tst_itemrecords.moc"
