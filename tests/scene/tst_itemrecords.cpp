#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "core/CKorvexActionMessageBox.h"
#include "core/CKorvexActionUrl.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexItemFactory.h"
#include "scene/CKorvexItemRecordApplier.h"
#include "scene/CKorvexItemRecordBuilder.h"
#include "scene/CKorvexPropertyKeys.h"
#include "scene/CKorvexResizeHandles.h"

#include <QDir>
#include <QGraphicsRectItem>
#include <QTemporaryDir>
#include <functional>
#include <memory>

namespace P = CKorvexPropertyKeys;

using ItemSetup = std::function<void(QGraphicsItem*)>;
Q_DECLARE_METATYPE(ItemSetup)

class TestItemRecords : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lineBlockAsWritten();
    void rectangleBlockAsWritten();
    void roundTripEveryKind_data();
    void roundTripEveryKind();
    void missingKeysTakeBuilderDefaults();
    void malformedValuesKeepDefaults();
    void screenWithoutImageModeKeyIsInImageMode();
    void enumerationOutsideItsRowIsNotWritten();
    void builtRecordKeepsStoredKeys();
    void itemOfNoRecordKindIsOnlyPlaced();
    void pathFoundNextToTemplate();
    void htmlFolderFoundNextToTemplate();
    void actionReadWithTemplateVersion();
    void labelRecordUsesStoredHtml();
    void factoryKinds_data();
    void factoryKinds();
    void factoryToolDefaults();

private:
    using Setup = ItemSetup;
    static CKorvexDesignerProperty typed(const QString& type);
    static CKorvexDesignerProperty readBlock(const QString& block);
    static QString blockOf(const QGraphicsItem* item, const QString& type);
    static Korvex::CKorvexAction messageAction(const QString& title);
};

void TestItemRecords::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext::setTemplateReadVersion(std::nullopt);
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

void TestItemRecords::lineBlockAsWritten()
{
    CKorvexDesignerLine line;
    QCOMPARE(blockOf(&line, QStringLiteral("line")),
             QStringLiteral("item begin\nend location:100 0\npen color:0 0 0\npen width:1\nstart location:0 0\n"
                            "type:line\nzvalue:0\nitem end"));
}

void TestItemRecords::rectangleBlockAsWritten()
{
    CKorvexDesignerRect rect;
    rect.setPos(10, 20.5);
    rect.setZValue(2.6);
    QCOMPARE(blockOf(&rect, QStringLiteral("rect")),
             QStringLiteral("item begin\nfill color:255 255 255 255\nfill color gradient:0 0 1 0 0 0 0 0 1 255 255 255\n"
                            "height:100\nis gradient mode:false\npen color:0 0 0\npen width:1\n"
                            "start location:10 20.5\ntype:rect\nwidth:100\nzvalue:3\nitem end"));
}

void TestItemRecords::roundTripEveryKind_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<Setup>("setup");
    QTest::newRow("line") << "line" << Setup([](QGraphicsItem* item) {
        auto* line = static_cast<CKorvexDesignerLine*>(item);
        line->setPos(12.5, 7);
        line->setEnd(-30, 44);
        line->setPen(QPen(QColor(1, 2, 3), 4));
    });
    QTest::newRow("rect") << "rect" << Setup([](QGraphicsItem* item) {
        auto* rect = static_cast<CKorvexDesignerRect*>(item);
        rect->setRect(5, 6, 70, 1.0 / 3.0);
        rect->setPen(QPen(QColor(9, 8, 7), 0));
        rect->setBrush(QColor(10, 20, 30, 40));
        QLinearGradient gradient;
        gradient.setColorAt(0.25, QColor(1, 1, 1));
        gradient.setColorAt(0.75, QColor(200, 100, 50));
        rect->setGradient(gradient);
        rect->setGradientMode(true);
        rect->setZValue(4);
    });
    QTest::newRow("image") << "image" << Setup([](QGraphicsItem* item) {
        auto* image = static_cast<CKorvexDesignerImage*>(item);
        image->setRect(1, 2, 30, 40);
        image->setUrl(QStringLiteral("http://a.b/c?d=e:f"));
        image->setPath(QStringLiteral("/nowhere/pic.png"));
        image->setImageSource(CKorvexDesignerImage::SourceSceneState);
        image->setSceneStateChoice(CKorvexDesignerImage::ByName);
        image->setSceneStateName(QStringLiteral("Exploded view"));
        image->setSceneStateIndex(3);
        image->setScaleToFit(true);
        image->setKeepAspectRatio(true);
        image->setDictionaryKey(QStringLiteral("Logo"));
        image->SetAction(messageAction(QStringLiteral("Hello")));
    });
    QTest::newRow("3d area") << "3d area" << Setup([](QGraphicsItem* item) {
        auto* area = static_cast<CKorvexDesigner3DArea*>(item);
        area->setRect(50, 60, 200, 150);
        area->setMode(CKorvexDesigner3DArea::SingleColor);
        area->setBrush(QColor(4, 5, 6));
    });
    QTest::newRow("form text box") << "form_text_box" << Setup([](QGraphicsItem* item) {
        auto* box = static_cast<CKorvexDesignerFormTextBox*>(item);
        box->setRect(3, 4, 120, 25);
        box->setCustomId(QStringLiteral("LastName"));
    });
    QTest::newRow("screen") << "screen" << Setup([](QGraphicsItem* item) {
        auto* screen = static_cast<CKorvexDesignerScreen*>(item);
        screen->setWidth(595);
        screen->setHeight(842);
        screen->setDpi(300);
        screen->setPageSizeType(QStringLiteral("A4"));
        screen->setBrush(QColor(11, 22, 33));
        screen->setImageMode(false);
        screen->setImageSource(CKorvexDesignerImage::SourceDictionary);
        screen->setDictionaryKey(QStringLiteral("Background"));
    });
    QTest::newRow("link") << "link" << Setup([](QGraphicsItem* item) {
        auto* label = static_cast<CKorvexDesignerLabel*>(item);
        label->setPos(40, 50);
        label->setStoredHtml(QStringLiteral("<p>two</p><p>lines: @ here</p>"));
        label->setBackground(QColor(1, 2, 3, 4));
        label->setUrl(QStringLiteral("http://x.y"));
        label->setDictionaryKey(QStringLiteral("Name"));
        label->SetAction(messageAction(QStringLiteral("Label")));
    });
}

void TestItemRecords::roundTripEveryKind()
{
    QFETCH(QString, type);
    QFETCH(Setup, setup);
    std::unique_ptr<QGraphicsItem> original(CKorvexItemFactory::createForRecord(type));
    QVERIFY(original);
    setup(original.get());
    const QString block = blockOf(original.get(), type);
    std::unique_ptr<QGraphicsItem> copy(CKorvexItemFactory::createForRecord(type));
    const CKorvexDesignerProperty read = readBlock(block);
    CKorvexItemRecordApplier::apply(copy.get(), read);
    QCOMPARE(blockOf(copy.get(), type), block);
    QVERIFY(CKorvexItemRecordBuilder::build(copy.get(), typed(type)).matches(read));
}

void TestItemRecords::missingKeysTakeBuilderDefaults()
{
    CKorvexDesignerRect rect;
    rect.setPos(30, 30);
    rect.setZValue(5);
    CKorvexItemRecordApplier::apply(&rect, typed(QStringLiteral("rect")));
    QCOMPARE(rect.pos(), QPointF(0, 0));
    QCOMPARE(rect.zValue(), 0.0);
    QCOMPARE(rect.brush().color(), QColor(255, 255, 255, 0));
    QCOMPARE(rect.pen(), QPen(QColor(0, 0, 0), 1));
    QCOMPARE(QSizeF(rect.width(), rect.height()), QSizeF(100, 100));
    QVERIFY(!rect.isGradientMode());

    CKorvexDesignerImage image;
    CKorvexItemRecordApplier::apply(&image, typed(QStringLiteral("image")));
    QCOMPARE(image.imageSource(), int(CKorvexDesignerImage::SourceFile));
    QCOMPARE(image.sceneStateChoice(), int(CKorvexDesignerImage::ByIndex));
    QVERIFY(!image.scaleToFit());
    QVERIFY(!image.keepAspectRatio());

    CKorvexDesigner3DArea area;
    area.setMode(CKorvexDesigner3DArea::ImageMode);
    CKorvexItemRecordApplier::apply(&area, typed(QStringLiteral("3d area")));
    QCOMPARE(area.mode(), int(CKorvexDesigner3DArea::Transparent));

    CKorvexDesignerLabel label;
    CKorvexItemRecordApplier::apply(&label, typed(QStringLiteral("label")));
    QCOMPARE(label.textSource(), int(CKorvexDesignerText::SourceTextEditor));
    QCOMPARE(label.text(), QStringLiteral("label !"));
    QCOMPARE(label.background().color(), QColor(255, 255, 255, 0));
}

void TestItemRecords::malformedValuesKeepDefaults()
{
    CKorvexDesignerRect rect;
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("type:rect\nstart location:1 2 3\npen color:9 9\nfill color:1 2 3 4 5\n"
                                        "width:-40\nheight:nan"));
    CKorvexItemRecordApplier::apply(&rect, record);
    QCOMPARE(rect.pos(), QPointF(0, 0));
    QCOMPARE(rect.pen().color(), QColor(0, 0, 0));
    QCOMPARE(rect.brush().color(), QColor(255, 255, 255, 0));
    QCOMPARE(QSizeF(rect.width(), rect.height()), QSizeF(0, 0));

    CKorvexDesignerProperty opaque;
    opaque.fromItemBlock(QStringLiteral("type:rect\nfill color:1 2 3\nwidth:1e300"));
    CKorvexItemRecordApplier::apply(&rect, opaque);
    QCOMPARE(rect.brush().color(), QColor(1, 2, 3));
    QCOMPARE(rect.width(), 100000000.0);
}

void TestItemRecords::screenWithoutImageModeKeyIsInImageMode()
{
    CKorvexDesignerScreen screen;
    CKorvexItemRecordApplier::apply(&screen, typed(QStringLiteral("screen")));
    QVERIFY(screen.isImageMode());
    QCOMPARE(screen.dpi(), 72);
    QCOMPARE(screen.pageSizeType(), QStringLiteral("Custom"));
    QCOMPARE(screen.sceneStateChoice(), int(CKorvexDesignerImage::ByIndex));
    CKorvexDesignerProperty record;
    record.fromItemBlock(QStringLiteral("type:screen\nis image mode:false\ndpi:150"));
    CKorvexItemRecordApplier::apply(&screen, record);
    QVERIFY(!screen.isImageMode());
    QCOMPARE(screen.dpi(), 150);
}

void TestItemRecords::enumerationOutsideItsRowIsNotWritten()
{
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
}

void TestItemRecords::builtRecordKeepsStoredKeys()
{
    CKorvexDesignerFormTextBox box;
    CKorvexDesignerProperty stored = typed(QStringLiteral("form_text_box"));
    stored.setValue(P::Url, QStringLiteral("kept"));
    stored.setValue(P::CustomId, QStringLiteral("old"));
    box.setCustomId(QStringLiteral("new"));
    const CKorvexDesignerProperty built = CKorvexItemRecordBuilder::build(&box, stored);
    QCOMPARE(built.value(P::Url).toString(), QStringLiteral("kept"));
    QCOMPARE(built.value(P::CustomId).toString(), QStringLiteral("new"));
    QCOMPARE(built.value(P::Type).toString(), QStringLiteral("form_text_box"));
    QCOMPARE(built.value(P::ZValue), QVariant(0));
}

void TestItemRecords::itemOfNoRecordKindIsOnlyPlaced()
{
    CKorvexDesignerText text;
    QGraphicsRectItem foreign(0, 0, 20, 20);
    for (QGraphicsItem* item : {static_cast<QGraphicsItem*>(&text), static_cast<QGraphicsItem*>(&foreign)}) {
        item->setPos(7, 9);
        const CKorvexDesignerProperty stored = typed(QStringLiteral("rect"));
        QCOMPARE(CKorvexItemRecordApplier::apply(item, stored).keys(), stored.keys());
        QCOMPARE(item->pos(), QPointF(7, 9));
        QStringList keys = CKorvexItemRecordBuilder::build(item, stored).keys();
        keys.sort();
        QCOMPARE(keys, (QStringList{P::StartLocation, P::Type, P::ZValue}));
    }
}

void TestItemRecords::pathFoundNextToTemplate()
{
    QTemporaryDir dir;
    QImage picture(4, 4, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    const QString local = dir.filePath(QStringLiteral("pic.png"));
    QVERIFY(picture.save(local));
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("C:\\Users\\me\\pic.png"), dir.path()), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("pic.png"), dir.path()), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(local, QStringLiteral("/elsewhere")), local);
    QCOMPARE(CKorvexItemRecordApplier::resolvePath(QStringLiteral("gone.png"), dir.path()), QStringLiteral("gone.png"));

    CKorvexDesignerImage image;
    CKorvexDesignerProperty record = typed(QStringLiteral("image"));
    record.setValue(P::Path, QStringLiteral("pic.png"));
    const CKorvexDesignerProperty applied = CKorvexItemRecordApplier::apply(&image, record, dir.path());
    QCOMPARE(image.path(), local);
    QVERIFY(image.hasPicture());
    QCOMPARE(applied.value(P::Path).toString(), local);
}

void TestItemRecords::htmlFolderFoundNextToTemplate()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("site")));
    CKorvexDesignerContext::setTemplateReadVersion(Korvex::kKorvexActionVersionCurrent);
    auto* url = new Korvex::CKorvexActionUrl(Korvex::fromQString(QStringLiteral("index.html")));
    url->SetLocalHtmlPath(Korvex::fromQString(QStringLiteral("/old/machine/site")));
    url->SetStartupHtmlFile(Korvex::fromQString(QStringLiteral("index.html")));
    CKorvexDesignerImage source;
    source.SetAction(Korvex::CKorvexAction(url));
    CKorvexDesignerProperty record = typed(QStringLiteral("image"));
    record.setValue(P::Action, source.ActionToString());
    CKorvexDesignerImage image;
    const CKorvexDesignerProperty applied = CKorvexItemRecordApplier::apply(&image, record, dir.path());
    auto* read = image.GetAction().As<Korvex::CKorvexActionUrl>();
    QVERIFY(read);
    QCOMPARE(Korvex::toQString(read->LocalHtmlPath()), QDir(dir.path()).filePath(QStringLiteral("site")));
    QCOMPARE(applied.value(P::Action).toString(), image.ActionToString());
    QVERIFY(applied.value(P::Action) != record.value(P::Action));
}

void TestItemRecords::actionReadWithTemplateVersion()
{
    CKorvexDesignerImage image;
    QVERIFY(!image.ActionFromString(QStringLiteral("garbage")));
    QCOMPARE(image.ActionVersion(), Korvex::kKorvexActionVersionLegacy);
    CKorvexDesignerContext::setTemplateReadVersion(11005u);
    CKorvexDesignerLabel writer;
    writer.SetAction(messageAction(QStringLiteral("T")));
    CKorvexDesignerLabel label;
    QVERIFY(label.ActionFromString(writer.ActionToString()));
    QCOMPARE(label.ActionVersion(), 11005u);
    QVERIFY(label.GetAction() == writer.GetAction());
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
    QCOMPARE(record.value(P::FillColor).toStringList(), (QStringList{"255", "255", "255", "0"}));
    label.setStoredHtml(QStringLiteral("<b>Typed</b>"));
    label.setTextSource(CKorvexDesignerText::SourceDictionary);
    record = CKorvexItemRecordBuilder::build(&label, typed(QStringLiteral("text")));
    QCOMPARE(record.value(P::Html).toString(), QStringLiteral("<b>Typed</b>"));
    QCOMPARE(record.value(P::TextSourceType).toString(), QStringLiteral("dictionary"));
}

void TestItemRecords::factoryKinds_data()
{
    QTest::addColumn<QString>("type");
    QTest::addColumn<int>("typeNumber");
    QTest::newRow("line") << "line" << 65537;
    QTest::newRow("rect") << "rect" << 65537;
    QTest::newRow("image") << "image" << 65539;
    QTest::newRow("3d area") << "3d area" << 65539;
    QTest::newRow("screen") << "screen" << 65540;
    QTest::newRow("form text box") << "form_text_box" << 65541;
    QTest::newRow("label") << "label" << 71851;
    QTest::newRow("text") << "text" << 71851;
    QTest::newRow("link") << "link" << 71851;
    QTest::newRow("unknown") << "circle" << 0;
    QTest::newRow("capitals") << "Rect" << 0;
}

void TestItemRecords::factoryKinds()
{
    QFETCH(QString, type);
    QFETCH(int, typeNumber);
    QCOMPARE(CKorvexItemFactory::isKnownType(type), typeNumber != 0);
    std::unique_ptr<QGraphicsItem> forRecord(CKorvexItemFactory::createForRecord(type));
    std::unique_ptr<QGraphicsItem> forTool(CKorvexItemFactory::createForTool(type));
    QCOMPARE(forRecord ? forRecord->type() : 0, typeNumber);
    QCOMPARE(forTool ? forTool->type() : 0, typeNumber);
}

void TestItemRecords::factoryToolDefaults()
{
    std::unique_ptr<QGraphicsItem> image(CKorvexItemFactory::createForTool(QStringLiteral("image")));
    // A tool image keeps its aspect on a corner drag.
    auto* tool = static_cast<CKorvexDesignerImage*>(image.get());
    tool->setRect(0, 0, 200, 100);
    tool->beginResize();
    tool->moveHandle(CKorvexResizeHandles::BottomRight, QPointF(100, 300));
    QCOMPARE(tool->sceneRect(), QRectF(0, 0, 100, 50));
    std::unique_ptr<QGraphicsItem> text(CKorvexItemFactory::createForTool(QStringLiteral("text")));
    QCOMPARE(static_cast<CKorvexDesignerLabel*>(text.get())->text(), QStringLiteral("Sample Text"));
    std::unique_ptr<QGraphicsItem> link(CKorvexItemFactory::createForRecord(QStringLiteral("link")));
    QCOMPARE(static_cast<CKorvexDesignerLabel*>(link.get())->text(), QStringLiteral("label !"));
    QCOMPARE(CKorvexItemFactory::handlingKind(QStringLiteral("link")), QStringLiteral("label"));
    QCOMPARE(CKorvexItemFactory::handlingKind(QStringLiteral("rect")), QStringLiteral("rect"));
}

KORVEX_TEST_MAIN(TestItemRecords)
#include "tst_itemrecords.moc"
