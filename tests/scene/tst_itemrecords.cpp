#include "KorvexTestEnvironment.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionUrl.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexItemFactory.h"
#include "scene/CKorvexItemRecordApplier.h"
#include "scene/CKorvexItemRecordBuilder.h"
#include "io/CKorvexPropertyKeys.h"
#include "io/CKorvexPropertyText.h"
#include "io/CKorvexPropertyValue.h"

#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace P = CKorvexPropertyKeys;

class TestItemRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void writtenValue_data();
    void writtenValue();
    void blockOrderAndUnknownKeys();
    void readValue_data();
    void readValue();
    void roundTrip();
    void matchesLooksOnlyAtOwnKeys();
    void gradientAndColourLists();
    void appliedRecordWrittenBack_data();
    void appliedRecordWrittenBack();
    void builderRules();
    void pathFoundNextToTemplate();
    void htmlFolderFoundNextToTemplate();
    void actionReadWithTemplateVersion();
    void labelRecordUsesStoredHtml();
    void factoryKinds();

private:
    static CKorvexDesignerProperty typed(const QString& type);
    static CKorvexDesignerProperty readBlock(const QString& block);
    static QString blockOf(const QGraphicsItem* item, const QString& type);
    static Korvex::CKorvexAction messageAction(const QString& title);
};

void TestItemRecords::init()
{
    KorvexTestEnvironment::clearSettings();
}

CKorvexDesignerProperty TestItemRecords::typed(const QString& type)
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, type);
    return record;
}

CKorvexDesignerProperty TestItemRecords::readBlock(const QString& block)
{
    CKorvexDesignerProperty record;
    record.fromItemBlock(block.section(QLatin1Char('\n'), 1, -2));
    return record;
}

QString TestItemRecords::blockOf(const QGraphicsItem* item, const QString& type)
{
    return CKorvexItemRecordBuilder::build(item, typed(type)).toItemBlock();
}

Korvex::CKorvexAction TestItemRecords::messageAction(const QString& title)
{
    return Korvex::CKorvexAction(new Korvex::CKorvexActionMessageBox(Korvex::fromQString(title),
                                                                     Korvex::fromQString(QStringLiteral("a\nb"))));
}

void TestItemRecords::writtenValue_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << P::Width << QVariant(100.0) << "100";
    QTest::newRow("half") << P::Width << QVariant(12.5) << "12.5";
    QTest::newRow("third") << P::Width << QVariant(1.0 / 3.0) << "0.333333";
    QTest::newRow("million") << P::Height << QVariant(1234567.0) << "1.23457e+06";
    QTest::newRow("small") << P::Width << QVariant(0.0001234) << "0.0001234";
    QTest::newRow("tiny") << P::Width << QVariant(0.00001234) << "1.234e-05";
    QTest::newRow("negative") << P::PenWidth << QVariant(-7.25) << "-7.25";
    QTest::newRow("zero") << P::Width << QVariant(0.0) << "0";
    QTest::newRow("point") << P::StartLocation << QVariant(QPointF(1234567, -2.5)) << "1.23457e+06 -2.5";
    QTest::newRow("z 2.6") << P::ZValue << QVariant(2.6) << "3";
    QTest::newRow("z 2.5") << P::ZValue << QVariant(2.5) << "3";
    QTest::newRow("z 2.4") << P::ZValue << QVariant(2.4) << "2";
    QTest::newRow("z -2.6") << P::ZValue << QVariant(-2.6) << "-3";
    QTest::newRow("z int") << P::ZValue << QVariant(7) << "7";
    QTest::newRow("z huge") << P::ZValue << QVariant(1e300) << "2147483647";
    QTest::newRow("true") << P::IsGradientMode << QVariant(true) << "true";
    QTest::newRow("false") << P::IsImageMode << QVariant(false) << "false";
    QTest::newRow("fonts") << P::FontListText << QVariant(QStringList{"Arial", "", "Times"}) << "Arial@@Times";
    QTest::newRow("html") << P::Html << QVariant("a\nb") << "a<korvex_newline>b";
    QTest::newRow("text") << P::Text << QVariant("first: one\nsecond @ two")
                          << "first: one<korvex_newline>second @ two";
    QTest::newRow("gradient") << P::FillColorGradient << QVariant(QStringList{"0", "0", "1", "0", "0.5", "1", "2", "3"})
                              << "0 0 1 0 0.5 1 2 3";
    QTest::newRow("scale to fit") << P::ScaleToFit << QVariant(1) << "1";
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

void TestItemRecords::blockOrderAndUnknownKeys()
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, QStringLiteral("line"));
    record.setValue(P::ZValue, 0);
    record.setValue(P::StartLocation, QPointF(0, 0));
    record.setValue(P::PenColor, QStringList{"0", "0", "0"});
    record.setValue(P::EndLocation, QPointF(100, 0));
    record.setValue(QStringLiteral("colour"), QStringLiteral("red"));
    QCOMPARE(record.toItemBlock(), QStringLiteral("item begin\nend location:100 0\npen color:0 0 0\n"
                                                  "start location:0 0\ntype:line\nzvalue:0\nitem end"));
    // An upper-case key is written lower-cased, with the value held under the lower-case key.
    CKorvexDesignerProperty shouted;
    shouted.setValue(QStringLiteral("DPI"), 300);
    shouted.setValue(P::Dpi, 96);
    QCOMPARE(shouted.toItemBlock(), QStringLiteral("item begin\ndpi:96\ndpi:96\nitem end"));
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
    QTest::newRow("point three") << "start location:1 2 3" << P::StartLocation << none;
    QTest::newRow("point double blank") << "start location:1  2" << P::StartLocation << none;
    QTest::newRow("point empty") << "start location:" << P::StartLocation << none;
    QTest::newRow("colour 3") << "fill color:1 2 3" << P::FillColor << QVariant(QStringList{"1", "2", "3"});
    QTest::newRow("colour 4") << "fill color:1 2 3 4" << P::FillColor << QVariant(QStringList{"1", "2", "3", "4"});
    QTest::newRow("colour 2") << "pen color:1 2" << P::PenColor << none;
    QTest::newRow("colour 5") << "pen color:1 2 3 4 5" << P::PenColor << none;
    QTest::newRow("gradient 4") << "fill color gradient:0 0 1 0" << P::FillColorGradient
                                << QVariant(QStringList{"0", "0", "1", "0"});
    QTest::newRow("gradient 9") << "fill color gradient:0 0 1 0 0 1 2 3 1" << P::FillColorGradient
                                << QVariant(QString("0 0 1 0 0 1 2 3 1").split(' '));
    QTest::newRow("gradient 3") << "fill color gradient:0 0 1" << P::FillColorGradient << none;
    QTest::newRow("true") << "is image mode:true" << P::IsImageMode << QVariant(true);
    QTest::newRow("TRUE") << "is image mode:TRUE" << P::IsImageMode << QVariant(true);
    QTest::newRow("1") << "is image mode:1" << P::IsImageMode << QVariant(true);
    QTest::newRow("yes") << "is image mode:yes" << P::IsImageMode << QVariant(false);
    QTest::newRow("blank true") << "is image mode: true" << P::IsImageMode << QVariant(false);
    QTest::newRow("integer from real") << "zvalue:2.5" << P::ZValue << QVariant(0);
    QTest::newRow("integer") << "scene state index:-4" << P::SceneStateIndex << QVariant(-4);
    QTest::newRow("real from word") << "width:wide" << P::Width << QVariant(0.0);
    QTest::newRow("real exponent") << "height:1e3" << P::Height << QVariant(1000.0);
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

void TestItemRecords::roundTrip()
{
    CKorvexDesignerProperty record;
    record.setValue(P::Type, QStringLiteral("rect"));
    record.setValue(P::StartLocation, QPointF(10.5, 20));
    record.setValue(P::FillColor, QStringList{"1", "2", "3", "4"});
    record.setValue(P::IsGradientMode, false);
    record.setValue(P::ZValue, 3);
    record.setValue(P::Action, QStringLiteral("1<?KORVEX_ELEMENT>x"));
    record.setValue(P::Text, QStringLiteral("one\ntwo"));
    const QString block = record.toItemBlock();
    CKorvexDesignerProperty read;
    read.fromItemBlock(block.section('\n', 1, -2));
    QVERIFY(read.matches(record) && record.matches(read));
    QCOMPARE(read.toItemBlock(), block);

    // Six digits are all a coordinate keeps.
    record.setValue(P::StartLocation, QPointF(1234567, 2));
    read.fromItemBlock(record.toItemBlock().section('\n', 1, -2));
    QCOMPARE(read.value(P::StartLocation).toPointF(), QPointF(1234570, 2));
}

void TestItemRecords::matchesLooksOnlyAtOwnKeys()
{
    CKorvexDesignerProperty small;
    small.setValue(P::Type, QStringLiteral("rect"));
    CKorvexDesignerProperty large = small;
    large.setValue(P::Width, 5.0);
    QVERIFY(small.matches(large));
    QVERIFY(!large.matches(small));
    large.setValue(P::Type, QStringLiteral("line"));
    QVERIFY(!small.matches(large));
    QVERIFY(CKorvexDesignerProperty().matches(small));
    // Indexed access makes the key, with no value.
    QVERIFY(!small[P::Url].isValid());
    QVERIFY(small.contains(P::Url));
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
    QCOMPARE(read.stops(), (QGradientStops{{0, QColor(255, 0, 0)}, {0.333333, QColor(0, 255, 0)}, {1, QColor(0, 0, 255)}}));
    QCOMPARE(V::gradient(QStringList{"0", "0", "1", "0", "0.5", "9"}).stops(), (QGradientStops{{0.5, QColor(9, 0, 0)}}));
    QCOMPARE(V::gradient(QStringList{"0", "0", "1", "0", "7", "1", "1", "1"}).stops().at(0).first, 1.0);
    QVERIFY(V::gradient(QStringList{"0", "0"}) == QLinearGradient());

    QCOMPARE(*V::color(QStringList{"1", "2", "3"}), QColor(1, 2, 3));
    QCOMPARE(*V::color(QStringList{"1", "2", "3", "4"}), QColor(1, 2, 3, 4));
    QCOMPARE(*V::color(QStringList{"300", "-2", "x"}), QColor(255, 0, 0));
    QVERIFY(!V::color(QStringList{"1", "2"}));
    QVERIFY(!V::color(QVariant()));
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
    holder.SetAction(messageAction(QStringLiteral("Hello")));
    const QString action = QStringLiteral("action:") + holder.ActionToString() + QLatin1Char('\n');
    const QString rect = QStringLiteral("fill color:%1\nfill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\nheight:%2\n"
        "is gradient mode:false\npen color:0 0 0\npen width:1\nstart location:0 0\ntype:rect\nwidth:%3\nzvalue:0");
    const QString area = QStringLiteral("3d mode:%1\nfill color:255 255 255\nheight:100\npath:\nstart location:0 0\n"
                                        "type:3d area\nwidth:100\nzvalue:0");
    QTest::newRow("line default") << "line" << "type:line"
        << "end location:100 0\npen color:0 0 0\npen width:1\nstart location:0 0\ntype:line\nzvalue:0";
    QTest::newRow("line") << "line" << "end location:-30 44\npen color:1 2 3\npen width:4\nstart location:12.5 7\n"
                                       "type:line\nzvalue:2" << "";
    QTest::newRow("rect default") << "rect" << "type:rect" << rect.arg("255 255 255 0").arg(100).arg(100);
    QTest::newRow("rect") << "rect" << "fill color:10 20 30 40\nfill color gradient:0 0 1 0 0.25 1 1 1 0.75 200 100 50\n"
                                       "height:0.333333\nis gradient mode:true\npen color:9 8 7\npen width:0\n"
                                       "start location:5 6\ntype:rect\nwidth:70\nzvalue:4" << "";
    QTest::newRow("rect malformed") << "rect" << "type:rect\nstart location:1 2 3\npen color:9 9\nfill color:1 2 3 4 5\n"
                                                 "width:-40\nheight:nan\nfill color gradient:1 2 3"
                                    << rect.arg("255 255 255 0").arg(0).arg(0);
    QTest::newRow("rect capped, opaque fill") << "rect" << "type:rect\nfill color:1 2 3\nwidth:1e300\nheight:inf"
                                              << rect.arg("1 2 3 255").arg(0).arg("1e+08");
    QTest::newRow("image default") << "image" << "type:image"
        << "action:0\ndictionary key:\nheight:100\nimage source type:file\nkeep aspect ratio:0\npath:\nscale to fit:0\n"
           "scene state index:0\nscene state name:\nscene state type:index\nstart location:0 0\ntype:image\n"
           "url:\nwidth:100\nzvalue:0";
    QTest::newRow("image") << "image" << action + "dictionary key:Logo\nheight:40\nimage source type:scene state\n"
           "keep aspect ratio:1\npath:/nowhere/pic.png\nscale to fit:1\nscene state index:3\n"
           "scene state name:Exploded view\nscene state type:name\nstart location:1 2\ntype:image\n"
           "url:http://a.b/c?d=e:f\nwidth:30\nzvalue:0" << "";
    QTest::newRow("3d area default") << "3d area" << "type:3d area" << area.arg("Transparent");
    QTest::newRow("3d area") << "3d area" << "3d mode:Single Color\nfill color:4 5 6\nheight:150\npath:\n"
                                             "start location:50 60\ntype:3d area\nwidth:200\nzvalue:1" << "";
    QTest::newRow("3d area image") << "3d area" << area.arg("Image") << "";
    QTest::newRow("3d mode words are exact") << "3d area" << "type:3d area\n3d mode:image" << area.arg("Transparent");
    QTest::newRow("form text box") << "form_text_box" << "custom id:LastName\nheight:25\nstart location:3 4\n"
                                                         "type:form_text_box\nwidth:120\nzvalue:0" << "";
    QTest::newRow("form text box default") << "form_text_box" << "type:form_text_box"
        << "custom id:\nheight:30\nstart location:0 0\ntype:form_text_box\nwidth:100\nzvalue:0";
    QTest::newRow("screen without image mode") << "screen" << "type:screen"
        << "dictionary key:\ndpi:72\nfill color:255 255 255\nfill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\n"
           "height:700\nimage source type:file\nis gradient mode:false\nis image mode:true\npage size type:Custom\n"
           "path:\nscene state index:0\nscene state name:\nscene state type:index\nstart location:0 0\n"
           "type:screen\nwidth:500\nzvalue:0";
    QTest::newRow("screen") << "screen" << "dictionary key:Background\ndpi:300\nfill color:11 22 33\n"
           "fill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\nheight:842\nimage source type:dictionary\n"
           "is gradient mode:false\nis image mode:false\npage size type:A4\npath:\nscene state index:0\n"
           "scene state name:\nscene state type:index\nstart location:0 0\ntype:screen\nwidth:595\nzvalue:0" << "";
    QTest::newRow("label default") << "label" << "type:label"
        << "fill color:255 255 255 0\ntext:label !\ntext source type:text editor\ndictionary key:\nurl:";
    QTest::newRow("link") << "link" << action + "dictionary key:Name\nfill color:1 2 3 4\n"
           "html:<p>two</p><p>lines: @ here</p>\nstart location:40 50\ntext source type:text editor\n"
           "type:link\nurl:http://x.y\nzvalue:0" << "";
}

void TestItemRecords::appliedRecordWrittenBack()
{
    QFETCH(QString, type);
    QFETCH(QString, given);
    QFETCH(QString, expected);
    const bool label = CKorvexItemFactory::handlingKind(type) == QLatin1String("label");
    std::unique_ptr<QGraphicsItem> item(CKorvexItemFactory::createForRecord(type));
    const CKorvexDesignerProperty read = readBlock(QStringLiteral("item begin\n%1\nitem end").arg(given));
    CKorvexItemRecordApplier::apply(item.get(), read);
    const QString block = blockOf(item.get(), type);
    const QString wanted = expected.isEmpty() ? given : expected;
    if (label) {
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
    // Stacking values are written rounded.
    CKorvexDesignerRect rect;
    rect.setZValue(2.6);
    QCOMPARE(CKorvexItemRecordBuilder::build(&rect, typed(QStringLiteral("rect"))).value(P::ZValue), QVariant(3));

    // A field outside its enumeration is not written at all.
    CKorvexDesignerImage image;
    image.setImageSource(5);
    image.setSceneStateChoice(-1);
    const CKorvexDesignerProperty record = CKorvexItemRecordBuilder::build(&image, typed(QStringLiteral("image")));
    QVERIFY(!record.contains(P::ImageSourceType));
    QVERIFY(!record.contains(P::SceneStateType));
    CKorvexDesigner3DArea area;
    area.setMode(7);
    QVERIFY(!CKorvexItemRecordBuilder::build(&area, typed(QStringLiteral("3d area"))).contains(P::Mode3D));
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
    QCOMPARE(built.value(P::Url).toString(), QStringLiteral("kept"));
    QCOMPARE(built.value(P::CustomId).toString(), QStringLiteral("new"));
}

void TestItemRecords::pathFoundNextToTemplate()
{
    QTemporaryDir dir;
    const QString local = dir.filePath(QStringLiteral("pic.png"));
    QVERIFY(KorvexTestFiles::writePng(local, QSize(4, 4)));
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("C:\\Users\\me\\pic.png"), dir.path()), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("/old/place/pic.png/"), dir.path()), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("pic.png"), dir.path()), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(local, QStringLiteral("/elsewhere")), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("gone.png"), dir.path()), QStringLiteral("gone.png"));

    CKorvexDesignerImage image;
    CKorvexDesignerProperty record = typed(QStringLiteral("image"));
    record.setValue(P::Path, QStringLiteral("pic.png"));
    const CKorvexDesignerProperty applied = CKorvexItemRecordApplier::apply(&image, record, dir.path());
    QCOMPARE(image.path(), local);
    QVERIFY(image.hasFilePicture());
    QCOMPARE(applied.value(P::Path).toString(), local);
}

void TestItemRecords::htmlFolderFoundNextToTemplate()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("site")));
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(Korvex::kKorvexActionVersionCurrent);
    auto* url = new Korvex::CKorvexActionUrl(Korvex::fromQString(QStringLiteral("index.html")));
    url->SetLocalHtmlPath(Korvex::fromQString(QStringLiteral("/old/machine/site")));
    url->SetStartupHtmlFile(Korvex::fromQString(QStringLiteral("index.html")));
    CKorvexDesignerImage source;
    source.SetAction(Korvex::CKorvexAction(url));
    CKorvexDesignerProperty record = typed(QStringLiteral("image"));
    record.setValue(P::Action, source.ActionToString());
    auto* image = new CKorvexDesignerImage;
    scene.addItem(image);
    const CKorvexDesignerProperty applied = CKorvexItemRecordApplier::apply(image, record, dir.path());
    auto* read = image->GetAction().As<Korvex::CKorvexActionUrl>();
    QVERIFY(read);
    QCOMPARE(Korvex::toQString(read->LocalHtmlPath()), QDir(dir.path()).filePath(QStringLiteral("site")));
    QCOMPARE(applied.value(P::Action).toString(), image->ActionToString());
    QVERIFY(applied.value(P::Action) != record.value(P::Action));
}

void TestItemRecords::actionReadWithTemplateVersion()
{
    CKorvexDesignerImage image;
    QVERIFY(!image.ActionFromString(QStringLiteral("garbage")));
    QCOMPARE(image.ActionVersion(), Korvex::kKorvexActionVersionLegacy);
    CKorvexDesignerScene scene;
    scene.context().setTemplateReadVersion(11005u);
    CKorvexDesignerLabel writer;
    writer.SetAction(messageAction(QStringLiteral("T")));
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    QVERIFY(label->ActionFromString(writer.ActionToString()));
    QCOMPARE(label->ActionVersion(), 11005u);
    QVERIFY(label->GetAction() == writer.GetAction());
}

void TestItemRecords::labelRecordUsesStoredHtml()
{
    CKorvexDesignerLabel label;
    label.applyNewItemDefaults();
    CKorvexDesignerProperty record = CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text")));
    QCOMPARE(record.value(P::Text).toString(), QStringLiteral("Sample Text"));
    QCOMPARE(record.value(P::Html).toString(), label.html());
    QCOMPARE(record.value(P::Width).toDouble(), label.boundingRect().width());
    QCOMPARE(record.value(P::FontListText).toStringList(), QStringList{QStringLiteral("Arial Unicode MS")});
    QCOMPARE(label.font().pointSize(), 12);
    label.setStoredHtml(QStringLiteral("<b>Typed</b>"));
    label.setFromDictionary(true);
    record = CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text")));
    QCOMPARE(record.value(P::Html).toString(), QStringLiteral("<b>Typed</b>"));
    QCOMPARE(record.value(P::TextSourceType).toString(), QStringLiteral("dictionary"));
}

void TestItemRecords::factoryKinds()
{
    // Record and tool make the same class; names are exact.
    const QList<QPair<QString, int>> kinds{{"line", 65537}, {"rect", 65537}, {"image", 65539}, {"3d area", 65539},
                                           {"screen", 65540}, {"form_text_box", 65541}, {"label", 71851},
                                           {"text", 71851}, {"link", 71851}, {"circle", 0}, {"Rect", 0}};
    for (const auto& kind : kinds) {
        QCOMPARE(CKorvexItemFactory::isKnownType(kind.first), kind.second != 0);
        std::unique_ptr<QGraphicsItem> forRecord(CKorvexItemFactory::createForRecord(kind.first));
        std::unique_ptr<QGraphicsItem> forTool(CKorvexItemFactory::createForTool(kind.first));
        QCOMPARE(forRecord ? forRecord->type() : 0, kind.second);
        QCOMPARE(forTool ? forTool->type() : 0, kind.second);
    }
    std::unique_ptr<QGraphicsItem> image(CKorvexItemFactory::createForTool(QStringLiteral("image")));
    QVERIFY(static_cast<CKorvexDesignerImage*>(image.get())->isAspectLocked());
    std::unique_ptr<QGraphicsItem> text(CKorvexItemFactory::createForTool(QStringLiteral("text")));
    QCOMPARE(static_cast<CKorvexDesignerLabel*>(text.get())->text(), QStringLiteral("Sample Text"));
    std::unique_ptr<QGraphicsItem> link(CKorvexItemFactory::createForRecord(QStringLiteral("link")));
    QCOMPARE(static_cast<CKorvexDesignerLabel*>(link.get())->text(), QStringLiteral("label !"));
    QCOMPARE(CKorvexItemFactory::handlingKind(QStringLiteral("link")), QStringLiteral("label"));
    QCOMPARE(CKorvexItemFactory::handlingKind(QStringLiteral("rect")), QStringLiteral("rect"));
}

KORVEX_TEST_MAIN(TestItemRecords)
#include "tst_itemrecords.moc"
