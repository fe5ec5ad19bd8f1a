#include "KorvexSceneBench.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestPage.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDeletableItem.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"

#include <QFocusEvent>
#include <QGraphicsScene>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QStyleOptionGraphicsItem>
#include <cmath>

namespace {
QImage renderItem(QGraphicsItem& item, const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    QStyleOptionGraphicsItem option;
    item.paint(&painter, &option, nullptr);
    return image;
}
} // namespace

/// Each kind of page item: geometry, hits, painting, texts and pictures.
class TestItemKinds : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void pixels_data();
    void pixels();
    void rectResize_data();
    void rectResize();
    void hits_data();
    void hits();
    void lineEnds();
    void labelStoredHtml();
    void labelDictionaryText_data();
    void labelDictionaryText();
    void fontFamiliesInDocumentOrder();
    void labelSignals();
    void sceneReachesBeyondThePage();
private:
    QString picture(const QString& name, const QSize& size, const QColor& color);
    static QGraphicsItem* addFromRecord(CKorvexDesignerScene& scene, const QString& record);
    QTemporaryDir m_dir;
};

void TestItemKinds::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDictionary::LoadDictionary();
}

QString TestItemKinds::picture(const QString& name, const QSize& size, const QColor& color)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writePng(path, size, color) ? path : QString();
}

QGraphicsItem* TestItemKinds::addFromRecord(CKorvexDesignerScene& scene, const QString& record)
{
    return KorvexTestPage::add(scene, record.split(QLatin1Char('\n')));
}

void TestItemKinds::pixels_data()
{
    // Each item is built from its record and painted alone. States: selected, a 3D preview shown or hidden,
    // the page grid at a step (off: snapping off).
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QRect>("where");
    QTest::addColumn<QColor>("expected");
    const auto at = [](int x, int y) { return QRect(x, y, 1, 1); };
    const QRect captionRow(60, 50, 80, 1); // some pixel of the row
    const QColor white(255, 255, 255), black(Qt::black), blue(Qt::blue), clear(Qt::transparent);
    const QColor areaGrey(210, 210, 210, 180), grey(127, 127, 127);
    QImage logo(200, 100, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    QPainter(&logo).drawImage(logo.rect(), QImage(CKorvexDesignerImage::logoPath()));
    const QColor under = logo.pixelColor(100, 39);
    const auto boxed = [](int c) { return (200 * 255 + 55 * c) / 255; };
    const QColor captionBox(boxed(under.red()), boxed(under.green()), boxed(under.blue()));
    const QString junk = m_dir.filePath(QStringLiteral("junk.png"));
    KorvexTestFiles::writeFile(junk, "not a picture");
    const QString image = "type:image\nwidth:200\nheight:100\n";
    const QString file = image + "path:" + picture(QStringLiteral("red.png"), QSize(7, 5), Qt::red);
    const QString dictionary = image + "image source type:dictionary\ndictionary key:";
    const QString fitted = dictionary + "LOGO\nkeep aspect ratio:1";
    const QString area = "type:3d area\nwidth:200\nheight:100\nfill color:0 128 0\n3d mode:";
    const QString page = "type:screen\nwidth:60\nheight:40\nfill color:255 255 255\npath:"
                         + picture(QStringLiteral("green.png"), QSize(3, 3), Qt::green) + "\nis image mode:";
    const QString rect = "type:rect\nwidth:100\nheight:40\npen color:0 0 0\nfill color:255 255 255\n";
    const QString label = "type:label\ntext:   \nfill color:0 255 0";
    const QString vertical = "is gradient mode:true\nfill color gradient:0 0 0 1 0 255 0 0 1 0 0 255";
    QTest::newRow("new image: logo") << image << "" << at(100, 50) << logo.pixelColor(100, 50);
    QTest::newRow("unreadable file: logo") << image + "path:" + junk << "" << at(100, 50) << logo.pixelColor(100, 50);
    QTest::newRow("no dictionary picture: outlined") << dictionary << "" << at(100, 0) << black;
    QTest::newRow("file fills the item") << file << "" << at(199, 99) << QColor(Qt::red);
    QTest::newRow("selected picture tinted") << file << "selected" << at(100, 50) << QColor(245, 0, 10);
    QTest::newRow("dictionary picture stretched") << dictionary + "LOGO" << "" << at(1, 99) << blue;
    QTest::newRow("dictionary picture fitted") << fitted << "" << at(100, 50) << blue;
    QTest::newRow("dictionary picture centred") << fitted << "" << at(74, 50) << clear;
    // A fitted copy is made again when what it was fitted to changes.
    QTest::newRow("aspect kept after fitting") << dictionary + "LOGO" << "keep aspect" << at(74, 50) << clear;
    QTest::newRow("fitted again when lower") << fitted << "height 50" << at(80, 25) << clear;
    QTest::newRow("area transparent") << area + "Transparent" << "" << at(2, 2) << areaGrey;
    QTest::newRow("area single colour") << area + "Single Color" << "" << at(2, 2) << QColor(0, 128, 0);
    QTest::newRow("area caption") << area + "Transparent" << "" << captionRow << black;
    QTest::newRow("area image mode: caption box") << area + "Image" << "" << at(100, 39) << captionBox;
    QTest::newRow("area image mode: caption") << area + "Image" << "" << captionRow << black;
    QTest::newRow("preview fitted") << area + "Transparent" << "preview" << at(76, 50) << blue;
    QTest::newRow("preview centred") << area + "Transparent" << "preview" << at(74, 50) << clear;
    QTest::newRow("preview hidden") << area + "Transparent" << "preview hidden" << at(74, 50) << areaGrey;
    QTest::newRow("grid horizontal") << page + "false" << "grid 2" << at(4, 5) << QColor(255, 155, 155);
    QTest::newRow("grid vertical") << page + "false" << "grid 2" << at(5, 4) << QColor(155, 155, 255);
    QTest::newRow("no grid at step 1") << page + "false" << "grid 1" << at(2, 3) << white;
    QTest::newRow("no grid without snapping") << page + "false" << "grid 10 off" << at(20, 21) << white;
    QTest::newRow("hidden grid, page picture off") << page + "false" << "" << at(30, 20) << white;
    QTest::newRow("page picture stretched") << page + "true" << "" << at(30, 20) << QColor(Qt::green);
    QTest::newRow("pen 4 on height 6 as 3") << rect + "height:6\npen width:4" << "" << at(50, 2) << grey;
    QTest::newRow("no pen, no outline") << rect + "pen width:0" << "" << at(0, 0) << white;
    QTest::newRow("gradient runs across") << rect + vertical
                                          << "" << at(50, 25) << QColor(127, 0, 128);
    QTest::newRow("rect tinted") << rect << "selected" << at(50, 20) << QColor(245, 245, 255);
    QTest::newRow("line of no length: dot") << "type:line\nend location:0 0\npen width:4" << "" << at(0, 0) << black;
    QTest::newRow("label background") << label << "" << at(1, 1) << QColor(0, 255, 0);
    QTest::newRow("selected label tinted") << label << "selected" << at(1, 1) << QColor(0, 245, 10);
}

void TestItemKinds::pixels()
{
    QFETCH(QString, record);
    QFETCH(QString, state);
    QFETCH(QRect, where);
    QFETCH(QColor, expected);
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Logo"), picture("tall.png", QSize(100, 200), Qt::blue));
    const int step = state.section(' ', 1, 1).toInt();
    setGrid(!state.endsWith(QLatin1String("off")), step);
    CKorvexProductInfo::openSettings()->setValue(QStringLiteral("Designer/isGridShown"), step > 0);
    CKorvexDesignerScene scene;
    QImage preview(50, 100, QImage::Format_ARGB32);
    preview.fill(Qt::blue);
    if (state.startsWith(QLatin1String("preview")))
        scene.context().setPreview3DImage(preview);
    scene.context().setPreview3DShown(state != QLatin1String("preview hidden"));
    QGraphicsItem* item = addFromRecord(scene, record);
    if (auto* image = dynamic_cast<CKorvexDesignerImage*>(item); image && state == QLatin1String("keep aspect")) {
        image->setKeepAspectRatio(true);
    } else if (image && state == QLatin1String("height 50")) {
        image->setHeight(50);
        image->endResize();
    }
    scene.deselectAll();
    scene.selectItem(item, state == QLatin1String("selected"));
    const QImage image = renderItem(*item, QSize(200, 100));
    bool found = false;
    for (int x = where.left(); x <= where.right(); ++x) {
        const QColor c = image.pixelColor(x, where.top());
        found = found || (qAbs(c.red() - expected.red()) <= 6 && qAbs(c.green() - expected.green()) <= 6
                          && qAbs(c.blue() - expected.blue()) <= 6 && qAbs(c.alpha() - expected.alpha()) <= 6);
    }
    QVERIFY2(found, qPrintable(image.pixelColor(where.topLeft()).name(QColor::HexArgb)));
}

void TestItemKinds::rectResize_data()
{
    QTest::addColumn<int>("grid"); // 0: snapping off
    QTest::addColumn<QRectF>("start");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QRectF>("expected");
    const QRectF square(100, 100, 100, 100);
    QTest::newRow("0") << 0 << square << false << 0 << QPointF(80, 70) << QRectF(80, 70, 120, 130);
    QTest::newRow("1") << 0 << square << false << 1 << QPointF(80, 70) << QRectF(100, 70, 100, 130);
    QTest::newRow("2") << 0 << square << false << 2 << QPointF(250, 70) << QRectF(100, 70, 150, 130);
    QTest::newRow("3") << 0 << square << false << 3 << QPointF(80, 70) << QRectF(80, 100, 120, 100);
    QTest::newRow("4") << 0 << square << false << 4 << QPointF(250, 70) << QRectF(100, 100, 150, 100);
    QTest::newRow("5") << 0 << square << false << 5 << QPointF(80, 240) << QRectF(80, 100, 120, 140);
    QTest::newRow("6") << 0 << square << false << 6 << QPointF(80, 240) << QRectF(100, 100, 100, 140);
    QTest::newRow("7") << 0 << square << false << 7 << QPointF(250, 240) << QRectF(100, 100, 150, 140);
    QTest::newRow("0 down to one unit") << 0 << square << false << 0 << QPointF(199, 199) << QRectF(199, 199, 1, 1);
    QTest::newRow("0 never inverts") << 0 << square << false << 0 << QPointF(250, 150) << square;
    QTest::newRow("7 stops at grid 10") << 10 << square << false << 7 << QPointF(105, 50) << QRectF(100, 100, 10, 10);
    // Heights follow the width at the start's 1:2.
    const QRectF wide(100, 100, 200, 100);
    QTest::newRow("locked 0 keeps bottom") << 0 << wide << true << 0 << QPointF(0, 50) << QRectF(0, 50, 300, 150);
    QTest::newRow("locked 2 keeps bottom") << 0 << wide << true << 2 << QPointF(200, 180) << QRectF(100, 150, 100, 50);
    QTest::newRow("locked 5 keeps top") << 0 << wide << true << 5 << QPointF(200, 300) << QRectF(200, 100, 100, 50);
    QTest::newRow("locked 7 keeps top") << 0 << wide << true << 7 << QPointF(500, 110) << QRectF(100, 100, 400, 200);
    QTest::newRow("locked edge 4 free") << 0 << wide << true << 4 << QPointF(400, 0) << QRectF(100, 100, 300, 100);
}

void TestItemKinds::rectResize()
{
    QFETCH(int, grid);
    QFETCH(QRectF, start);
    QFETCH(bool, locked);
    QFETCH(int, handle);
    QFETCH(QPointF, point);
    QFETCH(QRectF, expected);
    setGrid(grid > 0, grid);
    CKorvexDesignerScene scene;
    auto* rect = new CKorvexDesignerRect;
    scene.addItem(rect);
    rect->setRect(start);
    rect->setAspectLocked(locked);
    // Handles move nothing outside a resize.
    rect->moveHandle(handle, point);
    QCOMPARE(rect->sceneRect(), start);
    rect->beginResize();
    rect->moveHandle(handle, point);
    rect->endResize();
    QCOMPARE(rect->sceneRect(), expected);
}

void TestItemKinds::hits_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QPointF>("probe");
    QTest::addColumn<bool>("hit");
    const QString thin = "type:rect\nwidth:100\nheight:3";
    const QString line = "type:line\nend location:";
    QTest::newRow("rect") << thin << QPointF(50, 1) << true;
    QTest::newRow("thin rect keeps a band") << thin << QPointF(50, 8) << true;
    QTest::newRow("thin rect band ends") << thin << QPointF(50, 11) << false;
    QTest::newRow("zero-length line") << line + "0 0" << QPointF(8, -8) << true;
    QTest::newRow("horizontal line") << line + "100 0" << QPointF(50, 10) << true;
    QTest::newRow("vertical line") << line + "0 -100" << QPointF(-10, -50) << true;
    QTest::newRow("nearly horizontal line") << line + "100 1e-13" << QPointF(50, -10) << true;
    QTest::newRow("line with a wide pen") << line + "100 0\npen width:30" << QPointF(50, 14) << true;
    QTest::newRow("far from a line") << line + "100 0" << QPointF(60, 60) << false;
    QTest::newRow("label") << "type:label" << QPointF(2, 2) << true;
    QTest::newRow("left of a label") << "type:label" << QPointF(-2, 2) << false;
}

void TestItemKinds::hits()
{
    QFETCH(QString, record);
    QFETCH(QPointF, probe);
    QFETCH(bool, hit);
    CKorvexDesignerScene scene;
    QGraphicsItem* item = addFromRecord(scene, record);
    QCOMPARE(item->shape().contains(probe), hit);
    // Deleted items are hit nowhere.
    dynamic_cast<CKorvexDeletableItem*>(item)->setDeleted(true);
    QVERIFY(!item->contains(probe) && !scene.items(probe).contains(item));
}

void TestItemKinds::lineEnds()
{
    CKorvexDesignerLine line;
    line.setPos(10, 20);
    QCOMPARE(line.end(), QPointF(110, 20));
    line.setEnd(40, 60);
    QCOMPARE(QSizeF(line.width(), line.height()), QSizeF(30, 40));
    line.moveHandle(0, QPointF(0, 0));
    line.moveHandle(3, QPointF(99, 99));
    QCOMPARE(QLineF(line.pos(), line.end()), QLineF(0, 0, 40, 60));
    line.moveHandle(7, QPointF(-5, 5));
    QCOMPARE(QLineF(line.pos(), line.end()), QLineF(0, 0, -5, 5));
}

void TestItemKinds::labelStoredHtml()
{
    const QString html = QStringLiteral("<p>short</p><p>a much <b>longer</b> line</p>");
    CKorvexDesignerLabel label;
    label.setStoredHtml(html);
    QCOMPARE(label.text(), QStringLiteral("short\na much longer line"));
    QCOMPARE(label.document()->lineCount(), 2);
    QCOMPARE(label.boundingRect().width(), std::ceil(label.document()->idealWidth()));
    // The same html again leaves typed text alone; other html replaces it.
    label.setPlainText(QStringLiteral("typed over"));
    label.setStoredHtml(html);
    QCOMPARE(label.text(), QStringLiteral("typed over"));
    label.setStoredHtml(QStringLiteral("<b>two</b>"));
    QCOMPARE(label.text(), QStringLiteral("two"));
}

void TestItemKinds::labelDictionaryText_data()
{
    QTest::addColumn<bool>("fromDictionary");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("shown");
    QTest::newRow("key in any case") << true << "NAME" << "Alice Example";
    QTest::newRow("unknown key") << true << "Nobody" << "Default name";
    QTest::newRow("typed label") << false << "Name" << "Default name";
}

void TestItemKinds::labelDictionaryText()
{
    QFETCH(bool, fromDictionary);
    QFETCH(QString, key);
    QFETCH(QString, shown);
    const QString stored = QStringLiteral(
        "<p><span style=\"font-family:'Courier'; font-size:20pt; font-weight:600;\">Default name</span></p>");
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Name"), QStringLiteral("Alice Example"));
    CKorvexDesignerLabel label;
    label.setTextSource(fromDictionary ? CKorvexDesignerText::SourceDictionary : CKorvexDesignerText::SourceTextEditor);
    label.setStoredHtml(stored);
    // Until refreshed a dictionary label keeps its html unseen.
    QCOMPARE(label.text(), fromDictionary ? QStringLiteral("label !") : QStringLiteral("Default name"));
    label.setDictionaryKey(key);
    label.refreshFromDictionary();
    QVERIFY(label.text() == shown && label.storedHtml() == stored);
    // Shown in the stored html's format.
    QTextCursor cursor(label.document());
    cursor.movePosition(QTextCursor::End);
    QCOMPARE(cursor.charFormat().fontPointSize(), 20.0);
    QCOMPARE(cursor.charFormat().fontWeight(), 600 / 8);
    QCOMPARE(label.fontList(), QStringList{QStringLiteral("Courier")});
    QCOMPARE(label.textWidth(), std::ceil(label.document()->idealWidth()));
}

void TestItemKinds::fontFamiliesInDocumentOrder()
{
    QTextDocument document;
    document.setDefaultFont(QFont(QStringLiteral("Fallback Family")));
    document.setHtml(QStringLiteral("<span style=\"font-family:'A'\">x</span><span style=\"font-family:'B'\">y</span>"
                                    "z<span style=\"font-family:'A'\">w</span>"));
    QCOMPARE(CKorvexDesignerText::usedFontFamilies(&document), (QStringList{"A", "B", "Fallback Family", "A"}));
    QCOMPARE(CKorvexDesignerText::usedFontFamilies(nullptr), QStringList());
}

void TestItemKinds::labelSignals()
{
    QGraphicsScene scene;
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    QSignalSpy selected(label, &CKorvexDesignerText::selectedChange);
    label->setSelected(true);
    label->setSelected(false);
    QCOMPARE(selected.size(), 2);
    // Leaving the label ends its editing.
    label->setTextInteractionFlags(Qt::TextEditorInteraction);
    QFocusEvent focusOut(QEvent::FocusOut);
    scene.sendEvent(label, &focusOut);
    QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);
}

void TestItemKinds::sceneReachesBeyondThePage()
{
    QGraphicsScene scene;
    auto* page = new CKorvexDesignerScreen;
    scene.addItem(page);
    page->setWidth(100);
    page->setHeight(200);
    QCOMPARE(scene.sceneRect(), QRectF(-30, -30, 160, 260));
    // The background picture is painted by the page, never an item of its own.
    QVERIFY(!page->backgroundImage()->scene());
}

KORVEX_TEST_MAIN(TestItemKinds)
#include "tst_itemkinds.moc"
