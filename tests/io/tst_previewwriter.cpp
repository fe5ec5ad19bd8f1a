#include "KorvexTemplateTestPage.h"
#include "KorvexTestMain.h"
#include "io/CKorvexPreviewWriter.h"
#include "scene/CKorvexDesigner3DArea.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandles.h"

#include <QPainter>
#include <QTemporaryDir>

using namespace KorvexTemplateTest;

class TestPreviewWriter : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pictureThroughTheScene_data();
    void pictureThroughTheScene();
    void gridIsNotDrawnAndIsRestored();
    void areaDrawsItsOwnLookAndPreviewReturns();
    void handlesAreNotDrawn();
    void savedPackageHoldsThePreview();
    void hugePageIsBounded();

private:
    QImage previewOf(CKorvexDesignerScene& scene);
    static void setPage(CKorvexDesignerScene& scene, const QSize& size);
    QTemporaryDir m_dir;
};

void TestPreviewWriter::init()
{
    KorvexTestEnvironment::clearSettings();
    QFile::remove(m_dir.filePath(QStringLiteral("_preview.png")));
}

void TestPreviewWriter::setPage(CKorvexDesignerScene& scene, const QSize& size)
{
    QVERIFY(add(scene, {"type:screen", "fill color:0 128 0", "is image mode:false",
                        QStringLiteral("width:%1").arg(size.width()), QStringLiteral("height:%1").arg(size.height())}));
}

QImage TestPreviewWriter::previewOf(CKorvexDesignerScene& scene)
{
    scene.writePreview(m_dir.filePath(QStringLiteral("page.ktf")));
    return QImage(m_dir.filePath(QStringLiteral("_preview.png")));
}

void TestPreviewWriter::pictureThroughTheScene_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QRect>("drawn");
    QTest::newRow("A4 points") << QSize(595, 842) << QRect(19, 0, 91, 130);
    QTest::newRow("small page") << QSize(100, 80) << QRect(15, 25, 100, 80);
    QTest::newRow("square") << QSize(300, 300) << QRect(0, 0, 130, 130);
    QTest::newRow("wide") << QSize(1000, 200) << QRect(0, 52, 130, 26);
    QTest::newRow("exactly fits") << QSize(130, 130) << QRect(0, 0, 130, 130);
}

void TestPreviewWriter::pictureThroughTheScene()
{
    QFETCH(QSize, page);
    QFETCH(QRect, drawn);
    CKorvexDesignerScene scene;
    setPage(scene, page);
    const QImage preview = previewOf(scene);
    QCOMPARE(preview.size(), QSize(130, 130));
    // Inside the drawn rectangle the opaque page shows; outside it the canvas stays clear.
    const QPoint inner = drawn.topLeft() + QPoint(1, 1);
    QCOMPARE(qAlpha(preview.pixel(inner)), 255);
    QCOMPARE(qGreen(preview.pixel(drawn.center())), 128);
    QCOMPARE(qAlpha(preview.pixel(drawn.center())), 255);
    if (drawn.left() > 0)
        QCOMPARE(qAlpha(preview.pixel(drawn.left() - 1, drawn.center().y())), 0);
    if (drawn.top() > 0)
        QCOMPARE(qAlpha(preview.pixel(drawn.center().x(), drawn.top() - 1)), 0);
    if (drawn.right() < 129)
        QCOMPARE(qAlpha(preview.pixel(drawn.right() + 1, drawn.center().y())), 0);
    if (drawn.bottom() < 129)
        QCOMPARE(qAlpha(preview.pixel(drawn.center().x(), drawn.bottom() + 1)), 0);
}

void TestPreviewWriter::gridIsNotDrawnAndIsRestored()
{
    CKorvexDesignerScene scene;
    setPage(scene, QSize(100, 80));
    scene.screen()->setGridShown(false);
    const QImage withoutGrid = previewOf(scene);
    scene.screen()->setGridShown(true);
    const QImage withGrid = previewOf(scene);
    QCOMPARE(withGrid, withoutGrid);
    QVERIFY(scene.screen()->isGridShown());
    scene.screen()->setGridShown(false);
    previewOf(scene);
    QVERIFY(!scene.screen()->isGridShown());
}

void TestPreviewWriter::areaDrawsItsOwnLookAndPreviewReturns()
{
    QImage shared(40, 40, QImage::Format_ARGB32);
    shared.fill(QColor(255, 0, 255));
    CKorvexDesignerScene scene;
    scene.context().setPreview3DImage(shared);
    setPage(scene, QSize(100, 100));
    QVERIFY(add(scene, {"type:3d area", "start location:20 20", "width:60", "height:60", "3d mode:Single Color",
                        "fill color:0 0 255"}));
    scene.deselectAll();
    const QImage preview = previewOf(scene);
    // The page stands at (15, 15) on the canvas; the area's caption stays clear of its corner.
    QCOMPARE(preview.pixel(38, 38), QColor(0, 0, 255).rgb());
    QVERIFY(scene.context().isPreview3DShown());
}

void TestPreviewWriter::handlesAreNotDrawn()
{
    CKorvexDesignerScene scene;
    setPage(scene, QSize(100, 100));
    QGraphicsItem* rect = add(scene, {"type:rect", "start location:30 30", "width:40", "height:40",
                                      "fill color:0 128 0 255", "pen color:0 128 0"});
    QVERIFY(rect);
    scene.deselectAll();
    const QImage unselected = previewOf(scene);
    scene.selectItem(rect, true);
    QVERIFY(CKorvexDesignerItem::companionOf(rect)->handles()->anyVisible());
    // The item's own selection tint stays; the handles around its corners do not show.
    QImage selected = previewOf(scene);
    QImage expected = unselected;
    const QRect itemOnCanvas(43, 43, 44, 44);
    for (QImage* picture : {&selected, &expected}) {
        QPainter painter(picture);
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        painter.fillRect(itemOnCanvas, Qt::transparent);
    }
    QCOMPARE(selected, expected);
    QVERIFY(CKorvexDesignerItem::companionOf(rect)->handles()->anyVisible());
}

void TestPreviewWriter::savedPackageHoldsThePreview()
{
    CKorvexDesignerScene scene;
    setPage(scene, QSize(595, 842));
    const QString target = m_dir.filePath(QStringLiteral("saved.ktf"));
    QVERIFY(scene.writeTemplate(target));
    const QImage packed = QImage::fromData(entryData(target, "_preview.png"), "PNG");
    QCOMPARE(packed, previewOf(scene));
}

void TestPreviewWriter::hugePageIsBounded()
{
    CKorvexDesignerScene scene;
    setPage(scene, QSize(60000, 90000));
    const QImage preview = previewOf(scene);
    QCOMPARE(preview.size(), QSize(130, 130));
    QCOMPARE(qAlpha(preview.pixel(64, 64)), 255);
    QCOMPARE(qAlpha(preview.pixel(20, 64)), 0);
}

KORVEX_TEST_MAIN(TestPreviewWriter)
#include "tst_previewwriter.moc"
