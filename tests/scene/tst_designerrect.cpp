#include "KorvexItemRendering.h"
#include "KorvexTestEnvironment.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerFormTextBox.h"
#include "scene/CKorvexDesignerLine.h"
#include "scene/CKorvexDesignerRect.h"
#include "services/CKorvexProductInfo.h"

#include <QGraphicsScene>
#include <QSettings>

class TestDesignerRect : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void defaults();
    void thinRectangleKeepsTenUnitShape();
    void deletedRectangleContainsNothing();
    void fitAspectAnchors_data();
    void fitAspectAnchors();
    void resizeEdges_data();
    void resizeEdges();
    void resizeStopsAtOneGridStep();
    void handleZeroNeverInverts();
    void aspectLockKeepsOppositeEdge_data();
    void aspectLockKeepsOppositeEdge();
    void resizeOnlyWhileResizing();
    void penClampedOnLowRectangle();
    void zeroPenDrawsNoOutline();
    void gradientModeFillsHorizontally();
    void lineEndAndHandles();
    void lineStaysSelectableWhenDegenerate_data();
    void lineStaysSelectableWhenDegenerate();
    void lineIsDrawnWithZeroLength();

private:
    static void setGrid(int step);
};

void TestDesignerRect::setGrid(int step)
{
    const auto settings = CKorvexProductInfo::openSettings();
    settings->setValue(QStringLiteral("Designer/SnappingCheckBox"), step > 1);
    settings->setValue(QStringLiteral("Designer/GridSize"), step);
}

void TestDesignerRect::init()
{
    KorvexTestEnvironment::clearSettings();
    CKorvexDesignerContext::setZoomCompensation(1.0);
    setGrid(10);
}


void TestDesignerRect::defaults()
{
    CKorvexDesignerRect rect;
    QCOMPARE(rect.width(), 100.0);
    QCOMPARE(rect.height(), 100.0);
    QCOMPARE(rect.pen(), QPen(QColor(0, 0, 0), 1));
    QCOMPARE(rect.brush(), QBrush(QColor(255, 255, 255)));
    QVERIFY(rect.flags() & QGraphicsItem::ItemIsSelectable);
    QVERIFY(rect.acceptHoverEvents());
    QVERIFY(!rect.isDeleted());
    CKorvexDesignerFormTextBox box;
    QCOMPARE(QSizeF(box.width(), box.height()), QSizeF(100, 30));
    QCOMPARE(box.brush().color(), QColor(225, 225, 225));
}

void TestDesignerRect::thinRectangleKeepsTenUnitShape()
{
    CKorvexDesignerRect rect;
    rect.setRect(0, 0, 100, 3);
    QVERIFY(rect.shape().contains(QPointF(50, 8)));
    QVERIFY(!rect.shape().contains(QPointF(50, 11)));
    QVERIFY(rect.boundingRect().contains(rect.shape().boundingRect()));
    QPainterPath band;
    band.addRect(QRectF(40, 7, 5, 2));
    QVERIFY(rect.collidesWithPath(band));
}

void TestDesignerRect::deletedRectangleContainsNothing()
{
    QGraphicsScene scene;
    auto* rect = new CKorvexDesignerRect;
    scene.addItem(rect);
    rect->setPos(10, 10);
    QVERIFY(rect->contains(QPointF(5, 5)));
    QCOMPARE(scene.items(QPointF(15, 15)).size(), 1);
    rect->setDeleted(true);
    QVERIFY(!rect->contains(QPointF(5, 5)));
    QVERIFY(scene.items(QPointF(15, 15)).isEmpty());
}

void TestDesignerRect::fitAspectAnchors_data()
{
    QTest::addColumn<int>("anchor");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("top-left") << 0 << QRectF(10, 20, 40, 20);
    QTest::newRow("top-right") << 1 << QRectF(10, 20, 40, 20);
    QTest::newRow("bottom-left") << 2 << QRectF(10, 80, 40, 20);
    QTest::newRow("bottom-right") << 3 << QRectF(10, 80, 40, 20);
}

void TestDesignerRect::fitAspectAnchors()
{
    QFETCH(int, anchor);
    QFETCH(QRectF, expected);
    CKorvexDesignerRect rect;
    rect.setAspect(200, 100);
    QCOMPARE(rect.fitAspect(QRectF(10, 20, 40, 80), anchor), expected);
}

void TestDesignerRect::resizeEdges_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QRectF>("expected");
    QTest::newRow("0") << 0 << QPointF(80, 70) << QRectF(80, 70, 120, 130);
    QTest::newRow("1") << 1 << QPointF(80, 70) << QRectF(100, 70, 100, 130);
    QTest::newRow("2") << 2 << QPointF(250, 70) << QRectF(100, 70, 150, 130);
    QTest::newRow("3") << 3 << QPointF(80, 70) << QRectF(80, 100, 120, 100);
    QTest::newRow("4") << 4 << QPointF(250, 70) << QRectF(100, 100, 150, 100);
    QTest::newRow("5") << 5 << QPointF(80, 240) << QRectF(80, 100, 120, 140);
    QTest::newRow("6") << 6 << QPointF(80, 240) << QRectF(100, 100, 100, 140);
    QTest::newRow("7") << 7 << QPointF(250, 240) << QRectF(100, 100, 150, 140);
}

void TestDesignerRect::resizeEdges()
{
    QFETCH(int, handle);
    QFETCH(QPointF, point);
    QFETCH(QRectF, expected);
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 100, 100);
    rect.beginResize();
    rect.moveHandle(handle, point);
    rect.endResize();
    QCOMPARE(rect.sceneRect(), expected);
}

void TestDesignerRect::resizeStopsAtOneGridStep()
{
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 100, 100);
    rect.beginResize();
    rect.moveHandle(7, QPointF(105, 50));
    QCOMPARE(rect.sceneRect(), QRectF(100, 100, 10, 10));
    rect.moveHandle(1, QPointF(0, 300));
    QCOMPARE(rect.sceneRect(), QRectF(100, 190, 100, 10));
    setGrid(20);
    rect.moveHandle(3, QPointF(199, 0));
    QCOMPARE(rect.sceneRect(), QRectF(180, 100, 20, 100));
}

void TestDesignerRect::handleZeroNeverInverts()
{
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 100, 100);
    rect.beginResize();
    rect.moveHandle(0, QPointF(199, 199));
    QCOMPARE(rect.sceneRect(), QRectF(199, 199, 1, 1));
    rect.moveHandle(0, QPointF(250, 150));
    QCOMPARE(rect.sceneRect(), QRectF(199, 199, 1, 1));
    rect.moveHandle(0, QPointF(200, 150));
    QCOMPARE(rect.sceneRect(), QRectF(199, 199, 1, 1));
}

void TestDesignerRect::aspectLockKeepsOppositeEdge_data()
{
    QTest::addColumn<int>("handle");
    QTest::addColumn<QPointF>("point");
    QTest::addColumn<QRectF>("expected");
    // Start 200 x 100 at (100, 100): heights follow the width at 1:2.
    QTest::newRow("0 keeps bottom") << 0 << QPointF(0, 50) << QRectF(0, 50, 300, 150);
    QTest::newRow("2 keeps bottom") << 2 << QPointF(200, 180) << QRectF(100, 150, 100, 50);
    QTest::newRow("5 keeps top") << 5 << QPointF(200, 300) << QRectF(200, 100, 100, 50);
    QTest::newRow("7 keeps top") << 7 << QPointF(500, 110) << QRectF(100, 100, 400, 200);
    QTest::newRow("edge 4 ignores lock") << 4 << QPointF(400, 0) << QRectF(100, 100, 300, 100);
}

void TestDesignerRect::aspectLockKeepsOppositeEdge()
{
    QFETCH(int, handle);
    QFETCH(QPointF, point);
    QFETCH(QRectF, expected);
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 200, 100);
    rect.setAspectLocked(true);
    rect.beginResize();
    rect.moveHandle(handle, point);
    QCOMPARE(rect.sceneRect(), expected);
}

void TestDesignerRect::resizeOnlyWhileResizing()
{
    CKorvexDesignerRect rect;
    rect.setRect(100, 100, 100, 100);
    rect.moveHandle(7, QPointF(300, 300));
    QCOMPARE(rect.sceneRect(), QRectF(100, 100, 100, 100));
    rect.beginResize();
    rect.endResize();
    rect.moveHandle(7, QPointF(300, 300));
    QCOMPARE(rect.sceneRect(), QRectF(100, 100, 100, 100));
}

void TestDesignerRect::penClampedOnLowRectangle()
{
    CKorvexDesignerRect rect;
    rect.setRect(0, 0, 100, 6);
    rect.setPen(QPen(Qt::black, 4));
    const QImage clamped = renderItem(rect, QSize(120, 20), QPointF(10, 5));
    rect.setPen(QPen(Qt::black, 3));
    QCOMPARE(renderItem(rect, QSize(120, 20), QPointF(10, 5)), clamped);
    // A 3-wide outline centred on y = 1 and y = 5 leaves rows 2 and 3 half white.
    const int column = 60;
    QCOMPARE(clamped.pixelColor(column, 5 - 2).alpha(), 0);
    QVERIFY(isNear(clamped.pixelColor(column, 5 - 1), QColor(0, 0, 0, 128)));
    QVERIFY(isNear(clamped.pixelColor(column, 5 + 0), QColor(0, 0, 0)));
    QVERIFY(isNear(clamped.pixelColor(column, 5 + 2), QColor(127, 127, 127)));
    QVERIFY(isNear(clamped.pixelColor(column, 5 + 3), QColor(127, 127, 127)));
    QVERIFY(isNear(clamped.pixelColor(column, 5 + 5), QColor(0, 0, 0)));
    QVERIFY(isNear(clamped.pixelColor(column, 5 + 6), QColor(0, 0, 0, 128)));
}

void TestDesignerRect::zeroPenDrawsNoOutline()
{
    CKorvexDesignerRect rect;
    rect.setRect(0, 0, 40, 40);
    rect.setPen(QPen(Qt::black, 0));
    rect.setBrush(QColor(0, 255, 0));
    const QImage image = renderItem(rect, QSize(60, 60), QPointF(10, 10));
    for (int y = 0; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) {
            const QColor pixel = image.pixelColor(x, y);
            const bool inside = x >= 10 && x < 50 && y >= 10 && y < 50;
            QCOMPARE(pixel, inside ? QColor(0, 255, 0) : QColor(Qt::transparent));
        }
    }
}

void TestDesignerRect::gradientModeFillsHorizontally()
{
    CKorvexDesignerRect rect;
    rect.setRect(0, 0, 100, 50);
    QLinearGradient gradient(0, 0, 0, 1);
    gradient.setColorAt(0, QColor(255, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 255));
    rect.setGradient(gradient);
    rect.setGradientMode(true);
    const QImage image = renderItem(rect, QSize(100, 50));
    QVERIFY(isNear(image.pixelColor(0, 25), QColor(255, 0, 0), 6));
    QVERIFY(isNear(image.pixelColor(99, 25), QColor(0, 0, 255), 6));
    QCOMPARE(image.pixelColor(50, 0), image.pixelColor(50, 49));
}

void TestDesignerRect::lineEndAndHandles()
{
    CKorvexDesignerLine line;
    QCOMPARE(QSizeF(line.width(), line.height()), QSizeF(100, 0));
    line.setPos(10, 20);
    QCOMPARE(line.end(), QPointF(110, 20));
    line.setEnd(40, 60);
    QCOMPARE(line.end(), QPointF(40, 60));
    QCOMPARE(QSizeF(line.width(), line.height()), QSizeF(30, 40));
    line.moveHandle(0, QPointF(0, 0));
    QCOMPARE(line.pos(), QPointF(0, 0));
    QCOMPARE(line.end(), QPointF(40, 60));
    line.moveHandle(7, QPointF(-5, 5));
    QCOMPARE(line.end(), QPointF(-5, 5));
    line.moveHandle(3, QPointF(99, 99));
    QCOMPARE(line.end(), QPointF(-5, 5));
}

void TestDesignerRect::lineStaysSelectableWhenDegenerate_data()
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

void TestDesignerRect::lineStaysSelectableWhenDegenerate()
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

void TestDesignerRect::lineIsDrawnWithZeroLength()
{
    CKorvexDesignerLine line;
    line.setPen(QPen(Qt::black, 4));
    line.setEnd(0, 0);
    const QImage image = renderItem(line, QSize(20, 20), QPointF(10, 10));
    QVERIFY(isNear(image.pixelColor(10, 10), QColor(0, 0, 0)));
    line.setEnd(10, 0);
    const QImage horizontal = renderItem(line, QSize(40, 20), QPointF(10, 10));
    QVERIFY(isNear(horizontal.pixelColor(15, 10), QColor(0, 0, 0)));
    QCOMPARE(horizontal.pixelColor(15, 14).alpha(), 0);
}

KORVEX_TEST_MAIN(TestDesignerRect)
#include "tst_designerrect.moc"
