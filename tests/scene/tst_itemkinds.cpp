#include "KorvexItemRendering.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerLabel.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerScene.h"
#include "scene/CKorvexDesignerScreen.h"
#include "services/CKorvexProductInfo.h"

#include <QFocusEvent>
#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <cmath>

/// Each kind of page item: geometry, hits, painting, texts and pictures.
class TestItemKinds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void rectResize_data();
    void rectResize();
    void rectResizeOnlyWhileResizing();
    void rectHitArea();
    void lineEnds();
    void lineStaysSelectableWhenDegenerate_data();
    void lineStaysSelectableWhenDegenerate();
    void rectAndLinePainting();
    void labelStoredHtml();
    void labelDictionaryText();
    void fontFamiliesInDocumentOrder();
    void labelSignalsAndHits();
    void labelBackgroundBehindText();
    void imageShowsItsPictureOrTheLogo();
    void dictionaryPictureFitted_data();
    void dictionaryPictureFitted();
    void areaModes_data();
    void areaModes();
    void areaShowsSharedPreview();
    void selectionTints();
    void screenGridSetting();
    void screenGrid_data();
    void screenGrid();
    void screenBackgroundAndSize();

private:
    static void setGrid(bool snapping, int step);
    static QImage logoAt(const QSize& size);
    QString picture(const QString& name, const QSize& size, const QColor& color);

    QTemporaryDir m_dir;
};

void TestItemKinds::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDictionary::LoadDictionary();
}

void TestItemKinds::setGrid(bool snapping, int step)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), snapping);
    settings->setValue(QStringLiteral("Designer/GridSize"), step);
}

QImage TestItemKinds::logoAt(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(QRectF(QPointF(), size), QImage(CKorvexDesignerImage::logoPath()));
    return image;
}

QString TestItemKinds::picture(const QString& name, const QSize& size, const QColor& color)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writePng(path, size, color) ? path : QString();
}

void TestItemKinds::imageShowsItsPictureOrTheLogo()
{
    CKorvexDesignerImage image;
    QCOMPARE(QSizeF(image.aspectWidth(), image.aspectHeight()), QSizeF(image.fallbackPicture().size()));
    QVERIFY(!image.hasPicture());
    const QImage logo = logoAt(QSize(100, 100));
    QCOMPARE(renderItem(image, QSize(100, 100)), logo);

    const QString junk = m_dir.filePath(QStringLiteral("junk.png"));
    QVERIFY(KorvexTestFiles::writeFile(junk, "not a picture"));
    image.setPath(junk);
    QCOMPARE(image.path(), junk);
    QVERIFY(!image.hasFilePicture());
    QCOMPARE(renderItem(image, QSize(100, 100)), logo);
    image.setPath(m_dir.filePath(QStringLiteral("missing.png")));
    QCOMPARE(renderItem(image, QSize(100, 100)), logo);

    // From the dictionary or a scene state, the missing picture is outlined.
    image.setImageSource(CKorvexDesignerImage::SourceDictionary);
    image.setDictionaryKey(QStringLiteral("no such key"));
    const QImage drawn = renderItem(image, QSize(100, 100));
    QCOMPARE(drawn.pixelColor(50, 0), QColor(0, 0, 0));
    QCOMPARE(drawn.pixelColor(0, 50), QColor(0, 0, 0));
    QCOMPARE(drawn.pixelColor(50, 50), logo.pixelColor(50, 50));
    image.setImageSource(CKorvexDesignerImage::SourceSceneState);
    QCOMPARE(renderItem(image, QSize(100, 100)).pixelColor(50, 0), QColor(0, 0, 0));

    // A picture file fills the item.
    image.setImageSource(CKorvexDesignerImage::SourceFile);
    image.setRect(0, 0, 40, 30);
    image.setPath(picture(QStringLiteral("red.png"), QSize(7, 5), Qt::red));
    QVERIFY(image.hasFilePicture());
    QVERIFY(image.hasPicture());
    const QImage filled = renderItem(image, QSize(50, 40));
    QCOMPARE(filled.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(filled.pixelColor(39, 29), QColor(Qt::red));
    QCOMPARE(filled.pixelColor(45, 35).alpha(), 0);
    image.setSelected(true);
    QVERIFY(isNear(renderItem(image, QSize(50, 40)).pixelColor(20, 15), QColor(245, 0, 10)));
}

void TestItemKinds::dictionaryPictureFitted_data()
{
    QTest::addColumn<QSize>("pictureSize");
    QTest::addColumn<bool>("keepAspect");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("wide kept") << QSize(200, 100) << true << QSize(100, 50);
    QTest::newRow("tall kept") << QSize(50, 200) << true << QSize(25, 100);
    QTest::newRow("wide stretched") << QSize(200, 100) << false << QSize(100, 100);
}

void TestItemKinds::dictionaryPictureFitted()
{
    QFETCH(QSize, pictureSize);
    QFETCH(bool, keepAspect);
    QFETCH(QSize, fitted);
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Logo"), picture(QStringLiteral("blue.png"), pictureSize, Qt::blue));
    CKorvexDesignerImage image;
    image.setImageSource(CKorvexDesignerImage::SourceDictionary);
    image.setKeepAspectRatio(keepAspect);
    image.setDictionaryKey(QStringLiteral("LOGO"));
    QCOMPARE(image.dictionaryPicture().size(), pictureSize);
    QCOMPARE(image.fittedPicture().size(), fitted);
    const QImage drawn = renderItem(image, QSize(100, 100));
    QCOMPARE(drawn.pixelColor(50, 50), QColor(Qt::blue));
    const QRect expected((100 - fitted.width()) / 2, (100 - fitted.height()) / 2, fitted.width(), fitted.height());
    QCOMPARE(drawn.pixelColor(2, 2).alpha() != 0, expected.contains(QPoint(2, 2)));
    image.setDictionaryKey(QString());
    QVERIFY(image.dictionaryPicture().isNull());
}

void TestItemKinds::areaModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("transparent") << int(CKorvexDesigner3DArea::Transparent) << QColor(210, 210, 210, 180);
    QTest::newRow("single colour") << int(CKorvexDesigner3DArea::SingleColor) << QColor(0, 128, 0);
    QTest::newRow("image") << int(CKorvexDesigner3DArea::ImageMode) << QColor();
}

void TestItemKinds::areaModes()
{
    QFETCH(int, mode);
    QFETCH(QColor, corner);
    CKorvexDesigner3DArea area;
    area.setRect(0, 0, 200, 100);
    area.setBrush(QColor(0, 128, 0));
    area.setMode(mode);
    const QImage drawn = renderItem(area, QSize(200, 100));
    int dark = 0;
    for (int x = 60; x < 140; ++x)
        dark += drawn.pixelColor(x, 50).value() < 60 ? 1 : 0;
    QVERIFY2(dark > 0, "the caption is drawn in the middle");
    if (corner.isValid()) {
        QVERIFY(isNear(drawn.pixelColor(2, 2), corner));
        return;
    }
    // The logo, with the caption on a white box.
    QCOMPARE(drawn.pixelColor(1, 1), logoAt(QSize(200, 100)).pixelColor(1, 1));
    QFont font;
    font.setWeight(75);
    font.setPointSize(9);
    const QColor boxed = drawn.pixelColor(100, int(50 - QFontMetricsF(font, &drawn).height() / 2 - 3));
    QVERIFY2(boxed.red() >= 195 && boxed.green() >= 195 && boxed.blue() >= 195, "white caption box");
}

void TestItemKinds::areaShowsSharedPreview()
{
    QImage preview(50, 100, QImage::Format_ARGB32);
    preview.fill(Qt::blue);
    CKorvexDesignerScene scene;
    scene.context().setPreview3DImage(preview);
    auto* area = new CKorvexDesigner3DArea;
    scene.addItem(area);
    area->setRect(0, 0, 200, 200);
    QImage drawn = renderItem(*area, QSize(200, 200));
    QCOMPARE(drawn.pixelColor(100, 100), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(52, 100), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(45, 100).alpha(), 0);
    scene.context().setPreview3DShown(false);
    drawn = renderItem(*area, QSize(200, 200));
    QVERIFY(isNear(drawn.pixelColor(45, 100), QColor(210, 210, 210, 180)));
    scene.context().setPreview3DShown(true);
    area->setRect(0, 0, 20, 100);
    drawn = renderItem(*area, QSize(60, 100));
    QCOMPARE(drawn.pixelColor(10, 50), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(25, 50).alpha(), 0);
}

void TestItemKinds::selectionTints()
{
    CKorvexDesignerScene scene;
    auto* rect = new CKorvexDesignerRect;
    scene.addItem(rect);
    auto* companion = new CKorvexDesignerItem(&scene);
    companion->attach(rect, QPointF());
    rect->setPen(QPen(Qt::black, 0));
    QCOMPARE(renderItem(*rect, QSize(100, 100)).pixelColor(50, 50), QColor(255, 255, 255));
    companion->setSelected(true);
    QVERIFY(isNear(renderItem(*rect, QSize(100, 100)).pixelColor(50, 50), QColor(245, 245, 255)));
}

void TestItemKinds::screenGridSetting()
{
    {
        CKorvexDesignerScreen screen;
        QVERIFY(!screen.isGridShown());
        screen.toggleGrid();
        QVERIFY(CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/isGridShown")).toBool());
    }
    CKorvexDesignerScreen next;
    QVERIFY(next.isGridShown());
    next.setGridShown(false);
    QVERIFY(!CKorvexProductInfo::openSettings()->value(QStringLiteral("Designer/isGridShown")).toBool());
}

void TestItemKinds::screenGrid_data()
{
    QTest::addColumn<bool>("snapping");
    QTest::addColumn<int>("step");
    QTest::addColumn<bool>("drawn");
    QTest::newRow("step 10") << true << 10 << true;
    QTest::newRow("step 2") << true << 2 << true;
    QTest::newRow("step 1") << true << 1 << false;
    QTest::newRow("snapping off") << false << 10 << false;
}

void TestItemKinds::screenGrid()
{
    QFETCH(bool, snapping);
    QFETCH(int, step);
    QFETCH(bool, drawn);
    setGrid(snapping, step);
    CKorvexDesignerScene scene;
    CKorvexDesignerScreen& screen = *scene.screen();
    screen.setRect(0, 0, 40, 40);
    screen.setGridShown(true);
    const QImage image = renderItem(screen, QSize(40, 40));
    const QColor white(255, 255, 255);
    QCOMPARE(isNear(image.pixelColor(step * 2, step * 2 + 1), QColor(255, 155, 155)), drawn);
    QCOMPARE(isNear(image.pixelColor(step * 2 + 1, step * 2), QColor(155, 155, 255)), drawn);
    QCOMPARE(image.pixelColor(step * 2 + 1, step * 2 + 1), white);
    screen.setGridShown(false);
    QCOMPARE(renderItem(screen, QSize(40, 40)).pixelColor(step * 2, step * 2 + 1), white);
}

void TestItemKinds::screenBackgroundAndSize()
{
    // The background picture is painted by the page, never an item of its own.
    CKorvexDesignerScreen screen;
    QVERIFY(!screen.backgroundImage()->scene());
    screen.setRect(0, 0, 60, 40);
    screen.setPath(picture(QStringLiteral("green.png"), QSize(3, 3), Qt::green));
    QCOMPARE(renderItem(screen, QSize(60, 40)).pixelColor(30, 20), QColor(255, 255, 255));
    screen.setImageMode(true);
    QCOMPARE(renderItem(screen, QSize(60, 40)).pixelColor(30, 20), QColor(Qt::green));
    QCOMPARE(QSizeF(screen.backgroundImage()->width(), screen.backgroundImage()->height()), QSizeF(60, 40));

    // The scene reaches 30 units beyond the page.
    QGraphicsScene scene;
    auto* page = new CKorvexDesignerScreen;
    scene.addItem(page);
    QCOMPARE(scene.sceneRect(), QRectF(-30, -30, 560, 760));
    page->setWidth(100);
    page->setHeight(200);
    QCOMPARE(scene.sceneRect(), QRectF(-30, -30, 160, 260));
}

void TestItemKinds::rectResize_data()
{
    // Grid 0: the rectangle is on no page.
    QTest::addColumn<int>("grid");
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
    QTest::newRow("0 never flat") << 0 << square << false << 0 << QPointF(200, 150) << square;
    QTest::newRow("7 stops at a grid step") << 10 << square << false << 7 << QPointF(105, 50) << QRectF(100, 100, 10, 10);
    QTest::newRow("1 stops at a grid step") << 10 << square << false << 1 << QPointF(0, 300) << QRectF(100, 190, 100, 10);
    QTest::newRow("3 stops at grid 20") << 20 << square << false << 3 << QPointF(199, 0) << QRectF(180, 100, 20, 100);
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
    setGrid(grid > 1, grid);
    CKorvexDesignerScene scene;
    CKorvexDesignerRect alone;
    CKorvexDesignerRect* rect = &alone;
    if (grid > 0) {
        rect = new CKorvexDesignerRect;
        scene.addItem(rect);
    }
    rect->setRect(start);
    rect->setAspectLocked(locked);
    rect->beginResize();
    rect->moveHandle(handle, point);
    rect->endResize();
    QCOMPARE(rect->sceneRect(), expected);
}

void TestItemKinds::rectResizeOnlyWhileResizing()
{
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 100, 100);
    rect.moveHandle(7, QPointF(300, 300));
    QCOMPARE(rect.sceneRect(), QRectF(100, 100, 100, 100));
    rect.beginResize();
    rect.endResize();
    rect.moveHandle(7, QPointF(300, 300));
    QCOMPARE(rect.sceneRect(), QRectF(100, 100, 100, 100));
    QVERIFY(!CKorvexDesignerRect::isResizeInProgress());
    QCOMPARE(CKorvexDesignerRect::rectFromPoints(QPointF(30, 5), QPointF(10, 25)), QRectF(10, 5, 20, 20));
}

void TestItemKinds::rectHitArea()
{
    // A thin rectangle is still ten units high to the pointer.
    CKorvexDesignerRect thin;
    thin.setRect(0, 0, 100, 3);
    QVERIFY(thin.shape().contains(QPointF(50, 8)));
    QVERIFY(!thin.shape().contains(QPointF(50, 11)));
    QVERIFY(thin.boundingRect().contains(thin.shape().boundingRect()));
    QPainterPath band;
    band.addRect(QRectF(40, 7, 5, 2));
    QVERIFY(thin.collidesWithPath(band));

    QGraphicsScene scene;
    auto* rect = new CKorvexDesignerRect;
    scene.addItem(rect);
    rect->setPos(10, 10);
    QCOMPARE(scene.items(QPointF(15, 15)).size(), 1);
    rect->setDeleted(true);
    QVERIFY(!rect->contains(QPointF(5, 5)));
    QVERIFY(scene.items(QPointF(15, 15)).isEmpty());
}

void TestItemKinds::lineEnds()
{
    CKorvexDesignerLine line;
    line.setPos(10, 20);
    QCOMPARE(line.end(), QPointF(110, 20));
    line.setEnd(40, 60);
    QCOMPARE(QSizeF(line.width(), line.height()), QSizeF(30, 40));
    line.moveHandle(0, QPointF(0, 0));
    QCOMPARE(line.pos(), QPointF(0, 0));
    QCOMPARE(line.end(), QPointF(40, 60));
    line.moveHandle(7, QPointF(-5, 5));
    QCOMPARE(line.end(), QPointF(-5, 5));
    line.moveHandle(3, QPointF(99, 99));
    QCOMPARE(line.end(), QPointF(-5, 5));
    QCOMPARE(line.pos(), QPointF(0, 0));
}

void TestItemKinds::lineStaysSelectableWhenDegenerate_data()
{
    QTest::addColumn<QPointF>("offset");
    QTest::addColumn<double>("penWidth");
    QTest::addColumn<QPointF>("probe");
    QTest::newRow("zero length") << QPointF(0, 0) << 1.0 << QPointF(8, -8);
    QTest::newRow("horizontal") << QPointF(100, 0) << 1.0 << QPointF(50, 10);
    QTest::newRow("vertical") << QPointF(0, -100) << 1.0 << QPointF(-10, -50);
    QTest::newRow("nearly horizontal") << QPointF(100, 1e-13) << 1.0 << QPointF(50, -10);
    QTest::newRow("wide pen") << QPointF(100, 0) << 30.0 << QPointF(50, 14);
}

void TestItemKinds::lineStaysSelectableWhenDegenerate()
{
    QFETCH(QPointF, offset);
    QFETCH(double, penWidth);
    QFETCH(QPointF, probe);
    CKorvexDesignerLine line;
    line.setPen(QPen(Qt::black, penWidth));
    line.setEnd(offset);
    QVERIFY(line.contains(probe));
    QVERIFY(line.boundingRect().contains(probe));
    QVERIFY(!line.contains(QPointF(60, 60)));
    line.setDeleted(true);
    QVERIFY(!line.contains(probe));
}

void TestItemKinds::rectAndLinePainting()
{
    // A pen of 4 on a rectangle 6 high draws as 3: rows 2 and 3 stay half white.
    CKorvexDesignerRect low;
    low.setRect(0, 0, 100, 6);
    low.setPen(QPen(Qt::black, 4));
    const QImage clamped = renderItem(low, QSize(120, 20), QPointF(10, 5));
    low.setPen(QPen(Qt::black, 3));
    QCOMPARE(renderItem(low, QSize(120, 20), QPointF(10, 5)), clamped);
    const QList<QPair<int, QColor>> rows{{3, QColor(Qt::transparent)}, {4, QColor(0, 0, 0, 128)}, {5, Qt::black},
                                         {7, QColor(127, 127, 127)}, {8, QColor(127, 127, 127)}, {10, Qt::black},
                                         {11, QColor(0, 0, 0, 128)}};
    for (const auto& row : rows)
        QVERIFY2(isNear(clamped.pixelColor(60, row.first), row.second), qPrintable(QString::number(row.first)));

    // No pen, no outline: exactly the fill.
    CKorvexDesignerRect plain;
    plain.setRect(0, 0, 40, 40);
    plain.setPen(QPen(Qt::black, 0));
    plain.setBrush(QColor(0, 255, 0));
    const QImage filled = renderItem(plain, QSize(60, 60), QPointF(10, 10));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const bool inside = x >= 10 && x < 50 && y >= 10 && y < 50;
            QCOMPARE(filled.pixelColor(x, y), inside ? QColor(0, 255, 0) : QColor(Qt::transparent));
        }
    }

    // Gradient mode fills from left to right, whatever direction the gradient had.
    CKorvexDesignerRect shaded;
    shaded.setRect(0, 0, 100, 50);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setColorAt(0, QColor(255, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 255));
    shaded.setGradient(gradient);
    shaded.setGradientMode(true);
    const QImage image = renderItem(shaded, QSize(100, 50));
    QVERIFY(isNear(image.pixelColor(0, 25), QColor(255, 0, 0), 6));
    QVERIFY(isNear(image.pixelColor(99, 25), QColor(0, 0, 255), 6));
    QCOMPARE(image.pixelColor(50, 0), image.pixelColor(50, 49));

    // A line of no length is drawn as a dot.
    CKorvexDesignerLine line;
    line.setPen(QPen(Qt::black, 4));
    line.setEnd(0, 0);
    QVERIFY(isNear(renderItem(line, QSize(20, 20), QPointF(10, 10)).pixelColor(10, 10), QColor(0, 0, 0)));
    line.setEnd(10, 0);
    const QImage horizontal = renderItem(line, QSize(40, 20), QPointF(10, 10));
    QVERIFY(isNear(horizontal.pixelColor(15, 10), QColor(0, 0, 0)));
    QCOMPARE(horizontal.pixelColor(15, 14).alpha(), 0);
}

void TestItemKinds::labelStoredHtml()
{
    CKorvexDesignerLabel label;
    label.setStoredHtml(QStringLiteral("<p>Hello wide world <b>bold</b></p><p>a much longer second line</p>"));
    QCOMPARE(label.text(), QStringLiteral("Hello wide world bold\na much longer second line"));
    QCOMPARE(label.document()->documentMargin(), 0.0);
    QCOMPARE(label.document()->lineCount(), 2);
    const double twoLines = label.boundingRect().width();
    QCOMPARE(twoLines, std::ceil(label.document()->idealWidth()));
    label.setStoredHtml(QStringLiteral("<p>short</p>"));
    QVERIFY(label.boundingRect().width() < twoLines);
    QCOMPARE(label.textWidth(), std::ceil(label.document()->idealWidth()));

    // The same html again leaves typed text alone; other html replaces it.
    label.setPlainText(QStringLiteral("typed over"));
    label.setStoredHtml(QStringLiteral("<p>short</p>"));
    QCOMPARE(label.text(), QStringLiteral("typed over"));
    label.setStoredHtml(QStringLiteral("<b>two</b>"));
    QCOMPARE(label.text(), QStringLiteral("two"));
}

void TestItemKinds::labelDictionaryText()
{
    const QString stored = QStringLiteral(
        "<p><span style=\"font-family:'Courier'; font-size:20pt; font-weight:600;\">Default name</span></p>");
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Name"), QStringLiteral("Alice Example"));
    CKorvexDesignerLabel label;
    label.setFromDictionary(true);
    label.setStoredHtml(stored);
    QCOMPARE(label.storedHtml(), stored);
    QCOMPARE(label.text(), QStringLiteral("label !"));

    label.setDictionaryKey(QStringLiteral("NAME"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Alice Example"));
    QCOMPARE(label.storedHtml(), stored);
    QTextCursor cursor(label.document());
    cursor.movePosition(QTextCursor::End);
    QCOMPARE(cursor.charFormat().fontPointSize(), 20.0);
    QCOMPARE(cursor.charFormat().fontWeight(), 600 / 8);
    QCOMPARE(label.fontList(), QStringList{QStringLiteral("Courier")});
    QCOMPARE(label.textWidth(), std::ceil(label.document()->idealWidth()));
    QCOMPARE(label.document()->lineCount(), 1);

    // A key the dictionary lacks shows the stored html; a typed label ignores the dictionary.
    label.setDictionaryKey(QStringLiteral("Nobody"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Default name"));
    label.setFromDictionary(false);
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Nobody"), QStringLiteral("Bob"));
    label.refreshFromDictionary();
    QCOMPARE(label.text(), QStringLiteral("Default name"));
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

void TestItemKinds::labelSignalsAndHits()
{
    QGraphicsScene scene;
    auto* label = new CKorvexDesignerLabel;
    scene.addItem(label);
    QSignalSpy selected(label, &CKorvexDesignerText::selectedChange);
    label->setSelected(true);
    label->setSelected(false);
    QCOMPARE(selected.count(), 2);
    QCOMPARE(selected.at(0).at(0).value<QGraphicsItem*>(), static_cast<QGraphicsItem*>(label));

    label->setTextInteractionFlags(Qt::TextEditorInteraction);
    QSignalSpy lost(label, &CKorvexDesignerText::lostFocus);
    QFocusEvent focusOut(QEvent::FocusOut);
    scene.sendEvent(label, &focusOut);
    QCOMPARE(lost.count(), 1);
    QCOMPARE(lost.at(0).at(0).value<CKorvexDesignerText*>(), label);
    QCOMPARE(label->textInteractionFlags(), Qt::NoTextInteraction);

    QVERIFY(label->contains(QPointF(2, 2)));
    QVERIFY(!label->contains(QPointF(-2, 2)));
    label->setDeleted(true);
    QVERIFY(!label->contains(QPointF(2, 2)));
}

void TestItemKinds::labelBackgroundBehindText()
{
    CKorvexDesignerLabel label;
    label.setPlainText(QStringLiteral("   "));
    label.setBackground(QColor(0, 255, 0));
    QCOMPARE(renderItem(label, QSize(40, 40)).pixelColor(1, 1), QColor(0, 255, 0));
    label.setSelected(true);
    QVERIFY(isNear(renderItem(label, QSize(40, 40)).pixelColor(1, 1), QColor(0, 245, 10)));
}

KORVEX_TEST_MAIN(TestItemKinds)
#include "tst_itemkinds.moc"
