#include "KorvexTestFiles.h"
#include "KorvexTestMain.h"
#include "scene/CKorvexDesignerImage.h"
#include "scene/CKorvexPictureFiles.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace {
// A 20000 x 20000 PNG header with a token data chunk: its size is known long before any decoding.
const QByteArray absurdPng = QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200004e2000004e200806000000e3704639"
                                                 "0000000849444154789c030000000001480689d20000000049454e44ae426082");
} // namespace

/// Picture files: refusal of absurd sizes before decoding, and one decoded copy per unchanged file.
class TestPictureFiles : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void acceptableSize_data();
    void acceptableSize();
    void refused_data();
    void refused();
    void onlyAChangedFileIsDecodedAgain();
    void imageItemsShareOnePicture();
    void batchesGiveWhatOneByOneGives();
private:
    QString file(const QString& name, const QByteArray& bytes);
    QString picture(const QString& name, const QColor& color, const QSize& size = QSize(4, 3));
    QTemporaryDir m_dir;
};

void TestPictureFiles::init()
{
    CKorvexPictureFiles::clear();
}

QString TestPictureFiles::file(const QString& name, const QByteArray& bytes)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writeFile(path, bytes) ? path : QString();
}

QString TestPictureFiles::picture(const QString& name, const QColor& color, const QSize& size)
{
    const QString path = m_dir.filePath(name);
    return KorvexTestFiles::writePng(path, size, color) ? path : QString();
}

void TestPictureFiles::acceptableSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<bool>("acceptable");
    QTest::newRow("unknown before decoding") << QSize() << true;
    QTest::newRow("widest") << QSize(32767, 1) << true;
    QTest::newRow("one wider") << QSize(32768, 1) << false;
    QTest::newRow("highest") << QSize(1, 32767) << true;
    QTest::newRow("one higher") << QSize(1, 32768) << false;
    QTest::newRow("most pixels") << QSize(10000, 10000) << true;
    QTest::newRow("one row more") << QSize(10000, 10001) << false;
    QTest::newRow("product beyond 32 bits") << QSize(32767, 32767) << false;
}

void TestPictureFiles::acceptableSize()
{
    QFETCH(QSize, size);
    QFETCH(bool, acceptable);
    QCOMPARE(CKorvexPictureFiles::acceptableSize(size), acceptable);
}

void TestPictureFiles::refused_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty file") << "empty.png" << QByteArray();
    QTest::newRow("text named as picture") << "text.png" << QByteArray("not a picture\n");
    QTest::newRow("too many pixels") << "many.png" << absurdPng;
    QTest::newRow("absurd in a wrong name") << "many.jpg" << absurdPng;
}

void TestPictureFiles::refused()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    const QString path = file(name, bytes);
    QVERIFY(!path.isEmpty());
    QCOMPARE(QImageReader(path).size(), bytes == absurdPng ? QSize(20000, 20000) : QSize());
    QVERIFY(CKorvexPictureFiles::load(path).isNull());
}

void TestPictureFiles::onlyAChangedFileIsDecodedAgain()
{
    const QString path = picture(QStringLiteral("red.png"), Qt::red);
    const QImage first = CKorvexPictureFiles::load(path);
    QCOMPARE(first.pixelColor(3, 2), QColor(Qt::red));
    QCOMPARE(CKorvexPictureFiles::load(path).cacheKey(), first.cacheKey());
    // Same size, same name, written within the same moment: only the bytes differ.
    QCOMPARE(picture(QStringLiteral("red.png"), Qt::blue), path);
    QCOMPARE(CKorvexPictureFiles::load(path).pixelColor(0, 0), QColor(Qt::blue));
    // A picture under a wrong suffix is known by its content.
    QFile png(path);
    QVERIFY(png.open(QIODevice::ReadOnly));
    QCOMPARE(CKorvexPictureFiles::load(file(QStringLiteral("real.jpg"), png.readAll())).pixelColor(0, 0),
             QColor(Qt::blue));
    QVERIFY(QFile::remove(path));
    for (const QString& nothing : {path, QString(), QStringLiteral("   "), m_dir.path()})
        QVERIFY(CKorvexPictureFiles::load(nothing).isNull());
}

void TestPictureFiles::imageItemsShareOnePicture()
{
    const QString path = picture(QStringLiteral("shared.png"), Qt::yellow, QSize(40, 30));
    CKorvexDesignerImage first;
    CKorvexDesignerImage second;
    first.setPath(path);
    second.setPath(path);
    QVERIFY(first.hasPicture());
    QCOMPARE(second.filePicture().cacheKey(), first.filePicture().cacheKey());
    QCOMPARE(second.fallbackPicture().cacheKey(), first.fallbackPicture().cacheKey());
    // One scaled copy per picture and size, whoever asks.
    const QImage scaled = CKorvexPictureFiles::scaled(first.filePicture(), QSize(20, 10));
    QCOMPARE(scaled.size(), QSize(20, 10));
    QCOMPARE(CKorvexPictureFiles::scaled(second.filePicture(), QSize(20, 10)).cacheKey(), scaled.cacheKey());
    const QString huge = file(QStringLiteral("huge.png"), absurdPng);
    first.setPath(huge);
    QVERIFY(!first.hasPicture());
    QCOMPARE(first.path(), huge);
}

void TestPictureFiles::batchesGiveWhatOneByOneGives()
{
    QImage pattern(64, 48, QImage::Format_ARGB32);
    for (int y = 0; y < pattern.height(); ++y) {
        for (int x = 0; x < pattern.width(); ++x)
            pattern.setPixel(x, y, qRgba(x * 4, y * 5, (x * y) % 256, 255 - x));
    }
    pattern.setDotsPerMeterX(5000);
    pattern.setText(QStringLiteral("Author"), QStringLiteral("K"));
    const QList<QImage> pictures{pattern, pattern.convertToFormat(QImage::Format_RGB32),
                                 pattern.convertToFormat(QImage::Format_Indexed8)};
    // 8000 x 4000 would fill more than half of what is kept: left to be scaled when drawn.
    const QList<QSize> sizes{QSize(20, 15), QSize(7, 30), QSize(20, 15), QSize(8000, 4000)};
    QVector<CKorvexPictureFiles::ScaleRequest> wanted;
    for (const QImage& picture : pictures) {
        for (const QSize& size : sizes)
            wanted.append({picture, size});
    }
    CKorvexPictureFiles::scaleAll(wanted);
    for (const QImage& picture : pictures) {
        QVERIFY(!CKorvexPictureFiles::hasScaled(picture, sizes.last()));
        for (const QSize& size : sizes.mid(0, 2)) {
            QVERIFY(CKorvexPictureFiles::hasScaled(picture, size));
            const QImage batched = CKorvexPictureFiles::scaled(picture, size);
            const QImage alone = picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QCOMPARE(batched, alone);
            QCOMPARE(batched.dotsPerMeterX(), alone.dotsPerMeterX());
            QCOMPARE(batched.text(), alone.text());
        }
    }
}

KORVEX_TEST_MAIN(TestPictureFiles)
#include "tst_picturefiles.moc"
