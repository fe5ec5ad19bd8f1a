#include "KorvexTestMain.h"
#include "app/DesignerMainWindow.h"
#include "scene/CKorvexDesignerContext.h"
#include "scene/CKorvexDesignerScene.h"

#include <QAction>
#include <QComboBox>
#include <QGraphicsView>

class TestZoom : public QObject
{
    Q_OBJECT

private slots:
    void zoom_data();
    void zoom();
};

void TestZoom::zoom_data()
{
    QTest::addColumn<QString>("from");    // chosen in the zoom box first
    QTest::addColumn<QString>("command"); // "in", "out", "fit" or nothing
    QTest::addColumn<QSizeF>("page");     // the scene for "fit", in a 100 x 100 viewport
    QTest::addColumn<QString>("entry");
    QTest::addColumn<double>("compensation");

    const QSizeF none;
    for (const auto& row : {std::make_pair("10%", 10.0), {"50%", 2.0}, {"100%", 1.0}, {"125%", 0.8},
                            {"150%", 1 / 1.5}, {"400%", 1 / 1.5}, {"800%", 0.5}, {"1600%", 0.5}, {"2400%", 1 / 3.0}})
        QTest::newRow(row.first) << row.first << "" << none << row.first << row.second;
    QTest::newRow("in") << "100%" << "in" << none << "125%" << 0.8;
    QTest::newRow("in stops at the last") << "6400%" << "in" << none << "6400%" << 1 / 3.0;
    QTest::newRow("out") << "6400%" << "out" << none << "3200%" << 1 / 3.0;
    QTest::newRow("out stops at the first") << "10%" << "out" << none << "10%" << 10.0;
    const struct { double width; const char* entry; double compensation; } fits[] = {
        {450, "10%", 10}, {400, "10%", 10}, {399, "25%", 4}, {200, "25%", 4}, {199, "50%", 2}, {125, "50%", 2},
        {124, "75%", 1 / 0.75}, {100, "75%", 1 / 0.75}, {99, "100%", 1}, {50, "100%", 1}, {49, "200%", 1 / 1.5},
        {25, "200%", 1 / 1.5}, {24, "400%", 1 / 1.5}, {10, "400%", 1 / 1.5}, {9, "800%", 0.5}};
    for (const auto& fit : fits) {
        QTest::addRow("fit width %g", fit.width)
            << "100%" << "fit" << QSizeF(fit.width, 1) << fit.entry << fit.compensation;
    }
    QTest::newRow("fit height decides") << "100%" << "fit" << QSizeF(30, 150) << "50%" << 2.0;
}

void TestZoom::zoom()
{
    QFETCH(QString, from);
    QFETCH(QString, command);
    QFETCH(QSizeF, page);
    QFETCH(QString, entry);
    QFETCH(double, compensation);

    DesignerMainWindow window;
    QComboBox* box = window.ui().zoomBox;
    QCOMPARE(box->currentText() + ' ' + QString::number(window.zoomPercent()), QStringLiteral("100% 100"));
    box->setCurrentText(QStringLiteral("3200%")); // so that every row undoes a zoom first
    box->setCurrentText(from);
    if (command == "in")
        window.ui().actionZoom_In->trigger();
    if (command == "out")
        window.ui().actionZoom_Out->trigger();
    if (command == "fit") {
        window.view()->viewport()->resize(100, 100);
        window.scene()->setSceneRect(QRectF(QPointF(), page));
        window.zoomToFit();
        QCOMPARE(window.view()->viewport()->size(), QSize(100, 100));
    }

    const int percent = entry.chopped(1).toInt();
    QCOMPARE(box->currentText(), entry);
    QCOMPARE(window.zoomPercent(), percent);
    QCOMPARE(window.view()->transform().m11(), percent / 100.0);
    QCOMPARE(window.view()->transform().m22(), percent / 100.0);
    QCOMPARE(window.scene()->context().zoomCompensation(), compensation);
    const QPainter::RenderHints hints = window.view()->renderHints();
    QCOMPARE(hints.testFlag(QPainter::Antialiasing), percent != 100);
    QVERIFY(hints.testFlag(QPainter::TextAntialiasing));
    QVERIFY(percent == 100 || hints.testFlag(QPainter::SmoothPixmapTransform));
}

KORVEX_TEST_MAIN(TestZoom)
#include "tst_zoom.moc"
