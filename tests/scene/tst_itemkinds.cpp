#include "KorvexItemRendering.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "dictionary/CKorvexDictionary.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerItem.h"
#include "scene/CKorvexDesignerScreen.h"
#include "services/CKorvexProductInfo.h"

#include <QFontMetricsF>
#include <QGraphicsScene>
#include <QSettings>
#include <QTemporaryDir>

class TestItemKinds : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void imageDefaults();
    void newImageShowsLogo();
    void unreadablePathKeepsLogo();
    void dictionarySourceWithoutPictureOutlinesLogo();
    void filePictureFillsItem();
    void dictionaryPictureFitted_data();
    void dictionaryPictureFitted();
    void areaModes_data();
    void areaModes();
    void areaImageModeShowsLogoAndCaptionBox();
    void areaShowsSharedPreview();
    void areaModeWords();
    void formTextBoxPaintsGrey();
    void rectangleTintedWhenInSelectionSet();
    void screenDefaults();
    void screenWritesGridSettingAtOnce();
    void screenGrid_data();
    void screenGrid();
    void screenBackgroundPicture();
    void screenSizeSetsSceneRect();

private:
    static QImage logoAt(const QSize& size);
    /// The smallest rectangle holding every pixel that is not fully transparent.
    static QRect paintedArea(const QImage& image);
    static QString writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size, const QColor& color);
    static void setGrid(bool snapping, int step);
};

void TestItemKinds::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext::setZoomCompensation(1.0);
    CKorvexDesignerContext::setPreview3DImage(QImage());
    CKorvexDesigner3DArea::setPreviewShown(true);
}

QImage TestItemKinds::logoAt(const QSize& size)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(QRectF(QPointF(), size), QImage(CKorvexDesignerImage::logoPath()));
    return image;
}

QRect TestItemKinds::paintedArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).alpha() != 0)
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

QString TestItemKinds::writePicture(const QTemporaryDir& dir, const QString& name, const QSize& size,
                                    const QColor& color)
{
    QImage picture(size, QImage::Format_ARGB32);
    picture.fill(color);
    const QString path = dir.filePath(name);
    picture.save(path);
    return path;
}

void TestItemKinds::setGrid(bool snapping, int step)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), snapping);
    settings->setValue(QStringLiteral("Designer/GridSize"), step);
}

void TestItemKinds::imageDefaults()
{
    CKorvexDesignerImage image;
    QVERIFY(!image.fallbackPicture().isNull());
    // Until a resize begins the aspect is the logo's.
    const QSize logo = image.fallbackPicture().size();
    const QRectF wide(0, 0, 2 * logo.width(), 1);
    QCOMPARE(image.fitAspect(wide, CKorvexDesignerRect::TopLeftAnchor).height(), 2.0 * logo.height());
    QCOMPARE(image.sceneStateChoice(), int(CKorvexDesignerImage::ByName));
    QVERIFY(image.scaleToFit());
    QVERIFY(!image.keepAspectRatio());
    QCOMPARE(image.imageSource(), int(CKorvexDesignerImage::SourceFile));
    QVERIFY(!image.hasPicture());
    QVERIFY(image.GetAction().IsNull());
}

void TestItemKinds::newImageShowsLogo()
{
    CKorvexDesignerImage image;
    QCOMPARE(renderItem(image, QSize(100, 100)), logoAt(QSize(100, 100)));
}

void TestItemKinds::unreadablePathKeepsLogo()
{
    QTemporaryDir dir;
    QFile junk(dir.filePath("junk.png"));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write("not a picture");
    junk.close();
    CKorvexDesignerImage image;
    image.setPath(junk.fileName());
    QCOMPARE(image.path(), junk.fileName());
    QVERIFY(!image.hasPicture());
    QCOMPARE(renderItem(image, QSize(100, 100)), logoAt(QSize(100, 100)));
    image.setPath(dir.filePath("missing.png"));
    QCOMPARE(renderItem(image, QSize(100, 100)), logoAt(QSize(100, 100)));
}

void TestItemKinds::dictionarySourceWithoutPictureOutlinesLogo()
{
    CKorvexDesignerImage image;
    image.setImageSource(CKorvexDesignerImage::SourceDictionary);
    image.setDictionaryKey(QStringLiteral("no such key"));
    const QImage drawn = renderItem(image, QSize(100, 100));
    const QImage logo = logoAt(QSize(100, 100));
    QCOMPARE(drawn.pixelColor(50, 0), QColor(0, 0, 0));
    QCOMPARE(drawn.pixelColor(0, 50), QColor(0, 0, 0));
    QCOMPARE(drawn.pixelColor(50, 50), logo.pixelColor(50, 50));
    image.setImageSource(CKorvexDesignerImage::SourceSceneState);
    QCOMPARE(renderItem(image, QSize(100, 100)).pixelColor(50, 0), QColor(0, 0, 0));
}

void TestItemKinds::filePictureFillsItem()
{
    QTemporaryDir dir;
    CKorvexDesignerImage image;
    image.setRect(0, 0, 40, 30);
    image.setPath(writePicture(dir, "red.png", QSize(7, 5), Qt::red));
    QVERIFY(image.hasPicture());
    const QImage drawn = renderItem(image, QSize(50, 40));
    QCOMPARE(drawn.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(drawn.pixelColor(39, 29), QColor(Qt::red));
    QCOMPARE(drawn.pixelColor(45, 35).alpha(), 0);
    image.setSelected(true);
    const QImage selected = renderItem(image, QSize(50, 40));
    QVERIFY(isNear(selected.pixelColor(20, 15), QColor(245, 0, 10)));
}

void TestItemKinds::dictionaryPictureFitted_data()
{
    QTest::addColumn<QSize>("picture");
    QTest::addColumn<bool>("keepAspect");
    QTest::addColumn<QSize>("fitted");
    QTest::newRow("wide kept") << QSize(200, 100) << true << QSize(100, 50);
    QTest::newRow("tall kept") << QSize(50, 200) << true << QSize(25, 100);
    QTest::newRow("wide stretched") << QSize(200, 100) << false << QSize(100, 100);
}

void TestItemKinds::dictionaryPictureFitted()
{
    QFETCH(QSize, picture);
    QFETCH(bool, keepAspect);
    QFETCH(QSize, fitted);
    QTemporaryDir dir;
    CKorvexDictionary::SetDictionaryValue(QStringLiteral("Logo"), writePicture(dir, "blue.png", picture, Qt::blue));
    CKorvexDesignerImage image;
    image.setImageSource(CKorvexDesignerImage::SourceDictionary);
    image.setKeepAspectRatio(keepAspect);
    image.setDictionaryKey(QStringLiteral("LOGO"));
    QVERIFY(image.hasPicture());
    const QImage drawn = renderItem(image, QSize(100, 100));
    QCOMPARE(drawn.pixelColor(50, 50), QColor(Qt::blue));
    const QRect expected((100 - fitted.width()) / 2, (100 - fitted.height()) / 2, fitted.width(), fitted.height());
    QCOMPARE(drawn.pixelColor(2, 2).alpha() != 0, expected.contains(QPoint(2, 2)));
    QCOMPARE(paintedArea(drawn).size(), fitted);
    image.setDictionaryKey(QString());
    QVERIFY(!image.hasPicture());
}


void TestItemKinds::areaModes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("transparent") << int(CKorvexDesigner3DArea::Transparent) << QColor(210, 210, 210, 180);
    QTest::newRow("single colour") << int(CKorvexDesigner3DArea::SingleColor) << QColor(0, 128, 0);
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
    QVERIFY(isNear(drawn.pixelColor(2, 2), corner));
    int dark = 0;
    for (int x = 60; x < 140; ++x)
        dark += drawn.pixelColor(x, 50).value() < 60 ? 1 : 0;
    QVERIFY2(dark > 0, "the caption is drawn in the middle");
}

void TestItemKinds::areaImageModeShowsLogoAndCaptionBox()
{
    CKorvexDesigner3DArea area;
    area.setMode(CKorvexDesigner3DArea::ImageMode);
    const QImage drawn = renderItem(area, QSize(100, 100));
    const QImage logo = logoAt(QSize(100, 100));
    QCOMPARE(drawn.pixelColor(1, 1), logo.pixelColor(1, 1));
    QFont font;
    font.setWeight(75);
    font.setPointSize(9);
    const QFontMetricsF metrics(font, &drawn);
    const int paddingRow = int(50 - metrics.height() / 2 - 3);
    const QColor boxed = drawn.pixelColor(50, paddingRow);
    QVERIFY2(boxed.red() >= 195 && boxed.green() >= 195 && boxed.blue() >= 195, "white caption box");
}

void TestItemKinds::areaShowsSharedPreview()
{
    QImage preview(50, 100, QImage::Format_ARGB32);
    preview.fill(Qt::blue);
    CKorvexDesignerContext::setPreview3DImage(preview);
    CKorvexDesigner3DArea area;
    area.setRect(0, 0, 200, 200);
    QImage drawn = renderItem(area, QSize(200, 200));
    QCOMPARE(drawn.pixelColor(100, 100), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(52, 100), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(45, 100).alpha(), 0);
    CKorvexDesigner3DArea::setPreviewShown(false);
    drawn = renderItem(area, QSize(200, 200));
    QVERIFY(isNear(drawn.pixelColor(45, 100), QColor(210, 210, 210, 180)));
    CKorvexDesigner3DArea::setPreviewShown(true);
    area.setRect(0, 0, 20, 100);
    drawn = renderItem(area, QSize(60, 100));
    QCOMPARE(drawn.pixelColor(10, 50), QColor(Qt::blue));
    QCOMPARE(drawn.pixelColor(25, 50).alpha(), 0);
}

void TestItemKinds::areaModeWords()
{
    QCOMPARE(CKorvexDesigner3DArea::modeWord(0), QStringLiteral("Transparent"));
    QCOMPARE(CKorvexDesigner3DArea::modeWord(1), QStringLiteral("Single Color"));
    QCOMPARE(CKorvexDesigner3DArea::modeWord(2), QStringLiteral("Image"));
    QCOMPARE(CKorvexDesigner3DArea::modeWord(3), QString());
    QCOMPARE(CKorvexDesigner3DArea::modeFromWord(QStringLiteral("Image")), 2);
    QCOMPARE(CKorvexDesigner3DArea::modeFromWord(QStringLiteral("image")), -1);
}

void TestItemKinds::formTextBoxPaintsGrey()
{
    CKorvexDesignerFormTextBox box;
    box.setCustomId(QStringLiteral("FirstName"));
    QCOMPARE(box.customId(), QStringLiteral("FirstName"));
    const QImage drawn = renderItem(box, QSize(100, 30));
    QVERIFY(isNear(drawn.pixelColor(1, 1), QColor(210, 210, 210, 180)));
}

void TestItemKinds::rectangleTintedWhenInSelectionSet()
{
    QGraphicsScene scene;
    auto* rect = new CKorvexDesignerRect;
    scene.addItem(rect);
    auto* companion = new CKorvexDesignerItem(&scene);
    companion->attach(rect, QPointF());
    rect->setPen(QPen(Qt::black, 0));
    QCOMPARE(renderItem(*rect, QSize(100, 100)).pixelColor(50, 50), QColor(255, 255, 255));
    companion->setSelected(true);
    QVERIFY(isNear(renderItem(*rect, QSize(100, 100)).pixelColor(50, 50), QColor(245, 245, 255)));
}

void TestItemKinds::screenDefaults()
{
    CKorvexDesignerScreen screen;
    QCOMPARE(QSizeF(screen.width(), screen.height()), QSizeF(500, 700));
    QCOMPARE(screen.dpi(), 72);
    QCOMPARE(screen.pageSizeType(), QStringLiteral("Custom"));
    QVERIFY(!screen.isImageMode());
    QVERIFY(!screen.isGridShown());
    QCOMPARE(screen.pos(), QPointF(0, 0));
    QCOMPARE(screen.zValue(), 0.0);
    QVERIFY(screen.backgroundImage());
    QVERIFY(!screen.backgroundImage()->scene());
}

void TestItemKinds::screenWritesGridSettingAtOnce()
{
    {
        CKorvexDesignerScreen screen;
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
    CKorvexDesignerScreen screen;
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

void TestItemKinds::screenBackgroundPicture()
{
    QTemporaryDir dir;
    CKorvexDesignerScreen screen;
    screen.setRect(0, 0, 60, 40);
    screen.setPath(writePicture(dir, "green.png", QSize(3, 3), Qt::green));
    QCOMPARE(renderItem(screen, QSize(60, 40)).pixelColor(30, 20), QColor(255, 255, 255));
    screen.setImageMode(true);
    QCOMPARE(renderItem(screen, QSize(60, 40)).pixelColor(30, 20), QColor(Qt::green));
    QCOMPARE(screen.backgroundImage()->width(), 60.0);
    QCOMPARE(screen.backgroundImage()->height(), 40.0);
}

void TestItemKinds::screenSizeSetsSceneRect()
{
    QGraphicsScene scene;
    auto* screen = new CKorvexDesignerScreen;
    scene.addItem(screen);
    QCOMPARE(scene.sceneRect(), QRectF(-30, -30, 560, 760));
    screen->setWidth(100);
    screen->setHeight(200);
    QCOMPARE(scene.sceneRect(), QRectF(-30, -30, 160, 260));
}

KORVEX_TEST_MAIN(TestItemKinds)
#include "tst_itemkinds.moc"
