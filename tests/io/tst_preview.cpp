#include "KorvexTestMain.h"
#include "KorvexZipTestArchive.h"
#include "io/CKorvexPreviewPicture.h"
#include "scene/CKorvexDesignerScreen.h"
#include "scene/CKorvexResizeHandles.h"

#include <QTemporaryDir>

using namespace KorvexTestPage;

class TestPreview : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void pageOnCanvas_data();
    void pageOnCanvas();
    void onlyThePageIsDrawn();
    void savedPackageHoldsThePreview();

private:
    QImage previewOf(CKorvexDesignerScene& scene);
    static void setPage(CKorvexDesignerScene& scene, const QSize& size);
    QTemporaryDir m_dir;
};

void TestPreview::init()
{
    KorvexTestEnvironment::clearSettings();
    QFile::remove(m_dir.filePath(QStringLiteral("_preview.png")));
}

void TestPreview::setPage(CKorvexDesignerScene& scene, const QSize& size)
{
    QVERIFY(add(scene, {"type:screen", "fill color:0 128 0", "is image mode:false",
                        QStringLiteral("width:%1").arg(size.width()), QStringLiteral("height:%1").arg(size.height())}));
}

QImage TestPreview::previewOf(CKorvexDesignerScene& scene)
{
    scene.writePreview(m_dir.filePath(QStringLiteral("page.ktf")));
    return QImage(m_dir.filePath(QStringLiteral("_preview.png")));
}

void TestPreview::pageOnCanvas_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QRect>("drawn");
    QTest::addColumn<bool>("throughScene");
    QTest::newRow("A4 points") << QSize(595, 842) << QRect(19, 0, 91, 130) << true;
    QTest::newRow("A4 landscape") << QSize(842, 595) << QRect(0, 19, 130, 91) << true;
    QTest::newRow("small page") << QSize(100, 80) << QRect(15, 25, 100, 80) << true;
    QTest::newRow("square") << QSize(300, 300) << QRect(0, 0, 130, 130) << true;
    QTest::newRow("wide") << QSize(1000, 200) << QRect(0, 52, 130, 26) << true;
    QTest::newRow("exactly fits") << QSize(130, 130) << QRect(0, 0, 130, 130) << true;
    QTest::newRow("one side over") << QSize(131, 50) << QRect(0, 40, 130, 49) << true;
    QTest::newRow("drawn smaller first") << QSize(60000, 90000) << QRect(22, 0, 86, 130) << true;
    QTest::newRow("thin") << QSize(1, 1000) << QRect(65, 0, 0, 130) << false;
    QTest::newRow("empty") << QSize(0, 0) << QRect(65, 65, 0, 0) << false;
    QTest::newRow("huge") << QSize(2000000000, 1000000000) << QRect(0, 32, 130, 65) << false;
}

void TestPreview::pageOnCanvas()
{
    QFETCH(QSize, page);
    QFETCH(QRect, drawn);
    QFETCH(bool, throughScene);
    const CKorvexPreviewPicture::Fit fit = CKorvexPreviewPicture::fit(page);
    QCOMPARE(QRect(fit.offset, fit.size), drawn);
    QCOMPARE(fit.onCanvas, drawn.size() != QSize(130, 130));
    if (!throughScene)
        return;
    CKorvexDesignerScene scene;
    setPage(scene, page);
    const QImage preview = previewOf(scene);
    QCOMPARE(preview.size(), QSize(130, 130));
    // Inside the drawn rectangle the opaque page shows; outside it the canvas stays clear.
    const QPoint centre = drawn.center();
    QCOMPARE(preview.pixelColor(centre), QColor(0, 128, 0));
    for (const QPoint& inside : {drawn.topLeft() + QPoint(1, 1), drawn.bottomRight() - QPoint(1, 1)})
        QCOMPARE(qAlpha(preview.pixel(inside)), 255);
    for (const QPoint& outside : {QPoint(drawn.left() - 1, centre.y()), QPoint(centre.x(), drawn.top() - 1),
                                  QPoint(drawn.right() + 1, centre.y()), QPoint(centre.x(), drawn.bottom() + 1)}) {
        if (preview.rect().contains(outside))
            QCOMPARE(qAlpha(preview.pixel(outside)), 0);
    }
}

void TestPreview::onlyThePageIsDrawn()
{
    QImage shared(40, 40, QImage::Format_ARGB32);
    shared.fill(QColor(255, 0, 255));
    CKorvexDesignerScene scene;
    scene.context().setPreview3DImage(shared);
    setPage(scene, QSize(100, 100));
    QVERIFY(add(scene, {"type:3d area", "start location:10 10", "width:40", "height:40", "3d mode:Single Color",
                        "fill color:0 0 255"}));
    QGraphicsItem* rect = add(scene, {"type:rect", "start location:60 60", "width:30", "height:30",
                                      "fill color:0 128 0 255", "pen color:0 128 0"});
    QVERIFY(rect);
    scene.deselectAll();
    scene.screen()->setGridShown(false);
    QImage plain = previewOf(scene);
    // The area's own look, not the shared 3D picture; the page stands at (15, 15) on the canvas.
    QCOMPARE(plain.pixel(30, 30), QColor(0, 0, 255).rgb());

    scene.screen()->setGridShown(true);
    scene.selectItem(rect, true);
    QImage shown = previewOf(scene);
    // Neither the selection tint nor grid and handles show; zoomed captions draw as at 100 %.
    QCOMPARE(shown, plain);
    scene.context().setZoomCompensation(0.5);
    QCOMPARE(previewOf(scene), plain);
    QVERIFY(scene.screen()->isGridShown());
    QVERIFY(CKorvexDesignerItem::companionOf(rect)->handles()->anyVisible());
    QVERIFY(scene.context().isPreview3DShown());
    scene.screen()->setGridShown(false);
    previewOf(scene);
    QVERIFY(!scene.screen()->isGridShown());
}

void TestPreview::savedPackageHoldsThePreview()
{
    CKorvexDesignerScene scene;
    setPage(scene, QSize(595, 842));
    const QString target = m_dir.filePath(QStringLiteral("saved.ktf"));
    QVERIFY(scene.writeTemplate(target));
    QCOMPARE(QImage::fromData(KorvexZipTest::entriesOf(target).value("_preview.png"), "PNG"), previewOf(scene));
}

KORVEX_TEST_MAIN(TestPreview)
#include "tst_preview.moc"
