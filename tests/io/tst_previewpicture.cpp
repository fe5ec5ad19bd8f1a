#include "KorvexTestMain.h"
#include "io/CKorvexPreviewPicture.h"

#include <QImage>

class TestPreviewPicture : public QObject
{
    Q_OBJECT

private slots:
    void pageIsFitted_data();
    void pageIsFitted();
    void tallPageIsCentredOnTransparentCanvas();
    void smallPageKeepsItsPixels();
    void squarePageIsScaledWithoutCanvas();
};

void TestPreviewPicture::pageIsFitted_data()
{
    QTest::addColumn<QSize>("page");
    QTest::addColumn<QSize>("fitted");
    QTest::addColumn<QPoint>("offset");
    QTest::addColumn<bool>("onCanvas");
    QTest::newRow("A4 portrait") << QSize(595, 842) << QSize(91, 130) << QPoint(19, 0) << true;
    QTest::newRow("A4 landscape") << QSize(842, 595) << QSize(130, 91) << QPoint(0, 19) << true;
    QTest::newRow("small") << QSize(100, 80) << QSize(100, 80) << QPoint(15, 25) << true;
    QTest::newRow("square") << QSize(300, 300) << QSize(130, 130) << QPoint(0, 0) << false;
    QTest::newRow("exactly fits") << QSize(130, 130) << QSize(130, 130) << QPoint(0, 0) << false;
    QTest::newRow("one side over") << QSize(131, 50) << QSize(130, 49) << QPoint(0, 40) << true;
    QTest::newRow("thin") << QSize(1, 1000) << QSize(0, 130) << QPoint(65, 0) << true;
    QTest::newRow("empty") << QSize(0, 0) << QSize(0, 0) << QPoint(65, 65) << true;
    QTest::newRow("huge") << QSize(2000000000, 1000000000) << QSize(130, 65) << QPoint(0, 32) << true;
}

void TestPreviewPicture::pageIsFitted()
{
    QFETCH(QSize, page);
    QFETCH(QSize, fitted);
    QFETCH(QPoint, offset);
    QFETCH(bool, onCanvas);
    const CKorvexPreviewPicture::Fit fit = CKorvexPreviewPicture::fit(page);
    QCOMPARE(fit.size, fitted);
    QCOMPARE(fit.offset, offset);
    QCOMPARE(fit.onCanvas, onCanvas);
}

void TestPreviewPicture::tallPageIsCentredOnTransparentCanvas()
{
    QImage page(595, 842, QImage::Format_ARGB32);
    page.fill(Qt::red);
    const QImage preview = CKorvexPreviewPicture::finish(page);
    QCOMPARE(preview.size(), QSize(130, 130));
    QVERIFY(preview.hasAlphaChannel());
    QCOMPARE(qAlpha(preview.pixel(18, 65)), 0);
    QCOMPARE(preview.pixelColor(19, 65), QColor(Qt::red));
    QCOMPARE(preview.pixelColor(109, 65), QColor(Qt::red));
    QCOMPARE(qAlpha(preview.pixel(110, 65)), 0);
}

void TestPreviewPicture::smallPageKeepsItsPixels()
{
    QImage page(100, 80, QImage::Format_ARGB32);
    page.fill(Qt::blue);
    page.setPixelColor(0, 0, Qt::green);
    const QImage preview = CKorvexPreviewPicture::finish(page);
    QCOMPARE(preview.size(), QSize(130, 130));
    QCOMPARE(preview.pixelColor(15, 25), QColor(Qt::green));
    QCOMPARE(preview.pixelColor(114, 104), QColor(Qt::blue));
    QCOMPARE(qAlpha(preview.pixel(14, 25)), 0);
    QCOMPARE(qAlpha(preview.pixel(115, 104)), 0);
    QCOMPARE(qAlpha(preview.pixel(15, 105)), 0);
}

void TestPreviewPicture::squarePageIsScaledWithoutCanvas()
{
    QImage page(300, 300, QImage::Format_ARGB32);
    page.fill(Qt::yellow);
    const QImage preview = CKorvexPreviewPicture::finish(page);
    QCOMPARE(preview.size(), QSize(130, 130));
    QCOMPARE(preview.pixelColor(0, 0), QColor(Qt::yellow));
    QCOMPARE(preview.pixelColor(129, 129), QColor(Qt::yellow));
}

KORVEX_TEST_MAIN(TestPreviewPicture)
#include "tst_previewpicture.moc"
