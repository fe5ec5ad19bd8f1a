#include "KorvexTestMain.h"
#include "app/CKorvexZoomController.h"
#include "scene/CKorvexDesignerContext.h"

#include <QGraphicsView>

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void entries();
    void percentFromText_data();
    void percentFromText();
    void stepping();
    void fitEntry_data();
    void fitEntry();
    void fitRatio_data();
    void fitRatio();
    void compensation_data();
    void compensation();
    void rescaleUndoesThePreviousZoom();
    void renderHints();
};

void TestZoom::entries()
{
    const QStringList expected{"10%",  "25%",   "50%",   "75%",   "100%",  "125%",  "150%",
                               "200%", "400%",  "800%",  "1600%", "2400%", "3200%", "6400%"};
    QCOMPARE(CKorvexZoomController::entries(), expected);
    QCOMPARE(CKorvexZoomController::defaultIndex(), 4);
}

void TestZoom::percentFromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("percent");
    QTest::newRow("entry") << "125%" << 125;
    QTest::newRow("largest") << "6400%" << 6400;
    QTest::newRow("without sign") << "75" << 75;
    QTest::newRow("not a number") << "abc%" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("zero") << "0%" << 0;
    QTest::newRow("negative") << "-50%" << 0;
}

void TestZoom::percentFromText()
{
    QFETCH(QString, text);
    QFETCH(int, percent);
    QCOMPARE(CKorvexZoomController::percentFromText(text), percent);
}

void TestZoom::stepping()
{
    QCOMPARE(CKorvexZoomController::nextIndex(4, 14), 5);
    QCOMPARE(CKorvexZoomController::nextIndex(13, 14), 13);
    QCOMPARE(CKorvexZoomController::previousIndex(4), 3);
    QCOMPARE(CKorvexZoomController::previousIndex(0), 0);
}

void TestZoom::fitEntry_data()
{
    QTest::addColumn<double>("ratio");
    QTest::addColumn<QString>("entry");
    QTest::newRow("4.5") << 4.5 << "10%";
    QTest::newRow("4") << 4.0 << "10%";
    QTest::newRow("3.99") << 3.99 << "25%";
    QTest::newRow("2") << 2.0 << "25%";
    QTest::newRow("1.99") << 1.99 << "50%";
    QTest::newRow("1.25") << 1.25 << "50%";
    QTest::newRow("1.24") << 1.24 << "75%";
    QTest::newRow("1") << 1.0 << "75%";
    QTest::newRow("0.99") << 0.99 << "100%";
    QTest::newRow("0.6") << 0.6 << "100%";
    QTest::newRow("0.5") << 0.5 << "100%";
    QTest::newRow("0.49") << 0.49 << "200%";
    QTest::newRow("0.25") << 0.25 << "200%";
    QTest::newRow("0.24") << 0.24 << "400%";
    QTest::newRow("0.1") << 0.1 << "400%";
    QTest::newRow("0.09") << 0.09 << "800%";
    QTest::newRow("0") << 0.0 << "800%";
}

void TestZoom::fitEntry()
{
    QFETCH(double, ratio);
    QFETCH(QString, entry);
    QCOMPARE(CKorvexZoomController::fitEntry(ratio), entry);
}

void TestZoom::fitRatio_data()
{
    QTest::addColumn<QSizeF>("scene");
    QTest::addColumn<QSize>("viewport");
    QTest::addColumn<double>("ratio");
    QTest::newRow("width decides") << QSizeF(900, 100) << QSize(200, 200) << 4.5;
    QTest::newRow("height decides") << QSizeF(100, 300) << QSize(200, 200) << 1.5;
    QTest::newRow("smaller page") << QSizeF(120, 60) << QSize(200, 100) << 0.6;
    QTest::newRow("empty viewport counts as one pixel") << QSizeF(50, 40) << QSize(0, 0) << 50.0;
}

void TestZoom::fitRatio()
{
    QFETCH(QSizeF, scene);
    QFETCH(QSize, viewport);
    QFETCH(double, ratio);
    QCOMPARE(CKorvexZoomController::fitRatio(scene, viewport), ratio);
}

void TestZoom::compensation_data()
{
    QTest::addColumn<int>("percent");
    QTest::addColumn<double>("factor");
    QTest::newRow("10") << 10 << 10.0;
    QTest::newRow("50") << 50 << 2.0;
    QTest::newRow("100") << 100 << 1.0;
    QTest::newRow("125") << 125 << 0.8;
    QTest::newRow("150") << 150 << 1 / 1.5;
    QTest::newRow("200") << 200 << 1 / 1.5;
    QTest::newRow("400") << 400 << 1 / 1.5;
    QTest::newRow("800") << 800 << 0.5;
    QTest::newRow("1600") << 1600 << 0.5;
    QTest::newRow("2400") << 2400 << 1 / 3.0;
    QTest::newRow("6400") << 6400 << 1 / 3.0;
}

void TestZoom::compensation()
{
    QFETCH(int, percent);
    QFETCH(double, factor);
    QCOMPARE(CKorvexDesignerContext::zoomCompensationForPercent(percent), factor);
}

void TestZoom::rescaleUndoesThePreviousZoom()
{
    QGraphicsView view;
    CKorvexZoomController::rescale(view, 100, 400);
    QCOMPARE(view.transform().m11(), 4.0);
    CKorvexZoomController::rescale(view, 400, 25);
    QCOMPARE(view.transform().m11(), 0.25);
    QCOMPARE(view.transform().m22(), 0.25);
    CKorvexZoomController::rescale(view, 25, 0);
    QCOMPARE(view.transform().m11(), 0.25);
}

void TestZoom::renderHints()
{
    QGraphicsView view;
    CKorvexZoomController::applyRenderHints(view, 200);
    QCOMPARE(view.renderHints(),
             QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    CKorvexZoomController::applyRenderHints(view, 100);
    QVERIFY(!view.renderHints().testFlag(QPainter::Antialiasing));
    QVERIFY(view.renderHints().testFlag(QPainter::TextAntialiasing));
}

KORVEX_TEST_MAIN(TestZoom)
#include "tst_zoom.moc"
